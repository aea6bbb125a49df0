#include "browse/picture_info.h"

#include "base/file_helpers.h"
#include "browse/thumbnail_files.h"
#include "formats/read_exif_info.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace {

// One number of the EXIF date text: `count` characters from `start`
// (0-based), digits only.
bool exifNumber(const QString& text, int start, int count, int& out)
{
    if (text.size() < start + count)
        return false;
    for (int i = start; i < start + count; ++i)
        if (!text.at(i).isDigit())
            return false;
    bool ok = false;
    out = text.mid(start, count).toInt(&ok);
    return ok;
}

QString englishDate(const QDateTime& dateTime, const QString& format)
{
    if (!dateTime.isValid())
        return QString();
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(dateTime, format);
}

} // namespace

QDateTime ExifDateToDateTime(const QString& exifDate)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    // The date part and the time part are converted apart; either failing
    // makes the whole text unusable.
    if (!exifNumber(exifDate, 0, 4, year) || !exifNumber(exifDate, 5, 2, month) || !exifNumber(exifDate, 8, 2, day))
        return QDateTime();
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return QDateTime();
    if (!exifNumber(exifDate, 11, 2, hour) || !exifNumber(exifDate, 14, 2, minute)
        || !exifNumber(exifDate, 17, 2, second))
        return QDateTime();
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

int32_t ExifDateAsFileDate(const QString& path, int32_t fallback)
{
    ExifInfo info;
    ReadExifInfo(path, true, false, false, info);
    return ExifTextAsFileDate(info.DateTaken, fallback);
}

int32_t ExifTextAsFileDate(const QString& dateTaken, int32_t fallback)
{
    const QDateTime taken = ExifDateToDateTime(dateTaken);
    if (!taken.isValid())
        return fallback;
    const platform::DosDateTime packed = platform::DateTimeToDos(taken);
    if (packed == 0)
        return fallback;   // before 1980 or after 2107: no file date can hold it
    return int32_t(packed);
}

QString FormatInfoDate(const QDateTime& dateTime)
{
    return englishDate(dateTime, QStringLiteral("MMMM d, yyyy, hh:mm:ss"));
}

QString FormatPreviewDate(const QDateTime& dateTime)
{
    return englishDate(dateTime, QStringLiteral("MMMM d, yyyy, hh:mm"));
}

QString PictureInfoText(const QString& path)
{
    TFileDateSize found;
    GetFileDateAndSizeKB(path, found);
    if (found.SizeKB < 0)
        return QString();
    QStringList lines;
    lines << QStringLiteral("File size:  ") + QString::number(found.SizeKB) + QStringLiteral(" kb");
    lines << QStringLiteral("File date: ") + FormatInfoDate(platform::DosToDateTime(platform::DosDateTime(found.Date)));
    if (FileExtOf(path).toLower() == QLatin1String(".jpg")) {
        ExifInfo exif;
        ReadExifInfo(path, true, true, true, exif);
        if (!exif.DateTaken.isEmpty()) {
            const QDateTime taken = ExifDateToDateTime(exif.DateTaken);
            lines << QStringLiteral("Creation date: ") + (taken.isValid() ? FormatInfoDate(taken) : exif.DateTaken);
        }
        if (!exif.Camera.isEmpty())
            lines << QStringLiteral("Camera model: ") + exif.Camera;
        if (!exif.Width.isEmpty() && !exif.Height.isEmpty())
            lines << QStringLiteral("Dimensions: ") + exif.Width + QStringLiteral(" x ") + exif.Height
                         + QStringLiteral(" pixels");
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString PreviewSizeText(qint64 bytes)
{
    const double kb = std::nearbyint(double(bytes) / 1024.0);
    if (kb > 9999)
        return QString::number(qint64(std::nearbyint(double(bytes) / 1024.0 / 1024.0))) + QStringLiteral(" Mb - ");
    return QString::number(qint64(kb)) + QStringLiteral(" Kb - ");
}

QString PreviewDateText(uint32_t packedDate)
{
    const QDateTime date = platform::DosToDateTime(packedDate);
    return date.isValid() ? FormatPreviewDate(date) : QStringLiteral("Date unknown");
}

QString PreviewCameraText(const QString& camera)
{
    return camera.isEmpty() ? QStringLiteral("Camera model unknown") : camera;
}

bool ResetFileDateToExifDate(const QString& path)
{
    if (!QFileInfo(path).isFile() || platform::IsReadOnly(path))
        return false;
    const int32_t current = int32_t(platform::FileDosDate(path));
    const int32_t taken = ExifDateAsFileDate(path, current);
    if (taken == current)
        return false;
    return platform::SetFileDosDate(path, platform::DosDateTime(taken));
}
