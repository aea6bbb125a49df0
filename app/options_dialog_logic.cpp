#include "app/options_dialog_logic.h"

#include "app/version_check.h"
#include "platform/fixed_text.h"

#include <QFileInfo>

#include <cmath>

const QString NoImageTypeText = QStringLiteral("You have to select at least one type of image file");
const QString ProgramAlreadyListedText = QStringLiteral("Program already exists in list!");
const QString ResetFileDateQuestion = QStringLiteral(
    "For thumbnails to be automatically replaced when the\n"
    "original has changed, you should check 'Reset file date to date taken'\n"
    "on the Edit tab page. Choose 'Yes' to check this option automatically.");
const QString AutomaticShowHintPrefix = QStringLiteral("Current Automatic Show : ");

namespace {

// A digit text as a list index: item 0 when it is no number or names no item.
int digitIndex(const QString& text, int itemCount)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 0 && n < itemCount ? n : 0;
}

// The thumbnail page's choice: a stored layout index beyond the list's
// items (the layouts run further than the list) selects no item, -1; a text
// that is no number selects item 0.
int pagesPerPageIndex(const QString& text, int itemCount)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    return n >= 0 && n < itemCount ? n : -1;
}

int boundedIndex(int32_t value, int itemCount)
{
    return value >= 0 && value < itemCount ? value : 0;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList programList(const std::array<QString, 5>& entries)
{
    QStringList list;
    for (const QString& e : entries) {
        if (e.isEmpty())
            break;
        list << e;
    }
    return list;
}

void storeProgramList(std::array<QString, 5>& entries, const QStringList& list)
{
    for (QString& e : entries)
        e.clear();
    for (int i = 0; i < list.size() && i < int(entries.size()); ++i)
        entries[size_t(i)] = platform::FixedTextCut(list[i], 200);
}

constexpr std::array<int32_t, 24> NewShowIntervalTable = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 20, 25, 30, 40, 50, 60, 90, 120, 180, 300, 999};

} // namespace

// ---- Item lists -------------------------------------------------------------------

QStringList IntervalGroupItems()
{
    return {QStringLiteral("1 second"), QStringLiteral("2 seconds"), QStringLiteral("3 seconds"),
            QStringLiteral("5 seconds"), QStringLiteral("10 seconds")};
}

QStringList PlayOrderItems()
{
    return {QStringLiteral("Unsorted"), QStringLiteral("Random"), QStringLiteral("Alphabetic"),
            QStringLiteral("Date asc."), QStringLiteral("Date desc.")};
}

QStringList NewShowPlayOrderItems()
{
    return {QStringLiteral("MyShow list"), QStringLiteral("As in PlayOptions"), QStringLiteral("Random"),
            QStringLiteral("Alphabetic"), QStringLiteral("Date ascending"), QStringLiteral("Date descending")};
}

QStringList NewShowIntervalItems()
{
    QStringList items{QStringLiteral("As in PlayOptions"), QStringLiteral("  1 second")};
    for (int s = 2; s <= 9; ++s)
        items << QStringLiteral("  %1 seconds").arg(s);
    for (int s : {10, 12, 15, 20, 25, 30, 40, 50})
        items << QStringLiteral("%1 seconds").arg(s);
    items << QStringLiteral("1 minute") << QStringLiteral("1.30 minutes") << QStringLiteral("2 minutes")
          << QStringLiteral("3 minutes") << QStringLiteral("5 minutes") << QStringLiteral("Soundtrack");
    return items;
}

QStringList TextDelayItems()
{
    QStringList items{QStringLiteral("No delay"), QStringLiteral("0.5 second"), QStringLiteral("1 second")};
    for (int s = 2; s <= 9; ++s)
        items << QStringLiteral("%1 seconds").arg(s);
    return items;
}

QStringList SoundActionItems()
{
    return {QStringLiteral("Set interval to Soundtrack"), QStringLiteral("Set interval to nearest higher interval"),
            QStringLiteral("Use the normal MyShow interval setting")};
}

