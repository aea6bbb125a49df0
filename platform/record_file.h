// Files of fixed-size records (the program's data files: settings, lists,
// shows), the run-time file mode every open goes through, and whole-file safe
// writes (temporary file in the same folder + rename, platform/safe_write.cpp).
//
// Results are values: a status and, on failure, a message for the user.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <memory>

// File modes of a record-file open.
constexpr int FileModeReadOnly = 0;
constexpr int FileModeWriteOnly = 1;
constexpr int FileModeReadWrite = 2;

// Sets the mode used by the next record-file open (the start modes decide
// it for the program's data files: SetDataFileMode, base/start_modes.h).
void SetFileMode(int Mode);
// The mode in force (read-write at program start).
int CurrentFileMode();

namespace platform {

enum class RecordStatus {
    Ok,
    NotFound,     // the file does not exist
    OpenFailed,   // it exists but cannot be opened (or the folder is missing)
    ReadOnly,     // a write on a file opened read only
    ReadFailed,
    WriteFailed,
    WrongSize,    // the size is not a whole number of records (or a buffer has the wrong size)
    Truncated,    // the record asked for is not (wholly) in the file
    OutOfRange,   // record index below 0 or past the end
    NotOpen,
};

struct RecordResult {
    RecordStatus Status = RecordStatus::Ok;
    QString Message;  // for the user; empty when Ok
    QString Reason;   // why a write failed ("No space left on device") or a file was refused at reading, when known

    bool ok() const { return Status == RecordStatus::Ok; }
    static RecordResult Ok() { return {}; }
    static RecordResult Fail(RecordStatus status, const QString& message) { return {status, message, {}}; }
};

// A file of records of one fixed size. Opening an existing file honours the
// file mode in force (CurrentFileMode); Create and Truncate are always writable.
// Opening for writing a file whose owner write bit is clear gives ReadOnly.
class RecordFile {
public:
    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file with the current file mode.
    RecordResult Open(const QString& path, int recordSize);
    // Opens an existing file with an explicit mode (FileModeReadOnly ...).
    RecordResult OpenWithMode(const QString& path, int recordSize, int mode);
    // Creates the file empty (an existing one is emptied), open for reading and writing.
    RecordResult Create(const QString& path, int recordSize);
    void Close();

    bool IsOpen() const;
    bool IsWritable() const;
    QString Path() const { return path_; }

    // Whole records in the file (a partial tail record is not counted).
    qint64 RecordCount() const;
    // True when the file size is not a whole number of records.
    bool HasPartialRecord() const;

    // Reads record `index` into `out` (RecordSize bytes). A record that lies
    // only partly in the file gives Truncated; past the end, OutOfRange.
    RecordResult Read(qint64 index, QByteArray& out);
    // Writes record `index` (0 .. RecordCount; RecordCount appends).
    RecordResult Write(qint64 index, const QByteArray& record);
    // Cuts the file after `count` records.
    RecordResult Truncate(qint64 count);
    // Flushes written data to the file.
    RecordResult Flush();

private:
    std::unique_ptr<QFile> file_;
    QString path_;
    int recordSize_ = 0;
    bool writable_ = false;
};

// The largest file ReadWholeFile reads when its caller names no limit.
constexpr qint64 MaxWholeFileBytes = 64LL * 1024 * 1024;

// Reads the whole file, which must be a regular file. A file larger than
// `maxBytes` (0: MaxWholeFileBytes) is refused with WrongSize, unread. A
// failure carries in Reason a short text for the user without the path
// ("it is a pipe, not a file").
RecordResult ReadWholeFile(const QString& path, QByteArray& out, qint64 maxBytes = 0);

// A list read from a file of records, and whether the file was read whole.
// A missing file is read whole as an empty list (NotFound). A file that is
// refused unread (larger than its format holds, not a regular file, or one
// that can't be read) gives no items, its status and the reason for the
// user: a caller that would write the list back leaves that file as it is.
template <class List>
struct ListRead {
    List Items;
    RecordStatus Status = RecordStatus::Ok;
    QString Reason;  // why the file was refused; empty when read whole

    bool whole() const { return Status == RecordStatus::Ok || Status == RecordStatus::NotFound; }
    bool refused() const { return !whole(); }
};

// Reads a file of `recordSize`-byte records of at most `maxRecords` records
// whole and hands each whole record to `take`, in file order (a partial last
// record is left out). The status and reason as ListRead gives them.
template <class List, class Take>
ListRead<List> ReadRecordList(const QString& path, int recordSize, qint64 maxRecords, Take take)
{
    ListRead<List> read;
    QByteArray bytes;
    const RecordResult result = ReadWholeFile(path, bytes, maxRecords * recordSize);
    read.Status = result.Status;
    if (!result.ok()) {
        if (read.refused())
            read.Reason = result.Reason.isEmpty() ? result.Message : result.Reason;
        return read;
    }
    for (qsizetype at = 0; at + recordSize <= bytes.size(); at += recordSize)
        take(read.Items, bytes.mid(at, recordSize));
    return read;
}

// Writes `bytes` as the whole file through a temporary file in the same folder:
// every byte is checked as written and synced to the disk before the temporary
// file is renamed over the old one. A failure anywhere (a full disk, a file-size
// limit) removes the temporary file, leaves the old file as it was and is
// reported with the system's reason. The one routine for every whole-file
// write. Like creating a record file, this is allowed whatever the file mode;
// an existing file whose owner write bit is clear is not replaced (ReadOnly).
RecordResult SafeWriteFile(const QString& path, const QByteArray& bytes);

// Reads record `index` of a file of `recordSize`-byte records.
RecordResult ReadRecordAt(const QString& path, int recordSize, qint64 index, QByteArray& out);

// The file holds exactly the given records afterwards (safe write, see above).
RecordResult WriteRecords(const QString& path, const QList<QByteArray>& records, int recordSize);

} // namespace platform
