// vistamo_crashdriver: runs one of the program's write paths through the
// program's own write routines, so that scripts/crashtest can kill it at any
// moment and check what is left on disk.
//
//   vistamo_crashdriver setup PATH DIR   makes the files of PATH below DIR
//                                        and prints what to check (JSON)
//   vistamo_crashdriver step PATH DIR [K] one write of PATH (variant K, 0 or
//                                        1, where the files' state does not
//                                        choose it) and its time in ms
//   vistamo_crashdriver loop PATH DIR    prints "ready", then writes the two
//                                        variants in turn until killed
//   vistamo_crashdriver start PATH DIR   what the program's start does about
//                                        interrupted work (journals in
//                                        DIR/data)
//
// The paths: close (the settings save and the list of known shows of a
// close), shows (the list of known shows and a show file), move (a picture
// moved with its recording across volumes between DIR/pictures/move and
// DIR/other, where the caller mounts a second volume), rename (a folder rename that rewrites the
// stored paths), thumbnails (thumbnail files made anew), exclusions (the
// folder exclusion records). Each write gives one of two results that depend
// only on the variant, so the caller knows every whole state a file may be
// in. Every question is answered with OK; the exit status is 0 when the
// write succeeded, 1 when a routine reported a failure, 2 on wrong use.
#include "app/close_controller.h"
#include "base/data_folder.h"
#include "base/data_paths.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "base/sound_records.h"
#include "browse/copy_file.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_ops.h"
#include "browse/interrupted_work.h"
#include "browse/picture_file_ops.h"
#include "browse/thumbnail_files.h"
#include "platform/prompt.h"
#include "platform/work_journal.h"
#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "shows/show_record.h"
#include "shows/show_sync.h"
#include "tests/support/event_waits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>
#include <vector>

namespace {

// What the caller checks after a kill: each item is a picture (its bytes
// never change) or a data file (one whole state of it), found at exactly one
// of its places; `scan` are the folders searched for files left behind,
// `scratch` files that are rebuilt whenever they are used. `pairs` name
// items that must be found at the same place (a picture and its recording);
// `stateKey` the folders whose presence decides which state every data file
// must be in, and `renamed` folders whose path no data file may name while
// the folder is not there.
struct Manifest {
    QJsonArray items;
    QJsonArray scan;
    QJsonArray scratch;
    QJsonArray pairs;
    QJsonArray stateKey;
    QJsonArray renamed;

    void add(const QString& kind, const QString& name, const QStringList& places)
    {
        items.append(QJsonObject{{"kind", kind}, {"name", name}, {"places", QJsonArray::fromStringList(places)}});
    }
    QByteArray json() const
    {
        return QJsonDocument(QJsonObject{{"items", items},
                                         {"scan", scan},
                                         {"scratch", scratch},
                                         {"pairs", pairs},
                                         {"state_key", stateKey},
                                         {"renamed", renamed}})
            .toJson(QJsonDocument::Compact);
    }
};

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// A photograph-like JPEG (a gradient with noise), large enough that making
// its thumbnail takes a while.
bool writeJpeg(const QString& path, quint32 seed)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 7 + random.bounded(40)) & 255, (y / 5 + random.bounded(40)) & 255,
                           ((x + y) / 11 + random.bounded(40)) & 255);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "JPEG", 90);
}

class Fixture {
public:
    explicit Fixture(const QString& dir) : root(QDir(dir).absolutePath())
    {
        SetDataFolderPaths(paths, root + "/data");
        pictures = root + "/pictures";
        other = root + "/other";
    }
    QString root, pictures, other;
    DataPaths paths;

    QString showPath(const QString& name) const { return paths.ShowsFolder + "/" + name + ".vxt"; }
};

// ---- close -------------------------------------------------------------------

// The settings as this instance read them at start-up.
TSettingsRecord closeStartRecord(const Fixture& fx)
{
    TSettingsRecord rec;
    rec.Favorites[0] = fx.pictures;
    rec.RecentFolders[0] = fx.pictures + "/holiday";
    rec.LastCopyTarget = fx.pictures + "/start";
    return rec;
}

