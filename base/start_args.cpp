#include "base/start_args.h"

#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString absoluteClean(const QString& path, const QString& currentDir)
{
    const QString abs = QDir::isAbsolutePath(path) ? path : QDir(currentDir).filePath(path);
    return QDir::cleanPath(abs);
}

} // namespace

bool IsShowFileName(const QString& path)
{
    return QFileInfo(path).fileName().toLower().endsWith(QLatin1String(".vxt"));
}

bool IsAudioStart(const QStringList& params)
{
    return !params.isEmpty() && params.first() == QLatin1String("/audio");
}

TStartArgs ParseStartArgs(const QStringList& params, const QString& currentDir)
{
    TStartArgs args;
    if (params.isEmpty())
        return args;
    const QString& first = params.first();
    if (first == QLatin1String("/vxdemo")) {
        args.Kind = StartKind::Demo;
        return args;
    }
    if (first == QLatin1String("/audio")) {
        args.Kind = StartKind::Audio;
        if (params.size() >= 2)
            args.PlaylistArgument = params.at(1);
        return args;
    }
    if (first.isEmpty())
        return args;
    const QString path = absoluteClean(first, currentDir);
    const QFileInfo info(path);
    if (info.isDir()) {
        args.Kind = StartKind::Folder;
        args.Argument = path;
    } else if (info.isFile() && IsShowFileName(path)) {
        args.Kind = StartKind::ShowFile;
        args.Argument = path;
    }
    return args;
}

void ClearStartModes(StartContext& start)
{
    start.DemoMode = 0;
    start.AudioMode = 0;
    start.ArgumentMode = 0;
    start.ShowFileArgument = 0;
    start.AudioPlaylistArgument.clear();
    start.StartArgument.clear();
    start.StartAbort = 0;
    start.StartupRunFlag = 0;
    start.OpenNormally = 0;
    start.StartupMessage.clear();
}

void ApplyStartArgs(StartContext& start, const TStartArgs& args)
{
    start.DemoMode = args.Kind == StartKind::Demo;
    start.AudioMode = args.Kind == StartKind::Audio;
    start.ArgumentMode = args.Kind == StartKind::Folder || args.Kind == StartKind::ShowFile;
    start.ShowFileArgument = args.Kind == StartKind::ShowFile;
    start.AudioPlaylistArgument = args.PlaylistArgument;
    start.StartArgument = args.Argument;
}

const QString NotOnFixedDriveText =
    QStringLiteral("Please install Vistamo! on a fixed drive first and then run the program again");
const QString ScreenTooNarrowText = QStringLiteral("Screen resolation must be at least 800x600, can not run Vistamo!");
const QString NoSettingsFileText = QStringLiteral("No settingsfile found, run will be terminated");
const QString SettingsConvertedText = QStringLiteral("Vistamo! : Settingsfile converted to new version");

namespace {
int screenWidthForTests = 0;
}

int StartScreenWidth(const QScreen* screen)
{
    if (screenWidthForTests > 0)
        return screenWidthForTests;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

void SetScreenWidthForTests(int width) { screenWidthForTests = width; }

QString FolderNameOrDrive(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    if (platform::IsMountPoint(clean)) {
        const QChar letter = platform::DriveLetterOf(clean);
        return letter.isNull() ? clean : QString(letter);
    }
    const int slash = clean.lastIndexOf(QLatin1Char('/'));
    return slash >= 0 ? clean.mid(slash + 1) : clean;
}
