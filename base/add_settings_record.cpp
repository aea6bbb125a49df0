#include "base/add_settings_record.h"

#include "base/settings_fields.h"
#include "base/start_modes.h"
#include "platform/fixed_text.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

using platform::RecordResult;
using platform::RecordStatus;


namespace {

using A = TAddSettingsRecord;
using AddField = TRecordField<A>;
using K = TFieldKind;

#define A_I32(name, off) AddField{#name, off, K::Int32, 0, 1, 4, [](A& r, int) -> void* { return &r.name; }}
#define A_BYTE(name, off) AddField{#name, off, K::Byte, 0, 1, 1, [](A& r, int) -> void* { return &r.name; }}
#define A_TEXT(name, off, cap) AddField{#name, off, K::Text, cap, 1, cap + 1, [](A& r, int) -> void* { return &r.name; }}

const std::vector<AddField>& AddFields()
{
    static const std::vector<AddField> table = {
        A_TEXT(UploaderPath, 0, 255),
        A_I32(UploadBatchSize, 256),
        A_I32(UploaderWaitSeconds, 260),
        A_BYTE(ThumbsOnFixedDrives, 264),
        A_BYTE(ThumbsOnNetworkDrives, 265),
        A_BYTE(ThumbsOnRemovableDrives, 266),
        A_BYTE(Mon2Manual, 313),
        A_I32(ThumbSizeIndex, 316),
        A_I32(AddSettingsVersion, 320),
        A_I32(ThumbMinSizeKB, 324),
        A_I32(Mon2Width, 508),
        A_I32(Mon2Height, 512),
    };
    return table;
}

#undef A_I32
#undef A_BYTE
#undef A_TEXT

void ResetThumbnailOptions(TAddSettingsRecord& rec)
{
    rec.ThumbsOnFixedDrives = 1;
    rec.ThumbsOnNetworkDrives = 0;
    rec.ThumbsOnRemovableDrives = 0;
    rec.ThumbSizeIndex = 2;
    rec.ThumbMinSizeKB = 300;
}

} // namespace

QByteArray EncodeAddSettings(const TAddSettingsRecord& rec)
{
    QByteArray out(reinterpret_cast<const char*>(rec.RawBytes.data()), AddSettingsRecordSize);
    auto* base = reinterpret_cast<uint8_t*>(out.data());
    for (const AddField& f : AddFields())
        recordcodec::EncodeEntry(f.Kind, f.Capacity, f.AtConst(rec, 0), base + f.Offset);
    return out;
}

RecordResult DecodeAddSettings(const QByteArray& bytes, TAddSettingsRecord& rec)
{
    if (bytes.size() != AddSettingsRecordSize)
        return RecordResult::Fail(RecordStatus::WrongSize,
                                  QStringLiteral("The additional settings record is %1 bytes long instead of %2.")
                                      .arg(bytes.size()).arg(AddSettingsRecordSize));
    TAddSettingsRecord fresh;
    std::memcpy(fresh.RawBytes.data(), bytes.constData(), AddSettingsRecordSize);
    for (const AddField& f : AddFields())
        recordcodec::DecodeEntry(f.Kind, f.Capacity, fresh.RawBytes.data() + f.Offset, f.At(fresh, 0));
    rec = std::move(fresh);
    return RecordResult::Ok();
}

TAddSettingsRecord DefaultAddSettings(int32_t currentVersion)
{
    TAddSettingsRecord rec;  // reserved areas and texts all zero
    rec.AddSettingsVersion = currentVersion;
    rec.UploadBatchSize = 50;
    rec.UploaderWaitSeconds = 3;
    ResetThumbnailOptions(rec);
    return rec;
}

RecordResult WriteAddSettings(const QString& path, const TAddSettingsRecord& rec)
{
    // Record 0 is replaced; anything the file holds after it stays as it was.
    QByteArray bytes = EncodeAddSettings(rec);
    QByteArray old;
    if (QFileInfo::exists(path) && platform::ReadWholeFile(path, old).ok() && old.size() > AddSettingsRecordSize)
        bytes.append(old.mid(AddSettingsRecordSize));
    return platform::SafeWriteFile(path, bytes);
}

TAddSettingsLoad LoadAddSettings(const QString& path, TAddSettingsRecord& rec, int32_t currentVersion,
                                 const StartContext& start, const QString& detectedUploader)
{
    TAddSettingsLoad load;

    // The file is created empty at start; create it here too when it went missing.
    if (!QFileInfo::exists(path)) {
        platform::RecordFile created;
        load.Result = created.Create(path, AddSettingsRecordSize);
        if (!load.Result.ok()) {
            rec = DefaultAddSettings(currentVersion);
            return load;
        }
    }

    SetDataFileMode(start, FileModeReadWrite, false);
    const bool mayWrite = CurrentFileMode() != FileModeReadOnly;

    platform::RecordFile file;
    load.Result = file.OpenWithMode(path, AddSettingsRecordSize, FileModeReadOnly);
    if (!load.Result.ok()) {
        rec = DefaultAddSettings(currentVersion);
        return load;
    }
    const qint64 count = file.RecordCount();
    QByteArray bytes;
    if (count > 0) {
        load.Result = file.Read(0, bytes);
        if (!load.Result.ok()) {
            rec = DefaultAddSettings(currentVersion);
            return load;
        }
    }
    file.Close();

    bool write = false;
    if (count == 0) {
        // Empty (or shorter than one record): the defaults.
        rec = DefaultAddSettings(currentVersion);
        load.Created = true;
        write = true;
    } else {
        DecodeAddSettings(bytes, rec);
        bool repaired = false;
        if (rec.UploaderPath.isEmpty()) {
            repaired = true;  // an empty path is always written back
        } else if (!QFileInfo(rec.UploaderPath).isFile()) {
            rec.UploaderPath.clear();
            repaired = true;
        }
        if (rec.AddSettingsVersion != currentVersion) {
            if (rec.AddSettingsVersion < 55)
                ResetThumbnailOptions(rec);
            rec.AddSettingsVersion = currentVersion;
            repaired = true;
        }
        load.Repaired = repaired;
        write = repaired;
    }
    if (write && mayWrite) {
        load.Result = WriteAddSettings(path, rec);
        if (!load.Result.ok())
            return load;
    }

    if (rec.UploaderPath.isEmpty() && !detectedUploader.isEmpty() && QFileInfo(detectedUploader).isFile()) {
        rec.UploaderPath = platform::FixedTextCut(detectedUploader, 255);
        load.UploaderFound = true;
        if (mayWrite)
            load.Result = WriteAddSettings(path, rec);
    }
    return load;
}

TUploadCaptions UploadCaptionsFor(const QString& uploaderPath)
{
    TUploadCaptions c;
    if (uploaderPath.isEmpty())
        return c;
    c.ProgramName = QFileInfo(uploaderPath).completeBaseName();
    c.UploadPicture = QStringLiteral("&Upload picture through ") + c.ProgramName;
    c.UploadB = QStringLiteral("&Upload through ") + c.ProgramName;
    c.UploadSpHint = QStringLiteral("Upload show through ") + c.ProgramName;
    return c;
}
