// Closing the main window: refusals, the settings merge and save.
#include "app/tform1.h"

#include <QCloseEvent>

bool TForm1::FormClose()
{
    return true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (CloseWithoutSaving || FormClose())
        event->accept();
    else
        event->ignore();
}
