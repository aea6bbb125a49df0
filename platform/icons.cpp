// The one table from image-list indexes to theme icons.
#include "platform/icons.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <algorithm>

namespace platform {
namespace {

struct IconEntry {
    int index;
    const char* names;   // theme names to try, separated by blanks
    bool disabled;       // drawn greyed (the disabled twin of a glyph pair)
};

// clang-format off
// Menu glyphs: the numbers of the menu items' glyph pairs.
const IconEntry kMenu[] = {
    {0, "system-search edit-find", false},            {1, "system-search edit-find", true},
    {2, "drive-harddisk", false},                     // fixed drive
    {3, "drive-removable-media media-removable", false}, // floppy / removable drive
    {4, "drive-optical media-optical", false},        // CD/DVD drive
    {5, "document-save-as", false},                   {6, "document-save-as", true},
    {7, "go-jump edit-cut", false},                   {8, "go-jump edit-cut", true},
    {9, "user-trash", false},                         {10, "user-trash", true},
    {11, "document-edit accessories-text-editor", false}, {12, "document-edit accessories-text-editor", true},
    {13, "applications-graphics system-run", false},  {14, "applications-graphics system-run", true},
    {15, "emblem-synchronizing media-playlist-repeat", false}, {16, "emblem-synchronizing media-playlist-repeat", true},
    {17, "media-optical-cd media-optical", false},    {18, "media-optical-cd media-optical", true},
    {19, "media-playback-start", false},              {20, "media-playback-start", true},
    {21, "media-playback-stop", false},               {22, "media-playback-stop", true},
    {23, "media-seek-backward", false},               {24, "media-seek-backward", true},
    {25, "media-seek-forward", false},                {26, "media-seek-forward", true},
    {27, "media-playback-pause", false},              {28, "media-playback-pause", true},
    {29, "go-previous", false},                       {30, "go-previous", true},
    {31, "go-next", false},                           {32, "go-next", true},
    {33, "view-fullscreen", false},                   {34, "view-fullscreen", true},
    {35, "edit-clear-all", false},                    {36, "edit-clear-all", true},
    {37, "drive-multidisk drive-harddisk", false},    {38, "drive-multidisk drive-harddisk", true},
    {39, "document-properties", false},
    {40, "edit-clear", false},
    {41, "go-home user-home", false},                 {42, "go-home user-home", true},
    {45, "document-open", false},                     {46, "document-open", true},
    {47, "text-x-generic x-office-document", false},  {48, "text-x-generic x-office-document", true},
    {49, "document-new", false},
    {50, "document-save", false},                     {51, "document-save", true},
    {52, "document-save-as", false},                  {53, "document-save-as", true},
    {54, "window-close process-stop", false},         {55, "window-close process-stop", true},
    {56, "folder-remote network-server", false},      // network drive
    {57, "x-office-presentation", false},             // show file
    {58, "folder", false},                            // folder
    {59, "preferences-system emblem-system", false},  {60, "preferences-system emblem-system", true},
    {61, "help-about", false},
    {62, "help-browser help-contents", false},
    {63, "preferences-desktop-wallpaper", false},     {64, "preferences-desktop-wallpaper", true},
    {67, "object-select emblem-ok emblem-default", false}, // check mark
    {68, "object-select emblem-ok emblem-default", true},
    {70, "edit-paste", false},                        {71, "edit-paste", true},
    {72, "list-add", false},                          {73, "list-add", true},
    {74, "view-list view-list-bullet", false},        {75, "view-list view-list-bullet", true},
    {76, "application-x-executable", false},          {77, "application-x-executable", false},
    {78, "application-x-executable", false},          {79, "application-x-executable", false},
    {80, "application-x-executable", false},          // edit programs (replaced at run time)
    {81, "video-x-generic", false},                   {82, "video-x-generic", false},
    {83, "video-x-generic", false},                   {84, "video-x-generic", false},
    {85, "video-x-generic", false},                   // video programs (replaced at run time)
    {86, "help-faq help-browser", false},
    {87, "folder-new", false},                        {88, "folder-new", true},
    {89, "system-file-manager folder-open folder", false},
    {90, "mail-message-new mail-send", false},
    {92, "sidebar-show", false},                      {93, "sidebar-show", true},
    {94, "sidebar-show-right", false},                {95, "sidebar-show-right", true},
    {96, "help-contents help-browser", false},
    {98, "media-skip-forward", false},                {101, "media-skip-forward", true},
    {99, "media-skip-backward", false},               {100, "media-skip-backward", true},
    {103, "audio-input-microphone", false},           {104, "audio-input-microphone", true},
    {106, "multimedia-volume-control audio-volume-high", false},
    {108, "edit-undo", false},                        {109, "edit-undo", true},
    {111, "object-rotate-left", false},               {112, "object-rotate-left", true},
    {113, "object-rotate-right", false},              {114, "object-rotate-right", true},
    {115, "image-x-generic", false},                  // outside picture viewer
    {116, "application-x-executable", false},         // sibling program
    {117, "view-grid view-app-grid", false},          {118, "view-grid view-app-grid", true},
    {119, "edit-select-all", false},                  {120, "edit-select-all", true},
    {121, "edit-clear edit-select", false},           {122, "edit-clear edit-select", true},
    {123, "view-mirror object-flip-horizontal", false}, {124, "view-mirror object-flip-horizontal", true},
    {125, "zoom-fit-best", false},                    {126, "zoom-fit-best", true},
    {127, "user-desktop", false},
    {128, "web-browser applications-internet network-workgroup", false},
    {129, "zoom-out", false},
    {130, "send-to mail-send", false},                // uploader (replaced by its icon)
    {131, "view-app-grid view-grid", false},          {132, "view-app-grid view-grid", true},
    {133, "dialog-information", false},               // hints shown
    {134, "view-conceal dialog-information", false},  // hints hidden
    {135, "zoom-original view-restore", false},       {136, "zoom-original view-restore", true},
    {137, "view-list-ordered view-list", false},      {138, "view-list-ordered view-list", true},
};

// Folder-tree node images and page glyphs.
const IconEntry kTree[] = {
    {0, "drive-harddisk", false},                     // fixed drive / RAM disk / other
    {1, "folder", false},                             // folder, collapsed
    {2, "folder-open", false},                        // folder, expanded
    {3, "action-unavailable dialog-information", false}, // "<no picture or video files to select>"
    {4, "image-x-generic", false}, {5, "image-x-generic", false}, {6, "image-x-generic", false},
    {7, "image-x-generic", false}, {8, "image-x-generic", false}, {9, "image-x-generic", false},
    {10, "image-x-generic", false},                   // pictures the play options select
    {11, "image-x-generic", true}, {12, "image-x-generic", true}, {13, "image-x-generic", true},
    {14, "image-x-generic", true}, {15, "image-x-generic", true}, {16, "image-x-generic", true},
    {17, "image-x-generic", true},                    // pictures the play options leave out
    {18, "drive-optical media-optical", false},       // CD-ROM drive
    {19, "drive-removable-media media-removable", false}, // removable drive
    {20, "folder-remote network-server", false},      // network drive
    {21, "video-x-generic", false},                   // video file
    {22, "video-x-generic", false},                   // video file, first video program's icon
    {24, "go-first go-top", false},                   // "Make this picture the first on this page"
    {25, "radio", false},                             // page block, not marked
    {26, "radio-checked", false},                     // page block, marked
};

// Tool-button images the program's rules name.
const IconEntry kTool[] = {
    {5, "applications-graphics system-run", false},   // no edit program
    {7, "go-previous", false},                        // one picture backwards
    {22, "application-x-executable", false},          // edit program 0 (replaced at run time)
    {34, "system-file-manager folder-open folder", false},
    {35, "sidebar-show-right", false},                // show MyShow
    {36, "sidebar-show", false},                      // hide MyShow
    {55, "application-x-executable", false},          // sibling program
};

// Status-bar panel icons.
const IconEntry kStatus[] = {
    {4, "image-x-generic", false},
    {5, "image-x-generic", true},
};
// clang-format on

template <size_t N>
const IconEntry* findIn(const IconEntry (&table)[N], int index)
{
    for (const IconEntry& e : table)
        if (e.index == index)
            return &e;
    return nullptr;
}

const IconEntry* findEntry(ImageListId list, int index)
{
    switch (list) {
    case ImageListId::MenuIL: return findIn(kMenu, index);
    case ImageListId::ImageList1: return findIn(kTree, index);
    case ImageListId::ImageList2: return findIn(kTool, index);
    case ImageListId::SGImageList1: return findIn(kStatus, index);
    }
    return nullptr;
}

void ensureTheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Some platforms (offscreen, minimal) give no icon folders of their own.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dataDirs.isEmpty())
        dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    dataDirs.prepend(QDir::homePath() + QStringLiteral("/.local/share"));
    for (const QString& d : dataDirs) {
        const QString icons = d + QStringLiteral("/icons");
        if (!paths.contains(icons) && QDir(icons).exists())
            paths << icons;
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

QIcon placeholder()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
    p.end();
    return QIcon(pm);
}

QIcon greyed(const QIcon& icon)
{
    QIcon out;
    for (int size : {16, 22, 24, 32}) {
        const QPixmap pm = icon.pixmap(size, size, QIcon::Disabled);
        if (!pm.isNull())
            out.addPixmap(pm, QIcon::Normal);
    }
    return out.isNull() ? icon : out;
}

QIcon themeIcon(const IconEntry& e)
{
    ensureTheme();
    const QStringList names = QString::fromLatin1(e.names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& n : names) {
        for (const QString& candidate : {n, n + QStringLiteral("-symbolic")}) {
            if (QIcon::hasThemeIcon(candidate)) {
                const QIcon icon = QIcon::fromTheme(candidate);
                if (!icon.isNull())
                    return icon;
            }
        }
    }
    return QIcon();
}

using Key = QPair<int, int>;

QHash<Key, QIcon>& replacements()
{
    static QHash<Key, QIcon> r;
    return r;
}

QHash<Key, QIcon>& cache()
{
    static QHash<Key, QIcon> c;
    return c;
}

} // namespace

