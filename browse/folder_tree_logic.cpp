#include "browse/folder_tree_logic.h"

#include "platform/regular_file.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

const QString TreePlaceholderText = QStringLiteral("<no picture or video files to select>");

bool IsDriveRootImage(int image)
{
    return image == ImgFixedDrive || image == ImgCdDrive || image == ImgRemovableDrive
        || image == ImgNetworkDrive;
}

bool IsFolderNode(int image)
{
    return image < ImgPlaceholder || (image >= ImgCdDrive && image <= ImgNetworkDrive);
}

bool IsFileNode(int image)
{
    return !IsFolderNode(image);
}

bool IsPictureImage(int image)
{
    return image >= ImgPictureFirst && image <= ImgPictureOffLast;
}

bool IsVideoImage(int image)
{
    return image == ImgVideoPlain || image == ImgVideoProgram;
}

int PictureTypeOf(const QString& lowerExt)
{
    static const char* const exts[PictureTypeCount] = {".jpg", ".jpeg", ".bmp", ".ico",
                                                       ".emf", ".wmf", ".gif"};
    for (int i = 0; i < PictureTypeCount; ++i)
        if (lowerExt == QLatin1String(exts[i]))
            return i;
    return -1;
}

QString TreeExtensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    return name.mid(dot).toLower();
}

bool IsVideoExtension(const QString& lowerExt)
{
    static const char* const exts[] = {".mpg", ".mov", ".avi", ".mpa", ".wmv"};
    for (const char* e : exts)
        if (lowerExt == QLatin1String(e))
            return true;
    return lowerExt.left(5) == QLatin1String(".mpeg");
}

static bool SizeOutsideRange(std::int64_t size, const TreePlayOptions& opts)
{
    // Both bounds are inclusive; the products are 64-bit so large limits hold.
    const std::int64_t minBytes = opts.minSizeKB * 1024;
    if (size < minBytes)
        return true;
    if (size > opts.maxSizeKB * 1024)
        return true;
    return false;
}

int PictureImageFor(int type, std::int64_t size, const TreePlayOptions& opts)
{
    if (type < 0 || type >= PictureTypeCount)
        return -1;
    if (!opts.include[type])
        return ImgPictureOffFirst + type;
    if (SizeOutsideRange(size, opts))
        return ImgPictureOffFirst + type;
    return ImgPictureFirst + type;
}

int RefreshedNodeImage(int image, std::int64_t size, const TreePlayOptions& opts,
                       int previousVideoImage, int videoImageIndex)
{
    if (IsVideoImage(image))
        return image == previousVideoImage ? videoImageIndex : image;
    if (!IsPictureImage(image))
        return image;
    const int type = image <= ImgPictureLast ? image - ImgPictureFirst : image - ImgPictureOffFirst;
    return PictureImageFor(type, size, opts);
}

ClassifiedEntry ClassifyTreeFile(const QString& name, std::int64_t size,
                                 const TreePlayOptions& opts, int videoImageIndex)
{
    const QString ext = TreeExtensionOf(name);
    if (size > 0) {
        const int type = PictureTypeOf(ext);
        if (type >= 0)
            return {TreeEntryKind::Picture, PictureImageFor(type, size, opts)};
    }
    if (IsVideoExtension(ext))
        return {TreeEntryKind::Video, videoImageIndex};
    return {};
}

static QCollator& TreeCollator()
{
    static QCollator collator = [] {
        QLocale locale = QLocale::system();
        // The "C" locale compares code points; plain names are then ordered as
        // an English-speaking user's desktop orders them.
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English, QLocale::UnitedStates);
        QCollator c(locale);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

int CompareTreeTexts(const QString& a, const QString& b)
{
    const int r = TreeCollator().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CompareTreeNodes(int image1, const QString& text1, int image2, const QString& text2)
{
    const bool folder1 = IsFolderNode(image1);
    const bool folder2 = IsFolderNode(image2);
    if (folder1 && !folder2)
        return -1;
    if (!folder1 && folder2)
        return 1;
    return CompareTreeTexts(text1, text2);
}

QString JoinTreePath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString ListingRefusal(const QString& folder, QStringList* undecodable)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return qt_error_string(errno);
    // Qt's listing leaves out names that are not valid UTF-8; they are
    // found here, byte by byte.
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (undecodable && !QUtf8StringView(name).isValidUtf8())
            *undecodable << QString::fromUtf8(name);
    }
    ::closedir(dir);
    return QString();
}

