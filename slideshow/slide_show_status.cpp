// The status of the shown picture: the one-back button's hint on the
// full-screen window and the picture's name in the main window's status bar.
#include "slideshow/slide_show_controller.h"

#include "browse/picture_display.h"
#include "slideshow/show_window.h"

#include <QLabel>

void SlideShowController::PrepareNextShowStep()
{
    ShowCurrentPictureStatus(true);
}

void SlideShowController::ShowCurrentPictureStatus(bool Full)
{
    ShowWindow* const showWindow = m_showWindow;
    // The one-back button steps back one picture while no cut-out is shown.
    if (showWindow && m_state.session.CutOutCount == 0)
        showWindow->ResetOneBackwardsHint();
    if (Full && m_items.StatusPanel1 && !m_parts.Display->PictureDisplayName.isEmpty())
        m_items.StatusPanel1->setText(m_parts.Display->PictureDisplayName);
}
