// The Options menu of the main window: the menu's opening, the options
// dialog OptionsDialog and the maintenance window FavoritesWindow of the favourites and
// the recent list. The main window builds the items and hands them over;
// the controller says what the window has to do with its signals, the
// options dialog's Apply flow among them.
#pragma once

#include "base/show_session.h"

#include <QObject>
#include <QString>

#include <functional>

struct DataPaths;
struct EnvironmentInfo;
class QAction;
class QMenu;
class QWidget;
struct SettingsStore;
struct StartContext;

class OptionsController : public QObject {
    Q_OBJECT
public:
    // What the controller asks of the other sections, each answered live.
    struct Queries {
        // The folder selected in the folder tree.
        std::function<QString()> selectedFolder;
        // The picture-text window of MyShow is open.
        std::function<bool()> pictureTextWindowShown;
    };

    // `window` parents the dialogs; `settings` are what the options dialog
    // and the maintenance window change; `paths` are the data paths the
    // dialog writes to; `environment` gives the dialogs their font and
    // colours; `start` the start modes the dialog's file writes follow.
    // Takes the Options menu and its items from `window` by objectName.
    OptionsController(QWidget* window, SettingsStore& settings, const DataPaths& paths,
                      const EnvironmentInfo& environment, const StartContext& start, ShowSession& session,
                      Queries queries);

    // Connects the Options menu, the options tool button and the two
    // maintenance items (once; the first showing of the window does it too).
    void SetupOptionsHandlers();
    // The Options menu opens: "E&xclude from" is enabled for a folder that
    // is not a drive's root; the menu is measured.
    void Options1Click();
    // The options dialog OptionsDialog, modal, with the idle timer stopped and the
    // keyboard hook removed while it shows.
    void PictureShowOptions1Click();
    void OptionsTBClick();
    // The maintenance window FavoritesWindow for the favourites / the recent list.
    void ClearFavsClick();
    void ClearRecClick();

signals:
    // The maintenance window stored the favourites (true) or the recent
    // list: their menu is built again.
    void ListApplied(bool favorites);
    // The Options menu opened (after its exclude item was set): it is
    // measured for its width.
    void MenuOpened();
    // The options dialog is about to show: the user is at work (the idle
    // timer stops), and the keyboard hook is removed while it shows.
    void DialogOpening();
    // The options dialog has gone: the keyboard hook is put back.
    void DialogEnded();
    // The options dialog's Apply, handed on (app/options_dialog.h).
    void EditCommandsEnabled(bool on);
    void ShowWindowEditButtonEnabled(bool on);
    void EnlargeLimitChanged();
    void OptionsStored();
    void AppliedAndClosed();

private:
    QWidget* m_window;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    ShowSession& m_session;
    // The Options menu and its items, taken by objectName (any may be
    // missing).
    struct Items {
        QMenu* Options1 = nullptr;
        QMenu* ExcludeFolder = nullptr;
        QAction* PictureShowOptions1 = nullptr;
        QAction* OptionsTB = nullptr;
        QAction* ClearFavs = nullptr;
        QAction* ClearRec = nullptr;
    } m_items;
    Queries m_queries;
    bool m_optionsHandlersSetUp = false;
};
