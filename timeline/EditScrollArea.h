#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QScrollArea>
#include <QScroller>
#include <QSize>

class QTimer;
class Segment;
class SegmentDraggingFrameWidget;
class SegmentDraggingOperationWidget;
class SegmentWidget;
class SlideshowLabel;
class TrackWidget;

// The scrolling body of the timeline: a content widget holding one track per
// row, each with its tiles. The area scrolls (scroll bars, kinetic dragging,
// wheel), turns wheel and pinch input into zoom requests, keeps the selected
// tile and the tile in editing with its trim bars, runs tile and track
// dragging with drop targets and auto-scroll, and reports every gesture by a
// signal. It changes no model data apart from the trimmed segment's start,
// end and transition times while a bar is dragged, so that the tile follows
// the pointer; the window's slots make every other change.
class EditScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit EditScrollArea(QWidget* parent);
    ~EditScrollArea() override;

    // Tracks.
    TrackWidget* addTrackWidget(float scale, float duration);
    void removeTrackWidget(TrackWidget* track);
    void removeTrackWidgets(const QList<TrackWidget*>& tracks);
    void clearTrackWidgets();
    void relayoutTracks(float scale, float duration);
    TrackWidget* trackWidgetAt(int index) const;
    TrackWidget* trackWidgetById(int id) const;
    int trackWidgetCount() const { return _tracks.size(); }
    TrackWidget* firstTrackWidget() const { return trackWidgetAt(0); }
    TrackWidget* movieTrackWidget() const;
    int movieTrackCount() const;
    bool canDropSegment(const QString& type, TrackWidget* track) const;
    int trackIdBelow(int id) const;
    int trackIdAbove(int id) const;
    // Tiles over all tracks.
    int segmentWidgetTotal() const;
    void removeTrackOverlays();
    bool hasTaggedTrackOverlay() const;
    void setSegmentFlag(bool flag, SegmentWidget* except);
    void setSegmentFlagInverted(bool flag);
    void setSelectionSpan();
    // Moves dragged to the row above target and renumbers the tracks; false
    // when there is no other target.
    bool moveTrackWidget(TrackWidget* dragged, TrackWidget* target);

    // Selection and editing.
    void connectSegmentWidget(SegmentWidget* segmentWidget);
    void setSelectedSegmentWidget(SegmentWidget* segmentWidget);
    SegmentWidget* selectedSegmentWidget() const { return _selectedSegmentWidget; }
    SegmentWidget* editingSegmentWidget() const { return _editingSegmentWidget; }
    bool isEditingSegment() const { return !_editingSegmentWidget.isNull(); }
    void setRangeSelectionMode(bool on) { _rangeSelectionMode = on; }
    bool isRangeSelectionMode() const { return _rangeSelectionMode; }
    void setSelectionStart(float seconds) { _selectionStart = seconds; }
    void setSelectionEnd(float seconds) { _selectionEnd = seconds; }
    float selectionStart() const { return _selectionStart; }
    float selectionEnd() const { return _selectionEnd; }

    // Scrolling.
    bool isBusy() const;
    bool isScrolling() const;
    bool isAnimatingTracks() const { return _tracksAnimating > 0; }
    void setInteractive(bool on);
    bool isMouseTransparent() const;
    QPoint scrollPosition() const;
    float contentOffsetX() const;
    QSize contentSize() const;
    void scrollToPosition(const QPoint& point, bool animated);
    void ensureVisible(QWidget* widget);
    void stopScrolling();
    float scale() const { return _scale; }

    // The removal animation, centred on a global point.
    void playEliminateAnimation(const QPoint& globalPoint);

    // Trim bars of the tile in editing.
    void hideTrimBars();
    void refreshTrimBars();
    void updateTrimBarPositions();
    QLabel* leftTrimBar() const { return _leftTrimBar; }
    QLabel* rightTrimBar() const { return _rightTrimBar; }
    QLabel* transitionBeginBar() const { return _transitionBeginBar; }
    QLabel* transitionEndBar() const { return _transitionEndBar; }

    // time snapped to the edges of the tiles on every track but excluded; a
    // later track's answer replaces an earlier one only when strictly closer.
    float snapTime(float time, Segment* segment, TrackWidget* excluded, bool* snapped = nullptr) const;

