#include "slideshow/launcher_window.h"

#include "slideshow/modal_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ShowLauncherDialog::ShowLauncherDialog(const QString& argument, const QString& rcSettingsPath, QWidget* parent)
    : QDialog(parent)
    , argument_(argument)
    , rcSettingsPath_(rcSettingsPath)
    , record_(ReadRCSettings(rcSettingsPath))
{
    setObjectName(QStringLiteral("Form34"));
    setWindowTitle(QStringLiteral("Vistamo! Instant Slide Show"));
    auto* layout = new QVBoxLayout(this);
    ArgumentLabel = new QLabel(argument, this);
    ArgumentLabel->setObjectName(QStringLiteral("ArgumentLabel"));
    layout->addWidget(ArgumentLabel);
    const auto box = [&](QCheckBox*& target, const char* name, const QString& caption, uint8_t value) {
        target = new QCheckBox(caption, this);
        target->setObjectName(QLatin1String(name));
        target->setChecked(value != 0);
        layout->addWidget(target);
    };
    box(SubfoldersCB, "SubfoldersCB", QStringLiteral("Include subfolders"), record_.IncludeSubfolders);
    box(VoiceCB, "VoiceCB", QStringLiteral("Play voice recordings"), record_.PlayVoice);
    box(PlaylistCB, "PlaylistCB", QStringLiteral("Play a sound playlist"), record_.PlayPlaylist);
    box(FadeCB, "FadeCB", QStringLiteral("Fade music"), record_.Fade);
    box(LoopCB, "LoopCB", QStringLiteral("Play continuously"), record_.Loop);
    // The instant show plays no voice recordings, playlists or fades here:
    // those choices are kept as stored and shown greyed.
    for (QCheckBox* absent : {VoiceCB, PlaylistCB, FadeCB})
        absent->setEnabled(false);
    PlayOrderCB = new QComboBox(this);
    PlayOrderCB->setObjectName(QStringLiteral("PlayOrderCB"));
    PlayOrderCB->addItems({QStringLiteral("In order"), QStringLiteral("Random")});
    PlayOrderCB->setCurrentIndex(record_.PlayOrder == 1 ? 1 : 0);
    layout->addWidget(PlayOrderCB);

    auto* row = new QHBoxLayout;
    const auto button = [&](QPushButton*& target, const char* name, const QString& caption, int result) {
        target = new QPushButton(caption, this);
        target->setObjectName(QLatin1String(name));
        connect(target, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(target);
    };
    button(OKButton, "OKButton", QStringLiteral("&Play"), LauncherPlay);
    button(CancelButton, "CancelButton", QStringLiteral("&Cancel"), LauncherEnd);
    button(IgnoreButton, "IgnoreButton", QStringLiteral("&Open in Vistamo!"), LauncherNormal);
    OKButton->setDefault(true);
    layout->addLayout(row);
}

TRCSettingsRecord ShowLauncherDialog::Choices() const
{
    TRCSettingsRecord r = record_;
    r.IncludeSubfolders = SubfoldersCB->isChecked() ? 1 : 0;
    r.PlayVoice = VoiceCB->isChecked() ? 1 : 0;
    r.PlayPlaylist = PlaylistCB->isChecked() ? 1 : 0;
    r.Fade = FadeCB->isChecked() ? 1 : 0;
    r.Loop = LoopCB->isChecked() ? 1 : 0;
    r.PlayOrder = PlayOrderCB->currentIndex();
    return r;
}

int ShowLauncherDialog::Run()
{
    using platform::PromptAnswer;
    const int result = ExecModalWindow(*this, argument_,
                                       {{PromptAnswer::Ok, LauncherPlay, QStringLiteral("&Play")},
                                        {PromptAnswer::Cancel, LauncherEnd, QString()},
                                        {PromptAnswer::Ignore, LauncherNormal, QStringLiteral("&Open in Vistamo!")}},
                                       LauncherEnd);
    if (result == LauncherPlay && !rcSettingsPath_.isEmpty())
        WriteRCSettings(rcSettingsPath_, Choices());
    return result;
}
