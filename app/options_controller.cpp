#include "app/options_controller.h"

#include "app/favorites_window.h"
#include "app/options_dialog.h"
#include "base/settings_store.h"
#include "platform/designed_widgets.h"
#include "platform/drives.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QMenu>

OptionsController::OptionsController(QWidget* window, SettingsStore& settings, const DataPaths& paths,
                                     const EnvironmentInfo& environment, const StartContext& start,
                                     ShowSession& session, Queries queries)
    : QObject(window), m_window(window), m_settings(settings), m_paths(paths), m_environment(environment),
      m_start(start), m_session(session),
      m_items{.Options1 = platform::MenuNamed(*window, "Options1"),
              .ExcludeFolder = platform::MenuNamed(*window, "ExcludeFolder"),
              .PictureShowOptions1 = platform::ActionNamed(*window, "PictureShowOptions1"),
              .OptionsTB = platform::ActionNamed(*window, "OptionsTB"),
              .ClearFavs = platform::ActionNamed(*window, "ClearFavs"),
              .ClearRec = platform::ActionNamed(*window, "ClearRec")},
      m_queries(std::move(queries))
{
}

void OptionsController::SetupOptionsHandlers()
{
    if (m_optionsHandlersSetUp)
        return;
    m_optionsHandlersSetUp = true;
    if (m_items.Options1)
        connect(m_items.Options1, &QMenu::aboutToShow, this, &OptionsController::Options1Click);
    const auto onClick = [this](QAction* a, void (OptionsController::*handler)()) {
        if (a)
            connect(a, &QAction::triggered, this, handler);
    };
    onClick(m_items.PictureShowOptions1, &OptionsController::PictureShowOptions1Click);
    onClick(m_items.OptionsTB, &OptionsController::OptionsTBClick);
    onClick(m_items.ClearFavs, &OptionsController::ClearFavsClick);
    onClick(m_items.ClearRec, &OptionsController::ClearRecClick);
}

void OptionsController::Options1Click()
{
    // The menus' own opening handler pauses an advancing show.
    if (QMenu* exclude = m_items.ExcludeFolder) {
        exclude->setTitle(QStringLiteral("E&xclude from"));
        const QString SelectedFolder = m_queries.selectedFolder ? m_queries.selectedFolder() : QString();
        exclude->setEnabled(!SelectedFolder.isEmpty() && !platform::IsMountPoint(SelectedFolder));
    }
    emit MenuOpened();
}

void OptionsController::PictureShowOptions1Click()
{
    emit DialogOpening();
    {
        OptionsDialog dialog(m_settings, m_paths, m_environment, m_start, m_session, m_window, m_queries.pictureTextWindowShown);
        connect(&dialog, &OptionsDialog::EditCommandsEnabled, this, &OptionsController::EditCommandsEnabled);
        connect(&dialog, &OptionsDialog::ShowWindowEditButtonEnabled, this,
                &OptionsController::ShowWindowEditButtonEnabled);
        connect(&dialog, &OptionsDialog::EnlargeLimitChanged, this, &OptionsController::EnlargeLimitChanged);
        connect(&dialog, &OptionsDialog::OptionsStored, this, &OptionsController::OptionsStored);
        connect(&dialog, &OptionsDialog::AppliedAndClosed, this, &OptionsController::AppliedAndClosed);
        dialog.FormActivate();
        platform::execModal(dialog);
    }
    emit DialogEnded();
}

void OptionsController::OptionsTBClick()
{
    PictureShowOptions1Click();
}

void OptionsController::ClearFavsClick()
{
    FavoritesWindow window(m_settings.Settings, m_environment, 1, m_window);
    connect(&window, &FavoritesWindow::ListApplied, this, &OptionsController::ListApplied);
    platform::execModal(window);
}

void OptionsController::ClearRecClick()
{
    FavoritesWindow window(m_settings.Settings, m_environment, 0, m_window);
    connect(&window, &FavoritesWindow::ListApplied, this, &OptionsController::ListApplied);
    platform::execModal(window);
}
