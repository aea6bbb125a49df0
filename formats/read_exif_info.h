// The program's EXIF access: date taken, camera and pixel dimensions of a
// picture. Only the few fields shown are decoded, by a bounds-checked walk
// of the main picture's directory and its EXIF sub-directory; the maker
// notes and every other block are never read. Safe to call from several
// threads at once: each call works on its own copy of the block.
#pragma once

#include <QByteArray>
#include <QString>

struct ExifInfo {
    QString DateTaken;   // "YYYY:MM:DD HH:MM:SS" as stored
    QString Camera;      // make and model joined (model alone when it starts with the make)
    QString Width;
    QString Height;
};

// Reads the wanted groups; each result is empty when not found or when the
// file cannot be processed.
void ReadExifInfo(const QString& path, bool wantDate, bool wantCamera, bool wantDimensions, ExifInfo& result);

// The same fields from an EXIF block in memory (the TIFF structure after
// "Exif\0\0"): DateTimeOriginal, else DateTime; make and model; the EXIF
// pixel dimensions.
ExifInfo ExifInfoOfBlock(const QByteArray& tiff);

// The camera text from make and model.
QString JoinCameraName(const QString& make, const QString& model);
