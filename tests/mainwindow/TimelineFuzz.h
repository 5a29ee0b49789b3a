#pragma once

#include "HistoryWindow.h"

#include <QStringList>

#include <cstdint>
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

    // The play pointer over the time, the content left where it is.
    void placePlayHead(float time);
    float timelineScale() const { return _timelineScale; }
};

// Everything the window's model, its tiles, the engine and the saved file
// must agree on after an edit. Serial numbers seen once are remembered, so
// that a segment that left the model but stayed in the engine is found.
class TimelineCheck
{
public:
    explicit TimelineCheck(FuzzWindow& window) : _window(window) {}

    // One line per violation: "step N: invariant [segment]: detail".
    QStringList run(int step);
    // The segment list as the saved file holds it, with each segment's track
    // given by its position: what undo to a state must bring back.
    QString state() const;

private:
    void _checkTracks();
    void _checkSegments();
    void _checkEngine();
    void _checkIdentities();
    void _checkHistory();
    void _checkSavedFile();
    void _report(const QString& invariant, const Segment* segment, const QString& detail);

    FuzzWindow& _window;
    std::set<int32_t> _seenEngineIds;
    QStringList _violations;
    int _step = 0;
};

// A seeded sequence of the commands a user reaches by mouse and keyboard,
// played through the window's slots with the check after every step.
class TimelineFuzz
{
public:
    TimelineFuzz(FuzzWindow& window, uint32_t seed) : _window(window), _check(window), _random(seed) {}

    // Plays up to steps commands and stops at the first step with a
    // violation; the violations, empty when every step was clean.
    QStringList run(int steps);
    // Plays the commands of a list ("move 3 track 1 at 2.5", ...), the check
    // after each; the violations of the first step that had any.
    QStringList replay(const QStringList& commands);
    // The commands played so far, one a line, the failing one last.
    const QStringList& commands() const { return _commands; }
    TimelineCheck& check() { return _check; }

private:
    QString _randomCommand();
    bool _play(const QString& command);
    QStringList _settleAndCheck();
    Segment* _segmentAt(int index) const;
    float _randomTime(float upTo);

    FuzzWindow& _window;
    TimelineCheck _check;
    std::mt19937 _random;
    QStringList _commands;
};

// Captions (two by default, one after another), two movies, a picture and
// music (the fixtures), each kind on its track, written to dir and opened;
// the reason when it could not be.
QString openFuzzProject(const QString& dir, const QString& name, std::unique_ptr<FuzzWindow>& window,
                        int captions = 2);
