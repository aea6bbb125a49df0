// Real dialogs for the prompt seam (message boxes, input boxes, file and
// folder choosers) and the modal run of the program's own windows.
#pragma once

#include "platform/prompt.h"

class QDialog;

namespace platform {

// Makes ask() show real dialogs on a platform with a screen. Called once
// when the application is set up.
void InstallPromptDialogs();

// Shows one of the program's own windows modally (exec) and returns its
// modal result. Tests answer it like any prompt (the request carries the
// window, its title and objectName); headless without a responder it is not
// shown and gives 0 (rejected).
int execModal(QDialog& dialog);

} // namespace platform
