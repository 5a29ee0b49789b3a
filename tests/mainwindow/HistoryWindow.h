#pragma once

#include "AVComposition.h"
#include "EditScrollArea.h"
#include "FileSizeLimit.h"
#include "GutterScrollArea.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProgressHUD.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"
#include "TestMedia.h"

#include <QDir>
#include <QLabel>
#include <QProcess>

#include <gtest/gtest.h>

// The editing window with the undo steps open to the tests. Commands that
// change segments are played the way the window plays them: record first,
// then change model and engine.
class HistoryWindow : public OpeningWindow
{
public:
    using OpeningWindow::OpeningWindow;
    // Closing as the window closes: the engine stack goes before the widgets.
    ~HistoryWindow() override { _finishClosing(); }
    using MainWindow::_recordOperation;
    using MainWindow::editScrollArea_beginTrimTransition;
    using MainWindow::editScrollArea_endTrimTransition;
    using MainWindow::editScrollArea_beginMoveTransition;
    using MainWindow::editScrollArea_endMoveTransition;

    void undoNow() { ASSERT_TRUE(stepHistory(true)); }
    void redoNow() { ASSERT_TRUE(stepHistory(false)); }

    void moveSegment(Segment* segment, float start)
    {
        _recordOperation();
        segment->setRangeStart(start);
        _engine->setSegmentStartTime(segment->serialNumber(), start);
        _engine->requestRedraw();
        _projectManager->setModified(true);
    }

    void removeSegment(Segment* segment)
    {
        _recordOperation();
        if (TrackWidget* track = _timeline->trackWidgetById(segment->trackId()))
            track->removeSegmentWidget(segment, false);
        _engine->removeSegment(segment->serialNumber());
        _projectManager->removeSegment(segment);
        _deleteRemovedSegment(segment);
        _projectManager->setModified(true);
    }

    // Inserts the way media insertion does: record, ask for the sound check,
    // then place the new segment on the empty last track.
    void insertCheckingAudio(Segment* segment)
    {
        _recordOperation();
        _checkAudio = true;
        SegmentWidget* widget = _newestTrack->addSegmentWidget(segment);
        segment->setTrackId(_newestTrack->trackId());
        _projectManager->addSegmentSorted(segment, widget);
    }
    bool checkingAudio() const { return _checkAudio; }

    // Starts editing the segment's tile as the timeline's edit area does;
    // the tile, or null when it did not enter editing.
    SegmentWidget* editSegment(Segment* segment)
    {
        _initEditScrollArea();
        auto* tile = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment));
        if (!tile)
            return nullptr;
        tile->setEditing(true, false);
        return waitFor([&] { return _timeline->editingSegmentWidget() == tile; }, 5000) ? tile : nullptr;
    }

    // The captions of the heads-up messages shown since the last call; the
    // messages go, so that the next call sees only newer ones.
    QStringList takeHeadsUps()
    {
        QStringList texts;
        for (ProgressHUD* hud : findChildren<ProgressHUD*>()) {
            if (hud->messageLabel())
                texts << hud->messageLabel()->text();
            delete hud;
        }
        return texts;
    }
};

// Writes the project and opens it in a window with a live engine; the
// window is null (with the reason) when the preview gets no GL context or
// the segments do not load.
template <typename Window>
QString openWrittenProjectIn(const QString& name, std::unique_ptr<Window>& window);

template <typename Window>
QString openProjectIn(const QString& dir, const QString& name, std::vector<RecordBuilder>& records,
                      std::unique_ptr<Window>& window)
{
    writeProject(dir, records);
    return openWrittenProjectIn(name, window);
}

// Opens the project as it lies on disk, in a new window with a live engine.
template <typename Window>
QString openWrittenProjectIn(const QString& name, std::unique_ptr<Window>& window)
{
    window = std::make_unique<Window>(name, QSize(320, 180));
    window->show();
    if (!window->_openProject())
        return QStringLiteral("the project did not open");
    if (!waitFor([&] { return window->preview() != nullptr; }, 5000) || !window->preview()->isValid())
        return QStringLiteral("no OpenGL context for the preview");
    ProjectManager* manager = window->projectManager();
    const bool loaded = waitFor([&] {
        if (!window->loaderMessages.contains(ProjectLoaderAllLoaded))
            return false;
        for (int index = 0; index < manager->segmentCount(); ++index) {
            const Segment* segment = manager->segmentAt(index);
            if (segment->state() != 4 || !window->composition()->findSegment(uint32_t(segment->serialNumber())))
                return false;
        }
        return true;
    }, 60000);
    return loaded ? QString() : QStringLiteral("the segments did not load");
}

// The project folder of a test, and its projects opened in a live window.
class HistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Undo and redo do nothing while a help tip is in front.
        if (!keepsHelpTips)
            markHelpTipsSeen();
        dir = product.projectDir(name);
    }

    // Window is HistoryWindow or a test's own kind of it.
    template <typename Window>
    QString openProject(std::vector<RecordBuilder>& records, std::unique_ptr<Window>& window)
    {
        return openProjectIn(dir, name, records, window);
    }

    // One caption, "caption" [0, 2), alone on its track.
    template <typename Window>
    QString openCaptionProject(std::unique_ptr<Window>& window)
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        return openProject(records, window);
    }

    // A picture filled with one colour, made with the ffmpeg command line.
    bool makePicture(const QString& fileName, const QString& color)
    {
        return QProcess::execute(QStringLiteral("ffmpeg"),
                                 {"-v", "error", "-y", "-f", "lavfi", "-i", "color=c=" + color + ":s=320x180",
                                  "-frames:v", "1", dir + "/" + fileName})
            == 0;
    }

    // A file size limit that no snapshot fits in: none can be written until
    // it goes, while the snapshots written before still read back.
    static std::unique_ptr<FileSizeLimit> blockSnapshots() { return std::make_unique<FileSizeLimit>(20); }

    Segment* segmentByUId(HistoryWindow& window, const QString& uid)
    {
        ProjectManager* manager = window.projectManager();
        const int index = manager->indexOfSegmentUId(uid);
        return index < 0 ? nullptr : manager->segmentAt(index);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString name = QStringLiteral("History");
    QString dir;
    // Set by fixtures that look at the tips the window offers.
    bool keepsHelpTips = false;
};
