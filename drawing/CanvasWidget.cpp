#include "CanvasWidget.h"

#include "EllipseShape.h"
#include "HeartShape.h"
#include "HistoryDataCompressionTaskManager.h"
#include "LineShape.h"
#include "PencilShape.h"
#include "PentagramShape.h"
#include "PictureShape.h"
#include "PolygonShape.h"
#include "RectShape.h"
#include "RoundRectShape.h"
#include "TextShape.h"
#include "Util.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Indices of the tools, in the order they are made.
enum ToolIndex {
    kPencil, kLine, kRect, kRoundRect, kPentagram, kTriangle, kRhombus, kPentagon,
    kEllipse, kCircle, kHeart, kText, kPicture
};

struct ToolChoice {
    int tool;
    int paintMode;
};

constexpr ToolChoice kNoTool{-1, kPaintNothing};

// The canvas tool and paint mode of a drawing command id; the first id of each
// pair outlines, the second fills. Texture and gradients are colour modes of the pencil.
ToolChoice toolChoiceFor(int commandId)
{
    switch (commandId) {
    case 10301: case 10303: case 10332: case 10333: return {kPencil, kPaintOutline};
    case 10309: case 10335: case 10336: case 10337: return {kLine, kPaintOutline};
    case 10310: return {kRect, kPaintOutline};
    case 10311: return {kRect, kPaintFilled};
    case 10312: return {kRoundRect, kPaintOutline};
    case 10313: return {kRoundRect, kPaintFilled};
    case 10314: return {kCircle, kPaintOutline};
    case 10315: return {kCircle, kPaintFilled};
    case 10316: return {kEllipse, kPaintOutline};
    case 10317: return {kEllipse, kPaintFilled};
    case 10318: return {kTriangle, kPaintOutline};
    case 10319: return {kTriangle, kPaintFilled};
    case 10320: return {kRhombus, kPaintOutline};
    case 10321: return {kRhombus, kPaintFilled};
    case 10322: return {kPentagram, kPaintOutline};
    case 10323: return {kPentagram, kPaintFilled};
    case 10324: return {kPentagon, kPaintOutline};
    case 10325: return {kPentagon, kPaintFilled};
    case 10326: return {kHeart, kPaintOutline};
    case 10327: return {kHeart, kPaintFilled};
    case 10329: return {kText, kPaintOutline};
    case 10330: return {kPicture, kPaintOutline};
    default: return kNoTool;
    }
}

constexpr float kInitialLineWidth = 30.0f;
// Mouse moves closer together than this are dropped.
constexpr qint64 kMoveIntervalMs = 16;
constexpr int kDialogDelayMs = 100;
constexpr int kPictureDelayMs = 200;
// One wheel step of this many degrees (or pixels) grows the size by 1/640.
constexpr double kWheelStepsPerDoubling = 640.0;
constexpr float kMinTextSize = 1.0f;
constexpr float kMaxTextSize = 960.0f;
constexpr float kMinPictureScale = 0.01f;
constexpr float kMaxPictureScale = 4.0f;
// Undo waits this long for the snapshot writer before it gives up.
constexpr int kHistoryWaitMs = 10000;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

CanvasWidget::CanvasWidget(int width, int height, QWidget* parent)
    : QWidget(parent), _canvasWidth(width), _canvasHeight(height), _canvas(width, height)
{
    _canvas.fill(Qt::transparent);
    _painter = std::make_unique<QPainter>(&_canvas);
    _painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    _pen.setCapStyle(Qt::RoundCap);
    _pen.setJoinStyle(Qt::RoundJoin);
    _painter->setPen(_pen);
    _brush.setStyle(Qt::SolidPattern);
    _painter->setBrush(_brush);
    _state.painter = _painter.get();
    _createTools();
    _currentTool = _tools[kPencil];
    setLineWidth(kInitialLineWidth);
    setPenColor(QColor(0, 255, 0, 255));
    _history = new HistoryDataCompressionTaskManager(this);
}

