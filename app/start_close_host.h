// What the start-up and close controllers ask of the main window: the
// controllers and windows it owns, and the commands of the other sections a
// start or a close runs.
#pragma once

#include <QString>

class ExternalProgramsController;
class FolderTreeController;
class HelpAndVersionController;
class LayoutController;
class MyShowController;
class PreviewPanel;
class QAction;
class QWidget;
class AutoShowOfferWindow;
class ShowManagerWindow;
class FolderPictureChooser;
struct OpenShow;
class SlideShowController;
class SoundController;

class StartCloseHost {
public:
    virtual ~StartCloseHost() = default;

    // The controllers and windows of the main window (any window may be null).
    virtual LayoutController* layouts() const = 0;
    virtual FolderTreeController* folderTree() const = 0;
    virtual ExternalProgramsController* externalPrograms() const = 0;
    virtual HelpAndVersionController* helpAndVersion() const = 0;
    virtual SoundController* sound() const = 0;
    virtual MyShowController* myShow() const = 0;
    virtual SlideShowController* slideShow() const = 0;
    virtual OpenShow& openShow() = 0;
    virtual AutoShowOfferWindow* demoShowWindow() const = 0;
    virtual ShowManagerWindow* showManager() const = 0;
    virtual void setShowManager(ShowManagerWindow* window) = 0;
    virtual FolderPictureChooser* folderPictureWindow() const = 0;
    // The browse preview (its play order) and the MyShow preview (its upload button).
    virtual PreviewPanel* browsePreview() const = 0;
    virtual PreviewPanel* showPreview() const = 0;
    // A window of its own made at first use: it goes with the main window.
    virtual void adoptWindow(QWidget* window) = 0;
    // The tool-bar or menu action of that objectName (or none).
    virtual QAction* actionNamed(const QString& name) const = 0;

    // The start's wiring and the first folder or show.
    virtual void InstallApplicationEvents() = 0;
    virtual void InstallKeyboardHook() = 0;
    virtual void OpenFolderOrShow() = 0;
    virtual void LoadFolderExclusions() = 0;

    // The music, the running show and the open show at close.
};
