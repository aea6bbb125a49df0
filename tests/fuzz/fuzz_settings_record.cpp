// Decodes arbitrary bytes as a settings record and as an additional settings
// record: decoding must never crash, and a decoded record must encode to bytes
// that decode to the same record again.
#include "base/add_settings_record.h"
#include "base/settings_fields.h"
#include "platform/fixed_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QByteArray Fit(const uint8_t* data, size_t size, int recordSize)
{
    QByteArray bytes(recordSize, '\0');
    if (size > 0)  // an empty input may come with no buffer at all
        std::memcpy(bytes.data(), data, std::min<size_t>(size, size_t(recordSize)));
    return bytes;
}

void CheckSettings(const QByteArray& bytes)
{
    TSettingsRecord rec;
    if (!DecodeSettings(bytes, rec).ok())
        return;
    const QByteArray once = EncodeSettings(rec);
    if (once.size() != SettingsRecordSize)
        std::abort();
    TSettingsRecord again;
    if (!DecodeSettings(once, again).ok() || EncodeSettings(again) != once)
        std::abort();
    // Merging a record with itself changes nothing.
    TSettingsRecord merged = again;
    MergeSettings(merged, again, rec);
    (void)AutoShowOptionsMatch(merged);
}

void CheckAddSettings(const QByteArray& bytes)
{
    TAddSettingsRecord rec;
    if (!DecodeAddSettings(bytes, rec).ok())
        return;
    const QByteArray once = EncodeAddSettings(rec);
    TAddSettingsRecord again;
    if (!DecodeAddSettings(once, again).ok() || EncodeAddSettings(again) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    // As given (usually the wrong size: must be refused cleanly) ...
    CheckSettings(raw);
    CheckAddSettings(raw);
    // ... and cut or padded to a whole record.
    CheckSettings(Fit(data, size, SettingsRecordSize));
    CheckAddSettings(Fit(data, size, AddSettingsRecordSize));
    // The bytes as one stored text.
    if (size > 0)
        (void)platform::DecodeFixedText(data, int(std::min<size_t>(size - 1, 255)));
    return 0;
}
