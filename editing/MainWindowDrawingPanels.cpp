// The inspector's drawing panels and the canvas talk to each other only
// through these slots of the window; each does nothing without a canvas.
#include "MainWindow.h"

#include "AVGLWidget.h"
#include "CanvasWidget.h"
#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"

#include <QPainter>

void MainWindow::_segmentEditingSetConnectionsForDrawingWidgets(DrawingColorWidget* colorWidget,
                                                                DrawingTuningWidget* tuningWidget,
                                                                DrawingToolsWidget* toolsWidget)
{
    using Color = DrawingColorWidget;
    using Tuning = DrawingTuningWidget;
    colorWidget->setPopupParent(centralWidget());
    connect(colorWidget, &Color::drawingColorWidgetColorChanged, this, &MainWindow::drawingColorWidget_onColorChanged);
    connect(colorWidget, &Color::drawingColorWidgetPatternChanged, this,
            &MainWindow::drawingColorWidget_onPatternChanged);
    // The requests answer through their pointers before the panel goes on.
    connect(colorWidget, &Color::drawingColorWidgetNeedColorPickingImage, this,
            &MainWindow::drawingColorWidget_onNeedColorPickingImage, Qt::DirectConnection);
    connect(colorWidget, &Color::drawingColorWidgetGetPlaybackAreaFrame, this,
            &MainWindow::drawingColorWidget_onGetPlaybackAreaFrame, Qt::DirectConnection);
    tuningWidget->setPopupParent(centralWidget());
    connect(tuningWidget, &Tuning::drawingTuningWidgetLineWidthChanging, this,
            &MainWindow::drawingTuningWidget_onLineWidthChanging);
    connect(tuningWidget, &Tuning::drawingTuningWidgetLineWidthChanged, this,
            &MainWindow::drawingTuningWidget_onLineWidthChanged);
    connect(tuningWidget, &Tuning::drawingTuningWidgetHardnessChanging, this,
            &MainWindow::drawingTuningWidget_onHardnessChanging);
    connect(tuningWidget, &Tuning::drawingTuningWidgetHardnessChanged, this,
            &MainWindow::drawingTuningWidget_onHardnessChanged);
    connect(tuningWidget, &Tuning::drawingTuningWidgetEditTextPressed, this,
            &MainWindow::drawingTuningWidget_onEditTextPressed);
    connect(tuningWidget, &Tuning::drawingTuningWidgetTextDonePressed, this,
            &MainWindow::drawingTuningWidget_onTextDonePressed);
    connect(tuningWidget, &Tuning::drawingTuningWidgetTextAlignChanged, this,
            &MainWindow::drawingTuningWidget_onTextAlignChanged);
    connect(tuningWidget, &Tuning::drawingTuningWidgetTextSizeChanged, this,
            &MainWindow::drawingTuningWidget_onTextSizeChanged);
    connect(tuningWidget, &Tuning::drawingTuningWidgetTextFontChanged, this,
            &MainWindow::drawingTuningWidget_onTextFontChanged);
    connect(tuningWidget, &Tuning::drawingTuningWidgetOpenPicturePressed, this,
            &MainWindow::drawingTuningWidget_onOpenPicturePressed);
    connect(tuningWidget, &Tuning::drawingTuningWidgetPictureDonePressed, this,
            &MainWindow::drawingTuningWidget_onPictureDonePressed);
    connect(tuningWidget, &Tuning::drawingTuningWidgetPictureSizeChanged, this,
            &MainWindow::drawingTuningWidget_onPictureSizeChanged);
    connect(toolsWidget, &DrawingToolsWidget::drawingToolsWidgetOnCommand, this,
            &MainWindow::drawingToolsWidget_onCommand);
}

// --- The canvas's reports -----------------------------------------------------------------

void MainWindow::canvasWidget_onDrawBegan(CanvasWidget*)
{
}

void MainWindow::canvasWidget_onTextChanged(CanvasWidget*, QString text)
{
    if (_drawingTuningWidget)
        _drawingTuningWidget->setTextDoneEnabled(!text.isEmpty());
}

void MainWindow::canvasWidget_onPictureChanged(CanvasWidget*, QPixmap pixmap)
{
    if (_drawingTuningWidget)
        _drawingTuningWidget->setPictureDoneEnabled(!pixmap.isNull());
}

void MainWindow::canvasWidget_onTextSizeChangedByGesture(CanvasWidget*, float size)
{
    if (_drawingTuningWidget)
        _drawingTuningWidget->setTextSize(size);
}

