// The lines of a preview's information panel (size, date, camera, read-only)
// laid out so that each shows its whole text at any panel width: labels of
// one line stand side by side when they fit (in a font up to two points
// smaller when that makes them fit), else one under the other; a
// text wider than the panel wraps onto a second row; rows move closer when
// the panel's height is short of them.
#pragma once

#include <QLayout>
#include <QList>

#include <initializer_list>

class QLabel;

class InfoLinesLayout : public QLayout {
public:
    // `firstRowTop`: where the first row stands when the rows leave room.
    InfoLinesLayout(QWidget* panel, int firstRowTop);
    ~InfoLinesLayout() override;

    // One line of labels, in order; each label wraps its words.
    void addLine(std::initializer_list<QLabel*> labels);

    void addItem(QLayoutItem* item) override;   // a line of its own
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // The designed pitch of the rows and the panel's side margins.
    static constexpr int RowPitch = 18;
    static constexpr int SideMargin = 4;

private:
    struct Entry {
        QLayoutItem* item;
        int line;
    };
    QList<Entry> m_entries;
    int m_lines = 0;
    int m_firstRowTop;
};
