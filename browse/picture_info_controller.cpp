// The main window's picture information and thumbnail files: what the
// browse preview and the MyShow preview show (picture, message, file
// information), the sibling program's panel, the tree's hover preview, the manual
// creation window and the one-time notice.
#include "browse/picture_info_controller.h"

#include "base/file_helpers.h"
#include "base/layout_state.h"
#include "base/named_timer.h"
#include "base/found_file.h"
#include "base/settings_store.h"
#include "base/start_context.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "browse/folder_tree_logic.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_info.h"
#include "browse/preview_panel.h"
#include "browse/preview_request.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_files_window.h"
#include "formats/picture_file.h"
#include "formats/read_exif_info.h"
#include "platform/designed_widgets.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"
#include "platform/prompt.h"
#include "platform/prompt_dialogs.h"
#include "shows/show_windows.h"
#include "sound/sound_plan.h"
#include "sound/sound_state.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// The tree's mouse moves go to TreeView1MouseMove.
class TreeHoverFilter : public QObject {
public:
    TreeHoverFilter(PictureInfoController* section, QTreeWidget* tree)
        : QObject(section), tree_(tree), section_(section)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && tree_ && watched == tree_->viewport()) {
            auto* move = static_cast<QMouseEvent*>(event);
            section_->TreeView1MouseMove(move->position().toPoint());
        }
        return false;
    }

private:
    QTreeWidget* tree_;
    PictureInfoController* section_;
};

PictureInfoItems TakePictureInfoItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    return {
        .TBMakeSmall = action("TBMakeSmall"),
        .MMakeSmall = action("MMakeSmall"),
        .MakeSmall = action("MakeSmall"),
        .PictureToClipboard = action("PictureToClipboard"),
        .PathToClipboard = action("PathToClipboard"),
        .FileOperations = platform::MenuNamed(window, "FileOperations"),
        .SavePictureTo = action("SavePictureTo"),
        .MovePictureTo = action("MovePictureTo"),
        .SendRecycleBin = action("SendRecycleBin"),
        .RenamePicture = action("RenamePicture"),
    };
}

} // namespace

PictureInfoController::PictureInfoController(const PictureInfoWidgets& widgets, const PictureInfoSources& sources,
                                             SettingsStore& settings, const DataPaths& paths,
                                             const EnvironmentInfo& environment, const StartContext& start,
                                             ShowSession& session)
    : QObject(widgets.Window), m_tree(sources.tree), m_display(sources.display), m_layout(sources.layout),
      m_designBounds(sources.designBounds), m_sound(sources.sound), m_externalPrograms(sources.externalPrograms),
      m_session(session), m_settings(settings), m_paths(paths), m_environment(environment), m_start(start),
      m_w{widgets, TakePictureInfoItems(*widgets.Window)}
{
    setObjectName(QStringLiteral("PictureInfoController"));
    m_thumbnailTimer = MakeNamedTimer(this, "TimerThumbnail", 100, true);
    m_browsePreview = new PreviewRequest(this);
    m_myShowPreview = new PreviewRequest(this);
    connect(m_browsePreview, &PreviewRequest::loaded, this,
            [this](quint64, const QImage& image, QSize loaded) { PreviewImageAnswered(image, loaded); });
    connect(m_browsePreview, &PreviewRequest::failed, this,
            [this](quint64, const LoadError&) { PreviewImageAnswered(QImage(), QSize()); });
    connect(m_browsePreview, &PreviewRequest::thumbnailStatus, this, &PictureInfoController::thumbnailStatus);
    connect(m_myShowPreview, &PreviewRequest::loaded, this,
            [this](quint64, const QImage& image, QSize) { MyShowImageAnswered(image); });
    connect(m_myShowPreview, &PreviewRequest::failed, this,
            [this](quint64, const LoadError&) { MyShowImageAnswered(QImage()); });
    m_browseFacts = new PreviewFactsRequest(this);
    m_myShowFacts = new PreviewFactsRequest(this);
    connect(m_browseFacts, &PreviewFactsRequest::read, this, [this](const QString& path, const PreviewFacts&) {
        if (path == m_browseLine.path)
            ShowBrowseCameraLine();
    });
    connect(m_myShowFacts, &PreviewFactsRequest::read, this, [this](const QString& path, const PreviewFacts& facts) {
        if (path == m_myShowLinePath)
            m_w.ShowPreview->setCameraLine(PreviewCameraText(facts.exif.Camera));
    });
}

PictureInfoController::~PictureInfoController() = default;

