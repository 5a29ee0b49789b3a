#include "TimelineFuzz.h"

#include "AVSegment.h"
#include "TimelineMetrics.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTimeTolerance = 1e-3f;
// Loading, the renderer and the tiles' slides finish within this bound.
constexpr int kSettleMs = 15000;

QString recordText(const SegmentAttributes& attributes)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    Segment::saveToXml(attributes, writer);
    return QString::fromUtf8(buffer.data());
}

QString segmentName(const Segment* segment)
{
    return segment ? QStringLiteral("%1 %2").arg(segment->type(), segment->uid()) : QStringLiteral("-");
}

bool tileInPlace(const SegmentWidget* tile, float scale)
{
    const Segment* segment = tile->segment();
    return segment && tile->geometry().x() == TimelineMetrics::tileX(segment->rangeStart(), scale)
        && std::abs(tile->geometry().width() - TimelineMetrics::tileWidth(segment->duration(), scale)) <= 1;
}

RecordBuilder caption(const char* words, float start, float duration)
{
    return std::move(RecordBuilder("TEXT").set("Text", words).set("TrackId", 7).set("RangeStart", start)
                         .set("RangeDuration", duration).set("FontSize", 20));
}

RecordBuilder movie(float start)
{
    return std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 3).set("RangeStart", start)
                         .set("RangeDuration", 2).set("TrimStart", 0).set("TrimDuration", 2));
}

} // namespace

QString openFuzzProject(const QString& dir, const QString& name, std::unique_ptr<FuzzWindow>& window, int captions)
{
    for (const auto& [fixture, copy] : {std::pair<const char*, const char*>{"clip_h264_aac.mp4", "clip.mp4"},
                                        {"picture.png", "picture.png"}, {"tone440.wav", "tone.wav"}}) {
        if (!QFile::copy(TestMedia::path(fixture), dir + "/" + copy))
            return QStringLiteral("fixture %1 missing").arg(fixture);
    }
    std::vector<RecordBuilder> records;
    records.push_back(caption("A", 0.0f, 1.0f));
    records.push_back(caption("B", 2.0f, 1.5f));
    for (int index = 2; index < captions; ++index)
        records.push_back(caption("C", 2.0f + 1.5f * float(index - 1), 1.5f));
    records.push_back(movie(0.0f));
    records.push_back(movie(2.0f));
    records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 5)
                                    .set("RangeStart", 1).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("Title", "Tone").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 3).set("TrimStart", 0)
                                    .set("TrimDuration", 3)));
    return openProjectIn(dir, name, records, window);
}

void FuzzWindow::placePlayHead(float time)
{
    _pointerOffset = TimelineMetrics::timeToPixels(time, _timelineScale) - _timeline->contentOffsetX();
}

// --- The check -------------------------------------------------------------------

QStringList TimelineCheck::run(int step)
{
    _violations.clear();
    _step = step;
    _checkTracks();
    _checkSegments();
    _checkEngine();
    _checkIdentities();
    _checkHistory();
    _checkSavedFile();
    return _violations;
}

void TimelineCheck::_report(const QString& invariant, const Segment* segment, const QString& detail)
{
    _violations << QStringLiteral("step %1: %2 [%3]: %4").arg(_step).arg(invariant, segmentName(segment), detail);
}

