#include "browse/picture_display.h"

#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <cmath>

const QString NoPictureLoadedText = QStringLiteral("Not a single picture could be loaded!");


namespace {

QString lowerExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix.toLower();
}

bool isJpegExtension(const QString& ext)
{
    return ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg");
}

void handleFailure(DisplayStepHost& host, PictureDisplayState& state)
{
    const int index = state.PendingIndex;
    if (!host.Now().fullView)
        host.ShowCurrentPictureStatus();
    state.LastLoadFailed = 1;
    state.LastFailedIndex = index;
    state.LastFailureKind = state.LoadErrorKind;
    const bool reportOnScreen = !host.Now().skipUnreadable || host.Now().manualMode;
    if (reportOnScreen)
        host.HidePictureImages();
    try {
        host.DisablePictureCommands();
    } catch (...) {
    }
    if (reportOnScreen)
        host.SetErrorCaption(LoadErrorCaption(state.PictureDisplayName, state.LoadErrorKind));
    if (host.Now().fullView || host.Now().manualMode)
        return;
    if (!host.Now().skipUnreadable) {
        host.ArmIntervalTimer(1000);
        return;
    }
    // Skipping: the next picture follows at once, through the event loop.
    // When every picture of the show has failed in a row, the show ends.
    ++state.ConsecutiveLoadFailures;
    if (state.ConsecutiveLoadFailures >= std::max(1, host.Now().pictureCount)) {
        state.ConsecutiveLoadFailures = 0;
        host.EndShowNoPictures();
        return;
    }
    host.QueueNextStep();
}


// Asks the step's slot for its picture, or repeats the last failure of the
// same entry (left in state.LoadErrorKind). True when a request waits for
// the slot's answer.
bool requestStepPicture(DisplayStepHost& host, PictureDisplayState& state, const DisplayStep& step)
{
    const int index = step.index;
    const QString& path = step.path;
    try {
        if (state.LastLoadFailed == 1 && index == state.LastFailedIndex) {
            // Reported again without a new load.
            state.LoadErrorKind = state.LastFailureKind.isEmpty() ? QStringLiteral("Other Error") : state.LastFailureKind;
            return false;
        }
        state.LastLoadFailed = 0;
        host.DisablePictureCommands();
        host.ResetBackwardsButton();
        state.PendingRecordRead = host.ReadShowRecord(index);
        state.CurrentPicturePath = path;
        host.SetPictureDisplayName();
        state.LoadErrorKind.clear();
        if (state.PendingRecordRead && host.Now().fullScreenVisible)
            state.PendingTextDelays = host.TextLineDelayMs();
        const bool fullScreen = host.Now().fullScreenVisible || step.demoMode;
        if (!fullScreen) {
            host.StartImageTimer(-1);
            host.HideMainImage();
        } else {
            host.StartImageTimer(isJpegExtension(lowerExtension(path)) ? 2000 : 100);
        }
        state.PendingSlot = fullScreen ? step.fullScreenSlot : step.mainSlot;
        state.PendingTicket = host.RequestPicture(path, state.PendingSlot);
        return state.PendingTicket != 0;
    } catch (...) {
        // The show record could not be read: a load failure of the step.
        state.LoadErrorKind = ClassifyLoadError(std::current_exception());
    }
    return false;
}

// After a picture shows: its captions and status, its voice, and in a show
// the timers of the next step.
void finishShownStep(DisplayStepHost& host, const QString& ext, bool recordRead, int textDelays)
{
    host.SetPictureMenuCaptions();
    try {
        if (host.Now().fullScreenVisible || !isJpegExtension(ext))
            host.UpdatePictureStatus();
        else
            host.PictureDrawn();
    } catch (...) {
    }
    const bool waitForVoice = host.PlayPictureSound(recordRead);
    if (!waitForVoice)
        host.NoVoicePlays();
    if (host.Now().showRuns) {
        host.PrepareNextStep();
        if (host.Now().direction != 0 && !waitForVoice) {
            const int interval = NextIntervalMs(host.CurrentIntervalSeconds(), textDelays);
            host.StartMusicFade(interval);
            host.ArmIntervalTimer(interval);
        }
    }
}

