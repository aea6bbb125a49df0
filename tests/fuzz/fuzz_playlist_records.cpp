// Fuzz target of the playlists (".vxz", 208-byte records): the bytes are a
// playlist file. It is read as the program reads it; every track encodes
// to a record that decodes to the same track, and the list written back
// reads back the same.
#include "fuzz_files.h"

#include "base/sound_records.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = fuzzfiles::Write(QStringLiteral("fuzz.vxz"), fuzzfiles::Bytes(data, size));
    const QList<TPlaylistRecord> tracks = ReadPlaylist(file).Items;
    for (const TPlaylistRecord& track : tracks) {
        const QByteArray once = EncodePlaylistRecord(track);
        if (once.size() != PlaylistRecordSize || EncodePlaylistRecord(DecodePlaylistRecord(once)) != once)
            std::abort();
    }
    const QString copy = fuzzfiles::Folder() + QStringLiteral("/copy.vxz");
    if (WritePlaylist(copy, tracks).ok()) {
        const QList<TPlaylistRecord> again = ReadPlaylist(copy).Items;
        if (again.size() != tracks.size())
            std::abort();
        for (qsizetype i = 0; i < again.size(); ++i)
            if (EncodePlaylistRecord(again[i]) != EncodePlaylistRecord(tracks[i]))
                std::abort();
    }
    return 0;
}
