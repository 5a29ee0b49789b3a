// Drawing a drawing segment's picture on a canvas laid over the preview:
// beginning the edit, the strip's commands and saving a copy of the painting.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CanvasWidget.h"
#include "DrawingColorWidget.h"
#include "DrawingSegment.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"
#include "MovieSizeForLevel.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "SaveFileCommit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr int kCanvasSizeLevel = 5;
constexpr int kRedrawAfterCanvasMs = 200;
constexpr int kMessageMs = 2000;
constexpr int kClearPaintingCommand = 10305;
constexpr int kUndoPaintingCommand = 10306;
constexpr int kSaveToAlbumCommand = 10328;
constexpr int kTextToolCommand = 10329;
constexpr int kPictureToolCommand = 10330;
constexpr int kPencilEraserSwitchCommand = 10334;
const char* const kSavePictureDirKey = "SavePictureDir";

int tuningPageFor(int cmdId)
{
    if (cmdId == kTextToolCommand)
        return DrawingTuningWidget::TextMode;
    if (cmdId == kPictureToolCommand)
        return DrawingTuningWidget::PictureMode;
    return DrawingTuningWidget::LineMode;
}

// The pencil's or the eraser's width and hardness; the colour swatch shows the hardness too.
void applyBrushSize(CanvasWidget* canvas, const DrawingTuningWidget* tuning, DrawingColorWidget* color, bool eraser)
{
    const float hardness = eraser ? tuning->rubberHardness() : tuning->hardness();
    canvas->setLineWidth(eraser ? tuning->rubberLineWidth() : tuning->lineWidth());
    canvas->setHardness(hardness);
    color->setHardness(hardness);
}

// The colour panel's plain colour, texture or gradient as the brush.
void applyBrushColor(CanvasWidget* canvas, const DrawingColorWidget* color)
{
    if (color->mode() == DrawingColorWidget::ColorMode) {
        canvas->setPattern(QPixmap());
        canvas->setPenColor(color->color());
    } else if (color->mode() != DrawingColorWidget::EraserMode) {
        canvas->setPattern(color->pattern());
    }
}

// The panel shows its mode afresh (a gradient drawn for the current canvas size).
void refreshColorMode(DrawingColorWidget* color)
{
    switch (color->mode()) {
    case DrawingColorWidget::EraserMode:
        color->setEraserMode();
        break;
    case DrawingColorWidget::PatternMode:
        color->setPatternMode();
        break;
    case DrawingColorWidget::LinearGradientMode:
        color->setLinearGradientMode();
        break;
    case DrawingColorWidget::RadialGradientMode:
        color->setRadialGradientMode();
        break;
    default:
        color->setColorMode();
        break;
    }
}

} // namespace

void MainWindow::_segmentEditingEditDrawing()
{
    _beginDrawingEditing(dynamic_cast<DrawingSegment*>(_editingSegment()));
}

void MainWindow::_beginDrawingEditing(DrawingSegment* drawing)
{
    QWidget* central = centralWidget();
    if (_canvas || !drawing || !_previewContainer || !central)
        return;
    const QRect area(_previewContainer->mapTo(central, QPoint(0, 0)), _previewContainer->size());
    const QSizeF aspect = _projectManager->aspectSize();
    const QSize canvasSize = movieSizeForLevel(float(aspect.width()), float(aspect.height()), kCanvasSizeLevel);
    auto* canvas = new CanvasWidget(canvasSize.width(), canvasSize.height(), central);
    canvas->drawImage(drawing->pixmap());
    canvas->setGeometry(area);
    _canvas = canvas;
    // The canvas shows the drawing; the preview under it shows the rest.
    if (_engine)
        _engine->setSegmentFlag2(drawing->serialNumber(), 0);
    canvas->show();
    canvas->raise();
    _connectCanvas(canvas);
    // The panels reach the canvas when the inspector's drawing mode starts.
    _createDrawingWidgets(canvasSize);
    _prepareForEditing();
    _runForProject(kRedrawAfterCanvasMs, [this] {
        if (_engine)
            _engine->requestRedraw();
    });
    _layoutOverlayWidgets();
    _enterDrawingMode(true);
}

void MainWindow::_reloadDrawingInEngine(DrawingSegment* drawing)
{
    if (!_engine)
        return;
    _engine->removeSegment(drawing->serialNumber());
    _createEngineSegment(drawing);
    _pushSegmentProperties(drawing);
    _sendDrawingOrder();
}