void PictureInfoController::SetShowManager(ShowManagerWindow* window) { m_showManager = window; }

void PictureInfoController::SetupThumbnailFiles()
{
    if (m_thumbnailFilesSetUp)
        return;
    m_thumbnailFilesSetUp = true;
    for (QAction* action : {m_w.TBMakeSmall, m_w.MMakeSmall, m_w.MakeSmall})
        if (action)
            connect(action, &QAction::triggered, this, &PictureInfoController::MakeSmallClick);
    if (m_w.TreeView1) {
        m_w.TreeView1->setMouseTracking(true);
        m_w.TreeView1->viewport()->setMouseTracking(true);
        m_w.TreeView1->viewport()->installEventFilter(new TreeHoverFilter(this, m_w.TreeView1));
    }
}

void PictureInfoController::MakeSmallClick()
{
    const QString SelectedFolder = m_tree.SelectedFolder;
    if (SelectedFolder.isEmpty())
        return;
    ThumbnailOptionsDialog window(m_settings, m_paths, m_environment, SelectedFolder,
                   m_start.DemoMode != 0, m_w.Window);
    platform::execModal(window);
    emit folderRefreshWanted();
}

void PictureInfoController::ThumbnailInfoOnce()
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (m_thumbnailInfoAsked || Settings.ThumbInfoShown != 0)
        return;
    m_thumbnailInfoAsked = true;
    const QString question = QStringLiteral("Important information about the use of thumbnails") + QStringLiteral("\n\n")
                             + QStringLiteral("Are you familiar with Vistamo!'s SmallPics folders?");
    const bool familiar = platform::showMessage(platform::PromptKind::Confirmation, question, platform::kYesNo)
                          == platform::PromptAnswer::Yes;
    ThumbnailRunWindow window(m_environment, familiar, m_w.Window);
    platform::execModal(window);
    if (!window.CBNext->isChecked())
        Settings.ThumbInfoShown = 1;
}

// ---- picture information ---------------------------------------------------------------

namespace {

// The picture box of the previews (the same place in both panels): the one
// the window's layout keeps, else the designed one.
QRect previewArea(const LayoutState& layout, const QHash<QString, QRect>& designBounds, const PreviewPanel* panel)
{
    const QRect kept = layout.PreviewDrawBounds;
    if (kept.isValid() && !kept.isEmpty())
        return kept;
    const QRect designed = designBounds.value(QStringLiteral("image2"));
    return designed.isValid() ? designed : panel->pictureGeometry();
}

// The size, date, read-only and camera lines of an existing file.
void fillFileLines(PreviewPanel* panel, const QString& path, const QString& camera)
{
    const QFileInfo info(path);
    panel->setInfoLines(PreviewSizeText(info.size()), PreviewDateText(platform::FileDosDate(path)), camera,
                        platform::IsReadOnly(path));
}

// "W x H": the size the picture's data names (its EXIF dimensions, else
// its header's), else the size of the file decoded (not of its copy scaled
// for the box). Its blanks do not break, so a line too long for the panel
// wraps before the size, never inside it.
QString previewDimensions(const PreviewFacts& facts, QSize loaded)
{
    const QString by = QStringLiteral("\u00A0x\u00A0");
    if (!facts.exif.Width.isEmpty() && !facts.exif.Height.isEmpty())
        return facts.exif.Width + by + facts.exif.Height;
    const QSize size = facts.size.isValid() ? facts.size : loaded;
    return QString::number(size.width()) + by + QString::number(size.height());
}

} // namespace

void PictureInfoController::UpdateTarnivoPanelVisibility()
{
    // The panel presents the sibling renaming program; it shows only while
    // that program is installed.
    PreviewPanel* const browse = m_w.BrowsePreview;
    browse->setSiblingPanelShown((m_externalPrograms.TarnivoInstalled != 0) && !browse->infoShown() && !OperationRunning
                                 && !HideTarnivoPanel);
}

// The voice controls: a picture has them; otherwise they stay only while
// a recording plays.
void PictureInfoController::ShowPreviewVoiceControls(const QString& Path, bool exists)
{
    const bool playing = (m_sound.RecordingPlaying != 0);
    const bool voice = PreviewKind == QLatin1Char('P');
    m_w.BrowsePreview->setVoiceControls(voice && exists, voice || playing,
                                        playing || (voice && QFileInfo::exists(VoicePathFor(Path))));
}

