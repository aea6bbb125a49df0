// Showing one of the program's own modal windows (the launcher, the voice
// file question …). On a desktop the window itself is shown; on the offscreen
// and minimal platforms (tests, headless runs) the request goes through the
// prompt seam instead, so an answer can be given and nothing blocks.
#pragma once

#include "platform/prompt.h"

#include <QList>
#include <QPair>

class QDialog;

// One button of the window: the seam's answer and the window's result code.
struct ModalButton {
    platform::PromptAnswer answer;
    int result;
    QString caption;
};

// True on a platform where windows cannot be shown to a person.
bool HeadlessPlatform();

// Shows `dialog` modally (desktop) or asks the seam with the dialog's title,
// `text` and the buttons (headless). Returns the chosen button's result code,
// or `closedResult` when the window was closed without a choice.
int ExecModalWindow(QDialog& dialog, const QString& text, const QList<ModalButton>& buttons,
                    int closedResult);
