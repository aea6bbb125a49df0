// What the benchmarks with real photographs share: their command line, the
// search for JPEG photographs of at least one megapixel, the copies they
// work on, and the figures (milliseconds, medians).
#pragma once

#include "formats/jpeg_decoder.h"
#include "formats/picture_file.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace benchphotos {

inline double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

//   [--reps N] [--photos N] [--thumbs N] [FOLDER...]
// with the wallpaper packages that scripts/deps --bench installs as the
// folders where none are given.
struct Args {
    int reps = 3;
    int photos;
    int thumbs;
    QStringList folders;
};

inline Args parseArgs(const QStringList& args, int photos, int thumbs)
{
    Args a{3, photos, thumbs, {}};
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--reps" && i + 1 < args.size())
            a.reps = std::max(1, args[++i].toInt());
        else if (args[i] == "--photos" && i + 1 < args.size())
            a.photos = std::max(1, args[++i].toInt());
        else if (args[i] == "--thumbs" && i + 1 < args.size())
            a.thumbs = std::max(0, args[++i].toInt());
        else
            a.folders << args[i];
    }
    if (a.folders.isEmpty())
        a.folders << "/usr/share/backgrounds" << "/usr/share/wallpapers";
    return a;
}

// The JPEG header of the file; false where it is none. The file is read
// whole, as the program reads a picture, so a header behind a large
// metadata block is found too.
inline bool headerOf(const QString& path, JpegHeaderInfo& header)
{
    try {
        header = ReadJpegHeader(ReadPictureFile(path));
        return header.size.width() > 0;
    } catch (...) {
        return false;
    }
}

struct PhotoFile {
    QString path;
    JpegHeaderInfo header;
};

// Every JPEG of at least one megapixel below the folders (thumbnail files
// left out), sorted by path. Symbolic links are followed, to folders and to
// files; a file reached by several paths is taken once, by its own path.
inline std::vector<PhotoFile> photoFiles(const QStringList& folders)
{
    std::vector<PhotoFile> found;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {"*.jpg", "*.jpeg", "*.JPG", "*.JPEG"}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = QFileInfo(it.next()).canonicalFilePath();
            if (path.isEmpty() || seen.contains(path))
                continue;
            seen.insert(path);
            JpegHeaderInfo header;
            if (!path.contains("/vxothumb/") && headerOf(path, header)
                && qint64(header.size.width()) * header.size.height() >= 1000000)
                found.push_back({path, header});
        }
    }
    std::sort(found.begin(), found.end(), [](const PhotoFile& a, const PhotoFile& b) { return a.path < b.path; });
    return found;
}

inline QStringList photoPaths(const QStringList& folders)
{
    QStringList paths;
    for (const PhotoFile& photo : photoFiles(folders))
        paths << photo.path;
    return paths;
}

// Copies the photograph into the folder as "NNN_<name>.jpg"; returns the copy.
inline QString copyInto(const QString& folder, int index, const QString& source)
{
    const QString target =
        QStringLiteral("%1/%2_%3.jpg").arg(folder).arg(index, 3, 10, QLatin1Char('0')).arg(QFileInfo(source).baseName());
    QFile::copy(source, target);
    return target;
}

} // namespace benchphotos
