// The controls the options dialog's pages are made of: a radio group with an
// item index, an up-down bound to its number field, the owner-drawn combo
// box items, the helpers that make a named control, and the conversion of
// colour values.
#pragma once

#include <QGroupBox>
#include <QString>
#include <QStringList>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// A group of radio buttons with an item index (-1: none chosen).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent);
    int itemIndex() const;
    void setItemIndex(int index);

private:
    QButtonGroup* m_group = nullptr;
};

// An up-down control bound to an edit: its position is read from the
// edit's text and its arrows step the number within [min, max].
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    SpinArrows(const QString& name, QLineEdit* buddy, int min, int max, QWidget* parent);
    // The position read from the edit; false when the text is no number in range.
    bool position(int& value) const;
    // The position read from the edit, else the last one set.
    int positionOrLast() const;
    void setPosition(int value);
    int min() const { return m_min; }
    int max() const { return m_max; }

private:
    QLineEdit* m_buddy;
    int m_min, m_max;
    int m_last = 0;
};

// Colour values (blue-green-red) to and from QColor.
int32_t ColorValueOf(const QColor& color);
QColor ColorOfValue(int32_t value);

// Named controls as the pages make them.
namespace options_ui {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption);
QLineEdit* lineEdit(QWidget* parent, const char* name);
// A number field, as wide as its longest value in the parent's font.
QLineEdit* numberEdit(QWidget* parent, const char* name);
// A push button that is never the default button.
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// A combo box whose items are painted as every list of the dialog paints them.
QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, bool editable = false);
// The colour of the unselected items of every such combo box below `root`
// (colour 1 of the scheme).
void SetComboItemFill(QWidget* root, const QColor& fill);
QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr);
// A checkable tool button, one of the exclusive `group`.
QToolButton* alignButton(QWidget* parent, const char* name, const QString& text, QButtonGroup* group);

} // namespace options_ui
