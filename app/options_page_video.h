// The options page "Video": the list of video programs.
#pragma once

#include "app/options_page.h"

class QComboBox;
class QPushButton;
class TProgramList;

class TVideoPage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TVideoPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QComboBox* VidProgComboBox = nullptr;
    QPushButton* BrowseVideoButton = nullptr;
    QPushButton* RemoveVideoProgram = nullptr;

private:
    TProgramList* m_programs = nullptr;
};
