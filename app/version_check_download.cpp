#include "app/version_check_download.h"

#include "platform/record_file.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// The outcome of a finished reply; the body goes to `target`.
DownloadOutcome finishedOutcome(QNetworkReply* reply, const QString& target, bool timedOut, bool tooLarge)
{
    DownloadOutcome out;
    const QByteArray body = reply->readAll();
    const auto error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.error = reply->errorString();
    if (timedOut || error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError) {
        out.result = tooLarge ? DownloadResult::Failed : DownloadResult::TimedOut;
        return out;
    }
    if (error != QNetworkReply::NoError || (status != 0 && (status < 200 || status > 299))) {
        out.result = DownloadResult::Failed;
        return out;
    }
    const platform::RecordResult written = platform::SafeWriteFile(target, body);
    if (!written.ok()) {
        out.result = DownloadResult::WriteFailed;
        out.error = written.Message;
        return out;
    }
    out.result = DownloadResult::Ok;
    out.error.clear();
    return out;
}

} // namespace

void DownloadUrlToFile(const QUrl& url, const QString& target, QObject* context,
                       std::function<void(const DownloadOutcome&)> done, int timeoutMs, qint64 maxBytes)
{
    if (!url.isValid() || target.isEmpty()) {
        DownloadOutcome out;
        out.error = QStringLiteral("invalid address or target");
        if (done)
            done(out);
        return;
    }
    // The manager, the reply and the timer live until the answer, or go
    // with the context.
    auto* manager = new QNetworkAccessManager(context);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager->get(request);
    reply->setParent(manager);

    struct Flags {
        bool timedOut = false;
        bool tooLarge = false;
    };
    auto flags = std::make_shared<Flags>();
    auto* timer = new QTimer(manager);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, flags] {
        flags->timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, flags, maxBytes](qint64 received, qint64) {
        if (received > maxBytes && !flags->tooLarge) {
            flags->tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, manager,
                     [manager, reply, timer, flags, target, done = std::move(done)] {
                         timer->stop();
                         const DownloadOutcome out = finishedOutcome(reply, target, flags->timedOut, flags->tooLarge);
                         manager->deleteLater();
                         if (done)
                             done(out);
                     },
                     Qt::QueuedConnection);
    timer->start(timeoutMs);
}
