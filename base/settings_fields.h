// The field table of the settings record and everything it drives: reading and
// writing the 12048-byte record, the first-run values, the field-by-field
// three-way merge at close and the automatic-show comparison.
#pragma once

#include "base/settings_record.h"
#include "platform/record_file.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

enum class TFieldKind { Int32, Byte, Char, Double, Text };

// One field (or list of fields of one kind) of a record of type R.
template <typename R>
struct TRecordField {
    const char* Name;  // the field's name, as in the record struct
    int Offset;        // byte offset of entry 0 in the stored record
    TFieldKind Kind;
    int Capacity = 0;  // texts: capacity N of string[N] (the field takes N+1 bytes)
    int Count = 1;     // entries of a list (1 for a single field)
    int Stride = 0;    // bytes from one entry to the next
    void* (*At)(R&, int) = nullptr;  // address of entry `index` in memory

    // Bytes of one entry on disk.
    int Width() const
    {
        switch (Kind) {
        case TFieldKind::Int32: return 4;
        case TFieldKind::Byte:
        case TFieldKind::Char: return 1;
        case TFieldKind::Double: return 8;
        case TFieldKind::Text: return Capacity + 1;
        }
        return 0;
    }
    const void* AtConst(const R& rec, int index) const { return At(const_cast<R&>(rec), index); }
};

using TSettingsField = TRecordField<TSettingsRecord>;

// One entry of a field to and from its stored bytes; comparison and copy of
// entries in memory (numbers bit for bit, texts as whole texts).
namespace recordcodec {
void EncodeEntry(TFieldKind kind, int capacity, const void* value, uint8_t* dest);
void DecodeEntry(TFieldKind kind, int capacity, const uint8_t* src, void* value);
bool EntriesEqual(TFieldKind kind, const void* a, const void* b);
void CopyEntry(TFieldKind kind, void* dest, const void* src);
} // namespace recordcodec

// Every field of the settings record in ascending offset, `AutoShowOptions`
// field by field.
const std::vector<TSettingsField>& SettingsFields();
// The field of that name (e.g. "RecentFolders", "AutoShowOptions.PlayOrder"), or nullptr.
const TSettingsField* FindSettingsField(const QString& name);

// Codec. Encoding starts from `RawBytes`, so uncovered bytes and the bytes after
// a text's length are written as they were read; a text that still reads as it
// was read keeps its stored bytes exactly. Decoding a buffer of 12048 bytes
// never fails (bad length bytes are cut, non-UTF-8 texts read as Windows-1252);
// any other size gives WrongSize and leaves `rec` unchanged.
QByteArray EncodeSettings(const TSettingsRecord& rec);
platform::RecordResult DecodeSettings(const QByteArray& bytes, TSettingsRecord& rec);

// Reads record 0 of a settings file. A file shorter than one record gives
// Truncated (a missing one NotFound); `rec` is then left unchanged. Bytes after
// the first record are ignored.
platform::RecordResult ReadSettingsFile(const QString& path, TSettingsRecord& rec);
// Writes `rec` as the one record of the settings file, through a temporary
// file and rename: a failed write leaves the old file whole.
platform::RecordResult WriteSettingsFile(const QString& path, const TSettingsRecord& rec);

// What the first-run values take from the machine.
struct TFirstRunInputs {
    QString DataFolder;       // the data folder, e.g. ~/.local/share/Vistamo
    QString DataFolderDrive;  // the data folder's drive as a target path: its mount point ("/", "/home")
    QString FontName;         // the main window's font name
    uint8_t FontStyle = 0;    // the main window's font style bits
    int DayOfMonth = 1;       // today's day of month
};

// Fills `rec` with the first-run values (a fresh record: every other byte 0).
void FillFirstRunSettings(TSettingsRecord& rec, const TFirstRunInputs& in);

// First start: fills `rec` with the first-run values, lets `findEditPrograms`
// fill the first free `EditPrograms` entries, and writes the record as the one
// record of a new settings file at `path`.
platform::RecordResult InitDefaultSettings(const QString& path, TSettingsRecord& rec,
                                           const TFirstRunInputs& in,
                                           const std::function<void(TSettingsRecord&)>& findEditPrograms = {});

// Three-way merge: for every field unit (each number, each whole text, each
// list entry) L takes D's value when L equals S, and keeps its own otherwise.
// Afterwards the recent, favourites, history and program lists are packed at
// the front (and the first three hold no entry twice). Touches only `L`.
void MergeSettings(TSettingsRecord& L, const TSettingsRecord& S, const TSettingsRecord& D);

// Packs a list: non-empty entries move to the front in their order, the empty
// ones go last. With `dropDuplicates`, a later entry equal to an earlier one is
// dropped (case-insensitive when `caseInsensitive`).
template <size_t N>
void PackList(std::array<QString, N>& list, bool dropDuplicates = false, bool caseInsensitive = true);

// True when the 17 `AutoShowOptions` equal the live play options.
bool AutoShowOptionsMatch(const TSettingsRecord& rec);
// Stores the live play options in `AutoShowOptions`.
void StorePlayOptionsInAutoShow(TSettingsRecord& rec);

// --- template definitions ---
template <size_t N>
void PackList(std::array<QString, N>& list, bool dropDuplicates, bool caseInsensitive)
{
    std::array<QString, N> packed;
    size_t n = 0;
    for (const QString& entry : list) {
        if (entry.isEmpty())
            continue;
        bool dup = false;
        if (dropDuplicates) {
            for (size_t i = 0; i < n && !dup; ++i)
                dup = packed[i].compare(entry, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
        }
        if (!dup)
            packed[n++] = entry;
    }
    list = packed;
}
