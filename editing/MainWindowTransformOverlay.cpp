// The transform overlay on the preview, seen from the window: when it is
// laid over the preview and laid out again, how a segment's placement
// becomes overlay pixels and back, and what its signals and menu do.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CanvasWidget.h"
#include "CropWidget.h"
#include "EditScrollArea.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TransformWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "WidgetAnimations.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QMenu>
#include <QParallelAnimationGroup>

#include <cmath>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kImage = QStringLiteral("IMAGE");
const QString kDrawing = QStringLiteral("DRAWING");
const QString kText = QStringLiteral("TEXT");

constexpr int kFadeInMs = 200;
// How far the overlay pulls a dragged edge onto a guide, in pixels.
constexpr float kAlignedSnap = 5.0f;
constexpr float kUnalignedSnap = 0.5f;

enum Property : int32_t {
    kTranslation = 2,
    kScale = 3,
    kRotation = 4,
    kAnchor = 7,
    kPoint0Offset = 66,
};

// The handle pictures and frame colour of the overlay: light while the
// segment itself is edited, blue on a transition state.
struct OverlayLook {
    QString dot;
    QString square;
    QString centralPoint;
    QColor line;
};

OverlayLook overlayLook(bool transition)
{
    if (transition)
        return {QStringLiteral(":/images/transform_dot_transition"),
                QStringLiteral(":/images/transform_square_transition"),
                QStringLiteral(":/images/transform_central_point_transition"), QColor(3, 166, 228, 128)};
    return {QStringLiteral(":/images/transform_dot_normal"), QStringLiteral(":/images/transform_square_normal"),
            QStringLiteral(":/images/transform_central_point_normal"), QColor(236, 236, 236, 128)};
}

bool isFinite(const QPointF& point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

} // namespace

// What the overlay shows for a segment, in overlay-host coordinates: the
// default centre O and base size B, the current centre C and size S, and the
// placement P they come from.
struct MainWindow::OverlayFrame {
    QPointF origin;
    QSizeF base;
    QPointF centre;
    QSizeF content;
    LayerTransform placement;
};

// --- Showing and laying out ------------------------------------------------------

void MainWindow::_showTransformWidgetForSegment(Segment* segment)
{
    if (_transformWidget) {
        _transformWidget->hide();
        delete _transformWidget.data();
    }
    // While the window re-lays itself out the preview has no settled place
    // yet; the overlay comes back once it has.
    if (_isRelayingOut() || _textEditor || _canvas || _cropWidget || !segment || !segment->isVisualLayer())
        return;
    _createTransformWidget(segment);
}

QSizeF MainWindow::_layerMediaSize(const Segment* segment)
{
    if (segment->type() == kMovie) {
        auto* movie = dynamic_cast<const MovieSegment*>(segment);
        return movie && movie->hasVideo() ? movie->videoSize() : QSizeF();
    }
    if (segment->type() == kImage || segment->type() == kDrawing) {
        auto* picture = dynamic_cast<const ImageSegment*>(segment);
        return picture ? picture->imageSize() : QSizeF();
    }
    return QSizeF();
}

QWidget* MainWindow::_overlayHost() const
{
    return _previewArea && _previewContainer && _previewArea->isAncestorOf(_previewContainer) ? _previewArea
                                                                                               : nullptr;
}

QSizeF MainWindow::_overlayPreviewSize() const
{
    return _previewContainer ? QSizeF(_previewContainer->size()) : QSizeF();
}

QPointF MainWindow::_previewPointInHost(const QPointF& point) const
{
    return _previewContainer->mapTo(_overlayHost(), QPoint(qRound(point.x()), qRound(point.y())));
}