// Tiles of a track belong to it and follow each other without overlap.
void TimelineCheck::_checkTracks()
{
    EditScrollArea* timeline = _window.timeline();
    for (int index = 0; index < timeline->trackWidgetCount(); ++index) {
        TrackWidget* track = timeline->trackWidgetAt(index);
        QList<SegmentWidget*> tiles = track->segmentWidgets();
        std::sort(tiles.begin(), tiles.end(), [](const SegmentWidget* a, const SegmentWidget* b) {
            return a->geometry().x() < b->geometry().x();
        });
        const Segment* previous = nullptr;
        for (const SegmentWidget* tile : tiles) {
            const Segment* segment = tile->segment();
            if (!segment || _window.projectManager()->indexOfSegmentUId(segment->uid()) < 0) {
                _report(QStringLiteral("tile without a segment of the project"), segment,
                        QStringLiteral("track %1").arg(index));
                continue;
            }
            if (segment->trackId() != track->trackId())
                _report(QStringLiteral("tile on a foreign track"), segment,
                        QStringLiteral("tile on track id %1, segment says %2").arg(track->trackId()).arg(segment->trackId()));
            if (previous && previous->rangeStart() + previous->duration() > segment->rangeStart() + kTimeTolerance)
                _report(QStringLiteral("overlap on a track"), segment,
                        QStringLiteral("starts at %1 inside %2 [%3, %4)").arg(segment->rangeStart()).arg(segmentName(previous))
                            .arg(previous->rangeStart()).arg(previous->rangeStart() + previous->duration()));
            previous = segment;
        }
    }
}

// Each segment lies on one existing track and is shown by one tile at its place.
void TimelineCheck::_checkSegments()
{
    ProjectManager* manager = _window.projectManager();
    EditScrollArea* timeline = _window.timeline();
    int tileTotal = 0;
    for (int index = 0; index < timeline->trackWidgetCount(); ++index)
        tileTotal += timeline->trackWidgetAt(index)->segmentWidgetCount();
    if (tileTotal != manager->segmentCount())
        _report(QStringLiteral("one tile per segment"), nullptr,
                QStringLiteral("%1 tiles for %2 segments").arg(tileTotal).arg(manager->segmentCount()));
    for (int index = 0; index < manager->segmentCount(); ++index) {
        Segment* segment = manager->segmentAt(index);
        TrackWidget* track = timeline->trackWidgetById(segment->trackId());
        if (!track) {
            _report(QStringLiteral("segment on an existing track"), segment,
                    QStringLiteral("track id %1").arg(segment->trackId()));
            continue;
        }
        const SegmentWidget* tile = track->segmentWidgetForSegment(segment);
        if (!tile) {
            _report(QStringLiteral("segment shown by a tile"), segment, QStringLiteral("none on its track"));
            continue;
        }
        if (!tileInPlace(tile, _window.timelineScale()))
            _report(QStringLiteral("tile at the segment's place"), segment,
                    QStringLiteral("x %1 width %2 for start %3 duration %4").arg(tile->geometry().x())
                        .arg(tile->geometry().width()).arg(segment->rangeStart()).arg(segment->duration()));
    }
}

// The engine holds the model's segments with their timing, and none that left.
void TimelineCheck::_checkEngine()
{
    ProjectManager* manager = _window.projectManager();
    AVComposition* composition = _window.composition();
    std::set<int32_t> live;
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        for (int32_t id : {segment->serialNumber(), segment->secondEngineId()}) {
            if (id == 0)
                continue;
            live.insert(id);
            _seenEngineIds.insert(id);
            const AVSegment* engine = composition->findSegment(uint32_t(id));
            if (!engine) {
                _report(QStringLiteral("segment in the engine"), segment, QStringLiteral("engine id %1 missing").arg(id));
                continue;
            }
            if (std::abs(engine->startTime() - segment->rangeStart()) > kTimeTolerance
                || std::abs(engine->duration() - segment->duration()) > kTimeTolerance)
                _report(QStringLiteral("engine timing"), segment,
                        QStringLiteral("engine id %1 [%2 + %3], model [%4 + %5]").arg(id).arg(engine->startTime())
                            .arg(engine->duration()).arg(segment->rangeStart()).arg(segment->duration()));
        }
    }
    for (int32_t id : _seenEngineIds) {
        if (!live.count(id) && composition->findSegment(uint32_t(id)))
            _report(QStringLiteral("removed segment left the engine"), nullptr,
                    QStringLiteral("engine id %1 still held").arg(id));
    }
}

