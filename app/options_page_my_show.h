// The options page "MyShow": the defaults of new MyShow files and of the
// text labels of new MyShow pictures, shown on an example label inside its
// panel.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;
class RadioGroup;

class MyShowOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit MyShowOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // The example label shows the text colour on `colorValue`, its
    // background unless it is transparent.
    void showExampleBackground(int32_t colorValue);
    // Places the example label inside its panel by the pressed alignment buttons.
    void PlaceExampleLabel();
    void FontSBClick();
    void ColorSBClick();
    void TransparentCBClick();

    QComboBox* IntervalComboBox = nullptr;
    QComboBox* PlayOrderComboBox = nullptr;
    QComboBox* DelayCB = nullptr;
    RadioGroup* AttachWAVRG = nullptr;
    QComboBox* SoundActionCB = nullptr;
    QCheckBox* FadeCB = nullptr;
    QCheckBox* KeepSyncCB = nullptr;
    QToolButton* AlignLeftButton = nullptr;
    QToolButton* AlignCenterButton = nullptr;
    QToolButton* AlignRightButton = nullptr;
    QToolButton* TopAlignButton = nullptr;
    QToolButton* CenterAlignButton = nullptr;
    QToolButton* BottomAlignButton = nullptr;
    QPushButton* FontSB = nullptr;
    QPushButton* ColorSB = nullptr;
    QCheckBox* TransparentCB = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* ExampleLabel = nullptr;

signals:
    // The user chose a new text colour.
    void textColorChosen();

private:
    void buildChoices(QGridLayout* grid);
    void buildTextDefaults(QGridLayout* grid);

    // The text font and colour chosen, stored on Apply.
    QString m_fontName;
    uint8_t m_fontStyle = 0;
    int32_t m_fontSize = 0;
    int32_t m_textColor = 0;
    bool m_loading = false;
};
