#pragma once

#include <QByteArray>

#include <atomic>
#include <cstdint>

class QPainter;
class QRect;

// The waveform of a sound file for the timeline: per point and channel the
// mean absolute sample value over a stretch of the file. The decoding task
// fills it on a pool thread and publishes it once; painting on the GUI
// thread reads it only after isReady(), whose acquire pairs with the
// release in publish(), so the samples are complete when they are seen.
class PlotData
{
public:
    explicit PlotData(int32_t pointCount);
    PlotData(const PlotData&) = delete;
    PlotData& operator=(const PlotData&) = delete;

    // The number of points asked for (the result may hold one more).
    int32_t pointCount() const { return _pointCount; }
    bool isReady() const { return _ready.load(std::memory_order_acquire); }
    // 16-bit signed little-endian values, channels interleaved per point.
    const QByteArray& samples() const { return _samples; }
    int32_t peak() const { return _peak; }
    int32_t channels() const { return _channels; }
    // Points per channel of the stored result.
    int32_t storedPointCount() const;
    int16_t value(int32_t point, int32_t channel) const;

    // Stores the result and marks it ready; called once.
    void publish(QByteArray samples, int32_t channels, int32_t peak);

    // Fills the outline of the first two channels (the first mirrored for
    // mono) about the middle line of a rectangle at the painter's origin.
    void paint(QPainter* painter, const QRect& rect) const;

private:
    const int32_t _pointCount;
    QByteArray _samples;
    int32_t _peak = 0;
    int32_t _channels = 0;
    std::atomic<bool> _ready{false};
};