QIcon ImageListIcon(ImageListId list, int index)
{
    if (index < 0)
        return QIcon();
    const Key key(int(list), index);
    const auto rep = replacements().constFind(key);
    if (rep != replacements().constEnd())
        return *rep;
    const auto hit = cache().constFind(key);
    if (hit != cache().constEnd())
        return *hit;
    QIcon icon;
    if (const IconEntry* e = findEntry(list, index)) {
        icon = themeIcon(*e);
        if (!icon.isNull() && e->disabled)
            icon = greyed(icon);
    }
    if (icon.isNull())
        icon = placeholder();
    cache().insert(key, icon);
    return icon;
}

namespace {

// Draws the list's icon, which it looks up on first use.
class LazyIconEngine : public QIconEngine {
public:
    LazyIconEngine(ImageListId list, int index) : m_list(list), m_index(index) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("LazyImageListIcon"); }
    QIconEngine* clone() const override { return new LazyIconEngine(m_list, m_index); }

private:
    const QIcon& icon()
    {
        if (!m_resolved) {
            m_icon = ImageListIcon(m_list, m_index);
            m_resolved = true;
        }
        return m_icon;
    }
    ImageListId m_list;
    int m_index;
    bool m_resolved = false;
    QIcon m_icon;
};

} // namespace

