#include "browse/folder_tree_logic.h"

#include "platform/regular_file.h"

#include <QCollator>
#include <QCollatorSortKey>
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

namespace {

// What a file's name alone says: a picture type (0 .. 6), a video, or neither.
enum class NameKind { Picture, Video, Other };

NameKind TreeNameKind(QStringView name, int& pictureType)
{
    pictureType = -1;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return NameKind::Other;
    const QStringView ext = name.mid(dot);
    // The common case, a short ASCII extension, is lower-cased in place;
    // any other goes through the full lower-casing.
    char buffer[8];
    bool ascii = ext.size() <= qsizetype(sizeof buffer);
    for (qsizetype i = 0; ascii && i < ext.size(); ++i) {
        const char16_t c = ext[i].unicode();
        if (c >= 0x80)
            ascii = false;
        else
            buffer[i] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    if (!ascii) {
        const QString lowered = ext.toString().toLower();
        pictureType = PictureTypeOf(lowered);
        if (pictureType >= 0)
            return NameKind::Picture;
        return IsVideoExtension(lowered) ? NameKind::Video : NameKind::Other;
    }
    const QLatin1StringView lowerExt(buffer, ext.size());
    static const char* const pictures[PictureTypeCount] = {".jpg", ".jpeg", ".bmp", ".ico",
                                                           ".emf", ".wmf", ".gif"};
    for (int i = 0; i < PictureTypeCount; ++i) {
        if (lowerExt == QLatin1StringView(pictures[i])) {
            pictureType = i;
            return NameKind::Picture;
        }
    }
    static const char* const videos[] = {".mpg", ".mov", ".avi", ".mpa", ".wmv"};
    for (const char* v : videos)
        if (lowerExt == QLatin1StringView(v))
            return NameKind::Video;
    return lowerExt.startsWith(QLatin1StringView(".mpeg")) ? NameKind::Video : NameKind::Other;
}

ClassifiedEntry ClassifyByName(NameKind kind, int pictureType, std::int64_t size,
                               const TreePlayOptions& opts, int videoImageIndex)
{
    // A picture's extension counts only for a file that holds something.
    if (kind == NameKind::Picture && size > 0)
        return {TreeEntryKind::Picture, PictureImageFor(pictureType, size, opts)};
    if (kind == NameKind::Video)
        return {TreeEntryKind::Video, videoImageIndex};
    return {};
}

} // namespace

ClassifiedEntry ClassifyTreeFile(const QString& name, std::int64_t size,
                                 const TreePlayOptions& opts, int videoImageIndex)
{
    int type = -1;
    const NameKind kind = TreeNameKind(name, type);
    return ClassifyByName(kind, type, size, opts, videoImageIndex);
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

namespace {

// One child of a fill with what orders it among its siblings.
struct SortedChild {
    bool folder;
    QCollatorSortKey key;
    int index;   // its place in the listing: equal names keep it
};

// Sorts the children in the tree's order (CompareTreeNodes), keeping the
// listing's order among equal names. Each name's collation key is made once,
// so the sort compares bytes instead of running the collation again and again.
void SortTreeChildren(std::vector<TreeEntry>& children)
{
    if (children.size() < 2)
        return;
    const QCollator& collator = TreeCollator();
    std::vector<SortedChild> order;
    order.reserve(children.size());
    for (size_t i = 0; i < children.size(); ++i)
        order.push_back({IsFolderNode(children[i].image), collator.sortKey(children[i].name), int(i)});
    std::sort(order.begin(), order.end(), [](const SortedChild& a, const SortedChild& b) {
        if (a.folder != b.folder)
            return a.folder;
        const int c = a.key.compare(b.key);
        return c != 0 ? c < 0 : a.index < b.index;
    });
    std::vector<TreeEntry> sorted;
    sorted.reserve(children.size());
    for (const SortedChild& c : order)
        sorted.push_back(std::move(children[size_t(c.index)]));
    children = std::move(sorted);
}

} // namespace

FolderFillResult ReadFolderForTree(const QString& folder, const TreePlayOptions& opts,
                                   int videoImageIndex, const BrowseAllowedFn& browseAllowed,
                                   const QString& nextLevel)
{
    FolderFillResult result;
    if (folder.isEmpty())
        return result;
    const QByteArray encoded = QFile::encodeName(folder);
    struct stat folderStat {};
    if (::stat(encoded.constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        return result;
    result.readable = QDir(folder).isReadable();
    // One pass over the folder: hidden and system entries are listed too, as
    // in every folder view of the tree. Only the entries that may become
    // nodes are looked at further, relative to the open folder.
    DIR* dir = ::opendir(encoded.constData());
    if (!dir) {
        // A folder that refuses to be read is said, with why.
        result.readable = false;
        result.entryPassed = true;
        result.problem = QStringLiteral("<Folder could not be read: ") + qt_error_string(errno) + QLatin1Char('>');
        result.children.push_back({result.problem, ImgPlaceholder, 0});
        return result;
    }
    const int dirFd = ::dirfd(dir);
    const QString nextLower = nextLevel.toLower();
    QStringList unreadableNames;
    while (const dirent* entry = ::readdir(dir)) {
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        const QByteArrayView bytes(raw);
        if (!QUtf8StringView(bytes).isValidUtf8()) {
            // Such names can't be passed on as paths; they are told at the end.
            unreadableNames << QString::fromUtf8(bytes);
            continue;
        }
        // Symbolic links are followed, as for the files they name; a link
        // that leads nowhere is a file of no size.
        struct stat st {};
        bool statted = false;
        bool isDir = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            statted = ::fstatat(dirFd, raw, &st, 0) == 0;
            isDir = statted && S_ISDIR(st.st_mode);
        }
        const QString name = QString::fromUtf8(bytes);
        if (isDir) {
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
        int pictureType = -1;
        const NameKind kind = TreeNameKind(name, pictureType);
        if (kind == NameKind::Other)
            continue;
        if (!statted)
            statted = ::fstatat(dirFd, raw, &st, 0) == 0;
        const std::int64_t size = statted ? std::int64_t(st.st_size) : 0;
        const ClassifiedEntry c = ClassifyByName(kind, pictureType, size, opts, videoImageIndex);
        if (c.kind == TreeEntryKind::Ignored)
            continue;
        result.selectableAdded = true;
        result.children.push_back({name, c.image, size});
    }
    ::closedir(dir);
    if (!unreadableNames.isEmpty())
        result.entryPassed = true;
    if (result.entryPassed && !result.selectableAdded)
        result.children.push_back({TreePlaceholderText, ImgPlaceholder, 0});
    SortTreeChildren(result.children);
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