FolderFillResult ReadFolderForTree(const QString& folder, const TreePlayOptions& opts,
                                   int videoImageIndex, const BrowseAllowedFn& browseAllowed,
                                   const QString& nextLevel)
{
    FolderFillResult result;
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return result;
    // Hidden and system entries are listed too, as in every folder view of the tree.
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    result.readable = dir.isReadable();
    QStringList unreadableNames;
    {
        // A folder that refuses to be read is said, with why.
        const QString reason = ListingRefusal(folder, &unreadableNames);
        if (!reason.isEmpty() && entries.isEmpty()) {
            result.readable = false;
            result.entryPassed = true;
            result.problem = QStringLiteral("<Folder could not be read: ") + reason + QLatin1Char('>');
            result.children.push_back({result.problem, ImgPlaceholder, 0});
            return result;
        }
    }
    const QString nextLower = nextLevel.toLower();
    if (!unreadableNames.isEmpty())
        result.entryPassed = true;
    for (const QFileInfo& info : entries) {
        const QString name = info.fileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (info.isDir()) {
            if (browseAllowed && !browseAllowed(JoinTreePath(folder, name).toLower()))
                continue;
            result.entryPassed = true;
            result.selectableAdded = true;
            result.children.push_back({name, ImgFolderClosed, 0});
            // The next level of a walk: the exact name wins over one that
            // differs only in letter case (two such folders can exist here).
            if (!nextLower.isEmpty() && name.toLower() == nextLower
                && (result.nextLevelName.isEmpty() || name == nextLevel))
                result.nextLevelName = name;
            continue;
        }
        result.entryPassed = true;
        const std::int64_t size = info.size();
        const ClassifiedEntry c = ClassifyTreeFile(name, size, opts, videoImageIndex);
        if (c.kind == TreeEntryKind::Ignored)
            continue;
        result.selectableAdded = true;
        result.children.push_back({name, c.image, size});
    }
    if (result.entryPassed && !result.selectableAdded)
        result.children.push_back({TreePlaceholderText, ImgPlaceholder, 0});
    std::stable_sort(result.children.begin(), result.children.end(),
                     [](const TreeEntry& a, const TreeEntry& b) {
                         return CompareTreeNodes(a.image, a.name, b.image, b.name) < 0;
                     });
    // The entries that could not be read are told once, after the others.
    if (!unreadableNames.isEmpty()) {
        result.problem = unreadableNames.size() == 1
                             ? QStringLiteral("<") + unreadableNames.first()
                                   + QStringLiteral(" could not be read: its name is not valid UTF-8>")
                             : QStringLiteral("<") + QString::number(unreadableNames.size())
                                   + QStringLiteral(" files could not be read: their names are not valid UTF-8>");
        result.children.push_back({result.problem, ImgPlaceholder, 0});
    }
    if (!result.nextLevelName.isEmpty()) {
        for (size_t i = 0; i < result.children.size(); ++i) {
            if (IsFolderNode(result.children[i].image)
                && result.children[i].name == result.nextLevelName) {
                result.nextLevelChild = static_cast<int>(i);
                break;
            }
        }
    }
    return result;
}

FolderLevelSplit SplitFolderIntoLevels(const QString& folder, const QString& mountPoint)
{
    FolderLevelSplit split;
    split.levels << mountPoint;
    split.masks << mountPoint;
    QString rest = folder;
    if (mountPoint != QLatin1String("/")) {
        if (!folder.startsWith(mountPoint))
            return split;
        rest = folder.mid(mountPoint.size());
    }
    QString path = mountPoint;
    const QStringList parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        path = JoinTreePath(path, part);
        split.levels << part;
        split.masks << path;
    }
    return split;
}

std::set<QString> ReadDotHiddenNames(const QString& folder)
{
    std::set<QString> names;
    const QString path = JoinTreePath(folder, QStringLiteral(".hidden"));
    QFile file(path);
    if (!platform::OpenRegularFileForReading(file, path).isEmpty())
        return names;
    // A ".hidden" file is a short list; a huge one is not read past 1 MB.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), 1 << 20));
    for (const QByteArray& line : bytes.split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        if (!name.isEmpty())
            names.insert(name);
    }
    return names;
}

bool IsHiddenName(const QString& name, const std::set<QString>& dotHidden)
{
    return name.startsWith(QLatin1Char('.')) || dotHidden.count(name) > 0;
}

static bool FolderIdentity(const QString& path, std::pair<std::uint64_t, std::uint64_t>& id)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    id = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    return true;
}

void TSubfolderList::start(const QString& folder)
{
    folders.clear();
    seen.clear();
    folders.push_back(folder);
    std::pair<std::uint64_t, std::uint64_t> id;
    if (FolderIdentity(folder, id))
        seen.insert(id);
}

bool AcceptSubfolderEntry(const QString& folder, const QString& name,
                          const CollectAllowedFn& collectAllowed)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1String("xx"), Qt::CaseInsensitive))
        return false;
    if (collectAllowed && !collectAllowed(JoinTreePath(folder, name).toLower()))
        return false;
    return true;
}

void AddSubfoldersToList(TSubfolderList& list, const QString& folderRef,
                         bool includeSystemFolders, const CollectAllowedFn& collectAllowed)
{
    // The folder is often an entry of the list itself, which grows below.
    const QString folder = folderRef;
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
    if (includeSystemFolders)
        filters |= QDir::Hidden | QDir::System;
    const std::set<QString> dotHidden =
        includeSystemFolders ? std::set<QString>() : ReadDotHiddenNames(folder);
    const QFileInfoList entries = dir.entryInfoList(filters, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : entries) {
        if (!info.isDir())
            continue;
        const QString name = info.fileName();
        if (!includeSystemFolders && IsHiddenName(name, dotHidden))
            continue;
        if (!AcceptSubfolderEntry(folder, name, collectAllowed))
            continue;
        const QString path = JoinTreePath(folder, name);
        // A folder reached a second time (a symbolic link to a folder already
        // listed, or to one of its own parents) is not listed again, so the
        // breadth-first walk over the list always ends.
        std::pair<std::uint64_t, std::uint64_t> id;
        if (FolderIdentity(path, id)) {
            if (!list.seen.insert(id).second)
                continue;
        } else {
            continue;
        }
        list.folders.push_back(path);
    }
}
