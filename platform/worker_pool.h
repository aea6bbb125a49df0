// The program's one way of running work on other threads: a pool of worker
// threads takes jobs, and a job hands its answer back to the window's
// thread with postToWindowThread. Both hand-offs go through a mutex, so
// whatever a job wrote before it posted is seen whole by its answer (and a
// thread sanitizer sees that order too).
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class WorkerPool {
public:
    // `threads` workers (at least one; 0 or less: one per core). The pool
    // is made on the window's thread.
    explicit WorkerPool(int threads = 0);
    // Drops the jobs not started yet and waits for the running ones.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Queues a job; jobs start in the order they were queued.
    void run(std::function<void()> job);
    // Drops the jobs not started yet.
    void clear();
    // Waits until no job is queued or running.
    void waitForDone();
    int threadCount() const { return int(m_threads.size()); }

private:
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    int m_running = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

// Runs `answer` later on the window's thread (the application object's), in
// the order posted; callable from any thread. Answers posted after the
// application object is gone are dropped. An empty answer only wakes the
// window's thread.
void postToWindowThread(std::function<void()> answer);

} // namespace platform