QStringList PicturesPerPageItems()
{
    QStringList items{QStringLiteral("Single picture mode (Off)"), QStringLiteral("Dual picture mode")};
    for (int n : {4, 6, 8, 9, 10, 12, 15, 16, 18, 20, 24, 28, 30, 35})
        items << QStringLiteral("%1 pictures per page").arg(n);
    return items;
}

QStringList ThumbSizeItems()
{
    return {QStringLiteral("Tiny (320 x 240)"), QStringLiteral("Small (640 x 480)"),
            QStringLiteral("Normal (800 x 600)"), QStringLiteral("Large (1024 x 768)"),
            QStringLiteral("Extra  (1280 x 1024)")};
}

int32_t NewShowIntervalSeconds(int index)
{
    return index >= 0 && index < int(NewShowIntervalTable.size()) ? NewShowIntervalTable[size_t(index)] : 0;
}

int NewShowIntervalIndex(int32_t seconds)
{
    for (int i = 11; i < int(NewShowIntervalTable.size()); ++i)
        if (NewShowIntervalTable[size_t(i)] == seconds)
            return i;
    // Any other value selects the item of the same index; a value beyond the
    // list (a damaged field) selects "As in PlayOptions" instead of nothing.
    return boundedIndex(seconds, int(NewShowIntervalTable.size()));
}

// ---- Loading ----------------------------------------------------------------------

