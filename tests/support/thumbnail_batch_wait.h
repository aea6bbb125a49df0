// For tests and benchmarks only: starts a thumbnail run and serves the
// event loop until it has emitted `finished` (the program itself never
// waits for a run).
#pragma once

#include "browse/thumbnail_files_batch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <optional>

inline ThumbnailBatchCounts runThumbnailBatchToEnd(ThumbnailBatch& batch, const ThumbnailBatchOptions& options,
                                                   int ms = 600000)
{
    std::optional<ThumbnailBatchCounts> counts;
    const QMetaObject::Connection done = QObject::connect(
        &batch, &ThumbnailBatch::finished, [&counts](const ThumbnailBatchCounts& c) { counts = c; });
    batch.start(options);
    const QDeadlineTimer deadline(ms);
    QTimer tick;   // wakes the wait to look at the deadline
    tick.start(100);
    while (!counts && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(done);
    return counts.value_or(ThumbnailBatchCounts());
}
