// The options page "Thumbnails": the thumbnail view's page layout, fill
// order and manual mode, and where and how large thumbnail files are made.
#pragma once

#include "app/options_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TRadioGroup;
class TUpDown;

class TThumbnailsPage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TThumbnailsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // The size controls are enabled exactly when a drive box is checked.
    void CBUseThumbFDClick();

    QComboBox* CBMultMode = nullptr;
    TRadioGroup* RGFillMode = nullptr;
    QCheckBox* CBThManualMode = nullptr;
    QCheckBox* CBUseThumbFD = nullptr;
    QCheckBox* CBUseThumbNWD = nullptr;
    QCheckBox* CBUseThumbRD = nullptr;
    TRadioGroup* RGThumbSize = nullptr;
    QLineEdit* EDThumbOrgMin = nullptr;
    TUpDown* UDThumbOrgMin = nullptr;
};
