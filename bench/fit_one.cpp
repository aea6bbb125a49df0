// fit_one: the program's loader run once in its own process, for comparing
// process against process with vipsthumbnail:
//   fit_one PICTURE WIDTH HEIGHT OUT.jpg
// loads the picture through LoadPictureIntoSlot (with the thumbnail and
// information steps every load runs), scales it to the size it is shown at
// in a WIDTH x HEIGHT area, and writes that as a JPEG of quality 75.
#include "base/add_settings_record.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/thumbnail_files.h"
#include "formats/picture_scale.h"
#include "sharing/reduce_picture.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: fit_one PICTURE WIDTH HEIGHT OUT.jpg\n");
        return 2;
    }
    SettingsStore settings;
    settings.AddSettings.ThumbsOnFixedDrives = 1;
    settings.AddSettings.ThumbSizeIndex = 2;
    settings.AddSettings.ThumbMinSizeKB = 300;
    PictureLoaderSteps steps = ThumbnailLoaderSteps([&settings] { return CurrentThumbnailOptions(settings, false); }, nullptr);
    steps.SetTitleHint = [](const QString&) {};
    PictureSlotModel mainSlot(SlotForm1Im1);
    PictureSlotModel* slot = &mainSlot;
    ConnectPictureLoaderSteps(&app, slot, steps);
    const QString picture = QString::fromLocal8Bit(argv[1]);
    const QSize area(std::atoi(argv[2]), std::atoi(argv[3]));
    slot->DisplayArea = area;
    slot->EnlargeLimit = 0;
    QString detail;
    if (!TryLoadPictureIntoSlot(picture, slot, &detail).isEmpty()) {
        std::fprintf(stderr, "fit_one: %s\n", qPrintable(detail));
        return 1;
    }
    const QImage shown = ScaleDecodedPicture(slot->Buffer(), FittedPictureSize(slot->PictureSize(), area, 0));
    QFile out(QString::fromLocal8Bit(argv[4]));
    if (!out.open(QIODevice::WriteOnly) || out.write(EncodeJpeg(shown, 75)) <= 0)
        return 1;
    return 0;
}
