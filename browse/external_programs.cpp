#include "browse/external_programs.h"

#include "base/caption_helpers.h"
#include "base/data_folder.h"
#include "base/environment.h"
#include "browse/picture_info.h"
#include "platform/dos_date.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <utility>

#include <unistd.h>

const QString OneExternalProcessText =
    QStringLiteral("Not allowed to start more than 1 external process from Vistamo!");
const QString ViewerMissingText = QStringLiteral(
    "To rotate pictures, IrfanView must be installed! (free for personal use)\r\n"
    "Go in the Browse window to the Help menu and choose the IrfanView option.");
const QString NoEditProgramHint = QStringLiteral("Launch Edit Program, Define in Options");
const QString ViewerHomePage = QStringLiteral("https://www.irfanview.com/");

QString ExternalCommandText(const ExternalCommand& command)
{
    const auto quoted = [](const QString& part) {
        return part.contains(QLatin1Char(' ')) || part.isEmpty() ? QLatin1Char('"') + part + QLatin1Char('"')
                                                                 : part;
    };
    QStringList parts{quoted(command.program)};
    for (const QString& a : command.arguments)
        parts << quoted(a);
    return parts.join(QLatin1Char(' '));
}

ExternalLaunchPlan PlanExternalLaunch(const ExternalCommand& start, const ExternalLaunchState& s)
{
    ExternalLaunchPlan plan;
    plan.command = start;
    if (s.thumbnailView && !s.fullViewOpen) {
        plan.pageRun = true;
        plan.pictures = s.tickedPictures;
    } else if (s.withPicture && !s.cutOutPath.isEmpty()) {
        plan.cutOut = true;
        plan.pictures = {s.cutOutPath};
    } else if (s.withPicture && (!s.showRunning || (s.thumbnailView && s.fullViewOpen))) {
        plan.pictures = {s.editTarget};
    } else if (s.withPicture) {
        plan.pictures = {s.currentShowPicture};
    } else {
        plan.command.arguments << s.selectedFolder;
        return plan;
    }
    plan.command.arguments << plan.pictures;
    return plan;
}

namespace {

// The program in its own process group, so a terminal's Ctrl+C meant for us
// does not reach it; its output goes where ours goes.
void prepareProcess(QProcess& process, const ExternalCommand& command)
{
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
}

ExternalRunOutcome endedOutcome(const QProcess& process)
{
    ExternalRunOutcome outcome;
    outcome.exitCode = process.exitCode();
    outcome.result =
        process.exitStatus() == QProcess::NormalExit ? ExternalRunResult::Finished : ExternalRunResult::Crashed;
    return outcome;
}

} // namespace

void StartExternalProgram(const ExternalCommand& command, QObject* context,
                          std::function<void(const ExternalRunOutcome&)> done)
{
    auto* process = new QProcess(context);
    auto answer = std::make_shared<std::function<void(const ExternalRunOutcome&)>>(std::move(done));
    // Either signal answers once; the answer comes from the event loop.
    const auto finish = [process, answer](const ExternalRunOutcome& outcome) {
        process->deleteLater();
        const auto told = std::exchange(*answer, {});
        if (told)
            told(outcome);
    };
    QObject::connect(
        process, &QProcess::errorOccurred, context,
        [finish](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(ExternalRunOutcome());
        },
        Qt::QueuedConnection);
    QObject::connect(
        process, &QProcess::finished, context,
        [process, finish](int, QProcess::ExitStatus) { finish(endedOutcome(*process)); }, Qt::QueuedConnection);
    if (command.program.isEmpty()) {
        QTimer::singleShot(0, context, [finish] { finish(ExternalRunOutcome()); });
        return;
    }
    prepareProcess(*process, command);
    process->start();
}

ExternalRunOutcome RunAndWait(const ExternalCommand& command)
{
    ExternalRunOutcome outcome;
    if (command.program.isEmpty())
        return outcome;
    QProcess process;
    prepareProcess(process, command);
    process.start();
    if (!process.waitForStarted(-1))
        return outcome;
    process.waitForFinished(-1);
    return endedOutcome(process);
}

void MoveVideoProgramToFront(std::array<QString, 5>& programs, int index)
{
    if (index <= 0 || index >= int(programs.size()))
        return;
    const QString chosen = programs[size_t(index)];
    for (int k = index; k > 0; --k)
        programs[size_t(k)] = programs[size_t(k - 1)];
    programs[0] = chosen;
}

// ---- the viewer ------------------------------------------------------------------------

