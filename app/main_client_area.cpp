#include "app/main_client_area.h"

#include <QLabel>
#include <QMainWindow>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, QRect r)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    return l;
}

} // namespace

MainClientArea::MainClientArea(QMainWindow* window)
    : m_area(new QWidget(window))
{
    m_area->setObjectName(QStringLiteral("ClientArea"));
    window->setCentralWidget(m_area);
}

void MainClientArea::addPictures()
{
    m_picture = makeLabel(m_area, "Image1", QRect(0, 30, 800, 515));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->hide();
    m_measure = makeLabel(m_area, "Image3", QRect(0, 0, 1, 1));
    m_menuBackground = makeLabel(m_area, "ImMenuBG", QRect(0, 0, 1, 1));
    m_bottomBar = makeLabel(m_area, "ImBottomBar", QRect(0, 0, 1, 1));
    for (QLabel* l : {m_measure, m_menuBackground, m_bottomBar})
        l->hide();
}
