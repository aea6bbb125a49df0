// The hooks through which the program's other windows and its plain logic
// reach the main window: each checks that the main window that installed
// them still exists when it is called.
#include "app/main_window.h"

#include "app/favorites_window.h"
#include "browse/fit_zoom_section.h"
#include "platform/help_key.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>

void MainWindow::InstallWindowHooks()
{
    const QPointer<MainWindow> self(this);
    // The full-screen show's "Custom" crop ratio is typed in this window's panel.
    ShowWindow::SetCustomRatioShower([self] {
        if (self)
            self->fitZoom()->ShowCustomRatioPanel();
    });
    // The favourites and recent lists' maintenance window rebuilds the menu
    // of the main window it belongs to (else of the program's main window).
    FavoritesWindow::SetMenuRebuilder([self](bool favorites, QWidget* parent) {
        MainWindow* form = qobject_cast<MainWindow*>(parent);
        if (!form)
            form = self.data();
        if (!form)
            return;
        if (favorites)
            form->BuildFavoritesMenu();
        else
            form->BuildRecentMenu();
    });
    // F1 in every window opens its topic in the main window's help.
    SetHelpTopicShower([self](const QString& topic) {
        if (self)
            self->helpAndVersion()->ShowHelpTopic(topic);
    });
}
