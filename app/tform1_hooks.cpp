// The hooks through which the program's other windows and its plain logic
// reach the main window: each checks that the main window (Form1) still
// exists when it is called.
#include "app/tform1.h"

#include "app/favorites_window.h"
#include "browse/fit_zoom_section.h"
#include "browse/selection_status.h"
#include "platform/help_key.h"
#include "shows/show_sync.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

void TForm1::InstallWindowHooks()
{
    // Renames and deletions that reach the open show show their progress in
    // the status bar and have the show's list read again.
    showSyncHooks().showStatus = [](const QString& text) {
        if (Form1 && Form1->StatusPanel1)
            Form1->StatusPanel1->setText(text);
    };
    showSyncHooks().showFileRewritten = [] {
        if (Form1)
            Form1->ReadMyShowFile();
    };
    // The full-screen show's "Custom" crop ratio is typed in this window's panel.
    TForm9::SetCustomRatioShower([] {
        if (Form1)
            Form1->fitZoom()->ShowCustomRatioPanel();
    });
    // The favourites and recent lists' maintenance window rebuilds the menu
    // of the main window it belongs to (else of the program's main window).
    TForm36::SetMenuRebuilder([](bool favorites, QWidget* parent) {
        TForm1* form = qobject_cast<TForm1*>(parent);
        if (!form)
            form = Form1;
        if (!form)
            return;
        if (favorites)
            form->BuildFavoritesMenu();
        else
            form->BuildRecentMenu();
    });
    // F1 in every window opens its topic in the main window's help.
    SetHelpTopicShower([](const QString& topic) {
        if (Form1)
            Form1->helpAndVersion()->ShowHelpTopic(topic);
    });
    // The selection status line and its hint go to the status bar; an edit
    // of the show disables "Undo last search".
    selectionStatusHooks().showStatusLine = [](const SelectionStatus& s) {
        if (!Form1)
            return;
        if (Form1->StatusPanel1)
            Form1->StatusPanel1->setText(s.text);
        if (Form1->StatusBar1)
            Form1->StatusBar1->setToolTip(s.hint);
    };
    selectionStatusHooks().disableUndoLastSearch = [] {
        if (Form1 && Form1->UndoTB && Form1->UndoTB->isEnabled())
            Form1->UndoTB->setEnabled(false);
    };
    selectionStatusHooks().focusMainWindow = [] {
        if (Form1 && !Form1->state().start.ArgumentMode)
            Form1->setFocus(Qt::OtherFocusReason);
    };
}