void TimelineCheck::_checkIdentities()
{
    ProjectManager* manager = _window.projectManager();
    std::set<int32_t> serials;
    QSet<QString> uids;
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        if (!serials.insert(segment->serialNumber()).second)
            _report(QStringLiteral("unique serial number"), segment, QString::number(segment->serialNumber()));
        if (segment->uid().isEmpty() || uids.contains(segment->uid()))
            _report(QStringLiteral("unique UId"), segment, QStringLiteral("\"%1\"").arg(segment->uid()));
        uids.insert(segment->uid());
        const int transitions = segment->transitionCount();
        for (int id = 0; id < transitions; ++id) {
            const float start = segment->transitionStart(id);
            if (start < -kTimeTolerance || start + segment->transitionDuration(id) > segment->duration() + kTimeTolerance)
                _report(QStringLiteral("transition inside its segment"), segment,
                        QStringLiteral("transition %1 [%2 + %3]").arg(id).arg(start).arg(segment->transitionDuration(id)));
        }
    }
}

void TimelineCheck::_checkHistory()
{
    const UndoHistory& history = _window.projectManager()->history();
    if (history.count() < 0 || history.count() > history.size())
        _report(QStringLiteral("undo position inside the history"), nullptr,
                QStringLiteral("position %1 of %2").arg(history.count()).arg(history.size()));
}

// "project.xml" written now and read back holds the list attribute for attribute.
void TimelineCheck::_checkSavedFile()
{
    ProjectManager* manager = _window.projectManager();
    const QString name = manager->projectName();
    const QString folder = manager->projectFolder();
    if (manager->saveSegments(name, folder) != 0) {
        _report(QStringLiteral("saved file"), nullptr, QStringLiteral("\"project.xml\" could not be written"));
        return;
    }
    SegmentRecords records;
    if (ProjectManager::loadSegments(records, name, folder) != 0 || int(records.size()) != manager->segmentCount()) {
        _report(QStringLiteral("saved file"), nullptr,
                QStringLiteral("%1 records read back for %2 segments").arg(records.size()).arg(manager->segmentCount()));
        return;
    }
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        if (recordText(*segment->attributes()) != recordText(*records[size_t(index)]))
            _report(QStringLiteral("saved file"), segment, QStringLiteral("record %1 differs when read back").arg(index));
    }
}

QString TimelineCheck::state() const
{
    static const QRegularExpression trackId(QStringLiteral(" TrackId=\"[^\"]*\""));
    ProjectManager* manager = _window.projectManager();
    EditScrollArea* timeline = _window.timeline();
    QStringList lines;
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        const TrackWidget* track = timeline->trackWidgetById(segment->trackId());
        int position = -1;
        for (int at = 0; at < timeline->trackWidgetCount(); ++at) {
            if (timeline->trackWidgetAt(at) == track)
                position = at;
        }
        lines << QString::number(position) + recordText(*segment->attributes()).remove(trackId);
    }
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

// --- The random-edit run ---------------------------------------------------------

QStringList TimelineFuzz::run(int steps)
{
    for (int step = 0; step < steps; ++step) {
        const QString command = _randomCommand();
        _commands << command;
        if (!_play(command))
            return {QStringLiteral("step %1: command could not be played: %2").arg(step).arg(command)};
        const QStringList violations = _settleAndCheck();
        if (!violations.isEmpty())
            return violations;
    }
    return {};
}

QStringList TimelineFuzz::replay(const QStringList& commands)
{
    for (const QString& command : commands) {
        _commands << command;
        if (!_play(command))
            return {QStringLiteral("step %1: command could not be played: %2").arg(_commands.size() - 1).arg(command)};
        const QStringList violations = _settleAndCheck();
        if (!violations.isEmpty())
            return violations;
    }
    return {};
}

float TimelineFuzz::_randomTime(float upTo)
{
    // Tenths of a second, as a drop snaps near them.
    return float(std::uniform_int_distribution<int>(0, std::max(0, int(upTo * 10.0f)))(_random)) / 10.0f;
}

