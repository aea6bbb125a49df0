#include "browse/wallpaper.h"

#include "base/registry_store.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QUrl>

const QString WallpaperBeingSetText = QStringLiteral("Wallpaper is being set....");
const QString WallpaperNotSetText =
    QStringLiteral("The desktop's wallpaper could not be set: this desktop offers no way to set it "
                   "(GNOME, Cinnamon, MATE, Xfce and Plasma do). The picture and style are kept.");

namespace {
const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");
const QString kDesktopKey = QStringLiteral("Control Panel\\Desktop");
} // namespace

WallpaperValues WallpaperValuesFor(const QString& path, int styleChoice)
{
    WallpaperValues v;
    v.wallpaper = path;
    v.tileWallpaper = styleChoice == 0 ? QStringLiteral("1") : QStringLiteral("0");
    int style = styleChoice;
    if (style == 1)
        style = 0;   // centred is "not tiled" with style 0
    v.wallpaperStyle = QString::number(style);
    return v;
}

QString WriteWallpaperValues(const WallpaperValues& values)
{
    const QList<QPair<QString, QString>> order = {
        {QStringLiteral("Wallpaper"), values.wallpaper},
        {QStringLiteral("TileWallpaper"), values.tileWallpaper},
        {QStringLiteral("WallpaperStyle"), values.wallpaperStyle},
        {QStringLiteral("WallpaperOriginX"), values.originX},
        {QStringLiteral("WallpaperOriginY"), values.originY},
    };
    for (const auto& [name, value] : order)
        if (!WriteRegistryString(kRoot, kDesktopKey, name, value))
            return QStringLiteral("Failed to set data for '") + name + QStringLiteral("'");
    return {};
}

// ---- the desktop's own tool ----------------------------------------------------------

DesktopKind DetectDesktop(const QString& xdgCurrentDesktop, const std::function<bool(const QString&)>& toolFound)
{
    const QStringList names = xdgCurrentDesktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto has = [&](std::initializer_list<const char*> wanted) {
        for (const char* w : wanted)
            if (names.contains(QLatin1String(w)))
                return true;
        return false;
    };
    const auto found = [&](const char* tool) { return !toolFound || toolFound(QLatin1String(tool)); };
    if (has({"kde", "plasma"}))
        return found("dbus-send") ? DesktopKind::Plasma : DesktopKind::None;
    if (has({"xfce"}))
        return found("xfconf-query") ? DesktopKind::Xfce : DesktopKind::None;
    if (has({"x-cinnamon", "cinnamon"}))
        return found("gsettings") ? DesktopKind::Cinnamon : DesktopKind::None;
    if (has({"mate"}))
        return found("gsettings") ? DesktopKind::Mate : DesktopKind::None;
    if (has({"gnome", "unity", "ubuntu", "budgie", "pantheon", "gnome-classic", "gnome-flashback"}))
        return found("gsettings") ? DesktopKind::Gnome : DesktopKind::None;
    return DesktopKind::None;
}

namespace {
std::optional<DesktopKind>& desktopOverride()
{
    static std::optional<DesktopKind> kind;
    return kind;
}
} // namespace

void SetDesktopOverride(std::optional<DesktopKind> kind)
{
    desktopOverride() = kind;
}

DesktopKind CurrentDesktop()
{
    if (desktopOverride())
        return *desktopOverride();
    const QString desktop = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    return DetectDesktop(desktop, [](const QString& tool) { return !QStandardPaths::findExecutable(tool).isEmpty(); });
}

WallpaperToolRunner& WallpaperRunner()
{
    static WallpaperToolRunner runner = [](const ExternalCommand& command) {
        WallpaperToolReply reply;
        QProcess process;
        process.setProgram(command.program);
        process.setArguments(command.arguments);
        process.start();
        if (!process.waitForStarted(5000))
            return reply;
        // A tool that hangs is given up after 10 s.
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(1000);
            return reply;
        }
        reply.output = process.readAllStandardOutput();
        reply.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return reply;
    };
    return runner;
}

