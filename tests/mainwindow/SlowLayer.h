#pragma once

#include "AVLayerSegment.h"

#include <QThread>

#include <atomic>

// A layer whose every drawing takes longer than the playback driver's stop
// waits, as a movie's first frame after a seek may. It remembers whether it
// was destroyed while a pass was still drawing it; after its wait it touches
// nothing of its own. Made unarmed, it draws at once until armed. Given a
// later drawing time, only its first drawing takes the long one: the passes
// after it, an export's frames too, each take the shorter time.
class SlowLayer : public AVLayerSegment {
public:
    static constexpr unsigned long kDrawingMs = 4000;
    explicit SlowLayer(bool armed = true, unsigned long laterDrawingMs = kDrawingMs)
        : AVLayerSegment(0.0, 600.0, 64, 64), _armed(armed), _laterDrawingMs(laterDrawingMs)
    {
        setStatus(AVSegmentReady);
    }
    ~SlowLayer() override { destroyedWhileDrawn = drawing.load(); }
    void arm() { _armed = true; }
    void prepareAt(double, bool, bool) override
    {
        if (!_armed)
            return;
        drawing = true;
        ++drawings;
        const bool first = !drawn.exchange(true);
        QThread::msleep(first ? kDrawingMs : _laterDrawingMs);
        drawing = false;
    }
    static inline std::atomic<bool> drawing{false};
    static inline std::atomic<bool> drawn{false};
    // Drawings begun by every such layer, an export's frames among them.
    static inline std::atomic<int> drawings{0};
    static inline std::atomic<bool> destroyedWhileDrawn{false};

private:
    std::atomic<bool> _armed;
    const unsigned long _laterDrawingMs;
};
