// The main window's side of the reduced copies.
#include "app/tform1.h"

#include "sharing/reduce_picture.h"
#include "slideshow/show_window.h"

#include <QLabel>
#include <QPixmap>

bool TForm1::ReducePictureSize(const QString& Source, const QString& Target, const QString& SlotName,
                               bool FromPreview, bool UseViewer, bool KeepDate, int SizeChoice, int Quality)
{
    // The picture as shown, when a slot is named.
    QImage shown;
    QLabel* slot = nullptr;
    if (SlotName == QLatin1String("form9im1") && Form9)
        slot = Form9->Image1;
    else if (SlotName == QLatin1String("form9im2") && Form9)
        slot = Form9->Image2;
    else if (SlotName == QLatin1String("form1im1"))
        slot = findChild<QLabel*>(QStringLiteral("Image1"));
    if (slot)
        shown = slot->pixmap().toImage();
    Q_UNUSED(FromPreview);
    return ::ReducePictureSize(Source, Target, shown, UseViewer, KeepDate, SizeChoice, Quality);
}
