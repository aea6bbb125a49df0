#include "browse/picture_slot_decoder.h"

#include "browse/picture_decode_queue.h"
#include "formats/picture_errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>

#include <map>
#include <memory>

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

struct Outcome {
    bool done = false;
    bool superseded = false;
    LoadedPicture picture;
    QString kind;
    QString detail;
    QEventLoop* loop = nullptr;
};

[[noreturn]] void throwLoadFailure(const QString& kind, const QString& detail)
{
    const std::string text = detail.toStdString();
    if (kind == QLatin1String("Invalid Graphic"))
        throw EInvalidGraphic(text);
    if (kind == QLatin1String("EWin32Error"))
        throw EWin32Error(text);
    if (kind == QLatin1String("Open error"))
        throw EFOpenError(text);
    if (kind == QLatin1String("Access Violation"))
        throw EAccessViolation(text);
    throw std::runtime_error(text);
}

class SlotDecoder : public QObject {
public:
    SlotDecoder() : QObject(QCoreApplication::instance()), m_queue(QThread::idealThreadCount(), this)
    {
        connect(&m_queue, &PictureDecodeQueue::decoded, this,
                [this](quint64 ticket, const LoadedPicture& picture, const QString& kind, const QString& detail) {
                    delivered(ticket, picture, kind, detail);
                });
    }

    static SlotDecoder& instance()
    {
        static QPointer<SlotDecoder> decoder;
        if (!decoder)
            decoder = new SlotDecoder;
        return *decoder;
    }

    LoadedPicture decode(const QString& slot, const QString& path, QSize area, int limit)
    {
        // A load still waiting for this slot is replaced.
        if (auto it = m_slotTicket.find(slot); it != m_slotTicket.end()) {
            if (auto w = m_waiting.find(it->second); w != m_waiting.end()) {
                w->second->superseded = true;
                if (w->second->loop)
                    w->second->loop->quit();
                m_waiting.erase(w);
            }
            m_queue.cancel(it->second);
            m_slotTicket.erase(it);
        }
        auto outcome = std::make_shared<Outcome>();
        quint64 ticket = 0;
        if (m_ahead.ticket && m_ahead.path == path && m_ahead.area == area && m_ahead.limit == limit
            && m_ahead.stamp == FileStamp::of(path)) {
            if (m_ahead.ready) {
                outcome->done = true;
                outcome->picture = std::move(m_ahead.outcome.picture);
                outcome->kind = m_ahead.outcome.kind;
                outcome->detail = m_ahead.outcome.detail;
            } else {
                ticket = m_ahead.ticket;
            }
            m_ahead = Ahead();
        }
        if (!outcome->done) {
            if (!ticket)
                ticket = m_queue.submit({path, area, limit});
            m_slotTicket[slot] = ticket;
            m_waiting[ticket] = outcome;
            QEventLoop loop;
            outcome->loop = &loop;
            if (!outcome->done && !outcome->superseded)
                loop.exec();
            outcome->loop = nullptr;
            // Neither delivered nor replaced: the application is quitting and
            // ended every event loop; the picture is not wanted any more.
            if (!outcome->done && !outcome->superseded) {
                m_queue.cancel(ticket);
                outcome->superseded = true;
            }
            if (auto it = m_slotTicket.find(slot); it != m_slotTicket.end() && it->second == ticket)
                m_slotTicket.erase(it);
            m_waiting.erase(ticket);
        }
        if (outcome->superseded)
            throw ELoadSuperseded();
        if (!outcome->kind.isEmpty())
            throwLoadFailure(outcome->kind, outcome->detail);
        return std::move(outcome->picture);
    }

    void prefetch(const QString& path, QSize area, int limit)
    {
        if (m_ahead.ticket && m_ahead.path == path && m_ahead.area == area && m_ahead.limit == limit
            && m_ahead.stamp == FileStamp::of(path))
            return;
        dropAhead();
        m_ahead.path = path;
        m_ahead.area = area;
        m_ahead.limit = limit;
        m_ahead.stamp = FileStamp::of(path);
        m_ahead.ticket = m_queue.submit({path, area, limit});
    }

    void dropAhead()
    {
        if (m_ahead.ticket && !m_ahead.ready)
            m_queue.cancel(m_ahead.ticket);
        m_ahead = Ahead();
    }

    int waitingCount() const { return int(m_waiting.size()); }
    QString aheadPath() const { return m_ahead.path; }
    bool aheadReady() const { return m_ahead.ticket && m_ahead.ready; }

private:
    struct Ahead {
        QString path;
        QSize area;
        int limit = 0;
        FileStamp stamp;
        quint64 ticket = 0;
        bool ready = false;
        Outcome outcome;
    };

    void delivered(quint64 ticket, const LoadedPicture& picture, const QString& kind, const QString& detail)
    {
        if (auto w = m_waiting.find(ticket); w != m_waiting.end()) {
            Outcome& o = *w->second;
            o.done = true;
            o.picture = picture;
            o.kind = kind;
            o.detail = detail;
            if (o.loop)
                o.loop->quit();
            return;
        }
        if (m_ahead.ticket == ticket) {
            m_ahead.ready = true;
            m_ahead.outcome.picture = picture;
            m_ahead.outcome.kind = kind;
            m_ahead.outcome.detail = detail;
        }
    }

    PictureDecodeQueue m_queue;
    std::map<QString, quint64> m_slotTicket;
    std::map<quint64, std::shared_ptr<Outcome>> m_waiting;
    Ahead m_ahead;
};

} // namespace

LoadedPicture DecodeForSlot(const QString& slot, const QString& path, QSize area, int limitPercent)
{
    return SlotDecoder::instance().decode(slot, path, area, limitPercent);
}

int SlotLoadsWaiting()
{
    return SlotDecoder::instance().waitingCount();
}

void PrefetchPicture(const QString& path, QSize area, int limitPercent)
{
    SlotDecoder::instance().prefetch(path, area, limitPercent);
}

void DropPrefetchedPicture()
{
    SlotDecoder::instance().dropAhead();
}

QString PrefetchedPicturePath()
{
    return SlotDecoder::instance().aheadPath();
}

bool PrefetchedPictureReady()
{
    return SlotDecoder::instance().aheadReady();
}
