// The main window's client area "ClientArea" (its central widget, where the
// controls sit at their design bounds) and the pictures on it that are not
// part of a panel: the main picture "Image1", which covers the client area
// while a show runs in the window, and the hidden helper images "Image3"
// (text measurements), "ImMenuBG" (the menu bar's background) and
// "ImBottomBar" (the bottom bar's bitmap).
#pragma once

#include <QPixmap>

class QLabel;
class QMainWindow;
class QWidget;

// The bottom bar's bitmap: a light grey gradient from top to bottom. The
// status panels and the dialogs' header panels are drawn with it.
QPixmap BottomBarPicture();

class MainClientArea {
public:
    // Builds the client area as `window`'s central widget.
    explicit MainClientArea(QMainWindow* window);
    // Builds the pictures, hidden, over the controls made so far (called
    // once the panels exist, so that the main picture covers them).
    void addPictures();

    QWidget* widget() const { return m_area; }
    QLabel* picture() const { return m_picture; }
    QLabel* measureImage() const { return m_measure; }
    QLabel* menuBackground() const { return m_menuBackground; }
    QLabel* bottomBar() const { return m_bottomBar; }

private:
    QWidget* m_area;
    QLabel* m_picture = nullptr;
    QLabel* m_measure = nullptr;
    QLabel* m_menuBackground = nullptr;
    QLabel* m_bottomBar = nullptr;
};