bool MainWindow::_overlayFrame(const Segment* segment, OverlayFrame* frame) const
{
    if (!_overlayHost())
        return false;
    const QSizeF preview = _overlayPreviewSize();
    const LayerTransform fitted = segment->mediaLayerTransform(preview);
    // A text's box at scale 1 is a share of the preview itself.
    const QSizeF media = segment->type() == kText ? preview : _layerMediaSize(segment);
    frame->base = QSizeF(media.width() * fitted.scaleX, media.height() * fitted.scaleY);
    frame->origin = _previewPointInHost(fitted.center);
    int transitionId = 0;
    bool begin = false;
    frame->placement = _shownTransitionState(&transitionId, &begin)
                           ? segment->transitionLayerTransform(transitionId, begin, preview)
                           : segment->layerTransform(preview);
    frame->centre = _previewPointInHost(frame->placement.center);
    frame->content = QSizeF(frame->base.width() * frame->placement.scaleX,
                            frame->base.height() * frame->placement.scaleY);
    return true;
}

void MainWindow::_createTransformWidget(Segment* segment)
{
    OverlayFrame frame;
    if (segment->type() != kText && _layerMediaSize(segment).isEmpty())
        return;
    if (!_overlayFrame(segment, &frame))
        return;
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    const OverlayLook look = overlayLook(widget && widget->transitionId() > 0);
    const float snap = UserSettings::instance()->autoDragDropAlign() ? kAlignedSnap : kUnalignedSnap;
    QWidget* host = _overlayHost();
    auto* overlay = new TransformWidget(look.dot, look.square, look.centralPoint, look.line, snap, host);
    _transformWidget = overlay;
    overlay->setGeometry(host->rect());
    overlay->segment = segment;
    connect(overlay, &TransformWidget::transformWidgetContentLayerGeometryDidChange, this,
            &MainWindow::transformWidget_contentLayerGeometryDidChange);
    connect(overlay, &TransformWidget::transformWidgetRequestContextMenu, this,
            &MainWindow::transformWidget_popupTransformViewOptionsMenu);
    // Queued: a corner made active while the overlay is set up reports back
    // only once it is complete.
    connect(overlay, &TransformWidget::transformWidgetActivePointIndexChanged, _projectScope,
            [this](TransformWidget* from, int index) { transformWidget_activePointIndexDidChange(from, index); },
            Qt::QueuedConnection);
    _placeTransformWidget(overlay, frame, segment);
    _fadeInTransformWidget(overlay);
}

void MainWindow::_placeTransformWidget(TransformWidget* overlay, const OverlayFrame& frame, const Segment* segment)
{
    _overlayOrigin = frame.origin;
    _overlayBaseSize = frame.base;
    // The snapping guides follow the preview wherever a resize moved it.
    overlay->setCenterRect(QRectF(_previewPointInHost(QPointF()), _overlayPreviewSize()));
    const LayerTransform& placement = frame.placement;
    const QPointF* corners = placement.cornerOffsets;
    overlay->setContentGeometry(frame.centre, frame.content, placement.rotationX, placement.rotationY,
                                placement.rotation, placement.anchorPoint, corners[0], corners[1], corners[2],
                                corners[3], frame.base);
    overlay->setPerspectiveEnabled(segment->perspective());
    overlay->setActivePointIndex(_rememberedCornerIndex.value(segment->uid(), 0));
}

void MainWindow::_fadeInTransformWidget(TransformWidget* overlay)
{
    if (!animationsEnabled()) {
        overlay->show();
        return;
    }
    QPointer<QGraphicsOpacityEffect> effect = newOpacityEffect(overlay, 0.0);
    overlay->show();
    QParallelAnimationGroup* fade = animateInParallel(this, kFadeInMs, {{effect, "opacity", 1.0}});
    // Left enabled, the effect would keep drawing the overlay off-screen first.
    connect(fade, &QParallelAnimationGroup::finished, this, [effect] {
        if (effect)
            effect->setEnabled(false);
    });
}

void MainWindow::_layoutTransformWidget(Segment* segment)
{
    OverlayFrame frame;
    if (!_transformWidget || !_overlayFrame(segment, &frame))
        return;
    _transformWidget->setGeometry(_overlayHost()->rect());
    _placeTransformWidget(_transformWidget, frame, segment);
}

