#include "base/environment.h"

#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

// An executable file at dir/name.
QString makeProgram(const QString& dir, const QString& name)
{
    const QString path = dir + QLatin1Char('/') + name;
    writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void writeDesktopFile(const QString& dir, const QString& id, const QString& exec,
                      const QString& tryExec = QString())
{
    QByteArray text = "[Desktop Entry]\nType=Application\nName=X\n";
    if (!tryExec.isEmpty())
        text += "TryExec=" + tryExec.toUtf8() + "\n";
    text += "Exec=" + exec.toUtf8() + "\n";
    writeFile(dir + QLatin1Char('/') + id, text);
}

} // namespace

TEST(ColorScheme, HexTextsAreRedGreenBlueInWindowsOrder)
{
    EnvironmentInfo environment;
    EXPECT_EQ(HexToColor(QStringLiteral("FF7F00")), 0xFFu + 0x7Fu * 256);
    EXPECT_EQ(HexToColor(QStringLiteral("0000ff")), 0xFFu * 65536);
    EXPECT_EQ(HexToColor(QStringLiteral("12345")), 0u);
    EXPECT_EQ(HexToColor(QStringLiteral("GG0000")), 0u);

    InitColorScheme(environment);
    EXPECT_EQ(environment.ColorScheme[0], QColor(0xDE, 0xDE, 0xDE));
    EXPECT_EQ(environment.ColorScheme[5], QColor(0xFF, 0x7F, 0x00));
    EXPECT_EQ(environment.ColorScheme[6], QColor(0x7E, 0xB6, 0xFF));
    EXPECT_EQ(environment.ColorScheme[11], QColor(0xFF, 0x3D, 0x0D));
}

TEST(UIFont, FallsBackToAnInstalledFamily)
{
    EnvironmentInfo environment;
    EXPECT_EQ(SelectUIFont(environment), 2);
    EXPECT_FALSE(environment.UIFontName.isEmpty());
    if (environment.UIFontName == QLatin1String("Tahoma"))
        EXPECT_EQ(environment.UIFontSize, 8);
    else
        EXPECT_EQ(environment.UIFontSize, 9);
    EXPECT_FALSE(IsFontInstalled(QStringLiteral("No Such Font Family 123")));
    EXPECT_EQ(GetSystemDriveLetter(), QStringLiteral("c"));
}

TEST(ProgramSlots, FoundProgramsFillOnlyEmptySlotsAndAreNeverListedTwice)
{
    const QString bin = freshDir(QStringLiteral("bin"));
    const QString gimp = makeProgram(bin, QStringLiteral("gimp"));
    const QString krita = makeProgram(bin, QStringLiteral("krita"));
    const QString pinta = makeProgram(bin, QStringLiteral("pinta"));

    // A gap before a filled slot: the filled slot stays, the found program
    // that is already listed after the gap is not added again.
    QStringList list = {gimp, QString(), krita, QString(), QString()};
    EXPECT_EQ(FillProgramSlots(list, {gimp, krita, pinta}), 1);
    EXPECT_EQ(list, (QStringList{gimp, pinta, krita, QString(), QString()}));

    // The same program in another letter case counts as listed.
    QStringList upper = {gimp.toUpper(), QString(), QString(), QString(), QString()};
    EXPECT_EQ(FillProgramSlots(upper, {gimp}), 0);

    // The same file by another path (a link) counts as listed.
    const QString link = bin + QStringLiteral("/gimp-link");
    QFile::link(gimp, link);
    QStringList linked = {link, QString(), QString(), QString(), QString()};
    EXPECT_EQ(FillProgramSlots(linked, {gimp}), 0);

    // All slots full: nothing changes.
    QStringList full = {QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c"),
                        QStringLiteral("/d"), QStringLiteral("/e")};
    const QStringList before = full;
    EXPECT_EQ(FillProgramSlots(full, {gimp}), 0);
    EXPECT_EQ(full, before);

    // A path that does not fit a 200-byte slot is skipped, not stored cut.
    const QString deep = freshDir(QString(150, QLatin1Char('d')));
    const QString longPath = makeProgram(deep, QString(60, QLatin1Char('p')));
    ASSERT_GT(longPath.toUtf8().size(), 200);
    QStringList empty;
    EXPECT_EQ(FillProgramSlots(empty, {longPath, krita}), 1);
    EXPECT_EQ(empty.value(0), krita);
}

