// The single-instance guard.
//
// At most two instances run at once, and never two of the same kind (the
// audio-only player started with "/audio", or any other start). Each admitted
// instance holds one slot lock file in the data folder with flock(), so the
// kernel frees the slot when the process ends in any way, a crash included.
// The decision is taken while holding the guard's own lock file, so two
// starts at the same moment cannot both take the last place.
//
// Every admitted instance listens on a local socket named for the user and
// the data folder; a refused start asks the instance admitted last (or, when
// that one is gone, another live one) to bring its windows to the front, and
// ends without creating a window.
//
// Files in the data folder:
//   "instance.lock"                 the guard's lock; holds the number of the slot admitted last
//   "instance1.lock", "instance2.lock"  the slots
//   "AudioRun.dat", "OtherRun.dat"  run markers of the running kinds (made by the main window)
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

constexpr int MaxInstances = 2;

// The admission rule: with no instance running a start is always admitted;
// otherwise the limit is 1 when a marker of the start's own kind exists, else
// 2, and the start is admitted while the limit exceeds the running count.
bool AdmitInstance(int runningCount, bool markerOfMyKindExists);

enum class GuardOutcome { Admitted, Refused, Failed };

struct GuardResult {
    GuardOutcome Outcome = GuardOutcome::Failed;
    int Slot = 0;             // the slot taken (1 .. MaxInstances) when admitted
    int RunningBefore = 0;    // live instances found
    bool Raised = false;      // a refused start reached a running window
    QString Message;          // Failed: the system's message
};

class InstanceGuard {
public:
    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Decides whether this start may go on. `audioStart`: the first parameter
    // is exactly "/audio". With `createMarker` an admitted start makes its run
    // marker before the guard's lock is let go, so a start of the same kind
    // at the same moment already sees it. A refused start asks a running
    // instance to come to the front.
    GuardResult Check(const QString& dataFolder, bool audioStart, bool createMarker = false);

    // After the windows exist: answers the raise requests of refused starts
    // by calling `raise` (on the user-interface thread).
    bool Listen(std::function<void()> raise);

    // Gives the slot up (also done by the destructor and by the kernel when
    // the process ends).
    void Release();

    bool Admitted() const { return slotFd_ >= 0; }
    int Slot() const { return slot_; }

    // The local socket name of a slot.
    static QString ServerName(const QString& dataFolder, int slot);
    // Number of slots held by live processes.
    static int RunningInstances(const QString& dataFolder);

private:
    QString dataFolder_;
    int slotFd_ = -1;
    int slot_ = 0;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

// The guard of this process.
InstanceGuard& ProcessInstanceGuard();

// Brings the program's top-level windows to the front: a minimised one is
// restored; a hidden window stays hidden.
void RaiseRunningWindows();
