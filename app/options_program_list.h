// The list of up to five outside programs on an options page (edit programs
// or video programs): its Browse button puts a chosen file at the top,
// Remove takes the typed entry out, and choosing an entry makes it the
// first. The list rules are in app/options_dialog_logic.h.
#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QPushButton;
class QVBoxLayout;
class QWidget;

class ProgramList : public QObject {
    Q_OBJECT
public:
    // Adds to `layout` of `page` the caption, the list named `listName` and
    // a row of the "&Browse" button `browseName` and the remove button
    // `removeName` captioned `removeCaption`.
    ProgramList(QWidget* page, QVBoxLayout* layout, const QString& caption, const char* listName,
                 const char* browseName, const char* removeName, const QString& removeCaption);

    // Shows `list` with its first entry chosen.
    void load(const QStringList& list);
    // The entries in their order.
    QStringList entries() const;
    // The text of the list's edit field.
    QString text() const;

    void browse();
    void remove();
    void choose(int index);

    QComboBox* box = nullptr;
    QPushButton* browseButton = nullptr;
    QPushButton* removeButton = nullptr;

private:
    void fill(const QStringList& list);
    // Remove with entries, Browse with room for one more.
    void enableButtons();
};
