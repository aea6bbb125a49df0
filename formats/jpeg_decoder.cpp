#include "formats/jpeg_decoder.h"

#include "formats/area_average.h"
#include "formats/picture_errors.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
// It jumps back into the decode routine; no C++ object with a destructor
// lives between the setjmp and the jump (see DecodeJob).
struct JumpErrorMgr {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int warnings;
    bool truncated;
};

void jumpErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<JumpErrorMgr*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void countWarnings(j_common_ptr cinfo, int level)
{
    auto* err = reinterpret_cast<JumpErrorMgr*>(cinfo->err);
    if (level >= 0)
        return; // trace messages
    ++err->warnings;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF || cinfo->err->msg_code == JWRN_HIT_MARKER) {
        // The data ended before the picture was filled (the file ends, or
        // the next marker comes, in the middle of the coded data): libjpeg
        // would paint the rest grey; the picture is not valid.
        err->truncated = true;
        std::snprintf(err->message, sizeof err->message, "JPEG file is truncated");
        std::longjmp(err->jump, 1);
    }
    if (err->warnings > 1000) {
        std::snprintf(err->message, sizeof err->message, "JPEG data is corrupt");
        std::longjmp(err->jump, 1);
    }
}

void silentOutput(j_common_ptr) {}

// Everything the decode touches after setjmp lives here, on the heap, so a
// jump leaves nothing half-destroyed: the caller frees it afterwards.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    JumpErrorMgr err;
    bool created = false;
    unsigned char* pixels = nullptr;   // malloc'ed RGB32 output
    unsigned char* cmykRow = nullptr;  // one CMYK line, malloc'ed
    int outWidth = 0;
    int outHeight = 0;
    int scaleNum = 8;
    JpegHeaderInfo header;
    // With a size to bring the decoded picture to: that picture (malloc'ed
    // RGB32) and its shrinking, which runs beside the decode.
    QSize fittedSize;
    unsigned char* fitted = nullptr;
    AreaAverageInBands* bands = nullptr;
    // The scans a reduced progressive decode reads instead of the rest of
    // the data (malloc'ed; see readOnlyUsedScans).
    unsigned char* usedScans = nullptr;

    ~DecodeJob()
    {
        // No band may still read the decoded rows when they go.
        delete bands;
        if (created)
            jpeg_destroy_decompress(&cinfo);
        std::free(pixels);
        std::free(fitted);
        std::free(cmykRow);
        std::free(usedScans);
    }
};

// Memory libjpeg may use for its own buffers (a progressive picture keeps
// all its coefficients).
constexpr long MaxLibjpegMemory = 512L * 1024 * 1024;

void startJob(DecodeJob* job, const QByteArray& bytes)
{
    job->cinfo.err = jpeg_std_error(&job->err.pub);
    job->err.pub.error_exit = jumpErrorExit;
    job->err.pub.emit_message = countWarnings;
    job->err.pub.output_message = silentOutput;
    job->err.warnings = 0;
    job->err.truncated = false;
    job->err.message[0] = 0;
}

// The helpers below run inside runJob's setjmp frame: they hold no C++
// objects, so a libjpeg error may jump out of them.

// Refuses a header whose data cannot fill it, and a progressive picture whose
// coefficients would not fit in libjpeg's memory limit.
bool refuseOversizedHeader(DecodeJob* job, unsigned long size)
{
    const qint64 w = job->cinfo.image_width;
    const qint64 h = job->cinfo.image_height;
    if (w <= 0 || h <= 0) {
        std::snprintf(job->err.message, sizeof job->err.message, "JPEG picture has no pixels");
        return true;
    }
    // With Huffman coding every 8 x 8 block of every component costs at
    // least one bit (its DC difference code); a header claiming more blocks
    // than the data has bits cannot be filled by it and is refused before
    // anything is allocated for it. Arithmetic coding can go far below a
    // bit a block, so only a loose bound holds there.
    qint64 blocks = 0;
    for (int c = 0; c < job->cinfo.num_components; ++c)
        blocks += qint64(job->cinfo.comp_info[c].width_in_blocks) * qint64(job->cinfo.comp_info[c].height_in_blocks);
    const qint64 blocksPerByte = job->cinfo.arith_code ? 8 * 1024 : 8;
    if (blocks > qint64(size) * blocksPerByte) {
        std::snprintf(job->err.message, sizeof job->err.message, "JPEG data is too short for its size (%lldx%lld)",
                      static_cast<long long>(w), static_cast<long long>(h));
        return true;
    }
    if (job->header.progressive) {
        // All coefficients stay in memory: 2 bytes a sample before subsampling.
        const qint64 coefficientBytes = w * h * job->cinfo.num_components * 2;
        if (coefficientBytes > MaxLibjpegMemory) {
            std::snprintf(job->err.message, sizeof job->err.message, "JPEG picture is too large (%lldx%lld)",
                          static_cast<long long>(w), static_cast<long long>(h));
            return true;
        }
    }
    return false;
}

