#include "base/start_modes.h"

#include "base/start_context.h"
#include "platform/record_file.h"

void InstallReadOnlyRule(const StartContext* start)
{
    if (!start) {
        SetReadOnlyRule({});
        return;
    }
    SetReadOnlyRule([start] { return start->ArgumentMode != 0; });
}
