#include "TestWindow.h"

#include "ProjectLoader.h"
#include "ProjectTestSupport.h"
#include "RulerScrollArea.h"
#include "TextSegment.h"

#include <QAction>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

const QString kName = QStringLiteral("Trip");

// Records what reaches the window's hooks, and on which thread.
class RecordingWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    using MainWindow::_loadProject;

    QStringList calls;
    QList<int> loaderMessages;
    QList<Segment*> segments;
    QList<int> states;
    QList<double> values;
    bool offGuiThread = false;
    ProjectLoader* loader = nullptr;
    SegmentRecords records;

    QTimer* autosaveTimer() const { return _autosaveTimer; }
    bool loaderRunning() const { return !_projectLoader.isNull(); }
    void setupRuler(RulerScrollArea* ruler) { setRuler(ruler); }

protected:
    void onSegmentStateChanged(Segment* segment, int state) override
    {
        record("state", {double(state)});
        segments << segment;
        states << state;
    }
    void onSegmentRangeChanged(Segment* segment, float duration) override
    {
        record("range", {duration});
        segments << segment;
    }
    void onSegmentAudioPlotDataDidReady(Segment* segment) override
    {
        record("plot", {});
        segments << segment;
    }
    void onProjectLoaderMessage(ProjectLoader* sender, int message, QVariant) override
    {
        noteThread();
        loader = sender;
        loaderMessages << message;
        if (message == ProjectLoaderSegmentsReady)
            records = sender->takeRecords();
    }
    void onAVRenderProgressChanged(double time, double total) override { record("renderProgress", {time, total}); }
    void onAVRenderStatusChanged(int status) override { record("renderStatus", {double(status)}); }
    void onAVSegmentLoadStatusUpdated(int id, int status, int thumbnails, int hardware) override
    {
        record("loadStatus", {double(id), double(status), double(thumbnails), double(hardware)});
    }
    void onAVExporterUpdateProgressValue(float percent) override { record("exportProgress", {percent}); }
    void onAVExporterFinished(int error) override { record("exportFinished", {double(error)}); }
    void onAVExporterUpdateRemainingTime(float seconds) override { record("exportRemaining", {seconds}); }
    void onSegmentEditingStateChanged() override { record("segmentEditing", {}); }
    void onTransitionEditingStateChanged() override { record("transitionEditing", {}); }
    void autoSave() override { record("autoSave", {}); }
    void onActionMaintainAspectRatioTriggered() override { record("onActionMaintainAspectRatioTriggered", {}); }
    void onActionRestoreDefaultTriggered() override { record("onActionRestoreDefaultTriggered", {}); }
    void onActionFillScreenTriggered() override { record("onActionFillScreenTriggered", {}); }
    void onActionEditTextTriggered() override { record("onActionEditTextTriggered", {}); }
    void onActionOriginalSizeTriggered() override { record("onActionOriginalSizeTriggered", {}); }
    void onActionEditDrawingTriggered() override { record("onActionEditDrawingTriggered", {}); }
    void onActionUndoTriggered() override { record("onActionUndoTriggered", {}); }
    void onActionRedoTriggered() override { record("onActionRedoTriggered", {}); }
    void onActionEnterExitRangeSelect() override { record("onActionEnterExitRangeSelect", {}); }
    void onActionInsertOverwriteMode() override { record("onActionInsertOverwriteMode", {}); }
    void _toggleFullScreen() override { record("_toggleFullScreen", {}); }
    void onActionAddFileTriggered() override { record("onActionAddFileTriggered", {}); }
    void onActionAddFromCameraTriggered() override { record("onActionAddFromCameraTriggered", {}); }
    void onActionAddFromMicrophoneTriggered() override { record("onActionAddFromMicrophoneTriggered", {}); }
    void onActionAddTextTriggered() override { record("onActionAddTextTriggered", {}); }
    void onActionAddSelfDrawTriggered() override { record("onActionAddSelfDrawTriggered", {}); }
    void onActionEnterExitEditingSegmentTriggered() override { record("onActionEnterExitEditingSegmentTriggered", {}); }
    void onActionDuplicateSegmentTriggered() override { record("onActionDuplicateSegmentTriggered", {}); }
    void onActionRemoveSegmentTriggered() override { record("onActionRemoveSegmentTriggered", {}); }
    void onActionSplitSegmentTriggered() override { record("onActionSplitSegmentTriggered", {}); }
    void onActionDuplicateTransitionTriggered() override { record("onActionDuplicateTransitionTriggered", {}); }
    void onActionDeleteTransitionTriggered() override { record("onActionDeleteTransitionTriggered", {}); }
    void onActionEnterExitEditingTransitionTriggered() override { record("onActionEnterExitEditingTransitionTriggered", {}); }
    void onActionPlayPauseTriggered() override { record("onActionPlayPauseTriggered", {}); }
    void onActionNextPositionTriggered() override { record("onActionNextPositionTriggered", {}); }
    void onActionPreviousPositionTriggered() override { record("onActionPreviousPositionTriggered", {}); }
    void onActionExportTriggered() override { record("onActionExportTriggered", {}); }
    void onActionMovieSettingsTriggered() override { record("onActionMovieSettingsTriggered", {}); }

