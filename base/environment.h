// Environment detection: what the program learns of the machine at start-up
// (installed edit and video programs, the outside viewer, the uploader, the
// interface font, the user's folders and the colour scheme of the drawn
// controls). Nothing here talks to another program.
#pragma once

#include "base/environment_info.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

// ---- Colour scheme -------------------------------------------------------------
// Reads six hexadecimal digits (red, green, blue pairs) into a colour value
// red + green*256 + blue*65536. Anything not of that form gives 0.
quint32 HexToColor(const QString& hex);
// The QColor of such a colour value.
QColor ColorRefToQColor(quint32 ref);
// The six-digit texts of the scheme, in order.
const std::array<const char*, ColorSchemeSize>& ColorSchemeTexts();
// Sets the environment's ColorScheme from those texts.
void InitColorScheme(EnvironmentInfo& environment);

// ---- Fonts ------------------------------------------------------------------
bool IsFontInstalled(const QString& name);
// Sets the environment's UIFontName and UIFontSize; returns the system kind
// (always 2, the newest kind).
int SelectUIFont(EnvironmentInfo& environment);

// ---- System drive -------------------------------------------------------------
// The letter of the system volume (the one holding "/"), lower case.
QString GetSystemDriveLetter();

// ---- Program discovery -------------------------------------------------------
enum class ProgramRole { Edit, Video, Uploader };

// One well-known Linux program: its command name (looked up through PATH) and
// the ids of the .desktop files that install it.
struct KnownProgram {
    const char* command;
    QStringList desktopIds;
};
const std::vector<KnownProgram>& KnownPrograms(ProgramRole role);

// Where programs are looked for. Empty lists mean: PATH from the environment,
// and the XDG applications folders (XDG_DATA_HOME then XDG_DATA_DIRS).
struct ProgramSearchPlaces {
    QStringList pathDirs;
    QStringList applicationDirs;
    static ProgramSearchPlaces fromEnvironment();
};

// The command a .desktop file starts (TryExec, else the first word of Exec),
// resolved to an existing executable file; empty when there is none or it is
// only a launcher (flatpak, env, sh …) that would not take a picture directly.
QString ProgramOfDesktopFile(const QString& desktopFile, const QStringList& pathDirs);

// Every installed program of the role, in the table's order: first the ones
// found through PATH, then the ones only a .desktop file names. No path twice.
QStringList FindInstalledPrograms(ProgramRole role, const ProgramSearchPlaces& places);

// Puts candidates into the empty programSlots of a 5-entry program list, first empty
// slot first. A filled slot is never changed; a candidate already listed (same
// text in any letter case, or the same file) is skipped; a path longer than a
// slot's 200 bytes is skipped rather than stored cut. Returns how many were added.
int FillProgramSlots(QStringList& programSlots, const QStringList& candidates);

// Fills the free programSlots of both program lists (edit programs, then video
// programs); nothing is searched for a list whose 5 programSlots are all filled.
void FindEditPrograms(QStringList& editPrograms, QStringList& videoPrograms,
                      const ProgramSearchPlaces& places = ProgramSearchPlaces::fromEnvironment());

// The outside viewer vxview: beside the program first, then through PATH.
// Sets the environment's IrfanViewPath and IrfanViewFound.
bool FindIrfanView(EnvironmentInfo& environment, const QString& programFolder = QString(),
                   const ProgramSearchPlaces& places = ProgramSearchPlaces::fromEnvironment());
// The first installed uploader of the table; sets the environment's UploaderPath.
bool FindUploader(EnvironmentInfo& environment,
                  const ProgramSearchPlaces& places = ProgramSearchPlaces::fromEnvironment());

// ---- Old profile paths --------------------------------------------------------
// prefix: system drive letter + ":\documents and settings".
bool MatchesOldProfilePath(const QString& path, const QString& systemDriveLetter);
// Empties the list when any entry matches and writes the others back from
// the first slot on, in their order. Returns true when something was dropped.
bool DropMatchingPaths(QStringList& list, const QString& systemDriveLetter);
bool HasOldProfilePaths(const QStringList& favorites, const QStringList& recentFolders,
                        const QString& startupFolder, const QString& autoShowPath,
                        const QString& systemDriveLetter);
void DropOldProfilePaths(QStringList& favorites, QStringList& recentFolders,
                         QString& startupFolder, QString& autoShowPath,
                         const QString& systemDriveLetter);
// The nine sound-search folders: matching ones are dropped and the list
// compacted; when fewer than 9 remain, "My Music" goes into the first free
// slot, but only when the folder exists and is not listed already.
void DropOldSoundSearchFolderList(QStringList& folders, const QString& systemDriveLetter,
                                  const QString& myMusicFolder);
// The same on the sound-search settings file (its one record read and
// rewritten whole). Returns false when the file could not be read or written.
bool DropOldSoundSearchFolders(const QString& searchSettingsPath, const QString& systemDriveLetter,
                               const QString& myMusicFolder);

// ---- The user's folders -------------------------------------------------------
struct ShellFolders {
    QString desktop;
    QString pictures;
    QString music;
};
// From XDG (QStandardPaths); a folder that does not exist is empty.
ShellFolders ReadXdgFolders();

// A network path is an ordinary mount here: returned unchanged.
QString MapUNCFolder(const QString& folder);
int CancelNetworkDrive(const QString& localName);

// Whether a folder that does not exist sits on a volume that is merely not
// mounted (removable media, a network share, another drive letter's volume):
// then it is kept as the start-up folder, and start-up reports the drive as
// not ready instead of dropping the user's choice.
using MountedCheck = std::function<bool(const QString& mountPoint)>;
bool IsOnUnmountedVolume(const QString& folder, const MountedCheck& mounted = {});
// The volume such a folder lives on, as the start-up message names it: the
// mount point where it comes ("/media/usbstick"), or the letter of a stored
// "D:\Pictures"; empty when the folder is not on an unmounted volume.
QString UnmountedVolumeOf(const QString& folder, const MountedCheck& mounted = {});

// Reads Desktop and Pictures into the environment; the start-up folder becomes
// the Pictures folder when it does not exist, unless its volume is only unmounted.
void ReadShellFolders(EnvironmentInfo& environment, QString& startupFolder, const MountedCheck& mounted = {});