namespace {

// The "Include", "Play" and "Full Screen" pages.
void fillIncludePlayValues(TOptionsValues& v, const TSettingsRecord& s, const TAddSettingsRecord& a)
{
    v.InclTypes = {s.InclJPG == 1, s.InclJPEG == 1, s.InclBMP == 1, s.InclICO == 1,
                   s.InclEMF == 1, s.InclWMF == 1, s.InclGIF == 1};
    v.MinSizeText = QString::number(s.MinSizeKB);
    v.MaxSizeText = QString::number(s.MaxSizeKB);
    v.MaxPicText = QString::number(s.MaxPictures);
    v.IncludeSubfolders = s.IncludeSubfolders == 1;
    v.IncludeSystemFolders = s.IncludeSystemFolders == 1;
    v.MaxAttachText = QString::number(s.MaxPictureAttachments);
    v.MaxSFAttachText = QString::number(s.MaxSoundAttachments);

    v.IntervalIndex = boundedIndex(s.IntervalIndex, 5);
    v.PlayOrder = boundedIndex(s.PlayOrder, 5);
    v.ContinuousPlay = s.ContinuousPlay == 1;
    v.StartManualMode = s.StartManualMode == 1;
    v.IgnoreErrors = s.IgnoreErrors == 1;
    v.BackgroundColor = s.BackgroundColor;
    v.MaxEnlargeText = QString::number(qBound(MaxEnlargeMin, s.MaxEnlargePercent, MaxEnlargeMax));
    v.ShowCameraModel = FlagOn(s.ShowCameraModel);

    v.ShowTitles = s.ShowTitles == 1;
    v.ShowHints = s.ShowHints == 1;
    v.ShowPanelWhenPaused = s.ShowPanelWhenPaused == 1;
    v.DockPanel = s.DockPanel == 1;
    v.Mon2WidthText = QString::number(a.Mon2Width);
    v.Mon2HeightText = QString::number(a.Mon2Height);
    v.Mon2Manual = a.Mon2Manual == 1;
}

// The "Edit", "Video" and "Automatic Show/CD" pages.
void fillProgramAutoShowValues(TOptionsValues& v, const TSettingsRecord& s)
{
    v.EditPrograms = programList(s.EditPrograms);
    v.EditProgramText = v.EditPrograms.value(0);
    v.ResetFileDate = FlagOn(s.ResetFileDate);
    v.VideoPrograms = programList(s.VideoPrograms);

    v.NeverAutoShow = s.NeverAutoShow == 1;
    v.KeepAutoShow = s.KeepAutoShow == 1;
    v.SecondsWaitText = QString::number(s.AutoShowWaitSeconds);
    v.CDIntroText1 = s.CDIntroText1.left(38);
    v.CDIntroText2 = s.CDIntroText2.left(38);
    v.AutoShowPath = s.AutoShowPath;
}

// The "MyShow" page: new pictures' defaults, voices and text.
void fillMyShowValues(TOptionsValues& v, const TSettingsRecord& s)
{
    v.NewShowIntervalIndex = NewShowIntervalIndex(s.NewShowInterval);
    v.NewShowPlayOrder = boundedIndex(s.NewShowPlayOrder, 6);
    v.TextDelay = boundedIndex(s.TextDelay, 11);
    v.AttachVoiceIndex = s.AttachVoice == QLatin1String("A") ? 0 : 1;
    v.VoiceLongerAction = digitIndex(s.VoiceLongerAction, 3);
    v.DefaultFade = FlagOn(s.DefaultFade);
    v.KeepShowsInSync = s.KeepShowsInSync == 1;
    v.TextHAlign = s.TextHAlign == QLatin1String("R") ? QChar('R')
                 : s.TextHAlign == QLatin1String("C") ? QChar('C') : QChar('L');
    v.TextVAlign = s.TextVAlign == QLatin1String("T") ? QChar('T')
                 : s.TextVAlign == QLatin1String("C") ? QChar('C') : QChar('B');
    v.TextFontName = s.TextFontName;
    v.TextFontStyle = s.TextFontStyle;
    v.TextFontSize = s.TextFontSize;
    v.TextColor = s.TextColor;
    v.TextTransparent = s.TextTransparent == 1;
}

// The "Update/New version", "Playlist", "Voice files", "Thumbnails", "Upload"
// and "SmallPics" pages.
void fillUpdateThumbnailUploadValues(TOptionsValues& v, const TSettingsRecord& s, const TAddSettingsRecord& a)
{
    v.AskMonthlyUpdate = s.AskMonthlyUpdate == 1;
    v.PlaylistPlayOrder = digitIndex(s.PlaylistPlayOrder, 2);
    v.VoiceDeleteMode = digitIndex(s.VoiceDeleteMode, 3);
    v.AutoCopyVoice = FlagOn(s.AutoCopyVoice);

    v.PicturesPerPageIndex = pagesPerPageIndex(s.PicturesPerPageIndex, int(PicturesPerPageItems().size()));
    v.ThumbFillMode = digitIndex(s.ThumbFillMode, 2);
    v.ThumbManualMode = s.ThumbManualMode == 1;
    v.ThumbsOnFixedDrives = a.ThumbsOnFixedDrives == 1;
    v.ThumbsOnNetworkDrives = a.ThumbsOnNetworkDrives == 1;
    v.ThumbsOnRemovableDrives = a.ThumbsOnRemovableDrives == 1;
    v.ThumbSizeIndex = boundedIndex(a.ThumbSizeIndex, 5);
    v.ThumbMinSizeKB = qBound(ThumbOrgMinMin, a.ThumbMinSizeKB, ThumbOrgMinMax);

    v.UploaderPath = a.UploaderPath;
    v.UploaderWaitSeconds = qBound(UploadWaitMin, a.UploaderWaitSeconds, UploadWaitMax);
    v.UploadBatchSize = qBound(UploadBatchMin, a.UploadBatchSize, UploadBatchMax);

    v.ExcludeSmallPics = FlagOn(s.ExcludeSmallPics);
    v.HideSmallPics = FlagOn(s.HideSmallPics);
}

} // namespace

TOptionsValues OptionsValuesFrom(const TSettingsRecord& s, const TAddSettingsRecord& a)
{
    TOptionsValues v;
    fillIncludePlayValues(v, s, a);
    fillProgramAutoShowValues(v, s);
    fillMyShowValues(v, s);
    fillUpdateThumbnailUploadValues(v, s, a);
    return v;
}

