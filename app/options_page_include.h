// The options page "Include": the picture types a show collects, their
// sizes, the number of pictures, the folders taken and the mail attachments.
#pragma once

#include "app/options_page.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

class IncludeOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit IncludeOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // A type box shows its coloured picture when checked, else the grey twin over it.
    void InclBoxClick(int type);

    std::array<QCheckBox*, 7> InclBoxes{};   // InclJPGBox .. InclGIFBox
    std::array<QLabel*, 7> TypeImages{};     // ImJPG .. ImGIF
    std::array<QLabel*, 7> GreyImages{};     // GImJPG .. GImGIF
    QLineEdit* MinSizeEdit = nullptr;
    QLineEdit* MaxSizeEdit = nullptr;
    QLineEdit* MaxPicEdit = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* InclSysFldrCheckBox = nullptr;
    QLineEdit* MAxAttachEdit = nullptr;
    QLineEdit* MaxSFAttachEdit = nullptr;

private:
    QWidget* buildTypes();
    void alignNumberLabels();
};
