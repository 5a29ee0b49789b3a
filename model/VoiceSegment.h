#pragma once

#include "SoundSegment.h"

#include <QList>

// Sound recorded with the microphone (Type "VOICE"). In place of a decoded
// waveform it keeps the levels measured while recording, from 0 to 1, under
// "MeterValues" ("0.1,0.25,0.0625"), and draws them as bars about the
// middle line of its body.
class VoiceSegment : public SoundSegment
{
public:
    VoiceSegment(const Segment* source, float start, SegmentListener* owner);
    VoiceSegment(const QString& file, float start, const QList<float>& meterValues, SegmentListener* owner);
    VoiceSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    ~VoiceSegment() override;

    QList<float> meterValues() const;
    void setMeterValues(const QList<float>& values);

    bool isLoaded() const override;
    bool hasContent() const override;
    void onEngineLoadStatus(int streamId, bool failed, int kind) override;
    void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    void paintTimelineStrip(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;

private:
    void _startLoading();
    // The bars of the levels, the first at the painter's origin, step apart.
    void _paintLevels(QPainter* painter, const QList<float>& values, int height, double step) const;

    mutable QList<float> _meterCache;
};
