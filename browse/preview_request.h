// The picture of a preview panel, made off the window's thread: asked for a
// picture file (and, for the browse preview, its thumbnail made or renewed
// first and shown in its place), it answers later with `loaded` or `failed`
// naming the ticket of the request. A newer request replaces one still
// waiting, which is then never answered. The status of the thumbnail's
// making reaches the window's thread as `thumbnailStatus`.
#pragma once

#include "browse/picture_load_error.h"
#include "browse/thumbnail_files.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class PreviewRequest : public QObject {
    Q_OBJECT
public:
    explicit PreviewRequest(QObject* parent = nullptr);
    // Drops the request still waiting and waits for a running worker job.
    ~PreviewRequest() override;

    // Asks for `path` decoded no larger than `box` (an empty box: its own
    // size). With `thumbnail`, the picture's thumbnail is made or renewed
    // first with those options; when it is there (made or up to date) it is
    // decoded instead of the picture. The ticket is never 0.
    quint64 Request(const QString& path, QSize box, std::optional<ThumbnailOptions> thumbnail);
    // Drops the request still waiting.
    void Cancel();
    // The ticket of the request still waiting, 0 when none.
    quint64 PendingTicket() const { return m_ticket; }

signals:
    // image: as decoded for the box; trueSize: the decoded file's own size.
    void loaded(quint64 ticket, const QImage& image, QSize trueSize);
    void failed(quint64 ticket, const LoadError& error);
    // The status of the thumbnail's making: "T" while it is made, "" after.
    void thumbnailStatus(const QString& text);

private:
    struct Answer;
    void answer(const Answer& a);

    quint64 m_ticket = 0;
    quint64 m_lastTicket = 0;
    struct Workers;
    std::unique_ptr<Workers> m_workers;
};

// The previews waiting for their answers, over every PreviewRequest.
int PreviewsWaiting();
