// Where the edited visual layer sits on the canvas, from the inspector's
// geometry fields: committed and live placement, the corners of the
// perspective, the values kept across a press-and-hold edit, text alignment,
// the drawing panels of the drawing mode and the action states of the modes.
#include "MainWindow.h"

#include "AVEngine.h"
#include "DrawingColorWidget.h"
#include "DrawingTuningWidget.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentStyleDefaults.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TransformWidget.h"

#include <QAction>

#include <utility>

namespace {

enum Property : int {
    kTranslation = 2,
    kScale = 3,
    kRotation = 4,
    kAlignment = 19,
    kPoint0Offset = 66,
};

constexpr int kCornerCount = 4;

using CornerGetter = QPointF (Segment::*)() const;
using CornerSetter = void (Segment::*)(const QPointF&);
using StateCornerGetter = QPointF (Segment::*)(int, bool) const;
using StateCornerSetter = void (Segment::*)(int, bool, const QPointF&);

const CornerGetter kCornerGetters[kCornerCount] = {&Segment::userPoint0Offset, &Segment::userPoint1Offset,
                                                   &Segment::userPoint2Offset, &Segment::userPoint3Offset};
const CornerSetter kCornerSetters[kCornerCount] = {&Segment::setUserPoint0Offset, &Segment::setUserPoint1Offset,
                                                   &Segment::setUserPoint2Offset, &Segment::setUserPoint3Offset};
const StateCornerGetter kStateCornerGetters[kCornerCount] = {
    &Segment::transitionUserPoint0Offset, &Segment::transitionUserPoint1Offset,
    &Segment::transitionUserPoint2Offset, &Segment::transitionUserPoint3Offset};
const StateCornerSetter kStateCornerSetters[kCornerCount] = {
    &Segment::setTransitionUserPoint0Offset, &Segment::setTransitionUserPoint1Offset,
    &Segment::setTransitionUserPoint2Offset, &Segment::setTransitionUserPoint3Offset};

const QString kX = QStringLiteral("x");
const QString kY = QStringLiteral("y");
const QString kWidth = QStringLiteral("w");
const QString kHeight = QStringLiteral("h");
const QString kTurn = QStringLiteral("r");

bool isCornerIndex(int index)
{
    return index >= 0 && index < kCornerCount;
}

bool hasGeometryKey(const QHash<QString, qreal>& dictValue)
{
    for (const QString& key : {kX, kY, kWidth, kHeight, kTurn}) {
        if (dictValue.contains(key))
            return true;
    }
    return false;
}

QHash<QString, qreal> oneKey(const QString& key, double value)
{
    return {{key, value}};
}

} // namespace

// --- The target ---------------------------------------------------------------------

QPointF MainWindow::GeometryTarget::translation() const
{
    return transitionId > 0 ? segment->transitionUserTranslation(transitionId, begin) : segment->userTranslation();
}

void MainWindow::GeometryTarget::setTranslation(const QPointF& translation) const
{
    if (transitionId > 0)
        segment->setTransitionUserTranslation(transitionId, begin, translation);
    else
        segment->setUserTranslation(translation);
}

QPointF MainWindow::GeometryTarget::scale() const
{
    return transitionId > 0 ? segment->transitionUserScale(transitionId, begin) : segment->userScale();
}

void MainWindow::GeometryTarget::setScale(const QPointF& scale) const
{
    if (transitionId > 0)
        segment->setTransitionUserScale(transitionId, begin, scale);
    else
        segment->setUserScale(scale);
}

// A state keeps its rotation as a float.
double MainWindow::GeometryTarget::rotation() const
{
    return transitionId > 0 ? double(segment->transitionUserRotation(transitionId, begin)) : segment->userRotation();
}

void MainWindow::GeometryTarget::setRotation(double rotation) const
{
    if (transitionId > 0)
        segment->setTransitionUserRotation(transitionId, begin, float(rotation));
    else
        segment->setUserRotation(rotation);
}

QPointF MainWindow::GeometryTarget::anchor() const
{
    return transitionId > 0 ? segment->transitionUserAnchorPoint(transitionId, begin) : segment->userAnchorPoint();
}

void MainWindow::GeometryTarget::setAnchor(const QPointF& anchor) const
{
    if (transitionId > 0)
        segment->setTransitionUserAnchorPoint(transitionId, begin, anchor);
    else
        segment->setUserAnchorPoint(anchor);
}

QPointF MainWindow::GeometryTarget::corner(int index) const
{
    return transitionId > 0 ? (segment->*kStateCornerGetters[index])(transitionId, begin)
                            : (segment->*kCornerGetters[index])();
}

void MainWindow::GeometryTarget::setCorner(int index, const QPointF& offset) const
{
    if (transitionId > 0)
        (segment->*kStateCornerSetters[index])(transitionId, begin, offset);
    else
        (segment->*kCornerSetters[index])(offset);
}

MainWindow::GeometryValues MainWindow::GeometryTarget::values() const
{
    GeometryValues values;
    values.translation = translation();
    values.scale = scale();
    values.rotation = rotation();
    for (int index = 0; index < kCornerCount; ++index)
        values.corners[index] = corner(index);
    return values;
}

