#include "DrawingColorWidget.h"

#include "PopupDrawingModeWidget.h"
#include "Util.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QSettings>

namespace {

const char* const kSettingsGroup = "DrawingColorView";
const char* const kFirstTexture = ":/images/texture/01";
constexpr qreal kCornerRadius = 10;
constexpr int kEraserIconSide = 30;

QColor readColor(const QSettings& settings, const char* key, const QColor& fallback)
{
    return settings.value(key, fallback).value<QColor>();
}

} // namespace

DrawingColorWidget::DrawingColorWidget(const QSize& canvasSize, QWidget* parent)
    : QWidget(parent)
    , _canvasSize(canvasSize)
    , _hollowBrush(QPixmap(":/images/drawing/hollow_back"))
{
    _hollowBrush.setTransform(QTransform::fromScale(0.5, 0.5));
    _contentButton = new QPushButton(this);
    _contentButton->setFlat(true);
    _contentButton->setStyleSheet("background-color:transparent;");
    _contentButton->setGeometry(rect());
    connect(_contentButton, &QPushButton::clicked, this, &DrawingColorWidget::contentOnClicked);
    loadSettings();
}

DrawingColorWidget::~DrawingColorWidget()
{
    dismissPopup();
    saveSettings();
}

void DrawingColorWidget::setColorMode()
{
    _mode = ColorMode;
    update();
}

void DrawingColorWidget::setPatternMode()
{
    _mode = PatternMode;
    if (_patternPath.isEmpty())
        _patternPath = kFirstTexture;
    _pattern = QPixmap(_patternPath);
    update();
}

void DrawingColorWidget::setLinearGradientMode()
{
    _mode = LinearGradientMode;
    _pattern = gradientPixmap(_canvasSize);
    update();
}

void DrawingColorWidget::setRadialGradientMode()
{
    _mode = RadialGradientMode;
    _pattern = gradientPixmap(_canvasSize);
    update();
}

void DrawingColorWidget::enterEraserMode()
{
    // Entered again while erasing, the eraser must not become the mode to
    // return to: leaving would drop the texture or gradient the pen had.
    if (_mode != EraserMode)
        _modeNonHollow = _mode;
    setEraserMode();
}

void DrawingColorWidget::setEraserMode()
{
    _mode = EraserMode;
    if (_eraserPixmap.isNull())
        _eraserPixmap = QPixmap(":/images/drawing/color_rubber");
    update();
}

void DrawingColorWidget::restorePreviousMode()
{
    if (!_applyMode(_modeNonHollow))
        setColorMode();
}

bool DrawingColorWidget::_applyMode(int mode)
{
    switch (mode) {
    case ColorMode:
        setColorMode();
        return true;
    case PatternMode:
        setPatternMode();
        return true;
    case LinearGradientMode:
        setLinearGradientMode();
        return true;
    case RadialGradientMode:
        setRadialGradientMode();
        return true;
    default:
        return false;
    }
}

void DrawingColorWidget::setHardness(float hardness)
{
    _hardness = hardness;
    update();
}

void DrawingColorWidget::setCanvasSize(const QSize& size)
{
    if (size == _canvasSize)
        return;
    _canvasSize = size;
    if (_mode == LinearGradientMode || _mode == RadialGradientMode) {
        _pattern = gradientPixmap(_canvasSize);
        update();
    }
}

void DrawingColorWidget::dismissPopup()
{
    if (_popup)
        _popup->dismiss();
}

QPixmap DrawingColorWidget::gradientPixmap(const QSize& size) const
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainter painter(&pixmap);
    if (_mode != RadialGradientMode) {
        QLinearGradient gradient(w * _linearStartLocation.x(), h * _linearStartLocation.y(),
                                 w * _linearEndLocation.x(), h * _linearEndLocation.y());
        gradient.setColorAt(0, _linearStartColor);
        gradient.setColorAt(1, _linearEndColor);
        painter.fillRect(pixmap.rect(), gradient);
        return pixmap;
    }
    const QPointF centre(w * _radialStartLocation.x(), h * _radialStartLocation.y());
    const QPointF edge(w * _radialEndLocation.x(), h * _radialEndLocation.y());
    const float radius = float(QLineF(centre, edge).length());
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, _radialStartColor);
    gradient.setColorAt(1, _radialEndColor);
    painter.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QWidget* DrawingColorWidget::_popupHost() const
{
    return _popupParent ? _popupParent.data() : parentWidget();
}