// ---- Checks ---------------------------------------------------------------------

bool ParseOptionNumber(const QString& text, int32_t& value)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = n;
    return ok;
}

bool EditProgramAcceptable(const QString& text)
{
    if (text.isEmpty())
        return true;
    const QFileInfo info(text);
    return info.exists() && !info.isDir();
}

namespace {

TOptionsCheck fail(int number, const char* page, const char* focus, const QString& message)
{
    return TOptionsCheck{number, QString::fromLatin1(page), QString::fromLatin1(focus), message};
}

} // namespace

TOptionsCheck CheckPlayFields(const TOptionsValues& v, TOptionsNumbers& n)
{
    // The up-down position is read from its edit; text that is no number or
    // lies outside the up-down's range cannot be read.
    if (!ParseOptionNumber(v.MaxEnlargeText, n.MaxEnlarge) || n.MaxEnlarge < MaxEnlargeMin
        || n.MaxEnlarge > MaxEnlargeMax)
        return fail(1, "Play", "EdMaxEnlarge",
                    QStringLiteral("Error Maximum picture enlargement : Only numeric input allowed"));
    return {};
}

TOptionsCheck CheckIncludeFields(const TOptionsValues& v, TOptionsNumbers& n)
{
    const char* include = "Include";
    bool anyType = false;
    for (bool on : v.InclTypes)
        anyType = anyType || on;
    if (!anyType)
        return fail(2, "", "", NoImageTypeText);
    if (!ParseOptionNumber(v.MinSizeText, n.MinSize))
        return fail(3, include, "MinSizeEdit", QStringLiteral("Error Minimum size : Only numeric input allowed"));
    if (!ParseOptionNumber(v.MaxSizeText, n.MaxSize))
        return fail(6, include, "MaxSizeEdit", QStringLiteral("Error Maximum size : Only numeric input allowed"));
    if (n.MaxSize < n.MinSize)
        return fail(7, include, "MinSizeEdit", QStringLiteral("Error Minimum size can not exceed Maximum size"));
    if (!ParseOptionNumber(v.MaxPicText, n.MaxPictures))
        return fail(8, include, "MaxPicEdit",
                    QStringLiteral("Error Maximum pictures to select : Only numeric input allowed"));
    if (!ParseOptionNumber(v.MaxSFAttachText, n.MaxSoundAttachments))
        return fail(9, include, "MaxSFAttachEdit",
                    QStringLiteral("Error Maximum sound file attachments : Only numeric input allowed"));
    if (!ParseOptionNumber(v.MaxAttachText, n.MaxPictureAttachments))
        return fail(10, include, "MAxAttachEdit",
                    QStringLiteral("Error Maximum picture attachments : Only numeric input allowed"));
    if (n.MaxPictures < n.MaxPictureAttachments)
        return fail(11, include, "MaxPicEdit",
                    QStringLiteral("Error Maximum pictures attachments can not exceed Maximum pictures to select"));
    if (n.MaxPictures < 1)
        return fail(12, include, "MaxPicEdit",
                    QStringLiteral("Error Maximum pictures to select : Must be higher than zero"));
    if (n.MaxSoundAttachments < 0)
        return fail(13, include, "MaxSFAttachEdit",
                    QStringLiteral("Error Maximum sound file attachments : Can not be negative"));
    if (n.MaxPictureAttachments < 1)
        return fail(14, include, "MAxAttachEdit",
                    QStringLiteral("Error Maximum pictures attachments : Must be higher than zero"));
    return {};
}

TOptionsCheck CheckAutomaticShowFields(const TOptionsValues& v, TOptionsNumbers& n)
{
    const char* autoShow = "Automatic Show/CD";
    if (!ParseOptionNumber(v.SecondsWaitText, n.SecondsWait))
        return fail(4, autoShow, "SecondsWaitASEdit",
                    QStringLiteral("Error Seconds to wait before activation : Only numeric input allowed"));
    if (n.SecondsWait < 5)
        return fail(5, autoShow, "SecondsWaitASEdit", QStringLiteral("Error Minimum number of seconds is 5"));
    return {};
}

