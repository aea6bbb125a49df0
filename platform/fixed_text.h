// Fixed-capacity length-prefixed texts of stored records: one length byte
// (0..N) followed by N text bytes; the field takes N+1 bytes.
//
// Texts are written as UTF-8, cut at a character boundary so that at most N
// bytes are used. On reading, a length byte above N is cut to N, and bytes that
// are not valid UTF-8 (texts stored in the Windows-1252 code page) are read
// as Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace platform {

// The UTF-8 bytes of `text`, cut at a character boundary to at most
// `capacity` bytes (a character never gets split; nor does a surrogate pair).
QByteArray FixedTextBytes(const QString& text, int capacity);

// `text` as it would read back after being stored in a field of `capacity`.
QString FixedTextCut(const QString& text, int capacity);

// Writes the field at `dest` (capacity + 1 bytes): the length byte and the
// text bytes. Bytes after the text are left as they stand in `dest`.
void EncodeFixedText(const QString& text, int capacity, uint8_t* dest);

// Reads the field at `src` (capacity + 1 bytes). A length byte above the
// capacity is cut to the capacity.
QString DecodeFixedText(const uint8_t* src, int capacity);

// Bytes to text: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString DecodeStoredBytes(const char* bytes, qsizetype size);

// The stored length byte of the field at `src`, cut to the capacity.
int FixedTextLength(const uint8_t* src, int capacity);

} // namespace platform
