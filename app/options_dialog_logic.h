// The rules of the options dialog (OptionsDialog) that need no widget: the values
// its controls show, loading them from the settings records, the checks of
// "&Apply" in their order, writing the values back, the program lists, the
// interval table of new MyShow pictures and the placement of the example
// text label.
//
// Each page of OptionsDialog (app/options_dialog.h, app/options_page_*.h) shows its
// fields of a TOptionsValues and copies them back, and runs its own checks
// below; the dialog shows the failed check with the lowest number and, when
// every check passed, runs the Apply functions.
#pragma once

#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "slideshow/show_state.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// ---- The values shown by the dialog's controls --------------------------------

constexpr int OptionsProgramSlots = 5;   // edit and video program lists

struct TOptionsValues {
    // "Include"
    std::array<bool, 7> InclTypes{};     // jpg, jpeg, bmp, ico, emf, wmf, gif
    QString MinSizeText, MaxSizeText, MaxPicText;
    bool IncludeSubfolders = false, IncludeSystemFolders = false;
    QString MaxAttachText, MaxSFAttachText;
    // "Play"
    int IntervalIndex = 0;               // Intervalgroup, 0..4
    int PlayOrder = 0;                   // RadioGroup1, 0..4
    bool ContinuousPlay = false, StartManualMode = false, IgnoreErrors = false;
    int32_t BackgroundColor = 0;         // colour value (blue-green-red)
    QString MaxEnlargeText;              // EdMaxEnlarge
    bool ShowCameraModel = false;
    // "Full Screen"
    bool ShowTitles = false, ShowHints = false, ShowPanelWhenPaused = false, DockPanel = false;
    QString Mon2WidthText, Mon2HeightText;
    bool Mon2Manual = false;
    // "Edit" and "Video"
    QStringList EditPrograms;            // at most 5, entry 0 first
    QString EditProgramText;             // ExtProgComboBox's text
    bool ResetFileDate = false;
    QStringList VideoPrograms;
    // "Automatic Show/CD"
    bool NeverAutoShow = false, KeepAutoShow = false;
    QString SecondsWaitText;
    QString CDIntroText1, CDIntroText2;
    QString AutoShowPath;                // shown in Bevel1's hint; read only, never stored
    // "MyShow"
    int NewShowIntervalIndex = 0;        // IntervalComboBox
    int NewShowPlayOrder = 0;            // PlayOrderComboBox
    int TextDelay = 0;                   // DelayCB
    int AttachVoiceIndex = 0;            // AttachWAVRG: 0 "Yes", 1 "No"
    int VoiceLongerAction = 0;           // SoundActionCB
    bool DefaultFade = false, KeepShowsInSync = false;
    QChar TextHAlign;                    // 'L', 'C', 'R' or none pressed
    QChar TextVAlign;                    // 'T', 'C', 'B' or none pressed
    QString TextFontName;
    uint8_t TextFontStyle = 0;           // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    int32_t TextFontSize = 0;
    int32_t TextColor = 0;               // colour value (blue-green-red)
    bool TextTransparent = false;
    // "Update/New version", "Playlist", "Voice files"
    bool AskMonthlyUpdate = false;
    int PlaylistPlayOrder = 0;           // PLPlayorderRG
    int VoiceDeleteMode = 0;             // VoiceRG
    bool AutoCopyVoice = false;
    // "Thumbnails"
    int PicturesPerPageIndex = 0;        // CBMultMode; -1 no item (a stored layout beyond the list, kept)
    int ThumbFillMode = 0;               // RGFillMode
    bool ThumbManualMode = false;
    bool ThumbsOnFixedDrives = false, ThumbsOnNetworkDrives = false, ThumbsOnRemovableDrives = false;
    int ThumbSizeIndex = 0;              // RGThumbSize
    int ThumbMinSizeKB = 0;              // UDThumbOrgMin
    // "Upload"
    QString UploaderPath;                // EDUploadProgram
    int UploaderWaitSeconds = 0;         // UDWaittime
    int UploadBatchSize = 0;             // UDSupplyAtOnce
    // "SmallPics"
    bool ExcludeSmallPics = false, HideSmallPics = false;
};

// The ranges of the up-down controls.
constexpr int MaxEnlargeMin = -50, MaxEnlargeMax = 999;
constexpr int ThumbOrgMinMin = 100, ThumbOrgMinMax = 10000;
constexpr int UploadWaitMin = 0, UploadWaitMax = 999;
constexpr int UploadBatchMin = 1, UploadBatchMax = 999;

// The controls' values for the records: every field the pages show, the
// text defaults of new MyShow pictures with their font, and the program
// lists up to their first empty entry. Digit texts that are no number, or
// name no item, select item 0.
TOptionsValues OptionsValuesFrom(const TSettingsRecord& settings, const TAddSettingsRecord& add);

// ---- Item lists ----------------------------------------------------------------

QStringList IntervalGroupItems();        // "1 second" .. "10 seconds"
QStringList PlayOrderItems();            // RadioGroup1
QStringList NewShowPlayOrderItems();     // PlayOrderComboBox
QStringList NewShowIntervalItems();      // IntervalComboBox, 24 items
QStringList TextDelayItems();            // DelayCB, 11 items
QStringList SoundActionItems();          // SoundActionCB
QStringList PicturesPerPageItems();      // CBMultMode, 16 items
QStringList ThumbSizeItems();            // RGThumbSize


