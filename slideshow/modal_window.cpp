#include "slideshow/modal_window.h"

#include "platform/title_width.h"

#include <QDialog>
#include <QGuiApplication>

bool HeadlessPlatform()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

int ExecModalWindow(QDialog& dialog, const QString& text, const QList<ModalButton>& buttons,
                    int closedResult)
{
    platform::KeepWidthForTitle(&dialog);
    if (!HeadlessPlatform()) {
        const int result = dialog.exec();
        return result == QDialog::Rejected ? closedResult : result;
    }
    platform::PromptRequest request;
    request.type = platform::PromptType::Message;
    request.kind = platform::PromptKind::Confirmation;
    request.title = dialog.windowTitle();
    request.text = text;
    request.buttons = 0;
    for (const ModalButton& button : buttons) {
        request.buttons |= unsigned(button.answer);
        if (!button.caption.isEmpty())
            request.buttonTexts.append({button.answer, button.caption});
    }
    const platform::PromptReply reply = platform::ask(request);
    for (const ModalButton& button : buttons)
        if (button.answer == reply.answer)
            return button.result;
    return closedResult;
}
