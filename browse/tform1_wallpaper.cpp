// The main window's wallpaper command: the picture, the style dialog, the
// stored desktop values and the desktop's own tool.
#include "app/tform1.h"

#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/wallpaper.h"
#include "browse/wallpaper_dialog.h"
#include "platform/prompt_dialogs.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>

void TForm1::WallpaperClick(QObject* sender)
{
    if (PlaybackActive == 1)
        PauseShow();
    QString picture = CurrentPicturePath;
    if (sender && sender == WallPaperFolder) {
        picture.clear();
        if (folderTree() && folderTree()->SelectedTreeNode)
            picture = folderTree()->GetNodePath(folderTree()->SelectedTreeNode);
    } else if (sender && sender == WallPaperMyShow) {
        picture.clear();
        if (MyShowSG && MyShowSG->currentRow() >= 0) {
            const QTableWidgetItem* name = MyShowSG->item(MyShowSG->currentRow(), 3);
            const QTableWidgetItem* folder = MyShowSG->item(MyShowSG->currentRow(), 4);
            if (name && folder)
                picture = QDir::fromNativeSeparators(folder->text()) + QLatin1Char('/') + name->text();
        }
    }
    SetWallpaperTo(picture, sender);
}

void TForm1::SetWallpaperTo(const QString& picture, QObject*)
{
    WallpaperPath = picture;
    WallpaperNotBitmap = QFileInfo(picture).suffix().toLower() != QLatin1String("bmp") ? 1 : 0;
    if (picture.isEmpty() || !QFileInfo(picture).isFile()) {
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("The picture ") + picture + QStringLiteral(" does not exist"));
        return;
    }
    TForm18 dialog(this);
    WallpaperStyleChoice = -1;
    const int result = platform::execModal(dialog);
    if (result != 1)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    if (StatusPanel1)
        StatusPanel1->setText(WallpaperBeingSetText);
    QCoreApplication::processEvents();
    WallPaperAndStyle();
    UpdateFolderCaption();
    QApplication::restoreOverrideCursor();
}

void TForm1::WallPaperAndStyle()
{
    const QString failed = WriteWallpaperValues(WallpaperValuesFor(WallpaperPath, WallpaperStyleChoice));
    if (!failed.isEmpty()) {
        platform::showMessage(platform::PromptKind::Error, failed);
        return;
    }
    if (ApplyDesktopWallpaper(WallpaperPath, WallpaperStyleChoice) == WallpaperApplied::Failed)
        platform::showMessage(platform::PromptKind::Warning,
                              QStringLiteral("The desktop did not accept the new wallpaper"));
}
