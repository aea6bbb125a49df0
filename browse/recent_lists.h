// The recent folders, the favourites and the MyShow history: three short
// lists kept in the settings record, used entries packed at the front.
//
// The rules here are plain functions over the lists; MainWindow (main_window_lists.cpp)
// keeps the menus in step with them and opens the entries.
#pragma once

#include "base/settings_record.h"

#include <QString>

#include <cstdint>
#include <span>

constexpr int RecentSlots = 9;
constexpr int FavoriteSlots = 9;
constexpr int HistorySlots = 5;

// ---- Comparing -----------------------------------------------------------------

// The recent list and the favourites compare paths ignoring letter case
// (both sides lower-cased); the MyShow history compares them exactly, so
// two show files whose names differ only in case are two entries.
enum class ListCompare { IgnoreCase, Exact };

bool SameListPath(const QString& a, const QString& b, ListCompare compare);

// Index of the first entry equal to the path, or -1. An empty path is never
// found (empty entries are free slots).
int FindListEntry(std::span<const QString> list, const QString& path, ListCompare compare);

// ---- Changing ------------------------------------------------------------------

// Removes the first entry equal to the path: the later entries move up by
// one and the last slot is emptied. False when the path is not in the list.
bool RemoveListEntry(std::span<QString> list, const QString& path, ListCompare compare);

// The recent list's rule for a path put at the top: the path, then the old
// entries in order leaving out those equal to it (ignoring case), cut to
// the list's length; the old last entry always drops out, even when a
// copy of the path made room.
void PutAtTopOfRecent(std::span<QString> list, const QString& path);

// The history's rule: the first slot that equals the path exactly, or is
// empty, or else the last slot, is taken out; the entries above it move one
// place down and the path goes into slot 0.
void PutAtTopOfHistory(std::span<QString> list, const QString& path);

// Puts the path into the first empty slot (no duplicate test); its index,
// or -1 when every slot is used.
int AddToFirstFreeSlot(std::span<QString> list, const QString& path);

// ---- Captions ------------------------------------------------------------------

// The menu caption of entry `index`: "&" + (index + 1) + " - " + the full
// path with every "&" doubled.
QString ListMenuCaption(int index, const QString& entry);

// ---- Adding to the recent list -------------------------------------------------

// The Draft show's file name; never put into the recent list.
extern const QString DraftShowFileName;   // "vistamo.vxt"

// A show file "may not be changed": no show running and the open show not
// changeable; or a show running that is not played straight from its file,
// and the open show not changeable.
bool ShowMayNotChange(bool showRunning, bool playedDirectly, bool showChangeable);

struct RecentAddInput {
    QString path;                   // RecentCandidate
    bool listEntryStarted = false;  // the show was played straight from a list entry
    bool existingShowFile = false;  // the path is an existing file (a MyShow file)
    bool mayNotChange = false;      // ShowMayNotChange for the open show
    bool convertedUnsaved = false;  // a show just converted from an older format, not saved yet
};

enum class RecentAddResult {
    Added,              // the path is at the top of the list
    Unchangeable,       // a MyShow file that may not be changed: nothing done
    ConvertedUnsaved,   // not added
    DraftShow,          // the Draft show is never added
    IsFavorite,         // in the favourites: the list is left as it was
    Empty,              // no path
};

struct RecentAddOutcome {
    RecentAddResult result = RecentAddResult::Empty;
    int favoriteIndex = -1;         // for IsFavorite
};

// Applies the recent list's rule to the settings' RecentFolders (the
// favourites are only read).
RecentAddOutcome AddToRecentList(TSettingsRecord& settings, const RecentAddInput& in);

// ---- Favourites ----------------------------------------------------------------

extern const QString UnchangeableFavoriteText;  // the error when a locked MyShow file is added
extern const QString FavoritesFullText;         // the question when all nine are used
QString AddFavoriteNowText(const QString& path);

// The rule of the "Find" routine: kind 'R' (recent), 'F' (favourites) or
// 'H' (history); the index of the path in that list or -1.
int FindInList(const TSettingsRecord& settings, QChar kind, const QString& path);