TOptionsCheck CheckEditFields(const TOptionsValues& v, const TOptionsCheckContext& ctx)
{
    if (!v.EditProgramText.isEmpty() && !ctx.editProgramExists)
        return fail(15, "Edit", "ExtProgComboBox", QStringLiteral("Error Edit program : Program doesn't exist"));
    return {};
}

TOptionsCheck CheckFullScreenFields(const TOptionsValues& v, const TOptionsCheckContext& ctx, TOptionsNumbers& n)
{
    const char* fullScreen = "Full Screen";
    if (!ParseOptionNumber(v.Mon2WidthText, n.Mon2Width))
        return fail(16, fullScreen, "LEMon2Width",
                    QStringLiteral("Error Width second monitor : Only numeric input allowed"));
    if (!ParseOptionNumber(v.Mon2HeightText, n.Mon2Height))
        return fail(17, fullScreen, "LEMon2Height",
                    QStringLiteral("Error Height second monitor : Only numeric input allowed"));
    if (n.Mon2Height != 0 && n.Mon2Height < 480)
        return fail(18, fullScreen, "LEMon2Height", QStringLiteral("Error Height second monitor : Minimum height = 480"));
    if (n.Mon2Width != 0 && n.Mon2Width < 640)
        return fail(19, fullScreen, "LEMon2Width", QStringLiteral("Error Width second monitor : Minimum Width = 640"));
    if (n.Mon2Width == 0 && ctx.secondMonitorSelected)
        return fail(20, fullScreen, "LEMon2Width",
                    QStringLiteral("Second monitor is selected in Vistamo!'s main window\n"
                                   "select the Main monitor first and try to change this setting again"));
    if ((n.Mon2Width == 0) != (n.Mon2Height == 0))
        return fail(21, fullScreen, "LEMon2Width",
                    QStringLiteral("Error Width/Height second monitor : Width can not be 0 while height is not "
                                   "or vice versa"));
    return {};
}

TOptionsCheck EarlierCheck(const TOptionsCheck& a, const TOptionsCheck& b)
{
    if (a.ok())
        return b;
    if (b.ok())
        return a;
    return b.Number < a.Number ? b : a;
}

TOptionsCheck CheckOptions(const TOptionsValues& v, const TOptionsCheckContext& ctx, TOptionsNumbers& n)
{
    TOptionsCheck first = CheckPlayFields(v, n);
    first = EarlierCheck(first, CheckIncludeFields(v, n));
    first = EarlierCheck(first, CheckAutomaticShowFields(v, n));
    first = EarlierCheck(first, CheckEditFields(v, ctx));
    return EarlierCheck(first, CheckFullScreenFields(v, ctx, n));
}

// ---- Writing back ------------------------------------------------------------------

bool AddSettingsDiffer(const TAddSettingsRecord& a, const TOptionsValues& v, const TOptionsNumbers& n)
{
    return a.UploaderPath != v.UploaderPath || a.UploadBatchSize != v.UploadBatchSize
        || a.UploaderWaitSeconds != v.UploaderWaitSeconds || a.Mon2Width != n.Mon2Width
        || a.Mon2Height != n.Mon2Height || (a.Mon2Manual == 1) != v.Mon2Manual
        || (a.ThumbsOnFixedDrives == 1) != v.ThumbsOnFixedDrives
        || (a.ThumbsOnNetworkDrives == 1) != v.ThumbsOnNetworkDrives
        || (a.ThumbsOnRemovableDrives == 1) != v.ThumbsOnRemovableDrives
        || a.ThumbSizeIndex != v.ThumbSizeIndex || a.ThumbMinSizeKB != v.ThumbMinSizeKB;
}

