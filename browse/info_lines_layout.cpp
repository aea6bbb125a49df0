#include "browse/info_lines_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidgetItem>

#include <algorithm>

namespace {

// The width a label needs for its text on one row.
int textWidth(const QLabel* label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) + 2 * (label->margin() + label->frameWidth()) + 1;
}

// The width the labels need side by side in `font`.
int lineWidth(const QList<QLabel*>& labels, const QFont& font)
{
    const QFontMetrics metrics(font);
    int together = 0;
    for (QLabel* label : labels)
        together += metrics.horizontalAdvance(label->text()) + 2 * (label->margin() + label->frameWidth()) + 1;
    return together;
}

// The labels of a line of several take the panel's font; when their texts
// do not fit side by side in `width`, a font up to two points smaller that
// lets them fit (else the panel's again, and the line breaks into rows).
void fitLineFont(const QList<QLabel*>& labels, int width)
{
    const QFont base = labels.first()->parentWidget() ? labels.first()->parentWidget()->font() : QFont();
    QFont chosen = base;
    if (lineWidth(labels, base) > width && base.pointSizeF() > 0) {
        for (qreal size = base.pointSizeF() - 0.5; size >= base.pointSizeF() - 2.0; size -= 0.5) {
            QFont smaller = base;
            smaller.setPointSizeF(size);
            if (lineWidth(labels, smaller) <= width) {
                chosen = smaller;
                break;
            }
        }
    }
    // Set only when it changes: a new font asks for a new layout.
    for (QLabel* label : labels)
        if (label->font() != chosen)
            label->setFont(chosen);
}

} // namespace

InfoLinesLayout::InfoLinesLayout(QWidget* panel, int firstRowTop)
    : QLayout(panel), m_firstRowTop(firstRowTop)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

InfoLinesLayout::~InfoLinesLayout()
{
    for (const Entry& e : m_entries)
        delete e.item;
}

void InfoLinesLayout::addLine(std::initializer_list<QLabel*> labels)
{
    for (QLabel* label : labels) {
        label->setWordWrap(true);
        addChildWidget(label);
        m_entries.append({new QWidgetItem(label), m_lines});
    }
    ++m_lines;
    invalidate();
}

void InfoLinesLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, m_lines++});
    invalidate();
}

QLayoutItem* InfoLinesLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem* InfoLinesLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem* item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

int InfoLinesLayout::count() const
{
    return int(m_entries.size());
}

QSize InfoLinesLayout::sizeHint() const
{
    return minimumSize();
}

QSize InfoLinesLayout::minimumSize() const
{
    // The panel's size is the window's to set.
    return QSize(0, 0);
}

void InfoLinesLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int width = std::max(1, rect.width() - 2 * SideMargin);
    struct Placed {
        QLayoutItem* item;
        int row;
        int rows;
        int x;
        int width;
    };
    QList<Placed> placed;
    int row = 0;
    int lineHeight = 0;
    for (int line = 0; line < m_lines; ++line) {
        QList<QLabel*> shown;
        QList<QLayoutItem*> items;
        for (const Entry& e : m_entries) {
            auto* label = qobject_cast<QLabel*>(e.item->widget());
            if (e.line == line && label && !label->isHidden()) {
                shown << label;
                items << e.item;
            }
        }
        if (shown.isEmpty())
            continue;
        lineHeight = std::max(lineHeight, shown.first()->fontMetrics().height());
        if (shown.size() > 1)
            fitLineFont(shown, width);
        int together = 0;
        for (QLabel* label : shown)
            together += textWidth(label);
        if (shown.size() > 1 && together <= width) {
            int x = SideMargin;
            for (int i = 0; i < shown.size(); ++i) {
                const int w = i + 1 < shown.size() ? textWidth(shown[i]) : SideMargin + width - x;
                placed.append({items[i], row, 1, x, w});
                x += w;
            }
            ++row;
            continue;
        }
        for (int i = 0; i < shown.size(); ++i) {
            int rows = 1;
            if (textWidth(shown[i]) > width) {
                const int h = shown[i]->heightForWidth(width);
                const int fh = std::max(1, shown[i]->fontMetrics().lineSpacing());
                rows = std::max(1, (h + fh - 1) / fh);
            }
            placed.append({items[i], row, rows, SideMargin, width});
            row += rows;
        }
    }
    if (row == 0)
        return;
    // The designed pitch while the rows fit, else as close as the text allows.
    int pitch = RowPitch;
    if (row * pitch + 4 > rect.height())
        pitch = std::max(lineHeight, (rect.height() - 4) / row);
    int top = m_firstRowTop;
    if (top + row * pitch > rect.height())
        top = std::max(2, rect.height() - row * pitch - 2);
    for (const Placed& p : placed) {
        const int height = p.rows * pitch - (pitch >= RowPitch ? 2 : 0);
        p.item->setGeometry(QRect(rect.x() + p.x, rect.y() + top + p.row * pitch, p.width, height));
    }
}