QStringList knownShows(const Fixture& fx, int count)
{
    QStringList shows;
    for (int i = 0; i < count; ++i)
        shows << fx.showPath(QStringLiteral("show %1").arg(i, 3, 10, QLatin1Char('0')));
    return shows;
}

bool setupClose(const Fixture& fx, Manifest& m)
{
    QDir().mkpath(fx.paths.DataFolder);
    QStringList shows = knownShows(fx, 40);
    if (!WriteSettingsFile(fx.paths.SettingsPath, closeStartRecord(fx)).ok()
        || !WriteKnownShows(fx.paths.ShowListPath, shows).ok())
        return false;
    m.add("data", "settings", {fx.paths.SettingsPath});
    m.add("data", "AllMyShow.dat", {fx.paths.ShowListPath});
    m.scan.append(fx.paths.DataFolder);
    return true;
}

bool stepClose(const Fixture& fx, int k)
{
    const TSettingsRecord snapshot = closeStartRecord(fx);
    TSettingsRecord live = snapshot;
    live.LastCopyTarget = fx.pictures + (k == 0 ? "/first" : "/second");
    live.Favorites[1] = fx.pictures + (k == 0 ? "/a" : "/b");
    TSettingsRecord onDisk;
    const TCloseSave saved = SaveAtClose(fx.paths.SettingsPath, live, snapshot, onDisk, k, false,
                                         knownShows(fx, 40 + k), fx.paths.ShowListPath);
    return saved.Settings.ok() && saved.ShowListWritten;
}

// ---- shows -------------------------------------------------------------------

QString albumPath(const Fixture& fx) { return fx.showPath("album"); }
QString addedPicture(const Fixture& fx) { return fx.pictures + "/shows/added.jpg"; }

bool setupShows(const Fixture& fx, Manifest& m)
{
    QDir().mkpath(fx.paths.ShowsFolder);
    QByteArray show;
    for (int i = 0; i < 150; ++i)
        show += EncodeShowRecord(NewPictureRecord(fx.pictures + QStringLiteral("/shows/p%1.jpg").arg(i), CurrentShowFormat));
    QStringList shows = knownShows(fx, 30) << albumPath(fx);
    if (!writeBytes(albumPath(fx), show) || !WriteKnownShows(fx.paths.ShowListPath, shows).ok())
        return false;
    m.add("data", "AllMyShow.dat", {fx.paths.ShowListPath});
    m.add("data", "album.vxt", {albumPath(fx)});
    m.scan.append(fx.paths.DataFolder);
    m.scratch.append(fx.paths.WorkShowPath);
    return true;
}

// The variant is the show's state: the picture is added when it is missing
// and removed when it is there.
bool stepShows(const Fixture& fx)
{
    const bool holds = ReadShowPicturePaths(albumPath(fx)).contains(addedPicture(fx));
    QStringList shows = knownShows(fx, holds ? 30 : 31) << albumPath(fx);
    if (!WriteKnownShows(fx.paths.ShowListPath, shows).ok())
        return false;
    if (holds)
        return RemoveFromShowFile(albumPath(fx), addedPicture(fx));
    OpenShow show;
    bool ok = OpenNamedShow(show, albumPath(fx), fx.paths.WorkShowPath, fx.paths.DraftShowPath).ok()
              && AddPictureToShowFile(show, addedPicture(fx)).ok() && MakeShowChangesPermanent(show).ok();
    CloseOpenShow(show);
    return ok;
}

// ---- move --------------------------------------------------------------------

QString moveHere(const Fixture& fx) { return fx.pictures + "/move/beach.jpg"; }
QString moveThere(const Fixture& fx) { return fx.other + "/beach.jpg"; }
QString voiceOf(const QString& picture) { return VoicePathFor(picture); }

// Waits take no time; everything else is the program's own.
class QuickPictureHost : public PictureOpsHost {
public:
    using PictureOpsHost::PictureOpsHost;
    int retryPauseMs(int) override { return 0; }
};

