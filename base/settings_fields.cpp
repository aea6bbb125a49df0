#include "base/settings_fields.h"

#include "platform/fixed_text.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

using platform::RecordResult;
using platform::RecordStatus;


namespace {

using R = TSettingsRecord;
using K = TFieldKind;

#define F_I32(name, off) TSettingsField{#name, off, K::Int32, 0, 1, 4, [](R& r, int) -> void* { return &r.name; }}
#define F_BYTE(name, off) TSettingsField{#name, off, K::Byte, 0, 1, 1, [](R& r, int) -> void* { return &r.name; }}
#define F_CHAR(name, off) TSettingsField{#name, off, K::Char, 0, 1, 1, [](R& r, int) -> void* { return &r.name; }}
#define F_DBL(name, off) TSettingsField{#name, off, K::Double, 0, 1, 8, [](R& r, int) -> void* { return &r.name; }}
#define F_TEXT(name, off, cap) \
    TSettingsField{#name, off, K::Text, cap, 1, cap + 1, [](R& r, int) -> void* { return &r.name; }}
#define F_TEXTS(name, off, cap, n) \
    TSettingsField{#name, off, K::Text, cap, n, cap + 1, [](R& r, int i) -> void* { return &r.name[i]; }}
#define F_I32S(name, off, n) TSettingsField{#name, off, K::Int32, 0, n, 4, [](R& r, int i) -> void* { return &r.name[i]; }}
#define F_BYTES(name, off, n) TSettingsField{#name, off, K::Byte, 0, n, 1, [](R& r, int i) -> void* { return &r.name[i]; }}

std::vector<TSettingsField> BuildTable()
{
    return {
        F_I32(PlayOrder, 0),
        F_I32(IntervalIndex, 4),
        F_I32(IncludeSubfolders, 8),
        F_I32(IncludeSystemFolders, 12),
        F_I32(MailSizeQuality, 16),
        F_I32(ContinuousPlay, 20),
        F_I32(InclJPG, 24),
        F_I32(InclJPEG, 28),
        F_I32(InclBMP, 32),
        F_I32(InclICO, 36),
        F_I32(InclEMF, 40),
        F_I32(InclWMF, 44),
        F_I32(InclGIF, 48),
        F_I32(IgnoreErrors, 52),
        F_I32(BackgroundColor, 56),
        F_I32(MaxEnlargePercent, 60),
        F_I32(AutoShowWaitSeconds, 64),
        F_I32(MaxPictures, 68),
        F_I32(MinSizeKB, 72),
        F_I32(MaxSizeKB, 76),
        F_TEXT(SearchShowResults, 80, 1),
        F_TEXT(ThumbFillMode, 82, 1),
        F_BYTE(ThumbManualMode, 84),
        F_TEXT(SpareText85, 85, 7),
        F_TEXT(ShowCameraModel, 93, 1),
        F_TEXT(ExcludeSmallPics, 95, 1),
        F_TEXT(HideSmallPics, 97, 1),
        F_I32(MaxSoundAttachments, 100),
        F_TEXT(ResetFileDate, 104, 1),
        F_TEXT(SearchVoiceOnly, 106, 1),
        F_TEXT(DefaultFade, 108, 1),
        F_TEXT(PackIncludePlaylist, 110, 1),
        F_TEXT(AutoCopyVoice, 112, 1),
        F_TEXT(PackIncludeVoice, 114, 1),
        F_TEXT(VoiceDeleteMode, 116, 1),
        F_I32(NowPlayingLeft, 120),
        F_I32(NowPlayingTop, 124),
        F_TEXT(AutoShowPath, 128, 200),
        F_I32(AutoShowOptions.PlayOrder, 332),
        F_I32(AutoShowOptions.IntervalIndex, 336),
        F_I32(AutoShowOptions.IncludeSubfolders, 340),
        F_I32(AutoShowOptions.IncludeSystemFolders, 344),
        F_I32(AutoShowOptions.InclJPG, 348),
        F_I32(AutoShowOptions.InclJPEG, 352),
        F_I32(AutoShowOptions.InclBMP, 356),
        F_I32(AutoShowOptions.InclICO, 360),
        F_I32(AutoShowOptions.InclEMF, 364),
        F_I32(AutoShowOptions.InclWMF, 368),
        F_I32(AutoShowOptions.InclGIF, 372),
        F_I32(AutoShowOptions.MaxEnlargePercent, 376),
        F_I32(AutoShowOptions.MaxPictures, 380),
        F_I32(AutoShowOptions.MinSizeKB, 384),
        F_I32(AutoShowOptions.MaxSizeKB, 388),
        F_BYTE(AutoShowOptions.ShowTitles, 392),
        F_I32(AutoShowOptions.BackgroundColor, 396),
        F_TEXTS(EditPrograms, 400, 200, 5),
        F_TEXTS(VideoPrograms, 1405, 200, 5),
        F_BYTE(MailResample, 2410),
        F_TEXT(PicturesPerPageIndex, 2411, 2),
        F_TEXT(SpareText2414, 2414, 2),
        F_TEXT(PlaylistPlayOrder, 2417, 1),
        F_TEXT(VoiceRecordQuality, 2422, 1),
        F_TEXT(VoiceLongerAction, 2424, 1),
        F_BYTE(RunningMarker, 2426),
        F_BYTE(KeepAutoShow, 2427),
        F_BYTE(NeverAutoShow, 2428),
        F_BYTE(StartManualMode, 2429),
        F_BYTE(ShowTitles, 2430),
        F_BYTE(ThumbInfoShown, 2431),
        F_BYTE(ShowHints, 2432),
        F_TEXTS(RecentFolders, 2433, 200, 9),
        F_TEXTS(Favorites, 4242, 200, 9),
        F_TEXTS(ShowHistory, 6051, 200, 5),
        F_CHAR(StartupDrive, 7056),
        F_TEXT(StartupFolder, 7057, 200),
        F_TEXT(CDIntroText1, 7258, 40),
        F_TEXT(CDIntroText2, 7299, 40),
        F_I32(TextColor, 7340),
        F_TEXT(TextFontName, 7344, 30),
        F_I32(TextFontSize, 7376),
        F_TEXT(TextHAlign, 7380, 1),
        F_TEXT(TextVAlign, 7382, 1),
        F_BYTE(TextFontStyle, 7384),
        F_BYTE(TextTransparent, 7385),
        F_I32(NewShowInterval, 7388),
        F_I32(TextDelay, 7392),
        F_I32(NewShowPlayOrder, 7396),
        F_TEXT(AttachVoice, 7400, 1),
        F_BYTE(SearchInclJPG, 7402),
        F_BYTE(SearchInclJPEG, 7403),
        F_BYTE(SearchInclBMP, 7404),
        F_BYTE(SearchInclICO, 7405),
        F_BYTE(SearchInclEMF, 7406),
        F_BYTE(SearchInclWMF, 7407),
        F_BYTE(SearchInclGIF, 7408),
        F_I32(SearchMinSizeKB, 7412),
        F_I32(SearchMaxSizeKB, 7416),
        F_BYTE(SearchSubfolders, 7420),
        F_BYTE(SearchSystemFolders, 7421),
        F_I32(SearchPlayOrder, 7424),
        F_TEXTS(SearchWords1, 7428, 50, 10),
        F_I32(SearchWordIndex1, 7940),
        F_I32(SearchMustContain1, 7944),
        F_BYTE(SearchIgnoreCase1, 7948),
        F_TEXTS(SearchWords2, 7949, 50, 10),
        F_I32(SearchWordIndex2, 8460),
        F_I32(SearchMustContain2, 8464),
        F_BYTE(SearchIgnoreCase2, 8468),
        F_TEXTS(SearchWords3, 8469, 50, 10),
        F_I32(SearchWordIndex3, 8980),
        F_I32(SearchMustContain3, 8984),
        F_BYTE(SearchIgnoreCase3, 8988),
        F_I32S(SearchDateFrom, 8992, 3),
        F_I32S(SearchDateTo, 9004, 3),
        F_BYTE(SyncKeepVisible, 9016),
        F_BYTE(SyncAutoAdvance, 9017),
        F_BYTE(SyncSkipExisting, 9018),
        F_BYTE(KeepShowsInSync, 9019),
        F_BYTE(SyncShrinkWindow, 9020),
        F_TEXTS(Bookmarks, 9021, 75, 20),
        F_DBL(CustomRatioWidth, 11008),
        F_DBL(CustomRatioHeight, 11016),
        F_DBL(CropRatioWidth, 11024),
        F_DBL(CropRatioHeight, 11032),
        F_TEXT(SpareFolder11040, 11040, 200),
        F_TEXT(LastTargetDrive, 11241, 200),
        F_TEXT(LastOpenShowFolder, 11442, 200),
        F_TEXT(LastSaveShowFolder, 11643, 200),
        F_TEXT(LastCopyTarget, 11844, 142),
        F_I32(SuggestionDay, 11988),
        F_BYTES(SuggestionMonths, 11992, 12),
        F_I32(PanelLeft, 12004),
        F_I32(PanelRight, 12008),
        F_I32(PanelTop, 12012),
        F_BYTE(DockPanel, 12016),
        F_BYTE(ShowPanelWhenPaused, 12017),
        F_BYTE(ShowBurnerMessage, 12018),
        F_BYTE(AskMonthlyUpdate, 12019),
        F_BYTE(PlayerDontAdd, 12022),
        F_BYTE(PlayerOnlyTitle, 12023),
        F_I32(MyShowHidden, 12024),
        F_I32(MaxPictureAttachments, 12028),
        F_I32(MailCustomWidth, 12032),
        F_I32(MailCustomHeight, 12036),
        F_BYTE(OpenCopiedShow, 12040),
        F_BYTE(PackIncludeMyShow, 12041),
        F_BYTE(PackIncludeSoundFiles, 12042),
        F_BYTE(SearchOrAnd1, 12043),
        F_BYTE(SearchOrAnd2, 12044),
        F_BYTE(PackIncludeInstructions, 12045),
    };
}

#undef F_I32
#undef F_BYTE
#undef F_CHAR
#undef F_DBL
#undef F_TEXT
#undef F_TEXTS
#undef F_I32S
#undef F_BYTES

} // namespace

// --- generic field codec, shared with the additional settings record ---

namespace recordcodec {

void EncodeEntry(TFieldKind kind, int capacity, const void* value, uint8_t* dest)
{
    switch (kind) {
    case TFieldKind::Int32:
        qToLittleEndian<int32_t>(*static_cast<const int32_t*>(value), dest);
        break;
    case TFieldKind::Byte:
        *dest = *static_cast<const uint8_t*>(value);
        break;
    case TFieldKind::Char:
        *dest = static_cast<uint8_t>(*static_cast<const char*>(value));
        break;
    case TFieldKind::Double: {
        uint64_t bits;
        std::memcpy(&bits, value, 8);
        qToLittleEndian<uint64_t>(bits, dest);
        break;
    }
    case TFieldKind::Text: {
        const QString& text = *static_cast<const QString*>(value);
        // A text that still reads back as it was read keeps its stored bytes
        // exactly (texts stored as Windows-1252 stay in that code page).
        if (dest[0] <= capacity && platform::DecodeFixedText(dest, capacity) == text)
            break;
        platform::EncodeFixedText(text, capacity, dest);
        break;
    }
    }
}

void DecodeEntry(TFieldKind kind, int capacity, const uint8_t* src, void* value)
{
    switch (kind) {
    case TFieldKind::Int32:
        *static_cast<int32_t*>(value) = qFromLittleEndian<int32_t>(src);
        break;
    case TFieldKind::Byte:
        *static_cast<uint8_t*>(value) = *src;
        break;
    case TFieldKind::Char:
        *static_cast<char*>(value) = static_cast<char>(*src);
        break;
    case TFieldKind::Double: {
        const uint64_t bits = qFromLittleEndian<uint64_t>(src);
        std::memcpy(value, &bits, 8);
        break;
    }
    case TFieldKind::Text:
        *static_cast<QString*>(value) = platform::DecodeFixedText(src, capacity);
        break;
    }
}

bool EntriesEqual(TFieldKind kind, const void* a, const void* b)
{
    switch (kind) {
    case TFieldKind::Int32: return std::memcmp(a, b, 4) == 0;
    case TFieldKind::Byte:
    case TFieldKind::Char: return std::memcmp(a, b, 1) == 0;
    case TFieldKind::Double: return std::memcmp(a, b, 8) == 0;  // bit for bit, so NaN equals itself
    case TFieldKind::Text: return *static_cast<const QString*>(a) == *static_cast<const QString*>(b);
    }
    return false;
}

void CopyEntry(TFieldKind kind, void* dest, const void* src)
{
    switch (kind) {
    case TFieldKind::Int32: std::memcpy(dest, src, 4); break;
    case TFieldKind::Byte:
    case TFieldKind::Char: std::memcpy(dest, src, 1); break;
    case TFieldKind::Double: std::memcpy(dest, src, 8); break;
    case TFieldKind::Text: *static_cast<QString*>(dest) = *static_cast<const QString*>(src); break;
    }
}

} // namespace recordcodec

const std::vector<TSettingsField>& SettingsFields()
{
    static const std::vector<TSettingsField> table = BuildTable();
    return table;
}

const TSettingsField* FindSettingsField(const QString& name)
{
    for (const TSettingsField& f : SettingsFields())
        if (name == QLatin1String(f.Name))
            return &f;
    return nullptr;
}

QByteArray EncodeSettings(const TSettingsRecord& rec)
{
    QByteArray out(reinterpret_cast<const char*>(rec.RawBytes.data()), SettingsRecordSize);
    auto* base = reinterpret_cast<uint8_t*>(out.data());
    for (const TSettingsField& f : SettingsFields())
        for (int i = 0; i < f.Count; ++i)
            recordcodec::EncodeEntry(f.Kind, f.Capacity, f.AtConst(rec, i), base + f.Offset + i * f.Stride);
    return out;
}

RecordResult DecodeSettings(const QByteArray& bytes, TSettingsRecord& rec)
{
    if (bytes.size() != SettingsRecordSize)
        return RecordResult::Fail(RecordStatus::WrongSize,
                                  QStringLiteral("The settings record is %1 bytes long instead of %2.")
                                      .arg(bytes.size()).arg(SettingsRecordSize));
    TSettingsRecord fresh;
    std::memcpy(fresh.RawBytes.data(), bytes.constData(), SettingsRecordSize);
    const auto* base = fresh.RawBytes.data();
    for (const TSettingsField& f : SettingsFields())
        for (int i = 0; i < f.Count; ++i)
            recordcodec::DecodeEntry(f.Kind, f.Capacity, base + f.Offset + i * f.Stride, f.At(fresh, i));
    rec = std::move(fresh);
    return RecordResult::Ok();
}

RecordResult ReadSettingsFile(const QString& path, TSettingsRecord& rec)
{
    platform::RecordFile file;
    RecordResult r = file.OpenWithMode(path, SettingsRecordSize, FileModeReadOnly);
    if (!r.ok())
        return r;
    QByteArray bytes;
    r = file.Read(0, bytes);
    if (r.Status == RecordStatus::OutOfRange)  // an empty file
        return RecordResult::Fail(RecordStatus::Truncated,
                                  QStringLiteral("The settings file '%1' is empty.").arg(path));
    if (!r.ok())
        return r;
    return DecodeSettings(bytes, rec);
}

RecordResult WriteSettingsFile(const QString& path, const TSettingsRecord& rec)
{
    return platform::SafeWriteFile(path, EncodeSettings(rec));
}

namespace {

// The text lines of new MyShow pictures: font, colour, placement; voices attach.
void setNewPictureTextDefaults(TSettingsRecord& r, const TFirstRunInputs& in)
{
    r.TextColor = 255;
    r.TextFontName = platform::FixedTextCut(in.FontName, 30);
    r.TextFontSize = 24;
    r.TextHAlign = QStringLiteral("C");
    r.TextVAlign = QStringLiteral("B");
    r.TextFontStyle = in.FontStyle;
    r.TextTransparent = 1;
    r.AttachVoice = QStringLiteral("A");
}

// The search window: every picture type, any size, date and word.
void setSearchDefaults(TSettingsRecord& r)
{
    r.SearchShowResults = QStringLiteral("1");
    r.SearchVoiceOnly = QStringLiteral("0");
    r.SearchInclJPG = r.SearchInclJPEG = r.SearchInclBMP = r.SearchInclICO = 1;
    r.SearchInclEMF = r.SearchInclWMF = r.SearchInclGIF = 1;
    r.SearchMaxSizeKB = 999999;
    r.SearchSubfolders = 1;
    r.SearchSystemFolders = 1;
    r.SearchPlayOrder = 4;
    r.SearchWordIndex1 = r.SearchWordIndex2 = r.SearchWordIndex3 = -1;
    r.SearchIgnoreCase1 = r.SearchIgnoreCase2 = r.SearchIgnoreCase3 = 1;
    r.SearchDateFrom = {-1, -1, -1};
    r.SearchDateTo = {-1, -1, -1};
    r.SearchOrAnd1 = 0;
    r.SearchOrAnd2 = 1;
}

// Mail, packing, voice files and keeping shows in sync.
void setMailPackVoiceDefaults(TSettingsRecord& r)
{
    r.MailSizeQuality = 1752;
    r.MaxSoundAttachments = 10;
    r.PackIncludePlaylist = QStringLiteral("1");
    r.AutoCopyVoice = QStringLiteral("1");
    r.PackIncludeVoice = QStringLiteral("1");
    r.VoiceDeleteMode = QStringLiteral("1");
    r.MailResample = 0;
    r.VoiceRecordQuality = QStringLiteral("2");
    r.VoiceLongerAction = QStringLiteral("0");
    r.SyncKeepVisible = r.SyncAutoAdvance = r.SyncSkipExisting = r.KeepShowsInSync = r.SyncShrinkWindow = 1;
    r.MaxPictureAttachments = 250;
    r.MailCustomWidth = 100;
    r.MailCustomHeight = 75;
    r.PackIncludeMyShow = 1;
    r.PackIncludeSoundFiles = 1;
    r.PackIncludeInstructions = 1;
}

// The folders offered first (on the data folder's drive) and the monthly
// update question.
void setFolderAndUpdateDefaults(TSettingsRecord& r, const TFirstRunInputs& in)
{
    r.LastTargetDrive = platform::FixedTextCut(in.DataFolderDrive, 200);
    const QString showsFolder = in.DataFolder + QStringLiteral("/Vistamo! Slide Shows");
    r.LastOpenShowFolder = platform::FixedTextCut(showsFolder, 200);
    r.LastSaveShowFolder = platform::FixedTextCut(showsFolder, 200);
    r.LastCopyTarget = platform::FixedTextCut(in.DataFolderDrive, 142);
    // Monthly suggestion reset: no month done yet, ask, today's day (at most 28).
    r.SuggestionDay = std::clamp(in.DayOfMonth, 1, 28);
    r.SuggestionMonths.fill(0);
    r.AskMonthlyUpdate = 1;
}

} // namespace

void FillFirstRunSettings(TSettingsRecord& rec, const TFirstRunInputs& in)
{
    TSettingsRecord r;  // every field 0 or empty, every byte of the record 0
    r.PlayOrder = 4;
    r.IntervalIndex = 2;
    r.IncludeSubfolders = 1;
    r.IncludeSystemFolders = 1;
    r.ContinuousPlay = 1;
    r.InclJPG = r.InclJPEG = r.InclBMP = r.InclICO = r.InclEMF = r.InclWMF = r.InclGIF = 1;
    r.IgnoreErrors = 1;
    r.BackgroundColor = 0;
    r.MaxEnlargePercent = 100;
    r.AutoShowWaitSeconds = 300;
    r.MaxPictures = 25000;
    r.MinSizeKB = 0;
    r.MaxSizeKB = 999999;
    r.ThumbFillMode = QStringLiteral("1");
    r.ThumbManualMode = 1;
    r.PicturesPerPageIndex = QStringLiteral("3");
    r.PlaylistPlayOrder = QStringLiteral("0");
    r.RunningMarker = 1;
    r.ShowTitles = 1;
    r.ShowHints = 1;
    r.StartupDrive = 'C';
    r.CDIntroText1 = QStringLiteral("Free text line 1");
    r.CDIntroText2 = QStringLiteral("Free text line 2");
    r.DockPanel = 1;
    r.ShowPanelWhenPaused = 1;
    r.ShowBurnerMessage = 1;
    r.PlayerDontAdd = 1;
    r.PlayerOnlyTitle = 0;
    r.MyShowHidden = 0;
    r.OpenCopiedShow = 1;
    r.ResetFileDate = QStringLiteral("1");
    r.DefaultFade = QStringLiteral("1");
    setNewPictureTextDefaults(r, in);
    setSearchDefaults(r);
    setMailPackVoiceDefaults(r);
    setFolderAndUpdateDefaults(r, in);
    rec = std::move(r);
}

RecordResult InitDefaultSettings(const QString& path, TSettingsRecord& rec, const TFirstRunInputs& in,
                                 const std::function<void(TSettingsRecord&)>& findEditPrograms)
{
    FillFirstRunSettings(rec, in);
    if (findEditPrograms)
        findEditPrograms(rec);
    return WriteSettingsFile(path, rec);
}

void MergeSettings(TSettingsRecord& L, const TSettingsRecord& S, const TSettingsRecord& D)
{
    for (const TSettingsField& f : SettingsFields()) {
        for (int i = 0; i < f.Count; ++i) {
            void* l = f.At(L, i);
            if (recordcodec::EntriesEqual(f.Kind, l, f.AtConst(S, i)))
                recordcodec::CopyEntry(f.Kind, l, f.AtConst(D, i));
        }
    }
    // Entry-by-entry merging can leave holes (an entry removed here, another
    // added there) and the same folder twice; the lists are read as packed at
    // the front, so close the holes and drop repeats.
    PackList(L.RecentFolders, true, true);
    PackList(L.Favorites, true, true);
    PackList(L.ShowHistory, true, false);  // the show history compares paths exactly
    PackList(L.EditPrograms);
    PackList(L.VideoPrograms);
}

bool AutoShowOptionsMatch(const TSettingsRecord& r)
{
    const TAutoShowOptions& a = r.AutoShowOptions;
    return a.PlayOrder == r.PlayOrder && a.IntervalIndex == r.IntervalIndex &&
           a.IncludeSubfolders == r.IncludeSubfolders && a.IncludeSystemFolders == r.IncludeSystemFolders &&
           a.InclJPG == r.InclJPG && a.InclJPEG == r.InclJPEG && a.InclBMP == r.InclBMP &&
           a.InclICO == r.InclICO && a.InclEMF == r.InclEMF && a.InclWMF == r.InclWMF &&
           a.InclGIF == r.InclGIF && a.MaxEnlargePercent == r.MaxEnlargePercent &&
           a.MaxPictures == r.MaxPictures && a.MinSizeKB == r.MinSizeKB && a.MaxSizeKB == r.MaxSizeKB &&
           a.ShowTitles == r.ShowTitles && a.BackgroundColor == r.BackgroundColor;
}

void StorePlayOptionsInAutoShow(TSettingsRecord& r)
{
    TAutoShowOptions& a = r.AutoShowOptions;
    a.PlayOrder = r.PlayOrder;
    a.IntervalIndex = r.IntervalIndex;
    a.IncludeSubfolders = r.IncludeSubfolders;
    a.IncludeSystemFolders = r.IncludeSystemFolders;
    a.InclJPG = r.InclJPG;
    a.InclJPEG = r.InclJPEG;
    a.InclBMP = r.InclBMP;
    a.InclICO = r.InclICO;
    a.InclEMF = r.InclEMF;
    a.InclWMF = r.InclWMF;
    a.InclGIF = r.InclGIF;
    a.MaxEnlargePercent = r.MaxEnlargePercent;
    a.MaxPictures = r.MaxPictures;
    a.MinSizeKB = r.MinSizeKB;
    a.MaxSizeKB = r.MaxSizeKB;
    a.ShowTitles = r.ShowTitles;
    a.BackgroundColor = r.BackgroundColor;
}