void StoreAddSettings(TAddSettingsRecord& a, const TOptionsValues& v, const TOptionsNumbers& n)
{
    a.UploaderPath = platform::FixedTextCut(v.UploaderPath, 255);
    a.UploadBatchSize = v.UploadBatchSize;
    a.UploaderWaitSeconds = v.UploaderWaitSeconds;
    a.Mon2Width = n.Mon2Width;
    a.Mon2Height = n.Mon2Height;
    a.Mon2Manual = v.Mon2Manual ? 1 : 0;
    a.ThumbsOnFixedDrives = v.ThumbsOnFixedDrives ? 1 : 0;
    a.ThumbsOnNetworkDrives = v.ThumbsOnNetworkDrives ? 1 : 0;
    a.ThumbsOnRemovableDrives = v.ThumbsOnRemovableDrives ? 1 : 0;
    a.ThumbSizeIndex = v.ThumbSizeIndex;
    a.ThumbMinSizeKB = v.ThumbMinSizeKB;
}

bool ThumbnailsSwitchedOn(const TAddSettingsRecord& before, const TOptionsValues& v)
{
    const bool wereOff = before.ThumbsOnFixedDrives == 0 && before.ThumbsOnNetworkDrives == 0
                      && before.ThumbsOnRemovableDrives == 0;
    return wereOff && (v.ThumbsOnFixedDrives || v.ThumbsOnNetworkDrives || v.ThumbsOnRemovableDrives);
}

void StoreOptionsInSettings(TSettingsRecord& s, const TOptionsValues& v, const TOptionsNumbers& n,
                            const QDate& today)
{
    // The CD texts and the checked numbers.
    s.CDIntroText1 = platform::FixedTextCut(v.CDIntroText1, 40);
    s.CDIntroText2 = platform::FixedTextCut(v.CDIntroText2, 40);
    s.MaxPictures = n.MaxPictures;
    s.MaxPictureAttachments = n.MaxPictureAttachments;
    s.MaxSoundAttachments = n.MaxSoundAttachments;
    s.MaxEnlargePercent = n.MaxEnlarge;
    s.MinSizeKB = n.MinSize;
    s.MaxSizeKB = n.MaxSize;
    s.AutoShowWaitSeconds = n.SecondsWait;

    // The text defaults of new MyShow pictures.
    s.TextFontName = platform::FixedTextCut(v.TextFontName, 30);
    s.TextFontStyle = v.TextFontStyle;
    s.TextColor = v.TextColor;
    s.TextFontSize = v.TextFontSize;
    s.TextTransparent = v.TextTransparent ? 1 : 0;
    s.TextHAlign = v.TextHAlign == QChar('L') ? QStringLiteral("L")
                 : v.TextHAlign == QChar('C') ? QStringLiteral("C") : QStringLiteral("R");
    s.TextVAlign = v.TextVAlign == QChar('T') ? QStringLiteral("T")
                 : v.TextVAlign == QChar('C') ? QStringLiteral("C") : QStringLiteral("B");
    s.NewShowPlayOrder = v.NewShowPlayOrder;
    s.NewShowInterval = NewShowIntervalSeconds(v.NewShowIntervalIndex);
    s.TextDelay = v.TextDelay;
    s.AttachVoice = v.AttachVoiceIndex == 0 ? QStringLiteral("A") : QStringLiteral("N");

    // The voice, file-date, camera-model, SmallPics and fade flags.
    s.VoiceLongerAction = QString::number(v.VoiceLongerAction);
    s.VoiceDeleteMode = QString::number(v.VoiceDeleteMode);
    s.AutoCopyVoice = flagText(v.AutoCopyVoice);
    s.ResetFileDate = flagText(v.ResetFileDate);
    s.ExcludeSmallPics = flagText(v.ExcludeSmallPics);
    s.ShowCameraModel = flagText(v.ShowCameraModel);
    s.HideSmallPics = flagText(v.HideSmallPics);
    s.DefaultFade = flagText(v.DefaultFade);
    s.KeepShowsInSync = v.KeepShowsInSync ? 1 : 0;

    // The show background colour.
    s.BackgroundColor = v.BackgroundColor;

    // The play and show flags, the picture types and the orders.
    s.StartManualMode = v.StartManualMode ? 1 : 0;
    s.NeverAutoShow = v.NeverAutoShow ? 1 : 0;
    s.ShowHints = v.ShowHints ? 1 : 0;
    s.DockPanel = v.DockPanel ? 1 : 0;
    s.ShowPanelWhenPaused = v.ShowPanelWhenPaused ? 1 : 0;
    s.KeepAutoShow = v.KeepAutoShow ? 1 : 0;
    s.ShowTitles = v.ShowTitles ? 1 : 0;
    s.ContinuousPlay = v.ContinuousPlay ? 1 : 0;
    s.IncludeSubfolders = v.IncludeSubfolders ? 1 : 0;
    if (v.AskMonthlyUpdate && s.AskMonthlyUpdate == 0)
        ResetMonthlySuggestion(s, today);
    else
        s.AskMonthlyUpdate = v.AskMonthlyUpdate ? 1 : 0;
    s.IncludeSystemFolders = v.IncludeSystemFolders ? 1 : 0;
    int32_t* types[] = {&s.InclJPG, &s.InclJPEG, &s.InclBMP, &s.InclICO, &s.InclEMF, &s.InclWMF, &s.InclGIF};
    for (size_t i = 0; i < 7; ++i)
        *types[i] = v.InclTypes[i] ? 1 : 0;
    s.IgnoreErrors = v.IgnoreErrors ? 1 : 0;
    s.PlayOrder = v.PlayOrder;
    s.IntervalIndex = v.IntervalIndex;
    s.PlaylistPlayOrder = v.PlaylistPlayOrder == 1 ? QStringLiteral("1") : QStringLiteral("0");

    // The program lists.
    storeProgramList(s.EditPrograms, v.EditPrograms);
    storeProgramList(s.VideoPrograms, v.VideoPrograms);

    // The thumbnail page; with no item chosen the stored layout stays as it is.
    if (v.PicturesPerPageIndex >= 0)
        s.PicturesPerPageIndex = QString::number(v.PicturesPerPageIndex);
    s.ThumbFillMode = QString::number(v.ThumbFillMode);
    s.ThumbManualMode = v.ThumbManualMode ? 1 : 0;
}

