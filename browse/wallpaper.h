// The desktop wallpaper: the picture and style the user chose are kept as
// the desktop's wallpaper values ("Wallpaper", "TileWallpaper",
// "WallpaperStyle", "WallpaperOriginX", "WallpaperOriginY" of the user's
// "Control Panel\Desktop" key, which live in the data folder's registry
// INI file), and applied through the desktop's own tool where there is one:
// gsettings (GNOME and its kin, Cinnamon, MATE), xfconf-query (Xfce) or
// Plasma's D-Bus scripting call (dbus-send). Elsewhere the values are only
// stored.
#pragma once

#include "browse/external_programs.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// "Wallpaper is being set...."
extern const QString WallpaperBeingSetText;
// Said when the desktop has no tool that sets its wallpaper.
extern const QString WallpaperNotSetText;

// The values written, as texts.
struct WallpaperValues {
    QString wallpaper;
    QString tileWallpaper;   // "1" for Tiled, else "0"
    QString wallpaperStyle;  // "0" Tiled and Centered, "2" Stretched, "-1" none chosen
    QString originX = QStringLiteral("0");
    QString originY = QStringLiteral("0");
};
WallpaperValues WallpaperValuesFor(const QString& path, int styleChoice);

// Writes the five values, in order, to the registry store. On failure the
// text says which value could not be written (the rest are not written).
QString WriteWallpaperValues(const WallpaperValues& values);

// ---- the desktop's own tool -------------------------------------------------------

enum class DesktopKind { None, Gnome, Cinnamon, Mate, Xfce, Plasma };

// The desktop from XDG_CURRENT_DESKTOP (":"-separated names, any case), when
// its tool is installed (`toolFound` is asked with the tool's name).
DesktopKind DetectDesktop(const QString& xdgCurrentDesktop, const std::function<bool(const QString&)>& toolFound);
// The same from the environment and PATH, unless an override is set.
DesktopKind CurrentDesktop();
// Makes CurrentDesktop give `kind` (tests); std::nullopt detects again.
void SetDesktopOverride(std::optional<DesktopKind> kind);

// What a tool call printed and how it ended.
struct WallpaperToolReply {
    int exitCode = -1;       // -1 when it could not be started
    QByteArray output;       // standard output
};
using WallpaperToolRunner = std::function<WallpaperToolReply(const ExternalCommand&)>;
// The runner every tool call goes through: by default the tool is run and
// waited for (at most 10 s) on the calling thread, a worker's (see
// ApplyDesktopWallpaper). Tests replace it to record the calls without
// running anything.
WallpaperToolRunner& WallpaperRunner();

// The calls that set the wallpaper on a desktop. Xfce's calls are made for
// each of its "…/last-image" properties (`xfceProperties`, from
// `xfconf-query -c xfce4-desktop -l`); with none listed, for the first
// monitor's first workspace. No style chosen leaves the style as it is.
QList<ExternalCommand> DesktopWallpaperCommands(DesktopKind desktop, const QString& path, int styleChoice,
                                                const QStringList& xfceProperties = {});

// The Plasma script that sets the picture (and the fill mode) on every desktop.
QString PlasmaWallpaperScript(const QString& path, int styleChoice);

enum class WallpaperApplied { Applied, StoredOnly, Failed };

// Applies the wallpaper on the desktop through `runner` (a copy of
// WallpaperRunner when none is given), each call waited for: the window
// hands it to a worker.
WallpaperApplied ApplyDesktopWallpaper(const QString& path, int styleChoice, DesktopKind desktop = CurrentDesktop(),
                                       const WallpaperToolRunner& runner = WallpaperRunner());
