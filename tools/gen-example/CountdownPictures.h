#pragma once

#include <QImage>
#include <QSize>

// The example project's pictures, drawn in code.
namespace Countdown {

// The leader dial of the drawing segment: rings, a cross and tick marks on a
// transparent canvas.
QImage drawLeaderDial(const QSize& size);
// The project as its first frame shows it (background, dial, the first
// number), for the cover picture.
QImage drawCover(const QImage& dial, const QSize& size);

} // namespace Countdown
