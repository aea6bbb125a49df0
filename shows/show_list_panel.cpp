#include "shows/show_list_panel.h"
#include "platform/designed_widgets.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

ShowListPanel::ShowListPanel(QWidget* clientArea)
{
    m_bevel = platform::PlacedFrame(clientArea, "Bevel2", QRect(404, 32, 392, 22), QFrame::Box);
    m_header = platform::PlacedLabel(clientArea, "ImMyShowHeader", QRect(404, 32, 392, 22));
    m_nameLabel = platform::PlacedLabel(clientArea, "MyShowLabel", QRect(409, 35, 380, 16));

    m_grid = new QTableWidget(0, 5, clientArea);
    m_grid->setObjectName(QStringLiteral("MyShowSG"));
    m_grid->setGeometry(404, 56, 392, 262);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Seq"), QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("Title"), QStringLiteral("Path")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->hide();

    // Six buttons of one width under the list.
    const int btnTop = 322, btnW = 65, btnH = 24;
    const char* const names[] = {"ExchangeButtonBoven", "ExchangeButtonBeneden", "MoveButton",
                                 "DeleteButton",        "TextSB",                "ClearListButton"};
    for (int k = 0; k < 6; ++k) {
        QToolButton* b = platform::PlacedButton(clientArea, names[k], QRect(404 + k * btnW, btnTop, btnW, btnH));
        b->setEnabled(false);
        m_buttons[size_t(k)] = b;
    }
}
