// Real write failures for tests: a tiny tmpfs volume that a test fills (a
// full disk), and test bodies that run in a child process of the test
// program where a file-size limit makes writes past it fail (EFBIG).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace testsupport {

// A tmpfs of `kilobytes` mounted at `folder` (made when missing) for the
// object's lifetime. Mounting needs root; mounted() says whether it worked
// and why not in error().
class TinyVolume {
public:
    TinyVolume(const QString& folder, int kilobytes);
    ~TinyVolume();
    TinyVolume(const TinyVolume&) = delete;
    TinyVolume& operator=(const TinyVolume&) = delete;

    bool mounted() const { return mounted_; }
    QString error() const { return error_; }
    // Fills the volume with a filler file until no byte more fits.
    bool fill();

private:
    QString folder_;
    bool mounted_ = false;
    QString error_;
};

// Skips the current test unless a tiny volume could be mounted.
#define SKIP_UNLESS_MOUNTED(volume)                                                          \
    do {                                                                                     \
        if (!(volume).mounted())                                                             \
            GTEST_SKIP() << "no tmpfs for a full-disk test: " << (volume).error().toStdString(); \
    } while (0)

// A body that runs in a child process: gets its arguments, prints what the
// parent wants to know to stdout, and returns the exit code.
using ChildBody = std::function<int(const QStringList& args)>;

// Registers a child body under `name` (a file-scope static of a test file).
struct ChildRegistration {
    ChildRegistration(const char* name, ChildBody body);
};

struct ChildRun {
    int exitCode = -1;    // -1 when the child crashed or did not start
    QByteArray output;    // its standard output
};

// Runs the body registered as `name` in a new process of this test program
// that shares this process's sandbox (HOME, XDG folders).
ChildRun runChild(const char* name, const QStringList& args = {});

// In a child: from now on no file of this process may grow past `bytes`; a
// write past the limit fails with EFBIG (SIGXFSZ is ignored).
bool limitFileSize(qint64 bytes);

// In this process, for the object's lifetime: no file may grow past `bytes`
// (writes past it fail with EFBIG); the old limit is restored afterwards.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(qint64 bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    unsigned long long old_ = 0;
    bool set_ = false;
};

// For the test program's main(): whether this process was started by runChild
// (it then keeps the parent's sandbox), and running the body it was started for.
bool isChildRun(int argc, char** argv);
int runChildBody(int argc, char** argv);

} // namespace testsupport
