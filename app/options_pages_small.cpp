#include "app/options_pages_small.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace options_ui;

// ---- "Update/New version" ------------------------------------------------------------

UpdateOptionsPage::UpdateOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "UpdateTab", QStringLiteral("Update/New version"))
{
    auto* l = new QVBoxLayout(this);
    AskUpdateCB = checkBox(this, "AskUpdateCB", QStringLiteral("Ask me once a month to check for Update/New version"));
    l->addWidget(AskUpdateCB);
    l->addStretch();
}

void UpdateOptionsPage::load(const TOptionsValues& v)
{
    AskUpdateCB->setChecked(v.AskMonthlyUpdate);
}

void UpdateOptionsPage::store(TOptionsValues& v) const
{
    v.AskMonthlyUpdate = AskUpdateCB->isChecked();
}

// ---- "Playlist" ------------------------------------------------------------------------

PlaylistOptionsPage::PlaylistOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "PlayListTS", QStringLiteral("Playlist"))
{
    auto* l = new QVBoxLayout(this);
    PLPlayorderRG = new RadioGroup(QStringLiteral("PLPlayorderRG"), QStringLiteral("Default Playorder (Sound files)"),
                                    {QStringLiteral("Playlist"), QStringLiteral("Random")}, this);
    l->addWidget(PLPlayorderRG);
    l->addStretch();
}

void PlaylistOptionsPage::load(const TOptionsValues& v)
{
    PLPlayorderRG->setItemIndex(v.PlaylistPlayOrder);
}

void PlaylistOptionsPage::store(TOptionsValues& v) const
{
    v.PlaylistPlayOrder = qMax(0, PLPlayorderRG->itemIndex());
}

// ---- "Voice files" -----------------------------------------------------------------------

VoiceOptionsPage::VoiceOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "VoiceTB", QStringLiteral("Voice files"))
{
    auto* l = new QVBoxLayout(this);
    VoiceRG = new RadioGroup(QStringLiteral("VoiceRG"), QString(),
                              {QStringLiteral("Always delete the Voice file"),
                               QStringLiteral("Prompt me every time this occurs"),
                               QStringLiteral("Never delete the Voice file")},
                              this);
    l->addWidget(VoiceRG);
    l->addWidget(label(this, QStringLiteral("When you save a picture with an existing Voice file")));
    AutoCopyCB = checkBox(this, "AutoCopyCB", QStringLiteral("also copy this Voice file"));
    l->addWidget(AutoCopyCB);
    l->addStretch();
}

void VoiceOptionsPage::load(const TOptionsValues& v)
{
    VoiceRG->setItemIndex(v.VoiceDeleteMode);
    AutoCopyCB->setChecked(v.AutoCopyVoice);
}

void VoiceOptionsPage::store(TOptionsValues& v) const
{
    v.VoiceDeleteMode = qMax(0, VoiceRG->itemIndex());
    v.AutoCopyVoice = AutoCopyCB->isChecked();
}

// ---- "SmallPics" -------------------------------------------------------------------------

SmallPicsOptionsPage::SmallPicsOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "TBSmallPics", QStringLiteral("SmallPics"))
{
    auto* l = new QVBoxLayout(this);
    CBExcludeSmallPics = checkBox(this, "CBExcludeSmallPics",
                                  QStringLiteral("Always exclude SmallPics folders as subfolder"));
    CBHideSmallPics = checkBox(this, "CBHideSmallPics", QStringLiteral("Hide SmallPics folders for other programs"));
    l->addWidget(CBExcludeSmallPics);
    l->addWidget(CBHideSmallPics);
    l->addStretch();
}

void SmallPicsOptionsPage::load(const TOptionsValues& v)
{
    CBExcludeSmallPics->setChecked(v.ExcludeSmallPics);
    CBHideSmallPics->setChecked(v.HideSmallPics);
}

void SmallPicsOptionsPage::store(TOptionsValues& v) const
{
    v.ExcludeSmallPics = CBExcludeSmallPics->isChecked();
    v.HideSmallPics = CBHideSmallPics->isChecked();
}
