// Short forms of paths for captions and status texts, "&" escaping and
// accent folding for sorting.
#pragma once

#include <QString>

// The text with each "&" doubled, so that it shows literally in a caption,
// menu item or status panel.
QString DoubleAmpersands(const QString& text);

// The drive part of a path for the short forms: the mount point of the
// path's drive ("/" or "/media/usb"); "" for a relative path.
QString PathRootOf(const QString& path);

// Short form of a path: a path directly below its drive's mount point (or
// the mount point itself) stays as it is; otherwise the mount point, one "."
// for every folder level between it and the last part, "/" and the last
// part: "/Pictures/2007/Holiday" -> "/../Holiday", "/A/B/C/D" -> "/.../D".
// With doubleAmpersands every "&" of the result is doubled.
QString ShortenPathCaption(const QString& path, bool doubleAmpersands);

// A path cut to at most maxLength characters where possible (maxLength is
// at least 10): the longest inner folder names lose characters one at a
// time, each shortened name ending in ".."; when that can't work the
// short form of ShortenPathCaption is used.
QString ShortenPathToLength(const QString& path, int maxLength);

// The plain letter of a lower-case accented letter (á à ä â -> a, é è ë ê
// -> e, í ì ï î -> i, ó ò ö ô -> o, ú ù ü û -> u, ñ -> n); any other text
// comes back unchanged.
QString FoldAccents(const QString& oneChar);
QChar FoldAccentChar(QChar c);
