#include "GeometryEditingWidgetController.h"

#include "GeometryEditingWidget.h"
#include "Segment.h"

GeometryEditingWidgetController::GeometryEditingWidgetController(bool transition, QWidget* parent)
    : TransitionFlavourEditingWidgetController(transition, parent)
    , _widget(new GeometryEditingWidget(parent))
{
    connect(_widget, &GeometryEditingWidget::widgetFitHeightChanged, this,
            &GeometryEditingWidgetController::onGeometryWidgetFitHeightChanged);
    _widget->setFixedHeight(GeometryEditingWidget::defaultHeight());
    _relayWidgetSignals();
}

void GeometryEditingWidgetController::_relayWidgetSignals()
{
    using W = GeometryEditingWidget;
    using C = GeometryEditingWidgetController;
    connect(_widget, &W::maintainAspectRatioButtonClicked, this, &C::maintainAspectRatioButtonClicked);
    connect(_widget, &W::restoreDefaultButtonClicked, this, &C::restoreDefaultButtonClicked);
    connect(_widget, &W::cropButtonClicked, this, &C::cropButtonClicked);
    connect(_widget, &W::rotateClockwiseButtonClicked, this, &C::rotateClockwiseButtonClicked);
    connect(_widget, &W::rotateCounterClockwiseButtonClicked, this, &C::rotateCounterClockwiseButtonClicked);
    connect(_widget, &W::flipHorizontalButtonClicked, this, &C::flipHorizontalButtonClicked);
    connect(_widget, &W::flipVerticalButtonClicked, this, &C::flipVerticalButtonClicked);
    connect(_widget, &W::perspectiveButtonClicked, this, &C::perspectiveButtonClicked);
    connect(_widget, &W::rotationValueChanged, this, &C::rotationValueChanged);
    connect(_widget, &W::xValueChanged, this, &C::xValueChanged);
    connect(_widget, &W::yValueChanged, this, &C::yValueChanged);
    connect(_widget, &W::widthValueChanged, this, &C::widthValueChanged);
    connect(_widget, &W::heightValueChanged, this, &C::heightValueChanged);
    // The receiver fills the widget's snapshot through these references.
    connect(_widget, &W::beforeGeometryValueChanging, this, &C::beforeGeometryValueChanging, Qt::DirectConnection);
    connect(_widget, &W::rotationValueChanging, this, &C::rotationValueChanging);
    connect(_widget, &W::xValueChanging, this, &C::xValueChanging);
    connect(_widget, &W::yValueChanging, this, &C::yValueChanging);
    connect(_widget, &W::widthValueChanging, this, &C::widthValueChanging);
    connect(_widget, &W::heightValueChanging, this, &C::heightValueChanging);
    connect(_widget, &W::afterGeometryValueChanging, this, &C::afterGeometryValueChanging);
    connect(_widget, &W::cornerOffsetChanged, this, &C::cornerOffsetChanged);
    connect(_widget, &W::cornerOffsetChanging, this, &C::cornerOffsetChanging);
    connect(_widget, &W::cornerIndexChanged, this, &C::cornerIndexChanged);
}

bool GeometryEditingWidgetController::appliesTo(const Segment* segment)
{
    const QString type = segment->type();
    return type == QLatin1String("TEXT") || type == QLatin1String("DRAWING") || type == QLatin1String("IMAGE")
        || type == QLatin1String("MOVIE");
}

QWidget* GeometryEditingWidgetController::widget() const
{
    return _widget;
}

int GeometryEditingWidgetController::displayOrder() const
{
    return isTransition() ? 190 : 60;
}

void GeometryEditingWidgetController::updateValues(const Segment* segment)
{
    const QPointF corners[4] = { segment->userPoint0Offset(), segment->userPoint1Offset(),
                                 segment->userPoint2Offset(), segment->userPoint3Offset() };
    _widget->setHFlipChecked(segment->isFlippedHorizontally());
    _widget->setVFlipChecked(segment->isFlippedVertically());
    _updatePerspective(segment);
    _showPlacement(segment->userTranslation(), segment->userScale(), segment->userRotation(), corners);
}

void GeometryEditingWidgetController::_showPlacement(const QPointF& translation, const QPointF& scale,
                                                     double rotation, const QPointF corners[4])
{
    _widget->setXValue(translation.x());
    _widget->setYValue(translation.y());
    _widget->setWValue(scale.x());
    _widget->setHValue(scale.y());
    _widget->setRotationValue(rotation);
    for (int index = 0; index < 4; ++index)
        _widget->setCornerOffset(index, corners[index].x(), corners[index].y());
}

void GeometryEditingWidgetController::setEditable(const Segment* segment, QWidget* overlay, bool)
{
    _widget->setEnabled(overlay != nullptr);
    _updatePerspective(segment);
}

void GeometryEditingWidgetController::_updatePerspective(const Segment* segment)
{
    _widget->setPerspectiveEnabled(segment->perspective());
    if (_widget->height() != _widget->fitHeight())
        _widget->setFixedHeight(_widget->fitHeight());
}

void GeometryEditingWidgetController::setTransitionState(const Segment* segment, int transitionId, int state)
{
    const bool read = _storeTransitionState(transitionId, state);
    _widget->setEnabled(_hasTransitionState());
    if (!_hasTransitionState())
        return;
    _widget->setHFlipChecked(segment->isTransitionStateFlippedHorizontally(transitionId, _readsBeginState()));
    _widget->setVFlipChecked(segment->isTransitionStateFlippedVertically(transitionId, _readsBeginState()));
    _updatePerspective(segment);
    if (read)
        updateTransitionValues(segment, transitionId, state);
}

void GeometryEditingWidgetController::updateTransitionValues(const Segment* segment, int transitionId, int state)
{
    if (transitionId <= 0 || state < 0)
        return;
    const bool begin = state != 0;
    const QPointF corners[4] = { segment->transitionUserPoint0Offset(transitionId, begin),
                                 segment->transitionUserPoint1Offset(transitionId, begin),
                                 segment->transitionUserPoint2Offset(transitionId, begin),
                                 segment->transitionUserPoint3Offset(transitionId, begin) };
    _showPlacement(segment->transitionUserTranslation(transitionId, begin),
                   segment->transitionUserScale(transitionId, begin),
                   segment->transitionUserRotation(transitionId, begin), corners);
}

void GeometryEditingWidgetController::setCornerIndex(int index)
{
    _widget->setCurrentCornerIndex(index);
}

void GeometryEditingWidgetController::onGeometryWidgetFitHeightChanged(GeometryEditingWidget* widget)
{
    widget->setFixedHeight(widget->fitHeight());
    emit editingWidgetControllerSizeChanged(this);
}
