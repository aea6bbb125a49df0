// "Change Wallpaper" (WallpaperDialog): the style of the new wallpaper, asked for
// every time (no style is chosen when it opens).
#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;
class QFrame;

// The window whose objectName is "Form18".
class WallpaperDialog : public QDialog {
    Q_OBJECT
public:
    explicit WallpaperDialog(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QGroupBox* StyleRG = nullptr;                // "Wallpaper style"
    QRadioButton* StyleTiled = nullptr;          // item 0 "Tiled"
    QRadioButton* StyleCentered = nullptr;       // item 1 "Centered"
    QRadioButton* StyleStretched = nullptr;      // item 2 "Stretched"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* TimerOnActivate = nullptr;           // 1 ms one-shot
    QTimer* TimerAltKey = nullptr;               // 10 ms one-shot

    // The item chosen in StyleRG, -1 when none.
    int StyleIndex() const;

    void FormShow();
    // Closes with 1 (the chosen item is StyleIndex).
    void OKButtonClick();
    // Closes with 2.
    void CancelButtonClick();
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void TimerAltKeyTimer();
};
