// What the main window's fitting, zooming and crop section needs from the
// window: the picture area and the commands it blocks while the custom
// ratio panel is open, and the few routines of other sections it calls.
#pragma once

class QLabel;
class QMenuBar;
class QToolBar;
class QWidget;
class ShowView;

// The window's widgets the fit-zoom section uses (any may be null but Window).
struct FitZoomWidgets {
    QWidget* Window = nullptr;
    QWidget* ClientArea = nullptr;       // the custom ratio panel's parent
    QLabel* Image1 = nullptr;            // the main picture area (slot "form1im1")
    QToolBar* ToolBar1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
};

class FitZoomHost {
public:
    virtual ~FitZoomHost() = default;

    virtual FitZoomWidgets widgets() const = 0;

    // The commands for the shown picture.
    virtual void SetPictureMenuCaptions() = 0;
    // Back to browsing after a full view.
    virtual void RestoreBrowseView() = 0;
    virtual void ApplyShowOptions() = 0;
    // A mouse press on the picture (true) and its release (false).
    virtual void SetMouseButtonDown(bool down) = 0;
    // The full-screen show window (or none).
    virtual ShowView* showView() const = 0;
};
