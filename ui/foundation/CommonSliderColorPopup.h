#pragma once

#include "CommonPopup.h"

#include <QPointer>

#include <array>

class ColorButton;
class PopupColorMatrixWidget;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class SliderPopupForm;
class SwitchButton;

// Base of the popups that edit one group of values with up to three slider
// rows, an optional colour button (opening the colour matrix popup) and an
// optional on/off switch. Sliders work in integer positions: a value v sits
// at trunc(v x 1000). While a control moves the popup reports a Changing
// signal; when the change is final, a Changed signal: at the release of a
// drag, or 350 ms after the last value-button click, key press or wheel step.
// A change still awaiting its Changed when the popup is hidden, dismissed or
// destroyed gets it then, so that no edit is lost. The Silently setters
// refresh an open popup without echoing anything back to its owner.
class CommonSliderColorPopup : public CommonPopup
{
    Q_OBJECT

public:
    explicit CommonSliderColorPopup(QWidget* parent = nullptr);
    ~CommonSliderColorPopup() override;

    void setColor(const QColor& color);
    // Invalid when the popup has no colour button.
    QColor color() const;
    // Titles of the second and third rows.
    void setSliderTitle(const QString& title);
    void setSlider2Title(const QString& title);
    void setSwitchTitle(const QString& title);
    // Moves the switch without any signal.
    void setSwitchChecked(bool checked);

    // Ranges and steps in value units, stored as positions.
    void setSliderRange(float min, float max, float step);
    void setSlider2Range(float min, float max, float step);
    void setSlider3Range(float min, float max, float step);
    // A value outside the row's range changes nothing.
    virtual void setValue(float value);
    virtual void setValue2(float value);
    void setValue3(float value);
    void setValueSilently(float value);
    void setValue2Silently(float value);
    void setValue3Silently(float value);
    // 1.0 without a first slider; 0.0 without a second or third.
    float value() const;
    float value2() const;
    float value3() const;

    void setFirstOption(bool option);
    void setSecondOption(bool option);
    // Re-reads the options from the first value and the switch.
    void updateOptionsState();
    void setPercentFormat(bool percent) { _percentFormat = percent; }
    // Marks value on the first slider's groove, wherever the slider is laid
    // out later; drags within distance of it land on it.
    void setDefaultValueMarker(float value, float distance);
    // Emits at once, and once, the Changed signal of every change still
    // awaiting it.
    virtual void commitPendingChanges();