// Asks for the picture (or its thumbnail) for the browse preview;
// PreviewImageAnswered shows it. A newer preview replaces this one.
void PictureInfoController::RequestPreviewImage(const QString& Path, bool UseThumbnail)
{
    m_pendingPreview = {Path, UseThumbnail};
    std::optional<ThumbnailOptions> thumbnail;
    if (UseThumbnail)
        thumbnail = CurrentThumbnailOptions(m_settings, m_start.DemoMode != 0);
    m_browsePreview->Request(Path, previewArea(m_layout, m_designBounds, m_w.BrowsePreview).size(), thumbnail);
}

// The browse preview's picture has arrived (a null image: it can't be
// shown): the preview shows it and the camera line gets its dimensions.
void PictureInfoController::PreviewImageAnswered(const QImage& image, QSize loaded)
{
    PreviewPanel* const panel = m_w.BrowsePreview;
    const PendingPreview pending = m_pendingPreview;
    if (image.isNull()) {
        panel->setPictureShown(false);
        panel->showMessage(PreviewPanel::Message::CannotShow);
    } else {
        if (pending.useThumbnail && pending.path == m_browseLine.path) {
            m_browseLine.withSize = true;
            m_browseLine.loaded = loaded.isValid() ? loaded : image.size();
            ShowBrowseCameraLine();
        }
        panel->showPicture(image, previewArea(m_layout, m_designBounds, panel), pending.path);
        if (m_w.PictureToClipboard)
            m_w.PictureToClipboard->setEnabled(true);
    }
    FinishPictureInfo(pending.path);
}

// The browse preview's last lines: the sibling panel and the path now
// previewed.
void PictureInfoController::FinishPictureInfo(const QString& Path)
{
    UpdateTarnivoPanelVisibility();
    PreviewedPath = Path;
}

void PictureInfoController::ShowPictureInfo(const QString& Path, bool LoadImage, bool UseThumbnail)
{
    PreviewPanel* const panel = m_w.BrowsePreview;
    // A preview still waiting for its picture is replaced by this one.
    m_browsePreview->Cancel();
    panel->showMessage(PreviewPanel::Message::None);
    const QChar kind = PreviewKind;
    const bool exists = QFileInfo(Path).isFile();
    ShowPreviewVoiceControls(Path, exists);
    if (kind == QLatin1Char('V'))
        panel->hideEditPrograms();
    if (kind != QLatin1Char('P')) {
        panel->setPictureShown(false);
        panel->setInfoShown(kind == QLatin1Char('V') && exists);
        if (kind == QLatin1Char('V'))
            panel->showMessage(PreviewPanel::Message::Video);
        m_browseLine = {};
        if (kind == QLatin1Char('V') && exists)
            fillFileLines(panel, Path, PreviewCameraText(QString()));
    } else if (!exists) {
        panel->setInfoShown(false);
        panel->setPictureShown(false);
        panel->showMessage(PreviewPanel::Message::FileNotExist);
    } else {
        // The camera line follows the picture's facts, read on a worker.
        if (m_browseLine.path != Path)
            m_browseLine = {.path = Path};
        if (Path != PreviewedPath)
            m_browseLine.withSize = false;
        fillFileLines(panel, Path, QString());
        ShowBrowseCameraLine();
        panel->setInfoShown(true);
        if (Path != PreviewedPath) {
            if (LoadImage) {
                // The rest follows the picture's answer.
                RequestPreviewImage(Path, UseThumbnail);
                return;
            }
        } else {
            panel->setPictureShown(true);
            if (m_w.PictureToClipboard)
                m_w.PictureToClipboard->setEnabled(true);
        }
    }
    FinishPictureInfo(Path);
}

void PictureInfoController::ShowBrowseCameraLine()
{
    const std::optional<PreviewFacts> facts = m_browseFacts->Known(m_browseLine.path);
    if (!facts) {
        m_w.BrowsePreview->setCameraLine(QString());
        m_browseFacts->Request(m_browseLine.path);
        return;
    }
    QString line = PreviewCameraText(facts->exif.Camera);
    if (m_browseLine.withSize)
        line += QStringLiteral("  ") + previewDimensions(*facts, m_browseLine.loaded);
    m_w.BrowsePreview->setCameraLine(line);
}

void PictureInfoController::PictureRewritten(const QString& path)
{
    m_browseFacts->Forget(path);
    m_myShowFacts->Forget(path);
    // A preview of the picture shows it anew, with its new facts.
    if (path == PreviewedPath && m_w.BrowsePreview->pictureShown()) {
        PreviewedPath.clear();
        m_browseLine = {};
        ShowPictureInfo(path, true, true);
    }
    if (path == MyShowPreviewedPath && m_w.ShowPreview->pictureShown())
        RefitMyShowPreview();
}

