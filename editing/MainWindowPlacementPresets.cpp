// One-click placements of the segment on the transform overlay: its media's
// aspect ratio, the default placement, one media pixel per movie pixel, and
// a layer covering the whole preview.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "ImageSegment.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "TransformWidget.h"

#include <algorithm>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kImage = QStringLiteral("IMAGE");
const QString kDrawing = QStringLiteral("DRAWING");
const QString kText = QStringLiteral("TEXT");

constexpr int32_t kScaleProperty = 3;

// The overlay's whole state as setContentGeometry takes it.
struct OverlayGeometry {
    QPointF position;
    QSizeF size;
    float rotationX = 0.0f;
    float rotationY = 0.0f;
    float rotation = 0.0f;
    QPointF anchor;
    QPointF corners[4];
};

OverlayGeometry readGeometry(const TransformWidget* overlay)
{
    OverlayGeometry state;
    QPointF* corners = state.corners;
    overlay->geometry(&state.position, &state.size, &state.rotationX, &state.rotationY, &state.rotation,
                      &state.anchor, &corners[0], &corners[1], &corners[2], &corners[3]);
    return state;
}

void applyGeometry(TransformWidget* overlay, const OverlayGeometry& state, const QSizeF& base)
{
    const QPointF* corners = state.corners;
    overlay->setContentGeometry(state.position, state.size, state.rotationX, state.rotationY, state.rotation,
                                state.anchor, corners[0], corners[1], corners[2], corners[3], base);
}

} // namespace

void MainWindow::onActionMaintainAspectRatioTriggered()
{
    _maintainAspectRatio();
}

void MainWindow::onActionRestoreDefaultTriggered()
{
    _restoreDefaultGeometry();
}

void MainWindow::onActionFillScreenTriggered()
{
    _fillScreen();
}

void MainWindow::onActionOriginalSizeTriggered()
{
    _originalSize();
}

void MainWindow::_segmentEditingMaintainAspectRatio()
{
    _maintainAspectRatio();
}

void MainWindow::_segmentEditingRestoreDefault()
{
    _restoreDefaultGeometry();
}

// --- Maintain aspect ratio -----------------------------------------------------------

void MainWindow::_maintainAspectRatio()
{
    TransformWidget* overlay = _transformWidget;
    // The transition geometry buttons reach here while no overlay is shown.
    if (!overlay || !overlay->segment)
        return;
    const Segment* segment = overlay->segment;
    QSizeF reference = _overlayBaseSize;
    int transitionId = 0;
    bool begin = false;
    if (segment->type() == kText && _shownTransitionState(&transitionId, &begin)) {
        // A text state keeps the proportions of the text's own box.
        const LayerTransform own = segment->layerTransform(_overlayPreviewSize());
        reference = QSizeF(reference.width() * own.scaleX, reference.height() * own.scaleY);
    } else if (segment->type() != kText) {
        reference = _layerMediaSize(segment);
    }
    // An unloaded media or an empty box has no ratio to keep.
    if (!reference.isEmpty()) {
        OverlayGeometry state = readGeometry(overlay);
        const float factor = float(std::min(state.size.width() / reference.width(),
                                            state.size.height() / reference.height()));
        state.size = reference * double(factor);
        applyGeometry(overlay, state, _overlayBaseSize);
        emit overlay->transformWidgetContentLayerGeometryDidChange(overlay);
    }
    _projectManager->setModified(true);
}

// --- Restore the default -------------------------------------------------------------

void MainWindow::_restoreDefaultGeometry()
{
    TransformWidget* overlay = _transformWidget;
    if (!overlay || !overlay->segment || !_isInProject(overlay->segment))
        return;
    Segment* segment = overlay->segment;
    _recordOperation();
    int transitionId = 0;
    bool begin = false;
    if (_shownTransitionState(&transitionId, &begin))
        _resetTransitionStateGeometry(segment, transitionId, begin);
    else
        _resetOwnGeometry(segment);
    _layoutTransformWidgetForEditingSegment(true);
    if (_engine)
        _engine->requestRedraw();
    _projectManager->setModified(true);
    _updateGeometryControls();
}

