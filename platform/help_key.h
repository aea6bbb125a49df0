// F1 in any of the program's windows opens the window's help topic through
// the shower the main window installs (HelpAndVersionController::ShowHelpTopic); a window without a topic gives "No help available
// for this subject". The key is caught once, for the whole application (by
// handleHelpKey in app/main_window_small_handlers.cpp); a window names its topic
// with InstallHelpKey.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The window property that holds the topic.
inline constexpr const char* HelpTopicProperty = "helpTopic";

// Makes F1 in `window` (and its children) open `topic`.
void InstallHelpKey(QWidget* window, const QString& topic);

// What F1 does: the installed shower (nothing before the main window
// installs its ShowHelpTopic).
void ShowHelpTopicFromWindow(const QString& topic);
void SetHelpTopicShower(std::function<void(const QString&)> show);
