#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

// A grid of square colour cells laid out row by row; clicking a cell emits
// its colour.
class ColorMatrixPaletteWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ColorMatrixPaletteWidget(QWidget* parent = nullptr);

    void setColors(const QList<QColor>& colors, int columns, float spacing);
    QList<QRectF> cellRects() const { return _cellRects; }
    // Side of a cell in a grid of that width; 0 without columns.
    static qreal cellSize(int width, int columns, float spacing);

signals:
    void colorClicked(QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void _layoutCells();
    int _cellAt(const QPointF& position) const;

    QList<QColor> _colors;
    QList<QRectF> _cellRects;
    int _columns = 0;
    float _spacing = 0.0f;
    int _highlightedIndex = -1;
    int _pressedIndex = -1;
};
