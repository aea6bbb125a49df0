// The options page "Thumbnails": the thumbnail view's page layout, fill
// order and manual mode, and where and how large thumbnail files are made.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class RadioGroup;
class SpinArrows;

class ThumbnailsOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit ThumbnailsOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // The size controls are enabled exactly when a drive box is checked.
    void CBUseThumbFDClick();

    QComboBox* CBMultMode = nullptr;
    RadioGroup* RGFillMode = nullptr;
    QCheckBox* CBThManualMode = nullptr;
    QCheckBox* CBUseThumbFD = nullptr;
    QCheckBox* CBUseThumbNWD = nullptr;
    QCheckBox* CBUseThumbRD = nullptr;
    RadioGroup* RGThumbSize = nullptr;
    QLineEdit* EDThumbOrgMin = nullptr;
    SpinArrows* UDThumbOrgMin = nullptr;
};
