// Main window creation: the settings work of a real start.
#include "app/tform1.h"

#include <QShowEvent>
#include <QTimer>

void TForm1::FormCreate()
{
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
}

void TForm1::TimerAutoCDRunTimer()
{
    TimerAutoCDRun->stop();
}

void TForm1::AutoFolderToCDClick()
{
}
