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

void PictureShape::touchBegan(const QPoint& position)
{
    if (!_state->picture.isNull())
        return;
    QRect frame;
    emit pictureShapeGetFrameRect(this, frame);
    if (frame.contains(position))
        emit pictureShapeRequestPicture(this);
}

void PictureShape::touchMoved(const QPoint&)
{
}

void PictureShape::touchEnded(const QPoint&)
{
}

QRect PictureShape::pictureRect()
{
    if (_state->picture.isNull())
        return QRect();
    QRect frame;
    emit pictureShapeGetFrameRect(this, frame);
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
    if (_state->picture.isNull() || !_state->painter) {
        emit shapeNeedDisplay(this);
        _frame = QRect(0, 0, 0, 0);
        return;
    }
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

void PictureShape::commit()
{
    if (!_state->picture.isNull()) {
        _committing = true;
        draw();
        _committing = false;
    }
    _frame = QRect(0, 0, 0, 0);
    _state->pictureOffsetX = 0.0;
    _state->pictureOffsetY = 0.0;
}

void PictureShape::updateFrame()
{
    if (!_state->picture.isNull())
        emit pictureShapeGetFrameRect(this, _frame);
}
