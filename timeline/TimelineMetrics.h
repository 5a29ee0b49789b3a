#pragma once

#include <QRect>
#include <QString>

// The numbers every timeline widget places things by, and the only
// conversions between a time in seconds and an x position. The content x of
// time t is leftMargin + t x pixelsPerSecond x scale; a track starts one
// inset (the shorter screen side) left of the content, so that its painted
// background reaches a screen width beyond both ends.
namespace TimelineMetrics {

// 24: pixels one second takes at scale 1.
int pixelsPerSecond();
// 60: the free margin before time 0.
int leftMargin();
// The height of a track (the segments' shared track height).
float trackHeight();
// The shorter side of the primary screen, read every time.
int inset();

float timeToContentX(float time, float scale);
// May be negative; callers that accept only non-negative times clamp.
float contentXToTime(float x, float scale);
float timeToPixels(float duration, float scale);
// Content width for a scale and a project duration, with a fixed tail of
// free timeline after the end (longer when zoomed out).
float timelineContentWidth(float scale, float duration);
// The edit area's content widget: its fixed width, and its height for a
// number of tracks (a tool-bar band above and 20 px below the tracks).
int contentWidgetWidth(float scale, float duration);
int contentHeight(int trackCount);
// The ruler's content width: the timeline's, or one pixel wider than the
// ruler itself when the ruler is the wider.
int rulerContentWidth(float scale, float duration, int rulerWidth);
// Track number index (0 = top) inside the content widget.
QRect trackGeometry(int index, float scale, float duration);
// A tile's left edge inside its track, and its width.
int tileX(float start, float scale);
int tileWidth(float duration, float scale);
// The gutter's button for track number index.
QRect gutterButtonGeometry(int index);
// The track background for a position counted from the top: the coloured
// picture on even positions, the plain one on odd ones.
QString trackBackgroundPath(int position);

} // namespace TimelineMetrics
