#include "app/favorites_window_logic.h"

#include <utility>

const QString EmptyEntryText = QStringLiteral("<<empty entry>>");

namespace {

bool validRow(int row)
{
    return row >= 1 && row <= MaintenanceRows;
}

QString& entry(TMaintenanceList& list, int row)
{
    return list[size_t(row - 1)];
}

const QString& entry(const TMaintenanceList& list, int row)
{
    return list[size_t(row - 1)];
}

} // namespace

QString MaintenanceEntryType(const QString& e)
{
    if (e.isEmpty())
        return QString();
    return e.toLower().endsWith(QLatin1String(".vxt")) ? QStringLiteral("M") : QStringLiteral("F");
}

void PackMaintenanceList(TMaintenanceList& list)
{
    TMaintenanceList packed;
    size_t n = 0;
    for (const QString& e : list)
        if (!e.isEmpty())
            packed[n++] = e;
    list = packed;
}

MaintenanceButtons MaintenanceButtonRules(const TMaintenanceList& list, int row)
{
    MaintenanceButtons b;
    b.Clear = !list[0].isEmpty();
    if (!validRow(row))
        return b;
    const bool used = !entry(list, row).isEmpty();
    b.Remove = used;
    b.Up = used && row > 1;
    b.Down = row < MaintenanceRows && !entry(list, row + 1).isEmpty();
    return b;
}

int MoveMaintenanceEntryUp(TMaintenanceList& list, int row)
{
    if (!MaintenanceButtonRules(list, row).Up)
        return row;
    std::swap(entry(list, row), entry(list, row - 1));
    return row - 1;
}

int MoveMaintenanceEntryDown(TMaintenanceList& list, int row)
{
    if (!MaintenanceButtonRules(list, row).Down)
        return row;
    std::swap(entry(list, row), entry(list, row + 1));
    return row + 1;
}

int RemoveMaintenanceEntry(TMaintenanceList& list, int row)
{
    if (!validRow(row) || entry(list, row).isEmpty())
        return row;
    for (int r = row; r < MaintenanceRows; ++r)
        entry(list, r) = entry(list, r + 1);
    entry(list, MaintenanceRows).clear();
    if (!entry(list, row).isEmpty())
        return row;
    int last = row - 1;
    while (last > 1 && entry(list, last).isEmpty())
        --last;
    return qMax(1, last);
}

int ClearMaintenanceList(TMaintenanceList& list)
{
    for (QString& e : list)
        e.clear();
    return 1;
}
