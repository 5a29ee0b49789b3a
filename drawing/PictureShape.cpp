#include "PictureShape.h"

#include "CanvasDrawingState.h"
#include "Util.h"

#include <QPainter>

namespace {

// The pending frame lies just outside the picture; the reported area also
// covers the frame's antialiased edge.
constexpr int kFrameMargin = 1;
constexpr int kReportMargin = 3;

} // namespace

QRect PictureShape::pictureRect()
{
    if (!_hasPendingItem())
        return QRect();
    const QRect frame = _frameRect();
    const QRectF fitted = Util::aspectFitRect(_state->picture.width(), _state->picture.height(),
                                              QRectF(0, 0, frame.width(), frame.height()));
    const int width = int(fitted.width() * _state->pictureScale);
    const int height = int(fitted.height() * _state->pictureScale);
    const double x = frame.width() * _state->pictureOffsetX + (frame.width() - width) / 2;
    const double y = frame.height() * _state->pictureOffsetY + (frame.height() - height) / 2;
    return QRect(int(x), int(y), width, height);
}

void PictureShape::draw()
{
    if (_showNothingPending() || !_state->painter)
        return;
    const QRect target = pictureRect();
    QPainter* painter = _beginPainting();
    painter->setOpacity(_state->color.alpha() / 255.0);
    painter->drawPixmap(target, _state->picture);
    _endPainting();

    QRect reported = target;
    if (!_committing) {
        _drawPendingFrame(target.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin));
        reported = target.adjusted(-kReportMargin, -kReportMargin, kReportMargin, kReportMargin);
    }
    emit shapeNeedDisplayInRect(this, reported.united(_frame));
    _frame = reported;
}

bool PictureShape::_hasPendingItem() const
{
    return !_state->picture.isNull();
}

QRect PictureShape::_frameRect()
{
    QRect frame;
    emit pictureShapeGetFrameRect(this, frame);
    return frame;
}

void PictureShape::_requestItem()
{
    emit pictureShapeRequestPicture(this);
}

void PictureShape::_clearOffsets()
{
    _state->pictureOffsetX = 0.0;
    _state->pictureOffsetY = 0.0;
}