Segment* TimelineFuzz::_segmentAt(int index) const
{
    ProjectManager* manager = _window.projectManager();
    return index >= 0 && index < manager->segmentCount() ? manager->segmentAt(index) : nullptr;
}

// A command on a segment picked from the list; the kinds are weighted so
// that the project neither empties nor grows without bound.
QString TimelineFuzz::_randomCommand()
{
    ProjectManager* manager = _window.projectManager();
    const int count = manager->segmentCount();
    const int kind = std::uniform_int_distribution<int>(0, 9)(_random);
    if (count == 0 || kind == 8)
        return QStringLiteral("undo");
    if (kind == 9)
        return QStringLiteral("redo");
    const int index = std::uniform_int_distribution<int>(0, count - 1)(_random);
    const Segment* segment = manager->segmentAt(index);
    switch (kind) {
    case 0:
    case 1: {
        // Within its own track, or to another track of its kind or the empty last one.
        EditScrollArea* timeline = _window.timeline();
        QVector<int> targets;
        for (int at = 0; at < timeline->trackWidgetCount(); ++at) {
            TrackWidget* track = timeline->trackWidgetAt(at);
            if (kind == 0 ? track->trackId() == segment->trackId()
                          : track->trackType() == segment->type() || track == _window.newestTrack())
                targets << at;
        }
        const int target = targets[std::uniform_int_distribution<int>(0, targets.size() - 1)(_random)];
        return QStringLiteral("move %1 track %2 at %3").arg(index).arg(target).arg(_randomTime(manager->movieDuration()));
    }
    case 2:
    case 3:
        return QStringLiteral("split %1 at %2").arg(index).arg(segment->rangeStart() + _randomTime(segment->duration()));
    case 4:
    case 5:
        return count < 40 ? QStringLiteral("copy %1").arg(index) : QStringLiteral("delete %1").arg(index);
    default:
        return count > 2 ? QStringLiteral("delete %1").arg(index) : QStringLiteral("copy %1").arg(index);
    }
}

bool TimelineFuzz::_play(const QString& command)
{
    const QStringList words = command.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("undo")) {
        _window.undoNow();
        return true;
    }
    if (words[0] == QLatin1String("redo")) {
        _window.redoNow();
        return true;
    }
    Segment* segment = words.size() > 1 ? _segmentAt(words[1].toInt()) : nullptr;
    if (!segment)
        return false;
    if (words[0] == QLatin1String("move") && words.size() == 6) {
        TrackWidget* track = _window.timeline()->trackWidgetAt(words[3].toInt());
        if (!track)
            return false;
        _window.editScrollArea_moveSegmentToTrack(segment, track, words[5].toFloat());
    } else if (words[0] == QLatin1String("split") && words.size() == 4) {
        // A segment with transitions asks how to split in a menu of its own.
        if (segment->transitionCount() > 0)
            return true;
        _window.placePlayHead(words[3].toFloat());
        _window.editScrollArea_splitSegment(segment);
    } else if (words[0] == QLatin1String("copy")) {
        _window.editScrollArea_copySegment(segment);
    } else if (words[0] == QLatin1String("delete")) {
        _window.editScrollArea_removeSegment(segment);
    } else {
        return false;
    }
    return true;
}

// Waits (bounded) for loading, the renderer and the tiles' slides, then checks.
QStringList TimelineFuzz::_settleAndCheck()
{
    waitFor([this] {
        ProjectManager* manager = _window.projectManager();
        if (!_window.engine()->isRenderIdle())
            return false;
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            TrackWidget* track = _window.timeline()->trackWidgetById(segment->trackId());
            const SegmentWidget* tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
            if (segment->state() != 4 || !tile || !tileInPlace(tile, _window.timelineScale()))
                return false;
        }
        return true;
    }, kSettleMs);
    _window.takeHeadsUps();
    return _check.run(_commands.size() - 1);
}
