#include "app/options_controls.h"

#include "base/environment.h"
#include "app/options_dialog_logic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

int32_t ColorValueOf(const QColor& c)
{
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

QColor ColorOfValue(int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// ---- RadioGroup -------------------------------------------------------------------

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(name + QStringLiteral("Item%1").arg(i));
        m_group->addButton(b, i);
        layout->addWidget(b);
    }
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    m_group->setExclusive(false);
    for (QAbstractButton* b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

// ---- SpinArrows ------------------------------------------------------------------------

SpinArrows::SpinArrows(const QString& name, QLineEdit* buddy, int min, int max, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_min(min), m_max(max), m_last(min)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    // As high as its field, the two arrows one above the other.
    const int height = std::max(16, buddy ? buddy->sizeHint().height() : 22);
    up->setFixedSize(16, height / 2);
    down->setFixedSize(16, height - height / 2);
    setFixedSize(16, height);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { setPosition(positionOrLast() + 1); });
    connect(down, &QToolButton::clicked, this, [this] { setPosition(positionOrLast() - 1); });
}

bool SpinArrows::position(int& value) const
{
    int32_t n = 0;
    if (!ParseOptionNumber(m_buddy->text(), n) || n < m_min || n > m_max)
        return false;
    value = n;
    return true;
}

int SpinArrows::positionOrLast() const
{
    int v = m_last;
    position(v);
    return v;
}

void SpinArrows::setPosition(int value)
{
    m_last = qBound(m_min, value, m_max);
    m_buddy->setText(QString::number(m_last));
}

// ---- Named controls ------------------------------------------------------------------

namespace {

// Selected items on blue (colour value 16752640), the others on colour 1 of
// the scheme (the list's base colour until one is given); the text 5 pixels
// right and 1 down from the item's corner.
class OptionsComboDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QColor itemFill;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QColor fill = selected ? ColorOfValue(16752640)
                          : (itemFill.isValid() ? itemFill : option.palette.base().color());
        p->fillRect(option.rect, fill);
        p->setFont(option.font);
        p->setPen(option.palette.text().color());
        const QRect r = option.rect.adjusted(5, 1, 0, 0);
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    }
};

} // namespace

namespace options_ui {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* lineEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLineEdit* numberEdit(QWidget* parent, const char* name)
{
    QLineEdit* e = lineEdit(parent, name);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, bool editable)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editable);
    c->addItems(items);
    c->setItemDelegate(new OptionsComboDelegate(c));
    return c;
}

void SetComboItemFill(QWidget* root, const QColor& fill)
{
    for (QComboBox* c : root->findChildren<QComboBox*>())
        if (auto* delegate = dynamic_cast<OptionsComboDelegate*>(c->itemDelegate()))
            delegate->itemFill = fill;
}

QLabel* label(QWidget* parent, const QString& text, const char* name)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

QToolButton* alignButton(QWidget* parent, const char* name, const QString& text, QButtonGroup* group)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setCheckable(true);
    group->addButton(b);
    return b;
}

} // namespace options_ui
