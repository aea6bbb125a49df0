#include "app/main_client_area.h"
#include "platform/designed_widgets.h"

#include <QLabel>
#include <QMainWindow>

MainClientArea::MainClientArea(QMainWindow* window)
    : m_area(new QWidget(window))
{
    m_area->setObjectName(QStringLiteral("ClientArea"));
    window->setCentralWidget(m_area);
}

void MainClientArea::addPictures()
{
    m_picture = platform::PlacedLabel(m_area, "Image1", QRect(0, 30, 800, 515));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->hide();
    m_measure = platform::PlacedLabel(m_area, "Image3", QRect(0, 0, 1, 1));
    m_menuBackground = platform::PlacedLabel(m_area, "ImMenuBG", QRect(0, 0, 1, 1));
    m_bottomBar = platform::PlacedLabel(m_area, "ImBottomBar", QRect(0, 0, 1, 1));
    for (QLabel* l : {m_measure, m_menuBackground, m_bottomBar})
        l->hide();
}
