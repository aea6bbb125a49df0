// TForm1: thumbnail files. The picture loader's thumbnail and information
// steps, the status of thumbnail making, the manual creation window and the
// one-time notice.
#include "base/settings_record.h"
#include "app/tform1.h"
#include "browse/folder_tree_state.h"
#include "browse/picture_info.h"
#include "browse/picture_loader.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_files_window.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

// The loader's steps of thumbnails and information and the status of
// thumbnail making, installed at start unless something else already
// installed its own.
void installLoaderSteps()
{
    InstallThumbnailLoaderSteps(false);
    if (!ThumbnailStatusSink())
        ThumbnailStatusSink() = [](const QString& text) {
            if (Form1 && Form1->StatusPanel0)
                Form1->StatusPanel0->setText(text);
        };
}

// Wires the concern when a main window is first shown.
class ThumbnailFilesWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<TForm1*>(watched))
                form->SetupThumbnailFiles();
        return false;
    }
};

// The tree's mouse moves go to TreeView1MouseMove.
class TreeHoverFilter : public QObject {
public:
    explicit TreeHoverFilter(TForm1* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && form_->TreeView1 && watched == form_->TreeView1->viewport()) {
            auto* move = static_cast<QMouseEvent*>(event);
            const QPoint p = move->position().toPoint();
            form_->TreeView1MouseMove(form_->TreeView1, move->modifiers(), p.x(), p.y());
        }
        return false;
    }

private:
    TForm1* form_;
};

void startThumbnailFiles()
{
    installLoaderSteps();
    qApp->installEventFilter(new ThumbnailFilesWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startThumbnailFiles)

void TForm1::SetupThumbnailFiles()
{
    if (m_thumbnailFilesSetUp)
        return;
    m_thumbnailFilesSetUp = true;
    installLoaderSteps();
    for (QAction* action : {TBMakeSmall, MMakeSmall, MakeSmall})
        if (action)
            connect(action, &QAction::triggered, this, &TForm1::MakeSmallClick);
    if (TreeView1) {
        TreeView1->setMouseTracking(true);
        TreeView1->viewport()->setMouseTracking(true);
        TreeView1->viewport()->installEventFilter(new TreeHoverFilter(this));
    }
}

int TForm1::CreateOrRefreshThumbnail(const QString& Picture, const QString& Thumbnail, const QString& SlotName,
                                     bool FromPreview, bool IgnoreDrive, bool ForceRenew, bool SetPictureDate)
{
    return ::CreateOrRefreshThumbnail(Picture, Thumbnail, SlotName, FromPreview, IgnoreDrive, ForceRenew,
                                      SetPictureDate);
}

void TForm1::MakeSmallClick()
{
    if (SelectedFolder.isEmpty())
        return;
    TForm38 window(SelectedFolder, this);
    platform::execModal(window);
    RefreshSelectedFolder();
}

void TForm1::ThumbnailInfoOnce()
{
    if (m_thumbnailInfoAsked || Settings.ThumbInfoShown != 0)
        return;
    m_thumbnailInfoAsked = true;
    const QString question = QStringLiteral("Important information about the use of thumbnails") + QStringLiteral("\n\n")
                             + QStringLiteral("Are you familiar with Vistamo!'s SmallPics folders?");
    const bool familiar = platform::showMessage(platform::PromptKind::Confirmation, question, platform::kYesNo)
                          == platform::PromptAnswer::Yes;
    TForm39 window(familiar, this);
    platform::execModal(window);
    if (!window.CBNext->isChecked())
        Settings.ThumbInfoShown = 1;
}
