// The options pages of one or two choices: "Update/New version",
// "Playlist", "Voice files" and "SmallPics".
#pragma once

#include "app/options_page.h"

class QCheckBox;
class RadioGroup;

// "Update/New version": the monthly question whether to look for a new version.
class UpdateOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit UpdateOptionsPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QCheckBox* AskUpdateCB = nullptr;
};

// "Playlist": the default play order of a sound playlist.
class PlaylistOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit PlaylistOptionsPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    RadioGroup* PLPlayorderRG = nullptr;
};

// "Voice files": what deleting or saving a picture does with its voice file.
class VoiceOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit VoiceOptionsPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    RadioGroup* VoiceRG = nullptr;
    QCheckBox* AutoCopyCB = nullptr;
};

// "SmallPics": the thumbnail folders left out and hidden.
class SmallPicsOptionsPage : public OptionsPage {
    Q_OBJECT
public:
    explicit SmallPicsOptionsPage(QTabWidget* tabs);
    void load(const TOptionsValues& v) override;
    void store(TOptionsValues& v) const override;

    QCheckBox* CBExcludeSmallPics = nullptr;
    QCheckBox* CBHideSmallPics = nullptr;
};