// ---- Program lists -----------------------------------------------------------------

ProgramListAdd AddProgramAtTop(QStringList& list, const QString& path)
{
    if (path.isEmpty())
        return ProgramListAdd::Empty;
    for (const QString& e : list)
        if (e.toLower() == path.toLower())
            return ProgramListAdd::AlreadyListed;
    list.prepend(path);
    while (list.size() > OptionsProgramSlots)
        list.removeLast();
    return ProgramListAdd::Added;
}

bool RemoveProgram(QStringList& list, const QString& text)
{
    if (text.isEmpty())
        return false;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].toLower() == text.toLower()) {
            list.removeAt(i);
            return true;
        }
    return false;
}

void ChooseProgram(QStringList& list, int index)
{
    if (index <= 0 || index >= list.size())
        return;
    const QString chosen = list.takeAt(index);
    list.prepend(chosen);
}

// ---- Placement -------------------------------------------------------------------

int ExampleLabelX(QChar align, int panelWidth, int labelWidth)
{
    if (labelWidth >= panelWidth - 10)
        return 0;
    if (align == QChar('C'))
        return int(std::nearbyint(double(panelWidth - labelWidth) / 2.0));
    if (align == QChar('R'))
        return panelWidth - labelWidth - 10;
    return 10;
}

int ExampleLabelY(QChar align, int panelHeight, int labelHeight)
{
    if (align == QChar('C'))
        return labelHeight >= panelHeight - 10 ? 0 : int(std::nearbyint(double(panelHeight - labelHeight) / 2.0));
    if (labelHeight >= panelHeight - 2)
        return 0;
    if (align == QChar('T'))
        return 2;
    return panelHeight - labelHeight - 2;
}
