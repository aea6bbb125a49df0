#include "base/start_modes.h"

uint8_t ArgumentMode = 0;