void MainWindow::GeometryTarget::setValues(const GeometryValues& values) const
{
    setTranslation(values.translation);
    setScale(values.scale);
    setRotation(values.rotation);
    for (int index = 0; index < kCornerCount; ++index)
        setCorner(index, values.corners[index]);
}

MainWindow::GeometryTarget MainWindow::_geometryTarget() const
{
    GeometryTarget target;
    Segment* segment = _editingSegment();
    if (!segment || !segment->isVisualLayer())
        return target;
    target.segment = segment;
    // Leaves transition 0, the segment's own values, unless a transition end is shown.
    _shownTransitionState(&target.transitionId, &target.begin);
    return target;
}

void MainWindow::_sendGeometry(const GeometryTarget& target, int propertyId, float a, float b)
{
    if (!_engine)
        return;
    const int32_t id = target.segment->serialNumber();
    if (target.transitionId > 0)
        _engine->setAnimationState(id, target.transitionId, target.begin, propertyId, a, b);
    else
        _engine->setSegmentProperty(id, propertyId, a, b, 0.0f, 0.0f);
}

// "x" and "y" (and "w" and "h") change one copy of the point read first, so both components change.
void MainWindow::_writeGeometryKeys(const GeometryTarget& target, const QHash<QString, qreal>& dictValue, bool commit)
{
    QPointF translation = target.translation();
    QPointF scale = target.scale();
    for (auto it = dictValue.cbegin(); it != dictValue.cend(); ++it) {
        const QString& key = it.key();
        if (key == kX || key == kY) {
            (key == kX ? translation.rx() : translation.ry()) = it.value();
            target.setTranslation(translation);
            if (commit)
                _sendGeometry(target, kTranslation, float(target.translation().x()), float(target.translation().y()));
        } else if (key == kWidth || key == kHeight) {
            (key == kWidth ? scale.rx() : scale.ry()) = it.value();
            target.setScale(scale);
            if (commit)
                _sendGeometry(target, kScale, float(target.scale().x()), float(target.scale().y()));
        } else if (key == kTurn) {
            target.setRotation(it.value());
            if (commit)
                _sendGeometry(target, kRotation, float(target.rotation()), 0.0f);
        }
    }
}

void MainWindow::_finishCommittedGeometry()
{
    if (_engine)
        _engine->requestRedraw();
    _layoutTransformWidgetForEditingSegment(true);
}

// --- Committed and live placement ------------------------------------------------------

void MainWindow::_segmentEditingSetGeometry(QHash<QString, qreal> dictValue)
{
    // The snapshot must hold the values from before any live step.
    _settleLiveGeometry();
    const GeometryTarget target = _geometryTarget();
    if (!target.segment || !hasGeometryKey(dictValue))
        return;
    if (_commitSegmentChange(target.segment, [&] { _writeGeometryKeys(target, dictValue, true); }))
        _finishCommittedGeometry();
}

// The preview keeps the last committed placement; only the overlay follows.
void MainWindow::_segmentEditingUpdateGeometry(QHash<QString, qreal> dictValue)
{
    const GeometryTarget target = _geometryTarget();
    if (!target.segment || !hasGeometryKey(dictValue))
        return;
    _openLiveGeometry(target);
    _writeGeometryKeys(target, dictValue, false);
    _layoutTransformWidgetForEditingSegment(true);
}

void MainWindow::_segmentEditingSetGeometryX(double xValue)
{
    _segmentEditingSetGeometry(oneKey(kX, xValue));
}

void MainWindow::_segmentEditingSetGeometryY(double yValue)
{
    _segmentEditingSetGeometry(oneKey(kY, yValue));
}

void MainWindow::_segmentEditingSetGeometryWidth(double widthValue)
{
    _segmentEditingSetGeometry(oneKey(kWidth, widthValue));
}

void MainWindow::_segmentEditingSetGeometryHeight(double heightValue)
{
    _segmentEditingSetGeometry(oneKey(kHeight, heightValue));
}

void MainWindow::_segmentEditingSetGeometryRotation(double rotationValue)
{
    _segmentEditingSetGeometry(oneKey(kTurn, rotationValue));
}

void MainWindow::_segmentEditingUpdateGeometryX(double xValue)
{
    _segmentEditingUpdateGeometry(oneKey(kX, xValue));
}

void MainWindow::_segmentEditingUpdateGeometryY(double yValue)
{
    _segmentEditingUpdateGeometry(oneKey(kY, yValue));
}

void MainWindow::_segmentEditingUpdateGeometryWidth(double widthValue)
{
    _segmentEditingUpdateGeometry(oneKey(kWidth, widthValue));
}

void MainWindow::_segmentEditingUpdateGeometryHeight(double heightValue)
{
    _segmentEditingUpdateGeometry(oneKey(kHeight, heightValue));
}

void MainWindow::_segmentEditingUpdateGeometryRotation(double rotationValue)
{
    _segmentEditingUpdateGeometry(oneKey(kTurn, rotationValue));
}

// --- Press-and-hold edits ------------------------------------------------------------