bool setupMove(const Fixture& fx, Manifest& m)
{
    if (!writeBytes(moveHere(fx), randomBytes(3 << 20, 7))
        || !writeBytes(voiceOf(moveHere(fx)), randomBytes(2 << 20, 8)))
        return false;
    QDir().mkpath(fx.paths.DataFolder);
    m.add("picture", "beach.jpg", {moveHere(fx), moveThere(fx)});
    m.add("picture", "beach.wav", {voiceOf(moveHere(fx)), voiceOf(moveThere(fx))});
    m.pairs.append(QJsonArray{"beach.jpg", "beach.wav"});
    m.scan.append(fx.pictures + "/move");
    m.scan.append(fx.other);
    m.scan.append(fx.paths.DataFolder);
    return true;
}

// The picture goes to the other volume and back, wherever it is now.
bool stepMove(const Fixture& fx)
{
    const bool here = QFileInfo::exists(moveHere(fx));
    const QString source = here ? moveHere(fx) : moveThere(fx);
    const QString target = here ? moveThere(fx) : moveHere(fx);
    TSettingsRecord settings;
    QuickPictureHost host(settings);
    CopyState state;
    state.CopyModeMove = 1;
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, target, state, PictureOpsOptions(), host);
    return out.copied && out.sourceRemoved && QFileInfo::exists(voiceOf(target)) && !QFileInfo::exists(voiceOf(source));
}

// ---- rename ------------------------------------------------------------------

const QStringList& renamedFiles()
{
    static const QStringList files{"x1.jpg", "x2.jpg", "x3.jpg", "x4.jpg", "sub/y.jpg", "song.mp3"};
    return files;
}

// The folder tree's host as the main window makes it for a rename: the known
// shows and every show file follow.
class RenameHost : public FolderOpsHost {
public:
    RenameHost(TSettingsRecord& settings, const Fixture& fx) : FolderOpsHost(settings), m_fx(fx)
    {
        m_showSync.knownShows = [this] { return ReadKnownShows(m_fx.paths.ShowListPath, false).Items; };
    }
    void writeKnownShows(const QString& oldFolder, const QString& newFolder) override
    {
        const KnownShowsRead read = ReadKnownShows(m_fx.paths.ShowListPath, false);
        if (read.refused())
            return;
        QStringList shows = read.Items;
        WriteKnownShows(m_fx.paths.ShowListPath, shows, oldFolder, newFolder, int(oldFolder.size()), true);
    }
    void syncShowsAfterFolderRename(const QString& oldFolder, const QString& newFolder) override
    {
        OpenShow none;
        SyncShowsAfterRename(none, m_showSync, oldFolder, newFolder, int(oldFolder.size()), true);
    }
    QStringList playlists() const override { return {m_fx.paths.PlaylistsFolder + "/walk.vxz"}; }

private:
    const Fixture& m_fx;
    ShowSyncSteps m_showSync;
};

