// AboutSiblingWindow: the window that presents the maker's sibling renaming program
// Tarnivo. The sibling is never installed on Linux, so the main window keeps
// its items hidden; the window is kept whole for when it is shown.
#pragma once

#include <QDialog>

struct EnvironmentInfo;
class QFrame;
class QLabel;
class QTimer;

// The window whose objectName is "Form35".
class AboutSiblingWindow : public QDialog {
    Q_OBJECT
public:
    // The window takes the interface font of `environment`.
    explicit AboutSiblingWindow(const EnvironmentInfo& environment, QWidget* parent = nullptr);

    QFrame* chdXPPanel1 = nullptr;
    QFrame* chdXPPanel2 = nullptr;
    QFrame* chdXPPanel3 = nullptr;
    QFrame* chdXPPanel4 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* StaticText3 = nullptr;   // the sibling's web address (link)
    QLabel* StaticText4 = nullptr;   // "easy" (link)
    QLabel* StaticText7 = nullptr;   // "real" (link)
    QLabel* StaticText9 = nullptr;   // "individual" (link)
    QTimer* Timer1 = nullptr;        // 10 ms, one shot: opens the web site

    void StaticText3MouseMove();
    void chdXPPanel3MouseMove();
    void chdXPPanel2MouseMove();
    void LinkMouseMove(QLabel* link);   // StaticText4 / 7 / 9
    void StaticText3Click();
    void LinkClick();                   // StaticText4 / 7 / 9
    void Timer1Timer();

    // The colour of the web address: red under the pointer, else silver.
    QColor linkColor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColor(const QColor& color);
};
