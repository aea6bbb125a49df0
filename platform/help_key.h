// F1 in any of the program's windows opens the window's help topic in the
// main window's help (HelpAndVersionController::ShowHelpTopic); a window
// without a topic gives "No help available for this subject". The key is
// caught once, for the whole application (by handleHelpKey in
// app/main_window_small_handlers.cpp); a window names its topic with
// InstallHelpKey.
#pragma once

#include <QString>

class QWidget;

// The window property that holds the topic.
inline constexpr const char* HelpTopicProperty = "helpTopic";

// Makes F1 in `window` (and its children) open `topic`.
void InstallHelpKey(QWidget* window, const QString& topic);