void MainWindow::canvasWidget_onPictureSizeChangedByGesture(CanvasWidget*, float size)
{
    if (_drawingTuningWidget)
        _drawingTuningWidget->setPictureSize(size);
}

void MainWindow::canvasWidget_onShowWaiting(CanvasWidget*)
{
    showWaitingHUD(QString());
}

void MainWindow::canvasWidget_onHideWaiting(CanvasWidget*)
{
    hideWaitingHUD();
}

// --- The colour panel -----------------------------------------------------------------------

void MainWindow::drawingColorWidget_onColorChanged(DrawingColorWidget*, QColor color)
{
    if (!_canvas)
        return;
    _canvas->setPattern(QPixmap());
    _canvas->setPenColor(color);
}

void MainWindow::drawingColorWidget_onPatternChanged(DrawingColorWidget*, QPixmap image)
{
    if (_canvas)
        _canvas->setPattern(image);
}

void MainWindow::drawingColorWidget_onNeedColorPickingImage(DrawingColorWidget*, QImage* image)
{
    if (image)
        *image = _colorPickingImage();
}

void MainWindow::drawingColorWidget_onGetPlaybackAreaFrame(DrawingColorWidget*, QRect* rect, QWidget* inWidget)
{
    sliderColorPopup_onGetPlaybackAreaFrame(nullptr, rect, inWidget);
}

QImage MainWindow::_colorPickingImage() const
{
    if (!_previewWidget)
        return QImage();
    QImage picture = _previewWidget->grabFramebuffer();
    if (!_canvas || picture.isNull())
        return picture;
    // The canvas covers the preview exactly; the framebuffer holds device pixels.
    const float ratio = float(picture.devicePixelRatio());
    const QRect target(0, 0, int(float(picture.width()) / ratio), int(float(picture.height()) / ratio));
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    painter.drawPixmap(target, _canvas->canvasPixmap());
    return picture;
}

// --- The tuning panel -----------------------------------------------------------------------

// Only the released slider's width reaches the canvas.
void MainWindow::drawingTuningWidget_onLineWidthChanging(DrawingTuningWidget*, float)
{
}

void MainWindow::drawingTuningWidget_onLineWidthChanged(DrawingTuningWidget*, float lineWidth)
{
    if (_canvas)
        _canvas->setLineWidth(lineWidth);
}

void MainWindow::drawingTuningWidget_onHardnessChanging(DrawingTuningWidget* tuningWidget, float hardness)
{
    drawingTuningWidget_onHardnessChanged(tuningWidget, hardness);
}

void MainWindow::drawingTuningWidget_onHardnessChanged(DrawingTuningWidget*, float hardness)
{
    if (!_canvas)
        return;
    _canvas->setHardness(hardness);
    if (_drawingColorWidget)
        _drawingColorWidget->setHardness(hardness);
}

void MainWindow::drawingTuningWidget_onEditTextPressed(DrawingTuningWidget*)
{
    if (_canvas)
        _canvas->textShapeOnRequestText(nullptr);
}

void MainWindow::drawingTuningWidget_onTextDonePressed(DrawingTuningWidget*)
{
    if (_canvas)
        _canvas->finishText();
}

void MainWindow::drawingTuningWidget_onTextAlignChanged(DrawingTuningWidget*, int align)
{
    if (_canvas)
        _canvas->setTextAlignment(align);
}

void MainWindow::drawingTuningWidget_onTextSizeChanged(DrawingTuningWidget*, int size)
{
    if (_canvas)
        _canvas->setTextSize(float(size));
}

void MainWindow::drawingTuningWidget_onTextFontChanged(DrawingTuningWidget*, QString fontName, QString fontStyle)
{
    if (_canvas)
        _canvas->setTextFont(fontName, fontStyle);
}

void MainWindow::drawingTuningWidget_onOpenPicturePressed(DrawingTuningWidget*, QRect)
{
    if (_canvas)
        _canvas->pictureShapeOnRequestPicture(nullptr);
}

void MainWindow::drawingTuningWidget_onPictureDonePressed(DrawingTuningWidget*)
{
    if (_canvas)
        _canvas->finishPicture();
}

void MainWindow::drawingTuningWidget_onPictureSizeChanged(DrawingTuningWidget*, float size)
{
    if (_canvas)
        _canvas->setPictureScale(size);
}
