#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class EditScrollArea;
class GutterScrollArea;
class PointerWidget;
class QPlainTextEdit;
class RulerScrollArea;
class Segment;
class SegmentWidget;
class TrackWidget;

// A timeline to try out: ruler, gutter, tracks and play pointer, answering
// the area's reports the simple way (a dropped tile moves, a removed tile or
// track goes, zoom requests rescale), with a pane that logs every signal.
// The segments come from the gallery, which owns them.
class GalleryWorkingTimeline : public QWidget
{
    Q_OBJECT

public:
    using SegmentMaker = std::function<Segment*(const QString& type, float start, float duration)>;

    GalleryWorkingTimeline(const SegmentMaker& makeSegment, QWidget* parent);

    EditScrollArea* editScrollArea() const { return _area; }
    QPlainTextEdit* log() const { return _log; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TrackWidget* _addTrack(const QString& type);
    void _addTile(TrackWidget* track, Segment* segment);
    void _connectLog();
    void _connectAnswers();
    void _moveSegment(Segment* segment, TrackWidget* target, float time);
    void _removeSegment(Segment* segment);
    void _removeTrack(TrackWidget* track);
    void _syncGutter();
    void _zoom(float factor);
    void _placePointer();
    // A track's id when it is still on the timeline (compared by address
    // only: a report may name a track that its receivers deleted).
    QString _describe(const TrackWidget* track) const;
    QString _describe(const SegmentWidget* tile) const;
    QString _describe(const Segment* segment) const;
    QString _describe(int value) const { return QString::number(value); }
    QString _describe(bool value) const { return value ? "true" : "false"; }
    QString _describe(float value) const { return QString::number(double(value), 'f', 3); }
    QString _describe(const QPoint& point) const;
    // Logs every emission of the signal with its arguments.
    template <typename... Args>
    void _logSignal(void (EditScrollArea::*signal)(Args...), const char* name);
    void _append(const QString& line);

    float _scale = 1.0f;
    RulerScrollArea* _ruler;
    GutterScrollArea* _gutter;
    EditScrollArea* _area;
    PointerWidget* _pointer;
    QPlainTextEdit* _log;
};
