#pragma once

#include "CanvasDrawingState.h"

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class HistoryDataCompressionTaskManager;
class LineShape;
class PictureShape;
class Shape;
class TextShape;

// The bitmap canvas of the drawing editor. It owns a transparent canvas of a
// fixed pixel size, shows it scaled to the widget over the preview and paints
// into it with the current shape, driven by the left button and the wheel.
// Shapes work in widget units; the canvas painter scales them to canvas
// pixels. Every stroke, clear, new text and new picture first backs the canvas
// up, and each backup is also an undo snapshot of the history.
class CanvasWidget : public QWidget
{
    Q_OBJECT

public:
    CanvasWidget(int width, int height, QWidget* parent = nullptr);
    ~CanvasWidget() override;

    QSize canvasSize() const { return QSize(_canvasWidth, _canvasHeight); }
    QPixmap canvasPixmap() const { return _canvas; }
    // Draws the pixmap over the whole canvas (loads the segment's picture).
    void drawImage(const QPixmap& pixmap);

    // Chooses the tool and paint mode of a drawing command id; ids that name
    // no canvas tool change nothing.
    void setTool(int commandId);
    // Takes the colour's red, green and blue; the alpha stays the hardness.
    void setPenColor(const QColor& color);
    // hardness 0 to 1: the alpha of colour and texture.
    void setHardness(float hardness);
    // width in canvas pixels.
    void setLineWidth(float width);
    // A texture or gradient as brush; a null pixmap goes back to the plain colour.
    void setPattern(const QPixmap& pixmap);
    void setEraser(bool eraser);
    void setTextAlignment(int alignment);
    void setTextFont(const QString& fontName, const QString& fontStyle);
    // size in canvas pixels.
    void setTextSize(float size);
    // Commits the pending text into the canvas.
    void finishText();
    void setPictureScale(float scale);
    // Commits the pending picture into the canvas.
    void finishPicture();
    void clearPainting();
    // Puts back the newest snapshot; there is no redo.
    void undo();

signals:
    void canvasWidgetDrawBegan(CanvasWidget* canvasWidget);
    void canvasWidgetTextChanged(CanvasWidget* canvasWidget, QString text);
    void canvasWidgetPictureChanged(CanvasWidget* canvasWidget, QPixmap pixmap);
    void canvasWidgetTextSizeChangedByGesture(CanvasWidget* canvasWidget, float size);
    void canvasWidgetPictureSizeChangedByGesture(CanvasWidget* canvasWidget, float size);
    void canvasWidgetShowWaiting(CanvasWidget* canvasWidget);
    void canvasWidgetHideWaiting(CanvasWidget* canvasWidget);

public slots:
    void shapeOnNeedDisplayInRect(Shape* shape, QRect rect);
    void shapeOnNeedDisplay(Shape* shape);
    void shapeOnRequestBackupRestoreCanvasImage(Shape* shape, bool backup);
    void shapeOnRequestDiscardBackupCanvasImage(Shape* shape);
    void textShapeOnGetFrameRect(TextShape* shape, QRect& rect);
    // Opens the text dialog 100 ms later (also the tuning panel's edit-text button).
    void textShapeOnRequestText(TextShape* shape);
    void pictureShapeOnGetFrameRect(PictureShape* shape, QRect& rect);
    // Opens the picture dialog 100 ms later (also the tuning panel's open-picture button).
    void pictureShapeOnRequestPicture(PictureShape* shape);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void _createTools();
    void _connectShape(Shape* shape);
    float _meanScale() const { return (_scaleX + _scaleY) / 2; }
    void _applySolidColor();
    void _rebuildPatternBrush();
    bool _hasPendingText() const;
    bool _hasPendingPicture() const;
    // Redraws the pending text or picture of the current tool over the backup.
    void _redrawPendingItem();
    void _backupCanvas();
    void _restoreBackup();
    // Replaces every canvas pixel by the image's.
    void _replaceCanvas(const QImage& image);
    void _dragPendingItem(const QPoint& globalPosition);
    void _scaleTextByWheel(double factor);
    void _scalePictureByWheel(double factor);
    void _editText();
    void _choosePicture();
    void _showPicture(const QPixmap& picture);

    int _canvasWidth;
    int _canvasHeight;
    float _scaleX = 1.0f;
    float _scaleY = 1.0f;
    // The painter is declared after its pixmap so that it ends first.
    QPixmap _canvas;
    std::unique_ptr<QPainter> _painter;
    // The canvas as it was when the stroke began; figures that follow the
    // mouse are redrawn over it. Null until the first backup.
    QImage _backup;
    QPen _pen;
    QBrush _brush;
    CanvasDrawingState _state;
    bool _pressed = false;
    qint64 _lastMoveTime = 0;
    double _dragAnchorX = 0.0;
    double _dragAnchorY = 0.0;
    QPoint _pressGlobalPos;
    bool _dragging = false;
    std::array<Shape*, 13> _tools{};
    LineShape* _lineShape = nullptr;
    TextShape* _textShape = nullptr;
    PictureShape* _pictureShape = nullptr;
    Shape* _currentTool = nullptr;
    HistoryDataCompressionTaskManager* _history = nullptr;
};
