// Geometry of the main window's two layouts, computed without widgets: the
// restored layout (every control at its designed bounds, 800 x 600 or
// 400 x 600 with the MyShow panel hidden) and the maximized layout computed
// from the screen size.
#pragma once
#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// Bounds of named controls, each relative to its parent as placed.
using ControlBounds = QHash<QString, QRect>;

// Rounds to the nearest integer, halves to even.
int RoundEven(double v);
// Integer halving truncated toward zero (centring offsets).
inline int HalfTrunc(int v) { return v / 2; }

// The 34 controls whose designed bounds are captured at start, in order.
const QStringList& DesignBoundsControls();
// Further controls that the maximized layout moves; their designed bounds
// are captured too, so that the restored layout puts them back.
const QStringList& ExtraLayoutControls();

// What the maximized layout needs besides the current control bounds.
struct MaximizedLayoutInput {
    QSize screen;               // W x H of the screen
    int statusBarTop = 0;       // top of StatusBar1 in the client area
    int statusPanel0Width = 0;  // width of the first status panel
    bool myShowHidden = false;
    // The upload, mail and copy buttons are children of Panel1 (their
    // bounds are then relative to it, not to the window).
    bool rowButtonsInPanel1 = false;
};

struct MaximizedLayoutResult {
    QRect window;               // window bounds (only set with the MyShow panel hidden)
    bool halfWidth = false;     // the window takes half the screen, top centre
    int statusPanel1Width = 0;
    QRect image2Bounds;         // kept for the preview drawing
};

// Moves the controls of `bounds` to the maximized layout. `design` holds
// the captured designed bounds (for the heights the layout scales).
MaximizedLayoutResult ApplyMaximizedBounds(ControlBounds& bounds, const ControlBounds& design,
                                           const MaximizedLayoutInput& in);

struct RestoredLayoutResult {
    QSize window;               // 800 x 600, or 400 x 600 with the MyShow panel hidden
    int statusPanel1Width = 0;
};

// Puts every captured control back (DesignBoundsControls and the extra
// controls), ImMyShowHeader over Bevel2, NrofPicLabel beside the play
// order box and the voice buttons at offset 9.
RestoredLayoutResult ApplyRestoredBounds(ControlBounds& bounds, const ControlBounds& design,
                                         bool myShowHidden, int statusPanel0Width);

// VoiceBevel 5 pixels above FPlayorderCB's top at TreeThumbnailPanel width
// - 70 + offset; MicroSB and VoicePlaySB inside it.
void PlaceVoiceButtonBounds(ControlBounds& bounds, int offset);

// The window with the MyShow panel hidden in the maximized layout: half
// its width (rounded), centred on the screen, at the top.
QRect HalfWidthTopCentre(const QRect& window, int screenWidth);

// A picture of w x h fitted into a box and centred (offsets halved with
// truncation). A picture of zero size gives no rectangle (nullopt-like: an
// invalid QRect) instead of a division by zero.
QRect FitPreviewRect(const QSize& picture, const QRect& box);

// ---- Screen-mode texts ---------------------------------------------------

// Changes the show interval step (0 fastest .. 59 slowest) and returns the
// first half of the speed message.
QString ChangeShowSpeedStep(int& step, bool faster);

struct MyShowLabelText {
    bool known = true;
    QString text;           // empty with `keep` set: text unchanged
    bool keep = false;
    bool saving = false;    // new value of MyShowSaving
    bool busyCursor = false;
};
// The MyShow label for an action word ("File", "Load", "Copy", "Draft",
// "Save", "SaveAs"); `fileName` is the open show's file name.
MyShowLabelText MyShowLabelFor(const QString& action, const QString& fileName, bool savingNow);

struct ToolTipText {
    const char* button;
    QString tip;
};
// Tool tips while a show runs / after it stopped.
QList<ToolTipText> ShowRunningHints(bool thumbnailView);
QList<ToolTipText> ShowStoppedHints();

struct FullScreenHintInput {
    bool navPanelVisible = false;
    bool zoomed = false;
    bool fullView = false;       // the full view of a single picture
    bool manualMode = false;
    bool automaticShow = false;
};
QString FullScreenImageHint(const FullScreenHintInput& in);

// Glyph and tip of the hints button of the full-screen control panel.
struct HintsButtonLook {
    int glyph;
    QString tip;
};
HintsButtonLook HintsButtonFor(bool hintsOn);

// ---- System commands -----------------------------------------------------

enum class SysCommand { Restore, Maximize, Minimize, Other };

struct SysCommandState {
    // Program state read and written by the handler.
    bool maximizedLayout = false;      // MaximizedLayout
    bool windowMaximized = false;      // WindowMaximized
    bool sizeCommandSeen = false;      // SizeCommandSeen
    bool minimizedDuringShow = false;  // MinimizedDuringShow
    bool resumeAfterRestore = false;   // ResumeAfterRestore
    bool showWasPaused = false;        // ShowWasPaused
};

struct SysCommandContext {
    bool windowMinimized = false;
    bool showRunning = false;
    bool inManualMode = false;
    bool appActive = true;
    bool myShowHidden = false;
};

struct SysCommandActions {
    bool defaultHandling = false;      // let the window change as asked
    SysCommand command = SysCommand::Other; // the command after rewriting
    bool rememberRestoredPos = false;
    bool pauseShow = false;
    bool minimizeApp = false;
    bool refuse = false;               // show the refusal message
    bool resumeShow = false;           // TogglePause after the default handling
    bool hideWindowFirst = false;
    bool applyMaximized = false;
    bool applyRestored = false;
    bool halfWidth = false;            // half width, centred, top 0
};

// The refusal text during a show.
QString SizeChangeRefusedText();

// Decides what a system command does; updates `st`.
SysCommandActions HandleSysCommand(SysCommand cmd, SysCommandState& st,
                                   const SysCommandContext& ctx);

// The application's restore event.
struct AppRestoreActions {
    bool halfWidth = false;
    bool restoreApp = false;
    bool resumeShow = false;
    bool updateFolderCaption = false;
};
AppRestoreActions HandleAppRestore(SysCommandState& st, const SysCommandContext& ctx);

// On a screen exactly 800 pixels wide the window fills the work area: the
// tree and the show list get shorter, and the thumbnail panel, Panel1 and the
// list buttons move up, by 546 less the status bar's top in the client area.
void ApplyNarrowScreenShift(ControlBounds& bounds, int statusBarTop);
