// Path helpers shared by every file operation: extensions, folders, voice
// file names and free names for copied, renamed and cut-out files.
// Paths are native ("/" separators, no trailing "/" except on "/").
#pragma once

#include <QString>

// The extension of a path's file name with its dot (".jpg"), or "" when the
// name has none. A name's leading dot (".hidden") is not an extension.
QString FileExtOf(const QString& path);

// The path without the letters of its extension; the dot stays unless
// dropDot asks to drop it too. A path without extension comes back unchanged.
QString StripFileExt(const QString& path, bool dropDot);

// The path up to its last "/" (with it, or without it when asked); a path
// without "/" comes back unchanged.
QString CutAtLastBackslash(const QString& path, bool keepSeparator);

// The folder of a path, without a trailing "/" except for "/" itself.
QString FolderOf(const QString& path);
// The text after the last "/"; of a path ending in "/" the mount point of
// its drive ("/" for the root); a text without "/" whole.
QString LastPathComponent(const QString& Path);

// The voice recording that belongs to a picture: the picture path with its
// extension replaced by "wav" ("/p/beach.jpg" -> "/p/beach.wav").
QString VoicePathFor(const QString& picturePath);

// True when the picture's extension (compared in lower case) is one that
// carries a voice file: .jpg .jpeg .ico .bmp .wmf .emf .gif.
bool PictureCarriesVoice(const QString& picturePath);

// Free path for a copy, a renamed file or a cut-out, by kind (compared
// exactly): "ShowFile" -> "<dir>/Copy N of <name>"; "PictureFile" and
// "SoundFile" -> "<dir>/<base>_Renamed_N<ext>"; "CutOutFile" ->
// "<dir>/<base>_CutOut_N" (no extension; free when neither .bmp nor .jpg
// exists). An earlier "_Renamed_…" or "_CutOut_…" tail of the file name is
// dropped first (only in the file name, never in the folder part). N counts
// from 1 past every existing name. For "ShowFile", unless quiet, a warning
// says the show file is read-only and where it has been saved.
QString MakeUniqueCopyName(const QString& path, const QString& kind, bool quiet);

// The warning text of a read-only show file saved under a new name.
QString ReadOnlyShowSavedText(const QString& originalPath, const QString& newPath);

// True when both paths name the same file (the files themselves are
// compared, not the texts: links and "/./" name the same file).
bool SameFile(const QString& a, const QString& b);

// What a copy came to.
enum class CopyStatus {
    Ok,
    SameFile,            // source and target are one file (a link, "..", another letter case)
    SourceUnreadable,    // the source is missing, a folder, or cannot be read
    TargetUnwritable,    // the target cannot be created or written (full, read-only, no folder)
    VerifyFailed,        // the bytes read back differ from the source's
};

// Copies a file onto `target` (replacing it) through a temporary file in the
// target's folder, synced, then checks that the copy holds the same bytes
// before it is renamed to the target. The old target stays whole when
// anything fails. The copy keeps the source's mode bits and date. Refuses to
// copy a file onto itself or onto a read-only file or a folder. `error`
// gets the system's reason (an errno value) of a target that could not be
// written.
CopyStatus CopyFileVerified(const QString& source, const QString& target, int* error = nullptr);

// The same copy; true when it came to CopyStatus::Ok.
bool CopyFileChecked(const QString& source, const QString& target);

// Moves a file: a rename on the same volume, else copy, check, then delete
// the source. Never replaces an existing target unless `replace` is set.
// Returns false (source kept) when any step fails.
bool MoveFileChecked(const QString& source, const QString& target, bool replace);
