// The main window's layouts and screen modes: the restored and maximized
// layouts, the window's state changes, the owner-drawn status bar, the tool
// tips of a running or stopped show, the MyShow label, the show speed, the
// monitor and thumbnail-count pop-ups and the full-screen window's buttons.
// The main window owns the controller and forwards its size, move and state
// events to it; the controller says what the other sections have to do with
// its signals.
#pragma once

#include "base/layout_state.h"

#include <QFont>
#include <QHash>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

struct OpenShow;
struct ProgramState;
class QEvent;
class QPainter;
class QWidget;
class PreviewPanel;
class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTimer;
class QToolBar;
class QTreeWidget;
class ShowWindow;

class LayoutController : public QObject {
    Q_OBJECT
public:
    // The widgets the layouts, tips and pop-ups use, built by the main
    // window (any may be missing). The actions and pop-ups the layouts serve
    // they take from the window by objectName.
    struct Widgets {
        QWidget* ClientArea = nullptr;
        QLabel* ImBottomBar = nullptr;
        QLabel* ImMyShowHeader = nullptr;
        QLabel* Image1 = nullptr;
        QTimer* IntervalTimer = nullptr;
        QLabel* MyShowLabel = nullptr;
        QTableWidget* MyShowSG = nullptr;
        QLabel* StatusPanel0 = nullptr;
        QLabel* StatusPanel1 = nullptr;
        QToolBar* ToolBar1 = nullptr;
        QToolBar* ToolBar2 = nullptr;
        QTreeWidget* TreeView1 = nullptr;
        PreviewPanel* BrowsePreview = nullptr;   // under the tree
        PreviewPanel* ShowPreview = nullptr;     // under the show list
    };

    // What the layouts ask of the other sections, each answered live.
    struct Queries {
        // The running show stands still or steps by hand.
        std::function<bool()> inManualMode;
        // The full-screen show window (or none).
        std::function<ShowWindow*()> showWindow;
        // The show plays as pages of thumbnails in the main window.
        std::function<bool()> thumbnailView;
    };

    // `window` is the main window the layouts size and place; `openShow` is
    // the open show, whose name the MyShow label gives.
    LayoutController(QWidget& window, ProgramState& state, OpenShow& openShow, Queries queries);
    // The widgets, handed over once the window has built them and its
    // menus and tool bars; takes the actions and pop-ups the layouts serve
    // by objectName and connects the monitor and thumbnail-count buttons
    // and the monitor pop-up's choices.
    void SetWidgets(const Widgets& widgets);

