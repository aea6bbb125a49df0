// Packed DOS file date-times and day-count date values (days since
// 1899-12-30).
#include "platform/dos_date.h"

#include <QFileInfo>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

DosDateTime DateTimeToDos(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return 0;
    const QDateTime local = dateTime.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    if (d.year() < 1980 || d.year() > 2107)
        return 0;
    const quint32 date = (quint32(d.year() - 1980) << 9) | (quint32(d.month()) << 5) | quint32(d.day());
    const quint32 time = (quint32(t.hour()) << 11) | (quint32(t.minute()) << 5) | quint32(t.second() / 2);
    return (date << 16) | time;
}

QDateTime DosToDateTime(DosDateTime packed)
{
    const quint32 date = packed >> 16;
    const quint32 time = packed & 0xFFFF;
    const int year = int(date >> 9) + 1980;
    const int month = int((date >> 5) & 0x0F);
    const int day = int(date & 0x1F);
    const int hour = int(time >> 11);
    const int minute = int((time >> 5) & 0x3F);
    const int second = int(time & 0x1F) * 2;
    const QDate d(year, month, day);
    if (!d.isValid() || hour > 23 || minute > 59 || second > 59)
        return QDateTime();
    return QDateTime(d, QTime(hour, minute, second), Qt::LocalTime);
}

DosDateTime FileDosDate(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return 0;
    return DateTimeToDos(info.lastModified());
}

bool SetFileDosDate(const QString& path, DosDateTime packed)
{
    const QDateTime dt = DosToDateTime(packed);
    if (!dt.isValid() || path.isEmpty())
        return false;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(dt.toSecsSinceEpoch());
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

namespace {
const QDate kDayZero(1899, 12, 30);
}

double DateTimeToDays(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return 0.0;
    const QDateTime local = dateTime.toLocalTime();
    return double(kDayZero.daysTo(local.date())) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime DaysToDateTime(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QDateTime();
    const double whole = std::floor(days);
    qint64 ms = qint64(std::llround((days - whole) * 86400000.0));
    qint64 dayCount = qint64(whole);
    if (ms >= 86400000) {
        ms -= 86400000;
        ++dayCount;
    }
    return QDateTime(kDayZero.addDays(dayCount), QTime::fromMSecsSinceStartOfDay(int(ms)), Qt::LocalTime);
}

} // namespace platform
