// The options page "Edit": the list of picture edit programs and the reset
// of a picture's file date after an edit or a rotation.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class ProgramList;

class EditProgramsOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit EditProgramsOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QComboBox* ExtProgComboBox = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* RemoveEditProgram = nullptr;
    QCheckBox* ResetFileDateCB = nullptr;

private:
    ProgramList* m_programs = nullptr;
};
