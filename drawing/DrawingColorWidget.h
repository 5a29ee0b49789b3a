#pragma once

#include "PopupDrawingModeWidget.h"

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QPushButton;

// The drawing editor's swatch of how the pen paints: a plain colour, a
// texture, a linear or radial gradient (built at the canvas size), or the
// eraser. A click opens the fill-mode popup; the popup's choices are kept,
// remembered in the settings group "DrawingColorView" and reported by
// signal. Setters never signal. The widget never talks to the canvas.
class DrawingColorWidget : public QWidget
{
    Q_OBJECT

public:
    // DrawingColorMode
    enum Mode { EraserMode = 0, ColorMode = 1, PatternMode = 2, LinearGradientMode = 3, RadialGradientMode = 4 };

    DrawingColorWidget(const QSize& canvasSize, QWidget* parent = nullptr);
    ~DrawingColorWidget() override;

    QColor color() const { return _color; }
    int mode() const { return _mode; }
    QPixmap pattern() const { return _pattern; }
    QSize canvasSize() const { return _canvasSize; }
    PopupDrawingModeWidget* popup() const { return _popup; }

    void setColorMode();
    void setPatternMode();
    void setLinearGradientMode();
    void setRadialGradientMode();
    // Remembers the mode in force (unless it is the eraser already) so that
    // restorePreviousMode can return to it.
    void enterEraserMode();
    void setEraserMode();
    void restorePreviousMode();
    void setHardness(float hardness);
    // A gradient in force is built again at the new size.
    void setCanvasSize(const QSize& size);
    void setPopupParent(QWidget* parent) { _popupParent = parent; }
    void setCompactStyle() { _compactStyle = true; }
    void dismissPopup();

    // The gradient of the current mode (radial for mode 4, else linear) on a
    // transparent pixmap of that size.
    QPixmap gradientPixmap(const QSize& size) const;

    // The group "DrawingColorView": read at construction, written at destruction.
    void loadSettings();
    void saveSettings() const;

signals:
    void drawingColorWidgetColorChanged(DrawingColorWidget* colorWidget, QColor color);
    void drawingColorWidgetPatternChanged(DrawingColorWidget* colorWidget, QPixmap image);
    void drawingColorWidgetNeedColorPickingImage(DrawingColorWidget* colorWidget, QImage* image);
    void drawingColorWidgetGetPlaybackAreaFrame(DrawingColorWidget* colorWidget, QRect* rect, QWidget* inWidget);

public slots:
    void contentOnClicked();
    void onPopupDrawingModeWidgetModeChanged(PopupDrawingModeWidget* modeWidget, int mode);
    void onPopupDrawingModeWidgetColorSelected(PopupDrawingModeWidget* modeWidget, QColor color);
    void onPopupDrawingModeWidgetNeedColorPickingImage(PopupDrawingModeWidget* modeWidget, QImage* image);
    void onPopupDrawingModeWidgetGetPlaybackAreaFrame(PopupDrawingModeWidget* modeWidget, QRect* rect,
                                                      QWidget* inWidget);
    void onPopupDrawingModeWidgetDidPatternChange(PopupDrawingModeWidget* modeWidget, QString imgPath);
    void onPopupDrawingModeWidgetGetCanvasSize(PopupDrawingModeWidget* modeWidget, QSize* size);
    void onPopupDrawingModeWidgetGradientValueDidChange(PopupDrawingModeWidget* modeWidget,
                                                        bool radialOrLinearGradient, QColor startColor,
                                                        QColor endColor, QPointF startLocation,
                                                        QPointF endLocation);
    void onPopupDismissed(CommonPopup* popup);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Puts a mode of 1 to 4 in force through its setter; false for any other.
    bool _applyMode(int mode);
    // The popup's parent and its anchor point in that parent.
    QWidget* _popupHost() const;
    QPoint _popupAnchor() const;
    void _connectPopup();
    void _reanchorPopup();
    void _closePopup();

    int _mode = ColorMode;
    float _hardness = 1.0f;
    int _modeNonHollow = ColorMode;
    QSize _canvasSize;
    QColor _color{0, 255, 0, 255};
    QPixmap _pattern;
    QString _patternPath;
    QColor _linearStartColor{0, 255, 0, 255};
    QColor _linearEndColor{255, 255, 0, 255};
    QColor _radialStartColor{0, 255, 0, 255};
    QColor _radialEndColor{255, 255, 0, 255};
    QPointF _linearStartLocation{0.15, 0.5};
    QPointF _linearEndLocation{0.85, 0.5};
    QPointF _radialStartLocation{0.5, 0.5};
    QPointF _radialEndLocation{0.85, 0.85};
    QBrush _hollowBrush;
    QPushButton* _contentButton = nullptr;
    QPointer<PopupDrawingModeWidget> _popup;
    QPointer<QWidget> _popupParent;
    QPixmap _eraserPixmap;
    bool _compactStyle = false;
};
