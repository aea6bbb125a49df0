#include "browse/show_dates.h"

#include "browse/folder_pictures.h"
#include "platform/worker_pool.h"

#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <thread>

namespace {
int g_waiting = 0;   // the window's thread's only
// Pictures per job: small enough for steady progress, large enough that
// the window's thread spends little on the answers.
constexpr int kBatch = 256;
// The dates kept stay below this many pictures; beyond it they are
// forgotten and read again when needed.
constexpr qsizetype kMaxKnown = 200000;
}

struct ShowDateReader::Workers {
    platform::WorkerPool pool{std::clamp(int(std::thread::hardware_concurrency()) / 2, 1, 4)};
};

ShowDateReader::ShowDateReader(QObject* parent)
    : QObject(parent), m_known(std::make_shared<const KnownDates>()), m_workers(std::make_unique<Workers>())
{
}

ShowDateReader::~ShowDateReader()
{
    Cancel();
    m_workers->pool.clear();
    m_workers->pool.waitForDone();
}

void ShowDateReader::Cancel()
{
    if (m_ticket) {
        m_ticket = 0;
        --g_waiting;
    }
    m_workers->pool.clear();
    m_dates.clear();
    m_fresh.clear();
}

void ShowDateReader::Read(const QStringList& pictures)
{
    Cancel();
    m_ticket = ++m_lastTicket;
    ++g_waiting;
    m_total = int(pictures.size());
    m_done = 0;
    m_dates = QList<double>(pictures.size(), 0.0);
    const quint64 ticket = m_ticket;
    if (pictures.isEmpty()) {
        // Answered from the event loop like any other reading.
        QPointer<ShowDateReader> self(this);
        platform::postToWindowThread([self, ticket] {
            if (self)
                self->batchAnswered(ticket, 0, {}, {});
        });
        return;
    }
    const std::shared_ptr<const KnownDates> known = m_known;
    QPointer<ShowDateReader> self(this);
    for (int first = 0; first < pictures.size(); first += kBatch) {
        const QStringList paths = pictures.mid(first, kBatch);
        // Worker: reads its own copy of the paths and the dates known before
        // (never written while a reading runs); reaches the pictures' files
        // only; its answer goes to the window's thread, where a reading
        // replaced meanwhile drops it.
        m_workers->pool.run([self, ticket, first, paths, known] {
            QList<Known> dated;
            dated.reserve(paths.size());
            for (const QString& path : paths) {
                const QFileInfo info(path);
                Known k;
                k.size = info.size();
                k.modified = info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch();
                const auto it = known->constFind(path);
                if (it != known->cend() && it->size == k.size && it->modified == k.modified)
                    k.date = it->date;
                else
                    k.date = ShowPictureDate(path);
                dated << k;
            }
            platform::postToWindowThread([self, ticket, first, dated = std::move(dated), paths] {
                if (self)
                    self->batchAnswered(ticket, first, dated, paths);
            });
        });
    }
}

void ShowDateReader::batchAnswered(quint64 ticket, int first, const QList<Known>& dated, const QStringList& paths)
{
    if (ticket == 0 || ticket != m_ticket)
        return;
    for (int i = 0; i < dated.size(); ++i) {
        m_dates[first + i] = dated[i].date;
        m_fresh.insert(paths[i], dated[i]);
    }
    m_done += int(dated.size());
    emit progress(m_done, m_total);
    if (m_done < m_total || m_ticket != ticket)
        return;
    m_ticket = 0;
    --g_waiting;
    // The workers of this reading are done with the table they shared; the
    // dates read now join it in a new one.
    KnownDates merged = m_known->size() + m_fresh.size() > kMaxKnown ? KnownDates() : *m_known;
    merged.insert(m_fresh);
    m_fresh.clear();
    m_known = std::make_shared<const KnownDates>(std::move(merged));
    const QList<double> dates = std::move(m_dates);
    m_dates.clear();
    emit finished(dates);
}

struct FolderPictureLister::Workers {
    platform::WorkerPool pool{1};
};

FolderPictureLister::FolderPictureLister(QObject* parent)
    : QObject(parent), m_workers(std::make_unique<Workers>())
{
}

FolderPictureLister::~FolderPictureLister()
{
    if (m_ticket)
        --g_waiting;
    m_workers->pool.clear();
    m_workers->pool.waitForDone();
}

void FolderPictureLister::List(const QString& folder, const TPlayOptions& options)
{
    if (!m_ticket)
        ++g_waiting;
    m_ticket = ++m_lastTicket;
    m_workers->pool.clear();
    const quint64 ticket = m_ticket;
    QPointer<FolderPictureLister> self(this);
    // Worker: lists its own copy of the folder with its own copy of the
    // options; reaches that folder only; the answer goes to the window's
    // thread, where a listing replaced meanwhile drops it.
    m_workers->pool.run([self, ticket, folder, options] {
        const QStringList pictures = PicturesOfOneFolder(folder, options);
        platform::postToWindowThread([self, ticket, folder, pictures] {
            if (!self || ticket != self->m_ticket)
                return;
            self->m_ticket = 0;
            --g_waiting;
            emit self->listed(folder, pictures);
        });
    });
}

int ShowDatesWaiting()
{
    return g_waiting;
}
