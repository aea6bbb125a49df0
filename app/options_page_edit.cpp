#include "app/options_page_edit.h"

#include "app/options_controls.h"
#include "app/options_program_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QVBoxLayout>

EditProgramsOptionsPage::EditProgramsOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "EditProgramsSheet", QStringLiteral("Edit"))
{
    auto* l = new QVBoxLayout(this);
    m_programs = new ProgramList(this, l, QStringLiteral("Edit program :"), "ExtProgComboBox", "BrowseButton",
                                  "RemoveEditProgram", QStringLiteral("&Remove Edit program from list "));
    ExtProgComboBox = m_programs->box;
    BrowseButton = m_programs->browseButton;
    RemoveEditProgram = m_programs->removeButton;
    ResetFileDateCB = options_ui::checkBox(this, "ResetFileDateCB",
                                           QStringLiteral("Reset file date to date taken (EXIF) after edit, rotate"));
    l->addWidget(ResetFileDateCB);
    l->addStretch();
}

void EditProgramsOptionsPage::load(const TOptionsValues& v)
{
    m_programs->load(v.EditPrograms);
    ExtProgComboBox->setEditText(v.EditProgramText);
    ResetFileDateCB->setChecked(v.ResetFileDate);
}

void EditProgramsOptionsPage::store(TOptionsValues& v) const
{
    v.EditPrograms = m_programs->entries();
    v.EditProgramText = m_programs->text();
    v.ResetFileDate = ResetFileDateCB->isChecked();
}