ExternalCommand ViewerRotateCommand(const QString& viewer, const QString& file, QChar direction)
{
    const QString turn = direction == QLatin1Char('L') ? QStringLiteral("/rotate_l") : QStringLiteral("/rotate_r");
    return {viewer, {file, turn, QStringLiteral("/convert=") + file}};
}

ExternalCommand ViewerResizeCommand(const QString& viewer, const QString& source, const QString& target, int width,
                                    int height)
{
    return {viewer,
            {source, QStringLiteral("/resize=(%1,%2)").arg(width).arg(height), QStringLiteral("/aspectratio"),
             QStringLiteral("/resample"), QStringLiteral("/convert=") + target}};
}

bool RunIrfanViewResize(const QString& viewer, const QString& source, const QString& target, int width, int height)
{
    const ExternalRunOutcome r = RunAndWait(ViewerResizeCommand(viewer, source, target, width, height));
    return r.result == ExternalRunResult::Finished && r.exitCode == 0 && QFileInfo(target).isFile();
}

namespace {

// One rotation between its runs: the files still to turn, in order.
struct RotationRun {
    QString viewer;
    QString file;
    QStringList left;
    QChar direction;
    bool resetFileDate = false;
    int32_t previousDate = 0;
    QObject* context = nullptr;
    std::function<void(bool)> done;
    bool rotated = false;
};

void rotateNext(const std::shared_ptr<RotationRun>& run)
{
    while (!run->left.isEmpty()) {
        const QString path = run->left.takeFirst();
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        const int32_t before = path == run->file ? run->previousDate : int32_t(platform::FileDosDate(path));
        StartExternalProgram(ViewerRotateCommand(run->viewer, path, run->direction), run->context,
                             [run, path, before](const ExternalRunOutcome& r) {
                                 const bool ok = r.result == ExternalRunResult::Finished && r.exitCode == 0;
                                 if (path == run->file)
                                     run->rotated = ok;
                                 if (ok && run->resetFileDate) {
                                     const int32_t date = ExifDateAsFileDate(path, before);
                                     if (date != 0)
                                         platform::SetFileDosDate(path, platform::DosDateTime(date));
                                 }
                                 rotateNext(run);
                             });
        return;
    }
    if (run->done)
        run->done(run->rotated);
}

} // namespace

void RotateFileWithViewer(const QString& viewer, const QString& file, const QString& thumbnail, QChar direction,
                          bool resetFileDate, int32_t previousDate, QObject* context, std::function<void(bool)> done)
{
    auto run = std::make_shared<RotationRun>();
    run->viewer = viewer;
    run->file = file;
    run->left = {file, thumbnail};
    run->direction = direction;
    run->resetFileDate = resetFileDate;
    run->previousDate = previousDate;
    run->context = context;
    run->done = std::move(done);
    rotateNext(run);
}

QString ViewerIniInDataFolder(const DataPaths& paths)
{
    return paths.IrfanViewDataFolder.isEmpty() ? QString() : paths.IrfanViewDataFolder + QStringLiteral("/vxview.ini");
}

QString ViewerIniBesideProgram(const QString& viewerPath)
{
    if (viewerPath.isEmpty())
        return {};
    const QFileInfo fi(viewerPath);
    return fi.path() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral(".ini");
}

QString GetResampleFilterText(const QString& inDataFolder, const QString& besideProgram)
{
    QString result = QStringLiteral("Resample filter not determined");
    const auto dateOf = [](const QString& path) -> qint64 {
        const QFileInfo fi(path);
        return !path.isEmpty() && fi.isFile() ? fi.lastModified().toMSecsSinceEpoch() : -1;
    };
    const QString chosen = dateOf(besideProgram) < dateOf(inDataFolder) ? inDataFolder : besideProgram;
    QFile file(chosen);
    if (chosen.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    result = QStringLiteral("Use resample filter Lanczos");
    static const char* const names[] = {"Hermite", "Triangle", "Mitchell", "Bell", "B-Spline", "Lanczos"};
    QTextStream in(&file);
    bool inResize = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!inResize) {
            inResize = line.left(8) == QLatin1String("[Resize]");
            continue;
        }
        if (line.left(14) == QLatin1String("ResampleFilter")) {
            if (line.size() >= 16) {
                const int digit = line.at(15).digitValue();
                if (digit >= 0 && digit <= 5)
                    result = QStringLiteral("Use resample filter ") + QLatin1String(names[digit]);
            }
            break;
        }
    }
    return result;
}

