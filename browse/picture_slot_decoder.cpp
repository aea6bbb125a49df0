#include "browse/picture_slot_decoder.h"

#include "browse/picture_decode_queue.h"
#include "platform/worker_pool.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <deque>
#include <map>

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

    // A picture asked for, decoding or decoded.
    struct Entry {
        QString path;
        QSize area;
        int limit = 0;
        FileStamp stamp;
        quint64 ticket = 0;
        bool ready = false;
        LoadedPicture picture;
        LoadOutcome outcome;
        bool matches(const QString& p, QSize a, int l) const
        {
            return ticket && path == p && area == a && limit == l && stamp == FileStamp::of(p);
        }
    };

    PictureDecodeQueue queue;
    // Tickets submitted and neither answered nor cancelled, with what they ask.
    std::map<quint64, Entry> waiting;
    // The next picture of a show, decoded ahead; the picture just left.
    Entry ahead;
    Entry left;
    // While a show keeps pictures: the last two answered, newest first.
    bool keeping = false;
    std::deque<Entry> recent;

    // Tickets of answers from memory: apart from the queue's.
    quint64 lastMemoryTicket = 0;
    quint64 memoryTicket() { return (quint64(1) << 63) | ++lastMemoryTicket; }

    void remember(Entry entry)
    {
        if (!keeping || entry.outcome)
            return;
        std::erase_if(recent, [&entry](const Entry& r) { return r.path == entry.path; });
        recent.push_front(std::move(entry));
        if (recent.size() > 2)
            recent.pop_back();
    }
};

PictureSlotDecoder::PictureSlotDecoder() : QObject(QCoreApplication::instance()), d(std::make_unique<Private>(this))
{
    connect(&d->queue, &PictureDecodeQueue::decoded, this,
            [this](quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome) {
                if (d->waiting.count(ticket)) {
                    answer(ticket, picture, outcome);
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

void PictureSlotDecoder::answer(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome)
{
    const auto it = d->waiting.find(ticket);
    if (it == d->waiting.end())
        return;
    Private::Entry entry = std::move(it->second);
    d->waiting.erase(it);
    entry.ready = true;
    entry.picture = picture;
    entry.outcome = outcome;
    d->remember(std::move(entry));
    emit answered(ticket, picture, outcome);
}

quint64 PictureSlotDecoder::submit(const QString& path, QSize area, int limitPercent)
{
    // A picture at hand (decoded ahead, just left, or answered a moment
    // ago) is answered from memory; a decode ahead still running is waited for.
    Private::Entry* atHand = nullptr;
    if (d->ahead.matches(path, area, limitPercent))
        atHand = &d->ahead;
    else if (d->left.matches(path, area, limitPercent))
        atHand = &d->left;
    else
        for (Private::Entry& r : d->recent)
            if (r.matches(path, area, limitPercent)) {
                atHand = &r;
                break;
            }
    if (atHand) {
        Private::Entry entry = *atHand;
        if (atHand == &d->ahead || atHand == &d->left)
            *atHand = Private::Entry();
        const bool decoding = !entry.ready;
        const quint64 ticket = decoding ? entry.ticket : d->memoryTicket();
        entry.ticket = ticket;
        if (decoding) {
            d->waiting.emplace(ticket, std::move(entry));
            return ticket;
        }
        LoadedPicture picture = entry.picture;
        LoadOutcome outcome = entry.outcome;
        entry.picture = LoadedPicture();
        d->waiting.emplace(ticket, std::move(entry));
        // Answered on the next turn of the window's thread, as any other decode.
        QPointer<PictureSlotDecoder> self(this);
        platform::postToWindowThread([self, ticket, picture = std::move(picture), outcome = std::move(outcome)]() {
            if (self)
                self->answer(ticket, picture, outcome);
        });
        return ticket;
    }
    Private::Entry entry;
    entry.path = path;
    entry.area = area;
    entry.limit = limitPercent;
    entry.stamp = FileStamp::of(path);
    entry.ticket = d->queue.submit({path, area, limitPercent});
    const quint64 ticket = entry.ticket;
    d->waiting.emplace(ticket, std::move(entry));
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
    d->keeping = true;
    Private::Entry& ahead = d->ahead;
    if (ahead.matches(path, area, limitPercent))
        return;
    if (ahead.ticket && !ahead.ready)
        d->queue.cancel(ahead.ticket);
    ahead = Private::Entry();
    // Just left or answered a moment ago: at hand without a decode.
    for (const Private::Entry* e : {&d->left, d->recent.empty() ? nullptr : &d->recent.front(),
                                    d->recent.size() < 2 ? nullptr : &d->recent.back()})
        if (e && e->ready && e->matches(path, area, limitPercent)) {
            ahead = *e;
            return;
        }
    ahead.path = path;
    ahead.area = area;
    ahead.limit = limitPercent;
    ahead.stamp = FileStamp::of(path);
    ahead.ticket = d->queue.submit({path, area, limitPercent});
}

void PictureSlotDecoder::keep(const QString& next, const QString& left, QSize area, int limitPercent)
{
    d->keeping = true;
    Private::Entry kept;
    if (!left.isEmpty()) {
        if (d->left.matches(left, area, limitPercent))
            kept = d->left;
        else
            for (const Private::Entry& r : d->recent)
                if (r.matches(left, area, limitPercent))
                    kept = r;
    }
    d->left = std::move(kept);
    if (next.isEmpty()) {
        if (d->ahead.ticket && !d->ahead.ready)
            d->queue.cancel(d->ahead.ticket);
        d->ahead = Private::Entry();
    } else {
        prefetch(next, area, limitPercent);
    }
}

void PictureSlotDecoder::dropAhead()
{
    if (d->ahead.ticket && !d->ahead.ready)
        d->queue.cancel(d->ahead.ticket);
    d->ahead = Private::Entry();
    d->left = Private::Entry();
    d->recent.clear();
    d->keeping = false;
}

QString PictureSlotDecoder::aheadPath() const
{
    return d->ahead.path;
}

bool PictureSlotDecoder::aheadReady() const
{
    return d->ahead.ticket && d->ahead.ready;
}

QString PictureSlotDecoder::keptPath() const
{
    return d->left.path;
}

int SlotLoadsWaiting()
{
    return PictureSlotDecoder::instance().waitingCount();
}

void PrefetchPicture(const QString& path, QSize area, int limitPercent)
{
    PictureSlotDecoder::instance().prefetch(path, area, limitPercent);
}

void KeepPicturesDecoded(const QString& next, const QString& left, QSize area, int limitPercent)
{
    PictureSlotDecoder::instance().keep(next, left, area, limitPercent);
}

QString KeptPicturePath()
{
    return PictureSlotDecoder::instance().keptPath();
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
