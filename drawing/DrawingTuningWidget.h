#pragma once

#include "CommonSliderColorPopup.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class HardnessSliderStyle;
class LineWidthSliderStyle;
class QPushButton;
class QSlider;
class QTimer;
class TextWrappingButtonProxyStyle;
class Ui_DrawingTuningWidget;

// The drawing editor's pen settings: one of three pages (line width, text,
// picture) above the hardness row, with separate width and hardness for the
// pencil and the eraser. Values step with press-and-hold buttons (at once,
// after 500 ms, then every 50 ms); the final value of every row used comes
// 350 ms after the last release. Text and picture sizes are set in one-slider
// popups. Values are remembered in the settings group "DrawingTuningView".
class DrawingTuningWidget : public QWidget
{
    Q_OBJECT

public:
    // Pages of setMode.
    enum TuningMode { LineMode = 0, TextMode = 1, PictureMode = 2 };
    // SliderPopupKind tags of the size popups.
    enum PopupTag { TextSizeTag = 8, PictureSizeTag = 9 };

    explicit DrawingTuningWidget(QWidget* parent = nullptr);
    ~DrawingTuningWidget() override;

    float lineWidth() const { return _lineWidth; }
    float hardness() const { return _hardness; }
    float rubberLineWidth() const { return _rubberLineWidth; }
    float rubberHardness() const { return _rubberHardness; }
    bool isEraser() const { return _isEraser; }
    int textAlignment() const { return _textAlign; }
    QString fontName() const { return _fontName; }
    QString fontStyle() const { return _fontStyle; }
    float textSize() const { return _textSize; }
    float pictureSize() const { return _pictureSize; }
    int tuningMode() const { return _tuningMode; }
    CommonSliderColorPopup* popup() const { return _popup; }

    void setMode(int mode);
    void setEraserMode(bool eraser);
    void setTextSize(float size);
    void setPictureSize(float size);
    void setTextDoneEnabled(bool enabled);
    void setPictureDoneEnabled(bool enabled);
    void setPopupParent(QWidget* parent) { _popupParent = parent; }
    void dismissPopup();
    void setCompactLayout();

    // The group "DrawingTuningView": read at construction, written at destruction.
    void loadSettings();
    void saveSettings() const;

signals:
    void drawingTuningWidgetLineWidthChanging(DrawingTuningWidget* tuningWidget, float lineWidth);
    void drawingTuningWidgetLineWidthChanged(DrawingTuningWidget* tuningWidget, float lineWidth);
    void drawingTuningWidgetHardnessChanging(DrawingTuningWidget* tuningWidget, float hardness);
    void drawingTuningWidgetHardnessChanged(DrawingTuningWidget* tuningWidget, float hardness);
    void drawingTuningWidgetEditTextPressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidgetTextDonePressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidgetTextAlignChanged(DrawingTuningWidget* tuningWidget, int align);
    void drawingTuningWidgetTextSizeChanged(DrawingTuningWidget* tuningWidget, int size);
    void drawingTuningWidgetTextFontChanged(DrawingTuningWidget* tuningWidget, QString fontName, QString fontStyle);
    void drawingTuningWidgetOpenPicturePressed(DrawingTuningWidget* tuningWidget, QRect buttonRect);
    void drawingTuningWidgetPictureDonePressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidgetPictureSizeChanged(DrawingTuningWidget* tuningWidget, float size);

public slots:
    void onSliderValueChanged(int value);
    void onSliderReleased();
    void onValueUpButtonPressed();
    void onValueUpButtonReleased();
    void onValueDownButtonPressed();
    void onValueDownButtonReleased();
    void onEditTextButtonPressed();
    void onTextSizeButtonPressed();
    void onTextAlignButtonPressed();
    void onTextFontButtonPressed();
    void onTextDoneButtonPressed();
    void onOpenPictureButtonPressed();
    void onPictureSizeButtonPressed();
    void onPictureDoneButtonPressed();
    void popup_onDismissed(CommonPopup* popup);
    void sliderColorPopup_onValueChanged(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValueChanging(CommonSliderColorPopup* popup, float value);

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    // The rows with press-and-hold buttons.
    enum Row { LineWidthRow = 0, HardnessRow = 1 };

    QSlider* _slider(int row) const;
    float& _value(int row);
    void _showValue(int row);
    void _emitChanging(int row);
    void _emitChanged(int row);
    void _applySliderValue(int row, int value);
    void _pressValueButton(int row, int direction);
    void _stepHeld();
    void _releaseValueButton(int row);
    void _commitAwaitingRows();
    void _sliderActionTriggered(int row);
    void _showTextSize();
    void _showPictureSize();
    void _showFont();
    void _showAlignmentIcon();
    void _applyStyleSheets();
    void _connectControls();
    void _openSizePopup(int tag);
    QWidget* _popupHost() const;
    QPoint _popupAnchor() const;
    void _setSizeButtonHighlighted(QPushButton* button, bool on);

    std::unique_ptr<Ui_DrawingTuningWidget> _ui;
    float _lineWidth = 10.0f;
    float _hardness = 1.0f;
    float _rubberLineWidth = 15.0f;
    float _rubberHardness = 1.0f;
    float _textSize = 100.0f;
    QString _fontName;
    QString _fontStyle;
    int _textAlign = 4;
    float _pictureSize = 0.8f;
    bool _isEraser = false;
    int _tuningMode = LineMode;
    int _repeatDirection = 0;
    int _repeatInterval = 0;
    int _heldRow = LineWidthRow;
    // Rows changed since their last final signal (a bit per row).
    int _rowsAwaitingCommit = 0;
    QPointer<CommonSliderColorPopup> _popup;
    QPointer<QWidget> _popupParent;
    bool _compactLayout = false;
    // One repeat timer, stopped by every release, so that a quick release
    // and press never leaves two repeat chains running.
    QTimer* _repeatTimer = nullptr;
    // Restarted by every release: the final signals come once after the last.
    QTimer* _commitTimer = nullptr;
    std::unique_ptr<LineWidthSliderStyle> _lineWidthStyle;
    std::unique_ptr<HardnessSliderStyle> _hardnessStyle;
    std::unique_ptr<TextWrappingButtonProxyStyle> _fontButtonStyle;
};
