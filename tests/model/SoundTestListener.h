#pragma once

#include "RecordingListener.h"

#include <QDeadlineTimer>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

// An owner for sound and text segments whose engine answers a test sets:
// the tags and the timeline's zoom. It also
// counts waveform reports, which arrive from pool threads.
class SoundTestListener : public RecordingListener
{
public:
    QString audioTitle;
    QString audioArtist;
    float pixelsPerSecond = 4;
    std::atomic<int> plotReports{0};

    QString segmentAudioTitle(Segment*) override { return audioTitle; }
    QString segmentAudioArtist(Segment*) override { return audioArtist; }
    float segmentTimeToPixels(Segment*, float time) override { return time * pixelsPerSecond; }
    void segmentAudioPlotDataDidReady(Segment*) override { ++plotReports; }
};

// Waits up to timeoutMs for a condition that pool threads make true.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}
