#include "browse/picture_loader_slots.h"

#include "browse/picture_loader.h"
#include "browse/picture_slot_decoder.h"

#include <QGuiApplication>
#include <QScreen>

const QString SlotForm1Im1 = QStringLiteral("form1im1");
const QString SlotForm9Im1 = QStringLiteral("form9im1");
const QString SlotForm9Im2 = QStringLiteral("form9im2");

const QImage& PictureSlotModel::CurrentImage() const
{
    if (Animated() && m_frame > 0 && m_frame < m_picture.gif->FrameCount())
        return m_picture.gif->Frame(m_frame);
    return m_picture.image;
}

int PictureSlotModel::FrameDelay() const
{
    if (!Animated())
        return 0;
    return m_picture.gif->Delay(qBound(0, m_frame, m_picture.gif->FrameCount() - 1));
}

void PictureSlotModel::AdvanceFrame()
{
    if (!Animated())
        return;
    m_frame = (m_frame + 1) % m_picture.gif->FrameCount();
    NotifyChanged();
}

QImage PictureSlotModel::FullResolutionImage() const
{
    if (!Loaded())
        return {};
    if (m_picture.image.size() == m_picture.trueSize)
        return m_picture.image;
    return LoadPictureFile(m_path, QSize()).image;
}

void PictureSlotModel::SetPicture(const QString& path, LoadedPicture picture)
{
    m_path = path;
    m_picture = std::move(picture);
    m_frame = 0;
    NotifyChanged();
}

quint64 PictureSlotModel::Request(const QString& path, QSize area, int limitPercent, bool loaderSteps)
{
    PictureSlotDecoder& decoder = PictureSlotDecoder::instance();
    connect(&decoder, &PictureSlotDecoder::answered, this, &PictureSlotModel::answer, Qt::UniqueConnection);
    CancelRequest();
    m_requestedPath = path;
    m_loaderSteps = loaderSteps;
    m_ticket = decoder.submit(path, area, limitPercent);
    return m_ticket;
}

void PictureSlotModel::CancelRequest()
{
    if (m_ticket)
        PictureSlotDecoder::instance().cancel(m_ticket);
    m_ticket = 0;
}

void PictureSlotModel::answer(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome)
{
    if (ticket == 0 || ticket != m_ticket)
        return; // another slot's, or replaced by a newer request
    m_ticket = 0;
    if (outcome) {
        emit failed(ticket, *outcome);
        return;
    }
    const QString path = m_requestedPath;
    SetPicture(path, picture);
    if (m_loaderSteps)
        emit pictureArrived(path);
    emit loaded(ticket, m_picture);
}

void PictureSlotModel::Clear()
{
    m_path.clear();
    m_picture = LoadedPicture();
    m_frame = 0;
    NotifyChanged();
}

void PictureSlotModel::NotifyChanged()
{
    // A listener may remove itself while being called: work on a copy.
    const auto listeners = m_listeners;
    for (const auto& l : listeners)
        if (l.second)
            l.second();
}

int PictureSlotModel::AddListener(std::function<void()> listener)
{
    const int id = m_nextListener++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void PictureSlotModel::RemoveListener(int id)
{
    for (auto it = m_listeners.begin(); it != m_listeners.end(); ++it)
        if (it->first == id) {
            m_listeners.erase(it);
            return;
        }
}

bool KnownSlotName(const QString& name)
{
    return name == SlotForm1Im1 || name == SlotForm9Im1 || name == SlotForm9Im2;
}

void WhenSlotAnswers(PictureSlotModel* slot, quint64 ticket, QObject* context,
                     std::function<void(const LoadOutcome& outcome)> done)
{
    if (!slot || !ticket)
        return;
    // The waiter lives until the slot's next answer: only the newest request
    // is ever answered, so any answer ends it.
    auto* waiter = new QObject(context);
    auto finish = [slot, waiter, ticket, done](quint64 answered, const LoadOutcome& outcome) {
        const auto callback = done;
        const bool mine = answered == ticket;
        QObject::disconnect(slot, nullptr, waiter, nullptr);
        waiter->deleteLater();
        if (mine && callback)
            callback(outcome);
    };
    QObject::connect(slot, &PictureSlotModel::loaded, waiter,
                     [finish](quint64 answered, const LoadedPicture&) { finish(answered, LoadOutcome()); });
    QObject::connect(slot, &PictureSlotModel::failed, waiter,
                     [finish](quint64 answered, const LoadError& error) { finish(answered, error); });
}