    // Captures the designed bounds of the controls the layouts move (once).
    void SaveControlBounds();
    void ApplyMaximizedLayout();
    void ApplyRestoredLayout();
    // A system command (0 restore, 1 maximize, 2 minimize, 3 other) as the
    // window's state changes; returns the command carried out (it may be
    // rewritten), or -1 when it was refused.
    int HandleSystemCommand(int command);
    void AppRestore();
    // Paints status panel 0 or 1 (bottom-bar bitmap, bold text, icon).
    void StatusBar1DrawPanel(QPainter& canvas, int panel, const QRect& rect);
    void SetShowRunningHints();
    void SetShowStoppedHints();
    void ShowMyShowLabel(const QString& action);
    void ChangeShowSpeed(bool faster);
    // The picture preview: fits a picture into the preview box.
    void ShowPicturePreview(const QString& path);
    void HidePicturePreview();
    void TBMonitorSelectionClick(bool myShowBar = false);
    // Opens the layout chooser under `button`'s tool button when it shows.
    void TBNrOfThumbsClick(bool myShowBar = false, QAction* button = nullptr);
    void MMainMonitorClick(bool mainMonitor);
    // The full-screen window's hints button, its control-panel buttons
    // following their main-window twins, its picture tip and panel position.
    void UpdateHintsButton();
    void SyncControlPanelButtons();
    void SetFullScreenImageHint();
    void SaveControlPanelPosition();
    // The designed bounds captured by SaveControlBounds (name -> bounds).
    const QHash<QString, QRect>& designBounds() const { return m_designBounds; }
    // The state of the layouts and screen modes.
    LayoutState& layoutState() { return m_layoutState; }
    const LayoutState& layoutState() const { return m_layoutState; }
    // Lays the controls out for the window's present size: the designed
    // bounds at the restored size, the maximized layout's rules otherwise
    // (also for a size the window manager gave), so no control covers another.
    void LayoutForWindowSize();
    // On a screen 800 pixels wide the window's frame fills the work area.
    void FitToWorkArea();
    // The MyShow panel was hidden (the window takes half its width, in the
    // maximized layout at the top centre of the screen) or shown (800 wide,
    // or maximized again).
    void SwitchMyShowPanelWidth(bool hidden);
    // Whether the window fills the work area of an 800-pixel screen.
    bool fitsWorkArea() const { return m_fitsWorkArea; }
    // Back to browsing after a slide show or a full view: the main picture
    // area hidden, the tree, list and panels laid out for the window, the
    // title and tool tips of a stopped show, the preview of the tree.
    void RestoreBrowseView();
    // The window moved: on a narrow screen it is fitted again once framed.
    void WindowMoved();
    // The window's state changed (a window-state-change event).
    void WindowStateChanged(QEvent* event);
    // The status panels are painted by the window's event filter (once).
    void hookStatusPanels();

signals:
    // The maximized layout is chosen: the sibling program's panel shows or
    // hides with it.
    void MaximizedLayoutChosen();
    // The browse preview (the MyShow preview) shows a picture and its box
    // changed: the picture is fitted into the box again.
    void BrowsePreviewToRefit();
    void ShowPreviewToRefit();
    // The window is minimized during a running show: the show pauses, and
    // the program minimizes.
    void ShowPauseRequested();
    void MinimizeRequested();
    // The program came back from being minimized: the title names the
    // folder again.
    void FolderCaptionDue();

private:
    // One pass of LayoutForWindowSize for the window's present size.
    void layOutOnce();
    QWidget* layoutControl(const QString& name) const;
    // The bold interface font the status panels are drawn with.
    QFont statusPanelFont(const QLabel* label) const;
    bool thumbnailViewActive() const { return m_queries.thumbnailView && m_queries.thumbnailView(); }

    QWidget& m_window;
    ProgramState& m_state;
    OpenShow& m_openShow;
    Queries m_queries;
    LayoutState m_layoutState;
    // The actions and pop-ups the layouts serve, taken by objectName.
    struct Actions {
        QAction* FullScreenToolButton3 = nullptr;
        QAction* MMainMonitor = nullptr;
        QAction* MSecondMonitor = nullptr;
        QMenu* MultiPop = nullptr;
        QAction* PlaylistBATB = nullptr;
        QAction* PlaylistFWTB = nullptr;
        QMenu* PopScreen = nullptr;
        QAction* RunExeToolButton = nullptr;
        QAction* ShowForwardToolButton = nullptr;
        QAction* ShowinReverseToolButton = nullptr;
        QAction* StartMySlideShowTB = nullptr;
        QAction* TBGoSmall = nullptr;
        QAction* TBGoSmallMS = nullptr;
        QAction* TBRotateL = nullptr;
        QAction* TBRotateR = nullptr;
        QAction* ToolButton1 = nullptr;
        QAction* Volume = nullptr;
    };
    Widgets m_items;
    Actions m_actions;
    bool m_layingOut = false;
    bool m_layoutPending = false;  // the window changed size while it was laid out
    bool m_fitsWorkArea = false;   // started on an 800-pixel screen: the window fills the work area
    QMargins m_fittedFrame;
    QHash<QString, QRect> m_designBounds;
    QPoint m_restoredPos;
    bool m_statusPanelsHooked = false;
    bool m_inStateChange = false;
    // The program asked for the maximized state itself: the platform's
    // report of it that follows is no user's maximize.
    bool m_maximizeEchoPossible = false;
};
