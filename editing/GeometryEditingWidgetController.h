#pragma once

#include "TransitionFlavourEditingWidgetController.h"

#include <QPointF>

class GeometryEditingWidget;
class Segment;

// The geometry section: shows a segment's placement, or that of one state of
// its transitions, and relays what the user does with it under the widget's
// own signal names.
class GeometryEditingWidgetController : public TransitionFlavourEditingWidgetController
{
    Q_OBJECT

public:
    GeometryEditingWidgetController(bool transition, QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;

    void updateValues(const Segment* segment);
    // The fields take input exactly while the transform overlay is on the
    // preview; the pointer flag plays no part here.
    void setEditable(const Segment* segment, QWidget* overlay, bool segmentUnderPointer);
    void setTransitionState(const Segment* segment, int transitionId, int state);
    // Re-reads the fields of the selected state, which the overlay may have
    // changed meanwhile.
    void updateTransitionValues(const Segment* segment, int transitionId, int state);
    void setCornerIndex(int index);

signals:
    void maintainAspectRatioButtonClicked();
    void restoreDefaultButtonClicked();
    void cropButtonClicked();
    void rotateClockwiseButtonClicked();
    void rotateCounterClockwiseButtonClicked();
    void flipHorizontalButtonClicked();
    void flipVerticalButtonClicked();
    void perspectiveButtonClicked();
    void rotationValueChanged(double value);
    void xValueChanged(double value);
    void yValueChanged(double value);
    void widthValueChanged(double value);
    void heightValueChanged(double value);
    // The receiver writes the geometry before a held change into the
    // references; connect it directly.
    void beforeGeometryValueChanging(QPointF& translation, QPointF& scale, qreal& rotation, qreal* cornerXOffsets,
                                     qreal* cornerYOffsets);
    void rotationValueChanging(double value);
    void xValueChanging(double value);
    void yValueChanging(double value);
    void widthValueChanging(double value);
    void heightValueChanging(double value);
    void afterGeometryValueChanging(QPointF translation, QPointF scale, double rotation, const qreal* cornerXOffsets,
                                    const qreal* cornerYOffsets);
    void cornerOffsetChanged(int cornerIndex, double xOffset, double yOffset);
    void cornerOffsetChanging(int cornerIndex, double xOffset, double yOffset);
    void cornerIndexChanged(int cornerIndex);

public slots:
    void onGeometryWidgetFitHeightChanged(GeometryEditingWidget* widget);

private:
    void _relayWidgetSignals();
    void _updatePerspective(const Segment* segment);
    void _showPlacement(const QPointF& translation, const QPointF& scale, double rotation, const QPointF corners[4]);

    GeometryEditingWidget* _widget;
};
