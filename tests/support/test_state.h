// The program state a test process works on: made on first use, like the
// one main() makes for a real start. A test that wants a fresh state makes
// its own ProgramState.
#pragma once

#include "base/program_state.h"

ProgramState& TestState();