namespace {

QString gsettingsOption(int styleChoice)
{
    switch (styleChoice) {
    case 0: return QStringLiteral("wallpaper");
    case 1: return QStringLiteral("centered");
    case 2: return QStringLiteral("stretched");
    default: return {};
    }
}

QString fileUri(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString jsString(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        if (c.unicode() < 0x20) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        out += c;
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace

QString PlasmaWallpaperScript(const QString& path, int styleChoice)
{
    // Plasma's image wallpaper fill modes: 0 stretch, 3 tile, 6 centre.
    QString fill;
    if (styleChoice == 0)
        fill = QStringLiteral("3");
    else if (styleChoice == 1)
        fill = QStringLiteral("6");
    else if (styleChoice == 2)
        fill = QStringLiteral("0");
    QString script = QStringLiteral("var all = desktops();"
                                    "for (var i = 0; i < all.length; i++) {"
                                    "var d = all[i];"
                                    "d.wallpaperPlugin = \"org.kde.image\";"
                                    "d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                                    "d.writeConfig(\"Image\", %1);")
                         .arg(jsString(fileUri(path)));
    if (!fill.isEmpty())
        script += QStringLiteral("d.writeConfig(\"FillMode\", %1);").arg(fill);
    script += QLatin1Char('}');
    return script;
}

QList<ExternalCommand> DesktopWallpaperCommands(DesktopKind desktop, const QString& path, int styleChoice,
                                                const QStringList& xfceProperties)
{
    QList<ExternalCommand> calls;
    const QString gsettings = QStringLiteral("gsettings");
    const QString option = gsettingsOption(styleChoice);
    switch (desktop) {
    case DesktopKind::None:
        break;
    case DesktopKind::Gnome:
    case DesktopKind::Cinnamon: {
        const QString schema = desktop == DesktopKind::Gnome ? QStringLiteral("org.gnome.desktop.background")
                                                             : QStringLiteral("org.cinnamon.desktop.background");
        calls << ExternalCommand{gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-uri"), fileUri(path)}};
        if (desktop == DesktopKind::Gnome)
            calls << ExternalCommand{
                gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-uri-dark"), fileUri(path)}};
        if (!option.isEmpty())
            calls << ExternalCommand{gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-options"), option}};
        break;
    }
    case DesktopKind::Mate: {
        const QString schema = QStringLiteral("org.mate.background");
        calls << ExternalCommand{gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-filename"), path}};
        if (!option.isEmpty())
            calls << ExternalCommand{gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-options"), option}};
        break;
    }
    case DesktopKind::Xfce: {
        // Xfce's image styles: 1 centred, 2 tiled, 3 stretched.
        QString style;
        if (styleChoice == 0)
            style = QStringLiteral("2");
        else if (styleChoice == 1)
            style = QStringLiteral("1");
        else if (styleChoice == 2)
            style = QStringLiteral("3");
        QStringList properties;
        for (const QString& p : xfceProperties)
            if (p.trimmed().endsWith(QLatin1String("/last-image")))
                properties << p.trimmed();
        if (properties.isEmpty())
            properties << QStringLiteral("/backdrop/screen0/monitor0/workspace0/last-image");
        const QString tool = QStringLiteral("xfconf-query");
        const QString channel = QStringLiteral("xfce4-desktop");
        for (const QString& p : properties) {
            calls << ExternalCommand{tool,
                                     {QStringLiteral("-c"), channel, QStringLiteral("-p"), p, QStringLiteral("-n"),
                                      QStringLiteral("-t"), QStringLiteral("string"), QStringLiteral("-s"), path}};
            if (!style.isEmpty()) {
                QString styleProperty = p;
                styleProperty.chop(int(QStringLiteral("last-image").size()));
                styleProperty += QStringLiteral("image-style");
                calls << ExternalCommand{tool,
                                         {QStringLiteral("-c"), channel, QStringLiteral("-p"), styleProperty,
                                          QStringLiteral("-n"), QStringLiteral("-t"), QStringLiteral("int"),
                                          QStringLiteral("-s"), style}};
            }
        }
        break;
    }
    case DesktopKind::Plasma:
        calls << ExternalCommand{QStringLiteral("dbus-send"),
                                 {QStringLiteral("--session"), QStringLiteral("--dest=org.kde.plasmashell"),
                                  QStringLiteral("--type=method_call"), QStringLiteral("/PlasmaShell"),
                                  QStringLiteral("org.kde.PlasmaShell.evaluateScript"),
                                  QStringLiteral("string:") + PlasmaWallpaperScript(path, styleChoice)}};
        break;
    }
    return calls;
}

WallpaperApplied ApplyDesktopWallpaper(const QString& path, int styleChoice, DesktopKind desktop,
                                       const WallpaperToolRunner& runner)
{
    if (desktop == DesktopKind::None)
        return WallpaperApplied::StoredOnly;
    QStringList xfceProperties;
    if (desktop == DesktopKind::Xfce) {
        const WallpaperToolReply listed = runner(
            {QStringLiteral("xfconf-query"), {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-l")}});
        if (listed.exitCode == 0)
            xfceProperties = QString::fromUtf8(listed.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    bool allOk = true;
    bool first = true;
    for (const ExternalCommand& call : DesktopWallpaperCommands(desktop, path, styleChoice, xfceProperties)) {
        const WallpaperToolReply reply = runner(call);
        // GNOME before 42 has no dark picture; that key's failure is no failure.
        const bool optional = call.arguments.contains(QStringLiteral("picture-uri-dark"));
        if (reply.exitCode != 0 && !optional) {
            allOk = false;
            if (first)
                return WallpaperApplied::Failed;   // the picture itself was not taken
        }
        first = false;
    }
    return allOk ? WallpaperApplied::Applied : WallpaperApplied::Failed;
}
