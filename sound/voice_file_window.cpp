#include "sound/voice_file_window.h"

#include "slideshow/modal_window.h"
#include "sound/sound_plan.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VoiceFileDialog::VoiceFileDialog(const QString& voiceFile, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Voice file detected (.wav)"));
    auto* layout = new QVBoxLayout(this);
    WavLabel = new QLabel(voiceFile, this);
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

int AskVoiceFileAction(SoundSession& sound, const QString& voicePath, QWidget* parent)
{
    sound.VoiceFileDetected = voicePath;
    VoiceFileDialog window(sound.VoiceFileDetected, parent);
    using platform::PromptAnswer;
    return ExecModalWindow(window, voicePath,
                           {{PromptAnswer::Yes, VoiceAnswerDelete, QString()},
                            {PromptAnswer::No, VoiceAnswerKeep, QString()},
                            {PromptAnswer::NoToAll, VoiceAnswerNever, QStringLiteral("&Never")},
                            {PromptAnswer::All, VoiceAnswerAlways, QStringLiteral("&Always")}},
                           VoiceAnswerKeep);
}