QPoint DrawingColorWidget::_popupAnchor() const
{
    const QRect frame = geometry();
    if (!_popupParent || !parentWidget())
        return QPoint(frame.center().x(), frame.top());
    return _popupParent->mapFromGlobal(parentWidget()->mapToGlobal(QPoint(frame.center().x(), frame.bottom())));
}

void DrawingColorWidget::contentOnClicked()
{
    QWidget* host = _popupHost();
    if (_mode <= EraserMode || !host)
        return;
    dismissPopup();
    _popup = new PopupDrawingModeWidget(host);
    if (_compactStyle) {
        _popup->setBackgroundColor(QColor(44, 46, 50, 244));
        _popup->addShadow();
    }
    _connectPopup();
    _popup->showWithState(host, _popupAnchor(), _mode, _color, _linearStartColor, _linearEndColor,
                          _linearStartLocation, _linearEndLocation, _radialStartColor, _radialEndColor,
                          _radialStartLocation, _radialEndLocation);
}

void DrawingColorWidget::_connectPopup()
{
    using Popup = PopupDrawingModeWidget;
    using Self = DrawingColorWidget;
    connect(_popup, &Popup::drawingModePopupModeChanged, this, &Self::onPopupDrawingModeWidgetModeChanged);
    connect(_popup, &Popup::drawingModePopupColorSelected, this, &Self::onPopupDrawingModeWidgetColorSelected);
    connect(_popup, &Popup::drawingModePopupNeedColorPickingImage, this,
            &Self::onPopupDrawingModeWidgetNeedColorPickingImage, Qt::DirectConnection);
    connect(_popup, &Popup::drawingModePopupGetPlaybackAreaFrame, this,
            &Self::onPopupDrawingModeWidgetGetPlaybackAreaFrame, Qt::DirectConnection);
    connect(_popup, &Popup::drawingModePopupDidPatternChange, this,
            &Self::onPopupDrawingModeWidgetDidPatternChange);
    connect(_popup, &Popup::drawingModePopupGetCanvasSize, this, &Self::onPopupDrawingModeWidgetGetCanvasSize,
            Qt::DirectConnection);
    connect(_popup, &Popup::drawingModePopupGradientValueDidChange, this,
            &Self::onPopupDrawingModeWidgetGradientValueDidChange);
    connect(_popup, &CommonPopup::dismissed, this, &Self::onPopupDismissed);
}

void DrawingColorWidget::onPopupDrawingModeWidgetModeChanged(PopupDrawingModeWidget*, int mode)
{
    if (!_applyMode(mode))
        return;
    if (mode == ColorMode)
        emit drawingColorWidgetColorChanged(this, _color);
    else
        emit drawingColorWidgetPatternChanged(this, _pattern);
}

void DrawingColorWidget::onPopupDrawingModeWidgetColorSelected(PopupDrawingModeWidget*, QColor color)
{
    _color = color;
    update();
    _closePopup();
    emit drawingColorWidgetColorChanged(this, _color);
}

void DrawingColorWidget::onPopupDrawingModeWidgetNeedColorPickingImage(PopupDrawingModeWidget*, QImage* image)
{
    emit drawingColorWidgetNeedColorPickingImage(this, image);
}

void DrawingColorWidget::onPopupDrawingModeWidgetGetPlaybackAreaFrame(PopupDrawingModeWidget*, QRect* rect,
                                                                      QWidget* inWidget)
{
    emit drawingColorWidgetGetPlaybackAreaFrame(this, rect, inWidget);
}

void DrawingColorWidget::onPopupDrawingModeWidgetDidPatternChange(PopupDrawingModeWidget*, QString imgPath)
{
    _patternPath = imgPath;
    _pattern = QPixmap(imgPath);
    update();
    _closePopup();
    if (!_pattern.isNull())
        emit drawingColorWidgetPatternChanged(this, _pattern);
}

