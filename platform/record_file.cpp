#include "platform/record_file.h"

#include "platform/regular_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

int g_fileMode = FileModeReadWrite;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A file is read only when its owner write bit is clear (whoever runs the
// program, root included).
bool OwnerReadOnly(const QString& path)
{
    return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

// A reason as it stands inside a sentence: "It is a pipe, not a file." gives
// "it is a pipe, not a file"; a system text ("Permission denied") keeps its
// capital.
QString ReasonInSentence(QString text)
{
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.startsWith(QLatin1String("It ")))
        text[0] = QLatin1Char('i');
    return text;
}

} // namespace

void SetFileMode(int Mode)
{
    g_fileMode = Mode;
}

int CurrentFileMode()
{
    return g_fileMode;
}

namespace platform {

using enum RecordStatus;

RecordFile::~RecordFile()
{
    Close();
}

RecordResult RecordFile::Open(const QString& path, int recordSize)
{
    return OpenWithMode(path, recordSize, CurrentFileMode());
}

RecordResult RecordFile::OpenWithMode(const QString& path, int recordSize, int mode)
{
    Close();
    if (recordSize <= 0)
        return RecordResult::Fail(OpenFailed, QStringLiteral("Invalid record size for '%1'.").arg(Native(path)));
    QFileInfo info(path);
    if (!info.exists())
        return RecordResult::Fail(NotFound, QStringLiteral("The file '%1' does not exist.").arg(Native(path)));
    if (info.isDir())
        return RecordResult::Fail(OpenFailed, QStringLiteral("'%1' is a folder, not a file.").arg(Native(path)));
    if (!IsRegularFile(path))
        return RecordResult::Fail(OpenFailed, QStringLiteral("'%1' is not a regular file.").arg(Native(path)));
    auto file = std::make_unique<QFile>(path);
    const bool write = mode == FileModeWriteOnly || mode == FileModeReadWrite;
    if (write && OwnerReadOnly(path))
        return RecordResult::Fail(ReadOnly, QStringLiteral("The file '%1' is read only.").arg(Native(path)));
    // A write-only open must not empty the file, so it is opened for reading
    // too. Writes go straight to the file (unbuffered), so a record that does
    // not fit the disk fails at its own Write, not at a later flush.
    const QIODevice::OpenMode qmode =
        write ? (QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered) : QIODevice::ReadOnly;
    if (!file->open(qmode))
        return RecordResult::Fail(OpenFailed, QStringLiteral("Could not open the file '%1': %2")
                                                  .arg(Native(path), file->errorString()));
    file_ = std::move(file);
    path_ = path;
    recordSize_ = recordSize;
    writable_ = write;
    return RecordResult::Ok();
}

RecordResult RecordFile::Create(const QString& path, int recordSize)
{
    Close();
    if (recordSize <= 0)
        return RecordResult::Fail(OpenFailed, QStringLiteral("Invalid record size for '%1'.").arg(Native(path)));
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
        return RecordResult::Fail(OpenFailed, QStringLiteral("Could not create the file '%1': %2")
                                                  .arg(Native(path), file->errorString()));
    file_ = std::move(file);
    path_ = path;
    recordSize_ = recordSize;
    writable_ = true;
    return RecordResult::Ok();
}

void RecordFile::Close()
{
    if (file_) {
        file_->close();
        file_.reset();
    }
    writable_ = false;
}

bool RecordFile::IsOpen() const
{
    return file_ && file_->isOpen();
}

bool RecordFile::IsWritable() const
{
    return IsOpen() && writable_;
}

qint64 RecordFile::RecordCount() const
{
    if (!IsOpen())
        return 0;
    return file_->size() / recordSize_;
}

bool RecordFile::HasPartialRecord() const
{
    return IsOpen() && file_->size() % recordSize_ != 0;
}

RecordResult RecordFile::Read(qint64 index, QByteArray& out)
{
    if (!IsOpen())
        return RecordResult::Fail(NotOpen, QStringLiteral("The file is not open."));
    const qint64 size = file_->size();
    const qint64 start = index * recordSize_;
    if (index < 0 || start >= size)
        return RecordResult::Fail(OutOfRange, QStringLiteral("Record %1 is past the end of '%2'.")
                                                  .arg(index).arg(Native(path_)));
    if (start + recordSize_ > size)
        return RecordResult::Fail(Truncated, QStringLiteral("The file '%1' ends inside record %2 "
                                                            "(it is %3 bytes long, records are %4 bytes).")
                                                 .arg(Native(path_)).arg(index).arg(size).arg(recordSize_));
    if (!file_->seek(start))
        return RecordResult::Fail(ReadFailed, QStringLiteral("Could not read '%1': %2")
                                                  .arg(Native(path_), file_->errorString()));
    QByteArray bytes = file_->read(recordSize_);
    if (bytes.size() != recordSize_)
        return RecordResult::Fail(ReadFailed, QStringLiteral("Could not read '%1': %2")
                                                  .arg(Native(path_), file_->errorString()));
    out = bytes;
    return RecordResult::Ok();
}

RecordResult RecordFile::Write(qint64 index, const QByteArray& record)
{
    if (!IsOpen())
        return RecordResult::Fail(NotOpen, QStringLiteral("The file is not open."));
    if (!writable_)
        return RecordResult::Fail(ReadOnly, QStringLiteral("The file '%1' is open read only.").arg(Native(path_)));
    if (record.size() != recordSize_)
        return RecordResult::Fail(WrongSize, QStringLiteral("A record of %1 bytes does not fit '%2' "
                                                            "(records of %3 bytes).")
                                                 .arg(record.size()).arg(Native(path_)).arg(recordSize_));
    if (index < 0 || index > RecordCount())
        return RecordResult::Fail(OutOfRange, QStringLiteral("Record %1 is past the end of '%2'.")
                                                  .arg(index).arg(Native(path_)));
    if (!file_->seek(index * recordSize_) || file_->write(record) != record.size()) {
        RecordResult failed = RecordResult::Fail(WriteFailed, QStringLiteral("Could not write '%1': %2")
                                                                  .arg(Native(path_), file_->errorString()));
        failed.Reason = file_->errorString();
        return failed;
    }
    return RecordResult::Ok();
}

RecordResult RecordFile::Truncate(qint64 count)
{
    if (!IsOpen())
        return RecordResult::Fail(NotOpen, QStringLiteral("The file is not open."));
    if (count < 0)
        count = 0;
    const qint64 newSize = count * recordSize_;
    if (newSize >= file_->size())
        return RecordResult::Ok();
    bool ok;
    if (writable_) {
        ok = file_->resize(newSize);
    } else {
        // Cutting a file is allowed whatever the file mode the file was opened with.
        ok = QFile::resize(path_, newSize);
        if (ok) {
            // Reopen so the handle sees the new size.
            file_->close();
            ok = file_->open(QIODevice::ReadOnly);
        }
    }
    if (!ok)
        return RecordResult::Fail(WriteFailed, QStringLiteral("Could not shorten '%1': %2")
                                                   .arg(Native(path_), file_->errorString()));
    return RecordResult::Ok();
}

RecordResult RecordFile::Flush()
{
    if (!IsOpen())
        return RecordResult::Fail(NotOpen, QStringLiteral("The file is not open."));
    if (writable_ && !file_->flush())
        return RecordResult::Fail(WriteFailed, QStringLiteral("Could not write '%1': %2")
                                                   .arg(Native(path_), file_->errorString()));
    return RecordResult::Ok();
}

RecordResult ReadWholeFile(const QString& path, QByteArray& out, qint64 maxBytes)
{
    const auto refused = [](RecordStatus status, const QString& message, const QString& reason) {
        RecordResult result = RecordResult::Fail(status, message);
        result.Reason = reason;
        return result;
    };
    QFileInfo info(path);
    if (!info.exists())
        return refused(NotFound, QStringLiteral("The file '%1' does not exist.").arg(Native(path)),
                       QStringLiteral("it does not exist"));
    if (info.isDir())
        return refused(OpenFailed, QStringLiteral("'%1' is a folder, not a file.").arg(Native(path)),
                       QStringLiteral("it is a folder, not a file"));
    QFile file(path);
    const QString why = OpenRegularFileForReading(file, path);
    if (!why.isEmpty())
        return refused(OpenFailed, QStringLiteral("Could not open the file '%1': %2").arg(Native(path), why),
                       ReasonInSentence(why));
    const qint64 limit = maxBytes > 0 ? maxBytes : MaxWholeFileBytes;
    if (file.size() > limit)
        return refused(WrongSize, QStringLiteral("The file '%1' is too large (%2 bytes, at most %3).")
                                      .arg(Native(path)).arg(file.size()).arg(limit),
                       QStringLiteral("it is larger than its format holds: %1 bytes, at most %2")
                           .arg(file.size()).arg(limit));
    // Only the size found is read (a file that grew since is not read further).
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError)
        return refused(ReadFailed, QStringLiteral("Could not read '%1': %2").arg(Native(path), file.errorString()),
                       ReasonInSentence(file.errorString()));
    out = bytes;
    return RecordResult::Ok();
}

RecordResult ReadRecordAt(const QString& path, int recordSize, qint64 index, QByteArray& out)
{
    RecordFile file;
    RecordResult r = file.OpenWithMode(path, recordSize, FileModeReadOnly);
    if (!r.ok())
        return r;
    return file.Read(index, out);
}

RecordResult WriteRecords(const QString& path, const QList<QByteArray>& records, int recordSize)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * recordSize);
    for (const QByteArray& rec : records) {
        if (rec.size() != recordSize)
            return RecordResult::Fail(WrongSize, QStringLiteral("A record of %1 bytes does not fit '%2' "
                                                                "(records of %3 bytes).")
                                                     .arg(rec.size()).arg(Native(path)).arg(recordSize));
        bytes.append(rec);
    }
    return SafeWriteFile(path, bytes);
}

} // namespace platform
