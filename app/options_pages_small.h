// The options pages of one or two choices: "Update/New version",
// "Playlist", "Voice files" and "SmallPics".
#pragma once

#include "app/options_page.h"

class QCheckBox;
class TRadioGroup;

// "Update/New version": the monthly question whether to look for a new version.
class TUpdatePage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TUpdatePage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QCheckBox* AskUpdateCB = nullptr;
};

// "Playlist": the default play order of a sound playlist.
class TPlaylistPage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TPlaylistPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    TRadioGroup* PLPlayorderRG = nullptr;
};

// "Voice files": what deleting or saving a picture does with its voice file.
class TVoicePage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TVoicePage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    TRadioGroup* VoiceRG = nullptr;
    QCheckBox* AutoCopyCB = nullptr;
};

// "SmallPics": the thumbnail folders left out and hidden.
class TSmallPicsPage : public TOptionsPage {
    Q_OBJECT
public:
    explicit TSmallPicsPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QCheckBox* CBExcludeSmallPics = nullptr;
    QCheckBox* CBHideSmallPics = nullptr;
};
