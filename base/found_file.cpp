// File-existence tests over one directory entry.
#include "base/found_file.h"

#include "platform/dos_date.h"
#include "platform/file_attributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sys/stat.h>

namespace {

bool hasWildcards(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// "*" and "?" only (brackets are ordinary characters in file names),
// ignoring case.
bool wildcardMatch(const QString& pattern, const QString& name)
{
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?')
                                   || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool fillFrom(const QString& fullPath, TSearchRec& FoundFile)
{
    struct stat st;
    if (::stat(QFile::encodeName(fullPath).constData(), &st) != 0)
        return false;
    FoundFile.FullPath = fullPath;
    FoundFile.Name = QFileInfo(fullPath).fileName();
    FoundFile.Size = S_ISDIR(st.st_mode) ? 0 : int64_t(st.st_size);
    FoundFile.Attr = platform::FileAttributesOf(fullPath);
    if (FoundFile.Attr < 0)
        FoundFile.Attr = S_ISDIR(st.st_mode) ? platform::faDirectory : platform::faArchive;
    FoundFile.Time = int32_t(platform::FileDosDate(fullPath));
    return true;
}

// Finds the entry for a path (with wildcards: the first match in name order)
// and fills FoundFile.
bool findEntry(const QString& path, TSearchRec& FoundFile)
{
    FoundFile = TSearchRec{};
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    // A name that merely contains "*" or "?" (allowed on Linux) is that file.
    if (!hasWildcards(name) || QFileInfo::exists(path))
        return fillFrom(path, FoundFile);

    const QString folder = info.path();
    const QString pattern = name == QLatin1String("*.*") ? QStringLiteral("*") : name;
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                               | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    for (const QString& candidate : names) {
        if (wildcardMatch(pattern, candidate))
            return fillFrom(QDir(folder).filePath(candidate), FoundFile);
    }
    return false;
}

} // namespace

bool FileExistsNotDir(const QString& path, TSearchRec* found)
{
    TSearchRec local;
    TSearchRec& FoundFile = found ? *found : local;
    if (!findEntry(path, FoundFile))
        return false;
    return (FoundFile.Attr & platform::faDirectory) == 0;
}

bool FileExistsDated(const QString& path, TSearchRec* found)
{
    TSearchRec local;
    TSearchRec& FoundFile = found ? *found : local;
    if (!findEntry(path, FoundFile))
        return false;
    return (FoundFile.Attr & platform::faDirectory) == 0 && FoundFile.Time != 0;
}

double SearchRecDateTime(const TSearchRec& rec)
{
    return platform::DateTimeToDays(platform::DosToDateTime(platform::DosDateTime(uint32_t(rec.Time))));
}

bool IsReadOnlyFile(const QString& path)
{
    TSearchRec FoundFile;
    return FileExistsNotDir(path, &FoundFile) && (FoundFile.Attr & platform::faReadOnly) != 0;
}
