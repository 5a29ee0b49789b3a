#pragma once

#include "HistoryWindow.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <set>

// The editing window with the slots the timeline's signals reach open to
// the random-edit run.
class FuzzWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::editScrollArea_copySegment;
    using MainWindow::editScrollArea_moveSegmentToTrack;
    using MainWindow::editScrollArea_removeSegment;
    using MainWindow::editScrollArea_splitSegment;
    using MainWindow::editScrollArea_beginTrimSegment;
    using MainWindow::editScrollArea_reloadPreviewForSegment;
    using MainWindow::_addTransition;
    using MainWindow::_doTransitionCommand;
    using MainWindow::onActionInsertOverwriteMode;
    using MainWindow::onAVSegmentLoadStatusUpdated;
    using MainWindow::sliderColorPopup_onValueChanged;

    // The timeline's signals reach the window's slots, as the desktop window wires them.
    void connectTimeline() { _initEditScrollArea(); }
    // The play pointer over the time, the content left where it is.
    void placePlayHead(float time);
    float timelineScale() const { return _timelineScale; }
    // Puts a new segment on the empty last track the way inserting media
    // does: one undo step, the track takes the segment's kind and a new
    // empty track follows.
    void insertOnNewestTrack(Segment* segment);
    // The split a segment with transitions makes once the user answered
    // its question: keeping the transitions where they play, or giving
    // both pieces all of them.
    void splitAsAnswered(Segment* segment, float time, bool keepTransitions);
};

// Everything the window's model, its tiles, the engine and the saved file
// must agree on after an edit. Serial numbers seen once are remembered, so
// that a segment that left the model but stayed in the engine is found.
class TimelineCheck
{
public:
    explicit TimelineCheck(std::unique_ptr<FuzzWindow>& window) : _window(window) {}

    // Waits (bounded) until loading and the tiles are still, then checks:
    // what a command started on other threads is done before it is judged.
    // One line per violation: "step N: invariant [segment]: detail".
    QStringList run(int step);
    // The segment list as the saved file holds it, with each segment's track
    // given by its position: what undo to a state must bring back.
    QString state() const;
    // A reopened project has a new engine: the ids seen in the old one go.
    void forgetEngine() { _seenEngineIds.clear(); }

private:
    bool _settle();
    const Segment* _unsettledSegment() const;
    void _checkTracks();
    void _checkSegments();
    void _checkEngine();
    void _checkIdentities();
    void _checkTransitions(const Segment* segment);
    void _checkEngineTransitions(const Segment* segment, int32_t engineId);
    void _checkLayerOrder();
    void _checkHistory();
    void _checkSavedFile();
    void _report(const QString& invariant, const Segment* segment, const QString& detail);

    std::unique_ptr<FuzzWindow>& _window;
    std::set<int32_t> _seenEngineIds;
    QStringList _violations;
    int _step = 0;
};

// A seeded sequence of the commands a user reaches by mouse and keyboard,
// played through the window's slots with the check after every step.
class TimelineFuzz
{
public:
    // The window is replaced when the run saves and reopens the project.
    TimelineFuzz(std::unique_ptr<FuzzWindow>& window, uint32_t seed) : _window(window), _check(window), _random(seed) {}

    // After each command the run waits this long before it checks, as a
    // person leaves time between edits; 0 (the default) plays them back to back.
    void setPauseMs(int milliseconds) { _pauseMs = milliseconds; }

    // Plays up to steps commands and stops at the first step with a
    // violation; the violations, empty when every step was clean.
    QStringList run(int steps);
    // Plays the commands of a list ("move 3 track 1 at 2.5", ...), the check
    // after each; the violations of the first step that had any.
    QStringList replay(const QStringList& commands);
    // The kind of a violation line ("overlap on a track"), without step and detail.
    static QString invariantOf(const QString& violation);
    // The commands played so far, one a line, the failing one last.
    const QStringList& commands() const { return _commands; }
    TimelineCheck& check() { return _check; }
    // The check after the last command (settled first), and whether a
    // reopened project equals the one saved; the violations, numbered with
    // the last command's step.
    QStringList settleAndCheck();

private:
    QString _randomCommand();
    QString _moveCommand(int index, bool withinTrack);
    QString _trimCommand(int index);
    QString _insertCommand();
    QString _transitionCommand(int index);
    QString _speedCommand(int index);
    QString _removeTransitionCommand(int index);
    // Plays the command and the pause after it; false when it could not be played.
    bool _playPaced(const QString& command);
    bool _play(const QString& command);
    bool _playOnSegment(const QStringList& words, Segment* segment);
    bool _playInEditing(Segment* segment, const std::function<void()>& command);
    bool _trim(Segment* segment, bool front, float time);
    bool _insert(const QString& kind, float start);
    bool _reopen();
    Segment* _segmentAt(int index) const;
    float _randomTime(float upTo);
    int _randomInt(int from, int to);

    std::unique_ptr<FuzzWindow>& _window;
    TimelineCheck _check;
    std::mt19937 _random;
    // What the project held when it was saved for reopening, until checked.
    QString _reopenedState;
    QStringList _commands;
    int _pauseMs = 0;
};

// Captions (two by default, one after another), two movies, a picture and
// music (the fixtures), each kind on its track, written to dir and opened;
// the reason when it could not be.
QString openFuzzProject(const QString& dir, const QString& name, std::unique_ptr<FuzzWindow>& window,
                        int captions = 2);