CanvasWidget::~CanvasWidget() = default;

void CanvasWidget::_createTools()
{
    _lineShape = new LineShape(10309, &_state, this);
    _textShape = new TextShape(10329, &_state, this);
    _pictureShape = new PictureShape(10330, &_state, this);
    _tools = {new PencilShape(10301, &_state, this),
              _lineShape,
              new RectShape(10310, &_state, this),
              new RoundRectShape(10312, &_state, this),
              new PentagramShape(10322, &_state, this),
              new PolygonShape(10318, &_state, 3, 0, this),
              new PolygonShape(10320, &_state, 4, 1, this),
              new PolygonShape(10324, &_state, 5, 0, this),
              new EllipseShape(10316, &_state, false, this),
              new EllipseShape(10314, &_state, true, this),
              new HeartShape(10326, &_state, this),
              _textShape,
              _pictureShape};
    for (Shape* shape : _tools)
        _connectShape(shape);
    connect(_textShape, &TextShape::textShapeGetFrameRect, this, &CanvasWidget::textShapeOnGetFrameRect,
            Qt::DirectConnection);
    connect(_textShape, &TextShape::textShapeRequestText, this, &CanvasWidget::textShapeOnRequestText);
    connect(_pictureShape, &PictureShape::pictureShapeGetFrameRect, this, &CanvasWidget::pictureShapeOnGetFrameRect,
            Qt::DirectConnection);
    connect(_pictureShape, &PictureShape::pictureShapeRequestPicture, this,
            &CanvasWidget::pictureShapeOnRequestPicture);
}

void CanvasWidget::_connectShape(Shape* shape)
{
    connect(shape, &Shape::shapeNeedDisplayInRect, this, &CanvasWidget::shapeOnNeedDisplayInRect);
    connect(shape, &Shape::shapeNeedDisplay, this, &CanvasWidget::shapeOnNeedDisplay);
    connect(shape, &Shape::shapeRequestBackupRestoreCanvasImage, this,
            &CanvasWidget::shapeOnRequestBackupRestoreCanvasImage);
    connect(shape, &Shape::shapeRequestDiscardBackupCanvasImage, this,
            &CanvasWidget::shapeOnRequestDiscardBackupCanvasImage);
}

void CanvasWidget::drawImage(const QPixmap& pixmap)
{
    // In canvas pixels whatever the widget's current scale.
    _painter->save();
    _painter->resetTransform();
    _painter->drawPixmap(QRect(0, 0, _canvasWidth, _canvasHeight), pixmap);
    _painter->restore();
    update();
}

void CanvasWidget::setTool(int commandId)
{
    const ToolChoice choice = toolChoiceFor(commandId);
    if (choice.tool < 0)
        return;
    _currentTool = _tools[choice.tool];
    _state.paintMode = choice.paintMode;
    if (choice.tool == kLine)
        _lineShape->setStyle(commandId == 10335, commandId == 10336, commandId == 10337);
}

void CanvasWidget::setPenColor(const QColor& color)
{
    _state.color = QColor(color.red(), color.green(), color.blue(), _state.color.alpha());
    _applySolidColor();
    _redrawPendingItem();
}

void CanvasWidget::setHardness(float hardness)
{
    _state.color.setAlpha(int(qBound(0.0f, hardness, 1.0f) * 255));
    _applySolidColor();
    if (!_state.pattern.isNull())
        _rebuildPatternBrush();
    _redrawPendingItem();
}

void CanvasWidget::_applySolidColor()
{
    const QTransform brushTransform = _brush.transform();
    _brush = QBrush(_state.color, Qt::SolidPattern);
    _brush.setTransform(brushTransform);
    _pen.setColor(_state.color);
    _painter->setPen(_pen);
    _painter->setBrush(_brush);
}

