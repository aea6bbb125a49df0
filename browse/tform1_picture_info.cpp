// TForm1: picture information. The browse preview (Image4 with its size,
// date and camera panel) and the MyShow preview (image2), and the sibling
// program's panel.
#include "base/file_helpers.h"
#include "base/found_file.h"
#include "base/layout_state.h"
#include "app/tform1.h"

#include "browse/background_work.h"
#include "browse/folder_tree_logic.h"
#include "browse/folder_tree_state.h"
#include "browse/folder_tree_widget.h"
#include "browse/external_programs.h"
#include "browse/picture_display.h"
#include "browse/picture_info.h"
#include "browse/thumbnail_files.h"
#include "formats/picture_file.h"
#include "formats/read_exif_info.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"
#include "base/start_modes.h"
#include "slideshow/show_state.h"
#include "sound/sound_state.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cmath>

namespace {

void setShown(QWidget* w, bool shown)
{
    if (w)
        w->setVisible(shown);
}

// The information lines size themselves to their text, as auto-sized
// labels do; the panel clips what does not fit.
void setLine(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

// Loads a picture for a preview, decoded no larger than the area needs.
QImage loadForPreview(const QString& path, QSize area, QSize* trueSize = nullptr)
{
    return LoadPicturePreview(path, area, trueSize);
}

// Fits the image into the area without an enlargement limit and centres it.
void showFitted(QLabel* label, const QImage& image, const QRect& area)
{
    if (!label || image.isNull() || area.isEmpty())
        return;
    const double fy = double(area.height()) / image.height();
    const double fx = double(area.width()) / image.width();
    const double f = fy >= fx ? fx : fy;
    const int w = std::max(1, int(std::nearbyint(image.width() * f)));
    const int h = std::max(1, int(std::nearbyint(image.height() * f)));
    label->setScaledContents(true);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2, w, h);
    label->show();
    label->repaint();
}

// The picture box of the previews (the same place in both panels): the one
// the window's layout keeps, else the designed one.
QRect previewArea(const TForm1* form, QLabel* label)
{
    if (!label)
        return {};
    if (PreviewDrawBounds.isValid() && !PreviewDrawBounds.isEmpty())
        return PreviewDrawBounds;
    const QRect designed = form->designBounds().value(QStringLiteral("image2"));
    return designed.isValid() ? designed : label->geometry();
}

struct PreviewWidgets {
    QLabel* image;
    QFrame* sizeDatePanel;
    QLabel* fileSize;
    QLabel* fileDate;
    QLabel* readOnly;
    QLabel* model;
    QFrame* noShowPanel;
    QLabel* video;
    QLabel* cannotOpen;
    QLabel* fileNotExist;
};

// The size, date, read-only and camera lines of an existing file.
void fillFileLines(const PreviewWidgets& w, const QString& path, const ExifInfo& exif)
{
    const QFileInfo info(path);
    if (w.fileSize)
        setLine(w.fileSize, PreviewSizeText(info.size()));
    if (w.fileDate)
        setLine(w.fileDate, PreviewDateText(platform::FileDosDate(path)));
    if (w.model)
        setLine(w.model, PreviewCameraText(exif.Camera));
    setShown(w.readOnly, platform::IsReadOnly(path));
}

// Counts the previews started; a preview whose decode was overtaken by a
// newer one leaves the panel to it.
quint64 g_previewGeneration = 0;

} // namespace

void TForm1::UpdateTarnivoPanelVisibility()
{
    if (!TarnivoPanel)
        return;
    // The panel presents the sibling renaming program; it shows only while
    // that program is installed.
    const bool sizeDateHidden = !SizeDatePanel4 || SizeDatePanel4->isHidden();
    TarnivoPanel->setVisible(TarnivoInstalled != 0 && sizeDateHidden && !OperationRunning && !HideTarnivoPanel);
}

