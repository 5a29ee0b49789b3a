#include "TimelineFuzz.h"

#include "AVAnimation.h"
#include "AVSegment.h"
#include "AssetLoadingThreadPool.h"
#include "CommonSliderColorPopup.h"
#include "HelpTipsSeen.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QParallelAnimationGroup>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTimeTolerance = 1e-3f;
// Stored times keep six significant digits: after many shifts the ends of
// neighbours on a long timeline drift apart or together by a few
// milliseconds, far less than a frame.
constexpr float kOverlapTolerance = 5e-3f;
// Loading, the renderer and the tiles' slides finish within this bound.
constexpr int kSettleMs = 15000;
constexpr int kSettleSliceMs = 2;
// The speed value slot's tag and its steps (speed = step / 4 + 1 / 4).
constexpr int kSpeedSlot = 2;
constexpr int kSpeedSteps = 15;
// Ready-made transitions of the menu, and the one at the play pointer.
const char* const kTransitionKinds[] = {"custom", "fade", "in", "out"};
constexpr int kTransitionCommands[] = {10201, 10202, 10203, 10204};
const char* const kInsertKinds[] = {"clip", "picture", "text", "music"};
// The kinds of command and their weights in a hundred.
enum class Kind {
    Move, MoveToTrack, Split, Copy, Delete, Undo, Redo, Trim, Insert, Transition, RemoveTransition, Mode, Speed, Reopen
};
constexpr std::pair<Kind, int> kKindWeights[] = {
    {Kind::Move, 11},  {Kind::MoveToTrack, 10}, {Kind::Split, 13},      {Kind::Copy, 8},
    {Kind::Delete, 11}, {Kind::Undo, 9},        {Kind::Redo, 7},        {Kind::Trim, 11},
    {Kind::Insert, 5}, {Kind::Transition, 6},   {Kind::RemoveTransition, 3}, {Kind::Mode, 2},
    {Kind::Speed, 3},  {Kind::Reopen, 1},
};
// The transition command "remove" of the inspector's transition section.
constexpr int kRemoveTransitionCommand = 10103;
// The media files of the project: the fixture and its name in the project folder.
constexpr std::pair<const char*, const char*> kFixtures[] = {
    {"clip_h264_aac.mp4", "clip.mp4"}, {"picture.png", "picture.png"}, {"tone440.wav", "tone.wav"}};
// A project that grows past this many segments gets deletes instead of copies.
constexpr int kMostSegments = 40;

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

// The first segment line of two states that differs, as saved and as reopened.
QString firstDifference(const QString& saved, const QString& reopened)
{
    const QStringList before = saved.split(QLatin1Char('\n'));
    const QStringList after = reopened.split(QLatin1Char('\n'));
    for (int index = 0; index < std::max(before.size(), after.size()); ++index) {
        if (before.value(index) != after.value(index))
            return QStringLiteral("segments differ after reopening: saved \"%1\", reopened \"%2\"")
                .arg(before.value(index), after.value(index));
    }
    return QStringLiteral("segments differ after reopening");
}

// The long runs turn the animations off to play their steps back to back; a
// tile still slides where its command asks, so its slide is played to the end.
void finishTileSlides(EditScrollArea* timeline)
{
    if (animationsEnabled())
        return;
    for (SegmentWidget* tile : timeline->findChildren<SegmentWidget*>()) {
        for (auto* slide : tile->findChildren<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly))
            slide->setCurrentTime(slide->totalDuration());
    }
}

} // namespace

