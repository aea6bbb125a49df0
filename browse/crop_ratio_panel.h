// The custom crop ratio panel `PnlCustomRatio`: two edits for the ratio's
// width and height (`LECusRatioX`, `LECusRatioY`), their illegal-value
// labels (`LblIllegalX`, `LblIllegalY`) and the buttons `BtnOK` "&OK" and
// `BtnCancel` "&Cancel". OK stores the ratio as the custom ratio and as the
// ratio in effect; while the panel is shown the window's tool bar and main
// menu are disabled (the window does that on `windowCommandsEnabled`).
#pragma once

#include "base/settings_record.h"

#include <QFrame>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// A ratio part as typed: a number greater than 0, else nothing. Both "1.5"
// and the locale's own form ("1,5") are read.
std::optional<double> ParseCropRatioPart(const QString& text);

class CustomRatioPanel : public QFrame {
    Q_OBJECT
public:
    // `settings` holds the custom ratio and the ratio in effect.
    explicit CustomRatioPanel(TSettingsRecord& settings, QWidget* parent = nullptr);

    QLineEdit* LECusRatioX = nullptr;
    QLineEdit* LECusRatioY = nullptr;
    QLabel* LblIllegalX = nullptr;
    QLabel* LblIllegalY = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // Shows the panel with the stored custom ratio in the edits.
    void ShowPanel();

    // The checks when an edit is left: a number above 0 hides its label
    // and checks the other edit quietly; anything else puts the focus back
    // and shows the label.
    void LECusRatioXExit();
    void LECusRatioYExit();
    // Stores the ratio (both edits must hold a number above 0; otherwise
    // nothing is stored and the system beep sounds).
    void BtnOKClick();
    void BtnCancelClick();

signals:
    // False when the panel is shown and true when it closes: the window
    // enables or disables its tool bar and main menu.
    void windowCommandsEnabled(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkEdit(QLineEdit* edit, QLabel* illegal, QLineEdit* other, QLabel* otherIllegal);
    void closePanel();

    TSettingsRecord& m_settings;
};
