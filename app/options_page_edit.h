// The options page "Edit": the list of picture edit programs and the reset
// of a picture's file date after an edit or a rotation.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class TProgramList;

class TEditProgramsPage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TEditProgramsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QComboBox* ExtProgComboBox = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* RemoveEditProgram = nullptr;
    QCheckBox* ResetFileDateCB = nullptr;

private:
    TProgramList* m_programs = nullptr;
};