void CanvasWidget::_rebuildPatternBrush()
{
    QPixmap texture = _state.pattern;
    const int alpha = _state.color.alpha();
    if (alpha < 255) {
        texture = QPixmap(_state.pattern.size());
        texture.fill(Qt::transparent);
        QPainter painter(&texture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setOpacity(alpha / 255.0);
        painter.drawPixmap(0, 0, _state.pattern);
    }
    const QTransform brushTransform = _brush.transform();
    _brush = QBrush(texture);
    _brush.setTransform(brushTransform);
    _painter->setBrush(_brush);
    _pen.setBrush(_brush);
    _painter->setPen(_pen);
}

void CanvasWidget::setLineWidth(float width)
{
    _state.lineWidth = width;
    _state.penWidth = width / _meanScale();
    _pen.setWidthF(_state.penWidth);
    _painter->setPen(_pen);
}

void CanvasWidget::setPattern(const QPixmap& pixmap)
{
    if (pixmap.isNull()) {
        _state.pattern = QPixmap();
        setPenColor(_state.color);
        return;
    }
    const QRectF fitted =
        Util::aspectFitRect(pixmap.width(), pixmap.height(), QRectF(0, 0, _canvasWidth, _canvasHeight));
    QPixmap pattern(qRound(fitted.width()), qRound(fitted.height()));
    pattern.fill(Qt::transparent);
    {
        QPainter painter(&pattern);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(pattern.rect(), pixmap);
    }
    _state.pattern = pattern;
    _rebuildPatternBrush();
    _redrawPendingItem();
}

void CanvasWidget::setEraser(bool eraser)
{
    _state.eraser = eraser;
}

void CanvasWidget::setTextAlignment(int alignment)
{
    _state.textAlignment = alignment;
    _redrawPendingItem();
}

void CanvasWidget::setTextFont(const QString& fontName, const QString& fontStyle)
{
    _state.fontName = fontName;
    _state.fontStyle = fontStyle;
    _textShape->updateFrame();
    _redrawPendingItem();
}

void CanvasWidget::setTextSize(float size)
{
    _state.textSize = size;
    _state.canvasTextSize = std::max(1.0f, size / _meanScale());
    _redrawPendingItem();
}

void CanvasWidget::finishText()
{
    if (!_hasPendingText())
        return;
    _restoreBackup();
    _textShape->commit();
    _state.text.clear();
    emit canvasWidgetTextChanged(this, QString());
}

void CanvasWidget::setPictureScale(float scale)
{
    _state.pictureScale = scale;
    _redrawPendingItem();
}

void CanvasWidget::finishPicture()
{
    if (!_hasPendingPicture())
        return;
    _restoreBackup();
    _pictureShape->commit();
    _state.picture = QPixmap();
    emit canvasWidgetPictureChanged(this, _state.picture);
}

void CanvasWidget::clearPainting()
{
    _backupCanvas();
    _canvas.fill(Qt::transparent);
    update();
}

void CanvasWidget::undo()
{
    if (!_history->hasHistory())
        return;
    if (_history->isBusy()) {
        // The indicator's owner and the events the wait runs may close the
        // editor meanwhile and delete this canvas with its snapshots.
        const QPointer<CanvasWidget> alive(this);
        emit canvasWidgetShowWaiting(this);
        const bool idle = alive && _history->waitUntilIdle(kHistoryWaitMs);
        if (!alive)
            return;
        emit canvasWidgetHideWaiting(this);
        if (!idle) {
            qWarning() << "Drawing history: the snapshot writer is still busy; undo skipped";
            return;
        }
    }
    QElapsedTimer timer;
    timer.start();
    const QPixmap snapshot = _history->pop();
    if (!snapshot.isNull())
        _replaceCanvas(snapshot.toImage());
    qDebug() << "Drawing history data uncompressing time: " << timer.elapsed();
    update();
}

bool CanvasWidget::_hasPendingText() const
{
    return _currentTool == _textShape && !_state.text.isEmpty();
}

bool CanvasWidget::_hasPendingPicture() const
{
    return _currentTool == _pictureShape && !_state.picture.isNull();
}

void CanvasWidget::_redrawPendingItem()
{
    if (!_hasPendingText() && !_hasPendingPicture())
        return;
    _restoreBackup();
    _currentTool->draw();
}

void CanvasWidget::_backupCanvas()
{
    // Copied into the backup's own pixels, which are reused from stroke to
    // stroke once the history has written its share of them.
    if (_backup.isNull())
        _backup = QImage(_canvasWidth, _canvasHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&_backup);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, _canvas);
    painter.end();
    _history->push(_backup);
}