QString GetResampleFilterText(const DataPaths& paths, const QString& viewerPath)
{
    return GetResampleFilterText(ViewerIniInDataFolder(paths), ViewerIniBesideProgram(viewerPath));
}

// ---- rotation of ticked pictures ------------------------------------------------------------

bool CanRotatePictureFile(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext != QLatin1String("jpg") && ext != QLatin1String("jpeg") && ext != QLatin1String("bmp"))
        return false;
    if (!QFileInfo(path).isFile() || platform::IsReadOnly(path))
        return false;
    return platform::FreeSpaceOf(path) != 0;
}

QString RotateRefusalText(int affected, int total)
{
    if (affected <= 0)
        return {};
    QString start;
    if (affected < total)
        start = affected == 1 ? QStringLiteral("One of the picture you selected ")
                              : QString::number(affected) + QStringLiteral(" of the pictures you selected ");
    else
        start = affected == 1 ? QStringLiteral("The picture you selected ")
                              : QStringLiteral("The pictures you selected ");
    return start
           + QStringLiteral("can not be rotated because\r\n"
                            "1) The picture(s) is/are set to read-only or reside on a non-writable drive or\r\n"
                            "2) The picture(s) has/have an extension different from .jpg, .jpeg or .bmp.");
}

// ---- launch menus and buttons ------------------------------------------------------------

QString LaunchCaption(const QString& program)
{
    return program.isEmpty() ? QString() : DoubleAmpersands(QFileInfo(program).fileName());
}

QString LaunchHint(const QString& program)
{
    return QStringLiteral("Launch ") + QFileInfo(program).fileName();
}

std::array<int, 5> LaunchButtonLefts(int panelWidth, const std::array<uint8_t, 5>& shown)
{
    std::array<int, 5> lefts;
    lefts.fill(-1);
    int x = panelWidth - 33;
    for (int k = 4; k >= 0; --k) {
        if (!shown[size_t(k)])
            continue;
        lefts[size_t(k)] = x;
        x -= 24;
    }
    return lefts;
}

// ---- file dates from EXIF --------------------------------------------------------------------

ResetDateCounts ResetFileDatesInFolder(const QString& folder, bool includeSubfolders,
                                       const std::function<bool(const QString& name)>& progress)
{
    static const QStringList kExtensions = {QStringLiteral("emf"), QStringLiteral("wmf"), QStringLiteral("ico"),
                                            QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                            QStringLiteral("bmp")};
    ResetDateCounts counts;
    QStringList folders{folder};
    for (int i = 0; i < folders.size(); ++i) {
        const QDir dir(folders[i]);
        const QFileInfoList entries =
            dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir()) {
                if (includeSubfolders && !entry.isSymLink() && entry.fileName().toLower() != QLatin1String("vxothumb"))
                    folders << entry.absoluteFilePath();
                continue;
            }
            const QString path = entry.absoluteFilePath();
            if (!entry.isFile() || !kExtensions.contains(entry.suffix().toLower()))
                continue;
            if (platform::IsHidden(path) || platform::IsReadOnly(path))
                continue;
            if (progress && !progress(entry.fileName()))
                return counts;
            const int32_t current = int32_t(platform::FileDosDate(path));
            const int32_t taken = ExifDateAsFileDate(path, -1);
            ++counts.processed;
            if (taken == -1) {
                ++counts.noExif;
            } else if (taken != current) {
                // The file is opened for writing first, as its date can only
                // be set by someone who may write it.
                QFile file(path);
                if (!file.open(QIODevice::ReadWrite)) {
                    ++counts.error;
                    continue;
                }
                file.close();
                if (platform::SetFileDosDate(path, platform::DosDateTime(taken)))
                    ++counts.reset;
                else
                    ++counts.error;
            } else {
                ++counts.noNeed;
            }
        }
    }
    return counts;
}

QString ResetDatesResultText(const ResetDateCounts& c)
{
    return QStringLiteral("Results of resetting file dates to picture date taken (EXIF)\r\n\r\n")
           + QString::number(c.processed) + QStringLiteral(" pictures processed\r\n") + QString::number(c.reset)
           + QStringLiteral(" pictures had the file date successfully reset\r\n") + QString::number(c.noNeed)
           + QStringLiteral(" pictures where there was no need to reset file date\r\n") + QString::number(c.noExif)
           + QStringLiteral(" pictures that have no EXIF data\r\n") + QString::number(c.error)
           + QStringLiteral(" pictures where an error occurred opening the file to reset the file date");
}
