// What a picture is: file size and date, and from its EXIF block the date
// taken, the camera and the pixel dimensions, as texts for the information
// hint of the full-screen title and for the preview panels.
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// The EXIF date taken of a picture as a packed file date (local DOS
// date-time). `fallback` when the picture has no EXIF date, when the text is
// not "YYYY:MM:DD HH:MM:SS" with a real date and time (e.g.
// "0000:00:00 00:00:00"), or when the date lies outside the packed range.
int32_t ExifDateAsFileDate(const QString& path, int32_t fallback);
// The same for a date taken already read ("YYYY:MM:DD HH:MM:SS").
int32_t ExifTextAsFileDate(const QString& dateTaken, int32_t fallback);

// Converts an EXIF date text by its fixed positions (year 1-4, month 6-7,
// day 9-10, hour 12-13, minute 15-16, second 18-19); invalid when any part
// is missing, not a number or out of range.
QDateTime ExifDateToDateTime(const QString& exifDate);

// Dates shown to the user, English month names:
// "mmmm d, yyyy, hh:mm:ss" (information hint) and "mmmm d, yyyy, hh:mm"
// (previews). An invalid date gives "".
QString FormatInfoDate(const QDateTime& dateTime);
QString FormatPreviewDate(const QDateTime& dateTime);

// The information hint of a picture, lines joined by CR LF:
//   "File size:  " + KB + " kb"
//   "File date: " + file date
// and, for a ".jpg" (extension compared in lower case; ".jpeg" gets none),
// the EXIF lines that have a value:
//   "Creation date: " + date taken (its raw text when it does not convert)
//   "Camera model: " + camera
//   "Dimensions: " + width + " x " + height + " pixels"
// A file that cannot be found gives "".
QString PictureInfoText(const QString& path);

// The size text of the preview panels: KB (bytes / 1024 rounded, halves to
// even) + " Kb - ", or from 10000 KB on MB (rounded) + " Mb - ".
QString PreviewSizeText(qint64 bytes);

// The date text of the preview panels: FormatPreviewDate of the packed date,
// or "Date unknown" when it holds no date.
QString PreviewDateText(uint32_t packedDate);

// The camera line of the preview panels: the camera or "Camera model unknown".
QString PreviewCameraText(const QString& camera);

// Sets a picture's file date to its EXIF date taken when that differs from
// its current date (only the date: the picture's bytes are never touched).
// Nothing happens to a picture without a usable EXIF date or to a read-only
// picture. True when the date was changed.
bool ResetFileDateToExifDate(const QString& path);