void MainWindow::_connectCanvas(CanvasWidget* canvas)
{
    connect(canvas, &CanvasWidget::canvasWidgetDrawBegan, this, &MainWindow::canvasWidget_onDrawBegan);
    connect(canvas, &CanvasWidget::canvasWidgetTextChanged, this, &MainWindow::canvasWidget_onTextChanged);
    connect(canvas, &CanvasWidget::canvasWidgetPictureChanged, this, &MainWindow::canvasWidget_onPictureChanged);
    connect(canvas, &CanvasWidget::canvasWidgetTextSizeChangedByGesture, this,
            &MainWindow::canvasWidget_onTextSizeChangedByGesture);
    connect(canvas, &CanvasWidget::canvasWidgetPictureSizeChangedByGesture, this,
            &MainWindow::canvasWidget_onPictureSizeChangedByGesture);
    connect(canvas, &CanvasWidget::canvasWidgetShowWaiting, this, &MainWindow::canvasWidget_onShowWaiting);
    connect(canvas, &CanvasWidget::canvasWidgetHideWaiting, this, &MainWindow::canvasWidget_onHideWaiting);
}

void MainWindow::_updateDrawingWidgets(CanvasWidget* canvas, DrawingTuningWidget* tuningWidget,
                                       DrawingColorWidget* colorWidget, DrawingToolsWidget* toolsWidget)
{
    if (!canvas)
        canvas = _canvas;
    if (!canvas || !tuningWidget || !colorWidget)
        return;
    // The project's aspect may have changed since the panels last drew.
    colorWidget->setCanvasSize(canvas->canvasSize());
    tuningWidget->setTextDoneEnabled(false);
    tuningWidget->setPictureDoneEnabled(false);
    tuningWidget->setEraserMode(colorWidget->mode() == DrawingColorWidget::EraserMode);
    applyBrushSize(canvas, tuningWidget, colorWidget, tuningWidget->isEraser());
    canvas->setTextAlignment(tuningWidget->textAlignment());
    canvas->setTextSize(tuningWidget->textSize());
    canvas->setTextFont(tuningWidget->fontName(), tuningWidget->fontStyle());
    refreshColorMode(colorWidget);
    canvas->setEraser(colorWidget->mode() == DrawingColorWidget::EraserMode);
    applyBrushColor(canvas, colorWidget);
    if (!toolsWidget)
        return;
    tuningWidget->setMode(tuningPageFor(toolsWidget->selectedCommandId()));
    canvas->setTool(toolsWidget->selectedCommandId());
}

void MainWindow::drawingToolsWidget_onCommand(DrawingToolsWidget*, int cmdId, float)
{
    if (!_canvas)
        return;
    if (cmdId == kPencilEraserSwitchCommand) {
        _switchPencilAndEraser();
        return;
    }
    // Text or a picture still being placed belongs to the painting first.
    _canvas->finishText();
    _canvas->finishPicture();
    switch (cmdId) {
    case kSaveToAlbumCommand:
        _saveDrawingToAlbum();
        break;
    case kClearPaintingCommand:
        _canvas->clearPainting();
        break;
    case kUndoPaintingCommand:
        _canvas->undo();
        break;
    default:
        if (_drawingTuningWidget)
            _drawingTuningWidget->setMode(tuningPageFor(cmdId));
        _canvas->setTool(cmdId);
        break;
    }
}

void MainWindow::_switchPencilAndEraser()
{
    DrawingColorWidget* color = _drawingColorWidget;
    DrawingTuningWidget* tuning = _drawingTuningWidget;
    if (!color || !tuning)
        return;
    const bool toEraser = color->mode() != DrawingColorWidget::EraserMode;
    if (toEraser)
        color->enterEraserMode();
    else
        color->restorePreviousMode();
    _canvas->setEraser(toEraser);
    tuning->setEraserMode(toEraser);
    applyBrushSize(_canvas, tuning, color, toEraser);
    if (toEraser)
        _canvas->setPenColor(QColor(255, 255, 255, 255));
    else
        applyBrushColor(_canvas, color);
}

void MainWindow::_saveDrawingToAlbum()
{
    QSettings store;
    const QString folder =
        store.value(kSavePictureDirKey, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)).toString();
    const QString proposed = folder + QDir::separator() + QStringLiteral("Vidorna Painting.png");
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as Picture"), proposed,
                                                      tr("Portable Network Graphics files (*.png)"));
    if (path.isEmpty() || !_canvas)
        return;
    store.setValue(kSavePictureDirKey, QFileInfo(path).absolutePath());
    const bool saved = SaveFileCommit::writeImage(path, _canvas->canvasPixmap().toImage(), "PNG");
    ProgressHUD::showMessage(saved ? tr("Saved OK") : tr("Save painting failed"), this, kMessageMs);
}