bool setupRename(const Fixture& fx, Manifest& m)
{
    const QString pics = fx.pictures + "/pics";
    const QString photos = fx.pictures + "/photos";
    quint32 seed = 11;
    for (const QString& name : renamedFiles()) {
        if (!writeBytes(pics + "/" + name, randomBytes(256 << 10, seed++)))
            return false;
        m.add("picture", name, {pics + "/" + name, photos + "/" + name});
    }
    const QString thumb = "vxothumb/x1.jpg";
    writeBytes(pics + "/" + thumb, randomBytes(20 << 10, 99));
    m.add("picture", thumb, {pics + "/" + thumb, photos + "/" + thumb});

    TSettingsRecord rec;
    rec.Favorites[0] = pics;
    rec.Favorites[1] = fx.pictures + "/elsewhere";
    rec.RecentFolders[0] = pics + "/sub";
    rec.RecentFolders[1] = pics + "/gone";
    rec.LastCopyTarget = pics;
    rec.LastOpenShowFolder = pics;
    rec.StartupFolder = pics;
    std::vector<TExcludeFolderRecord> exclusions;
    for (int i = 0; i < 60; ++i)
        exclusions.push_back({ExclusionKey(pics + QStringLiteral("/gone%1").arg(i)), 1, 0, 0, 0});
    exclusions.push_back({ExclusionKey(fx.pictures + "/elsewhere"), 0, 1, 0, 0});
    QByteArray album, inside;
    for (int i = 0; i < 100; ++i)
        album += EncodeShowRecord(NewPictureRecord(pics + QStringLiteral("/x%1.jpg").arg(i % 4 + 1), CurrentShowFormat));
    for (int i = 0; i < 20; ++i)
        inside += EncodeShowRecord(NewPictureRecord(pics + "/sub/y.jpg", CurrentShowFormat));
    QStringList shows{albumPath(fx), pics + "/inside.vxt"};
    TPlaylistRecord track;
    track.SoundPath = pics + "/song.mp3";
    QDir().mkpath(fx.paths.DataFolder);
    QDir().mkpath(fx.paths.PlaylistsFolder);
    if (!WriteSettingsFile(fx.paths.SettingsPath, rec).ok() || !WriteExcludeFolderFile(fx.paths.ExcludeFolderPath, exclusions)
        || !writeBytes(albumPath(fx), album) || !writeBytes(pics + "/inside.vxt", inside)
        || !WriteKnownShows(fx.paths.ShowListPath, shows).ok()
        || !WritePlaylist(fx.paths.PlaylistsFolder + "/walk.vxz", {track, track, track}).ok())
        return false;
    m.add("data", "settings", {fx.paths.SettingsPath});
    m.add("data", "ExcludeFolder.dat", {fx.paths.ExcludeFolderPath});
    m.add("data", "AllMyShow.dat", {fx.paths.ShowListPath});
    m.add("data", "album.vxt", {albumPath(fx)});
    m.add("data", "walk.vxz", {fx.paths.PlaylistsFolder + "/walk.vxz"});
    m.add("data", "inside.vxt", {pics + "/inside.vxt", photos + "/inside.vxt"});
    m.scan.append(fx.paths.DataFolder);
    m.scan.append(fx.pictures);
    m.stateKey.append(pics);
    m.renamed.append(pics);
    m.renamed.append(photos);
    return true;
}

// The folder is renamed to the other name, whichever it has now.
bool stepRename(const Fixture& fx)
{
    const bool pics = QFileInfo(fx.pictures + "/pics").isDir();
    const QString folder = fx.pictures + (pics ? "/pics" : "/photos");
    TSettingsRecord settings;
    if (!ReadSettingsFile(fx.paths.SettingsPath, settings).ok())
        return false;
    RenameHost host(settings, fx);
    const FolderRenameOutcome out = RenameFolder(folder, pics ? "photos" : "pics", settings, fx.paths.SettingsPath,
                                                 fx.paths.ExcludeFolderPath, true, host);
    return out.renamed;
}

// ---- thumbnails ----------------------------------------------------------------

QStringList thumbnailPictures(const Fixture& fx)
{
    return {fx.pictures + "/thumbs/p1.jpg", fx.pictures + "/thumbs/p2.jpg"};
}

bool setupThumbnails(const Fixture& fx, Manifest& m)
{
    quint32 seed = 3;
    for (const QString& picture : thumbnailPictures(fx)) {
        if (!writeJpeg(picture, seed++))
            return false;
        m.add("picture", QFileInfo(picture).fileName(), {picture});
        m.add("data", "vxothumb/" + QFileInfo(picture).fileName(), {ThumbnailPath(picture)});
    }
    QDir().mkpath(fx.paths.DataFolder);
    m.scan.append(fx.pictures + "/thumbs");
    m.scan.append(fx.paths.DataFolder);
    return true;
}

bool stepThumbnails(const Fixture& fx, int k)
{
    ThumbnailOptions options;
    options.minSizeKB = 0;
    options.sizeIndex = k == 0 ? 1 : 3;
    bool ok = true;
    for (const QString& picture : thumbnailPictures(fx)) {
        ThumbnailRequest request;
        request.picture = picture;
        request.thumbnail = ThumbnailPath(picture);
        request.forceRenew = true;
        request.ignoreDrive = true;
        ok = CreateOrRefreshThumbnail(request, options) == ThumbMade && ok;
    }
    return ok;
}

