// The picture of a preview panel, made off the window's thread: asked for a
// picture file (and, for the browse preview, its thumbnail made or renewed
// first and shown in its place), it answers later with `loaded` or `failed`
// naming the ticket of the request. A newer request replaces one still
// waiting, which is then never answered. The status of the thumbnail's
// making reaches the window's thread as `thumbnailStatus`.
#pragma once

#include "browse/picture_load_error.h"
#include "browse/thumbnail_files.h"
#include "formats/read_exif_info.h"

#include <QHash>

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

// What a preview's information lines tell of a picture beyond its file's
// size and date: its EXIF fields and its own size (the EXIF pixel
// dimensions, else the size its JPEG header names; invalid when neither).
struct PreviewFacts {
    ExifInfo exif;
    QSize size;
};

// Reads the facts of a picture; safe on any thread.
PreviewFacts ReadPreviewFacts(const QString& path);

// The facts of a preview's picture, read on a worker once per picture and
// kept while its file keeps its size and time; the answer comes as `read`.
class PreviewFactsRequest : public QObject {
    Q_OBJECT
public:
    explicit PreviewFactsRequest(QObject* parent = nullptr);
    // Drops the request still waiting and waits for a running worker job.
    ~PreviewFactsRequest() override;

    // The facts read before, when the file has not changed since.
    std::optional<PreviewFacts> Known(const QString& path) const;
    // Asks for the facts of `path`; a request still waiting for another
    // picture is dropped.
    void Request(const QString& path);
    // Forgets what was read of `path` (its file was rewritten).
    void Forget(const QString& path);

signals:
    void read(const QString& path, const PreviewFacts& facts);

private:
    struct Kept {
        qint64 size = -1;
        qint64 modified = 0;
        PreviewFacts facts;
    };
    void answer(const QString& path, const Kept& kept);

    QHash<QString, Kept> m_kept;
    QString m_pending;
    struct Workers;
    std::unique_ptr<Workers> m_workers;
};

// The previews waiting for their answers, over every PreviewRequest and
// PreviewFactsRequest.
int PreviewsWaiting();
