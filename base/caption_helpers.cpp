// Caption helpers: short path forms, "&" escaping, accent folding.
#include "base/caption_helpers.h"

#include "platform/drives.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

QString DoubleAmpersands(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        out += c;
        if (c == QLatin1Char('&'))
            out += QLatin1Char('&');
    }
    return out;
}

QString PathRootOf(const QString& path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return QString();
    const auto drive = platform::DriveOf(path);
    return drive ? drive->mountPoint : QStringLiteral("/");
}

QString ShortenPathCaption(const QString& path, bool doubleAmpersands)
{
    const auto finish = [doubleAmpersands](const QString& s) {
        return doubleAmpersands ? DoubleAmpersands(s) : s;
    };
    // "//", "/./" and a trailing "/" name the same folder.
    const QString clean = path.startsWith(QLatin1Char('/')) ? QDir::cleanPath(path) : path;
    const QString root = PathRootOf(clean);
    if (root.isEmpty() || clean == root)
        return finish(path);
    const QString last = clean.mid(clean.lastIndexOf(QLatin1Char('/')) + 1);
    const QString sep = root.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    if (root + sep + last == clean)
        return finish(path);
    // One "." for each folder level between the mount point and the last part.
    const QString rest = clean.mid(root.size() + sep.size());
    const int dots = int(rest.count(QLatin1Char('/')));
    return finish(root + sep + QString(std::max(dots, 1), QLatin1Char('.')) + QLatin1Char('/') + last);
}

QString ShortenPathToLength(const QString& path, int maxLength)
{
    const int max = std::max(maxLength, 10);
    if (path.size() <= max)
        return path;
    QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();   // a trailing "/" adds no part
    if (parts.size() < 3 || parts.last().size() >= max)
        return ShortenPathCaption(path, false);

    const auto longestInner = [&parts]() {
        qsizetype longest = 0;
        for (qsizetype i = 1; i + 1 < parts.size(); ++i)
            longest = std::max(longest, parts[i].size());
        return longest;
    };
    qsizetype excess = path.size() - max;
    qsizetype longest = longestInner();
    if (longest < 4)
        return ShortenPathCaption(path, false);
    QList<bool> marked(parts.size(), false);
    while (excess >= 1 && longest > 3) {
        for (qsizetype i = 1; i + 1 < parts.size(); ++i) {
            if (parts[i].size() == longest) {
                parts[i].chop(1);
                marked[i] = true;
                break;
            }
        }
        --excess;
        longest = longestInner();
    }
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (marked[i])
            parts[i] = parts[i].left(parts[i].size() - 2) + QStringLiteral("..");
    const QString result = parts.join(QLatin1Char('/'));
    if (result.size() > max)
        return ShortenPathCaption(path, false);
    return result;
}

QChar FoldAccentChar(QChar c)
{
    switch (c.unicode()) {
    case 0x00E1: case 0x00E0: case 0x00E4: case 0x00E2: return QLatin1Char('a');
    case 0x00E9: case 0x00E8: case 0x00EB: case 0x00EA: return QLatin1Char('e');
    case 0x00ED: case 0x00EC: case 0x00EF: case 0x00EE: return QLatin1Char('i');
    case 0x00F3: case 0x00F2: case 0x00F6: case 0x00F4: return QLatin1Char('o');
    case 0x00FA: case 0x00F9: case 0x00FC: case 0x00FB: return QLatin1Char('u');
    case 0x00F1: return QLatin1Char('n');
    default: return c;
    }
}

QString FoldAccents(const QString& oneChar)
{
    if (oneChar.size() != 1)
        return oneChar;
    return QString(FoldAccentChar(oneChar.at(0)));
}
