// The list of known show files ("AllMyShow.dat"): records of 201 bytes, a
// length byte and up to 200 bytes of a show file's full path, no header, in
// the order of the MyShow manager's list.
#pragma once

#include "platform/record_file.h"

#include <QString>
#include <QStringList>

constexpr int ShowListRecordSize = 201;
constexpr int ShowListPathCapacity = 200;
// The most show files the list holds; a larger file is refused unread.
constexpr qint64 MaxKnownShows = 10000;

QByteArray EncodeShowListRecord(const QString& path);
QString DecodeShowListRecord(const QByteArray& record);

// The paths stored in the file, in order; with `skipMissing` the paths that
// no longer exist as files are left out. A missing file gives an empty list;
// a partial last record is ignored. A file that is refused (too large, not
// a regular file, unreadable) gives no paths and says why: it must then not
// be rewritten from the empty list.
using KnownShowsRead = platform::ListRead<QStringList>;
KnownShowsRead ReadKnownShows(const QString& listPath, bool skipMissing);

// The message when the file could not be read and is therefore not rewritten.
QString KnownShowsLeftText(const QString& listPath, const QString& reason);

// After a folder rename: each path that no longer exists as a file and whose
// first `prefixLength` characters equal `oldPrefix` (in lower case) becomes
// `newPrefix` + the rest. Returns how many paths changed.
int RenameKnownShowFolder(QStringList& paths, const QString& oldPrefix, const QString& newPrefix,
                          int prefixLength);

// Rewrites the whole file from `paths` (each cut to 200 bytes), optionally
// after the prefix replacement above.
platform::RecordResult WriteKnownShows(const QString& listPath, QStringList& paths,
                                       const QString& oldPrefix = QString(),
                                       const QString& newPrefix = QString(), int prefixLength = 0,
                                       bool replace = false);
