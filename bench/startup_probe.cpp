// Loaded into the program by LD_PRELOAD (bench_startup): notes when the
// main window has first been painted (the event-loop turn after its first
// paint event, so the paint and its flush to the screen are done) and
// writes the CLOCK_MONOTONIC time of that moment, in nanoseconds, to the
// file named by VISTAMO_STARTUP_PROBE_OUT.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <ctime>

namespace {

void report()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    QFile out(qEnvironmentVariable("VISTAMO_STARTUP_PROBE_OUT"));
    if (out.open(QIODevice::WriteOnly))
        out.write(QByteArray::number(qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec));
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && qstrcmp(static_cast<QWidget*>(watched)->window()->metaObject()->className(), "MainWindow") == 0) {
            painted_ = true;
            QTimer::singleShot(0, qApp, report);
        }
        return false;
    }

private:
    bool painted_ = false;
};

void watchFirstPaint()
{
    qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
