#include "TimelineMetrics.h"

#include "Segment.h"
#include "UiMetrics.h"

namespace {

// Seconds of free timeline after the project's end.
constexpr float kTailSeconds = 122.0f;
// Below scale 1 the tail grows by (inset / kTailReferenceSide) x (kZoomOutSeconds / scale).
constexpr float kTailReferenceSide = 768.0f;
constexpr float kZoomOutSeconds = 20.0f;
constexpr int kContentBelowTracks = 20;

} // namespace

namespace TimelineMetrics {

int pixelsPerSecond() { return UiMetrics::metric24(); }
int leftMargin() { return UiMetrics::metric60(); }
float trackHeight() { return Segment::trackHeight(); }
int inset() { return UiMetrics::portraitScreenSize().width(); }

float timeToContentX(float time, float scale)
{
    return leftMargin() + time * pixelsPerSecond() * scale;
}

float contentXToTime(float x, float scale)
{
    return (x - leftMargin()) / (pixelsPerSecond() * scale);
}

float timeToPixels(float duration, float scale)
{
    return duration * pixelsPerSecond() * scale;
}

float timelineContentWidth(float scale, float duration)
{
    float extra = duration + kTailSeconds;
    if (scale < 1.0f)
        extra += (inset() / kTailReferenceSide) * (kZoomOutSeconds / scale);
    return pixelsPerSecond() * extra * scale + leftMargin();
}

int contentWidgetWidth(float scale, float duration)
{
    return int(timelineContentWidth(scale, duration) - pixelsPerSecond() * scale);
}

int contentHeight(int trackCount)
{
    return int(UiMetrics::toolBarButtonHeight() + trackHeight() * trackCount + kContentBelowTracks);
}

int rulerContentWidth(float scale, float duration, int rulerWidth)
{
    const int content = int(timelineContentWidth(scale, duration));
    return rulerWidth > content ? rulerWidth + 1 : content;
}

QRect trackGeometry(int index, float scale, float duration)
{
    return QRect(-inset(), int(trackHeight() * index), int(timelineContentWidth(scale, duration)) + 2 * inset(),
                 int(trackHeight()));
}

int tileX(float start, float scale)
{
    return int(inset() + timeToContentX(start, scale));
}

int tileWidth(float duration, float scale)
{
    return int(timeToPixels(duration, scale));
}

QRect gutterButtonGeometry(int index)
{
    const int side = UiMetrics::metric37();
    return QRect((leftMargin() - side) / 2 - 1, int(trackHeight() * index + (trackHeight() - side) * 0.5f), side,
                 side);
}

QString trackBackgroundPath(int position)
{
    return position % 2 == 0 ? UiMetrics::segmentBackColorImagePath() : UiMetrics::segmentBackImagePath();
}

} // namespace TimelineMetrics
