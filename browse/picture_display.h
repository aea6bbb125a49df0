// The display step: puts the current entry of the picture list on the
// screen, reports load failures, and the small rules around it (text-line
// delays, the next interval, bookmark menu state, rotation, status line and
// window title).
//
// The step runs in two parts around the picture's decode: its beginning
// (captions, the show record, the request to the slot) and, when the slot
// answers, its end (fit, status, sound, interval timer). The beginning gets
// the step's picture as a value (DisplayStep); both halves run against a
// DisplayStepHost, made once by its owner, so the windows, the show and the
// sound supply their parts and tests can drive it with a fake.
#pragma once

#include "browse/picture_load_error.h"
#include "browse/picture_loader_slots.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>

// ---- state of the shown picture --------------------------------------------

// Owned by the main window's picture display section.
struct PictureDisplayState {
    // 1 when the picture at LastFailedIndex could not be shown; a repeated
    // display of that index reports the failure again without loading.
    int32_t LastLoadFailed = 0;
    int32_t LastFailedIndex = -1;
    // The kind of the failure at LastFailedIndex, reported again for a repeat.
    QString LastFailureKind;
    // Full path of the picture being shown.
    QString CurrentPicturePath;
    // The name used in titles and messages.
    QString PictureDisplayName;
    // Failed displays in a row while unreadable pictures are skipped; when it
    // reaches the number of pictures, no picture of the show can be shown.
    int32_t ConsecutiveLoadFailures = 0;
    // Empty, or the kind of the last step's load failure: "Invalid Graphic",
    // "EWin32Error", "Open error", "Access Violation" or "Other Error".
    QString LoadErrorKind;

    // The step waiting for its picture: the ticket of its request (0: none),
    // the slot asked, and what its end needs from its beginning. A newer
    // step replaces it; the older answer is then ignored.
    quint64 PendingTicket = 0;
    QPointer<PictureSlotModel> PendingSlot;
    QString PendingExtension;
    bool PendingRecordRead = false;
    int PendingTextDelays = 0;
    // The picture index the waiting step shows.
    int PendingIndex = -1;
};

// What the display step is given of its step: the picture (its index in the
// picture table, its path and bookmark key) and where it goes: the thumbnail
// view's page, the main window's slot ("form1im1") or, when the full-screen
// window shows or in a demo, the slot of the full-screen image that the
// active-image byte names ("form9im1" for 1, else "form9im2").
struct DisplayStep {
    int index = -1;
    QString path;
    QString bookmarkKey;
    bool thumbnailView = false;
    bool demoMode = false;
    PictureSlotModel* mainSlot = nullptr;
    PictureSlotModel* fullScreenSlot = nullptr;
};

// Where the show stands when the step decides.
struct ShowNow {
    int pictureCount = 0;
    bool fullScreenVisible = false;
    bool showRuns = false;          // a show (or the music queue) plays
    bool fullView = false;          // one picture in the full view
    bool manualMode = false;
    bool skipUnreadable = false;
    int direction = 0;              // >= 1 forward, < 0 back, 0 standing
};

// "Not a single picture could be loaded!"
extern const QString NoPictureLoadedText;

// ---- what the step needs from the rest of the program -----------------------

class DisplayStepHost {
public:
    virtual ~DisplayStepHost() = default;

    // Where the show stands now, asked at each decision (a pause or a
    // window shown while the picture is decoded counts at the step's end).
    virtual ShowNow Now() const = 0;

    // Before the load (the full-screen window's buttons) and the
    // thumbnail-view branch.
    virtual void BeforeStep() {}
    virtual void ThumbnailStep() {}
    virtual void SetBookmarkMenuState(const QString& key) {}
    virtual void ShowTitleLabelByOption() {}

    // The load-and-size block; any of these may throw.
    virtual void DisablePictureCommands() {}
    virtual void ResetBackwardsButton() {}
    // Reads the entry's show record when the list comes from a show file;
    // returns whether a record was read. Sets the show's current interval.
    virtual bool ReadShowRecord(int index) { return false; }
    // Delay added for the text lines of the record read (full screen only).
    virtual int TextLineDelayMs() const { return 0; }
    virtual void SetPictureDisplayName() {}
    virtual void StartImageTimer(int intervalMs) {}
    virtual void HideMainImage() {}
    // Asks the slot for the picture; the answer comes later through
    // FinishDisplayStep with the ticket returned (0: nothing asked, the
    // step ends at once as loaded).
    virtual quint64 RequestPicture(const QString& path, PictureSlotModel* slot) = 0;
    // Drops the slot's request still waiting (a newer step replaces it).
    virtual void CancelPicture(PictureSlotModel* slot) = 0;
    virtual void SizePictureToDisplay(bool toggle) {}
    virtual void SetPictureLoaded() {}

    // After a successful load.
    virtual void SetPictureMenuCaptions() {}
    virtual void UpdatePictureStatus() {}
    // A JPEG in the main window gets its status when its drawing has ended;
    // pictures are decoded at once here, so that is right after the load.
    virtual void PictureDrawn() {}
    virtual bool PlayPictureSound(bool recordRead) { return false; } // true: the show waits for the voice
    // No voice holds the picture: a picture that was to stay as long as its
    // voice gets the show's default interval.
    virtual void NoVoicePlays() {}
    virtual void PrepareNextStep() {}            // the shown picture's labels and status
    virtual void ArmIntervalTimer(int intervalMs) {}
    virtual int CurrentIntervalSeconds() const { return 0; }
    virtual void StartMusicFade(int intervalMs) {}
    virtual void PauseIfRequested() {}

