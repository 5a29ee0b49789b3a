#include "SegmentWidget.h"

#include "AnimatedLabel.h"
#include "Segment.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QPainter>
#include <QPainterPath>
#include <QParallelAnimationGroup>
#include <QTimer>
#include <QVariantAnimation>

namespace {

constexpr int kLongPressMs = 300;
constexpr int kGeometryAnimationMs = 300;
constexpr int kDimAnimationMs = 200;
constexpr int kDimAlpha = 128;
constexpr qreal kCornerRadius = 3.0;
const QColor kTransitionPen(0, 0, 0, 77);
const QColor kTransitionBrush(27, 190, 243, 52);
const QColor kSelectionColor(255, 255, 0);

QRgb withAlpha(QRgb rgb, int alpha)
{
    return (rgb & RGB_MASK) | (QRgb(alpha) << 24);
}

QString speedText(float speed)
{
    if (speed == 1.0f)
        return QString();
    const int hundredths = int(speed * 100);
    if (hundredths % 100 == 0)
        return QString::asprintf("%dX", int(speed));
    if (hundredths % 50 == 0)
        return QString::asprintf("%.1fX", double(speed));
    return QString::asprintf("%.2fX", double(speed));
}

} // namespace

SegmentWidget::SegmentWidget(const QRect& geometry, QWidget* parent)
    : QWidget(parent)
    , _pressTimer(new QTimer(this))
{
    setGeometry(geometry);
    _pressTimer->setSingleShot(true);
    _pressTimer->setInterval(kLongPressMs);
    connect(_pressTimer, &QTimer::timeout, this, &SegmentWidget::onDraggingPressTimeout);
}

void SegmentWidget::setBackgroundColor(const QColor& color)
{
    _backgroundColor = color;
    update();
}

void SegmentWidget::setScale(float scale, bool animated)
{
    _scale = scale;
    QRect target;
    if (_segment) {
        target = QRect(TimelineMetrics::tileX(_segment->rangeStart(), scale), 0,
                       TimelineMetrics::tileWidth(_segment->duration(), scale), height());
    }
    // A newer layout replaces one still running.
    if (_geometryAnimation)
        _geometryAnimation->stop();
    // The painted width is the target's at once, also when the tile is already there.
    _fullWidth = target.width();
    if (target != geometry()) {
        // The caller decides: the program-wide switch does not reach a tile's layout.
        if (animated) {
            _geometryAnimation = animateInParallel(this, kGeometryAnimationMs, {{this, "geometry", target}});
        } else {
            setGeometry(target);
        }
    }
    if (!_segment)
        return;
    _speedLabel = speedText(_segment->speed());
    // A tile scrolled out of sight is painted as it is when it comes back:
    // marking it now would cost every repaint a walk over all the tiles of
    // its track, and thousands of captions report as they load.
    if (_segment->hasContent() && !visibleRegion().isEmpty())
        update();
}

void SegmentWidget::setEditing(bool editing, bool)
{
    if (editing == _editing)
        return;
    _editing = editing;
    emit segmentWidgetEditingStateChanged(this, editing);
}

bool SegmentWidget::isReadyForRemoval() const
{
    return true;
}

void SegmentWidget::setHighlighted(bool on, bool animated)
{
    if (on == _highlighted)
        return;
    _highlighted = on;
    const int from = on ? kDimAlpha : 0;
    const int to = on ? 0 : kDimAlpha;
    if (animated && animationsEnabled()) {
        _animateAlpha(&_dimColor, qRgb(0, 0, 0), from, to, kDimAnimationMs, &_dimAnimation);
        return;
    }
    if (_dimAnimation)
        _dimAnimation->stop();
    _dimColor = to == 0 ? 0 : withAlpha(qRgb(0, 0, 0), to);
    update();
}

void SegmentWidget::_animateAlpha(QRgb* target, QRgb rgb, int from, int to, int milliseconds,
                                  QPointer<QVariantAnimation>* slot)
{
    if (*slot)
        (*slot)->stop();
    *target = from == 0 ? 0 : withAlpha(rgb, from);
    auto* animation = new QVariantAnimation(this);
    animation->setDuration(milliseconds);
    animation->setStartValue(from);
    animation->setEndValue(to);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, target, rgb](const QVariant& value) {
        const int alpha = value.toInt();
        *target = alpha == 0 ? 0 : withAlpha(rgb, alpha);
        update();
    });
    *slot = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void SegmentWidget::setSelected(bool selected)
{
    _selected = selected;
    update();
}

void SegmentWidget::setTransitionId(int id, bool beginOrEnd)
{
    _transitionId = id;
    emit segmentWidgetTransitionIdChanged(this, id, beginOrEnd);
}

double SegmentWidget::_pixelsPerSegmentSecond(int tileWidth) const
{
    if (!_segment)
        return 0.0;
    const double duration = _segment->duration();
    if (!(duration > 0.0) || tileWidth <= 0)
        return 0.0;
    return tileWidth / duration;
}