// Chooses the DCT scale for the target size and the output colour space,
// and allocates the output buffer (and a CMYK row). False when the output is
// too large or the memory is not there.
bool prepareOutput(DecodeJob* job, int targetW, int targetH)
{
    job->scaleNum = ChooseJpegScale(job->header.size, QSize(targetW, targetH));
    job->cinfo.scale_num = static_cast<unsigned>(job->scaleNum);
    job->cinfo.scale_denom = 8;
    job->cinfo.dct_method = JDCT_ISLOW;
    if (job->scaleNum < 8) {
        // A reduced picture: the plain chroma upsampling is indistinguishable
        // at that size and markedly cheaper.
        job->cinfo.do_fancy_upsampling = FALSE;
        job->cinfo.dct_method = JDCT_IFAST;
    }
    const bool cmyk = job->cinfo.jpeg_color_space == JCS_CMYK || job->cinfo.jpeg_color_space == JCS_YCCK;
    job->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_calc_output_dimensions(&job->cinfo);
    const qint64 ow = job->cinfo.output_width;
    const qint64 oh = job->cinfo.output_height;
    if (ow <= 0 || oh <= 0 || ow * oh > MaxDecodedPixels || ow > 32767 || oh > 32767) {
        std::snprintf(job->err.message, sizeof job->err.message, "JPEG picture is too large (%lldx%lld)",
                      static_cast<long long>(job->cinfo.image_width), static_cast<long long>(job->cinfo.image_height));
        return false;
    }
    job->outWidth = int(ow);
    job->outHeight = int(oh);
    job->pixels = static_cast<unsigned char*>(std::malloc(size_t(ow) * 4 * size_t(oh)));
    if (cmyk)
        job->cmykRow = static_cast<unsigned char*>(std::malloc(size_t(ow) * 4));
    if (!job->pixels || (cmyk && !job->cmykRow)) {
        std::snprintf(job->err.message, sizeof job->err.message, "Out of memory decoding JPEG");
        return false;
    }
    return true;
}

// With a fitted size that the decoded picture exceeds (and covers on both
// sides), the fitted picture and the shrinking in bands that fills it.
bool prepareFitted(DecodeJob* job, bool toTarget, int targetW, int targetH)
{
    if (!toTarget || targetW <= 0 || targetH <= 0 || targetW > job->outWidth || targetH > job->outHeight
        || (targetW == job->outWidth && targetH == job->outHeight))
        return true;
    job->fitted = static_cast<unsigned char*>(std::malloc(size_t(targetW) * 4 * size_t(targetH)));
    if (!job->fitted) {
        std::snprintf(job->err.message, sizeof job->err.message, "Out of memory decoding JPEG");
        return false;
    }
    job->fittedSize = QSize(targetW, targetH);
    job->bands = new AreaAverageInBands(AreaAverage(QSize(job->outWidth, job->outHeight), job->fittedSize),
                                        job->pixels, qsizetype(job->outWidth) * 4, job->fitted, qsizetype(targetW) * 4);
    return true;
}

// The end of a scan's coded data from `pos`: the first marker that is no
// stuffed byte and no restart marker (fill bytes before it are left out).
// -1 when the data ends first.
qint64 scanDataEnd(const unsigned char* data, qint64 size, qint64 pos)
{
    while (pos < size) {
        const void* ff = std::memchr(data + pos, 0xFF, size_t(size - pos));
        if (!ff)
            return -1;
        const qint64 at = static_cast<const unsigned char*>(ff) - data;
        qint64 next = at + 1;
        while (next < size && data[next] == 0xFF)
            ++next;
        if (next >= size)
            return -1;
        const unsigned char m = data[next];
        if (m != 0x00 && (m < 0xD0 || m > 0xD7))
            return at;
        pos = next + 1;
    }
    return -1;
}