void DrawingColorWidget::onPopupDrawingModeWidgetGetCanvasSize(PopupDrawingModeWidget*, QSize* size)
{
    if (size)
        *size = _canvasSize;
}

void DrawingColorWidget::onPopupDrawingModeWidgetGradientValueDidChange(PopupDrawingModeWidget*,
                                                                        bool radialOrLinearGradient,
                                                                        QColor startColor, QColor endColor,
                                                                        QPointF startLocation, QPointF endLocation)
{
    if (radialOrLinearGradient) {
        _radialStartColor = startColor;
        _radialEndColor = endColor;
        _radialStartLocation = startLocation;
        _radialEndLocation = endLocation;
    } else {
        _linearStartColor = startColor;
        _linearEndColor = endColor;
        _linearStartLocation = startLocation;
        _linearEndLocation = endLocation;
    }
    _pattern = gradientPixmap(_canvasSize);
    update();
    emit drawingColorWidgetPatternChanged(this, _pattern);
}

void DrawingColorWidget::onPopupDismissed(CommonPopup*)
{
    _popup = nullptr;
}

void DrawingColorWidget::_closePopup()
{
    dismissPopup();
    _popup = nullptr;
}

void DrawingColorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(rect(), kCornerRadius, kCornerRadius);
    painter.setClipPath(clip);
    painter.setBrush(_hollowBrush);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
    painter.setOpacity(_hardness);
    if (_mode >= PatternMode && _mode <= RadialGradientMode) {
        if (!_pattern.isNull()) {
            const QRectF source = Util::aspectFitRect(width(), height(), QRectF(_pattern.rect()));
            painter.drawPixmap(QRectF(rect()), _pattern, source);
        }
    } else if (_mode == ColorMode) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(_color);
        painter.drawRect(rect());
    } else if (!_eraserPixmap.isNull()) {
        const QRect icon((width() - kEraserIconSide) / 2, (height() - kEraserIconSide) / 2, kEraserIconSide,
                         kEraserIconSide);
        painter.drawPixmap(icon, _eraserPixmap);
    }
}

void DrawingColorWidget::_reanchorPopup()
{
    if (_popup)
        _popup->showAt(_popupAnchor());
}

void DrawingColorWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    _reanchorPopup();
}

void DrawingColorWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _contentButton->setGeometry(rect());
    _reanchorPopup();
}

void DrawingColorWidget::loadSettings()
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    _mode = settings.value("Mode", _mode).toInt();
    _modeNonHollow = settings.value("ModeNonHollow", _modeNonHollow).toInt();
    _color = readColor(settings, "Color", _color);
    _patternPath = settings.value("Pattern").toString();
    _linearStartColor = readColor(settings, "LinearStartColor", _linearStartColor);
    _linearEndColor = readColor(settings, "LinearEndColor", _linearEndColor);
    _radialStartColor = readColor(settings, "RadialStartColor", _radialStartColor);
    _radialEndColor = readColor(settings, "RadialEndColor", _radialEndColor);
    _linearStartLocation = settings.value("LinearStartLocation", _linearStartLocation).toPointF();
    _linearEndLocation = settings.value("LinearEndLocation", _linearEndLocation).toPointF();
    _radialStartLocation = settings.value("RadialStartLocation", _radialStartLocation).toPointF();
    _radialEndLocation = settings.value("RadialEndLocation", _radialEndLocation).toPointF();
}

void DrawingColorWidget::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    settings.setValue("Mode", _mode);
    settings.setValue("ModeNonHollow", _modeNonHollow);
    settings.setValue("Color", _color);
    settings.setValue("Pattern", _patternPath);
    settings.setValue("LinearStartColor", _linearStartColor);
    settings.setValue("LinearEndColor", _linearEndColor);
    settings.setValue("RadialStartColor", _radialStartColor);
    settings.setValue("RadialEndColor", _radialEndColor);
    settings.setValue("LinearStartLocation", _linearStartLocation);
    settings.setValue("LinearEndLocation", _linearEndLocation);
    settings.setValue("RadialStartLocation", _radialStartLocation);
    settings.setValue("RadialEndLocation", _radialEndLocation);
}
