// The main window's side of the reduced copies.
#include "app/main_window.h"

#include "sharing/reduce_picture.h"
#include "browse/picture_loader_slots.h"


bool MainWindow::ReducePictureSize(const QString& Source, const QString& Target, const QString& SlotName,
                               bool FromPreview, bool UseViewer, bool KeepDate, int SizeChoice, int Quality)
{
    // The picture as shown, when a slot is named.
    QImage shown;
    if (PictureSlotModel* slot = PictureSlot(SlotName))
        shown = slot->CurrentImage();
    Q_UNUSED(FromPreview);
    const EnvironmentInfo& environment = m_state.environment;
    const QString viewer = UseViewer && environment.IrfanViewFound ? environment.IrfanViewPath : QString();
    return ::ReducePictureSize(Source, Target, shown, viewer, KeepDate, SizeChoice, Quality);
}
