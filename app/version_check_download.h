// A download of one address to a file: it runs while the window's events
// go on, and its caller continues from the outcome it is handed when the
// transfer has ended, failed or timed out (no worker thread).
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;

enum class DownloadResult {
    Ok,
    Failed,    // the transfer failed (no connection, HTTP error, no such file)
    TimedOut,  // no end within the time allowed; the transfer was aborted
    WriteFailed,  // the target file could not be written
};

struct DownloadOutcome {
    DownloadResult result = DownloadResult::Failed;
    QString error;   // the transfer's own error text, for the log
    bool ok() const { return result == DownloadResult::Ok; }
};

// Starts downloading `url` (http, https or file) into `target`, written whole
// through a temporary file; at most `maxBytes` are accepted and redirects
// only stay on the same site. `done` gets the outcome on the calling thread,
// from the event loop (an address or target that is no use: at once), unless
// `context` has gone by then, which also ends the transfer. A failed
// download leaves no target file behind.
void DownloadUrlToFile(const QUrl& url, const QString& target, QObject* context,
                       std::function<void(const DownloadOutcome&)> done, int timeoutMs = 20000,
                       qint64 maxBytes = 1 << 20);
