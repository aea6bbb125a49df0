#include "base/start_modes.h"

#include "base/start_context.h"
#include "platform/record_file.h"

void SetDataFileMode(const StartContext& start, int Mode, bool Force)
{
    SetFileMode(start.ArgumentMode != 0 && !Force ? FileModeReadOnly : Mode);
}
