#pragma once

#include "DrawingSegment.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "SegmentKeys.h"
#include "TestMedia.h"
#include "TextSegment.h"

#include <QWidget>

#include <memory>

// Segments as a project stores them, without an owner: nothing loads, and
// the inspector reads them as it would a project's.
namespace InspectorTest {

inline constexpr int kCanvasWidth = 1920;
inline const QSize kCanvas(kCanvasWidth, 1080);

inline std::unique_ptr<SegmentAttributes> record(const QString& type, const QString& file = QString())
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, type);
    if (!file.isEmpty())
        Segment::setStringAttribute(attributes.get(), SegmentKey::File, file);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeStart, 0.0f);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 6.0f);
    return attributes;
}

inline std::unique_ptr<Segment> text()
{
    return std::make_unique<TextSegment>(record(QStringLiteral("TEXT")), nullptr, false);
}

inline std::unique_ptr<Segment> picture()
{
    return std::make_unique<ImageSegment>(record(QStringLiteral("IMAGE"), TestMedia::path("picture.png")), nullptr,
                                          false);
}

inline std::unique_ptr<Segment> drawing()
{
    return std::make_unique<DrawingSegment>(record(QStringLiteral("DRAWING")), nullptr, false);
}

inline std::unique_ptr<Segment> music()
{
    return std::make_unique<MusicSegment>(record(QStringLiteral("MUSIC"), TestMedia::path("tone440.wav")), nullptr,
                                          false);
}

// A movie whose engine reported its sound stream loaded, or failed.
inline std::unique_ptr<Segment> movie(bool withSound)
{
    auto clip = std::make_unique<MovieSegment>(
        record(QStringLiteral("MOVIE"), TestMedia::path("clip_h264_aac.mp4")), nullptr, false);
    clip->onEngineLoadStatus(clip->secondEngineId(), !withSound, 0);
    return clip;
}

} // namespace InspectorTest
