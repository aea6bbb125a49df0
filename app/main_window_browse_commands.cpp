// The main window's browse and MyShow commands: the current picture added
// to the open show, the Draft show, the full view from the menus and from a
// click on either preview, the MyShow list's preview of its selected row and
// the two play-order boxes.
#include "app/main_window.h"
#include "browse/fit_zoom_section.h"

#include "app/options_dialog_logic.h"
#include "base/settings_record.h"
#include "browse/folder_tree_section.h"
#include "browse/page_state.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info_controller.h"
#include "browse/preview_panel.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_page_section.h"
#include "platform/prompt.h"
#include "shows/my_show_controller.h"
#include "shows/show_file.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>

#include <algorithm>

void MainWindow::AddCurrentPictureToMyShow()
{
    const QString path = pictureDisplay()->displayState().CurrentPicturePath;
    if (path.isEmpty() || !QFileInfo(path).isFile() || !m_openShow.ShowFile.IsOpen())
        return;
    if (m_openShow.ShowChangeable == 1)
        myShow()->AddPictureToMyShow(path);
    else
        platform::showMessage(platform::PromptKind::Plain,
                              QStringLiteral("Picture can not be added to a show on a full or non-writable disk"));
}

void MainWindow::Image4Click()
{
    const QString path = pictureInfo() ? pictureInfo()->PreviewedPath : QString();
    if (!path.isEmpty() && m_browsePreview->pictureShown())
        FitZoomSect->ShowPictureFull(path);
}

void MainWindow::Image2Click()
{
    const QString path = pictureInfo() ? pictureInfo()->MyShowPreviewedPath : QString();
    if (!path.isEmpty() && m_showPreview->pictureShown())
        FitZoomSect->ShowPictureFull(path);
}

void MainWindow::ShowPicFullPopClick()
{
    // Over a page: the original of the selected picture.
    if (thumbnailPage()->PageShowRuns() && thumbnailPage()->PageView->ThumbnailViewActive()) {
        ThumbnailPageController* page = thumbnailPage()->PageView;
        const int slot = page->SelectedSlot();
        if (slot < 0 || slot >= page->State().count())
            return;
        const MasterPicture master = FindMasterPicture(page->State().cell(slot).path);
        if (master.exists)
            FitZoomSect->ShowPageCellFull(master.path);
        return;
    }
    const QString path = pictureDisplay()->displayState().CurrentPicturePath;
    if (!path.isEmpty())
        FitZoomSect->ShowPictureFull(path);
}

void MainWindow::MyShowSGSelectCell()
{
    if (!pictureInfo())
        return;
    const QTableWidget* const list = showList()->grid();
    const int row = list->currentRow();
    const QTableWidgetItem* name = row >= 0 ? list->item(row, 3) : nullptr;
    const QTableWidgetItem* folder = row >= 0 ? list->item(row, 4) : nullptr;
    if (!name || !folder)
        return;
    const QString path = QDir::fromNativeSeparators(folder->text()) + QLatin1Char('/') + name->text();
    // A picture just added from the tree takes over the browse preview's picture.
    pictureInfo()->ShowMyShowPictureInfo(path, true, path == pictureInfo()->PreviewedPath);
}

void MainWindow::ConnectBrowseCommands()
{
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(actionNamed("AddPicMyShow"), [this] { AddCurrentPictureToMyShow(); });
    onClick(actionNamed("ClearExclusions"), [this] { folderTreeSection()->ClearExclusionsClick(); });
    onClick(actionNamed("AddPicMyShowPop"), [this] { AddCurrentPictureToMyShow(); });

    // The full view of the browse picture, of the MyShow picture and of the
    // tree pop-up's picture.
    const auto showBrowsePicture = [this] {
        const QString preview = pictureInfo() ? pictureInfo()->PreviewedPath : QString();
        const QString path = preview.isEmpty() ? pictureDisplay()->displayState().CurrentPicturePath : preview;
        if (!path.isEmpty())
            FitZoomSect->ShowPictureFull(path);
    };
    onClick(actionNamed("ShowPicFullHidden"), [this] {
        const QString path = pictureDisplay()->displayState().CurrentPicturePath;
        if (!path.isEmpty())
            FitZoomSect->ShowPictureFull(path);
    });
    onClick(actionNamed("ShowPicFullFolder"), showBrowsePicture);
    onClick(actionNamed("ShowPicFullMyShow"), [this] { Image2Click(); });
    onClick(actionNamed("ShowPicFullPop"), [this] { ShowPicFullPopClick(); });
    connect(m_browsePreview, &PreviewPanel::pictureClicked, this, [this] { Image4Click(); });
    connect(m_showPreview, &PreviewPanel::pictureClicked, this, [this] { Image2Click(); });
    connect(showList()->grid(), &QTableWidget::itemSelectionChanged, this, [this] { MyShowSGSelectCell(); });

    // The play order of the folder shows, as the Options set it.
    connect(m_browsePreview, &PreviewPanel::playOrderChosen, this, [this](int index) {
        m_state.settings.Settings.PlayOrder = index;
        m_state.session.PlayOptions.PlayOrder = index;
    });
    // The play order of the open show.
    if (m_showPreview->playOrderCount() == 0)
        m_showPreview->setPlayOrderItems(NewShowPlayOrderItems());
    m_openShow.PlayOrder = std::clamp<int32_t>(m_state.settings.Settings.NewShowPlayOrder, 0, 5);
    m_showPreview->setPlayOrder(m_openShow.PlayOrder);
    connect(m_showPreview, &PreviewPanel::playOrderChosen, this, [this](int index) { m_openShow.PlayOrder = index; });
}
