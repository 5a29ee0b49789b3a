#pragma once

#include <QColor>
#include <QWidget>

// A rounded frame marking where a dragged tile would land on a track, or
// which row a dragged track would take. Owners make its background
// transparent with a style sheet.
class SegmentDraggingFrameWidget : public QWidget
{
public:
    SegmentDraggingFrameWidget(const QColor& color, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor _color;
};
