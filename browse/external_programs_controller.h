// The main window's external programs and wallpaper: the edit and video
// program launches, rotations through the outside viewer, the sibling
// renaming program, the EXIF date reset of a folder, the launch menus and
// buttons, and the wallpaper command. What it asks of other parts it says
// with signals, which the main window connects.
#pragma once

#include "base/show_session.h"
#include "browse/external_programs_widgets.h"
#include "browse/picture_loader.h"
#include "browse/page_selection.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <functional>

struct SettingsStore;
struct DataPaths;
struct EnvironmentInfo;
struct OpenShow;
struct PictureDisplayState;
class FolderPictureChooser;
class FitZoomHandler;
class FolderTreeController;
class PictureSlotModel;
class ShowView;
namespace platform {
class WorkerPool;
}

class ExternalProgramsController : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window; the items are wired on first showing.
    // `tree` gives the selected folder and node, `display` the shown
    // picture; `folderPictureWindow` gives the folder picture chooser, made
    // at first use; `thumbnails` gives a picture's thumbnail path and renews
    // the thumbnail after a rotation or a date reset.
    ExternalProgramsController(const ExternalProgramsWidgets& widgets, FolderTreeController& tree,
                               PictureDisplayState& display, OpenShow& openShow,
                               std::function<FolderPictureChooser*()> folderPictureWindow, SettingsStore& settings,
                               const DataPaths& paths, const EnvironmentInfo& environment, ShowSession& session,
                               PictureLoaderSteps thumbnails);
    ~ExternalProgramsController() override;

    // 1 while an outside program started through RunExternalProgram runs; the
    // main window's close is put off while it is 1.
    uint8_t ExternalProcessRunning = 0;
    // The edit program chosen by a launch item; -1 after each launch (program 0).
    int32_t EditProgramIndex = -1;
    // The video program chosen by a launch item.
    int32_t VideoProgramIndex = 0;
    // The picture an edit program, a rotation or a launch button works on.
    QString EditTarget;
    // 1 when the launch came from a button of the show list.
    uint8_t EditFromShowList = 0;
    // 1 for each edit program whose launch buttons are shown.
    std::array<uint8_t, 5> LaunchButtonShown{};
    // The sibling renaming program: never installed on Linux, so its items stay
    // hidden; kept so its launch works should a path ever be given.
    QString TarnivoPath;
    uint8_t TarnivoInstalled = 0;
    // The wallpaper picture, and 1 when its lower-cased extension is not ".bmp".
    QString WallpaperPath;
    uint8_t WallpaperNotBitmap = 0;
    // The style dialog's choice: 0 Tiled, 1 Centered, 2 Stretched, -1 none chosen.
    int32_t WallpaperStyleChoice = -1;

    // Connects the launch items and buttons, the rotations, the sibling
    // program, the EXIF date reset and the wallpaper items, and builds the
    // launch menus and buttons (once; the first showing of the window does it).
    void SetupExternalPrograms();
    // Starts one outside program (program and its first arguments); the
    // window runs on meanwhile, and the thumbnails follow when it has ended,
    // then `then` runs. Refused (`then` at once) while one runs already.
    void RunExternalProgram(const QString& program, const QStringList& startArguments, bool withPicture,
                            std::function<void()> then = {});
    // Runs a program on one file alone (the file becomes the edit target).
    void RunProgramOnFile(const QString& program, const QString& file);
    void RunExeToolButtonClick();
    void LaunchEditProgram();
    // Starts the chosen video program (LaunchVideoProgram names the pop-up submenu).
    void LaunchChosenVideoProgram();
    // fromFullScreen: the full-screen window's own rotate buttons.
    void TBRotateLClick(bool fromFullScreen = false);
    // The picture selected in the tree (which a rotation turns while
    // browsing) may be rotated.
    bool BrowsedPictureRotatable() const;
    void TBRotateRClick(bool fromFullScreen = false);
    // Rotates the picture at hand through the viewer; `then` runs when that
    // has ended (at once when nothing is rotated).
    void RotatePicture(QChar direction, std::function<void()> then = {});
    // Rotates the ticked pictures one after the other, the window disabled.
    void RotateSelectedPictures(QChar direction);
    void IrfanviewClick();
    void TBTarnivoClick();
    void ResetToExifPopClick();
    // Resets the selected folder's file dates to their EXIF dates on a
    // worker while the window goes on; the status names each file, and the
    // counts are told at the end.
    void ResetFileDatesToExif();
    void BuildLaunchMenu();
    void LoadVideoProgramIcons();
    void BuildLaunchButtons();
    void ArrangeLaunchButtons();
    // The wallpaper: sender is WallPaperFolder, WallPaperMyShow or another item.
    void WallpaperClick(QObject* sender);
    // WallpaperClick for a given picture (the dialog, then the values). The
    // desktop's tools run on a worker while the window goes on, with the
    // hourglass; the outcome is told when they have ended.
    void SetWallpaperTo(const QString& picture, QObject* sender);
    // Stores the wallpaper's values and hands the desktop's tools to the
    // worker; `then` runs when they have ended (at once when nothing runs).
    void WallPaperAndStyle(std::function<void()> then = {});
    // The page of thumbnails the launches and rotations read and refresh.
    void SetPage(PageSelection* page);
    // The full-screen show window, once made (or null).
    void SetShowView(ShowView* window);
    // The main window's picture slot ("form1im1"), which a rotated picture
    // goes back into outside the full-screen window.
    void SetPictureSlot(PictureSlotModel* slot) { m_slot = slot; }

signals:
    // The tree is to open its FolderToOpen, to read its selected folder
    // again, or to show its folder caption.
    void folderOpenWanted();
    void folderRefreshWanted();
    void folderCaptionWanted();
    // The running show is to pause.
    void pauseWanted();
    // The sound of the shown picture is to end.
    void voiceReleaseWanted();
    // The current picture is to be shown again, fitted again, or previewed.
    void pictureDisplayWanted();
    void fitWanted(bool toggle);
    void previewWanted(const QString& path);
    // A picture's file was rewritten in place (turned).
    void pictureRewritten(const QString& path);

private:
    // The ticked pictures still to rotate, one after the other; then the
    // window is enabled again.
    void rotateTicked(QStringList left, QChar direction);
    platform::WorkerPool& worker();
    bool pageShown() const;
    QStringList tickedPictures() const;
    QString editTargetForLaunch();
    void refreshAfterRotation(const QString& target, bool cutOut);
    // The handler of the image the full-screen window shows, while it is
    // visible (else null).
    FitZoomHandler* fullScreenShownImage() const;

    FolderTreeController& m_tree;
    PictureDisplayState& m_display;
    OpenShow& m_openShow;
    const std::function<FolderPictureChooser*()> m_folderPictureWindow;
    QPointer<ShowView> m_showView;
    PictureSlotModel* m_slot = nullptr;
    const PictureLoaderSteps m_thumbnails;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const ExternalProgramsControls m_w;
    bool m_setUp = false;
    PageSelection m_noPage;
    PageSelection* m_page = &m_noPage;
    // The desktop's wallpaper tools and the date reset run here, one after
    // the other.
    std::unique_ptr<platform::WorkerPool> m_worker;
    // A date reset runs (a second one is not started meanwhile).
    bool m_resettingDates = false;
    // Read by the worker: false once the controller goes (a date reset stops).
    std::shared_ptr<std::atomic<bool>> m_alive = std::make_shared<std::atomic<bool>>(true);
};
