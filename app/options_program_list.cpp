#include "app/options_program_list.h"

#include "app/options_controls.h"
#include "app/options_dialog_logic.h"
#include "platform/prompt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using platform::PromptKind;

ProgramList::ProgramList(QWidget* page, QVBoxLayout* layout, const QString& caption, const char* listName,
                           const char* browseName, const char* removeName, const QString& removeCaption)
    : QObject(page)
{
    layout->addWidget(options_ui::label(page, caption));
    box = options_ui::comboBox(page, listName, {}, true);
    box->setInsertPolicy(QComboBox::NoInsert);
    layout->addWidget(box);
    auto* row = new QHBoxLayout;
    browseButton = options_ui::button(page, browseName, QStringLiteral("&Browse"));
    removeButton = options_ui::button(page, removeName, removeCaption);
    row->addWidget(browseButton);
    row->addWidget(removeButton);
    layout->addLayout(row);
    connect(browseButton, &QPushButton::clicked, this, &ProgramList::browse);
    connect(removeButton, &QPushButton::clicked, this, &ProgramList::remove);
    connect(box, &QComboBox::activated, this, &ProgramList::choose);
}

void ProgramList::fill(const QStringList& list)
{
    box->clear();
    box->addItems(list.mid(0, OptionsProgramSlots));
    box->setCurrentIndex(list.isEmpty() ? -1 : 0);
}

void ProgramList::load(const QStringList& list)
{
    fill(list);
    enableButtons();
}

QStringList ProgramList::entries() const
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

QString ProgramList::text() const
{
    return box->currentText();
}

void ProgramList::enableButtons()
{
    const QStringList list = entries();
    removeButton->setEnabled(ProgramRemoveEnabled(list));
    browseButton->setEnabled(ProgramBrowseEnabled(list));
}

void ProgramList::browse()
{
    // Programs carry no file extension: any file may be chosen.
    const std::optional<QString> chosen =
        platform::chooseOpenFile(QString(), QString(), QStringLiteral("Executable files|*"));
    if (!chosen || chosen->isEmpty())
        return;
    QStringList list = entries();
    if (AddProgramAtTop(list, *chosen) == ProgramListAdd::AlreadyListed) {
        platform::showMessage(PromptKind::Information, ProgramAlreadyListedText);
        return;
    }
    fill(list);
    enableButtons();
}

void ProgramList::remove()
{
    const QString typed = box->currentText();
    if (!typed.isEmpty()) {
        QStringList list = entries();
        RemoveProgram(list, typed);
        fill(list);
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    enableButtons();
}

void ProgramList::choose(int index)
{
    QStringList list = entries();
    if (list.size() > 1 && index > 0) {
        ChooseProgram(list, index);
        fill(list);
    }
    enableButtons();
}
