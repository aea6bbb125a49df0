// Start modes set from the command line at start-up.
#pragma once

#include <cstdint>

// 1 when the program was started with a folder or a show file as argument:
// data files are then opened read only (SetFileMode) and nothing is saved at close.
extern uint8_t ArgumentMode;
