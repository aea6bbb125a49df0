// Decodes picture files on worker threads and hands the results back on the
// owner's thread, so a big or progressive photograph never holds up the
// window. Each request gets a ticket; a cancelled ticket's result is dropped.
#pragma once

#include "browse/picture_load_error.h"
#include "formats/picture_file.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QThread>

#include <memory>

class PictureDecodeQueue : public QObject {
    Q_OBJECT
public:
    // area: the area the picture is fitted into with the enlargement limit
    // (percent), as the loader fits it; an empty area decodes at full size.
    struct Request {
        QString path;
        QSize area;
        int limitPercent = 0;
    };

    explicit PictureDecodeQueue(int maxThreads = QThread::idealThreadCount(), QObject* parent = nullptr);
    // Cancels every ticket and waits for the running decodes.
    ~PictureDecodeQueue() override;

    // Starts decoding; the ticket is never 0.
    quint64 submit(const Request& request);
    // The ticket's result is never delivered.
    void cancel(quint64 ticket);
    void cancelAll();
    // Submitted, neither delivered nor cancelled yet.
    bool isPending(quint64 ticket) const;

signals:
    // On the owner's thread. outcome has no value on success, else the
    // failure's kind and the decoder's text.
    void decoded(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);

private:
    struct Shared;
    void deliver(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);

    std::unique_ptr<Shared> m_shared;
};
