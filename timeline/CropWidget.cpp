#include "CropWidget.h"

#include "CropAreaWidget.h"
#include "UiMetrics.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

const QColor kNormalFrameColor(236, 236, 236, 128);
const QColor kTransitionFrameColor(12, 101, 131, 128);

// Which edge of the area a handle drags on one axis.
enum Edge { NoEdge, NearEdge, FarEdge };

struct HandleLook
{
    const char* normalPicture;
    const char* transitionPicture;
    Qt::CursorShape cursor;
    Edge horizontal;
    Edge vertical;
};

// Clockwise from the top-left, as the handles are numbered.
const HandleLook kHandleLooks[8] = {
    {":/images/crop_top_left_normal", ":/images/crop_top_left_transition", Qt::SizeFDiagCursor, NearEdge, NearEdge},
    {":/images/crop_top_normal", ":/images/crop_top_transition", Qt::SizeVerCursor, NoEdge, NearEdge},
    {":/images/crop_top_right_normal", ":/images/crop_top_right_transition", Qt::SizeBDiagCursor, FarEdge, NearEdge},
    {":/images/crop_right_normal", ":/images/crop_right_transition", Qt::SizeHorCursor, FarEdge, NoEdge},
    {":/images/crop_bottom_right_normal", ":/images/crop_bottom_right_transition", Qt::SizeFDiagCursor, FarEdge,
     FarEdge},
    {":/images/crop_bottom_normal", ":/images/crop_bottom_transition", Qt::SizeVerCursor, NoEdge, FarEdge},
    {":/images/crop_bottom_left_normal", ":/images/crop_bottom_left_transition", Qt::SizeBDiagCursor, NearEdge,
     FarEdge},
    {":/images/crop_left_normal", ":/images/crop_left_transition", Qt::SizeHorCursor, NearEdge, NoEdge},
};

// Halves go up, whatever the sign.
int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

// One side of the area dragged: the near edge (left or top) moves and the
// far one stays, or the far edge moves; both stop at the picture.
struct Span
{
    int start;
    int length;
};

Span draggedNearEdge(Span span, int delta, int pictureStart, int minimum)
{
    int start = span.start + delta;
    if (start < pictureStart) {
        start = pictureStart;
        delta = pictureStart - span.start;
    }
    int length = span.length - delta;
    if (length < minimum) {
        length = minimum;
        start = span.start + span.length - minimum;
    }
    return {start, length};
}

Span draggedFarEdge(Span span, int delta, int pictureEnd, int minimum)
{
    int length = std::max(minimum, span.length + delta);
    if (span.start + length > pictureEnd)
        length = pictureEnd - span.start;
    return {span.start, length};
}

// A moved area's centre on one axis, kept so that the area stays on the picture.
double keptCentre(double centre, int pictureStart, int pictureLength, int length)
{
    centre = std::max(centre, pictureStart + length / 2.0);
    return std::min(centre, pictureStart + pictureLength - length / 2.0);
}

Span draggedSpan(Span span, Edge edge, int delta, int pictureStart, int pictureLength, int minimum)
{
    if (edge == NearEdge)
        return draggedNearEdge(span, delta, pictureStart, minimum);
    if (edge == FarEdge)
        return draggedFarEdge(span, delta, pictureStart + pictureLength, minimum);
    return span;
}

} // namespace

CropWidget::CropWidget(const QRect& pictureRect, const QPixmap& picture, const QRectF& cropRect,
                       float featheringLeft, float featheringTop, float featheringRight, float featheringBottom,
                       bool normalAppearance, QWidget* parent)
    : QWidget(parent)
    , _handleSize(UiMetrics::metric40())
    , _cropRect(cropRect)
{
    _pictureLabel = new QLabel(this);
    _pictureLabel->setScaledContents(true);
    _pictureLabel->setPixmap(picture);
    _area = new CropAreaWidget(normalAppearance ? kNormalFrameColor : kTransitionFrameColor, featheringLeft,
                               featheringTop, featheringRight, featheringBottom, normalAppearance, this);
    // The panels first: the handles reach half outside the area, over them.
    for (QWidget*& panel : _panels) {
        panel = new QWidget(this);
        panel->setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,128);"));
    }
    _createHandles(normalAppearance);
    updateGeometryFor(pictureRect);
}

void CropWidget::_createHandles(bool normalAppearance)
{
    for (int i = 0; i < int(_handles.size()); ++i) {
        auto* handle = new QLabel(this);
        handle->setFixedSize(_handleSize, _handleSize);
        handle->setScaledContents(true);
        const HandleLook& look = kHandleLooks[i];
        handle->setPixmap(
            QPixmap(QString::fromLatin1(normalAppearance ? look.normalPicture : look.transitionPicture)));
        handle->setCursor(look.cursor);
        _handles[i] = handle;
    }
}

float CropWidget::featheringLeft() const
{
    return _area->featheringLeft();
}

float CropWidget::featheringTop() const
{
    return _area->featheringTop();
}

float CropWidget::featheringRight() const
{
    return _area->featheringRight();
}

float CropWidget::featheringBottom() const
{
    return _area->featheringBottom();
}

void CropWidget::updateGeometryFor(const QRect& pictureRect)
{
    const int margin = int(_handleSize * 0.5);
    setGeometry(pictureRect.adjusted(-margin, -margin, margin, margin));
    _pictureLabel->setGeometry(margin, margin, pictureRect.width(), pictureRect.height());
    _placeArea();
    _layoutHandlesAndPanels();
}

