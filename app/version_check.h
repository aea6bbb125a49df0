// The version check: the program's own version, the published version
// record "PublVersion.dat" fetched from the maker's web site, and the
// bookkeeping of the once-a-month suggestion in the settings record.
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

struct TSettingsRecord;

// The published version record: 11-byte records, a length byte (0..10) and
// up to 10 characters of version text; only record 0 is read.
inline constexpr int PublishedVersionRecordSize = 11;
inline constexpr int PublishedVersionTextCapacity = 10;

// The page of the web site holding the record, and the downloads' pages.
inline const QString PublishedVersionPage = QStringLiteral("/PublVersion.dat");
inline const QString DownloadPage = QStringLiteral("/download.htm");
inline const QString WhatsNewPage = QStringLiteral("/NewInVersion/NewInVersion.htm");
inline const QString BugReportPage = QStringLiteral("/bugreport.htm");
inline const QString SupportPage = QStringLiteral("/sup.htm");
inline const QString HomePage = QStringLiteral("/index.htm");

// Texts of the check.
extern const QString DownloadFailedText;   // "Due to firewall settings, ..."
extern const QString UpToDateText;         // "Your Vistamo! installation is up to date!"
// "Can not read new/updated version information, sorry for the
// inconvenience! (error n)".
QString VersionReadErrorText(int errorNumber);

// The program's own version: the build's version as four numbers
// major.minor.release.build, e.g. "1.0.0.0" ("Unknown" when the build has
// none).
QString GetFileVersionText();
// A dotted version of one to four numbers (0..65535) written with four,
// the missing ones 0 ("1.2" -> "1.2.0.0"); empty for anything else.
QString FourPartVersion(const QString& version);

// Reading the downloaded record.
enum class PublishedVersionRead {
    Ok,
    NoRecord,    // the file is shorter than one record (error 1)
    ReadFailed,  // the file could not be read, or its length byte is above 10 (error 2)
    NoFile,      // there is no file (error 3)
};
struct PublishedVersion {
    PublishedVersionRead result = PublishedVersionRead::NoFile;
    QString text;
};
PublishedVersion ReadPublishedVersion(const QString& path);
// The error number of a failed read (1, 2 or 3; 0 for Ok).
int PublishedVersionErrorNumber(PublishedVersionRead result);

// The published version differs from the own one in any way (older and
// newer are not told apart).
bool VersionDiffers(const QString& published, const QString& own);
// The first five characters differ: a new version rather than an update.
bool IsMajorVersionChange(const QString& published, const QString& own);

// ---- the monthly suggestion (fields SuggestionDay, SuggestionMonths,
// AskMonthlyUpdate of the settings record) ------------------------------------

// All month flags cleared, AskMonthlyUpdate 1, SuggestionDay today's day
// (at most 28).
void ResetMonthlySuggestion(TSettingsRecord& rec, const QDate& today);
// All month flags cleared, SuggestionDay today's day (at most 28), the flag
// of today's month set; AskMonthlyUpdate as it was.
void MarkSuggestionMonth(TSettingsRecord& rec, const QDate& today);
// The flag of the month before today's (December for January).
bool PreviousMonthMarked(const TSettingsRecord& rec, const QDate& today);
// The suggestion is due: asked for, this month not marked, and either today
// is past SuggestionDay or the previous month is not marked.
bool ShouldSuggestUpdate(const TSettingsRecord& rec, const QDate& today);

// The same on the clock's today.
void MarkSuggestionMonth(TSettingsRecord& rec);
bool PreviousMonthMarked(const TSettingsRecord& rec);
bool ShouldSuggestUpdate(const TSettingsRecord& rec);
