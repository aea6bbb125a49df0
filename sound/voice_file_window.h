// "Voice file detected (.wav)": asked when a picture that has a voice
// recording is moved, copied, renamed or deleted.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
struct SoundSession;
class QPushButton;

// Modal results of the window.
constexpr int VoiceAnswerDelete = 6;    // yes
constexpr int VoiceAnswerKeep = 7;      // no
constexpr int VoiceAnswerNever = 9;     // no to all
constexpr int VoiceAnswerAlways = 10;   // yes to all

// The window whose objectName is "Form7".
class VoiceFileDialog : public QDialog {
    Q_OBJECT
public:
    // `voiceFile`: the voice file's path, shown in WavLabel.
    explicit VoiceFileDialog(const QString& voiceFile = QString(), QWidget* parent = nullptr);
    QLabel* WavLabel = nullptr;
    QPushButton* YesButton = nullptr;
    QPushButton* NoButton = nullptr;
    QPushButton* NeverButton = nullptr;
    QPushButton* AlwaysButton = nullptr;
};

// Shows the window for `voicePath` (through the prompt seam when headless)
// and returns one of the results above; the path is kept as the session's
// VoiceFileDetected.
int AskVoiceFileAction(SoundSession& sound, const QString& voicePath, QWidget* parent = nullptr);