TEST(ProgramDiscovery, FindsTableProgramsThroughPathThenDesktopFiles)
{
    const QString bin = freshDir(QStringLiteral("fakebin"));
    const QString optBin = freshDir(QStringLiteral("optbin"));
    const QString vlc = makeProgram(bin, QStringLiteral("vlc"));
    const QString gimp = makeProgram(bin, QStringLiteral("gimp"));
    const QString krita = makeProgram(optBin, QStringLiteral("krita-appimage"));
    const QString flatpak = makeProgram(bin, QStringLiteral("flatpak"));
    makeProgram(bin, QStringLiteral("notanedit"));

    // The desktop files live in the sandbox's XDG_DATA_HOME.
    const QString apps = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/applications");
    QDir().mkpath(apps);
    writeDesktopFile(apps, QStringLiteral("org.kde.krita.desktop"), QStringLiteral("\"") + krita + QStringLiteral("\" %F"));
    writeDesktopFile(apps, QStringLiteral("org.gimp.GIMP.desktop"), QStringLiteral("gimp %U"));
    writeDesktopFile(apps, QStringLiteral("mpv.desktop"), QStringLiteral("flatpak run io.mpv.Mpv %U"));

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit());
    const ProgramSearchPlaces places = ProgramSearchPlaces::fromEnvironment();
    qputenv("PATH", oldPath);
    ASSERT_TRUE(places.applicationDirs.contains(apps));

    // gimp through PATH first, krita only through its desktop file; the gimp
    // desktop file names the same program and does not add it again.
    EXPECT_EQ(FindInstalledPrograms(ProgramRole::Edit, places), (QStringList{gimp, krita}));
    // A desktop file that starts a launcher gives no program.
    EXPECT_EQ(FindInstalledPrograms(ProgramRole::Video, places), (QStringList{vlc}));
    EXPECT_TRUE(ProgramOfDesktopFile(apps + QStringLiteral("/mpv.desktop"), places.pathDirs).isEmpty());
    Q_UNUSED(flatpak);

    // Both lists are filled by the one call, and a second call adds nothing.
    QStringList edit = {QString(), QStringLiteral("/keep/me"), QString(), QString(), QString()};
    QStringList video;
    FindEditPrograms(edit, video, places);
    EXPECT_EQ(edit, (QStringList{gimp, QStringLiteral("/keep/me"), krita, QString(), QString()}));
    EXPECT_EQ(video.value(0), vlc);
    FindEditPrograms(edit, video, places);
    EXPECT_EQ(edit, (QStringList{gimp, QStringLiteral("/keep/me"), krita, QString(), QString()}));
    EXPECT_EQ(video, (QStringList{vlc, QString(), QString(), QString(), QString()}));
}

TEST(ProgramDiscovery, OutsideViewerBesideTheProgramComesFirst)
{
    EnvironmentInfo environment;
    const QString programFolder = freshDir(QStringLiteral("prog"));
    const QString pathBin = freshDir(QStringLiteral("pathbin"));
    makeProgram(pathBin, QStringLiteral("vxview"));
    ProgramSearchPlaces places;
    places.pathDirs = {pathBin};

    EXPECT_TRUE(FindIrfanView(environment, programFolder, places));
    EXPECT_EQ(environment.IrfanViewPath, pathBin + QStringLiteral("/vxview"));
    const QString beside = makeProgram(programFolder, QStringLiteral("vxview"));
    EXPECT_TRUE(FindIrfanView(environment, programFolder, places));
    EXPECT_EQ(environment.IrfanViewPath, beside);
    EXPECT_EQ(environment.IrfanViewFound, 1);

    places.pathDirs.clear();
    EXPECT_FALSE(FindIrfanView(environment, freshDir(QStringLiteral("empty")), places));
    EXPECT_EQ(environment.IrfanViewFound, 0);
    EXPECT_FALSE(FindUploader(environment, places));
    EXPECT_TRUE(environment.UploaderPath.isEmpty());
}

