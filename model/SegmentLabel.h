#pragma once

#include <functional>

class QFont;
class QPainter;
class QString;
class Segment;

// The label that music and text segments write over their timeline body:
// a font that shrinks to fit, and text drawn twice, a dark copy a little up
// and to the left under the light one, so that it reads on any background.
// Colours and offset are the owner's.
namespace SegmentLabel {

// Lowers the font's pixel size one at a time while the text is wider than
// width, but never to floor or below.
void shrinkToFit(QFont* font, const QString& text, int width, double floor);
// Runs draw twice with the owner's two label colours as the pen.
void drawTwice(QPainter* painter, Segment* segment, const std::function<void()>& draw);

} // namespace SegmentLabel
