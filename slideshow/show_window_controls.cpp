// What the other windows ask of the full-screen show window: its buttons'
// states and hints, the title, the speed message and the ratio menu.
#include "slideshow/show_window.h"

#include "base/add_settings_record.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "base/layout_calc.h"
#include "browse/external_programs.h"
#include "platform/icons.h"
#include "browse/crop.h"
#include "browse/drive_menu.h"
#include "platform/drives.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/picture_display.h"
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "slideshow/show_state.h"
#include "sound/sound_state.h"

#include <QAction>
#include <QBuffer>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

void ShowWindow::SetEditButtonEnabled(bool on)
{
    if (RunExeSpeedButton)
        RunExeSpeedButton->setEnabled(on);
}

void ShowWindow::SetEditButtonHint(const QString& hint)
{
    if (RunExeSpeedButton)
        RunExeSpeedButton->setToolTip(hint);
}

void ShowWindow::SetWindowScreenButtonEnabled(bool on)
{
    if (WindowScreenSpeedButton)
        WindowScreenSpeedButton->setEnabled(on);
}

void ShowWindow::SetPictureButtonsEnabled(bool on)
{
    for (QToolButton* b : {SBRotateLeft, SBRotateRight, RunExeSpeedButton})
        if (b)
            b->setEnabled(on);
}

void ShowWindow::ResetOneBackwardsHint()
{
    if (OneBackwardsSpeedButton)
        OneBackwardsSpeedButton->setToolTip(QStringLiteral("1 picture backwards\r\nCursor left or Mousewheel down"));
}

void ShowWindow::SetPanelButtons(const PanelButtons& on)
{
    const auto twin = [](QToolButton* b, bool enabled) {
        if (b)
            b->setEnabled(enabled);
    };
    twin(ShowInReverseSpeedButton, on.showInReverse);
    twin(ShowForwardSpeedButton, on.showForward);
    twin(WindowScreenSpeedButton, on.windowScreen);
    twin(VolumeSpeedButton, on.volume);
    twin(PlaylistBASB, on.playlistBack);
    twin(PlaylistFWSB, on.playlistForward);
    twin(RunExeSpeedButton, on.editProgram);
    twin(OneForwardSpeedButton, on.oneForward);
    twin(OneBackwardsSpeedButton, on.oneBackwards);
    twin(SBRotateLeft, on.rotateLeft);
    twin(SBRotateRight, on.rotateRight);
}

void ShowWindow::ShowHintsButton(bool hintsOn)
{
    if (!SBInfo)
        return;
    const HintsButtonLook look = HintsButtonFor(hintsOn);
    SBInfo->setIcon(platform::ImageListIcon(platform::ImageListId::MenuIL, look.glyph));
    SBInfo->setToolTip(look.tip);
}

void ShowWindow::ShowSpeedMessage(const QString& text)
{
    if (!SpeedLabel)
        return;
    SpeedLabel->setText(text);
    SpeedLabel->adjustSize();
    SpeedLabel->move(width() - SpeedLabel->width() - 30, 10);
    SpeedLabel->show();
    SpeedLabel->raise();
    if (SpeedTimer) {
        SpeedTimer->setSingleShot(true);
        SpeedTimer->start(2000);
    }
}

void ShowWindow::SetPictureHint(const QString& hint)
{
    for (QLabel* image : {Image1, Image2})
        if (image)
            image->setToolTip(hint);
}

bool ShowWindow::NavPanelShown() const
{
    return NavPanel && NavPanel->isVisible();
}

std::optional<QRect> ShowWindow::ControlPanelPlace() const
{
    if (!ControlPanel || NavPanelShown())
        return std::nullopt;
    return ControlPanel->geometry();
}

void ShowWindow::SetTitleShown(bool shown, bool raised)
{
    if (!TitleLabel)
        return;
    TitleLabel->setVisible(shown);
    if (raised && TitleLabel->isVisible())
        TitleLabel->raise();
}

void ShowWindow::SetTitle(const QString& text, const QSize& area)
{
    if (!TitleLabel)
        return;
    TitleLabel->setText(text);
    TitleLabel->adjustSize();
    TitleLabel->move(qRound((area.width() - TitleLabel->width()) / 2.0), area.height() - 14);
}

void ShowWindow::HidePictures()
{
    for (QLabel* image : {Image1, Image2})
        if (image)
            image->hide();
}

void ShowWindow::HideTextLines()
{
    for (QLabel* label : TextLabels)
        if (label)
            label->hide();
}

void ShowWindow::PopupRatioMenu(const QPoint& globalPos)
{
    RefreshRatioMenu();
    if (PMRatio)
        PMRatio->popup(globalPos);
}
