#include "formats/isolated_call.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define VISTAMO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VISTAMO_ASAN 1
#endif
#endif

#ifdef VISTAMO_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Exit code of a child whose sanitizer found a fault (instrumented builds).
[[maybe_unused]] constexpr int kSanitizerExit = 86;

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The child's side: holds its address space to what it maps already plus
// `memoryLimitBytes`, computes, writes the result and leaves without running
// any destructor of the parent's objects.
[[noreturn]] void runChild(int writeFd, const std::function<QByteArray()>& work, qint64 memoryLimitBytes)
{
    ::signal(SIGPIPE, SIG_IGN);
#ifndef VISTAMO_ASAN
    // The limit counts from what the process already maps (libraries,
    // thread stacks), so only the converter's own use is held down.
    long long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    if (pages > 0) {
        const rlim_t cap = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + rlim_t(memoryLimitBytes);
        rlimit limit{cap, cap};
        ::setrlimit(RLIMIT_AS, &limit);
    }
#else
    // Instrumented builds: the sanitizer's report of a fault inside the
    // converter stays on the child's standard error, and the child then
    // ends with its own exit code so the parent can tell a fault from a
    // refused file. The fuzzing driver's own death handling is not the
    // child's business.
    (void)memoryLimitBytes;
    __sanitizer_set_death_callback(+[] { ::_exit(kSanitizerExit); });
#endif
    int status = 1;
    try {
        const QByteArray out = work();
        if (!out.isEmpty() && writeAll(writeFd, out.constData(), out.size()))
            status = 0;
    } catch (...) {
        status = 2;
    }
    ::close(writeFd);
    ::_exit(status);
}

// The parent's side: reads the child's output until its end, the time limit
// or far more than any drawing needs. False when the time ran out (or the
// output grew too large).
bool readChildOutput(int readFd, int timeoutMs, QByteArray& result)
{
    QElapsedTimer clock;
    clock.start();
    char buffer[65536];
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        pollfd p{readFd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return ready != 0;
        const ssize_t n = ::read(readFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return true; // end of output
        result.append(buffer, qsizetype(n));
        if (result.size() > 256LL * 1024 * 1024)
            return false; // far more than any drawing needs
    }
}

} // namespace

std::optional<QByteArray> RunIsolated(const std::function<QByteArray()>& work, int timeoutMs, qint64 memoryLimitBytes)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(fds[0]);
        runChild(fds[1], work, memoryLimitBytes);
    }

    ::close(fds[1]);
    QByteArray result;
    const bool timedOut = !readChildOutput(fds[0], timeoutMs, result);
    ::close(fds[0]);
    if (timedOut)
        ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
#if defined(VISTAMO_ASAN) && defined(VISTAMO_FUZZ_BUILD)
    // In a fuzzing build a fault inside the converter is a finding: the
    // parent stops too, so the fuzzer keeps the input that caused it.
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSanitizerExit) {
        std::fprintf(stderr, "RunIsolated: the sanitizer reported a fault in the child process (above)\n");
        std::abort();
    }
#endif
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || result.isEmpty())
        return std::nullopt;
    return result;
}
