#pragma once

#include <QWidget>

class Segment;

// The darkened strip of the whole source media that a movie, music or voice
// tile places behind itself on its track while the segment is edited, so the
// trimmed part shows where it lies in the media.
class SegmentEditingStateBackgroundWidget : public QWidget
{
public:
    SegmentEditingStateBackgroundWidget(const QRect& geometry, Segment* segment, float scale, QWidget* parent);

    void setScale(float scale) { _scale = scale; }
    float scale() const { return _scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Segment* _segment;
    float _scale;
};
