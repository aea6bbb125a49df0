// What the main window's thumbnail view needs from the window: the widgets it
// covers, fills and wires, and the routines of other sections it calls (the
// show, the picture display, the layouts, the menus' measure).
#pragma once

#include <QString>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QWidget;
class ShowView;
class ShowManagerWindow;

// The window's widgets of the thumbnail view (any may be null but Window).
struct ThumbnailPageWidgets {
    QWidget* Window = nullptr;
    QWidget* ClientArea = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QTimer* IntervalTimer = nullptr;
    QMenu* RightClickTreeView = nullptr;
    QMenu* MMultSlide = nullptr;
    QMenu* MultiPop = nullptr;
    std::array<QAction*, 25> MultiItems{};   // the layout menu's items M1 .. M77
    QAction* TBMultMode = nullptr;
    QAction* TBSelAll = nullptr;
    QAction* TBSelNone = nullptr;
    QAction* TBSelInvert = nullptr;
    QAction* MMultMode = nullptr;
    QAction* MSelectAll = nullptr;
    QAction* MSelectNone = nullptr;
    QAction* MSelectInvert = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* ManualModeToolButton = nullptr;
    QAction* ShowForwardToolButton = nullptr;
    QAction* ShowinReverseToolButton = nullptr;
    QAction* ToolButton2 = nullptr;          // Stop Slide Show
    QAction* PictureForward = nullptr;       // the Show menu's "1 Picture/Page forward"
    QAction* PictureBackwards = nullptr;
};

class ThumbnailPageSectionHost {
public:
    virtual ~ThumbnailPageSectionHost() = default;

    virtual ThumbnailPageWidgets widgets() const = 0;
    // The full-screen show window (null when not made).
    virtual ShowView* showView() const = 0;
    // The show list window (null when not made).
    virtual ShowManagerWindow* showManager() const { return nullptr; }

    virtual void PauseShow() = 0;
    virtual bool InManualMode() const = 0;
    virtual void EndShow() = 0;
    // The window's picture and selection captions of the menus.
    virtual void SetSelectionMenuCaptions() = 0;
    virtual void ShowPictureFull(const QString& path) = 0;
    // The path of the picture the page selected (the picture commands act on it).
    virtual void SetCurrentPicturePath(const QString& path) = 0;
    // The tool tips of a running show.
    virtual void SetShowRunningHints() = 0;
    // True while the maximized layout is in effect.
    virtual bool MaximizedLayout() const = 0;
    // The layout menu of the tool bar's "number of thumbnails" button.
    virtual void TBNrOfThumbsClick() = 0;
    // Fits a menu's width to its captions.
    virtual void MeasureMenu(QMenu* menu) = 0;
};
