#include "app/main_client_area.h"
#include "platform/designed_widgets.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>

QPixmap BottomBarPicture()
{
    QPixmap picture(1, 24);
    QPainter painter(&picture);
    QLinearGradient g(0, 0, 0, picture.height());
    g.setColorAt(0, QColor(0xF4, 0xF4, 0xF4));
    g.setColorAt(1, QColor(0xD8, 0xDC, 0xE2));
    painter.fillRect(picture.rect(), g);
    return picture;
}

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
    m_bottomBar->setPixmap(BottomBarPicture());
    for (QLabel* l : {m_measure, m_menuBackground, m_bottomBar})
        l->hide();
}
