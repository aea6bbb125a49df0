// The main window's picture information and thumbnail files: the manual
// creation window, the one-time notice and the tree's hover preview wiring.
#include "browse/picture_info_controller.h"

#include "base/settings_record.h"
#include "browse/folder_tree_state.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_files_window.h"
#include "platform/prompt.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

// The tree's mouse moves go to the host's TreeView1MouseMove.
class TreeHoverFilter : public QObject {
public:
    TreeHoverFilter(QObject* parent, QTreeWidget* tree, PictureInfoHost* host)
        : QObject(parent), tree_(tree), host_(host)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && tree_ && watched == tree_->viewport()) {
            auto* move = static_cast<QMouseEvent*>(event);
            const QPoint p = move->position().toPoint();
            host_->TreeView1MouseMove(tree_, move->modifiers(), p.x(), p.y());
        }
        return false;
    }

private:
    QTreeWidget* tree_;
    PictureInfoHost* host_;
};

} // namespace

PictureInfoController::PictureInfoController(std::unique_ptr<PictureInfoHost> host)
    : QObject(host->widgets().Window), m_host(std::move(host)), m_w(m_host->widgets())
{
    setObjectName(QStringLiteral("PictureInfoController"));
}

PictureInfoController::~PictureInfoController() = default;

void PictureInfoController::SetupThumbnailFiles()
{
    if (m_thumbnailFilesSetUp)
        return;
    m_thumbnailFilesSetUp = true;
    m_host->InstallLoaderSteps();
    for (QAction* action : {m_w.TBMakeSmall, m_w.MMakeSmall, m_w.MakeSmall})
        if (action)
            connect(action, &QAction::triggered, this, &PictureInfoController::MakeSmallClick);
    if (m_w.TreeView1) {
        m_w.TreeView1->setMouseTracking(true);
        m_w.TreeView1->viewport()->setMouseTracking(true);
        m_w.TreeView1->viewport()->installEventFilter(new TreeHoverFilter(this, m_w.TreeView1, m_host.get()));
    }
}

int PictureInfoController::CreateOrRefreshThumbnail(const QString& Picture, const QString& Thumbnail,
                                                    const QString& SlotName, bool FromPreview, bool IgnoreDrive,
                                                    bool ForceRenew, bool SetPictureDate)
{
    return ::CreateOrRefreshThumbnail(Picture, Thumbnail, SlotName, FromPreview, IgnoreDrive, ForceRenew,
                                      SetPictureDate);
}

void PictureInfoController::MakeSmallClick()
{
    if (SelectedFolder.isEmpty())
        return;
    TForm38 window(SelectedFolder, m_w.Window);
    platform::execModal(window);
    m_host->RefreshSelectedFolder();
}

void PictureInfoController::ThumbnailInfoOnce()
{
    if (m_thumbnailInfoAsked || Settings.ThumbInfoShown != 0)
        return;
    m_thumbnailInfoAsked = true;
    const QString question = QStringLiteral("Important information about the use of thumbnails") + QStringLiteral("\n\n")
                             + QStringLiteral("Are you familiar with Vistamo!'s SmallPics folders?");
    const bool familiar = platform::showMessage(platform::PromptKind::Confirmation, question, platform::kYesNo)
                          == platform::PromptAnswer::Yes;
    TForm39 window(familiar, m_w.Window);
    platform::execModal(window);
    if (!window.CBNext->isChecked())
        Settings.ThumbInfoShown = 1;
}
