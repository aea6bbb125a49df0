// Shrinking a 32-bit picture by area averaging, a band of rows at a time:
// each shown pixel is the mean of the source pixels it covers, weighted by
// how much of each it covers. Bands are independent, so several threads may
// fill one picture, and a band can be made as soon as the source rows it
// covers exist (while a decode still writes the rows below them).
#pragma once

#include <QSize>

#include <cstdint>
#include <memory>
#include <vector>

class AreaAverage {
public:
    // From a picture of `from` to one of `to`; `to` is at most `from` on
    // both sides and not empty.
    AreaAverage(QSize from, QSize to);

    QSize from() const { return m_from; }
    QSize to() const { return m_to; }
    // The number of source rows (from the top) that target rows [0, end)
    // are made of.
    int sourceRowsFor(int end) const;
    // Fills target rows [first, end) from the source (4 bytes a pixel;
    // alpha set opaque). Reads only source rows below sourceRowsFor(end),
    // writes only the target rows named. Safe on any thread.
    void scaleRows(const std::uint8_t* source, qsizetype sourceStride, std::uint8_t* target, qsizetype targetStride,
                   int first, int end) const;

private:
    // The source pixels one target pixel covers: the first one and the
    // weights of those that follow (in 1/256, summing to 256).
    struct Span {
        int first = 0;
        int count = 0;
        int weights = 0;   // index of the first weight in m_*Weights
    };
    static void plan(int from, int to, std::vector<Span>& spans, std::vector<std::uint16_t>& weights);

    QSize m_from, m_to;
    std::vector<Span> m_columns, m_rows;
    std::vector<std::uint16_t> m_columnWeights, m_rowWeights;
};

// Shrinks a picture by area averaging while its source is still being
// written from the top down: each band of target rows is sent to a pool of
// worker threads as soon as the source rows it covers are there, so the
// shrinking runs beside the writing and little is left when the last row
// arrives. The source and target buffers stay the caller's; they must
// outlive finish().
class AreaAverageInBands {
public:
    AreaAverageInBands(const AreaAverage& scale, const std::uint8_t* source, qsizetype sourceStride,
                       std::uint8_t* target, qsizetype targetStride);
    // Waits for the bands under way (see finish).
    ~AreaAverageInBands();
    AreaAverageInBands(const AreaAverageInBands&) = delete;
    AreaAverageInBands& operator=(const AreaAverageInBands&) = delete;

    // The source's top `rows` rows are written and stay as they are: the
    // bands made of them go to the workers.
    void sourceRowsReady(int rows);
    // With `make`, the whole source is there: the bands not taken by a
    // worker are made on the calling thread, and the call returns when
    // every band is in the target. Without it (the source will not be
    // completed) the bands not started are dropped and the call waits only
    // for those a worker is making.
    void finish(bool make = true);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    int m_sent = 0;
    bool m_finished = false;
};
