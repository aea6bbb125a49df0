// Work the window's thread hands to other threads: a job it waits for while
// it goes on serving its events, and file writes it does not wait for.
#pragma once

#include <functional>

// Runs `work` on a worker thread while the window's thread serves events,
// and returns its result; exceptions of `work` leave here.
void RunServingEvents(const std::function<void()>& work);

// Runs `work` on the single background writer thread (writes run one after
// another in the order given), then `done` on the window's thread.
void RunInBackgroundWriter(std::function<void()> work, std::function<void()> done);
// Serves events until every background write has finished and reported.
void WaitForBackgroundWrites();