float SegmentWidget::transitionStartPixels(int id) const
{
    return float(_segment ? _segment->transitionStart(id) * _pixelsPerSegmentSecond(width()) : 0.0);
}

float SegmentWidget::transitionWidthPixels(int id) const
{
    return float(_segment ? _segment->transitionDuration(id) * _pixelsPerSegmentSecond(width()) : 0.0);
}

QRect SegmentWidget::_bandRect(int id, double pixelsPerSecond) const
{
    return QRect(qRound(_segment->transitionStart(id) * pixelsPerSecond), 0,
                 qRound(_segment->transitionDuration(id) * pixelsPerSecond), height());
}

QRect SegmentWidget::transitionRect(int id) const
{
    return _segment ? _bandRect(id, _pixelsPerSegmentSecond(width())) : QRect();
}

void SegmentWidget::showLoading()
{
    if (_loadingLabel)
        return;
    const int side = height() - 10;
    _loadingLabel = new AnimatedLabel(this, QStringLiteral(":/images/loading_hud_dark_small"));
    _loadingLabel->setGeometry(5, 5, side, side);
    _loadingLabel->setScaledSize(QSize(side, side));
    _loadingLabel->show();
    _loadingLabel->start(0);
}

void SegmentWidget::hideLoading()
{
    delete _loadingLabel;
}

void SegmentWidget::setDragScrollOffset(const QPoint& offset)
{
    if (_dragging)
        _dragScrollOffset = offset;
}

void SegmentWidget::endDragging()
{
    if (!_dragging)
        return;
    if (_dragOverlayAnimation)
        _dragOverlayAnimation->stop();
    _dropKind = 0;
    _dragOverlayColor = 0;
    _dragScrollOffset = QPoint();
    update();
    _dragging = false;
    // Receivers may delete the tile (a drop on the remove button): nothing
    // of it is touched after this.
    emit segmentWidgetDraggingStateChanged(this, false);
}

void SegmentWidget::paintEvent(QPaintEvent*)
{
    const QRect rect(0, 0, _fullWidth, height());
    QPainter painter(this);
    painter.setOpacity(_dragging && _lift.isLifted() ? 0.4 : 1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    if (_segment && _segment->hasContent()) {
        _paintContent(&painter, rect);
    } else {
        painter.fillRect(rect, _backgroundColor);
        _drawTransitions(&painter, rect);
    }
    _paintStateOverlays(&painter, rect);
}

void SegmentWidget::_paintContent(QPainter* painter, const QRect& rect)
{
    painter->save();
    QPainterPath clip;
    clip.addRoundedRect(rect, kCornerRadius, kCornerRadius);
    painter->setClipPath(clip);
    painter->fillRect(rect, _backgroundColor);
    painter->save();
    _segment->paintTimelineBody(painter, rect, TimelineMetrics::pixelsPerSecond() * _scale);
    painter->restore();
    _drawTransitions(painter, rect);
    _paintSpeedLabel(painter);
    painter->setPen(QPen(Qt::black, 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(rect, kCornerRadius, kCornerRadius);
    painter->restore();
}

void SegmentWidget::_paintSpeedLabel(QPainter* painter)
{
    // Empty at speed 1.
    if (_speedLabel.isEmpty())
        return;
    QFont font = painter->font();
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setPixelSize(std::max(1, int((height() / 34.0) * 9.0)));
    painter->setFont(font);
    const int baseline = int(height() - 5.0);
    painter->setPen(QColor(0, 0, 0, 192));
    painter->drawText(QPointF(4.0, baseline), _speedLabel);
    painter->setPen(QColor(255, 255, 255, 192));
    painter->drawText(QPointF(5.0, baseline), _speedLabel);
}

void SegmentWidget::_drawTransitions(QPainter* painter, const QRect& rect) const
{
    const double pixelsPerSecond = _pixelsPerSegmentSecond(rect.width());
    if (pixelsPerSecond == 0.0)
        return;
    painter->save();
    painter->setPen(kTransitionPen);
    painter->setBrush(kTransitionBrush);
    const int count = _segment->transitionCount();
    for (int position = 0; position < count; ++position)
        painter->drawRect(_bandRect(_segment->isValidTransitionIndex(position), pixelsPerSecond));
    painter->restore();
}

void SegmentWidget::_paintStateOverlays(QPainter* painter, const QRect& rect) const
{
    if (_dragging) {
        painter->fillRect(rect, QColor::fromRgba(_dragOverlayColor));
    } else if (_selected) {
        QPen pen(kSelectionColor, 4.0);
        if (_dimColor != 0) {
            pen.setDashPattern({0.5, 0.5});
            pen.setCapStyle(Qt::FlatCap);
        }
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(rect, kCornerRadius, kCornerRadius);
    }
    if (_dimColor != 0)
        painter->fillRect(rect, QColor::fromRgba(_dimColor));
}
