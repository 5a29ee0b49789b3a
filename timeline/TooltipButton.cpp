#include "TooltipButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>

namespace {

const QColor kMarkerActiveColor(54, 200, 255);

// The triangle of a corner marker, for a button of size w x h.
QPainterPath markerTriangle(int marker, int w, int h)
{
    QPolygonF corners;
    switch (marker) {
    case TooltipButton::TopRight:
        corners << QPointF(w - 5, 5) << QPointF(w - 10, 5) << QPointF(w - 5, 10);
        break;
    case TooltipButton::BottomRight:
        corners << QPointF(w - 5, h - 5) << QPointF(w - 10, h - 5) << QPointF(w - 5, h - 10);
        break;
    case TooltipButton::BottomLeft:
        corners << QPointF(5, h - 5) << QPointF(5, h - 10) << QPointF(10, h - 5);
        break;
    case TooltipButton::TopLeft:
        corners << QPointF(5, 5) << QPointF(5, 10) << QPointF(10, 5);
        break;
    default:
        return QPainterPath();
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

} // namespace

TooltipButton::TooltipButton(const QString& iconPath, const QString& highlightedIconPath, QWidget* parent)
    : QPushButton(parent)
    , _normalIconPath(iconPath)
    , _highlightedIconPath(highlightedIconPath)
{
    connect(this, &QPushButton::pressed, this, &TooltipButton::onPressed);
    connect(this, &QPushButton::released, this, &TooltipButton::onReleased);
    setStyleSheet("QToolTip{background-color:rgb(54,200,255); color:white; padding: 2px; border-radius: 3px;}");
}

TooltipButton::TooltipButton(QWidget* parent)
    : TooltipButton(QString(), QString(), parent)
{
}

void TooltipButton::setNormalIcon(const QString& path)
{
    _normalIconPath = path;
    if (!_highlighted)
        setIcon(QIcon(path));
}

void TooltipButton::setHighlightedIcon(const QString& path)
{
    _highlightedIconPath = path;
    if (_highlighted)
        setIcon(QIcon(path));
}

void TooltipButton::setDisabledIcon(const QString& path)
{
    _disabledIconPath = path;
    if (!isEnabled())
        setIcon(QIcon(path));
}

void TooltipButton::onPressed()
{
    if (!_highlightedIconPath.isEmpty())
        setIcon(QIcon(_highlightedIconPath));
}

void TooltipButton::onReleased()
{
    _showStateIcon();
}

void TooltipButton::_showStateIcon()
{
    setIcon(QIcon(_highlighted ? _highlightedIconPath : _normalIconPath));
}

void TooltipButton::setHighlighted(bool on)
{
    _highlighted = on;
    _showStateIcon();
    if (on && showBubbleWhenHighlighted) {
        if (bubbleDelay < 1)
            showTooltipBubble();
        else
            QTimer::singleShot(bubbleDelay, this, &TooltipButton::_showBubbleIfHighlighted);
    } else {
        _hideBubble();
    }
}

void TooltipButton::_showBubbleIfHighlighted()
{
    if (_highlighted)
        showTooltipBubble();
}

void TooltipButton::setChecked(bool checked)
{
    _checked = checked;
    setHighlighted(checked);
}

void TooltipButton::setCornerMarker(int marker)
{
    if (marker == _cornerMarker)
        return;
    _cornerMarker = marker;
    update();
}

void TooltipButton::showTooltipBubble()
{
    if (!bubbleEnabled || _bubbleShown || tooltipText.isEmpty())
        return;
    const int textWidth = QFontMetrics(QToolTip::font()).boundingRect(tooltipText).width();
    const QPoint at(width() / 2 - (textWidth + 4) / 2, bubbleOffset);
    QToolTip::showText(mapToGlobal(at), tooltipText, this);
    _bubbleShown = true;
}

void TooltipButton::_hideBubble()
{
    if (!_bubbleShown)
        return;
    QToolTip::hideText();
    _bubbleShown = false;
}

void TooltipButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled()) {
            setHighlighted(_checked);
        } else if (_highlighted) {
            _highlighted = false;
            _showStateIcon();
            _hideBubble();
        }
        if (!isEnabled() && !_disabledIconPath.isEmpty())
            setIcon(QIcon(_disabledIconPath));
    }
    QPushButton::changeEvent(event);
}

void TooltipButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    const QPainterPath triangle = markerTriangle(_cornerMarker, width(), height());
    if (triangle.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(triangle, (isDown() || _highlighted) ? kMarkerActiveColor : QColor(Qt::white));
}
