// The options page "Play": the slide show's interval and play order, its
// flags, the show background colour and the largest enlargement of a small
// picture.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class SpinArrows;

class PlayOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit PlayOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // The background colour chosen (stored on Apply).
    int32_t backgroundColor() const { return m_backgroundColor; }
    // `BackgroundColorLabel` shows `colorValue` (the chosen colour stays).
    void showBackgroundColor(int32_t colorValue);
    // The interval choice's item index (0 when none is chosen).
    int intervalIndex() const;
    // Shows the colour dialog; on OK the chosen colour becomes the background.
    void BackGroundButtonClick();

    RadioGroup* Intervalgroup = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* ManualBox = nullptr;
    QCheckBox* IgnoreErrorsBox = nullptr;
    QPushButton* BackGroundButton = nullptr;
    QLabel* BackgroundColorLabel = nullptr;
    QLineEdit* EdMaxEnlarge = nullptr;
    SpinArrows* UDMaxEnlarge = nullptr;
    QCheckBox* CBShowModel = nullptr;

signals:
    // The user chose a new background colour.
    void backgroundColorChosen();

private:
    int32_t m_backgroundColor = 0;
};
