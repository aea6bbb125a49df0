// The program's EXIF access: date taken, camera and pixel dimensions of a
// picture. Safe to call from several threads at once: each call reads
// through a metadata reader of its own.
#pragma once

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

// The camera text from make and model.
QString JoinCameraName(const QString& make, const QString& model);
