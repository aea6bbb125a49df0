// The options page "Full Screen": titles, hints and navigation buttons of
// the full-screen show, and the second monitor's size.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QLineEdit;

class FullScreenOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit FullScreenOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QCheckBox* ShowTitlesCheckBox = nullptr;
    QCheckBox* ShowHintsBox = nullptr;
    QCheckBox* ShowButtonsCB = nullptr;
    QCheckBox* DoDockCB = nullptr;
    QLineEdit* LEMon2Width = nullptr;
    QLineEdit* LEMon2Height = nullptr;
    QCheckBox* CBMon2Manual = nullptr;
};
