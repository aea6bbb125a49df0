// A file system mounted on a folder for the length of a test (as root only;
// elsewhere `mounted` stays false and the test skips what needs it).
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

struct ScopedMount {
    ScopedMount(const char* source, const QString& at, const char* type, unsigned long flags, const char* options)
        : path(at)
    {
        QDir().mkpath(at);
        mounted = ::geteuid() == 0 && ::mount(source, QFile::encodeName(at).constData(), type, flags, options) == 0;
    }
    ~ScopedMount()
    {
        if (mounted)
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;
    QString path;
    bool mounted = false;
};

} // namespace testsupport
