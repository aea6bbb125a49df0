#include "formats/read_exif_info.h"

#include "formats/jpeg_segments.h"
#include "platform/regular_file.h"

#include <QFile>

namespace {

// The TIFF structure of an EXIF block, read with bounds checks: every
// offset and count is checked against the block (at most one APP1
// segment, under 64 KB), and only two directories are ever visited.
class TiffBlock {
public:
    explicit TiffBlock(const QByteArray& bytes) : m_b(bytes)
    {
        m_ok = m_b.size() >= 8 && ((m_b[0] == 'I' && m_b[1] == 'I') || (m_b[0] == 'M' && m_b[1] == 'M'));
        m_little = m_ok && m_b[0] == 'I';
        m_ok = m_ok && u16(2) == 42;
    }
    bool ok() const { return m_ok; }
    quint32 firstDirectory() const { return u32(4); }

    // One directory entry: tag, type, count and where its value stands.
    struct Entry {
        quint16 tag = 0;
        quint16 type = 0;
        quint32 count = 0;
        qint64 valueAt = 0;   // offset of the value (inline or pointed to); -1 when out of the block
    };

    // The entries of the directory at `offset` (none when it does not fit).
    template <typename Visit>
    void entries(quint32 offset, Visit visit) const
    {
        if (!fits(offset, 2))
            return;
        const int n = u16(offset);
        if (!fits(qint64(offset) + 2, qint64(n) * 12))
            return;
        for (int i = 0; i < n; ++i) {
            const qint64 at = qint64(offset) + 2 + qint64(i) * 12;
            Entry e;
            e.tag = u16(at);
            e.type = u16(at + 2);
            e.count = u32(at + 4);
            const qint64 size = qint64(typeSize(e.type)) * e.count;
            if (size <= 4)
                e.valueAt = at + 8;
            else
                e.valueAt = fits(u32(at + 8), size) ? qint64(u32(at + 8)) : -1;
            if (typeSize(e.type) == 0)
                e.valueAt = -1;
            visit(e);
        }
    }

    // An ASCII (or undefined-bytes) value as text: up to the first NUL,
    // trailing blanks removed.
    QString text(const Entry& e) const
    {
        if (e.valueAt < 0 || (e.type != 2 && e.type != 7) || !fits(e.valueAt, e.count))
            return QString();
        QByteArray raw = m_b.mid(qsizetype(e.valueAt), qsizetype(e.count));
        const qsizetype nul = raw.indexOf('\0');
        if (nul >= 0)
            raw.truncate(nul);
        while (!raw.isEmpty() && raw.back() == ' ')
            raw.chop(1);
        return QString::fromUtf8(raw);
    }
    // The first value of a SHORT or LONG entry as a number.
    bool number(const Entry& e, quint32& out) const
    {
        if (e.valueAt < 0 || e.count < 1)
            return false;
        if (e.type == 3)
            out = u16(e.valueAt);
        else if (e.type == 4 || e.type == 13)
            out = u32(e.valueAt);
        else
            return false;
        return true;
    }

private:
    static int typeSize(quint16 type)
    {
        switch (type) {
        case 1: case 2: case 6: case 7: return 1;
        case 3: case 8: return 2;
        case 4: case 9: case 11: case 13: return 4;
        case 5: case 10: case 12: return 8;
        default: return 0;
        }
    }
    bool fits(qint64 offset, qint64 count) const { return offset >= 0 && count >= 0 && offset + count <= m_b.size(); }
    quint16 u16(qint64 at) const
    {
        if (!fits(at, 2))
            return 0;
        const auto* p = reinterpret_cast<const unsigned char*>(m_b.constData()) + at;
        return m_little ? quint16(p[0] | (p[1] << 8)) : quint16((p[0] << 8) | p[1]);
    }
    quint32 u32(qint64 at) const
    {
        if (!fits(at, 4))
            return 0;
        const auto* p = reinterpret_cast<const unsigned char*>(m_b.constData()) + at;
        return m_little ? quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24)
                        : (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
    }

    const QByteArray& m_b;
    bool m_ok = false;
    bool m_little = true;
};

} // namespace

QString JoinCameraName(const QString& make, const QString& model)
{
    const QString m = make.trimmed();
    const QString mo = model.trimmed();
    if (mo.left(m.size()) == m)
        return mo;
    return m + QLatin1Char(' ') + mo;
}

ExifInfo ExifInfoOfBlock(const QByteArray& tiff)
{
    ExifInfo result;
    const TiffBlock block(tiff);
    if (!block.ok())
        return result;
    QString make, model, dateTime, dateTaken;
    bool seenMake = false, seenModel = false, seenTaken = false;
    quint32 exifDirectory = 0;
    block.entries(block.firstDirectory(), [&](const TiffBlock::Entry& e) {
        switch (e.tag) {
        case 271: make = block.text(e); seenMake = true; break;
        case 272: model = block.text(e); seenModel = true; break;
        case 306: dateTime = block.text(e); break;
        case 0x8769: block.number(e, exifDirectory); break;
        default: break;
        }
    });
    // The EXIF sub-directory; its maker notes (0x927C) are passed over.
    if (exifDirectory != 0 && exifDirectory != block.firstDirectory())
        block.entries(exifDirectory, [&](const TiffBlock::Entry& e) {
            quint32 n = 0;
            switch (e.tag) {
            case 36867: dateTaken = block.text(e); seenTaken = true; break;
            case 40962: if (block.number(e, n)) result.Width = QString::number(n); break;
            case 40963: if (block.number(e, n)) result.Height = QString::number(n); break;
            default: break;
            }
        });
    result.DateTaken = seenTaken ? dateTaken : dateTime;
    if (seenMake || seenModel)
        result.Camera = JoinCameraName(make, model);
    return result;
}

void ReadExifInfo(const QString& path, bool wantDate, bool wantCamera, bool wantDimensions, ExifInfo& result)
{
    result = ExifInfo();
    // Only a regular file, and of it only the JPEG header segments up to
    // the EXIF block.
    QFile file(path);
    if (!platform::OpenRegularFileForReading(file, path).isEmpty())
        return;
    const QByteArray tiff = FindJpegExifBlock([&file](qint64 offset, qint64 count) {
        if (!file.seek(offset))
            return QByteArray();
        return file.read(count);
    });
    if (tiff.isEmpty())
        return;
    const ExifInfo all = ExifInfoOfBlock(tiff);
    if (wantDate)
        result.DateTaken = all.DateTaken;
    if (wantCamera)
        result.Camera = all.Camera;
    if (wantDimensions) {
        result.Width = all.Width;
        result.Height = all.Height;
    }
}
