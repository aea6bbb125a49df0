// What an opening of FolderToOpen leads to, decided without any widget:
// refused while a show runs, a drive that is not ready, a show file, a
// folder, or a path that no longer exists.
#pragma once

#include <QChar>
#include <QString>

extern const QString OpenRefusedWhileShowText;
extern const QString FolderOrFileGoneText;
QString DriveNotReadyText(QChar letter);

enum class OpenTargetKind {
    ShowRunning,    // a slide show runs: nothing is opened
    DriveNotReady,  // the drive letter has no volume, or it can't be read
    ShowFile,       // an existing file: opened as the MyShow
    Folder,         // an existing folder: the tree walks to it
    Missing,        // nothing there (or outside every drive)
};

struct OpenTarget {
    OpenTargetKind kind = OpenTargetKind::Missing;
    QString path;         // the native path
    QChar letter;         // the drive's letter (null when outside every drive)
    QString mountPoint;   // the drive's mount point
    QString message;      // the text shown for the refusals ("" otherwise)
};

// Turns a "X:" / "X:/rest" / "X:\rest" text into the path below that drive's
// mount point; native paths come back cleaned ("/" separators, no trailing
// "/"). A letter without a drive gives "".
QString NativeFolderPath(const QString& text);

// The drive letter a text names or lies on (null when none).
QChar OpenTargetLetter(const QString& text);

OpenTarget ResolveOpenTarget(const QString& folderToOpen, bool playbackActive);
