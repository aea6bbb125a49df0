// TForm1: the Options menu, the options dialog and the maintenance window of
// the favourites and the recent list.
#include "app/tform1.h"

#include "app/favorites_window.h"
#include "app/options_dialog.h"
#include "browse/selection_status.h"
#include "browse/folder_tree_state.h"
#include "platform/drives.h"
#include "platform/icons.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

namespace {

// Wires the concern when the main window is first shown.
class OptionsHandlersWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<TForm1*>(watched))
                form->SetupOptionsHandlers();
        return false;
    }
};

void watchForOptionsHandlers()
{
    qApp->installEventFilter(new OptionsHandlersWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForOptionsHandlers)

void TForm1::SetupOptionsHandlers()
{
    if (m_optionsHandlersSetUp)
        return;
    m_optionsHandlersSetUp = true;
    if (Options1)
        connect(Options1, &QMenu::aboutToShow, this, &TForm1::Options1Click);
    const auto onClick = [this](QAction* a, void (TForm1::*handler)()) {
        if (a)
            connect(a, &QAction::triggered, this, handler);
    };
    onClick(PictureShowOptions1, &TForm1::PictureShowOptions1Click);
    onClick(OptionsTB, &TForm1::OptionsTBClick);
    onClick(ClearFavs, &TForm1::ClearFavsClick);
    onClick(ClearRec, &TForm1::ClearRecClick);
}

void TForm1::Options1Click()
{
    // The menus' own opening handler pauses an advancing show.
    if (ExcludeFolder) {
        ExcludeFolder->setTitle(QStringLiteral("E&xclude from"));
        ExcludeFolder->setEnabled(!SelectedFolder.isEmpty() && !platform::IsMountPoint(SelectedFolder));
    }
    MeasureMenuWidth(7);
}

void TForm1::PictureShowOptions1Click()
{
    if (Timer1)
        Timer1->stop();
    FormDestroy();
    {
        TForm3 dialog(this);
        dialog.FormActivate();
        platform::execModal(dialog);
    }
    InstallKeyboardHook();
}

void TForm1::OptionsTBClick()
{
    PictureShowOptions1Click();
}

void TForm1::ClearFavsClick()
{
    FavoritesMaintenanceMode = 1;
    TForm36 window(this);
    platform::execModal(window);
}

void TForm1::ClearRecClick()
{
    FavoritesMaintenanceMode = 0;
    TForm36 window(this);
    platform::execModal(window);
}

void TForm1::EnableEditCommands(bool on)
{
    if (RunExeToolButton)
        RunExeToolButton->setEnabled(on);
    if (LaunchEditProgram1)
        LaunchEditProgram1->setEnabled(on);
}

void TForm1::RefitShownPicture()
{
    SizePictureToDisplay(false);
}

void TForm1::RefreshAfterOptions()
{
    BuildLaunchMenu();
    BuildLaunchButtons();
    if (RunExeMyShowTB) {
        const bool listed = MyShowSG && MyShowSG->rowCount() > 0;
        const bool hidden = !FileNotExistLabel || FileNotExistLabel->isHidden();
        RunExeMyShowTB->setEnabled(hidden && listed && !Settings.EditPrograms[0].isEmpty()
                                   && EditProgramAcceptable(Settings.EditPrograms[0]));
    }
    const QString video = Settings.VideoPrograms[0];
    platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22,
                                   video.isEmpty() ? QIcon() : platform::ProgramIcon(video));
    LoadVideoProgramIcons();
    if (FPlayorderCB)
        FPlayorderCB->setCurrentIndex(Settings.PlayOrder);
}

void TForm1::OptionsDialogClosed()
{
    UpdateHintsButton();
    RefreshTreeImages();
}
