// Undo of the last picture search.
#include "app/undo_search.h"

#include <QTableWidget>
#include <QTableWidgetSelectionRange>

bool UndoTBClick(QTableWidget& grid, int firstAddedRow,
                 const std::function<void(bool askConfirmation)>& deleteSelectedRows)
{
    const int last = grid.rowCount() - 1;
    if (firstAddedRow < 0 || firstAddedRow > last || !deleteSelectedRows)
        return false;
    grid.clearSelection();
    grid.setRangeSelected(QTableWidgetSelectionRange(firstAddedRow, 0, last, std::max(0, grid.columnCount() - 1)), true);
    deleteSelectedRows(false);
    return true;
}
