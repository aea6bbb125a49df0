// The options page "Video": the list of video programs.
#pragma once

#include "app/options_page.h"

class QComboBox;
class QPushButton;
class ProgramList;

class VideoOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit VideoOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QComboBox* VidProgComboBox = nullptr;
    QPushButton* BrowseVideoButton = nullptr;
    QPushButton* RemoveVideoProgram = nullptr;

private:
    ProgramList* m_programs = nullptr;
};
