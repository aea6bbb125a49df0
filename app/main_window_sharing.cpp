// The main window's side of the reduced copies.
#include "app/main_window.h"

#include "sharing/reduce_picture.h"

#include <QImage>

bool MainWindow::ReducePictureSize(const QString& Source, const QString& Target, bool FromPreview, bool UseViewer,
                                   bool KeepDate, int SizeChoice, int Quality)
{
    // The copy is made from the file (no shown picture stands in for it).
    Q_UNUSED(FromPreview);
    const EnvironmentInfo& environment = m_state.environment;
    const QString viewer = UseViewer && environment.IrfanViewFound ? environment.IrfanViewPath : QString();
    return ::ReducePictureSize(Source, Target, QImage(), viewer, KeepDate, SizeChoice, Quality);
}
