// The settings record: every lasting user choice of the program, stored as the
// one 12048-byte record of the settings file in the data folder.
//
// Every field below is a member under its stored name. Texts are QStrings in
// memory; on disk each is a length byte plus a fixed number of bytes (UTF-8, cut
// at a character boundary to the field's capacity). The bytes no field covers
// (alignment gaps, unused areas) and the bytes after a text's length are kept in
// `RawBytes`, so a record read from disk is written back byte for byte.
//
// Reading, writing, the first-run values and the merge at close are driven by
// one field table (app/settings_fields.h).
#pragma once

#include <QString>

#include <array>
#include <cstdint>

constexpr int SettingsRecordSize = 12048;

// The play options stored with the automatic show (offsets 332..399); same
// widths and meanings as the live fields of the same names.
struct TAutoShowOptions {
    int32_t PlayOrder = 0;            // 332
    int32_t IntervalIndex = 0;        // 336
    int32_t IncludeSubfolders = 0;    // 340
    int32_t IncludeSystemFolders = 0; // 344
    int32_t InclJPG = 0;              // 348
    int32_t InclJPEG = 0;             // 352
    int32_t InclBMP = 0;              // 356
    int32_t InclICO = 0;              // 360
    int32_t InclEMF = 0;              // 364
    int32_t InclWMF = 0;              // 368
    int32_t InclGIF = 0;              // 372
    int32_t MaxEnlargePercent = 0;    // 376
    int32_t MaxPictures = 0;          // 380
    int32_t MinSizeKB = 0;            // 384
    int32_t MaxSizeKB = 0;            // 388
    uint8_t ShowTitles = 0;           // 392 (then 3 bytes alignment)
    int32_t BackgroundColor = 0;      // 396

    bool operator==(const TAutoShowOptions&) const = default;
};

