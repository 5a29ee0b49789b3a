#pragma once
// The timeline of the timeline benchmarks: 20 tracks of 50 text tiles of
// 2 s each.

#include "EditScrollArea.h"
#include "SegmentListener.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TrackWidget.h"

#include <memory>
#include <vector>

constexpr int kBenchTimelineTracks = 20;
constexpr int kBenchTilesPerTrack = 50;
constexpr float kBenchTileSeconds = 2.0f;
constexpr float kBenchTimelineDuration = kBenchTilesPerTrack * kBenchTileSeconds;

// Fills the area with the tracks, of the type, at scale 1; the segments
// behind the tiles go to segments, which must outlive the tiles.
inline void benchFillTimeline(EditScrollArea* area, const QString& trackType, SegmentListener* listener,
                              std::vector<std::unique_ptr<Segment>>* segments)
{
    for (int row = 0; row < kBenchTimelineTracks; ++row) {
        TrackWidget* track = area->addTrackWidget(1.0f, kBenchTimelineDuration);
        track->setTrackId(row + 1);
        track->setTrackType(trackType);
        for (int index = 0; index < kBenchTilesPerTrack; ++index) {
            auto* segment = new TextSegment(QStringLiteral("Caption %1").arg(index), index * kBenchTileSeconds,
                                            kBenchTileSeconds, listener, nullptr);
            segment->setTrackId(row + 1);
            segments->emplace_back(segment);
            area->connectSegmentWidget(track->addSegmentWidget(segment));
        }
        track->setScale(1.0f, false);
    }
}
