// The picture table: the in-memory list of the pictures of the current
// folder, selection or show, with the number in use and the show cursor.
// Filled by the collections and the page view, read by the display, the
// slide show and the captions.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

struct ShowSession;

struct TPictureEntry {
    QString FullPath;          // the picture's full path
    QString BookmarkKey;       // second text: the key bookmarks are compared with
    double PictureDate = 0;    // date (days since 1899-12-30); 0 = unknown
    int32_t RecordIndex = 0;   // record index of the picture in the show file
};

// Entries added at a time while a collection grows the table.
constexpr int32_t PictureTableGrowStep = 500;

// "N pictures selected..." for the "Preparing Slide Show..." window.
QString CollectionProgressText(int32_t pictureCount);

// Makes room in the session's picture table for `count` pictures (plus 10
// spare). Without progress the table gets exactly count + 10 entries (it may
// shrink). With progress the session's CollectionProgressCounter rises;
// above 250 pending window messages run, the counter returns to 0 and the
// progress text (of its PictureCount, for the preparing window's
// `StageLabel`) is returned; then a table smaller than count + 10 grows by
// 500 entries, or further when that is still too small. New entries are
// empty. With progress the table never shrinks. Returns the progress text
// when it is due, else an empty text.
QString GrowSelectionList(int32_t count, bool progress, ShowSession& session);