struct TSettingsRecord {
    int32_t PlayOrder = 0;              // 0
    int32_t IntervalIndex = 0;          // 4
    int32_t IncludeSubfolders = 0;      // 8
    int32_t IncludeSystemFolders = 0;   // 12
    int32_t MailSizeQuality = 0;        // 16
    int32_t ContinuousPlay = 0;         // 20
    int32_t InclJPG = 0;                // 24
    int32_t InclJPEG = 0;               // 28
    int32_t InclBMP = 0;                // 32
    int32_t InclICO = 0;                // 36
    int32_t InclEMF = 0;                // 40
    int32_t InclWMF = 0;                // 44
    int32_t InclGIF = 0;                // 48
    int32_t IgnoreErrors = 0;           // 52
    int32_t BackgroundColor = 0;        // 56
    int32_t MaxEnlargePercent = 0;      // 60
    int32_t AutoShowWaitSeconds = 0;    // 64
    int32_t MaxPictures = 0;            // 68
    int32_t MinSizeKB = 0;              // 72
    int32_t MaxSizeKB = 0;              // 76
    QString SearchShowResults;          // 80 string[1]
    QString ThumbFillMode;              // 82 string[1]
    uint8_t ThumbManualMode = 0;        // 84
    QString SpareText85;                // 85 string[7]
    QString ShowCameraModel;            // 93 string[1]
    QString ExcludeSmallPics;           // 95 string[1]
    QString HideSmallPics;              // 97 string[1]
    int32_t MaxSoundAttachments = 0;    // 100
    QString ResetFileDate;              // 104 string[1]
    QString SearchVoiceOnly;            // 106 string[1]
    QString DefaultFade;                // 108 string[1]
    QString PackIncludePlaylist;        // 110 string[1]
    QString AutoCopyVoice;              // 112 string[1]
    QString PackIncludeVoice;           // 114 string[1]
    QString VoiceDeleteMode;            // 116 string[1]
    int32_t NowPlayingLeft = 0;         // 120
    int32_t NowPlayingTop = 0;          // 124
    QString AutoShowPath;               // 128 string[200]
    TAutoShowOptions AutoShowOptions;   // 332..399
    std::array<QString, 5> EditPrograms;  // 400 5 x string[200], stride 201
    std::array<QString, 5> VideoPrograms; // 1405 5 x string[200]
    uint8_t MailResample = 0;           // 2410
    QString PicturesPerPageIndex;       // 2411 string[2]
    QString SpareText2414;              // 2414 string[2]
    QString PlaylistPlayOrder;          // 2417 string[1]
    QString VoiceRecordQuality;         // 2422 string[1]
    QString VoiceLongerAction;          // 2424 string[1]
    uint8_t RunningMarker = 0;          // 2426
    uint8_t KeepAutoShow = 0;           // 2427
    uint8_t NeverAutoShow = 0;          // 2428
    uint8_t StartManualMode = 0;        // 2429
    uint8_t ShowTitles = 0;             // 2430
    uint8_t ThumbInfoShown = 0;         // 2431
    uint8_t ShowHints = 0;              // 2432
    std::array<QString, 9> RecentFolders; // 2433 9 x string[200]
    std::array<QString, 9> Favorites;     // 4242 9 x string[200]
    std::array<QString, 5> ShowHistory;   // 6051 5 x string[200]
    char StartupDrive = 0;              // 7056 one character (drive letter)
    QString StartupFolder;              // 7057 string[200]
    QString CDIntroText1;               // 7258 string[40]
    QString CDIntroText2;               // 7299 string[40]
    int32_t TextColor = 0;              // 7340
    QString TextFontName;               // 7344 string[30]
    int32_t TextFontSize = 0;           // 7376
    QString TextHAlign;                 // 7380 string[1]
    QString TextVAlign;                 // 7382 string[1]
    uint8_t TextFontStyle = 0;          // 7384 bit 0 bold, 1 italic, 2 underline, 3 strike-out
    uint8_t TextTransparent = 0;        // 7385
    int32_t NewShowInterval = 0;        // 7388
    int32_t TextDelay = 0;              // 7392
    int32_t NewShowPlayOrder = 0;       // 7396
    QString AttachVoice;                // 7400 string[1]
    uint8_t SearchInclJPG = 0;          // 7402
    uint8_t SearchInclJPEG = 0;         // 7403
    uint8_t SearchInclBMP = 0;          // 7404
    uint8_t SearchInclICO = 0;          // 7405
    uint8_t SearchInclEMF = 0;          // 7406
    uint8_t SearchInclWMF = 0;          // 7407
    uint8_t SearchInclGIF = 0;          // 7408
    int32_t SearchMinSizeKB = 0;        // 7412
    int32_t SearchMaxSizeKB = 0;        // 7416
    uint8_t SearchSubfolders = 0;       // 7420
    uint8_t SearchSystemFolders = 0;    // 7421
    int32_t SearchPlayOrder = 0;        // 7424
    std::array<QString, 10> SearchWords1; // 7428 10 x string[50], stride 51
    int32_t SearchWordIndex1 = 0;       // 7940
    int32_t SearchMustContain1 = 0;     // 7944
    uint8_t SearchIgnoreCase1 = 0;      // 7948
    std::array<QString, 10> SearchWords2; // 7949
    int32_t SearchWordIndex2 = 0;       // 8460
    int32_t SearchMustContain2 = 0;     // 8464
    uint8_t SearchIgnoreCase2 = 0;      // 8468
    std::array<QString, 10> SearchWords3; // 8469
    int32_t SearchWordIndex3 = 0;       // 8980
    int32_t SearchMustContain3 = 0;     // 8984
    uint8_t SearchIgnoreCase3 = 0;      // 8988
    std::array<int32_t, 3> SearchDateFrom{}; // 8992 month, day, year; -1 = no date
    std::array<int32_t, 3> SearchDateTo{};   // 9004
    uint8_t SyncKeepVisible = 0;        // 9016
    uint8_t SyncAutoAdvance = 0;        // 9017
    uint8_t SyncSkipExisting = 0;       // 9018
    uint8_t KeepShowsInSync = 0;        // 9019
    uint8_t SyncShrinkWindow = 0;       // 9020
    std::array<QString, 20> Bookmarks;  // 9021 20 x string[75], stride 76
    double CustomRatioWidth = 0;        // 11008
    double CustomRatioHeight = 0;       // 11016
    double CropRatioWidth = 0;          // 11024
    double CropRatioHeight = 0;         // 11032
    QString SpareFolder11040;           // 11040 string[200]
    QString LastTargetDrive;            // 11241 string[200]
    QString LastOpenShowFolder;         // 11442 string[200]
    QString LastSaveShowFolder;         // 11643 string[200]
    QString LastCopyTarget;             // 11844 string[142]
    int32_t SuggestionDay = 0;          // 11988
    std::array<uint8_t, 12> SuggestionMonths{}; // 11992
    int32_t PanelLeft = 0;              // 12004
    int32_t PanelRight = 0;             // 12008
    int32_t PanelTop = 0;               // 12012
    uint8_t DockPanel = 0;              // 12016
    uint8_t ShowPanelWhenPaused = 0;    // 12017
    uint8_t ShowBurnerMessage = 0;      // 12018
    uint8_t AskMonthlyUpdate = 0;       // 12019
    uint8_t PlayerDontAdd = 0;          // 12022
    uint8_t PlayerOnlyTitle = 0;        // 12023
    int32_t MyShowHidden = 0;           // 12024
    int32_t MaxPictureAttachments = 0;  // 12028
    int32_t MailCustomWidth = 0;        // 12032
    int32_t MailCustomHeight = 0;       // 12036
    uint8_t OpenCopiedShow = 0;         // 12040
    uint8_t PackIncludeMyShow = 0;      // 12041
    uint8_t PackIncludeSoundFiles = 0;  // 12042
    uint8_t SearchOrAnd1 = 0;           // 12043
    uint8_t SearchOrAnd2 = 0;           // 12044
    uint8_t PackIncludeInstructions = 0; // 12045

    // The record's bytes as last read (or all zero for a new record). Encoding
    // starts from these, so gaps, unused areas (e.g. the spare bytes at 10541,
    // 10797, 12020, 12021) and bytes after a text's length are written back as
    // they were read. Code that must clear such bytes writes them here.
    std::array<uint8_t, SettingsRecordSize> RawBytes{};
};

// A flag kept as a one-character text is on only when the text is exactly "1";
// an empty text counts as off.
inline bool FlagOn(const QString& flag) { return flag == QLatin1String("1"); }
