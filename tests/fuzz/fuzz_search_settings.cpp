// Fuzz target of the sound-search settings ("VXSearchSettings.dat", one
// 3920-byte record): the bytes are the file, read as the program reads it,
// and also decoded directly (cut or padded to a record); a decoded record
// encodes to bytes that decode to the same record again.
#include "fuzz_files.h"

#include "base/sound_records.h"

#include <cstdlib>

namespace {

void check(const TSearchSettingsRecord& record)
{
    const QByteArray once = EncodeSearchSettings(record);
    if (once.size() != SearchSettingsSize || EncodeSearchSettings(DecodeSearchSettings(once)) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzfiles::Bytes(data, size);
    check(DecodeSearchSettings(bytes));
    QByteArray padded = bytes.left(SearchSettingsSize);
    padded.resize(SearchSettingsSize, '\0');
    check(DecodeSearchSettings(padded));
    const QString file = fuzzfiles::Write(QStringLiteral("VXSearchSettings.dat"), bytes);
    TSearchSettingsRecord record;
    if (ReadSearchSettings(file, record).ok())
        check(record);
    return 0;
}
