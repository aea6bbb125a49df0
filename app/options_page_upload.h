// The options page "Upload": the outside upload program, how long it is
// given to start and how many pictures it takes at once.
#pragma once

#include "app/options_page.h"

class QLineEdit;
class QPushButton;
class SpinArrows;

class UploadOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit UploadOptionsPage(QTabWidget* tabs);

    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    // Shows the file dialog; on OK the upload program becomes the chosen file.
    void BtnBrowseUploadClick();

    QLineEdit* EDUploadProgram = nullptr;
    QPushButton* BtnBrowseUpload = nullptr;
    QLineEdit* EdWaittime = nullptr;
    SpinArrows* UDWaittime = nullptr;
    QLineEdit* EdSupplyAtOnce = nullptr;
    SpinArrows* UDSupplyAtOnce = nullptr;
};
