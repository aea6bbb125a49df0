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
    // The favourites and recent lists' maintenance window rebuilds this
    // window's menu of the list it stored.
    connect(m_options, &OptionsController::ListApplied, this, [this](bool favorites) {
        if (favorites)
            BuildFavoritesMenu();
        else
            BuildRecentMenu();
    });
    // F1 in every window opens its topic in the main window's help.
    SetHelpTopicShower([self](const QString& topic) {
        if (self)
            self->helpAndVersion()->ShowHelpTopic(topic);
    });
}