void MainWindow::_layoutTransformWidgetForEditingSegment(bool)
{
    // The overlay may outlive its segment for a moment (a removal or an
    // undo rebuilds segments before editing ends): only a segment still in
    // the project is read.
    Segment* segment = _transformWidget ? _transformWidget->segment : nullptr;
    if (segment && _isInProject(segment) && segment->isVisualLayer())
        _layoutTransformWidget(segment);
}

// --- From the overlay back to the model -------------------------------------------

void MainWindow::transformWidget_contentLayerGeometryDidChange(TransformWidget* transformWidget)
{
    Segment* segment = transformWidget ? transformWidget->segment : nullptr;
    if (!segment || !_isInProject(segment) || !segment->isVisualLayer())
        return;
    GeometryValues placement;
    QPointF anchor;
    QPointF centre;
    QSizeF size;
    float rotation = 0.0f;
    QPointF* corners = placement.corners;
    transformWidget->geometry(&centre, &size, nullptr, nullptr, &rotation, &anchor, &corners[0], &corners[1],
                              &corners[2], &corners[3]);
    placement.rotation = double(rotation);
    const QSizeF preview = _overlayPreviewSize();
    placement.translation = QPointF((centre.x() - _overlayOrigin.x()) / preview.width(),
                                    (centre.y() - _overlayOrigin.y()) / preview.height());
    placement.scale = QPointF(size.width() / _overlayBaseSize.width(), size.height() / _overlayBaseSize.height());
    // A preview or base size of 0 gives no placement: nothing is stored
    // rather than NaN or infinity in the project.
    if (!isFinite(placement.translation) || !isFinite(placement.scale))
        return;
    _recordOperation();
    _writeLayerPlacement(segment, placement, anchor);
    if (_engine)
        _engine->requestRedraw();
    _projectManager->setModified(true);
    _updateGeometryControls();
}

// The engine is sent the values as stored, which a state keeps in single precision.
void MainWindow::_writeLayerPlacement(Segment* segment, const GeometryValues& placement, const QPointF& anchor)
{
    GeometryTarget target;
    target.segment = segment;
    _shownTransitionState(&target.transitionId, &target.begin);
    target.setValues(placement);
    target.setAnchor(anchor);
    const GeometryValues stored = target.values();
    auto sendPoint = [&](int32_t propertyId, const QPointF& point) {
        _sendGeometry(target, propertyId, float(point.x()), float(point.y()));
    };
    sendPoint(kTranslation, stored.translation);
    sendPoint(kScale, stored.scale);
    _sendGeometry(target, kRotation, float(stored.rotation), 0.0f);
    sendPoint(kAnchor, target.anchor());
    for (int corner = 0; corner < 4; ++corner)
        sendPoint(kPoint0Offset + corner, stored.corners[corner]);
}

// --- Options menu and active corner ------------------------------------------------

void MainWindow::transformWidget_popupTransformViewOptionsMenu(TransformWidget* transformWidget, QPoint pos)
{
    const Segment* segment = transformWidget ? transformWidget->segment : nullptr;
    if (!segment || !_isInProject(segment))
        return;
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    const QString type = segment->type();
    menu->addAction(_actionMaintainAspectRatio);
    menu->addAction(_actionRestoreDefault);
    if (type != kText)
        menu->addAction(_actionFillScreen);
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (!widget || widget->transitionId() <= 0) {
        if (type == kText)
            menu->addAction(_actionEditText);
        else if (type == kImage)
            menu->addAction(_actionOriginalSize);
        else if (type == kDrawing)
            menu->addAction(_actionEditDrawing);
    }
    QPointer<MainWindow> window = this;
    menu->exec(pos);
    // An action may have closed the window, and the menu with it.
    if (window)
        delete menu;
}

void MainWindow::transformWidget_activePointIndexDidChange(TransformWidget*, int index)
{
    _updateCornerControls(index);
    if (const Segment* segment = _editingSegment())
        _rememberedCornerIndex.insert(segment->uid(), index);
}
