#include "app/main_status_bar.h"

#include <QLabel>

MainStatusBar::MainStatusBar(QWidget* window)
    : QStatusBar(window)
{
    setObjectName(QStringLiteral("StatusBar1"));
    m_panels[0] = new QLabel(this);
    m_panels[0]->setObjectName(QStringLiteral("StatusBar1Panel0"));
    m_panels[1] = new QLabel(this);
    m_panels[1]->setObjectName(QStringLiteral("StatusBar1Panel1"));
    // Panel 0 holds the icon and a one-letter status ("T" while a thumbnail
    // is made); panel 1 gets the rest of the bar, so a narrow window still
    // shows the selected folder.
    m_panels[0]->setFixedWidth(30);
    m_panels[1]->setMinimumWidth(0);
    m_panels[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_panels[0]);
    addWidget(m_panels[1], 1);
}

QString MainStatusBar::panelText(int index) const { return m_panels[index == 0 ? 0 : 1]->text(); }

void MainStatusBar::setPanelText(int index, const QString& text) { m_panels[index == 0 ? 0 : 1]->setText(text); }
