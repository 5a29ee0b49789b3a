#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>

// Which edge of a panel its pointer arrow sits on.
enum PopupArrowSide { PopupArrowTop = 0, PopupArrowLeft = 1, PopupArrowRight = 2, PopupArrowBottom = 3 };

// A popup's panel body, painted with an optional border and fill, either as
// a (rounded) rectangle or, with an arrow point set, as a body with a
// pointer arrow whose tip lies on the chosen edge.
class PopupMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PopupMainWidget(QWidget* parent = nullptr);

    void setArrowSide(int side) { _arrowSide = side; }
    void setFillColor(const QColor& color) { _fillColor = color; }
    void setBorderColor(const QColor& color) { _borderColor = color; }
    void setCornerRadius(float radius) { _cornerRadius = radius; }
    // In the widget's coordinates; (0, 0) means no arrow.
    void setArrowPoint(const QPoint& point);
    QPoint arrowPoint() const { return _arrowPoint; }
    int arrowSide() const { return _arrowSide; }

    // The outline painted for the current arrow, in the widget's coordinates.
    QPainterPath outline() const;

signals:
    void mainWidgetClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    float _cornerRadius = 0;
    QColor _borderColor;
    QColor _fillColor;
    QPoint _arrowPoint;
    int _arrowSide = PopupArrowTop;
};
