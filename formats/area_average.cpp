#include "formats/area_average.h"

#include "platform/worker_pool.h"

#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int WeightBits = 8;
constexpr int WeightOne = 1 << WeightBits;

} // namespace

AreaAverage::AreaAverage(QSize from, QSize to) : m_from(from), m_to(to)
{
    plan(from.width(), to.width(), m_columns, m_columnWeights);
    plan(from.height(), to.height(), m_rows, m_rowWeights);
}

// Target pixel i covers [i * from, (i + 1) * from) and source pixel j covers
// [j * to, (j + 1) * to), both in units of 1/(from * to) of the picture.
void AreaAverage::plan(int from, int to, std::vector<Span>& spans, std::vector<std::uint16_t>& weights)
{
    spans.assign(size_t(to), Span());
    weights.clear();
    for (int i = 0; i < to; ++i) {
        const qint64 start = qint64(i) * from, end = qint64(i + 1) * from;
        Span& span = spans[size_t(i)];
        span.first = int(start / to);
        span.weights = int(weights.size());
        int sum = 0, largest = 0;
        for (qint64 j = span.first; j * to < end && j < from; ++j) {
            const qint64 covered = std::min(end, (j + 1) * to) - std::max(start, j * to);
            const int w = int((covered * WeightOne + from / 2) / from);
            if (span.count == 0 || w > weights[size_t(span.weights + largest)])
                largest = span.count;
            weights.push_back(std::uint16_t(w));
            sum += w;
            ++span.count;
        }
        // The weights sum to exactly one, so a flat colour stays that colour.
        weights[size_t(span.weights + largest)] = std::uint16_t(weights[size_t(span.weights + largest)] + WeightOne - sum);
    }
}

int AreaAverage::sourceRowsFor(int end) const
{
    if (end <= 0)
        return 0;
    const Span& last = m_rows[size_t(std::min(end, m_to.height()) - 1)];
    return last.first + last.count;
}

void AreaAverage::scaleRows(const std::uint8_t* source, qsizetype sourceStride, std::uint8_t* target,
                            qsizetype targetStride, int first, int end) const
{
    const int values = m_from.width() * 4;
    // One target row averaged over its source rows, still at the source's
    // width: each value the sum of 256 weighted parts (at most 255 x 256).
    std::vector<std::uint16_t> line(static_cast<size_t>(values));
    std::uint16_t* sum = line.data();
    for (int y = first; y < end; ++y) {
        const Span& rows = m_rows[size_t(y)];
        const std::uint16_t* rowWeights = m_rowWeights.data() + rows.weights;
        for (int k = 0; k < rows.count; ++k) {
            const std::uint8_t* s = source + sourceStride * (rows.first + k);
            const std::uint16_t w = rowWeights[k];
            int i = 0;
#if defined(__SSE2__)
            const __m128i ww = _mm_set1_epi16(std::int16_t(w));
            const __m128i zero = _mm_setzero_si128();
            for (; i + 16 <= values; i += 16) {
                const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
                __m128i lo = _mm_mullo_epi16(_mm_unpacklo_epi8(bytes, zero), ww);
                __m128i hi = _mm_mullo_epi16(_mm_unpackhi_epi8(bytes, zero), ww);
                if (k > 0) {
                    lo = _mm_add_epi16(lo, _mm_loadu_si128(reinterpret_cast<const __m128i*>(sum + i)));
                    hi = _mm_add_epi16(hi, _mm_loadu_si128(reinterpret_cast<const __m128i*>(sum + i + 8)));
                }
                _mm_storeu_si128(reinterpret_cast<__m128i*>(sum + i), lo);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(sum + i + 8), hi);
            }
#endif
            for (; i < values; ++i)
                sum[i] = std::uint16_t((k > 0 ? sum[i] : 0) + s[i] * w);
        }
        std::uint8_t* out = target + targetStride * y;
        const Span* columns = m_columns.data();
        const std::uint16_t* columnWeights = m_columnWeights.data();
        const int width = m_to.width();
#if defined(__SSE2__)
        // Each column sum halved (at most 255 x 128, a signed 16-bit value),
        // two source pixels at a time: their channels interleaved and
        // multiplied by their weights in one multiply-add.
        const __m128i zero = _mm_setzero_si128();
        const __m128i round = _mm_set1_epi32(1 << (2 * WeightBits - 2));
        const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
        for (int x = 0; x < width; ++x) {
            const Span& c = columns[x];
            const std::uint16_t* p = sum + c.first * 4;
            const std::uint16_t* w = columnWeights + c.weights;
            __m128i acc = zero;
            int k = 0;
            for (; k + 1 < c.count; k += 2) {
                const __m128i a = _mm_srli_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + k * 4)), 1);
                const __m128i b = _mm_srli_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + k * 4 + 4)), 1);
                const __m128i ww = _mm_set1_epi32(int(std::uint32_t(w[k]) | std::uint32_t(w[k + 1]) << 16));
                acc = _mm_add_epi32(acc, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), ww));
            }
            if (k < c.count) {
                const __m128i a = _mm_srli_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + k * 4)), 1);
                acc = _mm_add_epi32(acc, _mm_madd_epi16(_mm_unpacklo_epi16(a, zero), _mm_set1_epi32(int(w[k]))));
            }
            acc = _mm_srli_epi32(_mm_add_epi32(acc, round), 2 * WeightBits - 1);
            acc = _mm_packus_epi16(_mm_packs_epi32(acc, acc), zero);
            const std::uint32_t pixel = std::uint32_t(_mm_cvtsi128_si32(_mm_or_si128(acc, opaque)));
            std::memcpy(out + x * 4, &pixel, 4);
        }
