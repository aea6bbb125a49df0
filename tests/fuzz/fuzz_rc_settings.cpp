// Fuzz target of the automatic show's settings ("RCSettings.dat", one
// 664-byte record): the bytes are the file, read as the program reads it,
// and also decoded directly; a decoded record encodes to bytes that decode
// to the same record again.
#include "fuzz_files.h"

#include "base/rc_settings.h"

#include <cstdlib>

namespace {

void check(const TRCSettingsRecord& record)
{
    const QByteArray once = EncodeRCSettings(record);
    if (once.size() != RCSettingsSize || EncodeRCSettings(DecodeRCSettings(once)) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzfiles::Bytes(data, size);
    check(DecodeRCSettings(bytes));
    check(ReadRCSettings(fuzzfiles::Write(QStringLiteral("RCSettings.dat"), bytes)));
    return 0;
}
