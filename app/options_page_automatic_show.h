// The options page "Automatic Show/CD": whether and when the automatic show
// starts, and the two introduction lines of an automatic starting CD.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

class AutomaticShowOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit AutomaticShowOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // "Never use" disables the automatic show's own controls; the CD's text
    // lines stay enabled either way.
    void NeverUseASCheckBoxClick();

    QCheckBox* NeverUseASCheckBox = nullptr;
    QCheckBox* HoldLastShowBox = nullptr;
    QLineEdit* SecondsWaitASEdit = nullptr;
    QLabel* SecondsWaitASLabel = nullptr;
    QLineEdit* EditASText1 = nullptr;
    QLineEdit* EditASText2 = nullptr;
    QLabel* ASTextLabel = nullptr;
    QFrame* Bevel1 = nullptr;
};
