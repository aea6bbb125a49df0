#include "support/write_failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace testsupport {

namespace {

const char* const kChildSwitch = "--vistamo-test-child";

QMap<QString, ChildBody>& bodies()
{
    static QMap<QString, ChildBody> map;
    return map;
}

} // namespace

TinyVolume::TinyVolume(const QString& folder, int kilobytes) : folder_(folder)
{
    if (::geteuid() != 0) {
        error_ = QStringLiteral("not root");
        return;
    }
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData())
        != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

TinyVolume::~TinyVolume()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

bool TinyVolume::fill()
{
    if (!mounted_)
        return false;
    QFile filler(folder_ + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // Large blocks first, then single bytes, until nothing more fits.
    for (qint64 block : {qint64(4096), qint64(1)}) {
        const QByteArray chunk(block, 'f');
        while (filler.write(chunk) == block) {
        }
    }
    return true;
}

ChildRegistration::ChildRegistration(const char* name, ChildBody body)
{
    bodies().insert(QString::fromLatin1(name), std::move(body));
}

ChildRun runChild(const char* name, const QStringList& args)
{
    ChildRun run;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QString::fromLatin1(kChildSwitch), QString::fromLatin1(name)} + args);
    if (!child.waitForStarted(-1) || !child.waitForFinished(-1))
        return run;
    run.output = child.readAllStandardOutput();
    if (child.exitStatus() == QProcess::NormalExit)
        run.exitCode = child.exitCode();
    return run;
}

bool limitFileSize(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return false;
    limit.rlim_cur = rlim_t(bytes);
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

ScopedFileSizeLimit::ScopedFileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    old_ = limit.rlim_cur;
    set_ = limitFileSize(bytes);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit()
{
    rlimit limit{};
    if (set_ && ::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = rlim_t(old_);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
}

bool isChildRun(int argc, char** argv)
{
    return argc >= 3 && std::strcmp(argv[1], kChildSwitch) == 0;
}

int runChildBody(int argc, char** argv)
{
    if (!isChildRun(argc, argv))
        return 127;
    const auto it = bodies().constFind(QString::fromLocal8Bit(argv[2]));
    if (it == bodies().constEnd())
        return 127;
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return (*it)(args);
}

} // namespace testsupport
