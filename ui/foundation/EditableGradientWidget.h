#pragma once

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QPointer>
#include <QWidget>

class CommonPopup;
class PopupColorMatrixWidget;
class QLabel;

// A two-colour gradient edited in place: painted (linear, or radial when
// made so) over a checkerboard, with a round handle for its start and one
// for its end. Dragging a handle moves it inside the widget; a click on a
// handle opens a menu to choose its colour (the colour matrix with its
// eyedropper) or to make it transparent. Every finished change is reported
// with both colours and both locations, the locations as fractions of the
// widget's size.
class EditableGradientWidget : public QWidget
{
    Q_OBJECT

public:
    EditableGradientWidget(const QColor& startColor, const QColor& endColor, const QPointF& startLocation,
                           const QPointF& endLocation, bool radial, QWidget* parent = nullptr);
    ~EditableGradientWidget() override;

    // True for the radial editor.
    bool constructionFlag() const { return _radial; }
    QColor startColor() const { return _startColor; }
    QColor endColor() const { return _endColor; }
    QPointF startLocation() const { return _startLocation; }
    QPointF endLocation() const { return _endLocation; }
    QLabel* startHandle() const { return _startHandle; }
    QLabel* endHandle() const { return _endHandle; }
    PopupColorMatrixWidget* colorPopup() const;

signals:
    void editableGradientWidgetValueDidChange(EditableGradientWidget* gradientWidget, QColor startColor,
                                              QColor endColor, QPointF startLocation, QPointF endLocation);
    // The receiver names the widget that will hold the colour popup (direct connection).
    void editableGradientWidgetGetPopupParent(EditableGradientWidget* gradientWidget, QWidget*& parent);
    // The receiver fills the picture for the eyedropper (direct connection).
    void editableGradientWidgetColorPickingImageNeeded(EditableGradientWidget* gradientWidget, QImage* image);
    // The receiver writes the preview's rectangle in inWidget's coordinates (direct connection).
    void editableGradientWidgetGetPlaybackAreaFrameInWidget(EditableGradientWidget* gradientWidget, QRect* rect,
                                                            QWidget* inWidget);

protected slots:
    void onPopupColorMatrixWidgetDismissed(CommonPopup* popup);
    void onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget* popup, QColor color);
    void onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup);
    void onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget* popup, QImage* image);
    void onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* _createHandle();
    void _takeHandleLocation(QLabel* handle);
    void _openColorMenu();
    void _chooseColor();
    void _clearColor();
    void _applyColor(const QColor& color);
    void _closeColorPopup();
    void _emitValue();

    QColor _startColor;
    QColor _endColor;
    QPointF _startLocation;
    QPointF _endLocation;
    bool _radial;
    QLabel* _startHandle;
    QLabel* _endHandle;
    QBrush _checkerboard;
    QLabel* _draggedHandle = nullptr;
    QPoint _handleCenterAtPress;
    QPoint _pressPoint;
    bool _moved = false;
    QLabel* _menuHandle = nullptr;
    // Lives on the owner's widget and deletes itself after dismissal.
    QPointer<PopupColorMatrixWidget> _colorPopup;
};
