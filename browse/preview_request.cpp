#include "browse/preview_request.h"

#include "formats/picture_file.h"
#include "platform/worker_pool.h"

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

int PreviewsWaiting()
{
    return g_waiting;
}