private:
    void noteThread()
    {
        if (QThread::currentThread() != thread())
            offGuiThread = true;
    }
    void record(const char* name, const QList<double>& arguments)
    {
        noteThread();
        calls << QString::fromLatin1(name);
        values << arguments;
    }
};

bool waitUntil(const std::function<bool()>& done, int limitMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

TEST(MainWindowConnections, EngineRelaysReachTheirSlotsOnTheGuiThread)
{
    TemporaryProduct product;
    RecordingWindow window(kName, QString());
    std::thread engineThread([&window] {
        emit window.avrenderProgressChanged(1.5, 4.0);
        emit window.avrenderStatusChanged(3);
        emit window.avsegmentLoadStatusUpdated(7, 1, 2, 1);
        emit window.avexporterProgressChanged(0.25f);
        emit window.avexporterRemainingTimeChanged(12.5);
        emit window.avexporterFinished(-5);
    });
    engineThread.join();
    ASSERT_TRUE(waitUntil([&] { return window.calls.size() == 6; }));
    EXPECT_EQ(window.calls, QStringList({"renderProgress", "renderStatus", "loadStatus", "exportProgress",
                                         "exportRemaining", "exportFinished"}));
    EXPECT_EQ(window.values, QList<double>({1.5, 4.0, 3, 7, 1, 2, 1, 0.25, 12.5, -5}));
    EXPECT_FALSE(window.offGuiThread);
}

TEST(MainWindowConnections, EditingStateSignalsArriveQueued)
{
    TemporaryProduct product;
    RecordingWindow window(kName, QString());
    emit window.segmentEditingStateChanged();
    emit window.transitionEditingStateChanged();
    // Queued: nothing has run while the emitter is still on the stack.
    EXPECT_TRUE(window.calls.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return window.calls.size() == 2; }));
    EXPECT_EQ(window.calls, QStringList({"segmentEditing", "transitionEditing"}));
}

TEST(MainWindowConnections, AutosaveRunsEveryThirtySeconds)
{
    TemporaryProduct product;
    RecordingWindow window(kName, QString());
    QTimer* timer = window.autosaveTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->parent(), &window);
    EXPECT_EQ(timer->interval(), 30000);
    EXPECT_TRUE(timer->isActive());
    timer->setInterval(10);
    EXPECT_TRUE(waitUntil([&] { return window.calls.contains(QStringLiteral("autoSave")); }));
}

TEST(MainWindowConnections, LoadingReadsTheRecordsAndRelaysSegmentCallbacks)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    writeFile(dir + "/properties.xml", "<Properties version=\"7\"/>");
    writeFile(dir + "/project.xml", "<Project>\n    <Segment Type=\"TEXT\" RangeStart=\"7\"/>\n</Project>\n");
    RecordingWindow window(kName, QString());
    RulerScrollArea ruler(nullptr);
    window.setupRuler(&ruler);
    // Nothing is connected before the load starts.
    emit window.segmentListener_segmentRangeChanged(nullptr, 3.0f);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.calls.isEmpty());

    ASSERT_TRUE(window._loadProject());
    EXPECT_TRUE(ruler.isHeld());
    ASSERT_TRUE(waitUntil([&] { return window.loaderMessages.contains(ProjectLoaderSegmentsReady); }));
    EXPECT_EQ(window.loaderMessages,
              QList<int>({ProjectLoaderBegin, ProjectLoaderBackgroundColor, ProjectLoaderSegmentsReady}));
    ASSERT_EQ(window.records.size(), 1u);
    EXPECT_EQ(window.records.front()->texts().value(QStringLiteral("RangeStart")), QStringLiteral("7"));

    // A segment's loading task reports its states from the asset pool.
    auto* segment = new TextSegment(QStringLiteral("a"), 0.0f, 1.0f, &window, nullptr);
    ASSERT_TRUE(waitUntil([&] { return window.states.size() == 2; }));
    EXPECT_EQ(window.states, QList<int>({1, 4}));
    // Its range, set while it is built, reaches the window directly.
    EXPECT_EQ(window.calls.count(QStringLiteral("range")), window.calls.size() - 2);
    window.calls.clear();
    window.values.clear();
    window.segments.clear();
    std::thread poolThread([&window, segment] {
        emit window.segmentListener_segmentRangeChanged(segment, 3.0f);
        emit window.segmentListener_segmentAudioPlotDataDidReady(segment);
    });
    poolThread.join();
    ASSERT_TRUE(waitUntil([&] { return window.calls.size() == 2; }));
    EXPECT_EQ(window.calls, QStringList({"range", "plot"}));
    EXPECT_EQ(window.values, QList<double>({3}));
    EXPECT_EQ(window.segments, QList<Segment*>({segment, segment}));
    EXPECT_FALSE(window.offGuiThread);

    // The loader waits for the editing area; closing must end that wait.
    delete segment;
    EXPECT_TRUE(window.loaderRunning());
    window._finishClosing();
    EXPECT_FALSE(window.loaderRunning());
}

