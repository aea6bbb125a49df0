// The About box AboutBox: the program's name, version and maker, with links
// to the web site, the maker's mail address and the support page.
#pragma once

#include <QDialog>

struct EnvironmentInfo;
class QFrame;
class QLabel;
class QPushButton;

// The maker's notice beside the "©" sign.
inline const QString MakerNotice = QStringLiteral("2026 The Vistamo! developers");

// The window whose objectName is "Form4".
class AboutBox : public QDialog {
    Q_OBJECT
public:
    // The window takes the interface font of `environment`.
    explicit AboutBox(const EnvironmentInfo& environment, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;   // "©"
    QLabel* Label2 = nullptr;   // "version " + the program's version (on activation)
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;   // the maker's notice
    QLabel* Label6 = nullptr;   // "mail to: " + the mail address (link)
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;   // "Vistamo! web site" (link)
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;  // "Make a donation" (link)
    QPushButton* OKAboutButton = nullptr;

    void FormActivate();
    void Label8Click();   // the web site's home page
    void Label6Click();   // mail to the maker
    void Label11Click();  // the support page
    void OKAboutButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeControls();
    void layOutColumn();
};
