#include "base/start_modes.h"

#include "platform/record_file.h"

uint8_t ArgumentMode = 0;

namespace {

// Data files open read only while the program runs on an argument (SetFileMode).
const bool readOnlyRuleInstalled = [] {
    SetReadOnlyRule([] { return ArgumentMode != 0; });
    return true;
}();

} // namespace