QString openFuzzProject(const QString& dir, const QString& name, std::unique_ptr<FuzzWindow>& window, int captions)
{
    // A help tip in front would turn the run's undo and redo steps away.
    markHelpTipsSeen();
    for (const auto& [fixture, copy] : kFixtures) {
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
    // With their ids, as the editor saves every segment: an unchanged
    // project is not saved on closing, and ids made at opening would differ
    // at every reopen.
    for (RecordBuilder& record : records)
        record.set("UId", QUuid::createUuid().toString());
    const QString problem = openProjectIn(dir, name, records, window);
    if (problem.isEmpty())
        window->connectTimeline();
    return problem;
}

void FuzzWindow::placePlayHead(float time)
{
    _pointerOffset = TimelineMetrics::timeToPixels(time, _timelineScale) - _timeline->contentOffsetX();
}

void FuzzWindow::splitAsAnswered(Segment* segment, float time, bool keepTransitions)
{
    // The split itself refuses a time it does not accept, as after a menu
    // that stayed open while the timeline changed.
    keepTransitions ? _splitSegmentKeepingTransitions(segment, time) : _splitSegmentDuplicatingTransitions(segment, time);
}

void FuzzWindow::insertOnNewestTrack(Segment* segment)
{
    _recordOperation();
    TrackWidget* track = _newestTrack;
    SegmentWidget* widget = track->addSegmentWidget(segment);
    segment->setTrackId(track->trackId());
    widget->setScale(_timelineScale, false);
    _timeline->connectSegmentWidget(widget);
    _projectManager->addSegmentSorted(segment, widget);
    track->setTrackType(segment->type());
    _gutterArea->setTrackButtonType(track->trackId(), segment->type());
    _addTrack();
    _updateProjectDuration();
    _projectManager->setModified(true);
}

// --- The check -------------------------------------------------------------------

QStringList TimelineCheck::run(int step)
{
    const bool settled = _settle();
    _violations.clear();
    _step = step;
    _checkTracks();
    _checkSegments();
    _checkEngine();
    _checkLayerOrder();
    _checkIdentities();
    _checkHistory();
    _checkSavedFile();
    // What a step still loading shows may be on its way: said after the
    // findings, so that they keep their kind.
    const Segment* unsettled = settled ? nullptr : _unsettledSegment();
    if (unsettled && !_violations.isEmpty())
        _violations << QStringLiteral("step %1: not settled within %2 s [%3]: state %4, %5 loading task(s)")
                           .arg(step).arg(kSettleMs / 1000).arg(segmentName(unsettled)).arg(unsettled->state())
                           .arg(AssetLoadingThreadPool::instance()->pendingTaskCount(unsettled));
    return _violations;
}

// Waits (bounded) for loading and the tiles' slides; true when both ended.
// The renderer may still be drawing: the next command meets it as a user's
// would.
bool TimelineCheck::_settle()
{
    QElapsedTimer clock;
    clock.start();
    // Short slices, so that the check follows the settling closely. A
    // segment's last state report reaches the window as a posted event
    // just after the state changed: settled means settled twice in a row.
    int settledRounds = 0;
    while (settledRounds < 2 && clock.elapsed() < kSettleMs) {
        finishTileSlides(_window->timeline());
        QCoreApplication::processEvents(QEventLoop::AllEvents, kSettleSliceMs);
        // The run plays its commands outside any event loop, where events
        // alone never run the deletions left to the loop (a closed
        // preview's GL context, released by its render thread, goes that
        // way): run them as returning to the window's loop would.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settledRounds = _unsettledSegment() ? 0 : settledRounds + 1;
    }
    // The notes the commands raised are dismissed, as a user reads them.
    _window->takeHeadsUps();
    return settledRounds == 2;
}

// The first segment still loading or whose tile is not yet at its place.
const Segment* TimelineCheck::_unsettledSegment() const
{
    ProjectManager* manager = _window->projectManager();
    for (int index = 0; index < manager->segmentCount(); ++index) {
        Segment* segment = manager->segmentAt(index);
        TrackWidget* track = _window->timeline()->trackWidgetById(segment->trackId());
        const SegmentWidget* tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
        if (segment->state() != 4 || AssetLoadingThreadPool::instance()->pendingTaskCount(segment) > 0 || !tile
            || !tileInPlace(tile, _window->timelineScale()))
            return segment;
    }
    return nullptr;
}

void TimelineCheck::_report(const QString& invariant, const Segment* segment, const QString& detail)
{
    _violations << QStringLiteral("step %1: %2 [%3]: %4").arg(_step).arg(invariant, segmentName(segment), detail);
}

// Tiles of a track belong to it and follow each other without overlap.
void TimelineCheck::_checkTracks()
{
    EditScrollArea* timeline = _window->timeline();
    for (int index = 0; index < timeline->trackWidgetCount(); ++index) {
        TrackWidget* track = timeline->trackWidgetAt(index);
        QList<SegmentWidget*> tiles = track->segmentWidgets();
        // By start: tiles less than a pixel apart share their x.
        std::sort(tiles.begin(), tiles.end(), [](const SegmentWidget* a, const SegmentWidget* b) {
            const float aStart = a->segment() ? a->segment()->rangeStart() : 0.0f;
            const float bStart = b->segment() ? b->segment()->rangeStart() : 0.0f;
            return aStart < bStart || (aStart == bStart && a->geometry().x() < b->geometry().x());
        });
        const Segment* previous = nullptr;
        for (const SegmentWidget* tile : tiles) {
            const Segment* segment = tile->segment();
            if (!segment || _window->projectManager()->indexOfSegmentUId(segment->uid()) < 0) {
                _report(QStringLiteral("tile without a segment of the project"), segment,
                        QStringLiteral("track %1").arg(index));
                continue;
            }
            if (segment->trackId() != track->trackId())
                _report(QStringLiteral("tile on a foreign track"), segment,
                        QStringLiteral("tile on track id %1, segment says %2").arg(track->trackId()).arg(segment->trackId()));
            if (previous && previous->rangeStart() + previous->duration() > segment->rangeStart() + kOverlapTolerance)
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
    ProjectManager* manager = _window->projectManager();
    EditScrollArea* timeline = _window->timeline();
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
        if (!(segment->duration() > 0.0f))
            _report(QStringLiteral("positive length"), segment, QStringLiteral("duration %1").arg(segment->duration()));
        const SegmentWidget* tile = track->segmentWidgetForSegment(segment);
        if (!tile) {
            _report(QStringLiteral("segment shown by a tile"), segment, QStringLiteral("none on its track"));
            continue;
        }
        if (!tileInPlace(tile, _window->timelineScale()))
            _report(QStringLiteral("tile at the segment's place"), segment,
                    QStringLiteral("x %1 width %2 for start %3 duration %4").arg(tile->geometry().x())
                        .arg(tile->geometry().width()).arg(segment->rangeStart()).arg(segment->duration()));
    }
}

// The engine holds the model's segments with their timing, and none that left.
void TimelineCheck::_checkEngine()
{
    ProjectManager* manager = _window->projectManager();
    AVComposition* composition = _window->composition();
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
    ProjectManager* manager = _window->projectManager();
    std::set<int32_t> serials;
    QSet<QString> uids;
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        if (!serials.insert(segment->serialNumber()).second)
            _report(QStringLiteral("unique serial number"), segment, QString::number(segment->serialNumber()));
        if (segment->uid().isEmpty() || uids.contains(segment->uid()))
            _report(QStringLiteral("unique UId"), segment, QStringLiteral("\"%1\"").arg(segment->uid()));
        uids.insert(segment->uid());
        _checkTransitions(segment);
    }
}

// Transitions are numbered from 1 in time order, each inside the segment
// and ending before the next begins; the engine holds one animation per
// transition under each of the segment's ids, at the same fractions.
void TimelineCheck::_checkTransitions(const Segment* segment)
{
    const int count = segment->transitionCount();
    for (int id = 1; id <= count; ++id) {
        if (segment->isValidTransitionIndex(id - 1) != id)
            _report(QStringLiteral("transition ids in list order"), segment,
                    QStringLiteral("position %1 holds id %2").arg(id - 1).arg(segment->isValidTransitionIndex(id - 1)));
        const float start = segment->transitionStart(id);
        const float end = start + segment->transitionDuration(id);
        if (start < -kTimeTolerance || end > segment->duration() + kTimeTolerance)
            _report(QStringLiteral("transition inside its segment"), segment,
                    QStringLiteral("transition %1 [%2, %3) in %4 s").arg(id).arg(start).arg(end).arg(segment->duration()));
        if (id < count && end > segment->transitionStart(id + 1) + kTimeTolerance)
            _report(QStringLiteral("transitions apart in time order"), segment,
                    QStringLiteral("transition %1 ends at %2 after %3 begins at %4").arg(id).arg(end).arg(id + 1)
                        .arg(segment->transitionStart(id + 1)));
        const int before = id > 1 ? id - 1 : 0;
        const int after = id < count ? id + 1 : 0;
        if (segment->neighbourTransitionBefore(id) != before || segment->neighbourTransitionAfter(id) != after)
            _report(QStringLiteral("transition neighbours"), segment,
                    QStringLiteral("transition %1 has %2 before and %3 after, expected %4 and %5").arg(id)
                        .arg(segment->neighbourTransitionBefore(id)).arg(segment->neighbourTransitionAfter(id))
                        .arg(before).arg(after));
    }
    for (int32_t engineId : {segment->serialNumber(), segment->secondEngineId()}) {
        if (engineId != 0)
            _checkEngineTransitions(segment, engineId);
    }
}

void TimelineCheck::_checkEngineTransitions(const Segment* segment, int32_t engineId)
{
    AVSegment* engine = _window->composition()->findSegment(uint32_t(engineId));
    if (!engine)
        return;
    const int count = segment->transitionCount();
    const float duration = segment->duration();
    for (int id = 1; id <= count + 1; ++id) {
        AVAnimation* animation = engine->findAnimation(uint32_t(id));
        if (!animation) {
            if (id <= count)
                _report(QStringLiteral("transition in the engine"), segment,
                        QStringLiteral("engine id %1 lacks transition %2").arg(engineId).arg(id));
            continue;
        }
        const double start = animation->startTime();
        const double length = animation->duration();
        engine->releaseAnimation(uint32_t(id));
        if (id > count) {
            _report(QStringLiteral("removed transition left the engine"), segment,
                    QStringLiteral("engine id %1 still holds transition %2").arg(engineId).arg(id));
            continue;
        }
        if (duration > 0.0f
            && (std::abs(start * duration - segment->transitionStart(id)) > kTimeTolerance * 10
                || std::abs(length * duration - segment->transitionDuration(id)) > kTimeTolerance * 10))
            _report(QStringLiteral("engine transition timing"), segment,
                    QStringLiteral("engine id %1 transition %2 [%3 + %4] s, model [%5 + %6] s").arg(engineId).arg(id)
                        .arg(start * duration).arg(length * duration).arg(segment->transitionStart(id))
                        .arg(segment->transitionDuration(id)));
    }
}

// The engine draws the visual layers in the model's order, and only those.
void TimelineCheck::_checkLayerOrder()
{
    QStringList model;
    for (int id : _window->projectManager()->layerSegmentIds())
        model << QString::number(id);
    QStringList engine;
    for (uint32_t id : _window->composition()->visibleSegmentIds())
        engine << QString::number(id);
    if (engine != model)
        _report(QStringLiteral("layer order in the engine"), nullptr,
                QStringLiteral("engine draws %1, model orders %2").arg(engine.join(QLatin1Char(' ')), model.join(QLatin1Char(' '))));
}

void TimelineCheck::_checkHistory()
{
    const UndoHistory& history = _window->projectManager()->history();
    if (history.count() < 0 || history.count() > history.size())
        _report(QStringLiteral("undo position inside the history"), nullptr,
                QStringLiteral("position %1 of %2").arg(history.count()).arg(history.size()));
}

// "project.xml" written now and read back holds the list attribute for attribute.
void TimelineCheck::_checkSavedFile()
{
    ProjectManager* manager = _window->projectManager();
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
    ProjectManager* manager = _window->projectManager();
    EditScrollArea* timeline = _window->timeline();
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
        if (!_playPaced(command))
            return {QStringLiteral("step %1: command could not be played: %2").arg(step).arg(command)};
        const QStringList violations = settleAndCheck();
        if (!violations.isEmpty())
            return violations;
    }
    return {};
}

