#pragma once

#include "CommonSliderColorPopup.h"

#include <QSizeF>

class QGraphicsDropShadowEffect;
class QPushButton;
class QTimer;
class SliderPopupForm;

// A segment's drop shadow: opacity on the first row (with the shadow colour),
// blur on the second, and the offset on a pad where the user drags a white
// box over its shadow or nudges it a pixel at a time with four arrows. The
// shadow stays where the hidden back widget is; the box moves by minus the
// offset.
class PopupSliderColorShadowWidget : public CommonSliderColorPopup
{
    Q_OBJECT

public:
    explicit PopupSliderColorShadowWidget(QWidget* parent = nullptr);
    ~PopupSliderColorShadowWidget() override;

    // Embedded in parent.
    void showFullscreenWithValues(QWidget* parent, const QString& title, float opacity, const QColor& color,
                                  const QSizeF& offset, float min, float max, float step, const QString& title2,
                                  float blur, float min2, float max2, float step2);
    // Floating above point.
    void showWithValues(QWidget* parent, const QString& title, const QPoint& point, float opacity,
                        const QColor& color, const QSizeF& offset, float min, float max, float step,
                        const QString& title2, float blur, float min2, float max2, float step2);

    void setShadowOffset(const QSizeF& offset);
    QSizeF shadowOffset() const;
    // Moves the box by delta pixels, keeping its centre 10 px inside the panel.
    void moveShadowBy(const QPoint& delta);

    void updateControls(bool enabled) override;
    void setupUi(QWidget* parent, const QString& title) override;
    void layoutAtPoint(const QPoint& point) override;
    int popupHeight() override;
    void setValue(float value) override;
    void setValue2(float value) override;
    // The rows' changes, then an offset still awaiting its Changed.
    void commitPendingChanges() override;

signals:
    void shadowOffsetChanging(PopupSliderColorShadowWidget* popup, QSizeF offset);
    void shadowOffsetChanged(PopupSliderColorShadowWidget* popup, QSizeF offset);

public slots:
    void onShadowOpacityValueChanging(CommonSliderColorPopup* popup, float value);
    void onShadowOpacityValueChanged(CommonSliderColorPopup* popup, float value);
    void onShadowBlurRadiusValueChanging(CommonSliderColorPopup* popup, float value);
    void onShadowBlurRadiusValueChanged(CommonSliderColorPopup* popup, float value);
    void onShadowMoveLeftButtonClicked();
    void onShadowMoveRightButtonClicked();
    void onShadowMoveUpButtonClicked();
    void onShadowMoveDownButtonClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void _buildPad(const SliderPopupForm& form);
    QPushButton* _makeArrowButton(const char* name, const char* icon, const QSize& size);
    void _applyValues(float opacity, const QColor& color, const QSizeF& offset, float min, float max, float step,
                      const QString& title2, float blur, float min2, float max2, float step2);
    void _setShadowOpacity(float opacity);
    void _setShadowBlur(float blur);
    void _placePad();
    void _placeBox();
    // Moves the box to (x, y) within the panel and sets the matching offset.
    void _moveBoxTo(double x, double y);
    void _postResize();

    QGraphicsDropShadowEffect* _shadowEffect;
    bool _dragging = false;
    QPoint _pressGlobalPos;
    QPoint _pressBoxPos;
    // Restarted by each arrow click: a run of clicks commits once.
    QTimer* _offsetCommitTimer;
    QWidget* _pad = nullptr;
    QWidget* _backWidget = nullptr;
    QWidget* _box = nullptr;
    QPushButton* _upButton = nullptr;
    QPushButton* _downButton = nullptr;
    QPushButton* _leftButton = nullptr;
    QPushButton* _rightButton = nullptr;
};
