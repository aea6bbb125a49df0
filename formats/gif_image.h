// `GifImage`: a GIF picture, still or animated, read through Qt's GIF
// reader. All frames are decoded at once (within a pixel budget) so the
// picture view can step through them on a timer.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class GifImage {
public:
    // Throws EGIFError when the bytes are not a readable GIF.
    void LoadFromBytes(const QByteArray& bytes);
    void LoadFromFile(const QString& path);

    QSize Size() const { return m_size; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }
    int FrameCount() const { return int(m_frames.size()); }
    bool Animated() const { return m_frames.size() > 1; }
    const QImage& Frame(int index) const { return m_frames.at(size_t(index)); }
    // Display time of a frame in milliseconds (at least 20).
    int Delay(int index) const { return m_delays.at(size_t(index)); }
    // -1 endless, otherwise the number of repeats after the first run.
    int LoopCount() const { return m_loopCount; }

    // Frames beyond these are dropped (the animation then shows the ones read).
    static constexpr int MaxFrames = 2000;
    static constexpr qint64 MaxTotalPixels = 64'000'000;
    // The largest GIF file LoadFromFile reads.
    static constexpr qint64 MaxFileBytes = 512LL * 1024 * 1024;

private:
    QSize m_size;
    std::vector<QImage> m_frames;
    std::vector<int> m_delays;
    int m_loopCount = -1;
};
