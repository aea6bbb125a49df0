// File writes the window's thread hands to a background thread and does not
// wait for.
#pragma once

#include <functional>

// Runs `work` on the single background writer thread (writes run one after
// another in the order given), then `done` on the window's thread.
void RunInBackgroundWriter(std::function<void()> work, std::function<void()> done);
