#include "platform/dos_date.h"
#include "support/sandbox.h"

#include <QFile>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace platform;

namespace {
QDateTime local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

void setMTime(const QString& path, qint64 secsSinceEpoch)
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(secsSinceEpoch);
    times[1].tv_nsec = 0;
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}
} // namespace

TEST(DosDate, PacksTheKnownLayout)
{
    // 2024-05-17 13:45:30: date (44 << 9 | 5 << 5 | 17), time (13 << 11 | 45 << 5 | 15).
    EXPECT_EQ(DateTimeToDos(local(2024, 5, 17, 13, 45, 30)), 0x58B16DAFu);
    EXPECT_EQ(DateTimeToDos(local(1980, 1, 1)), 0x00210000u);
    EXPECT_EQ(DosToDateTime(0x58B16DAFu), local(2024, 5, 17, 13, 45, 30));
}

TEST(DosDate, TwoSecondStepsAndRoundTrip)
{
    EXPECT_EQ(DosToDateTime(DateTimeToDos(local(2010, 2, 28, 23, 59, 59))), local(2010, 2, 28, 23, 59, 58));
    EXPECT_EQ(DosToDateTime(DateTimeToDos(local(2010, 2, 28, 7, 8, 31))), local(2010, 2, 28, 7, 8, 30));
    for (const QDateTime& dt : {local(1980, 1, 1), local(1999, 12, 31, 23, 59, 58), local(2000, 2, 29, 12),
                                local(2038, 1, 19, 3, 14, 8), local(2107, 12, 31, 23, 59, 58)}) {
        const DosDateTime packed = DateTimeToDos(dt);
        ASSERT_NE(packed, 0u) << dt.toString().toStdString();
        EXPECT_EQ(DosToDateTime(packed), dt);
    }
}

TEST(DosDate, OutsideTheRangeIsNoDate)
{
    EXPECT_EQ(DateTimeToDos(local(1979, 12, 31, 23, 59, 59)), 0u);
    EXPECT_EQ(DateTimeToDos(local(2108, 1, 1)), 0u);
    EXPECT_EQ(DateTimeToDos(QDateTime()), 0u);
    EXPECT_FALSE(DosToDateTime(0).isValid());
    EXPECT_FALSE(DosToDateTime((44u << 25) | (13u << 21) | (1u << 16)).isValid());   // month 13
    EXPECT_FALSE(DosToDateTime((44u << 25) | (2u << 21) | (31u << 16)).isValid());   // 31 February
    EXPECT_FALSE(DosToDateTime((44u << 25) | (1u << 21) | (1u << 16) | (24u << 11)).isValid());   // hour 24
    EXPECT_FALSE(DosToDateTime((44u << 25) | (1u << 21) | (1u << 16) | (60u << 5)).isValid());    // minute 60
    EXPECT_FALSE(DosToDateTime((44u << 25) | (1u << 21) | (1u << 16) | 30u).isValid());           // second 60
}

TEST(DosDate, FileDateIsTheModificationTime)
{
    const QString f = testsupport::freshDir() + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(f, "x"));
    const DosDateTime packed = DateTimeToDos(local(2012, 6, 1, 10, 20, 30));
    ASSERT_TRUE(SetFileDosDate(f, packed));
    EXPECT_EQ(FileDosDate(f), packed);
    setMTime(f, local(1975, 3, 1).toSecsSinceEpoch());
    EXPECT_EQ(FileDosDate(f), 0u);
    EXPECT_EQ(FileDosDate(f + ".missing"), 0u);
    EXPECT_FALSE(SetFileDosDate(f, 0));
    EXPECT_FALSE(SetFileDosDate(f + ".missing", packed));
}

TEST(DosDate, DayCountValues)
{
    EXPECT_DOUBLE_EQ(DateTimeToDays(local(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(DateTimeToDays(local(1900, 1, 1)), 2.0);
    EXPECT_DOUBLE_EQ(DateTimeToDays(local(2000, 1, 1, 12)), 36526.5);
    EXPECT_EQ(DaysToDateTime(36526.5), local(2000, 1, 1, 12));
    EXPECT_EQ(DaysToDateTime(DateTimeToDays(local(2024, 5, 17, 13, 45, 30))), local(2024, 5, 17, 13, 45, 30));
    EXPECT_DOUBLE_EQ(DateTimeToDays(QDateTime()), 0.0);
    EXPECT_FALSE(DaysToDateTime(1e300).isValid());
}