// Copies the data from `start` (the coded data of the scan whose header
// libjpeg has just read) to the end of the picture into `out`, leaving out
// every scan of AC coefficients of the components in `dcOnly` (component
// ids; a progressive AC scan holds one component). The other scans, the
// tables between them and the end marker are copied as they are. Returns
// the bytes written, or 0 when the data is not laid out as expected (then
// nothing is left out).
qint64 copyUsedScans(const unsigned char* data, qint64 size, qint64 start, const bool dcOnly[256], unsigned char* out)
{
    qint64 written = 0;
    const auto copy = [&](qint64 from, qint64 to) {
        std::memcpy(out + written, data + from, size_t(to - from));
        written += to - from;
    };
    qint64 end = scanDataEnd(data, size, start);
    if (end < 0)
        return 0;
    copy(start, end);
    qint64 pos = end;
    for (int segments = 0; segments < 100000; ++segments) {
        if (pos + 2 > size || data[pos] != 0xFF)
            return 0;
        while (pos + 2 < size && data[pos + 1] == 0xFF)   // fill bytes before a marker
            ++pos;
        const unsigned char marker = data[pos + 1];
        if (marker == 0xD9) {   // end of picture
            copy(pos, pos + 2);
            return written;
        }
        if ((marker >= 0xD0 && marker <= 0xD8) || marker == 0x01 || pos + 4 > size)
            return 0;
        const qint64 length = (qint64(data[pos + 2]) << 8) | data[pos + 3];
        const qint64 body = pos + 2 + length;
        if (length < 2 || body > size)
            return 0;
        if (marker != 0xDA) {   // tables, restart interval, comments: kept
            copy(pos, body);
            pos = body;
            continue;
        }
        const int components = length >= 3 ? data[pos + 4] : 0;
        if (components < 1 || components > 4 || length != 6 + 2 * components)
            return 0;
        const int spectralStart = data[pos + 5 + 2 * components];
        bool unused = spectralStart > 0;
        for (int c = 0; c < components; ++c)
            unused = unused && dcOnly[data[pos + 5 + 2 * c]];
        end = scanDataEnd(data, size, body);
        if (end < 0)
            return 0;
        if (!unused)
            copy(pos, end);
        pos = end;
    }
    return 0;
}

// A progressive picture decoded at 1/8 makes each 8 x 8 block of a
// component with the 1 x 1 inverse DCT one output sample: its DC
// coefficient alone. The scans that refine the AC coefficients of such
// components (most of a progressive file) are then never used, so the rest
// of the data is handed to libjpeg without them: the same pixels, without
// decoding what they do not depend on. Needs the header read and the output
// dimensions calculated; leaves the data as it is when nothing would be
// saved or the data is not laid out as expected.
void readOnlyUsedScans(DecodeJob* job, const unsigned char* data, unsigned long size)
{
    jpeg_decompress_struct& cinfo = job->cinfo;
    if (!job->header.progressive || !cinfo.src)
        return;
    bool dcOnly[256] = {};
    bool any = false;
    for (int c = 0; c < cinfo.num_components; ++c) {
        const jpeg_component_info& comp = cinfo.comp_info[c];
#if JPEG_LIB_VERSION >= 70
        const bool oneByOne = comp.DCT_h_scaled_size == 1 && comp.DCT_v_scaled_size == 1;
#else
        const bool oneByOne = comp.DCT_scaled_size == 1;
#endif
        if (oneByOne) {
            dcOnly[comp.component_id & 0xFF] = true;
            any = true;
        }
    }
    // The scan whose header was just read must be one that is used.
    if (!any || cinfo.comps_in_scan < 1 || (cinfo.Ss > 0 && dcOnly[cinfo.cur_comp_info[0]->component_id & 0xFF]))
        return;
    const qint64 start = cinfo.src->next_input_byte - data;
    if (start < 0 || start > qint64(size) || qint64(size) - start != qint64(cinfo.src->bytes_in_buffer))
        return;
    auto* out = static_cast<unsigned char*>(std::malloc(size_t(size - start)));
    if (!out)
        return;
    const qint64 written = copyUsedScans(data, qint64(size), start, dcOnly, out);
    if (written <= 0 || written == qint64(size) - start) {
        std::free(out);
        return;
    }
    job->usedScans = out;
    cinfo.src->next_input_byte = out;
    cinfo.src->bytes_in_buffer = size_t(written);
    // The smoothing of blocks whose AC coefficients are not all known
    // (meant for pictures shown before all scans arrived) must not start on
    // the left-out scans; it changes AC coefficients only, which these
    // components do not use.
    cinfo.do_block_smoothing = FALSE;
}

// A progressive picture is filled only when every component got its DC scan;
// scans missing before the end leave it grey.
bool progressiveScansComplete(const DecodeJob* job)
{
    if (!job->header.progressive || !job->cinfo.coef_bits)
        return true;
    for (int c = 0; c < job->cinfo.num_components; ++c)
        if (job->cinfo.coef_bits[c][0] < 0)
            return false;
    return true;
}

// One CMYK row (Adobe's inverted form or plain) into BGRA.
void cmykRowToBgra(const unsigned char* row, unsigned char* line, qint64 width, bool inverted)
{
    for (qint64 x = 0; x < width; ++x) {
        int c = row[x * 4], m = row[x * 4 + 1], y = row[x * 4 + 2], k = row[x * 4 + 3];
        if (!inverted) {
            c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
        }
        line[x * 4 + 0] = static_cast<unsigned char>(y * k / 255);
        line[x * 4 + 1] = static_cast<unsigned char>(m * k / 255);
        line[x * 4 + 2] = static_cast<unsigned char>(c * k / 255);
        line[x * 4 + 3] = 255;
    }
}

