// The rules of the maintenance window for the favourites and the recent
// folders (FavoritesWindow): a working copy of the nine entries, edited by moving,
// removing and clearing, always packed at the front, and the button rules
// for the selected row. Rows are numbered 1 .. 9 as in the window's grid
// (row r shows entry r, index r - 1).
#pragma once

#include <QString>

#include <array>

constexpr int MaintenanceRows = 9;
using TMaintenanceList = std::array<QString, MaintenanceRows>;

// The caption of an empty slot in the grid.
extern const QString EmptyEntryText;   // "<<empty entry>>"

// "M" for a show file (".vxt", any letter case), "F" for a folder, "" for an
// empty slot.
QString MaintenanceEntryType(const QString& entry);

// The used entries moved to the front in their order, the rest emptied.
void PackMaintenanceList(TMaintenanceList& list);

// Which buttons the selected row allows.
struct MaintenanceButtons {
    bool Remove = false;
    bool Up = false;
    bool Down = false;
    bool Clear = false;
};
MaintenanceButtons MaintenanceButtonRules(const TMaintenanceList& list, int row);

// The edits; each returns the row to select afterwards (the row itself when
// nothing could be done).
int MoveMaintenanceEntryUp(TMaintenanceList& list, int row);
int MoveMaintenanceEntryDown(TMaintenanceList& list, int row);
// Removes entry `row`; the later entries move up and the last slot is
// emptied. The selection stays, or moves up to the last used entry (row 1
// at least) when its row is now empty.
int RemoveMaintenanceEntry(TMaintenanceList& list, int row);
// Empties every entry; row 1 is selected.
int ClearMaintenanceList(TMaintenanceList& list);
