// "Undo last search": takes the pictures the last picture search added back
// out of the open show's list.
#pragma once

#include <functional>

class QTableWidget;

// Selects in the show list the rows from firstAddedRow (the first row the
// last search added) to the last row, and hands them to deleteSelectedRows
// (the list's delete, which removes the selected block) with its
// confirmation question switched off. Nothing happens when no such row is
// there. Returns true when rows were handed over.
bool UndoTBClick(QTableWidget& grid, int firstAddedRow,
                 const std::function<void(bool askConfirmation)>& deleteSelectedRows);