    // After a failure.
    virtual void ShowCurrentPictureStatus() {}
    virtual void HidePictureImages() {}
    virtual void SetErrorCaption(const QString& caption) {}
    // Takes the next step through the event loop (never by calling the
    // step from inside itself).
    virtual void QueueNextStep() {}
    // Every picture of the show failed: tell the user and end the show.
    virtual void EndShowNoPictures() {}

    virtual void Tail() {}
};

// The beginning of the display step on a host, with the state of the shown
// picture: ends with the request to the slot (state.PendingTicket), or, for
// a repeated failure, reports it at once. A step still waiting is replaced.
// Neither half lets window events run, so no second step starts inside one
// (the only wait is the prompt when no picture at all could be loaded).
// Never throws.
void RunDisplayStep(DisplayStepHost& host, PictureDisplayState& state, const DisplayStep& step);

// The end of the display step for the slot's answer to `ticket` (outcome
// without value: loaded). An answer that is not the waiting step's is
// ignored. Never throws.
void FinishDisplayStep(DisplayStepHost& host, PictureDisplayState& state, quint64 ticket,
                       const LoadOutcome& outcome);

// ---- small rules --------------------------------------------------------------

// Extra milliseconds for the text lines of a show record: for each line
// with text, appearance code 1 adds 500, codes 2..10 add (code - 1) x 1000.
int TextLineDelayMs(const std::array<QString, 5>& texts, const std::array<int, 5>& codes);

// IntervalTimer's interval: seconds x 1000 + delays, and 200 when that is 0.
int NextIntervalMs(int intervalSeconds, int delaysMs);

// The bookmark commands for a picture key.
struct BookmarkMenuState {
    bool AddEnabled = true;
    bool RemoveEnabled = false;
    bool GoToEnabled = false;   // next and previous
    int CurrentIndex = -1;      // the matching entry, -1 when none
};
BookmarkMenuState ComputeBookmarkMenuState(const QString& key, const std::array<QString, 20>& table,
                                           int bookmarkCount);

// A picture may be rotated: ".jpg", ".jpeg" or ".bmp" (any case), not
// read-only, on a drive with free space (free KB > 0).
bool CanRotatePicture(const QString& path, bool readOnly, qint64 freeSpaceKB);

// The whole list fits on one page.
bool PageHoldsAllPictures(int slotCount, int pictureCount);

// The status line and window title of the shown picture.
struct PictureStatusInput {
    QString displayName;    // PictureDisplayName
    QString path;           // the entry's full path
    double date = 0;        // days since 1899-12-30; 0 unknown
    int playOrder = 0;      // 3 and 4 put the date first
    int position = 0;
    int total = 0;
    bool bookmarked = false;
    bool showCamera = false;
    QString camera;         // the camera model read when showCamera
};
struct PictureStatusTexts {
    QString mainCaption;
    QString titleLabel;
};
PictureStatusTexts ComputePictureStatus(const PictureStatusInput& in);

// "mmmm d, yyyy,hh:mm" of a day number (days since 1899-12-30).
QString StatusDateText(double date);

// The interval a show record gives its picture, in seconds: the record's
// own, or `defaultSeconds` when it is 0. 999 (as long as the picture's
// voice) holds only for a sound of kind "F" whose file exists, else the
// default is used.
int ShowRecordIntervalSeconds(int recordSeconds, const QString& soundKind, const QString& soundFile,
                              bool soundExists, int defaultSeconds);

// In demo mode a show's sound file lies on the drive the program started
// from: the sound path's own drive root (`soundRoot`, the mount point) is
// replaced by the start-up drive's root; the result is cut to 200
// characters. An empty path stays empty.
QString DemoSoundPath(const QString& soundPath, const QString& soundRoot, const QString& startupRoot);

// ---- the picture commands of a show list ---------------------------------------

// "Remove picture from " + name + " - 'D'" (plural: "Remove pictures from ").
QString RemoveFromShowHint(const QString& showName, bool plural);

// Whether the open show lets a picture be removed (and rotated): not when
// the show may not be changed (unless the running show plays a show file of
// its own), nor when a show other than the Draft lies on a drive without
// free space (free KB <= 0).
bool ShowRemoveAllowed(bool playsOwnShowFile, bool showChangeable, const QString& showName, qint64 freeSpaceKB);

// The commands for the ticked pictures of a thumbnail page.
struct SelectionCommandInput {
    int selected = 0;                  // SelectedPictureCount
    bool pageHoldsAll = false;         // PageHoldsAllPictures
    int direction = 0;                 // the show direction
    bool thumbnailView = true;
    bool sourceIsShow = false;         // the list comes from the open MyShow
    bool selectionChangeable = true;   // n = 1: not read-only, drive with free space
    bool removeAllowed = true;         // MyShow list: ShowRemoveAllowed
    bool voiceFileExists = false;      // the selected picture's voice file
    bool editProgramExists = false;    // the first edit program exists
};
struct SelectionCommandState {
    bool showForward = false, showInReverse = false, manualMode = false, backwards1 = false, forward1 = false;
    bool save = false, addMult = false, showAll = false, voice = true;
    bool move = false, rename = false, micro = false, recycle = false, rotate = false, voicePlay = false;
    bool runExe = false, clipboard = false;   // PictureToClipboard, PathToClipboard
    QString recycleHint;                      // RecycleBinToolButton's hint
    QString recycleCaption;                   // SendRecycleBin's caption
};
SelectionCommandState ComputeSelectionCommands(const SelectionCommandInput& in, const QString& showName);
