#include "browse/picture_slot_decoder.h"

#include "browse/picture_decode_queue.h"
#include "platform/worker_pool.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <set>

namespace {

// The file as it was when its decode started: a decode ahead is used only
// for the same file unchanged since.
struct FileStamp {
    QDateTime modified;
    qint64 size = -1;
    static FileStamp of(const QString& path)
    {
        const QFileInfo info(path);
        return {info.lastModified(), info.exists() ? info.size() : -1};
    }
    bool operator==(const FileStamp& o) const { return modified == o.modified && size == o.size; }
};

} // namespace

// The slots need few decodes at once (the picture asked for and those
// decoded ahead); more threads would only hold more large buffers at once.
constexpr int kMaxSlotDecodeThreads = 4;

struct PictureSlotDecoder::Private {
    explicit Private(QObject* owner)
        : queue(std::min(kMaxSlotDecodeThreads, std::max(1, QThread::idealThreadCount())), owner)
    {
    }

    struct Ahead {
        QString path;
        QSize area;
        int limit = 0;
        FileStamp stamp;
        quint64 ticket = 0;
        bool ready = false;
        LoadedPicture picture;
        LoadOutcome outcome;
    };

    PictureDecodeQueue queue;
    // Tickets submitted and neither answered nor cancelled.
    std::set<quint64> waiting;
    Ahead ahead;
};

PictureSlotDecoder::PictureSlotDecoder() : QObject(QCoreApplication::instance()), d(std::make_unique<Private>(this))
{
    connect(&d->queue, &PictureDecodeQueue::decoded, this,
            [this](quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome) {
                if (d->waiting.erase(ticket)) {
                    emit answered(ticket, picture, outcome);
                    return;
                }
                if (d->ahead.ticket == ticket) {
                    d->ahead.ready = true;
                    d->ahead.picture = picture;
                    d->ahead.outcome = outcome;
                }
            });
}

PictureSlotDecoder::~PictureSlotDecoder() = default;

PictureSlotDecoder& PictureSlotDecoder::instance()
{
    static QPointer<PictureSlotDecoder> decoder;
    if (!decoder)
        decoder = new PictureSlotDecoder;
    return *decoder;
}

quint64 PictureSlotDecoder::submit(const QString& path, QSize area, int limitPercent)
{
    Private::Ahead& ahead = d->ahead;
    if (ahead.ticket && ahead.path == path && ahead.area == area && ahead.limit == limitPercent
        && ahead.stamp == FileStamp::of(path)) {
        const quint64 ticket = ahead.ticket;
        d->waiting.insert(ticket);
        if (ahead.ready) {
            // Decoded already: answered on the next turn of the window's
            // thread, as any other decode.
            QPointer<PictureSlotDecoder> self(this);
            platform::postToWindowThread(
                [self, ticket, picture = std::move(ahead.picture), outcome = std::move(ahead.outcome)]() {
                    if (self && self->d->waiting.erase(ticket))
                        emit self->answered(ticket, picture, outcome);
                });
        }
        ahead = Private::Ahead();
        return ticket;
    }
    const quint64 ticket = d->queue.submit({path, area, limitPercent});
    d->waiting.insert(ticket);
    return ticket;
}

void PictureSlotDecoder::cancel(quint64 ticket)
{
    if (d->waiting.erase(ticket))
        d->queue.cancel(ticket);
}

int PictureSlotDecoder::waitingCount() const
{
    return int(d->waiting.size());
}

void PictureSlotDecoder::prefetch(const QString& path, QSize area, int limitPercent)
{
    Private::Ahead& ahead = d->ahead;
    if (ahead.ticket && ahead.path == path && ahead.area == area && ahead.limit == limitPercent
        && ahead.stamp == FileStamp::of(path))
        return;
    dropAhead();
    ahead.path = path;
    ahead.area = area;
    ahead.limit = limitPercent;
    ahead.stamp = FileStamp::of(path);
    ahead.ticket = d->queue.submit({path, area, limitPercent});
}

void PictureSlotDecoder::dropAhead()
{
    if (d->ahead.ticket && !d->ahead.ready)
        d->queue.cancel(d->ahead.ticket);
    d->ahead = Private::Ahead();
}

QString PictureSlotDecoder::aheadPath() const
{
    return d->ahead.path;
}

bool PictureSlotDecoder::aheadReady() const
{
    return d->ahead.ticket && d->ahead.ready;
}

int SlotLoadsWaiting()
{
    return PictureSlotDecoder::instance().waitingCount();
}

void PrefetchPicture(const QString& path, QSize area, int limitPercent)
{
    PictureSlotDecoder::instance().prefetch(path, area, limitPercent);
}

void DropPrefetchedPicture()
{
    PictureSlotDecoder::instance().dropAhead();
}

QString PrefetchedPicturePath()
{
    return PictureSlotDecoder::instance().aheadPath();
}

bool PrefetchedPictureReady()
{
    return PictureSlotDecoder::instance().aheadReady();
}