// The step's end once its picture is in its slot (or nothing was asked).
void endLoadedStep(DisplayStepHost& host, PictureDisplayState& state)
{
    try {
        host.SizePictureToDisplay(true);
        if (state.LoadErrorKind.isEmpty())
            host.SetPictureLoaded();
    } catch (...) {
        state.LoadErrorKind = ClassifyLoadError(std::current_exception());
    }
    if (!state.LoadErrorKind.isEmpty()) {
        handleFailure(host, state);
        return;
    }
    state.ConsecutiveLoadFailures = 0;
    finishShownStep(host, state.PendingExtension, state.PendingRecordRead, state.PendingTextDelays);
    host.PauseIfRequested();
    host.Tail();
}

} // namespace

void RunDisplayStep(DisplayStepHost& host, PictureDisplayState& state, const DisplayStep& step)
{
    try {
        // A step still waiting for its picture is replaced by this one.
        if (state.PendingTicket) {
            state.PendingTicket = 0;
            host.CancelPicture(state.PendingSlot.data());
        }
        host.BeforeStep();
        if (step.thumbnailView) {
            host.ThumbnailStep();
            return;
        }
        state.PendingIndex = step.index;
        state.PendingExtension = lowerExtension(step.path);
        state.PendingRecordRead = false;
        state.PendingTextDelays = 0;
        host.ShowTitleLabelByOption();
        host.SetBookmarkMenuState(step.bookmarkKey);

        if (requestStepPicture(host, state, step))
            return; // the end follows the slot's answer
        if (!state.LoadErrorKind.isEmpty()) {
            handleFailure(host, state);
            return;
        }
        // Nothing was asked of a slot: the step ends at once.
        endLoadedStep(host, state);
    } catch (...) {
        // The step never raises; a failure outside the load block (a window
        // gone, a hook throwing) ends this step quietly.
    }
}

void FinishDisplayStep(DisplayStepHost& host, PictureDisplayState& state, quint64 ticket, const LoadOutcome& outcome)
{
    if (ticket == 0 || ticket != state.PendingTicket)
        return; // an older step's answer
    state.PendingTicket = 0;
    try {
        if (outcome) {
            state.LoadErrorKind = LoadFailureName(outcome->kind);
            handleFailure(host, state);
            return;
        }
        state.LoadErrorKind.clear();
        endLoadedStep(host, state);
    } catch (...) {
        // As in the beginning: a host failure ends the step quietly.
    }
}

int TextLineDelayMs(const std::array<QString, 5>& texts, const std::array<int, 5>& codes)
{
    int total = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].isEmpty())
            continue;
        const int code = codes[i];
        if (code == 1)
            total += 500;
        else if (code >= 2 && code <= 10)
            total += (code - 1) * 1000;
    }
    return total;
}

int NextIntervalMs(int intervalSeconds, int delaysMs)
{
    const qint64 ms = qint64(intervalSeconds) * 1000 + delaysMs;
    if (ms == 0)
        return 200;
    return int(std::clamp<qint64>(ms, 1, 24LL * 3600 * 1000));
}

BookmarkMenuState ComputeBookmarkMenuState(const QString& key, const std::array<QString, 20>& table,
                                           int bookmarkCount)
{
    BookmarkMenuState state;
    state.GoToEnabled = bookmarkCount > 0;
    for (int i = 0; i < int(table.size()); ++i) {
        if (table[size_t(i)].isEmpty())
            break;
        if (table[size_t(i)] == key) {
            state.CurrentIndex = i;
            state.AddEnabled = false;
            state.RemoveEnabled = true;
            if (bookmarkCount == 1)
                state.GoToEnabled = false;
            break;
        }
    }
    return state;
}

bool CanRotatePicture(const QString& path, bool readOnly, qint64 freeSpaceKB)
{
    const QString ext = lowerExtension(path);
    const bool rotatable = ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg") || ext == QLatin1String(".bmp");
    return rotatable && !readOnly && freeSpaceKB > 0;
}

bool PageHoldsAllPictures(int slotCount, int pictureCount) { return slotCount >= pictureCount; }

QString StatusDateText(double date)
{
    if (date == 0)
        return QStringLiteral("File date unknown");
    const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
    const qint64 ms = std::llround(date * 86400000.0);
    const QDateTime when = base.addMSecs(ms);
    return QLocale(QLocale::English).toString(when, QStringLiteral("MMMM d, yyyy,hh:mm"));
}