signals:
    void editScrollAreaWillBeginDragging();
    void editScrollAreaDidScroll(QPoint offset);
    void editScrollAreaWillEndDragging();
    void editScrollAreaScaleBegan();
    void editScrollAreaScaleChanged(float scale);
    void editScrollAreaScaleEnd();
    void editScrollAreaBeginDraggingSegment();
    void editScrollAreaEndDraggingSegment();
    void editScrollAreaCopySegment(Segment* segment);
    void editScrollAreaRemoveSegment(Segment* segment);
    void editScrollAreaSplitSegment(Segment* segment);
    void editScrollAreaMoveSegmentToTrack(Segment* segment, TrackWidget* trackWidget, float time);
    void editScrollAreaRemoveTrack(TrackWidget* trackWidget);
    void editScrollAreaDidEnterEditingSegment(Segment* segment);
    void editScrollAreaDidFinishEditingSegment(Segment* segment);
    void editScrollAreaDidFinishEditingSegmentImmediately(Segment* segment);
    void editScrollAreaSeekToTime(float time);
    void editScrollAreaReloadPreviewForSegment(Segment* segment, bool rangeStart);
    void editScrollAreaBeginTrimSegment(Segment* segment);
    void editScrollAreaGetSegmentOverwriteMode(bool& ret);
    void editScrollAreaDidEnterEditingTransition(Segment* segment, int tId, int beginOrEnd);
    void editScrollAreaDidFinishEditingTransition(Segment* segment);
    void editScrollAreaSeekToTransition(int tId, bool beginOrEnd);
    void editScrollAreaTappedOnTransitionBar(int tId, bool beginOrEnd);
    void editScrollAreaReloadPreviewForTransition(int tId, bool beginOrEnd);
    void editScrollAreaDidTransitionRangeChange(int tId);
    void editScrollAreaBeginMoveTransition(int tId, bool beginOrEnd);
    void editScrollAreaEndMoveTransition(int tId, bool beginOrEnd, bool moved);
    void editScrollAreaBeginTrimTransition(int tId, bool beginOrEnd);
    void editScrollAreaEndTrimTransition(int tId, bool beginOrEnd, bool trimmed);
    void editScrollAreaBeginDraggingTrackWidget(TrackWidget* trackWidget);
    void editScrollAreaEndDraggingTrackWidget(TrackWidget* trackWidget, bool tagsChanged);
    void editScrollAreaGetSafeAreaInsets(float* left, float* top, float* right, float* bottom);
    void editScrollAreaSelectNextSegmentByDirectionKey(int key);
    void editScrollAreaSelectedSegmentWidgetChanged(bool hasSelect);
    void editScrollAreaDeleteKeyPressed();
    void editScrollAreaPopupContextMenuForSegmentWidget(SegmentWidget* segmentWidget, QPoint pos);
    void editScrollAreaDoubleClickedOnFailedSegment(SegmentWidget* segmentWidget, QPoint pos);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

protected slots:
    void onScrollerStateChanged(QScroller::State newState);
    void onScrollBarPressedDown();
    void onScrollBarPressReleased();
    void onScrollBarActionTriggered(int action);
    void onSegmentWidgetEditingStateChanged(SegmentWidget* segmentWidget, bool editing);
    void onSegmentWidgetTransitionIdChanged(SegmentWidget* segmentWidget, int transitionId, bool beginOrEnd);
    void onSegmentWidgetDraggingTransitionChanged(SegmentWidget* segmentWidget, int draggingTransition);
    void onSegmentWidgetDraggingStateChanged(SegmentWidget* segmentWidget, bool dragging);
    void onSegmentWidgetDraggingMoving(SegmentWidget* segmentWidget, QPoint pt);
    void onSegmentWidgetMousePressed(SegmentWidget* segmentWidget, QPoint pos);
    void onSegmentWidgetRightMousePressed(SegmentWidget* segmentWidget, QPoint pos);
    void onSegmentWidgetDestroyed(QObject* obj);
    void onTrackWidgetDraggingStateChanged(TrackWidget* trackWidget, bool dragging);
    void onTrackWidgetDraggingMoving(TrackWidget* trackWidget, QPoint pt);

