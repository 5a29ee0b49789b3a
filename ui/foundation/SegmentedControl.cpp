#include "SegmentedControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// How much darker pressed and disabled looks are drawn.
constexpr int kDarkerFactor = 200;

} // namespace

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent)
{
}

void SegmentedControl::setSegments(const QStringList& titles)
{
    _titles = titles;
    update();
}

QString SegmentedControl::segmentTitle(int index) const
{
    return _titles.value(index);
}

void SegmentedControl::setSelectedIndex(int index)
{
    _selectedIndex = index;
    update();
}

void SegmentedControl::setSegmentIcons(int index, const QPixmap& normal, const QPixmap& selected)
{
    _icons.insert(index, normal);
    _selectedIcons.insert(index, selected);
}

void SegmentedControl::setIconSize(const QSize& size)
{
    _iconSize = size;
    update();
}

void SegmentedControl::setBorderWidth(float width)
{
    _borderWidth = width;
    update();
}

void SegmentedControl::setCornerRadius(float radius)
{
    _cornerRadius = radius;
}

void SegmentedControl::setBackgroundColor(const QColor& color)
{
    _backgroundColor = color;
    update();
}

void SegmentedControl::setBorderColor(const QColor& color)
{
    _borderColor = color;
    update();
}

void SegmentedControl::setUnselectedTextColor(const QColor& color)
{
    _unselectedTextColor = color;
    update();
}

void SegmentedControl::setSelectedTextColor(const QColor& color)
{
    _selectedTextColor = color;
    update();
}

void SegmentedControl::paintEvent(QPaintEvent* event)
{
    if (_titles.isEmpty()) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const QRectF bar(0, 0, width(), height());
    QPainterPath outline;
    outline.addRoundedRect(bar, _cornerRadius, _cornerRadius);
    painter.setClipPath(outline);
    if (_borderWidth > 0)
        painter.setPen(QPen(_borderColor, 2.0));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(_backgroundColor);
    painter.drawRoundedRect(bar, _cornerRadius, _cornerRadius);

    const qreal segmentWidth = bar.width() / _titles.size();
    QRectF segment(0, 0, segmentWidth, bar.height());
    for (int i = 0; i < _titles.size(); ++i) {
        _paintSegment(painter, i, segment);
        segment.translate(segmentWidth, 0);
    }
}

void SegmentedControl::_paintSegment(QPainter& painter, int index, const QRectF& rect)
{
    const bool selected = index == _selectedIndex;
    if (selected)
        painter.fillRect(rect, _borderColor);
    const QHash<int, QPixmap>& icons = selected ? _selectedIcons : _icons;
    if (icons.contains(index)) {
        const qreal ratio = devicePixelRatioF();
        QPixmap icon = icons.value(index).scaled(_iconSize * ratio, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation);
        icon.setDevicePixelRatio(ratio);
        const int x = int(rect.left() + (rect.width() - _iconSize.width()) * 0.5);
        const int y = int(rect.top() + (rect.height() - _iconSize.height()) * 0.5);
        painter.drawPixmap(QRect(QPoint(x, y), _iconSize), icon);
        return;
    }
    QColor textColor = selected ? _selectedTextColor : _unselectedTextColor;
    if (_pressed && rect.contains(_lastPressPosition))
        textColor = textColor.darker(kDarkerFactor);
    painter.setPen(textColor);
    painter.setFont(font());
    painter.drawText(rect, Qt::AlignCenter, _titles[index]);
}

int SegmentedControl::_segmentAt(const QPoint& position) const
{
    if (_titles.isEmpty())
        return -1;
    // Whole-pixel segments: the leftover pixels at the right belong to none.
    const int segmentWidth = width() / _titles.size();
    for (int i = 0; i < _titles.size(); ++i) {
        if (QRect(i * segmentWidth, 0, segmentWidth, height()).contains(position))
            return i;
    }
    return -1;
}

void SegmentedControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    _lastPressPosition = event->pos();
    _pressed = true;
    update();
}

void SegmentedControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!_pressed) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    _lastPressPosition = event->pos();
    update();
}

void SegmentedControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    // The last move position decides, so a release just past an edge still
    // picks what the user saw highlighted.
    const int index = _segmentAt(_lastPressPosition);
    if (index >= 0 && index != _selectedIndex) {
        _selectedIndex = index;
        emit segmentIndexChanged(this, index);
    }
    _lastPressPosition = QPoint(-1, -1);
    _pressed = false;
    update();
}