PictureStatusTexts ComputePictureStatus(const PictureStatusInput& in)
{
    PictureStatusTexts out;
    const QString dateText = StatusDateText(in.date);
    const QString& path = in.path;
    const QString counter = QString::number(in.position) + QLatin1Char('/') + QString::number(in.total);
    if (in.playOrder == 3 || in.playOrder == 4) {
        out.mainCaption = dateText + QStringLiteral("  ") + in.displayName;
        out.titleLabel = dateText + QStringLiteral("   ") + path + QLatin1Char(' ') + counter;
    } else {
        out.mainCaption = in.displayName + QStringLiteral("  - ") + dateText;
        out.titleLabel = path + QStringLiteral("  - ") + dateText + QLatin1Char(' ') + counter;
    }
    if (in.bookmarked) {
        out.mainCaption = QStringLiteral("(Bookmarked)  ") + out.mainCaption;
        out.titleLabel = QStringLiteral("(Bookmarked) ") + out.titleLabel;
    }
    if (in.showCamera) {
        const QString camera = in.camera.isEmpty() ? QString() : in.camera + QStringLiteral(" - ");
        out.mainCaption = QStringLiteral("Vistamo! : ") + camera + out.mainCaption;
        out.titleLabel = camera + out.titleLabel;
    }
    return out;
}

QString RemoveFromShowHint(const QString& showName, bool plural)
{
    return (plural ? QStringLiteral("Remove pictures from ") : QStringLiteral("Remove picture from ")) + showName
           + QStringLiteral(" - 'D'");
}

bool ShowRemoveAllowed(bool playsOwnShowFile, bool showChangeable, const QString& showName, qint64 freeSpaceKB)
{
    const bool removeNotAllowed = !playsOwnShowFile && !showChangeable;
    if (removeNotAllowed)
        return false;
    return showName == QLatin1String("Draft") || freeSpaceKB > 0;
}

SelectionCommandState ComputeSelectionCommands(const SelectionCommandInput& in, const QString& showName)
{
    SelectionCommandState s;
    const int n = in.selected;
    if (!in.pageHoldsAll) {
        s.showForward = in.direction < 1;
        s.showInReverse = in.direction >= 0;
        s.backwards1 = s.forward1 = in.direction == 0;
        s.manualMode = in.direction != 0;
    }
    s.save = n == 1;
    s.addMult = n > 0;
    if (!in.sourceIsShow) {
        s.showAll = true;
        if (in.thumbnailView) {
            s.recycleHint = QStringLiteral("Send picture(s) to Recycle Bin - 'D'");
            s.recycleCaption = QStringLiteral("Send picture(s) to Recycle &Bin          ~- D");
        } else {
            s.recycleHint = QStringLiteral("Send picture to Recycle Bin - 'D'");
            s.recycleCaption = QStringLiteral("Send picture to Recycle &Bin          ~- D");
        }
        s.move = s.rename = s.micro = n == 1 && in.selectionChangeable;
        s.recycle = s.rotate = n > 0;
        s.voicePlay = n == 1 && in.voiceFileExists;
    } else {
        s.voice = false;
        s.showAll = false;
        s.recycleHint = RemoveFromShowHint(showName, true);
        s.recycleCaption = QStringLiteral("Remove pictures from M&yShow     ~- D");
        s.recycle = s.rotate = in.removeAllowed && n > 0;
    }
    s.runExe = n > 0 && in.editProgramExists;
    s.clipboard = n == 1;
    return s;
}

int ShowRecordIntervalSeconds(int recordSeconds, const QString& soundKind, const QString& soundFile,
                              bool soundExists, int defaultSeconds)
{
    int seconds = recordSeconds;
    if (seconds == 999 && !(soundKind == QLatin1String("F") && !soundFile.isEmpty() && soundExists))
        seconds = 0;
    return seconds != 0 ? seconds : defaultSeconds;
}

QString DemoSoundPath(const QString& soundPath, const QString& soundRoot, const QString& startupRoot)
{
    if (soundPath.isEmpty() || startupRoot.isEmpty())
        return soundPath;
    QString rest = soundPath;
    if (!soundRoot.isEmpty() && soundPath.startsWith(soundRoot))
        rest = soundPath.mid(soundRoot.size());
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    QString root = startupRoot;
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return (root + rest).left(200);
}