void CropWidget::_placeArea()
{
    const QRect p = _pictureLabel->geometry();
    _area->setGeometry(roundHalfUp(p.x() + p.width() * _cropRect.x()), roundHalfUp(p.y() + p.height() * _cropRect.y()),
                       roundHalfUp(p.width() * _cropRect.width()), roundHalfUp(p.height() * _cropRect.height()));
}

void CropWidget::_layoutHandlesAndPanels()
{
    const QRect a = _area->geometry();
    const QRect p = _pictureLabel->geometry();
    const int right = a.x() + a.width();
    const int bottom = a.y() + a.height();
    const int midX = a.x() + a.width() / 2;
    const int midY = a.y() + a.height() / 2;
    const QPoint centres[8] = {{a.x(), a.y()},   {midX, a.y()},   {right, a.y()},  {right, midY},
                               {right, bottom}, {midX, bottom}, {a.x(), bottom}, {a.x(), midY}};
    const int half = _handleSize / 2;
    for (int i = 0; i < int(_handles.size()); ++i)
        _handles[i]->move(centres[i].x() - half, centres[i].y() - half);
    _panels[0]->setGeometry(p.x(), p.y(), a.x() - p.x(), p.height());
    _panels[1]->setGeometry(a.x(), p.y(), a.width(), a.y() - p.y());
    _panels[2]->setGeometry(a.x() + a.width(), p.y(), p.right() - a.right(), p.height());
    _panels[3]->setGeometry(a.x(), a.y() + a.height(), a.width(), p.bottom() - a.bottom());
    _raiseReachableHandle(a, p);
}

void CropWidget::_raiseReachableHandle(const QRect& area, const QRect& picture)
{
    const bool narrow = area.width() < _handleSize;
    const bool low = area.height() < _handleSize;
    const bool onLeft = area.x() == picture.x();
    const bool onRight = area.x() + area.width() == picture.x() + picture.width();
    const bool onTop = area.y() == picture.y();
    const bool onBottom = area.y() + area.height() == picture.y() + picture.height();
    // A handle that lies over its neighbours must be one whose side can still grow.
    int raised = NoHandle;
    if (narrow && low) {
        if (onLeft && onBottom)
            raised = TopRight;
        else if (onLeft && onTop)
            raised = BottomRight;
        else if (onRight && onTop)
            raised = BottomLeft;
        else if (onRight && onBottom)
            raised = TopLeft;
    } else if (narrow) {
        raised = onLeft ? Right : onRight ? Left : NoHandle;
    } else if (low) {
        raised = onTop ? Bottom : onBottom ? Top : NoHandle;
    }
    if (raised != NoHandle)
        _handles[raised]->raise();
}

int CropWidget::_handleAt(const QPoint& pos) const
{
    // Topmost first, so that a raised handle wins where handles overlap.
    const QObjectList& children = this->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        const auto found = std::find(_handles.cbegin(), _handles.cend(), *it);
        if (found != _handles.cend() && (*found)->geometry().contains(pos))
            return int(found - _handles.cbegin());
    }
    return NoHandle;
}

void CropWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    _currentHandle = _handleAt(event->pos());
    if (_currentHandle != NoHandle) {
        _pressGlobal = event->globalPos();
        _pressArea = _area->geometry();
    } else if (_area->geometry().contains(event->pos())) {
        _moving = true;
        _pressGlobal = event->globalPos();
        const QRect a = _area->geometry();
        _pressCenter = QPointF(a.x() + a.width() / 2.0, a.y() + a.height() / 2.0);
    } else {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
}

void CropWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (_currentHandle == NoHandle && !_moving) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->globalPos() - _pressGlobal;
    _area->setGeometry(_moving ? _movedArea(delta) : _resizedArea(delta));
    _layoutHandlesAndPanels();
    _storeCropRect();
    event->accept();
}

void CropWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (_currentHandle == NoHandle && !_moving) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    _currentHandle = NoHandle;
    _moving = false;
    event->accept();
}

QRect CropWidget::_resizedArea(const QPoint& delta) const
{
    const QRect p = _pictureLabel->geometry();
    const HandleLook& handle = kHandleLooks[_currentHandle];
    const Span horizontal = draggedSpan({_pressArea.x(), _pressArea.width()}, handle.horizontal, delta.x(), p.x(),
                                        p.width(), _minimumCropSize.width());
    const Span vertical = draggedSpan({_pressArea.y(), _pressArea.height()}, handle.vertical, delta.y(), p.y(),
                                      p.height(), _minimumCropSize.height());
    return QRect(horizontal.start, vertical.start, horizontal.length, vertical.length);
}

QRect CropWidget::_movedArea(const QPoint& delta) const
{
    const QRect p = _pictureLabel->geometry();
    const QSize size = _area->size();
    const double x = keptCentre(_pressCenter.x() + delta.x(), p.x(), p.width(), size.width());
    const double y = keptCentre(_pressCenter.y() + delta.y(), p.y(), p.height(), size.height());
    return QRect(int(x - size.width() / 2.0), int(y - size.height() / 2.0), size.width(), size.height());
}

void CropWidget::_storeCropRect()
{
    const QRect p = _pictureLabel->geometry();
    // A collapsed preview has no picture to take fractions of: the crop
    // keeps what it had rather than dividing by zero.
    if (p.width() <= 0 || p.height() <= 0)
        return;
    const QRect a = _area->geometry();
    _cropRect = QRectF(double(a.x() - p.x()) / p.width(), double(a.y() - p.y()) / p.height(),
                       double(a.width()) / p.width(), double(a.height()) / p.height());
}
