#include "formats/read_exif_info.h"

#include "formats/img_data.h"

QString JoinCameraName(const QString& make, const QString& model)
{
    const QString m = make.trimmed();
    const QString mo = model.trimmed();
    if (mo.left(m.size()) == m)
        return mo;
    return m + QLatin1Char(' ') + mo;
}

void ReadExifInfo(const QString& path, bool wantDate, bool wantCamera, bool wantDimensions, ExifInfo& result)
{
    result = ExifInfo();
    // A reader of its own for every call: page decodes and thumbnail runs
    // read metadata on several worker threads at once.
    TimgData reader(255);
    reader.MetadataTraceSwitch = 0;
    if (!reader.ProcessFile(path))
        return;
    if (!reader.HasExif())
        return;
    bool seen306 = false, seen36867 = false, seenMake = false, seenModel = false, seenW = false, seenH = false;
    QString make, model;
    TImageInfo& info = reader.ExifObj;
    info.ResetIterator();
    TTagEntry tag;
    for (;;) {
        const bool dateDone = !wantDate || (seen306 && seen36867);
        const bool cameraDone = !wantCamera || (seenMake && seenModel);
        const bool sizeDone = !wantDimensions || (seenW && seenH);
        if (dateDone && cameraDone && sizeDone)
            break;
        if (!info.NextFoundTag(0, tag))
            break;
        switch (tag.Tag) {
        case 306:
            seen306 = true;
            if (wantDate)
                result.DateTaken = tag.Data;
            break;
        case 36867:
            seen36867 = true;
            if (wantDate)
                result.DateTaken = tag.Data;
            break;
        case 271:
            seenMake = true;
            make = tag.Data;
            break;
        case 272:
            seenModel = true;
            model = tag.Data;
            break;
        case 40962:
            seenW = true;
            if (wantDimensions)
                result.Width = tag.Data;
            break;
        case 40963:
            seenH = true;
            if (wantDimensions)
                result.Height = tag.Data;
            break;
        default:
            break;
        }
    }
    if (wantCamera && (seenMake || seenModel))
        result.Camera = JoinCameraName(make, model);
}
