#include "ColorMatrixPaletteWidget.h"

#include <QMouseEvent>
#include <QPainter>

ColorMatrixPaletteWidget::ColorMatrixPaletteWidget(QWidget* parent) : QWidget(parent)
{
}

void ColorMatrixPaletteWidget::setColors(const QList<QColor>& colors, int columns, float spacing)
{
    if (!_colors.isSharedWith(colors))
        _colors = colors;
    _columns = columns;
    _spacing = spacing;
    // A press on the old cells must not reach into the new list.
    _pressedIndex = -1;
    _highlightedIndex = -1;
    _layoutCells();
}

qreal ColorMatrixPaletteWidget::cellSize(int width, int columns, float spacing)
{
    if (columns <= 0)
        return 0.0;
    return ((width - 1) - (columns - 1) * qreal(spacing)) / columns;
}

void ColorMatrixPaletteWidget::_layoutCells()
{
    _cellRects.clear();
    // Without columns there is no grid to lay out (and nothing to divide by).
    if (_columns <= 0)
        return;
    const qreal cell = cellSize(width(), _columns, _spacing);
    qreal x = 0;
    qreal y = 0;
    for (int i = 0; i < _colors.size(); ++i) {
        if (i % _columns == 0 && !_cellRects.isEmpty()) {
            x = 0;
            y += cell + _spacing;
        }
        _cellRects.append(QRectF(x, y, cell, cell));
        x += cell + _spacing;
    }
}

int ColorMatrixPaletteWidget::_cellAt(const QPointF& position) const
{
    for (int i = 0; i < _cellRects.size(); ++i) {
        if (_cellRects[i].contains(position))
            return i;
    }
    return -1;
}

void ColorMatrixPaletteWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(16, 16, 16));
    for (int i = 0; i < _cellRects.size(); ++i) {
        const QColor color = _colors[i];
        painter.setBrush(i == _highlightedIndex ? color.darker(200) : color);
        painter.drawRect(_cellRects[i]);
    }
}

void ColorMatrixPaletteWidget::mousePressEvent(QMouseEvent* event)
{
    _pressedIndex = event->button() == Qt::LeftButton ? _cellAt(event->localPos()) : -1;
    if (_pressedIndex < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    _highlightedIndex = _pressedIndex;
    update();
    event->accept();
}

void ColorMatrixPaletteWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (_pressedIndex < 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const bool inside = _cellRects[_pressedIndex].contains(event->localPos());
    const int highlighted = inside ? _pressedIndex : -1;
    if (highlighted != _highlightedIndex) {
        _highlightedIndex = highlighted;
        update();
    }
    event->accept();
}

void ColorMatrixPaletteWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (_pressedIndex < 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int clicked = _highlightedIndex;
    _highlightedIndex = -1;
    _pressedIndex = -1;
    update();
    if (clicked >= 0)
        emit colorClicked(_colors[clicked]);
    event->accept();
}

void ColorMatrixPaletteWidget::resizeEvent(QResizeEvent* event)
{
    _layoutCells();
    QWidget::resizeEvent(event);
}