QStringList TimelineFuzz::replay(const QStringList& commands)
{
    for (const QString& command : commands) {
        _commands << command;
        if (!_playPaced(command))
            return {QStringLiteral("step %1: command could not be played: %2").arg(_commands.size() - 1).arg(command)};
        const QStringList violations = settleAndCheck();
        if (!violations.isEmpty())
            return violations;
    }
    return {};
}

QString TimelineFuzz::invariantOf(const QString& violation)
{
    static const QRegularExpression kind(QStringLiteral("^step -?\\d+: ([^\\[]*?) \\["));
    const QRegularExpressionMatch match = kind.match(violation);
    return match.hasMatch() ? match.captured(1) : violation;
}

bool TimelineFuzz::_playPaced(const QString& command)
{
    if (!_play(command))
        return false;
    if (_pauseMs > 0) {
        // The window's own event loop, as between a person's edits: it sleeps
        // until a timer or an event is due (processing events for a while
        // would spin), and runs the deletions the command left for it.
        QEventLoop pause;
        QTimer::singleShot(_pauseMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return true;
}

float TimelineFuzz::_randomTime(float upTo)
{
    // Tenths of a second, as a drop snaps near them.
    return float(_randomInt(0, std::max(0, int(upTo * 10.0f)))) / 10.0f;
}

int TimelineFuzz::_randomInt(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(_random);
}

Segment* TimelineFuzz::_segmentAt(int index) const
{
    ProjectManager* manager = _window->projectManager();
    return index >= 0 && index < manager->segmentCount() ? manager->segmentAt(index) : nullptr;
}

// A command on a segment picked from the list; the kinds are weighted so
// that the project neither empties nor grows without bound.
QString TimelineFuzz::_randomCommand()
{
    const int count = _window->projectManager()->segmentCount();
    int roll = _randomInt(0, 99);
    Kind kind = Kind::Undo;
    for (const auto& [candidate, weight] : kKindWeights) {
        if (roll < weight) {
            kind = candidate;
            break;
        }
        roll -= weight;
    }
    if (count == 0 && kind != Kind::Insert && kind != Kind::Reopen)
        kind = Kind::Undo;
    const int index = count > 0 ? _randomInt(0, count - 1) : 0;
    const bool full = count >= kMostSegments;
    switch (kind) {
    case Kind::Move:
    case Kind::MoveToTrack:
        return _moveCommand(index, kind == Kind::Move);
    case Kind::Split: {
        const Segment* segment = _segmentAt(index);
        const char* variant = _randomInt(0, 1) ? " keep" : " duplicate";
        return QStringLiteral("split %1 at %2").arg(index).arg(segment->rangeStart() + _randomTime(segment->duration()))
            + (segment->transitionCount() > 0 ? variant : "");
    }
    case Kind::Copy:
        return full ? QStringLiteral("delete %1").arg(index) : QStringLiteral("copy %1").arg(index);
    case Kind::Delete:
        return count > 2 ? QStringLiteral("delete %1").arg(index) : QStringLiteral("copy %1").arg(index);
    case Kind::Undo:
        return QStringLiteral("undo");
    case Kind::Redo:
        return QStringLiteral("redo");
    case Kind::Trim:
        return _trimCommand(index);
    case Kind::Insert:
        return full ? QStringLiteral("delete %1").arg(index) : _insertCommand();
    case Kind::Transition:
        return _transitionCommand(index);
    case Kind::RemoveTransition:
        return _removeTransitionCommand(index);
    case Kind::Mode:
        return QStringLiteral("mode");
    case Kind::Speed:
        return _speedCommand(index);
    case Kind::Reopen:
        return QStringLiteral("reopen");
    }
    return QStringLiteral("undo");
}

// Within its own track, or to another track of its kind or the empty last one.
QString TimelineFuzz::_moveCommand(int index, bool withinTrack)
{
    const Segment* segment = _segmentAt(index);
    EditScrollArea* timeline = _window->timeline();
    QVector<int> targets;
    for (int at = 0; at < timeline->trackWidgetCount(); ++at) {
        TrackWidget* track = timeline->trackWidgetAt(at);
        if (withinTrack ? track->trackId() == segment->trackId()
                        : track->trackType() == segment->type() || track == _window->newestTrack())
            targets << at;
    }
    const int target = targets[_randomInt(0, targets.size() - 1)];
    return QStringLiteral("move %1 track %2 at %3").arg(index).arg(target)
        .arg(_randomTime(_window->projectManager()->movieDuration()));
}

// A trim bar dragged to a time around the segment's end it holds; the
// segment refuses times its media or its length cannot give.
QString TimelineFuzz::_trimCommand(int index)
{
    const Segment* segment = _segmentAt(index);
    const bool front = _randomInt(0, 1) == 1;
    const float end = segment->rangeStart() + segment->duration();
    const float from = front ? segment->rangeStart() - 1.0f : segment->rangeStart();
    const float time = std::max(0.0f, from + _randomTime(segment->duration() + 1.0f));
    return QStringLiteral("trim %1 %2 to %3").arg(index).arg(front ? "front" : "back").arg(front ? std::min(time, end) : time);
}

QString TimelineFuzz::_insertCommand()
{
    return QStringLiteral("insert %1 at %2").arg(kInsertKinds[_randomInt(0, 3)])
        .arg(_randomTime(_window->projectManager()->movieDuration()));
}

QString TimelineFuzz::_transitionCommand(int index)
{
    const Segment* segment = _segmentAt(index);
    return QStringLiteral("transition %1 %2 at %3").arg(index).arg(kTransitionKinds[_randomInt(0, 3)])
        .arg(segment->rangeStart() + _randomTime(segment->duration()));
}

// One of the segment's transitions, chosen in editing and removed; a
// segment without any gets one.
QString TimelineFuzz::_removeTransitionCommand(int index)
{
    const Segment* segment = _segmentAt(index);
    if (segment->transitionCount() == 0)
        return _transitionCommand(index);
    return QStringLiteral("untransition %1 %2").arg(index).arg(_randomInt(1, segment->transitionCount()));
}

// Speed applies to the kinds that play media.
QString TimelineFuzz::_speedCommand(int index)
{
    const Segment* segment = _segmentAt(index);
    if (segment->type() != QLatin1String("MOVIE") && segment->type() != QLatin1String("MUSIC"))
        return _trimCommand(index);
    return QStringLiteral("speed %1 step %2").arg(index).arg(_randomInt(0, kSpeedSteps));
}

bool TimelineFuzz::_play(const QString& command)
{
    const QStringList words = command.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("undo")) {
        _window->undoNow();
        return true;
    }
    if (words[0] == QLatin1String("redo")) {
        _window->redoNow();
        return true;
    }
    if (words[0] == QLatin1String("reopen"))
        return _reopen();
    if (words[0] == QLatin1String("mode")) {
        // The insert/overwrite entry of the menu, as the tool bar button toggles it.
        _window->onActionInsertOverwriteMode();
        return true;
    }
    if (words[0] == QLatin1String("insert") && words.size() == 4)
        return _insert(words[1], words[3].toFloat());
    Segment* segment = words.size() > 1 ? _segmentAt(words[1].toInt()) : nullptr;
    return segment && _playOnSegment(words, segment);
}

bool TimelineFuzz::_playOnSegment(const QStringList& words, Segment* segment)
{
    const QString& verb = words[0];
    if (verb == QLatin1String("move") && words.size() == 6) {
        TrackWidget* track = _window->timeline()->trackWidgetAt(words[3].toInt());
        if (!track)
            return false;
        _window->editScrollArea_moveSegmentToTrack(segment, track, words[5].toFloat());
    } else if (verb == QLatin1String("split") && (words.size() == 4 || words.size() == 5)) {
        _window->placePlayHead(words[3].toFloat());
        // A segment with transitions asks how to split; the answer is the command's last word.
        if (segment->transitionCount() == 0)
            _window->editScrollArea_splitSegment(segment);
        else if (words.size() == 5)
            _window->splitAsAnswered(segment, words[3].toFloat(), words[4] == QLatin1String("keep"));
    } else if (verb == QLatin1String("copy")) {
        _window->editScrollArea_copySegment(segment);
    } else if (verb == QLatin1String("delete")) {
        _window->editScrollArea_removeSegment(segment);
    } else if (verb == QLatin1String("trim") && words.size() == 5) {
        return _trim(segment, words[2] == QLatin1String("front"), words[4].toFloat());
    } else if (verb == QLatin1String("transition") && words.size() == 5) {
        const auto* found = std::find_if(std::begin(kTransitionKinds), std::end(kTransitionKinds),
                                         [&](const char* name) { return words[2] == QLatin1String(name); });
        if (found == std::end(kTransitionKinds))
            return false;
        const auto kind = found - std::begin(kTransitionKinds);
        _window->placePlayHead(words[4].toFloat());
        return _playInEditing(segment, [this, kind] { _window->_addTransition(kTransitionCommands[kind]); });
    } else if (verb == QLatin1String("untransition") && words.size() == 3) {
        const int id = words[2].toInt();
        return _playInEditing(segment, [this, segment, id] {
            // Choosing the transition on the tile, then its remove command.
            if (auto* tile = qobject_cast<SegmentWidget*>(_window->projectManager()->segmentWidgetFor(segment)))
                tile->setTransitionId(id, false);
            _window->_doTransitionCommand(nullptr, kRemoveTransitionCommand);
        });
    } else if (verb == QLatin1String("speed") && words.size() == 4) {
        const float step = words[3].toFloat();
        return _playInEditing(segment, [this, step] {
            CommonSliderColorPopup slider;
            slider.setTag(kSpeedSlot);
            _window->sliderColorPopup_onValueChanged(&slider, step);
        });
    } else {
        return false;
    }
    return true;
}

// The tile enters editing as a double click puts it there, the command
// runs, and the tile leaves editing again (the window applies the timing then).
bool TimelineFuzz::_playInEditing(Segment* segment, const std::function<void()>& command)
{
    TrackWidget* track = _window->timeline()->trackWidgetById(segment->trackId());
    QPointer<SegmentWidget> tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
    if (!tile)
        return false;
    tile->setEditing(true, false);
    command();
    if (tile)
        tile->setEditing(false, false);
    return true;
}

// The steps of a drag of a trim bar: the press records, each move sets the
// segment's end, the release applies the timing.
bool TimelineFuzz::_trim(Segment* segment, bool front, float time)
{
    return _playInEditing(segment, [this, segment, front, time] {
        _window->editScrollArea_beginTrimSegment(segment);
        // The bars stay a bar's width apart and never pass the timeline's
        // start; they stand where the tile is once the press has run the
        // steps still waiting.
        const float gap =
            float(UiMetrics::metric26()) / (float(TimelineMetrics::pixelsPerSecond()) * _window->timelineScale());
        const float start = segment->rangeStart();
        const float end = start + segment->duration();
        const float barTime = std::max(0.0f, front ? std::min(time, end - gap) : std::max(time, start + gap));
        front ? segment->setStartTime(barTime) : segment->setEndTime(barTime);
        // The moving bar lays the tile out as it goes.
        if (auto* tile = qobject_cast<SegmentWidget*>(_window->projectManager()->segmentWidgetFor(segment)))
            tile->setScale(_window->timelineScale(), false);
        _window->editScrollArea_reloadPreviewForSegment(segment, front);
    });
}

// A fixture file (or a caption) as a new segment on the empty last track.
bool TimelineFuzz::_insert(const QString& kind, float start)
{
    ProjectManager* manager = _window->projectManager();
    const QString folder = ProjectManager::projectDirectory(manager->projectName(), manager->projectFolder()) + '/';
    FuzzWindow* window = _window.get();
    // Saving drops files no segment uses from the project folder: the user
    // adds the file again from where it came.
    for (const auto& [fixture, copy] : kFixtures) {
        if (!QFile::exists(folder + copy))
            QFile::copy(TestMedia::path(fixture), folder + copy);
    }
    Segment* segment = nullptr;
    if (kind == QLatin1String("clip"))
        segment = new MovieSegment(folder + "clip.mp4", start, window);
    else if (kind == QLatin1String("picture"))
        segment = new ImageSegment(folder + "picture.png", start, 2.0f, window);
    else if (kind == QLatin1String("text"))
        segment = new TextSegment(QStringLiteral("D"), start, 1.5f, window, nullptr);
    else if (kind == QLatin1String("music"))
        segment = new MusicSegment(folder + "tone.wav", start, QStringLiteral("Tone"), QString(), window);
    if (!segment)
        return false;
    _window->insertOnNewestTrack(segment);
    return true;
}

// Saves as closing the window does, then opens the project in a new
// window; the reopened project must hold what was saved.
bool TimelineFuzz::_reopen()
{
    const QString before = _check.state();
    const QString name = _window->projectManager()->projectName();
    _window->_saveProject();
    _window.reset();
    _check.forgetEngine();
    if (!openWrittenProjectIn(name, _window).isEmpty())
        return false;
    _window->connectTimeline();
    _reopenedState = before;
    return true;
}

QStringList TimelineFuzz::settleAndCheck()
{
    const int step = _commands.size() - 1;
    QStringList violations = _check.run(step);
    const QString saved = std::exchange(_reopenedState, QString());
    if (saved.isEmpty())
        return violations;
    const QString reopened = _check.state();
    if (saved != reopened)
        violations << QStringLiteral("step %1: reopened project equals the saved one [-]: %2")
                          .arg(step).arg(firstDifference(saved, reopened));
    return violations;
}
