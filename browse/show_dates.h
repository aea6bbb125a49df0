// The dates a date play order needs (each picture's EXIF date taken, else
// its file date), read on workers. A picture's date is read once and kept
// with the file's size and modification time; a picture changed since is
// read again. The answer comes on the window's thread: progress after each
// batch, then all dates in the pictures' order.
#pragma once

#include "base/show_session.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class ShowDateReader : public QObject {
    Q_OBJECT
public:
    explicit ShowDateReader(QObject* parent = nullptr);
    // Drops the reading still running and waits for its workers.
    ~ShowDateReader() override;

    // Reads the dates of `pictures`; a reading still running is dropped.
    void Read(const QStringList& pictures);
    // Drops the reading still running (it is then never answered).
    void Cancel();
    bool Reading() const { return m_ticket != 0; }

    // A picture's date as a file's state keeps it.
    struct Known {
        qint64 size = -1;
        qint64 modified = 0;   // ms since the epoch
        double date = 0;       // days since 1899-12-30, 0 when unknown
    };
    using KnownDates = QHash<QString, Known>;

signals:
    // `done` of `total` pictures are dated.
    void progress(int done, int total);
    // Every picture's date, in the order the pictures were given.
    void finished(const QList<double>& dates);

private:
    void batchAnswered(quint64 ticket, int first, const QList<Known>& known, const QStringList& paths);

    quint64 m_ticket = 0;
    quint64 m_lastTicket = 0;
    int m_total = 0;
    int m_done = 0;
    QList<double> m_dates;
    // What was read before, shared read-only with the workers of a reading.
    std::shared_ptr<const KnownDates> m_known;
    // The dates read by the reading running, joined to the table at its end.
    KnownDates m_fresh;
    struct Workers;
    std::unique_ptr<Workers> m_workers;
};

// The pictures of one folder for a show (PicturesOfOneFolder), listed on a
// worker; the answer comes on the window's thread as `listed`. A newer
// listing replaces one still running, which is then never answered.
class FolderPictureLister : public QObject {
    Q_OBJECT
public:
    explicit FolderPictureLister(QObject* parent = nullptr);
    ~FolderPictureLister() override;
    void List(const QString& folder, const TPlayOptions& options);

signals:
    void listed(const QString& folder, const QStringList& pictures);

private:
    quint64 m_ticket = 0;
    quint64 m_lastTicket = 0;
    struct Workers;
    std::unique_ptr<Workers> m_workers;
};

// The date readings and folder listings running, over every ShowDateReader
// and FolderPictureLister.
int ShowDatesWaiting();
