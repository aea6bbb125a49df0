// A download of one address to a file that looks synchronous to its caller:
// it returns when the transfer has ended, failed or timed out, and lets the
// window's events run meanwhile (no worker thread).
#pragma once

#include <QString>
#include <QUrl>

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

// Downloads `url` (http, https or file) into `target`, written whole through
// a temporary file; at most `maxBytes` are accepted and redirects only stay
// on the same site. A failed download leaves no target file behind.
DownloadOutcome DownloadUrlToFile(const QUrl& url, const QString& target, int timeoutMs = 20000,
                                  qint64 maxBytes = 1 << 20);
