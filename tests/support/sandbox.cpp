#include "support/sandbox.h"

#include "browse/picture_slot_decoder.h"
#include "browse/preview_request.h"
#include "browse/show_dates.h"

#include <QTest>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>

namespace testsupport {

QString sandboxRoot()
{
    return QString::fromLocal8Bit(qgetenv("VISTAMO_TEST_SANDBOX"));
}

QString freshDir(const QString& hint)
{
    static std::atomic<int> counter{0};
    const QString path = sandboxRoot() + QStringLiteral("/work/") + hint + QLatin1Char('-')
        + QString::number(counter.fetch_add(1));
    QDir().mkpath(path);
    return path;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void setReadOnly(const QString& path, bool readOnly)
{
    QFile::Permissions p = QFile::permissions(path);
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
    if (readOnly)
        p &= ~writeBits;
    else
        p |= QFile::WriteOwner | QFile::WriteUser;
    QFile::setPermissions(path, p);
}

} // namespace testsupport

bool testsupport::waitForPictureAnswers(int ms)
{
    return QTest::qWaitFor([] { return SlotLoadsWaiting() == 0 && PreviewsWaiting() == 0 && ShowDatesWaiting() == 0; }, ms);
}
