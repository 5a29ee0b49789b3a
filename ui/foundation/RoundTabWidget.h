#pragma once

#include <QColor>
#include <QWidget>

// The filled tab behind a selected tool-bar button: rounded on its free
// corners and flaring concavely where it joins its panel, so that tab and
// panel read as one shape.
class RoundTabWidget : public QWidget
{
    Q_OBJECT

public:
    // position 0: joined along the left edge; 1: joined along the top edge.
    RoundTabWidget(int position, const QColor& color, QWidget* parent = nullptr);

    // Callers widen the button's rectangle by this much at both ends of the
    // joined edge, so that the flares reach beyond the button.
    static constexpr qreal cornerRadius() { return 10.0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath _topJoinedOutline() const;
    QPainterPath _leftJoinedOutline() const;

    QColor _color;
    int _position;
};