void CanvasWidget::_restoreBackup()
{
    if (!_backup.isNull())
        _replaceCanvas(_backup);
}

void CanvasWidget::_replaceCanvas(const QImage& image)
{
    _painter->save();
    _painter->resetTransform();
    _painter->setCompositionMode(QPainter::CompositionMode_Source);
    _painter->drawImage(QRect(0, 0, _canvasWidth, _canvasHeight), image);
    _painter->restore();
}

void CanvasWidget::shapeOnNeedDisplayInRect(Shape*, QRect rect)
{
    update(rect);
}

void CanvasWidget::shapeOnNeedDisplay(Shape*)
{
    update();
}

void CanvasWidget::shapeOnRequestBackupRestoreCanvasImage(Shape*, bool backup)
{
    // The press has made the backup already.
    if (!backup)
        _restoreBackup();
}

void CanvasWidget::shapeOnRequestDiscardBackupCanvasImage(Shape*)
{
    _backup = QImage();
}

void CanvasWidget::textShapeOnGetFrameRect(TextShape*, QRect& rect)
{
    rect = QRect(0, 0, width(), height());
}

void CanvasWidget::textShapeOnRequestText(TextShape*)
{
    QTimer::singleShot(kDialogDelayMs, this, &CanvasWidget::_editText);
}

void CanvasWidget::pictureShapeOnGetFrameRect(PictureShape*, QRect& rect)
{
    rect = QRect(0, 0, width(), height());
}

void CanvasWidget::pictureShapeOnRequestPicture(PictureShape*)
{
    QTimer::singleShot(kDialogDelayMs, this, &CanvasWidget::_choosePicture);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (_currentTool != _textShape && _currentTool != _pictureShape)
        _backupCanvas();
    _currentTool->touchBegan(event->pos());
    _pressed = true;
    _lastMoveTime = nowMs();
    emit canvasWidgetDrawBegan(this);
    if (_hasPendingText() || _hasPendingPicture()) {
        _dragAnchorX = _hasPendingText() ? _state.textOffsetX : _state.pictureOffsetX;
        _dragAnchorY = _hasPendingText() ? _state.textOffsetY : _state.pictureOffsetY;
        _pressGlobalPos = event->globalPos();
        _dragging = true;
    }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!_pressed)
        return;
    const qint64 now = nowMs();
    if (now - _lastMoveTime < kMoveIntervalMs)
        return;
    _lastMoveTime = now;
    _currentTool->touchMoved(event->pos());
    if (_dragging)
        _dragPendingItem(event->globalPos());
}

void CanvasWidget::_dragPendingItem(const QPoint& globalPosition)
{
    const float offsetX = float(_dragAnchorX + float(globalPosition.x() - _pressGlobalPos.x()) / width());
    const float offsetY = float(_dragAnchorY + float(globalPosition.y() - _pressGlobalPos.y()) / height());
    if (_hasPendingText()) {
        _state.textOffsetX = offsetX;
        _state.textOffsetY = offsetY;
    } else if (_hasPendingPicture()) {
        _state.pictureOffsetX = offsetX;
        _state.pictureOffsetY = offsetY;
    }
    _redrawPendingItem();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && _pressed) {
        _currentTool->touchEnded(event->pos());
        _dragging = false;
    }
    _pressed = false;
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    if (_hasPendingText())
        QTimer::singleShot(kDialogDelayMs, this, &CanvasWidget::_editText);
    else if (_hasPendingPicture())
        QTimer::singleShot(kDialogDelayMs, this, &CanvasWidget::_choosePicture);
}