// Runs the header read (and, with decode set, the whole decode) in a
// function that holds no C++ objects, so longjmp is safe.
bool runJob(DecodeJob* job, const unsigned char* data, unsigned long size, int targetW, int targetH, bool decode,
            bool toTarget = false)
{
    if (setjmp(job->err.jump))
        return false;
    jpeg_create_decompress(&job->cinfo);
    job->created = true;
    job->cinfo.mem->max_memory_to_use = MaxLibjpegMemory;
    jpeg_mem_src(&job->cinfo, data, size);
    jpeg_read_header(&job->cinfo, TRUE);
    job->header.size = QSize(int(job->cinfo.image_width), int(job->cinfo.image_height));
    job->header.components = job->cinfo.num_components;
    job->header.progressive = jpeg_has_multiple_scans(&job->cinfo);
    if (!decode)
        return true;
    if (refuseOversizedHeader(job, size) || !prepareOutput(job, targetW, targetH)
        || !prepareFitted(job, toTarget, targetW, targetH))
        return false;
    readOnlyUsedScans(job, data, size);

    jpeg_start_decompress(&job->cinfo);
    // A progressive picture has been read whole by now.
    if (!progressiveScansComplete(job)) {
        std::snprintf(job->err.message, sizeof job->err.message, "JPEG file is truncated");
        return false;
    }
    const bool cmyk = job->cinfo.out_color_space == JCS_CMYK;
    const bool inverted = job->cinfo.saw_Adobe_marker;
    const size_t stride = size_t(job->outWidth) * 4;
    while (job->cinfo.output_scanline < job->cinfo.output_height) {
        unsigned char* line = job->pixels + stride * job->cinfo.output_scanline;
        JSAMPROW row = cmyk ? job->cmykRow : line;
        if (jpeg_read_scanlines(&job->cinfo, &row, 1) != 1)
            break;
        if (cmyk)
            cmykRowToBgra(row, line, job->outWidth, inverted);
        if (job->bands)
            job->bands->sourceRowsReady(int(job->cinfo.output_scanline));
    }
    jpeg_finish_decompress(&job->cinfo);
    return true;
}

[[noreturn]] void fail(const DecodeJob& job, const char* fallback)
{
    throw EJPEGError(job.err.message[0] ? job.err.message : fallback);
}

void checkInput(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        throw EJPEGError("Empty file");
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xD8)
        throw EJPEGError("Not a JPEG file");
}

} // namespace

JpegHeaderInfo ReadJpegHeader(const QByteArray& bytes)
{
    checkInput(bytes);
    auto job = std::make_unique<DecodeJob>();
    startJob(job.get(), bytes);
    if (!runJob(job.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                static_cast<unsigned long>(bytes.size()), 0, 0, false))
        fail(*job, "Invalid JPEG header");
    return job->header;
}

QSize ScaledJpegSize(QSize trueSize, int scaleNum)
{
    // libjpeg rounds the scaled dimension up.
    const auto up = [scaleNum](int v) { return int((qint64(v) * scaleNum + 7) / 8); };
    return QSize(up(trueSize.width()), up(trueSize.height()));
}

int ChooseJpegScale(QSize trueSize, QSize target)
{
    if (target.width() <= 0 || target.height() <= 0 || trueSize.width() <= 0 || trueSize.height() <= 0)
        return 8;
    for (int n = 1; n < 8; ++n) {
        const QSize s = ScaledJpegSize(trueSize, n);
        if (s.width() >= target.width() && s.height() >= target.height())
            return n;
    }
    return 8;
}

namespace {

DecodedJpeg decode(const QByteArray& bytes, QSize target, bool toTarget)
{
    checkInput(bytes);
    auto job = std::make_unique<DecodeJob>();
    startJob(job.get(), bytes);
    if (!runJob(job.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                static_cast<unsigned long>(bytes.size()), target.width(), target.height(), true, toTarget))
        fail(*job, "Invalid JPEG data");
    DecodedJpeg out;
    out.trueSize = job->header.size;
    out.scaleNum = job->scaleNum;
    QSize size(job->outWidth, job->outHeight);
    unsigned char* pixels = job->pixels;
    if (job->bands) {
        job->bands->finish();
        size = job->fittedSize;
        pixels = job->fitted;
        job->fitted = nullptr;
    } else {
        job->pixels = nullptr;
    }
    // The image owns its pixels from here.
    out.image = QImage(pixels, size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
                       [](void* p) { std::free(p); }, pixels);
    return out;
}

} // namespace

DecodedJpeg DecodeJpeg(const QByteArray& bytes, QSize target)
{
    return decode(bytes, target, false);
}

DecodedJpeg DecodeJpegToSize(const QByteArray& bytes, QSize target)
{
    return decode(bytes, target, true);
}
