#pragma once

#include "SoundSegment.h"

#include <QString>

#include <memory>

class PlotData;

// Music or a sound effect from a file (Type "MUSIC"). The engine reports
// the media's duration and tags; the timeline shows the file's waveform,
// made once per segment by decoding the whole file on the asset pool, under
// a label with the title and artist.
class MusicSegment : public SoundSegment
{
public:
    // The most waveform points a file gets, whatever its length.
    static constexpr int kMaximumPlotPoints = 2048;

    MusicSegment(const Segment* source, float start, SegmentListener* owner);
    MusicSegment(const QString& file, float start, const QString& title, const QString& artist,
                 SegmentListener* owner);
    MusicSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    ~MusicSegment() override;

    QString title() const;
    QString artist() const;
    // The first successful load report then replaces "Title" and "Artist"
    // by the file's tags where it has them.
    void setReadTagsOnLoad(bool read) { _readTagsOnLoad = read; }
    bool readTagsOnLoad() const { return _readTagsOnLoad; }
    // The waveform once made (it may still be decoding: see PlotData::isReady).
    std::shared_ptr<const PlotData> plotData() const;
    // Whether a loading or waveform task is queued or running.
    bool hasPendingTasks() const;

    bool isLoaded() const override;
    bool hasContent() const override;
    void onEngineLoadStatus(int streamId, bool failed, int kind) override;

    void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    void paintTimelineStrip(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;

private:
    void _startLoading();
    void _generatePlotData(const QString& path, int pointCount);
    QString _labelText();
    void _paintLabel(QPainter* painter, const QRect& rect);

    std::shared_ptr<PlotData> _plotData;
    bool _readTagsOnLoad = false;
    // Raised by the destructor: a waveform still decoding stops at its next packet.
    std::atomic<bool> _cancelled{false};
};
