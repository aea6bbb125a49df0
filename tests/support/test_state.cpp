#include "support/test_state.h"

#include "base/start_modes.h"

ProgramState& TestState()
{
    static ProgramState state;
    // Data files open read only while the state runs on an argument, as in main().
    static const bool ruleInstalled = (InstallReadOnlyRule(&state.start), true);
    (void)ruleInstalled;
    return state;
}
