// MainWindow's picture display: makes the PictureDisplaySection over the
// window's widgets, and forwards the routines other sections call to it.
#include "app/main_window.h"

#include "browse/fit_zoom_section.h"
#include "browse/list_menus_section.h"
#include "browse/picture_display_section.h"
#include "browse/picture_loader_slots.h"
#include "browse/thumbnail_page_section.h"
#include "browse/external_programs_controller.h"
#include "sound/sound_controller.h"

namespace {

PictureDisplayWidgets pictureDisplayWidgets(MainWindow* f)
{
    PictureDisplayWidgets w;
    w.Window = f;
    w.Image1 = f->clientArea()->picture();
    w.ToolBar1 = f->toolBars().ToolBar1();
    w.IntervalTimer = f->slideShow()->intervalTimer();
    w.AddBookMark = f->mainMenus().AddBookMark();
    w.RemoveBookmark = f->mainMenus().RemoveBookmark();
    w.GoToNextBookMark = f->mainMenus().GoToNextBookMark();
    w.GoToPreviousBoolMark = f->actionNamed(QStringLiteral("GoToPreviousBoolMark"));
    w.SaveToolButton = f->toolBars().SaveToolButton();
    w.MoveToolButton = f->toolBars().MoveToolButton();
    w.RunExeToolButton = f->toolBars().RunExeToolButton();
    w.FullScreenToolButton3 = f->toolBars().FullScreenToolButton3();
    w.Voice = f->mainMenus().Voice();
    w.MicroTB = f->toolBars().MicroTB();
    w.VoicePlayTB = f->toolBars().VoicePlayTB();
    w.SavePictureTo = f->mainMenus().SavePictureTo();
    w.MovePictureTo = f->mainMenus().MovePictureTo();
    w.RenamePictureToolButton = f->toolBars().RenamePictureToolButton();
    w.RenamePicture = f->mainMenus().RenamePicture();
    w.RecycleBinToolButton = f->toolBars().RecycleBinToolButton();
    w.TBRotateR = f->toolBars().TBRotateR();
    w.TBRotateL = f->toolBars().TBRotateL();
    w.SendRecycleBin = f->mainMenus().SendRecycleBin();
    w.PictureToClipboard = f->mainMenus().PictureToClipboard();
    w.PathToClipboard = f->mainMenus().PathToClipboard();
    w.PictureToCBMyShow = f->mainMenus().PictureToCBMyShow();
    w.PathToCBMyShow = f->mainMenus().PathToCBMyShow();
    w.ShowAllTB = f->toolBars().ShowAllTB();
    w.AddPicMultTB = f->toolBars().AddPicMultTB();
    w.ShowForwardToolButton = f->toolBars().ShowForwardToolButton();
    w.ShowinReverseToolButton = f->toolBars().ShowinReverseToolButton();
    w.ManualModeToolButton = f->toolBars().ManualModeToolButton();
    w.Backwards1ToolButton = f->toolBars().Backwards1ToolButton();
    w.Forward1ToolButton = f->toolBars().Forward1ToolButton();
    w.LaunchEditProgram1 = f->mainMenus().LaunchEditProgram1();
    return w;
}

} // namespace

void MainWindow::InstallPictureDisplay()
{
    PictureDisplaySect = new PictureDisplaySection(pictureDisplayWidgets(this), openShow(), *m_sound, m_state.settings,
                                                   m_state.start, m_state.session);
    PictureDisplaySect->SetMainPictureSlot(pictureSlot());
}

PictureSlotModel* MainWindow::pictureSlot()
{
    if (!m_pictureSlot)
        m_pictureSlot = new PictureSlotModel(SlotForm1Im1, this);
    return m_pictureSlot;
}

