// The windows of the version check: the new-version window NewVersionDialog and the
// monthly suggestion MonthlySuggestionDialog. Both are shown through platform::execModal.
#pragma once

#include "base/settings_record.h"

#include <QDialog>
#include <QString>

#include <cstdint>

struct EnvironmentInfo;
class QCheckBox;
class QLabel;
class QPushButton;

// Modal results of the two windows.
inline constexpr int ModalResultOk = 1;
inline constexpr int ModalResultCancel = 2;
inline constexpr int ModalResultAbort = 3;

// Offers the published version NewVersionText. Closes with OK (Cancel button) or
// with abort (the user agreed to close the program for the download).
// The window whose objectName is "Form31".
class NewVersionDialog : public QDialog {
    Q_OBJECT
public:
    // The window takes the interface font of `environment`.
    explicit NewVersionDialog(const EnvironmentInfo& environment, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;       // "Currently installed version:"
    QLabel* Label1V = nullptr;      // the own version
    QLabel* Label2 = nullptr;       // "Version found on the Vistamo! website :"
    QLabel* Label2V = nullptr;      // the published version
    QPushButton* LinkBtn1 = nullptr;   // what's new / bug fixes
    QPushButton* LinkBtn2 = nullptr;   // "&Go to the Download area"
    QPushButton* CloseButton = nullptr; // "&Cancel"

    // The published version offered, and whether it differs from the own
    // one in its first five characters (set on activation).
    QString NewVersionText;
    uint8_t NewVersionIsMajor = 0;

    // Sets the caption and texts from NewVersionText (run on activation).
    void FormActivate();
    void LinkBtn1Click();
    void LinkBtn2Click();
    void CloseButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// "Suggestion (appears once a month)": closes with OK (Yes) or cancel (No);
// with "Don't ask this question again" ticked, either answer switches the
// suggestion off (AskMonthlyUpdate 0).
// The window whose objectName is "Form32".
class MonthlySuggestionDialog : public QDialog {
    Q_OBJECT
public:
    // `settings` get the answer "Don't ask this question again"; the window
    // takes the interface font of `environment`.
    MonthlySuggestionDialog(TSettingsRecord& settings, const EnvironmentInfo& environment, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;          // "Check for Update/New version?"
    QCheckBox* DontAskCB = nullptr;
    QPushButton* YesButton = nullptr;
    QPushButton* NoButton = nullptr;

    void FormActivate();   // the check box unticked
    void YesButtonClick();
    void NoButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSettingsRecord& m_settings;
};
