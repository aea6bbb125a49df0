#include "app/version_check_download.h"

#include "platform/record_file.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

DownloadOutcome DownloadUrlToFile(const QUrl& url, const QString& target, int timeoutMs, qint64 maxBytes)
{
    DownloadOutcome out;
    if (!url.isValid() || target.isEmpty()) {
        out.error = QStringLiteral("invalid address or target");
        return out;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > maxBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    // The window repaints and answers while the record downloads; the
    // caller refuses a second check asked for meanwhile.
    if (!reply->isFinished())
        loop.exec();
    timer.stop();

    const QByteArray body = reply->readAll();
    const auto error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.error = reply->errorString();
    reply->deleteLater();

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
