// Fuzz target of the list of known show files ("AllMyShow.dat", 201-byte
// records): the bytes are the file. It is read, its paths renamed after a
// folder rename taken from the first path, written back and read again.
#include "fuzz_files.h"

#include "shows/known_shows.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString list = fuzzfiles::Write(QStringLiteral("AllMyShow.dat"), fuzzfiles::Bytes(data, size));
    QStringList paths = ReadKnownShows(list, false).Items;
    (void)ReadKnownShows(list, true);
    for (const QString& path : paths) {
        const QString stored = DecodeShowListRecord(EncodeShowListRecord(path));
        if (DecodeShowListRecord(EncodeShowListRecord(stored)) != stored)
            std::abort();
    }
    if (!paths.isEmpty()) {
        const QString prefix = paths.first().left(paths.first().size() / 2);
        (void)RenameKnownShowFolder(paths, prefix.toLower(), QStringLiteral("/renamed"), int(prefix.size()));
    }
    const QString copy = fuzzfiles::Folder() + QStringLiteral("/AllMyShow-copy.dat");
    QStringList written = paths;
    if (WriteKnownShows(copy, written).ok()) {
        // What was written reads back as the same paths (each cut to fit).
        const QStringList again = ReadKnownShows(copy, false).Items;
        QStringList expected;
        for (const QString& path : written) {
            const QString stored = DecodeShowListRecord(EncodeShowListRecord(path));
            if (!stored.isEmpty())
                expected << stored;
        }
        if (again != expected)
            std::abort();
    }
    return 0;
}
