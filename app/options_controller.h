// The Options menu of the main window: the menu's opening, the options
// dialog OptionsDialog and the maintenance window FavoritesWindow of the favourites and
// the recent list. The main window builds the items and hands them over;
// the controller reaches the window only through OptionsMenuHost, and the
// dialog's Apply flow through OptionsHost.
#pragma once

#include "base/show_session.h"

#include <QObject>

struct DataPaths;
struct EnvironmentInfo;
class OptionsHost;
class QAction;
class QMenu;
class QWidget;
struct SettingsStore;
struct StartContext;

// What the options controller asks of the main window.
class OptionsMenuHost {
public:
    virtual ~OptionsMenuHost() = default;
    // The automatic show's idle timer stops (a dialog is the user at work).
    virtual void StopIdleTimer() = 0;
    // The keyboard hook is removed while the dialog shows, and put back.
    virtual void RemoveKeyboardHook() = 0;
    virtual void RestoreKeyboardHook() = 0;
    // The Options menu (menu 7) is measured for its width.
    virtual void MeasureOptionsMenu() = 0;
    // The folder selected in the folder tree.
    virtual QString selectedFolder() const = 0;
};

class OptionsController : public QObject {
    Q_OBJECT
public:
    // The Options menu and its items, built by the main window (any may be
    // missing).
    struct Items {
        QMenu* Options1 = nullptr;
        QMenu* ExcludeFolder = nullptr;
        QAction* PictureShowOptions1 = nullptr;
        QAction* OptionsTB = nullptr;
        QAction* ClearFavs = nullptr;
        QAction* ClearRec = nullptr;
    };

    // `window` parents the dialogs; `dialogHost` is what the options
    // dialog refreshes on Apply; `settings` are what the options dialog and
    // the maintenance window change; `paths` are the data paths the dialog
    // writes to; `environment` gives the dialogs their font and colours;
    // `start` the start modes the dialog's file writes follow.
    OptionsController(QWidget* window, OptionsMenuHost& host, OptionsHost& dialogHost, SettingsStore& settings,
                      const DataPaths& paths, const EnvironmentInfo& environment, const StartContext& start,
                      ShowSession& session, const Items& items);

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

private:
    QWidget* m_window;
    OptionsMenuHost& m_host;
    OptionsHost& m_dialogHost;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    ShowSession& m_session;
    Items m_items;
    bool m_optionsHandlersSetUp = false;
};
