#pragma once

#include "LiftedWidget.h"

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class AnimatedLabel;
class QAbstractAnimation;
class QTimer;
class QVariantAnimation;
class Segment;

// The tile that shows one segment on a track. The segment paints its own
// body; the tile adds the transition bands, the speed label and the states
// of the interaction: selected (yellow frame), dimmed (black veil while
// another segment is edited) and dragged (yellow overlay). A 300 ms long
// press starts a drag of the tile, a double click toggles editing, and in
// editing a press on a transition band drags that transition along the tile.
// Decisions are the timeline area's: the tile only reports by its signals.
class SegmentWidget : public QWidget
{
    Q_OBJECT

public:
    SegmentWidget(const QRect& geometry, QWidget* parent);

    void setSegment(Segment* segment) { _segment = segment; }
    Segment* segment() const { return _segment; }
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return _backgroundColor; }
    float scale() const { return _scale; }
    QString speedLabel() const { return _speedLabel; }

    // Lays the tile out for the timeline scale: geometry from the segment's
    // start and duration (through a 300 ms animation when asked) and the
    // speed label.
    virtual void setScale(float scale, bool animated);
    virtual void setEditing(bool editing, bool animated);
    bool isEditing() const { return _editing; }
    // Whether the tile may be deleted now (not while it still shows an
    // editing background).
    virtual bool isReadyForRemoval() const;

    void setLocked(bool locked) { _locked = locked; }
    bool isLocked() const { return _locked; }
    void setHighlighted(bool on, bool animated);
    bool isHighlighted() const { return _highlighted; }
    void setSelected(bool selected);
    bool isSelected() const { return _selected; }
    void setTransitionId(int id, bool beginOrEnd);
    int transitionId() const { return _transitionId; }
    QRect transitionRect(int id) const;
    float transitionStartPixels(int id) const;
    float transitionWidthPixels(int id) const;
    void toggleEditing();
    void showLoading();
    void hideLoading();

    // Used by the timeline area while the tile is dragged.
    bool isDragging() const { return _dragging; }
    bool isLifted() const { return _lift.isLifted(); }
    void setDropKind(int kind) { _dropKind = kind; }
    void setDragScrollOffset(const QPoint& offset);
    void endDragging();

signals:
    void segmentWidgetEditingStateChanged(SegmentWidget* segmentWidget, bool editing);
    void segmentWidgetTransitionIdChanged(SegmentWidget* segmentWidget, int transitionId, bool beginOrEnd);
    void segmentWidgetDraggingTransitionChanged(SegmentWidget* segmentWidget, int dt);
    void segmentWidgetDraggingStateChanged(SegmentWidget* segmentWidget, bool dragging);
    void segmentWidgetDraggingMoving(SegmentWidget* segmentWidget, QPoint pt);
    void segmentWidgetMousePressed(SegmentWidget* segmentWidget, QPoint pos);
    void segmentWidgetRightMousePressed(SegmentWidget* segmentWidget, QPoint pos);
    void segmentWidgetDoubleClickedOnFailedSegment(SegmentWidget* segmentWidget, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void onDraggingPressTimeout();

private:
    void _paintContent(QPainter* painter, const QRect& rect);
    void _paintSpeedLabel(QPainter* painter);
    void _drawTransitions(QPainter* painter, const QRect& rect) const;
    void _paintStateOverlays(QPainter* painter, const QRect& rect) const;
    // Segment seconds to pixels of a tile that wide, or 0 when the width or
    // the duration is 0: a zero-length segment or a zero-width tile has no
    // transition bands to draw, hit or drag.
    double _pixelsPerSegmentSecond(int tileWidth) const;
    QRect _bandRect(int id, double pixelsPerSecond) const;
    // The band under the tile x in editing, or 0.
    int _transitionAt(int x) const;
    bool _pressTransitionBand(QMouseEvent* event);
    void _moveDraggedTransition(const QPoint& globalPos);
    // Flies the released tile back to its row, then ends the drag.
    void _dropHome();
    // Handles a double click; event is null for toggleEditing.
    void _doubleClick(QMouseEvent* event);
    // Animates the alpha of the dim veil (black) or of the drag overlay
    // (yellow), replacing the animation that slot still runs.
    void _animateAlpha(QRgb* target, QRgb rgb, int from, int to, int milliseconds,
                       QPointer<QVariantAnimation>* slot);

    Segment* _segment = nullptr;
    bool _locked = false;
    int _transitionId = 0;
    float _scale = 1.0f;
    QColor _backgroundColor{51, 51, 51};
    int _fullWidth = 0;
    QPointer<AnimatedLabel> _loadingLabel;
    bool _highlighted = true;
    bool _editing = false;
    bool _dragging = false;
    int _transitionDragCounter = 0;
    int _draggedTransitionId = 0;
    QPoint _pressPosition;
    float _transitionStartAtPress = 0.0f;
    LiftedWidget _lift;
    bool _pressed = false;
    QRgb _dimColor = 0;
    QRgb _dragOverlayColor = 0;
    int _dropKind = 0;
    QPoint _dragScrollOffset;
    QString _speedLabel;
    bool _selected = false;
    QPointer<QVariantAnimation> _dimAnimation;
    QPointer<QVariantAnimation> _dragOverlayAnimation;
    QPointer<QAbstractAnimation> _geometryAnimation;
    QTimer* _pressTimer = nullptr;
};
