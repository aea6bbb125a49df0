// Journals of operations that change several files: before such an operation
// starts it writes what it is about to do into a small file in the journal
// folder (the data folder), holds an flock on it while it runs and removes it
// when it ends. A journal that no running process holds is the record of an
// operation that was interrupted (a crash, a kill, a power cut); the next
// start reads it and finishes or undoes the operation.
//
// The journal folder is the one process-wide setting of this module, set
// once at start (and by tests); without it no journal is kept.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Sets the folder that holds the journals; "" keeps none.
void SetJournalFolder(const QString& folder);
QString JournalFolder();

// One operation's journal: "<kind>-<pid>-<n>.journal", one line per text.
class Journal {
public:
    Journal() = default;
    ~Journal() { finish(); }
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Writes the journal whole, synced when `sync` asks, and locks it before
    // it appears under its name. False (and no journal) when no journal folder
    // is set or the file could not be written; `error` then has the errno.
    bool start(const QString& kind, const QStringList& lines, bool sync = true);
    // Adds one line at the end (unsynced).
    bool append(const QString& line);
    // Removes the journal: the operation ended.
    void finish();
    // Lets the journal go unheld but in place: the operation stopped short
    // (its program ends first), and the next start finishes or undoes it.
    void leaveForNextStart();
    bool kept() const { return m_fd >= 0; }
    int error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
    QByteArray m_path;
};

// Hands every journal of `kind` that no running process holds to `recover`
// (its lines), oldest first, each locked meanwhile; a journal is removed when
// `recover` returns true and kept for the next start otherwise. A journal
// larger than 1 MB is not read (it is removed). Returns how many were handed.
int RecoverInterruptedJournals(const QString& kind, const std::function<bool(const QStringList& lines)>& recover);

} // namespace platform
