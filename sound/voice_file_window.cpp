#include "sound/voice_file_window.h"

#include "slideshow/modal_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString VoiceFileDetected;

TForm7::TForm7(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Voice file detected (.wav)"));
    auto* layout = new QVBoxLayout(this);
    WavLabel = new QLabel(VoiceFileDetected, this);
    WavLabel->setObjectName(QStringLiteral("WavLabel"));
    WavLabel->setWordWrap(true);
    layout->addWidget(WavLabel);
    auto* row = new QHBoxLayout;
    const auto button = [&](QPushButton*& target, const char* name, const QString& caption, int result) {
        target = new QPushButton(caption, this);
        target->setObjectName(QLatin1String(name));
        connect(target, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(target);
    };
    button(YesButton, "YesButton", QStringLiteral("&Yes"), VoiceAnswerDelete);
    button(NoButton, "NoButton", QStringLiteral("&No"), VoiceAnswerKeep);
    button(NeverButton, "NeverButton", QStringLiteral("&Never"), VoiceAnswerNever);
    button(AlwaysButton, "AlwaysButton", QStringLiteral("&Always"), VoiceAnswerAlways);
    layout->addLayout(row);
}

int AskVoiceFileAction(const QString& voicePath, QWidget* parent)
{
    VoiceFileDetected = voicePath;
    TForm7 window(parent);
    using platform::PromptAnswer;
    return ExecModalWindow(window, voicePath,
                           {{PromptAnswer::Yes, VoiceAnswerDelete, QString()},
                            {PromptAnswer::No, VoiceAnswerKeep, QString()},
                            {PromptAnswer::NoToAll, VoiceAnswerNever, QStringLiteral("&Never")},
                            {PromptAnswer::All, VoiceAnswerAlways, QStringLiteral("&Always")}},
                           VoiceAnswerKeep);
}