void MainWindow::_openLiveGeometry(const GeometryTarget& target)
{
    const QString uid = target.segment->uid();
    if (uid == _liveGeometryUId && target.transitionId == _liveGeometryTransition
        && target.begin == _liveGeometryBegin)
        return;
    // Another target's edit ends here, as it would have at its own end.
    _settleLiveGeometry();
    _liveGeometryBefore = target.values();
    _liveGeometryUId = uid;
    _liveGeometryTransition = target.transitionId;
    _liveGeometryBegin = target.begin;
}

// The segment is looked up again: undo may have replaced it since the edit
// began. The overlay is left as it is: a drag on it that ends now records
// through here and then reads its own values back.
void MainWindow::_settleLiveGeometry()
{
    if (_liveGeometryUId.isEmpty() || !_projectManager)
        return;
    const int index = _projectManager->indexOfSegmentUId(std::exchange(_liveGeometryUId, QString()));
    Segment* segment = index >= 0 ? _projectManager->segmentAt(index) : nullptr;
    if (!segment)
        return;
    GeometryTarget{segment, _liveGeometryTransition, _liveGeometryBegin}.setValues(_liveGeometryBefore);
}

void MainWindow::_segmentEditingBeforeUpdateGeometry(QPointF& translation, QPointF& scale, qreal& rotation,
                                                     qreal* cornerXOffsets, qreal* cornerYOffsets)
{
    _settleLiveGeometry();
    const GeometryTarget target = _geometryTarget();
    if (!target.segment)
        return;
    _openLiveGeometry(target);
    translation = _liveGeometryBefore.translation;
    scale = _liveGeometryBefore.scale;
    rotation = _liveGeometryBefore.rotation;
    for (int index = 0; index < kCornerCount; ++index) {
        cornerXOffsets[index] = _liveGeometryBefore.corners[index].x();
        cornerYOffsets[index] = _liveGeometryBefore.corners[index].y();
    }
}

// Model only: the commit that follows records the snapshot and tells the
// engine. The values put back are the window's copy of those handed out at
// the start, which equal the caller's; once a snapshot, save or undo has
// closed the edit, the model holds the right values already and a late end
// must not overwrite them with older ones.
void MainWindow::_segmentEditingAfterUpdateGeometry(QPointF, QPointF, double, const qreal*, const qreal*)
{
    _settleLiveGeometry();
}

// --- Perspective corners ---------------------------------------------------------------

void MainWindow::_segmentEditingSetCornerOffset(int cornerIndex, double xOffset, double yOffset)
{
    _settleLiveGeometry();
    const GeometryTarget target = _geometryTarget();
    if (!target.segment || !isCornerIndex(cornerIndex))
        return;
    const bool changed = _commitSegmentChange(target.segment, [&] {
        target.setCorner(cornerIndex, QPointF(xOffset, yOffset));
        const QPointF stored = target.corner(cornerIndex);
        _sendGeometry(target, kPoint0Offset + cornerIndex, float(stored.x()), float(stored.y()));
    });
    if (changed)
        _finishCommittedGeometry();
}

void MainWindow::_segmentEditingUpdateCornerOffset(int cornerIndex, double xOffset, double yOffset)
{
    const GeometryTarget target = _geometryTarget();
    if (!target.segment || !isCornerIndex(cornerIndex))
        return;
    _openLiveGeometry(target);
    target.setCorner(cornerIndex, QPointF(xOffset, yOffset));
    _layoutTransformWidgetForEditingSegment(true);
}

// The overlay's signal, delivered queued, refreshes the inspector's corner
// fields and remembers the corner for the segment.
void MainWindow::_segmentEditingSetCornerIndex(int cornerIndex)
{
    if (_transformWidget)
        _transformWidget->setActivePointIndex(cornerIndex);
}

// --- Text alignment and drawing panels ----------------------------------------------------

void MainWindow::_segmentEditingSetTextAlignment(int alignment)
{
    auto* text = dynamic_cast<TextSegment*>(_editingSegment());
    if (!text || alignment < 0 || alignment > 2)
        return;
    if (!_commitSegmentChange(text, [&] { text->setAlignment(alignment); }))
        return;
    if (SegmentStyleDefaults* defaults = habitStyleDefaults())
        defaults->setTextAlignment(alignment);
    _sendValue(text, kAlignment, float(text->alignment()));
    if (_textEditor) {
        _applyTextStyleToWholeText(_textEditor, text);
        _textEditor->setFocus(Qt::OtherFocusReason);
    } else if (_engine) {
        _engine->requestRedraw();
    }
}

void MainWindow::_segmentEditingSetDrawingWidgets(DrawingColorWidget* colorWidget, DrawingTuningWidget* tuningWidget)
{
    _drawingColorWidget = colorWidget;
    _drawingTuningWidget = tuningWidget;
}

// --- Modes ---------------------------------------------------------------------------------

void MainWindow::_enterCropMode(bool)
{
    _updateActionStates();
}

void MainWindow::_enterEditingMode(bool)
{
    _updateActionStates();
}

void MainWindow::_enterDrawingMode(bool)
{
    _updateActionStates();
}
