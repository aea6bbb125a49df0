#include "app/options_pages_small.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace options_ui;

// ---- "Update/New version" ------------------------------------------------------------

TUpdatePage::TUpdatePage(QTabWidget* tabs)
    : TOptionsPage(tabs, "UpdateTab", QStringLiteral("Update/New version"))
{
    auto* l = new QVBoxLayout(this);
    AskUpdateCB = checkBox(this, "AskUpdateCB", QStringLiteral("Ask me once a month to check for Update/New version"));
    l->addWidget(AskUpdateCB);
    l->addStretch();
}

void TUpdatePage::load(const TOptionsValues& v)
{
    AskUpdateCB->setChecked(v.AskMonthlyUpdate);
}

void TUpdatePage::store(TOptionsValues& v) const
{
    v.AskMonthlyUpdate = AskUpdateCB->isChecked();
}

// ---- "Playlist" ------------------------------------------------------------------------

TPlaylistPage::TPlaylistPage(QTabWidget* tabs)
    : TOptionsPage(tabs, "PlayListTS", QStringLiteral("Playlist"))
{
    auto* l = new QVBoxLayout(this);
    PLPlayorderRG = new TRadioGroup(QStringLiteral("PLPlayorderRG"), QStringLiteral("Default Playorder (Sound files)"),
                                    {QStringLiteral("Playlist"), QStringLiteral("Random")}, this);
    l->addWidget(PLPlayorderRG);
    l->addStretch();
}

void TPlaylistPage::load(const TOptionsValues& v)
{
    PLPlayorderRG->setItemIndex(v.PlaylistPlayOrder);
}

void TPlaylistPage::store(TOptionsValues& v) const
{
    v.PlaylistPlayOrder = qMax(0, PLPlayorderRG->itemIndex());
}

// ---- "Voice files" -----------------------------------------------------------------------

TVoicePage::TVoicePage(QTabWidget* tabs)
    : TOptionsPage(tabs, "VoiceTB", QStringLiteral("Voice files"))
{
    auto* l = new QVBoxLayout(this);
    VoiceRG = new TRadioGroup(QStringLiteral("VoiceRG"), QString(),
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

void TVoicePage::load(const TOptionsValues& v)
{
    VoiceRG->setItemIndex(v.VoiceDeleteMode);
    AutoCopyCB->setChecked(v.AutoCopyVoice);
}

void TVoicePage::store(TOptionsValues& v) const
{
    v.VoiceDeleteMode = qMax(0, VoiceRG->itemIndex());
    v.AutoCopyVoice = AutoCopyCB->isChecked();
}

// ---- "SmallPics" -------------------------------------------------------------------------

TSmallPicsPage::TSmallPicsPage(QTabWidget* tabs)
    : TOptionsPage(tabs, "TBSmallPics", QStringLiteral("SmallPics"))
{
    auto* l = new QVBoxLayout(this);
    CBExcludeSmallPics = checkBox(this, "CBExcludeSmallPics",
                                  QStringLiteral("Always exclude SmallPics folders as subfolder"));
    CBHideSmallPics = checkBox(this, "CBHideSmallPics", QStringLiteral("Hide SmallPics folders for other programs"));
    l->addWidget(CBExcludeSmallPics);
    l->addWidget(CBHideSmallPics);
    l->addStretch();
}

void TSmallPicsPage::load(const TOptionsValues& v)
{
    CBExcludeSmallPics->setChecked(v.ExcludeSmallPics);
    CBHideSmallPics->setChecked(v.HideSmallPics);
}

void TSmallPicsPage::store(TOptionsValues& v) const
{
    v.ExcludeSmallPics = CBExcludeSmallPics->isChecked();
    v.HideSmallPics = CBHideSmallPics->isChecked();
}
