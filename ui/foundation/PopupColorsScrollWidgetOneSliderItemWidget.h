#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class RotatableImageWidget;

// One row of the colour-correction popup: a title with its value that
// expands into a slider with step buttons. While the value moves the row
// reports valueChanging; when the change is final, valueDidChange: at the
// release of a drag, or 350 ms after the last step-button release or key
// step. A drag near the middle snaps to 0; steps never snap.
class PopupColorsScrollWidgetOneSliderItemWidget : public QWidget
{
    Q_OBJECT

public:
    PopupColorsScrollWidgetOneSliderItemWidget(const QPixmap& expandPixmap, const QPixmap& disabledExpandPixmap,
                                              QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setValueRange(int value, int minimum, int maximum);
    // Quietly: nothing is reported.
    void setValue(int value);
    int value() const;
    void setExpanded(bool expanded);
    void hideSeparator();
    // Reports at once, and once, a change still awaiting its valueDidChange.
    void commitPendingChange();

    void setIndex(int index) { _index = index; }
    int index() const { return _index; }

signals:
    void valueDidChange(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget, int value);
    void valueChanging(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget, int value);
    void itemPressed(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget);

protected slots:
    void onSliderValueChanged(int value);
    void onSliderReleased();
    void onValueUpButtonPressed();
    void onValueUpButtonReleased();
    void onValueDownButtonPressed();
    void onValueDownButtonReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void _buildForm(const QPixmap& expandPixmap, const QPixmap& disabledExpandPixmap);
    void _showValue(int value);
    void _startStepping(int direction);
    void _step();
    void _stepButtonReleased();

    RotatableImageWidget* _expandIcon = nullptr;
    QLabel* _titleLabel = nullptr;
    QLabel* _valueLabelSmall = nullptr;
    QWidget* _sliderAreaWidget = nullptr;
    QSlider* _slider = nullptr;
    QPushButton* _valueDownButton = nullptr;
    QLabel* _valueLabel = nullptr;
    QPushButton* _valueUpButton = nullptr;
    QWidget* _separator = nullptr;

    int _index = 0;
    // 0 none, 1 up, 2 down.
    int _stepDirection = 0;
    int _repeatInterval = 0;
    int _lastCommittedValue = 0;
    bool _stepping = false;
    bool _pressed = false;
    bool _moved = false;
    QPoint _pressPoint;
    bool _quiet = false;
    QTimer* _repeatTimer;
    // Restarted by every step-button release or key step: a run of them
    // commits once, after the last.
    QTimer* _commitTimer;
};
