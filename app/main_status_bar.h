// The main window's status bar "StatusBar1" with its two panels: panel 0
// ("StatusBar1Panel0", 30 pixels wide: its icon and a one-letter status) and panel 1
// ("StatusBar1Panel1", the rest of the bar's width; its text never makes the
// window wider).
#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

class MainStatusBar : public QStatusBar {
public:
    explicit MainStatusBar(QWidget* window);

    QLabel* panel0() const { return m_panels[0]; }
    QLabel* panel1() const { return m_panels[1]; }
    // The text of panel `index` (0 or 1).
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    QLabel* m_panels[2];
};