private:
    enum class Bar { None, Left, Right, TransitionBegin, TransitionEnd };

    // Structure (EditScrollArea.cpp).
    void _styleScrollBars();
    const QPixmap* _backgroundFor(int position) const;
    void _assignBackgrounds(int fromPosition);
    void _fitContent(float duration);
    void _animateTracksTo(const QList<QPair<TrackWidget*, QPoint>>& targets, bool alwaysAnimated);
    bool _handleWheelPhase(QEvent* event);
    bool _isPressForBar(const SegmentWidget* segmentWidget, const QPoint& globalPos) const;
    bool _isLiveTile(const SegmentWidget* segmentWidget) const;
    void _clearSelection();

    // Editing and trimming (EditScrollAreaEditing.cpp).
    void _enterEditing(SegmentWidget* segmentWidget);
    void _leaveEditing(SegmentWidget* segmentWidget);
    bool _isOnFirstTrack(const SegmentWidget* segmentWidget) const;
    void _dropEditingRemains();
    void _shiftTracksBy(int dy);
    // How far the tile's track has still to move.
    int _remainingTravel(const SegmentWidget* segmentWidget) const;
    // A rectangle of a child (at any depth) in content coordinates.
    QRect _inContent(const QWidget* child, const QRect& rect) const;
    void _showTrimBars(SegmentWidget* segmentWidget, int dy);
    QLabel* _newBar(const QPixmap& picture, const QRect& geometry);
    void _fadeInBars(QLabel* first, QLabel* second, int dy);
    void _dropTransitionBars();
    void _showTransitionBars(SegmentWidget* segmentWidget, int tId);
    void _updateTransitionTrimBarPositions();
    Bar _barAt(const QPoint& globalPos) const;
    QLabel* _barLabel(Bar bar) const;
    void _beginTrim(Bar bar, const QPoint& globalPos);
    void _moveLeftBar(float x);
    void _moveRightBar(float x);
    void _moveTransitionBeginBar(float x);
    void _moveTransitionEndBar(float x);
    void _placeBar(QLabel* bar, float centreX);
    float _timeOfX(float x) const;
    float _xOfTime(float time) const;
    static void _centreBarAt(QLabel* bar, float centreX);

    // Dragging (EditScrollAreaDragging.cpp).
    void _showOperationWidget(bool removeOnly);
    // The remove button's centre (global), deleting the panel.
    QPoint _takeTrashCentre();
    int _hoverOperation(const QPoint& globalPos);
    bool _isValidDropTrack(TrackWidget* track, Segment* segment) const;
    void _removeDropIndicators();
    void _updateAutoScroll(const QPoint& globalPos, int rowHeight, bool horizontal);
    void _stopAutoScroll();
    // The drag's panel (its remove button's centre, global), drop
    // indicators, drop frame and auto-scroll go.
    QPoint _dropDragRemains();
    void _forgetDrop();
    void _abandonDrag();
    void _endDragOfDyingTrack(TrackWidget* track);
    void _onHorizontalAutoScrollTimeout();
    void _onVerticalAutoScrollTimeout();
    void _tellDraggedOffset();
    QRect _rowOf(TrackWidget* track) const;
    void _showTrackDropFrame(TrackWidget* found);

    QPointer<SegmentWidget> _editingSegmentWidget;
    bool _rangeSelectionMode = false;
    float _selectionStart = 0.0f;
    float _selectionEnd = 0.0f;
    float _scale = 1.0f;
    QList<TrackWidget*> _tracks;
    QPixmap _oddBackground;
    QPixmap _evenBackground;
    Bar _trimming = Bar::None;
    QPointer<QLabel> _leftTrimBar;
    QPointer<QLabel> _rightTrimBar;
    QPointer<QLabel> _transitionBeginBar;
    QPointer<QLabel> _transitionEndBar;
    QPoint _barPositionAtPress;
    QPoint _pressPosition;
    bool _transitionMoved = false;
    bool _mouseCaptured = false;
    int _tracksAnimating = 0;
    QPointer<SegmentDraggingOperationWidget> _operationWidget;
    QPointer<SegmentWidget> _draggedSegmentWidget;
    QPoint _scrollAtDragStart;
    int _hoveredOperation = 0;
    QPointer<TrackWidget> _dropTrack;
    float _dropTime = 0.0f;
    float _autoScrollFactor = 1.0f;
    bool _autoScrollLeft = false;
    bool _autoScrollRight = false;
    bool _autoScrollUp = false;
    bool _autoScrollDown = false;
    QPointer<SegmentDraggingFrameWidget> _trackDropFrame;
    QPointer<SegmentWidget> _selectedSegmentWidget;
    // The selected tile's address, compared (never used) when a tile is
    // destroyed. A widget says so from its base's destructor, while the
    // guarded pointer still holds it: reading that pointer then would cast
    // a half-destroyed object, so it is cleared by this address instead.
    const QObject* _selectedObject = nullptr;
    // The same for the tile in editing, and whether it sat on the first
    // track (the tracks are shifted down for it).
    const QObject* _editingObject = nullptr;
    // The same for the dragged tile.
    const QObject* _draggedObject = nullptr;
    bool _editingOnFirstTrack = false;
    // Set while editing passes between two tiles of the first track, whose
    // tracks stay shifted down.
    bool _keepTracksShifted = false;
    QTimer* _horizontalScrollTimer;
    QTimer* _verticalScrollTimer;
};