void PictureInfoController::RefitBrowsePreview()
{
    if (PreviewedPath.isEmpty())
        return;
    const QString path = PreviewedPath;
    PreviewedPath.clear();
    ShowPictureInfo(path, true, true);
}

void PictureInfoController::RefitMyShowPreview()
{
    if (MyShowPreviewedPath.isEmpty())
        return;
    const QString path = MyShowPreviewedPath;
    MyShowPreviewedPath.clear();
    ShowMyShowPictureInfo(path, true, false);
}

void PictureInfoController::ShowMyShowPictureInfo(const QString& Path, bool LoadImage, bool FromBrowse)
{
    PreviewPanel* const panel = m_w.ShowPreview;
    if (FromBrowse)
        MyShowPreviewedPath.clear();
    else if (Path == MyShowPreviewedPath)
        return;
    // A picture still waiting for the MyShow preview is replaced.
    m_myShowPreview->Cancel();
    panel->showMessage(PreviewPanel::Message::None);
    if (!QFileInfo(Path).isFile()) {
        panel->setInfoShown(false);
        panel->setPictureShown(false);
        panel->showMessage(PreviewPanel::Message::FileNotExist);
        MyShowPreviewedPath = Path;
        return;
    }
    // The camera line follows the picture's facts, read on a worker.
    m_myShowLinePath = Path;
    const std::optional<PreviewFacts> known = m_myShowFacts->Known(Path);
    fillFileLines(panel, Path, known ? PreviewCameraText(known->exif.Camera) : QString());
    if (!known)
        m_myShowFacts->Request(Path);
    panel->setInfoShown(true);
    if (LoadImage) {
        // From the browse preview the picture already shown there is taken
        // over; otherwise it is asked for on a worker.
        m_pendingMyShowPath = Path;
        const PreviewPanel* browse = m_w.BrowsePreview;
        if (FromBrowse && Path == PreviewedPath && !browse->picture().isNull())
            MyShowImageAnswered(browse->picture().toImage());
        else
            m_myShowPreview->Request(Path, previewArea(m_layout, m_designBounds, panel).size(), std::nullopt);
    }
    MyShowPreviewedPath = Path;
}

// The MyShow preview's picture has arrived (a null image: it can't be shown).
void PictureInfoController::MyShowImageAnswered(const QImage& image)
{
    PreviewPanel* const panel = m_w.ShowPreview;
    if (image.isNull()) {
        panel->setPictureShown(false);
        panel->showMessage(PreviewPanel::Message::CannotShow);
    } else {
        panel->showPicture(image, previewArea(m_layout, m_designBounds, panel), m_pendingMyShowPath);
    }
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

// The preview kind of a tree image index: 'V' video, 'P' picture, 'O' other.
QChar hoverPreviewKind(int image, int videoImageIndex)
{
    if (image == videoImageIndex || IsVideoImage(image))
        return QLatin1Char('V');
    if (image >= 4 && image <= 17)
        return QLatin1Char('P');
    return QLatin1Char('O');
}

} // namespace

// The file operation items name the hovered kind ("&Save video to") and are
// enabled for videos and pictures only.
void PictureInfoController::CaptionHoverFileOperations(QTreeWidgetItem* node, bool video, bool picture)
{
    if (video || picture) {
        const QString what = video ? QStringLiteral("video") : QStringLiteral("picture");
        if (m_w.SavePictureTo)
            m_w.SavePictureTo->setText(QStringLiteral("&Save ") + what + QStringLiteral(" to"));
        if (m_w.MovePictureTo)
            m_w.MovePictureTo->setText(QStringLiteral("&Move ") + what + QStringLiteral(" to"));
        if (m_w.SendRecycleBin)
            m_w.SendRecycleBin->setText(QStringLiteral("Send ") + what + QStringLiteral(" to Recycle &Bin"));
        if (m_w.RenamePicture)
            m_w.RenamePicture->setText(QStringLiteral("Re&name ") + what);
        if (m_w.FileOperations)
            m_w.FileOperations->menuAction()->setEnabled(true);
        m_w.TreeView1->setCurrentItem(node);
    } else if (m_w.FileOperations) {
        // The item greys; the submenu itself stays able to open once the
        // item is enabled again (as the File menu's captions do in a show).
        m_w.FileOperations->menuAction()->setEnabled(false);
    }
}

