// MainWindow's picture display: makes the PictureDisplaySection over the
// window's widgets (it takes the items it enables by objectName), and
// forwards the routines other sections call to it.
#include "app/main_window.h"

#include "browse/fit_zoom_section.h"
#include "browse/list_menus_section.h"
#include "browse/picture_display_section.h"
#include "browse/picture_loader_slots.h"
#include "browse/thumbnail_page_section.h"
#include "browse/external_programs_controller.h"
#include "sound/sound_controller.h"

void MainWindow::InstallPictureDisplay()
{
    PictureDisplaySect = new PictureDisplaySection({.Window = this,
                                                    .Image1 = clientArea()->picture(),
                                                    .ToolBar1 = toolBars().ToolBar1(),
                                                    .IntervalTimer = slideShow()->intervalTimer()},
                                                   openShow(), *m_sound, m_state.settings,
                                                   m_state.start, m_state.session);
    PictureDisplaySect->SetMainPictureSlot(pictureSlot());
}

PictureSlotModel* MainWindow::pictureSlot()
{
    if (!m_pictureSlot)
        m_pictureSlot = new PictureSlotModel(SlotForm1Im1, this);
    return m_pictureSlot;
}