void TForm1::ShowPictureInfo(const QString& Path, bool LoadImage, bool UseThumbnail)
{
    const PreviewWidgets w{Image4, SizeDatePanel4, FileSizeLabel4, FileDateLabel4, ReadOnlyLabel4,
                           ModelLabel4, NoShowPanel4, VideoLabel4, CannotOpenLabel4, FileNotExistLabel4};
    setShown(w.noShowPanel, false);
    setShown(w.cannotOpen, false);
    setShown(w.fileNotExist, false);
    setShown(w.video, false);
    const QChar kind = PreviewKind;
    const bool exists = QFileInfo(Path).isFile();
    // The voice controls: a picture has them; otherwise they stay only while
    // a recording plays.
    const bool playing = RecordingPlaying != 0;
    const bool voice = kind == QLatin1Char('P');
    setShown(MicroSB, voice && exists);
    setShown(VoiceBevel, voice || playing);
    setShown(VoicePlaySB, voice || playing);
    if (VoicePlaySB)
        VoicePlaySB->setEnabled(playing || (voice && QFileInfo::exists(VoicePathFor(Path))));
    if (kind == QLatin1Char('V'))
        for (QToolButton* b : Exe4SB)
            setShown(b, false);
    if (kind != QLatin1Char('P')) {
        setShown(w.image, false);
        setShown(w.sizeDatePanel, kind == QLatin1Char('V') && exists);
        setShown(w.video, kind == QLatin1Char('V'));
        if (kind == QLatin1Char('V') && exists)
            fillFileLines(w, Path, ExifInfo());
    } else if (!exists) {
        setShown(w.sizeDatePanel, false);
        setShown(w.image, false);
        setShown(w.fileNotExist, true);
    } else {
        ExifInfo exif;
        ReadExifInfo(Path, true, true, true, exif);
        fillFileLines(w, Path, exif);
        setShown(w.sizeDatePanel, true);
        if (Path != PreviewedPath) {
            if (LoadImage) {
                QApplication::processEvents();
                // The thumbnail and the decode run on workers while the
                // window serves its events; a newer preview started meanwhile
                // wins and this one ends without touching the panel.
                const quint64 generation = ++g_previewGeneration;
                QString source = Path;
                if (UseThumbnail) {
                    const int r = CreateOrRefreshThumbnailServingEvents(Path, ThumbnailPath(Path));
                    if (generation != g_previewGeneration)
                        return;
                    if (r == ThumbMade || r == ThumbUpToDate)
                        source = ThumbnailPath(Path);
                }
                const QRect area = previewArea(this, w.image);
                QImage image;
                QSize loaded;
                RunServingEvents([&] { image = loadForPreview(source, area.size(), &loaded); });
                if (generation != g_previewGeneration)
                    return;
                if (image.isNull()) {
                    setShown(w.image, false);
                    setShown(w.cannotOpen, true);
                } else {
                    if (UseThumbnail && w.model) {
                        QString dims;
                        if (!exif.Width.isEmpty() && !exif.Height.isEmpty())
                            dims = exif.Width + QStringLiteral(" x ") + exif.Height;
                        else {
                            // The size of the picture loaded (not of its copy scaled for the box).
                            if (!loaded.isValid())
                                loaded = image.size();
                            dims = QString::number(loaded.width()) + QStringLiteral(" x ") + QString::number(loaded.height());
                        }
                        setLine(w.model, w.model->text() + QStringLiteral("  ") + dims);
                    }
                    showFitted(w.image, image, area);
                    if (PictureToClipboard)
                        PictureToClipboard->setEnabled(true);
                }
            }
        } else {
            setShown(w.image, true);
            if (PictureToClipboard)
                PictureToClipboard->setEnabled(true);
        }
    }
    const bool noShow = (w.cannotOpen && !w.cannotOpen->isHidden()) || (w.fileNotExist && !w.fileNotExist->isHidden())
                        || (w.video && !w.video->isHidden());
    setShown(w.noShowPanel, noShow);
    UpdateTarnivoPanelVisibility();
    PreviewedPath = Path;
}

void TForm1::ShowMyShowPictureInfo(const QString& Path, bool LoadImage, bool FromBrowse)
{
    const PreviewWidgets w{image2, SizeDatePanel, FileSizeLabel, FileDateLabel, ReadOnlyLabel,
                           ModelLabel, NoShowPanel, VideoLabel, CannotOpenLabel, FileNotExistLabel};
    if (FromBrowse)
        MyShowPreviewedPath.clear();
    else if (Path == MyShowPreviewedPath)
        return;
    setShown(w.noShowPanel, false);
    setShown(w.cannotOpen, false);
    setShown(w.fileNotExist, false);
    setShown(w.video, false);
    if (!QFileInfo(Path).isFile()) {
        setShown(w.sizeDatePanel, false);
        setShown(w.image, false);
        setShown(w.fileNotExist, true);
        setShown(w.noShowPanel, true);
        MyShowPreviewedPath = Path;
        return;
    }
    ExifInfo exif;
    ReadExifInfo(Path, false, true, false, exif);
    fillFileLines(w, Path, exif);
    setShown(w.sizeDatePanel, true);
    if (LoadImage && w.image) {
        // From the browse preview the picture already shown there is taken over.
        QImage image;
        if (FromBrowse && Image4 && Path == PreviewedPath && !Image4->pixmap().isNull())
            image = Image4->pixmap().toImage();
        else
            image = loadForPreview(Path, previewArea(this, w.image).size());
        if (image.isNull()) {
            setShown(w.image, false);
            setShown(w.cannotOpen, true);
            setShown(w.noShowPanel, true);
        } else {
            showFitted(w.image, image, previewArea(this, w.image));
        }
    }
    MyShowPreviewedPath = Path;
}

