// Fuzz target of the show files (".vxt"): the bytes are a show file. It is
// probed for its layout (the current one and the two older ones), opened as
// the program opens a show (working copy, record by record), its picture
// paths read, and each record of every layout decoded; a decoded record
// encodes to bytes that decode to the same record again.
#include "fuzz_files.h"

#include "shows/show_file.h"
#include "shows/show_record.h"

#include <cstdlib>

namespace {

void checkRecord(const QByteArray& bytes)
{
    const TShowRecord record = DecodeShowRecord(bytes);
    (void)record.HasText();
    for (int32_t code : record.TextDelays)
        (void)TextDelayMs(code);
    const QByteArray once = EncodeShowRecord(record);
    if (once.size() != ShowRecordSize)
        std::abort();
    if (EncodeShowRecord(DecodeShowRecord(once)) != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzfiles::Bytes(data, size);
    // Records of every layout, as a conversion would walk them.
    for (int recordSize : {ShowRecordSize, ShowRecordSizeV24, ShowRecordSizeV1})
        for (qsizetype at = 0; at < bytes.size() && at < 4 * recordSize; at += recordSize)
            checkRecord(bytes.mid(at, recordSize));
    (void)ProbeShowFileFormat(bytes.size());

    OpenShow openShow;
    const QString show = fuzzfiles::Write(QStringLiteral("fuzz.vxt"), bytes);
    (void)ReadShowPicturePaths(show);
    if (PrepareShowWorkingCopy(openShow, show, fuzzfiles::Folder() + QStringLiteral("/work.tmp")).ok()) {
        const qint64 count = OpenShowCount(openShow);
        for (qint64 i = 0; i < count; ++i) {
            TShowRecord record;
            if (!ReadShowRecord(openShow, i, record).ok())
                std::abort(); // a file accepted as a show has whole records
        }
    }
    CloseOpenShow(openShow);
    return 0;
}