// The size, date, camera and read-only lines of a hovered video or picture.
void PictureInfoController::ShowHoverFileLines(QTreeWidgetItem* node, const QString& path, bool picture)
{
    PreviewPanel* const panel = m_w.BrowsePreview;
    QString size = PreviewSizeText(node->data(0, TreeSizeRole).toLongLong());
    QString date;
    const bool exists = QFileInfo(path).isFile();
    TSearchRec FoundFile;
    if (FileExistsDated(path, &FoundFile)) {
        date = PreviewDateText(uint32_t(FoundFile.Time));
    } else {
        date = QStringLiteral("Date unknown");
        if (!exists)
            size = QStringLiteral("Could not be determined");
    }
    // The camera line follows the picture's facts, read on a worker.
    if (exists) {
        m_browseLine = {.path = path};
        panel->setInfoLines(size, date, QString(), platform::IsReadOnly(path));
        ShowBrowseCameraLine();
    } else {
        m_browseLine = {};
        panel->setInfoLines(size, date, PreviewCameraText(QString()), false);
    }
    panel->setInfoShown(exists);
    panel->setPictureShown(exists && picture && !panel->picture().isNull());
}

void PictureInfoController::PreviewTreeNode(QTreeWidgetItem* node)
{
    if (node)
        PreviewNode = node;
    if (!treeActive())
        return;
    // The remembered node is previewed while it is still in the tree.
    if (nodeInTree(m_w.TreeView1, PreviewNode))
        ShowNodePreview(PreviewNode);
}

void PictureInfoController::PreviewOpenedFolder(const QString& folder)
{
    PreviewNode = nullptr;
    TreeHoverPath.clear();
    if (m_thumbnailTimer)
        m_thumbnailTimer->stop();
    PreviewKind = QLatin1Char('O');
    ShowPictureInfo(folder, true, true);
}

void PictureInfoController::TreeView1MouseMove(QPoint at)
{
    if (!treeActive())
        return;
    if (QTreeWidgetItem* node = m_w.TreeView1->itemAt(at))
        ShowNodePreview(node);
}

bool PictureInfoController::treeActive()
{
    if (!m_w.TreeView1 || m_start.ArgumentMode)
        return false;
    if (m_w.Window->isEnabled())
        m_w.TreeView1->setFocus(Qt::MouseFocusReason);
    if (m_w.Timer1 && !m_w.Timer1->isActive())
        m_w.Timer1->start();
    return true;
}

void PictureInfoController::ShowNodePreview(QTreeWidgetItem* node)
{
    const QString path = m_tree.GetNodePath(node);
    if (path.isEmpty() || path == TreeHoverPath)
        return;
    PreviewNode = node;

    if (m_thumbnailTimer)
        m_thumbnailTimer->stop();
    if (m_w.PathToClipboard)
        m_w.PathToClipboard->setEnabled(true);

    PreviewKind = hoverPreviewKind(node->data(0, TreeImageRole).toInt(), m_tree.VideoImageIndex);
    const bool video = PreviewKind == QLatin1Char('V');
    const bool picture = PreviewKind == QLatin1Char('P');
    if (!video && !picture && m_w.PathToClipboard)
        m_w.PathToClipboard->setEnabled(false);

    CaptionHoverFileOperations(node, video, picture);

    m_display.CurrentPicturePath = path;
    TreeHoverPath = path;
    if (m_w.PictureToClipboard)
        m_w.PictureToClipboard->setEnabled(false);
    if (!picture) {
        ShowPictureInfo(path, true, true);
    } else {
        // The picture itself is shown a moment later, when the mouse rests.
        ThumbnailPreviewPath = path;
        ThumbnailPreviewFromTree = true;
        if (m_thumbnailTimer)
            m_thumbnailTimer->start();
    }

    if (video || picture)
        ShowHoverFileLines(node, path, picture);

    if ((!m_w.MyShowSG || m_w.MyShowSG->isHidden()) && m_session.PlaybackActive == 0 && !(m_showManager && m_showManager->isVisible())) {
        m_w.Window->activateWindow();
        m_w.Window->raise();
    }
}

void PictureInfoController::TimerThumbnailTimer()
{
    if (m_thumbnailTimer)
        m_thumbnailTimer->stop();
    if (ThumbnailPreviewPath.isEmpty())
        return;
    if (ThumbnailPreviewFromTree)
        ShowPictureInfo(ThumbnailPreviewPath, true, true);
    else
        ShowMyShowPictureInfo(ThumbnailPreviewPath, true, false);
}