namespace {

// The node is still one of the tree's (a refill deletes the old nodes).
bool nodeInTree(QTreeWidget* tree, QTreeWidgetItem* node)
{
    if (!tree || !node)
        return false;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (*it == node)
            return true;
    return false;
}

bool topWindowVisible(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return true;
    return false;
}

} // namespace

void TForm1::TreeView1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)
{
    Q_UNUSED(Shift);
    if (!TreeView1 || topWindowVisible("Form12") || ArgumentMode)
        return;
    if (isEnabled())
        TreeView1->setFocus(Qt::MouseFocusReason);
    if (Timer1 && !Timer1->isActive())
        Timer1->start();

    QTreeWidgetItem* node = nullptr;
    if (Sender != TreeView1 && Sender != TreeView1->viewport())
        node = nodeInTree(TreeView1, PreviewNode) ? PreviewNode : nullptr;
    else
        node = TreeView1->itemAt(X, Y);
    if (!node)
        return;
    const QString path = GetNodePath(node);
    if (path.isEmpty() || path == TreeHoverPath)
        return;
    PreviewNode = node;

    if (FileDateLabel4 && FileSizeLabel4)
        FileDateLabel4->move(FileSizeLabel4->x() + 50, FileSizeLabel4->y());
    if (TimerThumbnail)
        TimerThumbnail->stop();
    if (PathToClipboard)
        PathToClipboard->setEnabled(true);

    const int image = node->data(0, TreeImageRole).toInt();
    if (image == VideoImageIndex || IsVideoImage(image))
        PreviewKind = QLatin1Char('V');
    else if (image >= 4 && image <= 17)
        PreviewKind = QLatin1Char('P');
    else
        PreviewKind = QLatin1Char('O');
    const bool video = PreviewKind == QLatin1Char('V');
    const bool picture = PreviewKind == QLatin1Char('P');
    if (!video && !picture && PathToClipboard)
        PathToClipboard->setEnabled(false);

    if (video || picture) {
        const QString what = video ? QStringLiteral("video") : QStringLiteral("picture");
        if (SavePictureTo)
            SavePictureTo->setText(QStringLiteral("&Save ") + what + QStringLiteral(" to"));
        if (MovePictureTo)
            MovePictureTo->setText(QStringLiteral("&Move ") + what + QStringLiteral(" to"));
        if (SendRecycleBin)
            SendRecycleBin->setText(QStringLiteral("Send ") + what + QStringLiteral(" to Recycle &Bin"));
        if (RenamePicture)
            RenamePicture->setText(QStringLiteral("Re&name ") + what);
        if (FileOperations)
            FileOperations->setEnabled(true);
        TreeView1->setCurrentItem(node);
    } else if (FileOperations) {
        FileOperations->setEnabled(false);
    }

    CurrentPicturePath = path;
    TreeHoverPath = path;
    if (PictureToClipboard)
        PictureToClipboard->setEnabled(false);
    if (!picture) {
        ShowPictureInfo(path, true, true);
    } else {
        // The picture itself is shown a moment later, when the mouse rests.
        ThumbnailPreviewPath = path;
        ThumbnailPreviewFromTree = true;
        if (TimerThumbnail)
            TimerThumbnail->start();
    }

    if (video || picture) {
        const qint64 bytes = node->data(0, TreeSizeRole).toLongLong();
        if (FileSizeLabel4)
            setLine(FileSizeLabel4, PreviewSizeText(bytes));
        const bool exists = QFileInfo(path).isFile();
        if (FileExistsDated(path)) {
            if (FileDateLabel4)
                setLine(FileDateLabel4, PreviewDateText(uint32_t(FoundFile.Time)));
        } else {
            if (FileDateLabel4)
                setLine(FileDateLabel4, QStringLiteral("Date unknown"));
            if (!exists && FileSizeLabel4)
                setLine(FileSizeLabel4, QStringLiteral("Could not be determined"));
        }
        ExifInfo exif;
        ReadExifInfo(path, false, true, false, exif);
        if (ModelLabel4)
            setLine(ModelLabel4, PreviewCameraText(exif.Camera));
        setShown(ReadOnlyLabel4, exists && platform::IsReadOnly(path));
        setShown(SizeDatePanel4, exists);
        setShown(Image4, exists && picture && Image4 && !Image4->pixmap().isNull());
    }

    if ((!MyShowSG || MyShowSG->isHidden()) && PlaybackActive == 0 && !topWindowVisible("Form16")) {
        activateWindow();
        raise();
    }
}