TEST(OldProfilePaths, DropAndCompactMatchingEntries)
{
    const QString drive = QStringLiteral("c");
    QStringList favorites = {QStringLiteral("C:\\Documents and Settings\\me\\Pics"), QStringLiteral("/home/x"),
                             QString(), QStringLiteral("/home/y")};
    QStringList recent = {QStringLiteral("/a"), QStringLiteral("/b")};
    QString startup = QStringLiteral("c:\\DOCUMENTS AND SETTINGS\\me");
    QString autoShow = QStringLiteral("/shows/a.vxt");
    EXPECT_TRUE(HasOldProfilePaths(favorites, recent, startup, autoShow, drive));
    EXPECT_FALSE(HasOldProfilePaths(favorites, recent, startup, autoShow, QString()));

    DropOldProfilePaths(favorites, recent, startup, autoShow, drive);
    EXPECT_EQ(favorites, (QStringList{QStringLiteral("/home/x"), QStringLiteral("/home/y"), QString(), QString()}));
    EXPECT_EQ(recent, (QStringList{QStringLiteral("/a"), QStringLiteral("/b")}));
    EXPECT_TRUE(startup.isEmpty());
    EXPECT_EQ(autoShow, QStringLiteral("/shows/a.vxt"));
}

TEST(OldProfilePaths, MyMusicIsNotAddedTwice)
{
    const QString music = freshDir(QStringLiteral("Music"));
    QStringList folders = {QStringLiteral("C:\\Documents and Settings\\me\\My Music"), music};
    DropOldSoundSearchFolderList(folders, QStringLiteral("c"), music);
    ASSERT_EQ(folders.size(), 9);
    EXPECT_EQ(folders[0], music);
    EXPECT_EQ(folders.count(music), 1);
    EXPECT_TRUE(folders[1].isEmpty());

    // Not listed yet: it goes into the first free slot.
    QStringList other = {QStringLiteral("C:\\Documents and Settings\\x"), QStringLiteral("/snd")};
    DropOldSoundSearchFolderList(other, QStringLiteral("c"), music);
    EXPECT_EQ(other[0], QStringLiteral("/snd"));
    EXPECT_EQ(other[1], music);

    // A missing music folder leaves the slot empty.
    QStringList none = {QStringLiteral("C:\\Documents and Settings\\x")};
    DropOldSoundSearchFolderList(none, QStringLiteral("c"), music + QStringLiteral("-gone"));
    EXPECT_TRUE(none[0].isEmpty());
}

TEST(ShellFolders, StartupFolderOnAnUnmountedVolumeIsKept)
{
    EnvironmentInfo environment;
    const auto nothingMounted = [](const QString&) { return false; };
    const auto stickMounted = [](const QString& point) {
        return point == QLatin1String("/media/me/STICK");
    };
    EXPECT_TRUE(IsOnUnmountedVolume(QStringLiteral("/media/me/STICK/Pics"), nothingMounted));
    EXPECT_TRUE(IsOnUnmountedVolume(QStringLiteral("/run/media/me/STICK/Pics"), nothingMounted));
    EXPECT_TRUE(IsOnUnmountedVolume(QStringLiteral("/mnt/nas/Pics"), nothingMounted));
    EXPECT_TRUE(IsOnUnmountedVolume(QStringLiteral("D:\\Pictures"), nothingMounted));
    EXPECT_FALSE(IsOnUnmountedVolume(QStringLiteral("/media/me/STICK/Gone"), stickMounted));
    EXPECT_FALSE(IsOnUnmountedVolume(QStringLiteral("/home/me/Gone"), nothingMounted));

    // Pictures comes from XDG.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QDir().mkpath(pictures);

    QString unmounted = QStringLiteral("/media/me/STICK/Pics");
    ReadShellFolders(environment, unmounted, nothingMounted);
    EXPECT_EQ(unmounted, QStringLiteral("/media/me/STICK/Pics"));
    EXPECT_EQ(environment.MyPicturesFolder, QDir::cleanPath(pictures));

    QString gone = freshDir(QStringLiteral("x")) + QStringLiteral("/gone");
    ReadShellFolders(environment, gone, nothingMounted);
    EXPECT_EQ(gone, environment.MyPicturesFolder);

    const QString existing = freshDir(QStringLiteral("start"));
    QString kept = existing;
    ReadShellFolders(environment, kept, nothingMounted);
    EXPECT_EQ(kept, existing);
    EXPECT_TRUE(environment.InternetCacheFolder.isEmpty());
    EXPECT_EQ(environment.DesktopFolderLower, environment.DesktopFolder.toLower());
}
