// Fuzz target of the folder exclusions ("ExcludeFolder.dat", 205-byte
// records): the bytes are the file. It is read as the program reads it,
// built into the exclusion list with the program's own folders, and folders
// taken from the records are tested against it; records re-encode stably.
#include "fuzz_files.h"

#include "browse/folder_exclusions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = fuzzfiles::Write(QStringLiteral("ExcludeFolder.dat"), fuzzfiles::Bytes(data, size));
    const std::vector<TExcludeFolderRecord> records = ReadExcludeFolderFile(file).Items;
    for (const TExcludeFolderRecord& record : records) {
        const QByteArray once = EncodeExcludeFolderRecord(record);
        if (once.size() != ExcludeFolderRecordSize)
            std::abort();
        if (EncodeExcludeFolderRecord(DecodeExcludeFolderRecord(once)) != once)
            std::abort();
        (void)ChoiceOfRecord(record);
    }
    const std::vector<TExcludeFolderRecord> list =
        BuildExclusionList(records, {QStringLiteral("/own/shows"), QStringLiteral("/own/temp")});
    ExclusionRules rules;
    rules.excludeSmallPics = size % 2 == 1;
    rules.cutOutFolder = QStringLiteral("/own/temp/cut out bitmap files");
    for (const TExcludeFolderRecord& record : records) {
        const QString key = ExclusionKey(record.Path);
        (void)IsFolderExcluded(list, rules, key, true, false, false);
        (void)IsFolderExcluded(list, rules, key + QStringLiteral("/sub"), false, true, true);
        (void)FindExclusionRecord(records, record.Path);
    }
    return 0;
}