QIcon LazyImageListIcon(ImageListId list, int index)
{
    if (index < 0)
        return QIcon();
    return QIcon(new LazyIconEngine(list, index));
}

QPixmap ImageListPixmap(ImageListId list, int index, int size)
{
    const QIcon icon = ImageListIcon(list, index);
    return icon.isNull() ? QPixmap() : icon.pixmap(size, size);
}

QStringList ImageListThemeNames(ImageListId list, int index)
{
    const IconEntry* e = findEntry(list, index);
    if (!e)
        return {};
    return QString::fromLatin1(e->names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool ImageListIsDisabledGlyph(ImageListId list, int index)
{
    const IconEntry* e = findEntry(list, index);
    return e && e->disabled;
}

QList<int> ImageListIndexes(ImageListId list)
{
    QList<int> out;
    auto collect = [&](const auto& table) {
        for (const IconEntry& e : table)
            out << e.index;
    };
    switch (list) {
    case ImageListId::MenuIL: collect(kMenu); break;
    case ImageListId::ImageList1: collect(kTree); break;
    case ImageListId::ImageList2: collect(kTool); break;
    case ImageListId::SGImageList1: collect(kStatus); break;
    }
    std::sort(out.begin(), out.end());
    return out;
}

void ReplaceImageListIcon(ImageListId list, int index, const QIcon& icon)
{
    const Key key(int(list), index);
    if (icon.isNull())
        replacements().remove(key);
    else
        replacements().insert(key, icon);
}

void RestoreImageListIcons()
{
    replacements().clear();
}

namespace {

// The value of a key in the [Desktop Entry] group of a .desktop file.
QString desktopValue(const QList<QByteArray>& lines, const char* key)
{
    bool inEntry = false;
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (inEntry && line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size())).trimmed();
    }
    return QString();
}

QString firstWord(const QString& command)
{
    QString c = command.trimmed();
    if (c.startsWith(QLatin1Char('"'))) {
        const qsizetype end = c.indexOf(QLatin1Char('"'), 1);
        return end > 0 ? c.mid(1, end - 1) : c.mid(1);
    }
    const qsizetype space = c.indexOf(QLatin1Char(' '));
    return space < 0 ? c : c.left(space);
}

bool startsProgram(const QString& command, const QString& programPath)
{
    const QString word = firstWord(command);
    if (word.isEmpty())
        return false;
    if (word.contains(QLatin1Char('/')))
        return QFileInfo(word).canonicalFilePath() == QFileInfo(programPath).canonicalFilePath()
               || word == programPath;
    return word == QFileInfo(programPath).fileName();
}

} // namespace

QIcon ProgramIconIn(const QString& programPath, const QStringList& applicationDirs)
{
    if (programPath.isEmpty())
        return QIcon();
    ensureTheme();
    for (const QString& dir : applicationDirs) {
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QList<QByteArray> lines = f.readAll().split('\n');
            if (!startsProgram(desktopValue(lines, "TryExec"), programPath)
                && !startsProgram(desktopValue(lines, "Exec"), programPath))
                continue;
            const QString icon = desktopValue(lines, "Icon");
            if (icon.isEmpty())
                continue;
            if (QDir::isAbsolutePath(icon))
                return QFileInfo(icon).isFile() ? QIcon(icon) : QIcon();
            const QIcon themed = QIcon::fromTheme(icon);
            if (!themed.isNull())
                return themed;
        }
    }
    return QIcon();
}

QIcon ProgramIcon(const QString& programPath)
{
    static QHash<QString, QIcon> known;
    const auto hit = known.constFind(programPath);
    if (hit != known.constEnd())
        return *hit;
    QStringList dirs;
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        if (!dirs.contains(d))
            dirs << d;
    const QIcon icon = ProgramIconIn(programPath, dirs);
    known.insert(programPath, icon);
    return icon;
}

} // namespace platform
