#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QScrollArea;
class Segment;

// The docked panel that shows the editing sections of the segment being
// edited. So far it holds the state the window reads back (transition
// mode, editing mode, scroll offset); the sections themselves and the
// signals they raise are added with the segment editing commands.
class SegmentInspectorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentInspectorWidget(QWidget* parent = nullptr);

    void setSegment(Segment* segment, const QSize& canvasSize);
    Segment* segment() const { return _segment; }
    QSize canvasSize() const { return _canvasSize; }
    void refreshEditingControllers(Segment* segment, bool segmentUnderPointer, float time);
    void updateTransitionControllers(Segment* segment, int transitionId, int state);
    void updateGeometryValues(Segment* segment);
    void updateTransitionGeometryValues(Segment* segment, int transitionId, int state);
    void setGeometryCornerIndex(int corner);
    void setTransitionGeometryCornerIndex(int corner);
    void updateTextFontValues(Segment* segment);
    void selectTransition(Segment* segment, int index, int state);

    void enterTransitionEditMode();
    void exitTransitionEditMode(Segment* segment);
    bool isTransitionEditMode() const { return _transitionEditMode; }

    // mode: 0 cropping, 1 editing, 2 drawing.
    void setEditingMode(bool on, const QString& title, int mode);
    bool isEditingModeOn() const { return _editingModeOn; }
    QString editingModeTitle() const { return _editingModeTitle; }
    int editingMode() const { return _editingMode; }

    // Closes the sections' popups and leaves transition mode.
    void dismissPopups();
    int scrollPosition() const;
    void setScrollPosition(int position);

    // Whether the volume section of the segment, or of the transition, is
    // enabled; false while no such section exists.
    bool volumeValue() const { return false; }
    bool transitionVolumeValue() const { return false; }

private:
    QScrollArea* _scrollArea = nullptr;
    Segment* _segment = nullptr;
    QSize _canvasSize;
    bool _transitionEditMode = false;
    bool _editingModeOn = false;
    QString _editingModeTitle;
    int _editingMode = -1;
};