// Placement, flips, crop and feathering go back to their defaults;
// perspective, transparency, colours and sound stay.
void MainWindow::_resetOwnGeometry(Segment* segment)
{
    segment->setUserTranslation(QPointF(0.0, 0.0));
    segment->setUserScale(QPointF(1.0, 1.0));
    segment->setUserRotation(0.0);
    segment->setUserRotationX(0.0f);
    segment->setUserRotationY(0.0f);
    segment->setUserFlip(0);
    segment->setUserAnchorPoint(QPointF(0.5, 0.5));
    segment->setUserPoint0Offset(QPointF(0.0, 0.0));
    segment->setUserPoint1Offset(QPointF(0.0, 0.0));
    segment->setUserPoint2Offset(QPointF(0.0, 0.0));
    segment->setUserPoint3Offset(QPointF(0.0, 0.0));
    segment->setCropTopLeft(QPointF(0.0, 0.0));
    segment->setCropBottomRight(QPointF(1.0, 1.0));
    segment->setFeatheringX0(0.0f);
    segment->setFeatheringY0(0.0f);
    segment->setFeatheringX1(0.0f);
    segment->setFeatheringY1(0.0f);
    _updateEditingWidgetsAtPointer();
    _pushSegmentBaseProperties(segment);
}

// A state takes the values that lead into it, so that the transition no
// longer changes the layer on that side.
void MainWindow::_resetTransitionStateGeometry(Segment* segment, int transitionId, bool begin)
{
    segment->applyTransitionState(transitionId, begin);
    _updateTransitionControls();
    _syncTransitionToEngine(segment, transitionId);
}

// --- Original size -------------------------------------------------------------------

void MainWindow::_originalSize()
{
    TransformWidget* overlay = _transformWidget;
    Segment* segment = overlay ? overlay->segment : nullptr;
    if (!segment || segment->type() != kImage || !_isInProject(segment) || !_composition)
        return;
    const QSizeF picture = _layerMediaSize(segment);
    const LayerTransform fitted = segment->mediaLayerTransform(QSizeF(_composition->width(), _composition->height()));
    const QSizeF onCanvas(picture.width() * fitted.scaleX, picture.height() * fitted.scaleY);
    // Without a picture or a canvas size there is no pixel to match.
    if (picture.isEmpty() || onCanvas.isEmpty())
        return;
    _recordOperation();
    segment->setUserScale(QPointF(float(picture.width() / onCanvas.width()),
                                  float(picture.height() / onCanvas.height())));
    const QPointF scale = segment->userScale();
    _finishGeometryCommand(segment, kScaleProperty, float(scale.x()), float(scale.y()));
}

// --- Fill the screen -----------------------------------------------------------------

void MainWindow::_fillScreen()
{
    TransformWidget* overlay = _transformWidget;
    const Segment* segment = overlay ? overlay->segment : nullptr;
    if (!segment || segment->type() == kText)
        return;
    const QSizeF media = _layerMediaSize(segment);
    const QSizeF preview = _overlayPreviewSize();
    // Without both sizes there is no ratio to compare.
    if (media.isEmpty() || preview.isEmpty())
        return;
    OverlayGeometry state = readGeometry(overlay);
    if (preview.width() / preview.height() > media.width() / media.height())
        state.size = QSizeF(preview.width(), media.height() * preview.width() / media.width());
    else
        state.size = QSizeF(media.width() * preview.height() / media.height(), preview.height());
    state.position = _overlayOrigin;
    state.rotationX = 0.0f;
    state.rotationY = 0.0f;
    state.rotation = 0.0f;
    applyGeometry(overlay, state, _overlayBaseSize);
    transformWidget_contentLayerGeometryDidChange(overlay);
}