TEST(MainWindowConnections, EachActionRunsItsCommand)
{
    TemporaryProduct product;
    RecordingWindow window(kName, QString());
    // In creation order; "Add Transition" has no command of its own.
    const QList<QPair<QString, QString>> expected{
        {"Maintain aspect ratio", "onActionMaintainAspectRatioTriggered"},
        {"Restore the default", "onActionRestoreDefaultTriggered"},
        {"Fill the screen", "onActionFillScreenTriggered"},
        {"Edit Text", "onActionEditTextTriggered"},
        {"Original Size", "onActionOriginalSizeTriggered"},
        {"Edit Drawing", "onActionEditDrawingTriggered"},
        {"Undo", "onActionUndoTriggered"},
        {"Redo", "onActionRedoTriggered"},
        {"Enter Range Selection", "onActionEnterExitRangeSelect"},
        {"Toggle Insert/Overwite Mode", "onActionInsertOverwriteMode"},
        {"Toggle Fullscreen", "_toggleFullScreen"},
        {"Add File...", "onActionAddFileTriggered"},
        {"Add from Camera...", "onActionAddFromCameraTriggered"},
        {"Add from Microphone...", "onActionAddFromMicrophoneTriggered"},
        {"Add Text", "onActionAddTextTriggered"},
        {"Add Self-Draw", "onActionAddSelfDrawTriggered"},
        {"Edit", "onActionEnterExitEditingSegmentTriggered"},
        {"Duplicate", "onActionDuplicateSegmentTriggered"},
        {"Remove", "onActionRemoveSegmentTriggered"},
        {"Split", "onActionSplitSegmentTriggered"},
        {"Add Transition", "-"},
        {"Duplicate", "onActionDuplicateTransitionTriggered"},
        {"Delete", "onActionDeleteTransitionTriggered"},
        {"Edit Transition", "onActionEnterExitEditingTransitionTriggered"},
        {"Edit Transition", "onActionEnterExitEditingTransitionTriggered"},
        {"Play/Pause", "onActionPlayPauseTriggered"},
        {"Next Position", "onActionNextPositionTriggered"},
        {"Previous Position", "onActionPreviousPositionTriggered"},
        {"Export && Share", "onActionExportTriggered"},
        {"Configuration...", "onActionMovieSettingsTriggered"}};
    const QList<QAction*> actions = window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(actions.size(), expected.size());
    for (int index = 0; index < actions.size(); ++index) {
        QAction* action = actions.at(index);
        EXPECT_EQ(action->text(), expected.at(index).first);
        window.calls.clear();
        action->setEnabled(true);
        action->trigger();
        const QStringList want = expected.at(index).second == QLatin1String("-")
            ? QStringList()
            : QStringList{expected.at(index).second};
        EXPECT_EQ(window.calls, want) << action->text().toStdString();
    }
}

TEST(MainWindowConnections, AWindowDroppedWhileLoadingStopsItsLoader)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    writeFile(dir + "/properties.xml", "<Properties version=\"7\"/>");
    writeFile(dir + "/project.xml", "<Project>\n    <Segment Type=\"TEXT\"/>\n</Project>\n");
    QPointer<ProjectLoader> loader;
    {
        RecordingWindow window(kName, QString());
        ASSERT_TRUE(window._loadProject());
        ASSERT_TRUE(waitUntil([&] { return window.loaderMessages.contains(ProjectLoaderSegmentsReady); }));
        loader = window.loader;
        ASSERT_FALSE(loader.isNull());
        EXPECT_TRUE(loader->isRunning());
    }
    EXPECT_TRUE(loader.isNull());
}
