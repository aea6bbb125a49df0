#include "support/test_state.h"

ProgramState& TestState()
{
    static ProgramState state;
    return state;
}
