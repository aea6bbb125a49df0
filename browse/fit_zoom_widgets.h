// The window's widgets the main window's fitting, zooming and crop section
// uses: the picture area and the commands it blocks while the custom ratio
// panel is open, handed to it once at construction.
#pragma once

class QLabel;
class QMenuBar;
class QToolBar;
class QWidget;

// The window's widgets the fit-zoom section uses (any may be null but Window).
struct FitZoomWidgets {
    QWidget* Window = nullptr;
    QWidget* ClientArea = nullptr;       // the custom ratio panel's parent
    QLabel* Image1 = nullptr;            // the main picture area (slot "form1im1")
    QToolBar* ToolBar1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
};
