// The metadata reader: `TimgData` reads a picture's EXIF block through
// exiv2 and offers its tags one by one through `TImageInfo`; it also
// carries a picture's metadata into a re-saved JPEG (`WriteExifJpeg`).
// The file type is told from the content, and only a JPEG's APP1 EXIF
// block (found by a bounds-checked walk of its header segments) is handed
// to exiv2's EXIF parser; exiv2 never picks a parser of its own. exiv2
// throws on damaged blocks; nothing of that leaves this unit.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

// One found tag: its number and its value as text.
struct TTagEntry {
    uint16_t Tag = 0;
    QString Name;  // e.g. "Exif.Photo.DateTimeOriginal"
    QString Data;  // the value as text, trailing NULs and blanks removed
};

class TImageInfo {
public:
    // kind 0: the EXIF tags (main picture and its EXIF sub-block), in the
    // order they stand in the file. False when no tag is left.
    bool NextFoundTag(int kind, TTagEntry& tag);
    void ResetIterator() { m_next = 0; }

    std::vector<TTagEntry> Tags;

private:
    size_t m_next = 0;
};

class TimgData {
public:
    explicit TimgData(int tagGroupMask = 255) : BuildList(tagGroupMask) {}

    // The tag-group mask (255: all groups).
    int BuildList;
    // The reader's diagnostic trace switch, cleared by the EXIF reads before
    // each read (the trace is on when not 0).
    int MetadataTraceSwitch = 0;

    // Reads the metadata of a file. False when the file cannot be processed
    // (missing, not a regular file, unreadable, not a JPEG, EXIF block
    // damaged beyond use); a JPEG without EXIF gives true and no tags.
    bool ProcessFile(const QString& path);
    // The same on bytes in memory.
    bool ProcessBytes(const QByteArray& bytes);

    bool HasExif() const { return !ExifObj.Tags.empty(); }

    // The found EXIF tags.
    TImageInfo ExifObj;

    // Convenience reads of the usual fields (empty when absent).
    QString DateTaken() const; // "YYYY:MM:DD HH:MM:SS" of DateTimeOriginal, else DateTime
    QString CameraMake() const;
    QString CameraModel() const;
    QSize PictureSize() const; // PixelXDimension x PixelYDimension, invalid when absent

    // Copies the metadata segments (APP1..APP15 and comments) of sourcePath
    // into jpegPath, a JPEG written from it (resized or re-compressed),
    // without decoding its pixels again; the EXIF pixel dimensions are set
    // to the new picture's size. The file is rewritten through a temporary
    // file. False (and jpegPath untouched) when either file is unreadable.
    bool WriteExifJpeg(const QString& sourcePath, const QString& jpegPath);

private:
    QString tagText(uint16_t tag) const;
    bool decodeExifBlock(const QByteArray& block);
};

// Byte-level form of WriteExifJpeg: returns the new JPEG, or an empty array
// on failure.
QByteArray CopyJpegMetadata(const QByteArray& sourceJpeg, const QByteArray& targetJpeg);

// Sets the EXIF pixel dimensions of a JPEG in memory to the given size where
// its EXIF block has them; returns the JPEG unchanged otherwise.
QByteArray UpdateExifPixelDimensions(const QByteArray& jpeg, QSize size);
