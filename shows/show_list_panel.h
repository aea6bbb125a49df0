// The MyShow list's column of the main window: the header picture
// "ImMyShowHeader" on its frame "Bevel2", the open show's name "MyShowLabel",
// the list "MyShowSG" (Seq, T, S, Title, Path) and the six buttons under it.
// The widgets are children of the client area at their design bounds, so
// the layouts place each one; the panel keeps them together.
#pragma once

#include <array>

class QFrame;
class QLabel;
class QTableWidget;
class QToolButton;
class QWidget;

class ShowListPanel {
public:
    // Builds the column on `clientArea`: the list hidden, its buttons disabled.
    explicit ShowListPanel(QWidget* clientArea);

    QFrame* bevel() const { return m_bevel; }
    QLabel* header() const { return m_header; }
    QLabel* nameLabel() const { return m_nameLabel; }
    QTableWidget* grid() const { return m_grid; }
    // The buttons under the list, left to right: move up
    // ("ExchangeButtonBoven"), move down ("ExchangeButtonBeneden"),
    // "MoveButton", "DeleteButton", "TextSB", "ClearListButton".
    const std::array<QToolButton*, 6>& buttons() const { return m_buttons; }

private:
    QFrame* m_bevel;
    QLabel* m_header;
    QLabel* m_nameLabel;
    QTableWidget* m_grid;
    std::array<QToolButton*, 6> m_buttons{};
};