// ---- exclusions ----------------------------------------------------------------

std::vector<TExcludeFolderRecord> exclusionRecords(const Fixture& fx, int k)
{
    std::vector<TExcludeFolderRecord> records;
    for (int i = 0; i < 200 + k; ++i)
        records.push_back({ExclusionKey(fx.pictures + QStringLiteral("/folder %1").arg(i)), uint8_t((i + k) % 2),
                           uint8_t(k), 0, 0});
    return records;
}

bool setupExclusions(const Fixture& fx, Manifest& m)
{
    QDir().mkpath(fx.paths.DataFolder);
    if (!WriteExcludeFolderFile(fx.paths.ExcludeFolderPath, exclusionRecords(fx, 0)))
        return false;
    m.add("data", "ExcludeFolder.dat", {fx.paths.ExcludeFolderPath});
    m.scan.append(fx.paths.DataFolder);
    return true;
}

bool stepExclusions(const Fixture& fx, int k)
{
    return WriteExcludeFolderFile(fx.paths.ExcludeFolderPath, exclusionRecords(fx, k));
}

// ---- dispatch --------------------------------------------------------------------

const QStringList& pathNames()
{
    static const QStringList names{"close", "shows", "move", "rename", "thumbnails", "exclusions"};
    return names;
}

bool setup(const QString& path, const Fixture& fx, Manifest& m)
{
    if (path == "close")
        return setupClose(fx, m);
    if (path == "shows")
        return setupShows(fx, m);
    if (path == "move")
        return setupMove(fx, m);
    if (path == "rename")
        return setupRename(fx, m);
    if (path == "thumbnails")
        return setupThumbnails(fx, m);
    return setupExclusions(fx, m);
}

bool step(const QString& path, const Fixture& fx, int k)
{
    if (path == "close")
        return stepClose(fx, k);
    if (path == "shows")
        return stepShows(fx);
    if (path == "move")
        return stepMove(fx);
    if (path == "rename")
        return stepRename(fx);
    if (path == "thumbnails")
        return stepThumbnails(fx, k);
    return stepExclusions(fx, k);
}

int usage()
{
    std::fprintf(stderr, "usage: vistamo_crashdriver setup|step|loop|start %s DIR [0|1]\n",
                 qPrintable(pathNames().join('|')));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.size() < 3 || !pathNames().contains(args[1]))
        return usage();
    const QString mode = args[0];
    const QString path = args[1];
    const Fixture fx(args[2]);
    // The program keeps its journals in its data folder.
    platform::SetJournalFolder(fx.paths.DataFolder);
    platform::setPromptResponder([](const platform::PromptRequest& request) {
        if (request.type == platform::PromptType::Message && request.kind != platform::PromptKind::Confirmation
            && request.kind != platform::PromptKind::Warning)
            std::fprintf(stderr, "vistamo_crashdriver: %s\n", qPrintable(request.text));
        return platform::PromptReply::button(platform::PromptAnswer::Ok);
    });

    if (mode == "setup") {
        QDir().mkpath(fx.root);
        Manifest manifest;
        if (!setup(path, fx, manifest)) {
            std::fprintf(stderr, "vistamo_crashdriver: the files of '%s' could not be made\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", manifest.json().constData());
        return 0;
    }
    if (mode == "step") {
        const int k = args.size() > 3 ? args[3].toInt() : 0;
        QElapsedTimer timer;
        timer.start();
        const bool ok = step(path, fx, k);
        std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
        return ok ? 0 : 1;
    }
    if (mode == "start") {
        FinishInterruptedWork(fx.paths);
        return 0;
    }
    if (mode == "loop") {
        std::printf("ready\n");
        std::fflush(stdout);
        for (int k = 0;; k = 1 - k) {
            if (!step(path, fx, k)) {
                std::fprintf(stderr, "vistamo_crashdriver: a write of '%s' failed\n", qPrintable(path));
                return 1;
            }
        }
    }
    return usage();
}
