#pragma once

#include "LiftedWidget.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class Segment;
class SegmentDraggingFrameWidget;
class SegmentWidget;

// One row of the timeline: a tile per segment on the track, laid out by
// time; snapping of dropped times to its tiles' edges; the drop frame while
// a tile is dragged over it; the yellow range-selection overlay; and a long
// press that lifts the whole track to reorder or remove it. The track never
// changes the model: the timeline area decides from its signals.
class TrackWidget : public QWidget
{
    Q_OBJECT

public:
    // The timeline area's snapping against the other tracks.
    using SnapFunction = std::function<float(float time, Segment* segment, TrackWidget* track)>;

    TrackWidget(const QRect& geometry, float scale, QWidget* parent);
    ~TrackWidget() override;

    int trackId() const { return _trackId; }
    void setTrackId(int trackId) { _trackId = trackId; }
    QString trackType() const { return _trackType; }
    void setTrackType(const QString& type) { _trackType = type; }
    float scale() const { return _scale; }

    SegmentWidget* addSegmentWidget(Segment* segment);
    void removeSegmentWidget(Segment* segment, bool animated);
    void clearSegmentWidgets();
    int segmentWidgetCount() const { return _tiles.size(); }
    SegmentWidget* segmentWidgetAt(int index) const;
    // A copy: callers may add or remove tiles while they walk it.
    QList<SegmentWidget*> segmentWidgets() const { return _tiles; }
    SegmentWidget* segmentWidgetForSegment(Segment* segment) const;
    float contentEndTime() const;
    void setScale(float scale, bool animated);
    // Locks the track and every tile but except (null: all) while set.
    void setSegmentFlag(bool flag, SegmentWidget* except);
    bool isLocked() const { return _locked; }
    void setBackgroundPixmap(const QPixmap* pixmap);

    float snapTime(float time, Segment* except) const;
    void showDropIndicator(Segment* segment, float* time, float duration, const SnapFunction& snap);
    void removeDropIndicator();
    SegmentDraggingFrameWidget* dropIndicator() const { return _dropIndicator; }

    void setSelectionSpan(float start, float duration);
    bool isSelectionOn() const;
    void removeOverlay();
    QPushButton* selectionOverlay() const { return _selectionOverlay; }

    bool isDragging() const { return _dragging; }
    QRect homeGeometry() const { return _lift.homeGeometry(); }
    void setDropTarget(TrackWidget* target) { _dropTarget = target; }
    TrackWidget* dropTarget() const { return _dropTarget; }
    void setDropAction(int action) { _dropAction = action; }
    int dropAction() const { return _dropAction; }

signals:
    void trackWidgetDraggingStateChanged(TrackWidget* trackWidget, bool dragging);
    void trackWidgetDraggingMoving(TrackWidget* trackWidget, QPoint pt);

public slots:
    void onSelectionWidgetClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onDraggingPressTimeout(int token);
    // A track with no tiles, or with a tile edited or dimmed, stays put.
    bool _canStartDragging() const;
    int _xOfTime(float time) const;
    void _dropLifted(QWidget* mainWindow);
    void _flyHome(QWidget* mainWindow);
    void _restoreHome();

    int _trackId = 0;
    QString _trackType;
    bool _locked = false;
    float _scale = 1.0f;
    const QPixmap* _backgroundPixmap = nullptr;
    QList<SegmentWidget*> _tiles;
    SegmentDraggingFrameWidget* _dropIndicator = nullptr;
    bool _dragging = false;
    bool _pressed = false;
    int _pressToken = 0;
    QPoint _pressPosition;
    LiftedWidget _lift;
    QPointer<TrackWidget> _dropTarget;
    int _dropAction = 0;
    QPointer<QWidget> _draggingOverlay;
    QPushButton* _selectionOverlay = nullptr;
};