    void dismiss() override;
    void dismissChildPopups() override;
    void showAt(const QPoint& point) override;
    void updateControls(bool enabled) override;
    bool isValueEnabled() override;
    void setupUi(QWidget* parent, const QString& title) override;
    int popupHeight() override;

signals:
    void sliderColorPopupValueChanged(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupValue2Changed(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupValue3Changed(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupValueChanging(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupValue2Changing(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupValue3Changing(CommonSliderColorPopup* popup, float value);
    void sliderColorPopupColorChanged(CommonSliderColorPopup* popup, QColor color);
    void sliderColorPopupNeedColorPickingImage(CommonSliderColorPopup* popup, QImage* image);
    void sliderColorPopupGetPlaybackAreaFrame(CommonSliderColorPopup* popup, QRect* rect, QWidget* inWidget);
    void sliderColorPopupSwitchValueChanged(CommonSliderColorPopup* popup, bool value);

protected slots:
    void onSliderValueChanged(int value);
    void onSlider2ValueChanged(int value);
    void onSlider3ValueChanged(int value);
    void onSliderReleased();
    void onSlider2Released();
    void onSlider3Released();
    void onValueUpButtonPressed();
    void onValueUpButton2Pressed();
    void onValueUpButton3Pressed();
    void onValueUpButtonReleased();
    void onValueUpButton2Released();
    void onValueUpButton3Released();
    void onValueDownButtonPressed();
    void onValueDownButton2Pressed();
    void onValueDownButton3Pressed();
    void onValueDownButtonReleased();
    void onValueDownButton2Released();
    void onValueDownButton3Released();
    void onColorButtonClicked();
    void onPopupColorMatrixWidgetDismissed(CommonPopup* popup);
    void onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget* popup, QColor color);
    void onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup);
    void onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget* popup, QImage* image);
    void onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect);
    void onSwitchValueChanged(bool value);

protected:
    // One slider row's configuration, in value units.
    struct RowSetup {
        float value = 0;
        float min = 0;
        float max = 0;
        float step = 0;
    };

    // The configure order of the popups with a colour and three rows (and
    // optionally a switch): titles, ranges before values, colour, options.
    void configureThreeRows(const RowSetup& first, const QColor& color, const QString& title2,
                            const RowSetup& second, const QString& title3, const RowSetup& third);
    void configureThreeRowsWithSwitch(const RowSetup& first, const QColor& color, const QString& title2,
                                      const RowSetup& second, const QString& title3, const RowSetup& third,
                                      const QString& switchTitle, bool switchChecked);
    // Takes the form's widgets into the popup's fields and wires them, so
    // that values set while configuring already run the rows' handling.
    void adoptForm(const SliderPopupForm& form);
    // One step of a held value button on row (0 to 2), s positions signed.
    void stepWhileHeld(int row, int s);

    bool firstOption() const { return _firstOption; }
    bool secondOption() const { return _secondOption; }
    bool multiplierFormat() const { return _multiplierFormat; }
    void setMultiplierFormat(bool multiplier) { _multiplierFormat = multiplier; }
    QSlider* slider(int row) const { return _rows[row].slider; }
    QLabel* rowTitle(int row) const { return _rows[row].title; }
    QLabel* valueLabel(int row) const { return _rows[row].valueLabel; }
    QPushButton* valueUpButton(int row) const { return _rows[row].upButton; }
    QPushButton* valueDownButton(int row) const { return _rows[row].downButton; }
    ColorButton* colorButton() const { return _colorButton; }
    QLabel* switchLabel() const { return _switchLabel; }
    SwitchButton* switchButton() const { return _switchButton; }

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Row {
        QSlider* slider = nullptr;
        QLabel* valueLabel = nullptr;
        QPushButton* downButton = nullptr;
        QPushButton* upButton = nullptr;
        QLabel* title = nullptr;
        int step = 0;
        int storedValue = 0;
    };

    void _configureRowsAndColor(const RowSetup& first, const QColor& color, const RowSetup& second,
                                const RowSetup& third);
    void _setRowRange(int row, float min, float max, float step);
    void _setRowValue(int row, float value);
    float _rowValue(int row, float absent) const;
    void _rowPositionChanged(int row);
    void _rowActionTriggered(int row);
    void _rowReleased(int row);
    void _commitRow(int row);
    void _commitAwaitingRows();
    void _emitChanging(int row, float value);
    void _valueButtonPressed(int row, int direction);
    void _valueButtonReleased(int row);
    QString _rowText(int row, float value) const;
    void _enableRow(int row, bool enabled);
    void _placeDefaultMarker();
    void _styleSliders();
    void _styleValueButtons();
    QPoint _colorButtonTopInWindow() const;
    void _closeColorPopup();

    std::array<Row, 3> _rows;
    bool _percentFormat = false;
    bool _multiplierFormat = false;
    int _heldDirection = 0;
    int _heldRow = 0;
    int _heldStep = 0;
    int _repeatInterval = 0;
    // Rows the user changed since their last Changed (a bit per row).
    int _rowsAwaitingCommit = 0;
    bool _hasDefaultMarker = false;
    float _defaultValue = 0;
    float _snapDistance = 0;
    bool _steppingByButton = false;
    QWidget* _defaultValueMarker = nullptr;
    ColorButton* _colorButton = nullptr;
    QPointer<PopupColorMatrixWidget> _colorMatrixPopup;
    QLabel* _switchLabel = nullptr;
    SwitchButton* _switchButton = nullptr;
    bool _firstOption = false;
    bool _secondOption = false;
    bool _updating = false;
    bool _styled = false;
    // One timer for the repeat of a held button, so that a new press cancels
    // a repeat the previous hold left pending.
    QTimer* _repeatTimer;
    // Restarted by every click, key press or wheel step: rapid ones, on one
    // row or several, commit once after the last.
    QTimer* _commitTimer;
};
