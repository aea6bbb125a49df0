// The items of features this system does not have stay greyed.
#include "app/absent_features.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QWidget>

namespace {

// Takes back any enabling of the button it watches.
class KeepDisabled : public QObject {
public:
    explicit KeepDisabled(QAbstractButton* button) : QObject(button) { button->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = static_cast<QAbstractButton*>(watched);
        if (event->type() == QEvent::EnabledChange && button->isEnabled())
            button->setEnabled(false);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

const QStringList& AbsentFeatureItems()
{
    static const QStringList names{
        // Opening, making, saving, copying, sorting and deleting shows; the show manager.
        QStringLiteral("ShowOpenTB"), QStringLiteral("NewShowTB"), QStringLiteral("ShowAllTB"),
        QStringLiteral("SaveMyShowTB"), QStringLiteral("SaveMyShowAsTB"), QStringLiteral("LoadMyShow"),
        QStringLiteral("NewShow"), QStringLiteral("SaveMyShow"), QStringLiteral("SaveMyShowAs"),
        QStringLiteral("CopyMyShow"), QStringLiteral("SortMyShow"), QStringLiteral("ShowAll"),
        QStringLiteral("DeleteMyShow"), QStringLiteral("AddPicMultTB"), QStringLiteral("AddPicMult"),
        QStringLiteral("AddMult"), QStringLiteral("AddToShowM"), QStringLiteral("AddToShow"),
        // Search.
        QStringLiteral("SearchTB"), QStringLiteral("Search"), QStringLiteral("SearchPop"),
        // Mail and upload.
        QStringLiteral("Mail"), QStringLiteral("Upload"), QStringLiteral("MailPicMyShow"),
        QStringLiteral("MailMyShow"), QStringLiteral("MailPicPop"), QStringLiteral("UploadPicture"),
        QStringLiteral("MailPictures"), QStringLiteral("UploadFolderR"),
        // Voice recording.
        QStringLiteral("Voice"), QStringLiteral("VoicePop"),
        // The default playlist, the volume and attached playlists.
        QStringLiteral("DefPlaylist"), QStringLiteral("Volume"), QStringLiteral("AttachPlaylistTB"),
        QStringLiteral("AttachPlaylist"),
        // Bookmarks.
        QStringLiteral("AddBookMark"), QStringLiteral("RemoveBookmark"), QStringLiteral("GoToNextBookMark"),
        QStringLiteral("GoToPreviousBoolMark"), QStringLiteral("ClearBookMarks"), QStringLiteral("BookMarks"),
        // Copying to CD.
        QStringLiteral("AutoCDFolder"), QStringLiteral("AutoCDMyShow"), QStringLiteral("AutoFolderToCD"),
        QStringLiteral("AutoFolderToCDPop"),
        // The MyShow panel's buttons: copying the show, mail and upload.
        QStringLiteral("CopyVXOButton"), QStringLiteral("MailSP"), QStringLiteral("UploadSp"),
        // The screen choice of the folder show: each start command names its
        // own screen (full screen or thumbnails), so the button only shows
        // the screen of the last start.
        QStringLiteral("SBScreenMode"),
    };
    return names;
}

void KeepAbsentFeaturesDisabled(QWidget* window)
{
    for (const QString& name : AbsentFeatureItems()) {
        for (QAction* action : window->findChildren<QAction*>(name)) {
            action->setEnabled(false);
            // The caption rules still set captions and visibility; an
            // enabling is taken back at once.
            QObject::connect(action, &QAction::changed, action, [action] {
                if (action->isEnabled())
                    action->setEnabled(false);
            });
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>(name)) {
            button->setEnabled(false);
            new KeepDisabled(button);
        }
    }
}