// The interval table of new MyShow pictures: the seconds stored for an item
// of IntervalComboBox (0 for an index outside the table), and the item that
// a stored value selects (the listed values their items; any other value the
// item whose index equals it, item 0 when there is no such item).
int32_t NewShowIntervalSeconds(int index);
int NewShowIntervalIndex(int32_t seconds);

// ---- Checks of "&Apply" ---------------------------------------------------------

// One failed check: its number (1..21), the caption of the page to show
// (empty: the page stays), the objectName of the control to focus (empty:
// the focus stays) and the message. Number 0: every check passed.
struct TOptionsCheck {
    int Number = 0;
    QString Page;
    QString Focus;
    QString Message;
    bool ok() const { return Number == 0; }
};

// The numbers the checks read, once converted.
struct TOptionsNumbers {
    int32_t MaxEnlarge = 0, MinSize = 0, MaxSize = 0, SecondsWait = 0;
    int32_t MaxPictures = 0, MaxSoundAttachments = 0, MaxPictureAttachments = 0;
    int32_t Mon2Width = 0, Mon2Height = 0;
};

// What the checks need beside the values.
struct TOptionsCheckContext {
    bool editProgramExists = true;       // EditProgramText names an existing file
    bool secondMonitorSelected = false;  // the main window shows on the second monitor
};

// A whole decimal number (blanks around it allowed), as the dialog's edits take it.
bool ParseOptionNumber(const QString& text, int32_t& value);

// The checks of each page, in their numbers' order; each returns the first
// of its checks that fails and fills the page's fields of `numbers` as far as
// it converted them. A page's checks read only the page's own fields, so the
// first failure over all pages is the one with the lowest number.
// "Play": check 1.
TOptionsCheck CheckPlayFields(const TOptionsValues& v, TOptionsNumbers& numbers);
// "Include": checks 2, 3 and 6 to 14.
TOptionsCheck CheckIncludeFields(const TOptionsValues& v, TOptionsNumbers& numbers);
// "Automatic Show/CD": checks 4 and 5.
TOptionsCheck CheckAutomaticShowFields(const TOptionsValues& v, TOptionsNumbers& numbers);
// "Edit": check 15.
TOptionsCheck CheckEditFields(const TOptionsValues& v, const TOptionsCheckContext& ctx);
// "Full Screen": checks 16 to 21.
TOptionsCheck CheckFullScreenFields(const TOptionsValues& v, const TOptionsCheckContext& ctx,
                                    TOptionsNumbers& numbers);

// Of two check results, the failure with the lower number (a pass counts as
// no failure).
TOptionsCheck EarlierCheck(const TOptionsCheck& a, const TOptionsCheck& b);

// Runs every page's checks and returns the failure with the lowest number,
// the one a run of all 21 checks in order stops at; `numbers` holds the
// values converted.
TOptionsCheck CheckOptions(const TOptionsValues& v, const TOptionsCheckContext& ctx,
                           TOptionsNumbers& numbers);

// Whether EditProgramText passes check 15 (empty, or an existing file that
// is not a folder).
bool EditProgramAcceptable(const QString& text);

// ---- Writing back ---------------------------------------------------------------

// The eleven additional-settings fields differ from the controls.
bool AddSettingsDiffer(const TAddSettingsRecord& add, const TOptionsValues& v, const TOptionsNumbers& n);
// The eleven fields taken from the controls.
void StoreAddSettings(TAddSettingsRecord& add, const TOptionsValues& v, const TOptionsNumbers& n);
// Thumbnails are switched on: all three drive flags were 0 and a box is checked.
bool ThumbnailsSwitchedOn(const TAddSettingsRecord& before, const TOptionsValues& v);

// Every settings-record field the pages show, in memory: the CD texts and
// the checked numbers, the text defaults of new MyShow pictures, the voice,
// file-date and SmallPics flags, the background colour, the play and show
// flags (switching `AskMonthlyUpdate` on resets the monthly suggestion,
// dated `today`), the two program lists and the thumbnail page. Texts are
// cut to their fields' capacities.
void StoreOptionsInSettings(TSettingsRecord& s, const TOptionsValues& v, const TOptionsNumbers& n,
                            const QDate& today);

// ---- Program lists (edit and video programs) ------------------------------------

enum class ProgramListAdd { Added, AlreadyListed, Empty };

// Puts a program at the top of the list: refused when an entry equals it
// ignoring letter case; a full list drops its last entry.
ProgramListAdd AddProgramAtTop(QStringList& list, const QString& path);
// Removes the first entry equal to `text` (ignoring case); false when none.
bool RemoveProgram(QStringList& list, const QString& text);
// Choosing entry `index` makes it the first; the others keep their order.
void ChooseProgram(QStringList& list, int index);
// The lists' buttons: Remove with entries, Browse with room for one more.
inline bool ProgramRemoveEnabled(const QStringList& list) { return !list.isEmpty(); }
inline bool ProgramBrowseEnabled(const QStringList& list) { return list.size() < OptionsProgramSlots; }

// ---- Placement of the example label inside its panel ----------------------------

// 'L' / 'C' / 'R' (anything else as 'L'): the label's x inside a panel.
int ExampleLabelX(QChar align, int panelWidth, int labelWidth);
// 'T' / 'C' / 'B' (anything else as 'B'): the label's y.
int ExampleLabelY(QChar align, int panelHeight, int labelHeight);

// ---- Texts --------------------------------------------------------------------

extern const QString NoImageTypeText;          // check 2
extern const QString ProgramAlreadyListedText; // "Program already exists in list!"
extern const QString ResetFileDateQuestion;    // asked when thumbnails are switched on
extern const QString AutomaticShowHintPrefix;  // "Current Automatic Show : "
