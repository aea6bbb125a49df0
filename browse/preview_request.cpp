#include "browse/preview_request.h"

#include "formats/jpeg_decoder.h"
#include "formats/jpeg_segments.h"
#include "formats/picture_file.h"
#include "platform/regular_file.h"
#include "platform/worker_pool.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>


namespace {
int g_waiting = 0;   // the window's thread's only
}

struct PreviewRequest::Answer {
    quint64 ticket = 0;
    QImage image;
    QSize trueSize;
    LoadOutcome outcome;
};

// One worker: a preview's thumbnail and decode run one after another, so an
// older request still running never races a newer one over the same
// thumbnail file.
struct PreviewRequest::Workers {
    platform::WorkerPool pool{1};
};

PreviewRequest::PreviewRequest(QObject* parent) : QObject(parent), m_workers(std::make_unique<Workers>()) {}

PreviewRequest::~PreviewRequest()
{
    Cancel();
    m_workers->pool.clear();
    m_workers->pool.waitForDone();
}

quint64 PreviewRequest::Request(const QString& path, QSize box, std::optional<ThumbnailOptions> thumbnail)
{
    Cancel();
    m_ticket = ++m_lastTicket;
    ++g_waiting;
    // A newer request leaves an older one not started yet unstarted.
    m_workers->pool.clear();
    const quint64 ticket = m_ticket;
    QPointer<PreviewRequest> self(this);
    std::optional<ThumbnailRequest> thumbnailRequest;
    if (thumbnail)
        thumbnailRequest = WorkerThumbnailRequest(path, ThumbnailPath(path), *thumbnail, [self](const QString& text) {
            if (self)
                emit self->thumbnailStatus(text);
        });
    // Worker: works on its own copies of the path, the box, the thumbnail
    // request and options; reaches the picture's and the thumbnail's files,
    // the drive table and the `.hidden` lists (both guarded); its status and
    // its answer go to the window's thread, where a request replaced
    // meanwhile drops the answer.
    m_workers->pool.run([self, ticket, path, box, thumbnail, thumbnailRequest]() {
        Answer a;
        a.ticket = ticket;
        QString source = path;
        if (thumbnail && thumbnailRequest) {
            const int r = CreateOrRefreshThumbnail(*thumbnailRequest, *thumbnail);
            if (r == ThumbMade || r == ThumbUpToDate)
                source = thumbnailRequest->thumbnail;
        }
        try {
            a.image = DecodePicturePreview(source, box, &a.trueSize);
        } catch (...) {
            a.outcome = LoadErrorOf(std::current_exception());
        }
        platform::postToWindowThread([self, a = std::move(a)]() {
            if (self)
                self->answer(a);
        });
    });
    return ticket;
}

void PreviewRequest::Cancel()
{
    if (m_ticket) {
        m_ticket = 0;
        --g_waiting;
    }
}

void PreviewRequest::answer(const Answer& a)
{
    if (a.ticket == 0 || a.ticket != m_ticket)
        return;
    m_ticket = 0;
    --g_waiting;
    if (a.outcome)
        emit failed(a.ticket, *a.outcome);
    else if (a.image.isNull())
        emit failed(a.ticket, LoadError{LoadFailure::InvalidGraphic, QStringLiteral("empty picture")});
    else
        emit loaded(a.ticket, a.image, a.trueSize);
}

namespace {

// A JPEG's header stands in its first bytes; a file whose header is not
// within them has its size left unknown.
constexpr qint64 kHeaderBytes = 256 * 1024;
constexpr qsizetype kMaxKept = 512;

// The file's state that keeps facts read before valid.
void fileState(const QString& path, qint64& size, qint64& modified)
{
    const QFileInfo info(path);
    size = info.exists() ? info.size() : -1;
    modified = info.exists() ? info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch() : 0;
}

} // namespace

PreviewFacts ReadPreviewFacts(const QString& path)
{
    PreviewFacts facts;
    ReadExifInfo(path, true, true, true, facts.exif);
    bool okW = false, okH = false;
    const int w = facts.exif.Width.toInt(&okW);
    const int h = facts.exif.Height.toInt(&okH);
    if (okW && okH && w > 0 && h > 0) {
        facts.size = QSize(w, h);
        return facts;
    }
    QFile file(path);
    if (!platform::OpenRegularFileForReading(file, path).isEmpty())
        return facts;
    const QByteArray head = file.read(kHeaderBytes);
    if (!LooksLikeJpeg(head))
        return facts;
    try {
        facts.size = ReadJpegHeader(head).size;
    } catch (...) {
        facts.size = QSize();
    }
    return facts;
}

struct PreviewFactsRequest::Workers {
    platform::WorkerPool pool{1};
};

PreviewFactsRequest::PreviewFactsRequest(QObject* parent)
    : QObject(parent), m_workers(std::make_unique<Workers>())
{
}

PreviewFactsRequest::~PreviewFactsRequest()
{
    if (!m_pending.isEmpty())
        --g_waiting;
    m_workers->pool.clear();
    m_workers->pool.waitForDone();
}

std::optional<PreviewFacts> PreviewFactsRequest::Known(const QString& path) const
{
    const auto it = m_kept.constFind(path);
    if (it == m_kept.cend())
        return std::nullopt;
    qint64 size = 0, modified = 0;
    fileState(path, size, modified);
    if (size != it->size || modified != it->modified)
        return std::nullopt;
    return it->facts;
}

void PreviewFactsRequest::Request(const QString& path)
{
    if (path == m_pending)
        return;
    if (m_pending.isEmpty())
        ++g_waiting;
    m_pending = path;
    // A newer request leaves an older one not started yet unstarted.
    m_workers->pool.clear();
    QPointer<PreviewFactsRequest> self(this);
    // Worker: reads its own copy of the path; reaches the picture's file
    // only; the answer goes to the window's thread.
    m_workers->pool.run([self, path] {
        Kept kept;
        fileState(path, kept.size, kept.modified);
        kept.facts = ReadPreviewFacts(path);
        platform::postToWindowThread([self, path, kept] {
            if (self)
                self->answer(path, kept);
        });
    });
}

void PreviewFactsRequest::Forget(const QString& path)
{
    m_kept.remove(path);
}

void PreviewFactsRequest::answer(const QString& path, const Kept& kept)
{
    if (m_kept.size() >= kMaxKept)
        m_kept.clear();
    m_kept.insert(path, kept);
    if (path != m_pending)
        return;
    m_pending.clear();
    --g_waiting;
    emit read(path, kept.facts);
}

int PreviewsWaiting()
{
    return g_waiting;
}
