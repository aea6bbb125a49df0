// How the program was started: demo, argument and audio mode, and the start-up results.
#pragma once

struct StartContext {
};