#else
        for (int x = 0; x < width; ++x) {
            const Span& c = columns[x];
            const std::uint16_t* p = sum + c.first * 4;
            const std::uint16_t* w = columnWeights + c.weights;
            std::uint32_t b = 0, g = 0, r = 0;
            for (int k = 0; k < c.count; ++k, p += 4) {
                b += std::uint32_t(p[0]) * w[k];
                g += std::uint32_t(p[1]) * w[k];
                r += std::uint32_t(p[2]) * w[k];
            }
            constexpr std::uint32_t half = 1u << (2 * WeightBits - 1);
            out[x * 4 + 0] = std::uint8_t((b + half) >> (2 * WeightBits));
            out[x * 4 + 1] = std::uint8_t((g + half) >> (2 * WeightBits));
            out[x * 4 + 2] = std::uint8_t((r + half) >> (2 * WeightBits));
            out[x * 4 + 3] = 0xFF;
        }
#endif
    }
}

// The bands in flight: which are taken and how many are done. Workers and
// the writing thread meet only here, under its mutex.
struct AreaAverageInBands::Shared {
    Shared(const AreaAverage& scale, const std::uint8_t* source, qsizetype sourceStride, std::uint8_t* target,
           qsizetype targetStride, int bandRows)
        : scale(scale), source(source), sourceStride(sourceStride), target(target), targetStride(targetStride),
          bandRows(bandRows), bands((scale.to().height() + bandRows - 1) / bandRows), taken(size_t(bands), false)
    {
    }

    const AreaAverage scale;
    const std::uint8_t* const source;
    const qsizetype sourceStride;
    std::uint8_t* const target;
    const qsizetype targetStride;
    const int bandRows;
    const int bands;

    std::mutex mutex;
    std::condition_variable done;
    std::vector<bool> taken;
    int taking = 0;     // bands taken
    int finished = 0;   // bands made (or dropped) by those who took them

    bool take(int band)
    {
        std::lock_guard lock(mutex);
        if (taken[size_t(band)])
            return false;
        taken[size_t(band)] = true;
        ++taking;
        return true;
    }
    void make(int band)
    {
        const int first = band * bandRows;
        scale.scaleRows(source, sourceStride, target, targetStride, first,
                        std::min(first + bandRows, scale.to().height()));
        std::lock_guard lock(mutex);
        ++finished;
        done.notify_all();
    }
};

namespace {

// Target rows per band: small enough that the band left after the last
// source row costs little, large enough that handing it over costs less.
constexpr int BandRows = 32;
// A source smaller than this is shrunk on the decoding thread alone: the
// whole shrinking costs less than waking a worker, and small pictures are
// decoded many at once (a thumbnail page), each on a core of its own.
constexpr qint64 MinSourcePixelsForBands = 1024 * 1024;

platform::WorkerPool& bandPool()
{
    // Made once and never taken down: a band sent while the program ends
    // is made by its sender (finish) if no worker took it.
    static platform::WorkerPool* pool = new platform::WorkerPool(std::max(2, QThread::idealThreadCount()));
    return *pool;
}

} // namespace

AreaAverageInBands::AreaAverageInBands(const AreaAverage& scale, const std::uint8_t* source, qsizetype sourceStride,
                                       std::uint8_t* target, qsizetype targetStride)
    : m_shared(std::make_shared<Shared>(scale, source, sourceStride, target, targetStride, BandRows))
{
}

AreaAverageInBands::~AreaAverageInBands()
{
    finish(false);
}

void AreaAverageInBands::sourceRowsReady(int rows)
{
    Shared& s = *m_shared;
    if (qint64(s.scale.from().width()) * s.scale.from().height() < MinSourcePixelsForBands)
        return;
    while (m_sent < s.bands
           && s.scale.sourceRowsFor(std::min((m_sent + 1) * s.bandRows, s.scale.to().height())) <= rows) {
        const int band = m_sent++;
        bandPool().run([shared = m_shared, band] {
            if (shared->take(band))
                shared->make(band);
        });
    }
}

void AreaAverageInBands::finish(bool make)
{
    if (m_finished)
        return;
    m_finished = true;
    Shared& s = *m_shared;
    if (make) {
        sourceRowsReady(s.scale.from().height());
        for (int band = s.bands - 1; band >= 0; --band)
            if (s.take(band))
                s.make(band);
    } else {
        std::lock_guard lock(s.mutex);
        for (int band = 0; band < s.bands; ++band)
            if (!s.taken[size_t(band)]) {
                s.taken[size_t(band)] = true;
                ++s.taking;
                ++s.finished;
            }
    }
    std::unique_lock lock(s.mutex);
    s.done.wait(lock, [&s] { return s.finished == s.taking; });
}
