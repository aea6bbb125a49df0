#include "app/version_check.h"

#include "base/settings_record.h"
#include "platform/build_info.h"
#include "platform/clock.h"
#include "platform/fixed_text.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

const QString DownloadFailedText = QStringLiteral(
    "Due to firewall settings, no internet connection, or problems at the Vistamo! site, Vistamo! can not "
    "determine whether a new/updated version is available or not, sorry for the inconvenience!");
const QString UpToDateText = QStringLiteral("Your Vistamo! installation is up to date!");

QString VersionReadErrorText(int errorNumber)
{
    return QStringLiteral("Can not read new/updated version information, sorry for the inconvenience! (error %1)")
        .arg(errorNumber);
}

QString FourPartVersion(const QString& version)
{
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 4)
        return QString();
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint n = part.toUInt(&ok, 10);
        if (!ok || n > 65535)
            return QString();
        numbers << QString::number(n);
    }
    while (numbers.size() < 4)
        numbers << QStringLiteral("0");
    return numbers.join(QLatin1Char('.'));
}

QString GetFileVersionText()
{
    const QString version = FourPartVersion(platform::programVersion());
    return version.isEmpty() ? QStringLiteral("Unknown") : version;
}

PublishedVersion ReadPublishedVersion(const QString& path)
{
    PublishedVersion out;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        out.result = PublishedVersionRead::NoFile;
        return out;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        out.result = PublishedVersionRead::ReadFailed;
        return out;
    }
    if (file.size() < PublishedVersionRecordSize) {
        out.result = PublishedVersionRead::NoRecord;
        return out;
    }
    const QByteArray record = file.read(PublishedVersionRecordSize);
    if (record.size() != PublishedVersionRecordSize) {
        out.result = PublishedVersionRead::ReadFailed;
        return out;
    }
    // A length byte above 10 is no version record (a web page served in its
    // place starts with '<'): the read fails.
    if (uint8_t(record.at(0)) > PublishedVersionTextCapacity) {
        out.result = PublishedVersionRead::ReadFailed;
        return out;
    }
    out.text = platform::DecodeFixedText(reinterpret_cast<const uint8_t*>(record.constData()),
                                         PublishedVersionTextCapacity);
    out.result = PublishedVersionRead::Ok;
    return out;
}

int PublishedVersionErrorNumber(PublishedVersionRead result)
{
    switch (result) {
    case PublishedVersionRead::Ok: return 0;
    case PublishedVersionRead::NoRecord: return 1;
    case PublishedVersionRead::ReadFailed: return 2;
    case PublishedVersionRead::NoFile: return 3;
    }
    return 2;
}

bool VersionDiffers(const QString& published, const QString& own)
{
    return published != own;
}

bool IsMajorVersionChange(const QString& published, const QString& own)
{
    return published.left(5) != own.left(5);
}

namespace {

int cappedDay(const QDate& today)
{
    return std::clamp(today.isValid() ? today.day() : 1, 1, 28);
}

int monthIndex(const QDate& today)
{
    return today.isValid() ? today.month() - 1 : 0;
}

QDate clockToday()
{
    return platform::now().date();
}

} // namespace

void ResetMonthlySuggestion(TSettingsRecord& rec, const QDate& today)
{
    rec.SuggestionMonths.fill(0);
    rec.AskMonthlyUpdate = 1;
    rec.SuggestionDay = cappedDay(today);
}

void MarkSuggestionMonth(TSettingsRecord& rec, const QDate& today)
{
    rec.SuggestionMonths.fill(0);
    rec.SuggestionDay = cappedDay(today);
    rec.SuggestionMonths[size_t(monthIndex(today))] = 1;
}

bool PreviousMonthMarked(const TSettingsRecord& rec, const QDate& today)
{
    const int previous = (monthIndex(today) + 11) % 12;
    return rec.SuggestionMonths[size_t(previous)] != 0;
}

bool ShouldSuggestUpdate(const TSettingsRecord& rec, const QDate& today)
{
    if (rec.AskMonthlyUpdate == 0)
        return false;
    if (rec.SuggestionMonths[size_t(monthIndex(today))] != 0)
        return false;
    return today.day() > rec.SuggestionDay || !PreviousMonthMarked(rec, today);
}

void MarkSuggestionMonth(TSettingsRecord& rec) { MarkSuggestionMonth(rec, clockToday()); }
bool PreviousMonthMarked(const TSettingsRecord& rec) { return PreviousMonthMarked(rec, clockToday()); }
bool ShouldSuggestUpdate(const TSettingsRecord& rec) { return ShouldSuggestUpdate(rec, clockToday()); }
