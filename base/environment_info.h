// What environment detection learns of the machine at start-up, kept for the
// whole run: the outside viewer and the uploader, the interface font, the
// system drive, the user's folders and the colour scheme of the drawn
// controls (base/environment.h fills it).
#pragma once

#include <QColor>
#include <QString>

#include <array>

// The 12 colours of the owner-drawn controls, in order (index 0 is colour 1).
constexpr int ColorSchemeSize = 12;

struct EnvironmentInfo {
    QString IrfanViewPath;       // the outside viewer (our own vxview)
    quint8 IrfanViewFound = 0;   // 1 when IrfanViewPath exists
    QString UploaderPath;        // the picture uploader program
    QString UIFontName;
    qint32 UIFontSize = 9;

    quint8 IsWindowsVista = 0;
    quint8 IsWindows7 = 0;
    QString SystemDriveLetter;   // lower case, empty when unknown
    QString DesktopFolder;
    QString MyPicturesFolder;
    QString InternetCacheFolder; // never exists on Linux: always empty
    QString DesktopFolderLower;
    QString InternetCacheFolderLower;
    QString MappedDrive;         // never set on Linux (network folders are mounts)

    std::array<QColor, ColorSchemeSize> ColorScheme;
};