void CanvasWidget::wheelEvent(QWheelEvent* event)
{
    if (_currentTool != _textShape && _currentTool != _pictureShape)
        return;
    const int step = event->pixelDelta().isNull() ? qRound(event->angleDelta().y() / 8.0) : event->pixelDelta().y();
    const double factor = 1.0 + step / kWheelStepsPerDoubling;
    if (_hasPendingText())
        _scaleTextByWheel(factor);
    else if (_hasPendingPicture())
        _scalePictureByWheel(factor);
}

void CanvasWidget::_scaleTextByWheel(double factor)
{
    _state.textSize = std::min(kMaxTextSize, std::max(kMinTextSize, float(factor * _state.textSize)));
    _state.canvasTextSize = std::max(1.0f, _state.textSize / _meanScale());
    _redrawPendingItem();
    emit canvasWidgetTextSizeChangedByGesture(this, _state.textSize);
}

void CanvasWidget::_scalePictureByWheel(double factor)
{
    _state.pictureScale = std::max(kMinPictureScale, std::min(kMaxPictureScale, float(factor * _state.pictureScale)));
    _redrawPendingItem();
    emit canvasWidgetPictureSizeChangedByGesture(this, _state.pictureScale);
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), _canvas);
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() <= 0 || height() <= 0)
        return;
    _scaleX = float(_canvasWidth) / width();
    _scaleY = float(_canvasHeight) / height();
    _painter->setTransform(QTransform::fromScale(_scaleX, _scaleY));
    // A texture keeps its canvas-pixel size whatever the widget's scale.
    const bool penPaintsWithBrush = _pen.brush() == _brush;
    _brush.setTransform(QTransform::fromScale(1.0 / _scaleX, 1.0 / _scaleY));
    if (penPaintsWithBrush)
        _pen.setBrush(_brush);
    _painter->setBrush(_brush);
    setLineWidth(_state.lineWidth);
    _state.canvasTextSize = std::max(1.0f, _state.textSize / _meanScale());
    if (_currentTool == _textShape)
        _textShape->updateFrame();
    else if (_currentTool == _pictureShape)
        _pictureShape->updateFrame();
}

void CanvasWidget::_editText()
{
    const bool hadText = !_state.text.isEmpty();
    // On the heap: a canvas deleted while the dialog runs takes the dialog with it.
    QPointer<QInputDialog> dialog = new QInputDialog(this);
    Util::setDialogStyleSheet(dialog);
    dialog->setWindowTitle(hadText ? tr("Edit Text") : tr("Add Text"));
    dialog->setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog->setLabelText(tr("Enter text here"));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextEchoMode(QLineEdit::Normal);
    dialog->setTextValue(_state.text);
    dialog->setCancelButtonText(tr("Cancel"));
    const int result = dialog->exec();
    if (!dialog)
        return;
    const QString text = dialog->textValue();
    delete dialog;
    if (result != QDialog::Accepted)
        return;
    if (!hadText)
        _backupCanvas();
    _restoreBackup();
    _state.text = text;
    _textShape->draw();
    emit canvasWidgetTextChanged(this, text);
}

void CanvasWidget::_choosePicture()
{
    // The dialog has no parent, so the canvas may go while it runs.
    const QPointer<CanvasWidget> alive(this);
    const QString path = Util::choosePictureFile(tr("Insert a Picture"));
    if (!alive || path.isEmpty())
        return;
    // Scaled while decoding to fit a square of the canvas's longer side, turned as its EXIF asks.
    const QPixmap picture = QPixmap::fromImage(Util::readImage(path, std::max(_canvasWidth, _canvasHeight)));
    QTimer::singleShot(kPictureDelayMs, this, [this, picture] { _showPicture(picture); });
}

void CanvasWidget::_showPicture(const QPixmap& picture)
{
    if (_state.picture.isNull())
        _backupCanvas();
    _restoreBackup();
    _state.picture = picture;
    _pictureShape->draw();
    emit canvasWidgetPictureChanged(this, picture);
}
