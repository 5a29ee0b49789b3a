#include "TextEditWidget.h"
#include "HistoryWindow.h"

#include "AVEngine.h"
#include "CanvasWidget.h"
#include "EditScrollArea.h"
#include "ImageSegment.h"
#include "SegmentWidget.h"
#include "TooltipButton.h"
#include "TrackWidget.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

#include <atomic>
#include <cmath>
#include <thread>

namespace {

// The editing window with the desktop window's hooks recording what reaches them.
class EditingWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_currentScrollTime;
    using MainWindow::_scrollToTime;
    using MainWindow::_seekToTime;
    using MainWindow::_togglePlayback;
    using MainWindow::_updateRangeSelectionActionState;
    using MainWindow::editScrollArea_beginTrimSegment;
    using MainWindow::editScrollArea_reloadPreviewForSegment;

    QAction* editAction() const { return _actionEnterExitEditingSegment; }
    QAction* rangeAction() const { return _actionEnterExitRangeSelect; }
    QAction* addTransitionAction() const { return _actionAddTransition; }
    QAction* addFileAction() const { return _actionAddFile; }
    QAction* removeAction() const { return _actionRemoveSegment; }
    QList<QAction*> segmentActions() const { return {_actionDuplicateSegment, _actionRemoveSegment, _actionSplitSegment}; }
    QList<QAction*> editTransitionActions() const
    {
        return {_actionEnterExitEditingSegmentTransition, _actionEnterExitEditingTransition};
    }
    bool playing() const { return _playing; }
    void setModeButton(QAbstractButton* button)
    {
        _segmentModeButton = button;
        connect(button, &QAbstractButton::clicked, this, &EditingWindow::onSegmentModeButtonClicked);
    }

    SegmentWidget* tileOf(Segment* segment) const
    {
        return qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment));
    }

    bool transitionEditing = false;
    using MainWindow::_textEditor;
    using MainWindow::_canvas;
    QList<float> setupTimes;

protected:
    bool _isEditingTransitions() const override { return transitionEditing; }
    void setupWindowWidgets(Segment*, float time) override { setupTimes << time; }
};

class EditingStateTest : public HistoryTest
{
protected:
    // Two captions on one track: "first" [0, 2) and "second" [4, 6).
    QString openTwoCaptions(std::unique_ptr<EditingWindow>& window)
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "first").set("Text", "A").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "second").set("Text", "B").set("TrackId", 4)
                                        .set("RangeStart", 4).set("RangeDuration", 2)));
        return openEditing(records, window);
    }

    // The window wired to its timeline.
    QString openEditing(std::vector<RecordBuilder>& records, std::unique_ptr<EditingWindow>& window)
    {
        const QString failure = openProject(records, window);
        if (!failure.isEmpty())
            return failure;
        window->_initEditScrollArea();
        return QString();
    }

    // Shortcuts go to the active window; other test windows on the same
    // display may have taken activation meanwhile.
    static void press(EditingWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, key, modifiers);
    }

    Segment* segment(EditingWindow& window, const char* uid) { return segmentByUId(window, QString::fromLatin1(uid)); }

    static QStringList texts(const QList<QAction*>& actions)
    {
        QStringList list;
        for (const QAction* action : actions)
            list << action->text();
        return list;
    }

    static bool allEnabled(const QList<QAction*>& actions, bool enabled)
    {
        return std::all_of(actions.begin(), actions.end(), [&](QAction* a) { return a->isEnabled() == enabled; });
    }
};

// Alt+I flips the mode with a message each time and marks the project
// modified; with an editing overlay open only the button still works.
TEST_F(EditingStateTest, AltIToggleInsertAndOverwriteMode)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    auto* button = new TooltipButton(QStringLiteral(":/images/segment_insert"),
                                     QStringLiteral(":/images/segment_insert_hl"), window.get());
    window->setModeButton(button);
    ProjectManager* manager = window->projectManager();
    manager->setModified(false);
    window->takeHeadsUps();

    press(*window, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(manager->segmentMode(), 1);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Overwrite Mode On"});
    EXPECT_EQ(button->toolTip(), QStringLiteral("Toggle Insert/Overwrite Mode\nCurrent: Overwrite mode"));
    EXPECT_TRUE(manager->isModified());

    press(*window, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(manager->segmentMode(), 0);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Insert Mode On"});
    EXPECT_EQ(button->toolTip(), QStringLiteral("Toggle Insert/Overwrite Mode\nCurrent: Insert mode"));

    // The timeline places segments by the mode it asks for.
    bool overwrite = true;
    window->timeline()->editScrollAreaGetSegmentOverwriteMode(overwrite);
    EXPECT_FALSE(overwrite);

    TextEditWidget editor;
    window->_textEditor = &editor;
    press(*window, Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(manager->segmentMode(), 0);
    EXPECT_TRUE(window->takeHeadsUps().isEmpty());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(manager->segmentMode(), 1);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Overwrite Mode On"});
    window->_textEditor = nullptr;
}

// The actions follow selection, editing, transition editing, range mode
// and the overlays; both "Edit Transition" actions are kept in step.
TEST_F(EditingStateTest, ActionStatesFollowTheEditingState)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    EXPECT_FALSE(window->editAction()->isEnabled());
    Segment* first = segment(*window, "first");
    window->timeline()->setSelectedSegmentWidget(window->tileOf(first));

    EXPECT_EQ(window->editAction()->text(), QStringLiteral("Edit"));
    EXPECT_TRUE(window->editAction()->isEnabled());
    EXPECT_TRUE(allEnabled(window->segmentActions(), true));
    EXPECT_TRUE(window->addTransitionAction()->isEnabled());
    EXPECT_EQ(texts(window->editTransitionActions()), QStringList({"Edit Transitions", "Edit Transitions"}));
    EXPECT_TRUE(allEnabled(window->editTransitionActions(), true));

    press(*window, Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return !window->addFileAction()->isEnabled(); }, 3000));
    EXPECT_EQ(window->editAction()->text(), QStringLiteral("Finish Editing"));
    EXPECT_TRUE(window->timeline()->isEditingSegment());
    EXPECT_TRUE(waitFor([&] { return window->gutter()->isHidden(); }, 3000));
    ASSERT_EQ(window->setupTimes.size(), 1);
    EXPECT_FLOAT_EQ(window->setupTimes.first(), 0.0f);

    window->transitionEditing = true;
    emit window->transitionEditingStateChanged();
    ASSERT_TRUE(waitFor([&] { return !window->segmentActions().first()->isEnabled(); }, 3000));
    EXPECT_TRUE(allEnabled(window->segmentActions(), false));
    EXPECT_TRUE(window->addTransitionAction()->isEnabled());
    EXPECT_EQ(texts(window->editTransitionActions()),
              QStringList({"Finish Editing Transitions", "Finish Editing Transitions"}));
    window->transitionEditing = false;
    emit window->transitionEditingStateChanged();

    press(*window, Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return window->addFileAction()->isEnabled(); }, 3000));
    EXPECT_EQ(window->editAction()->text(), QStringLiteral("Edit"));
    EXPECT_FALSE(window->timeline()->isEditingSegment());
    EXPECT_TRUE(waitFor([&] { return window->gutter()->isVisible() && !window->gutter()->graphicsEffect(); }, 3000));

    press(*window, Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(window->timeline()->isRangeSelectionMode());
    EXPECT_FALSE(window->editAction()->isEnabled());
    EXPECT_TRUE(allEnabled(window->segmentActions(), false));
    EXPECT_FALSE(window->addTransitionAction()->isEnabled());
    EXPECT_TRUE(allEnabled(window->editTransitionActions(), false));
    EXPECT_EQ(window->rangeAction()->text(), QStringLiteral("Cancel Range Selection"));
    EXPECT_TRUE(window->rangeAction()->isEnabled());

    TextEditWidget editor;
    window->_textEditor = &editor;
    window->_updateRangeSelectionActionState();
    EXPECT_FALSE(window->rangeAction()->isEnabled());
    window->_textEditor = nullptr;
    window->_updateRangeSelectionActionState();

    press(*window, Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_EQ(window->rangeAction()->text(), QStringLiteral("Enter Range Selection"));
    EXPECT_TRUE(window->rangeAction()->isEnabled());
}

// A trim that changed nothing leaves no undo step; a real one keeps its
// step and brings the preview to the trimmed end.
TEST_F(EditingStateTest, TrimEndKeepsItsUndoStepOnlyForAChange)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* first = segment(*window, "first");
    const UndoHistory& history = window->projectManager()->history();
    const int before = history.size();

    window->beginEditing(first);
    window->editScrollArea_beginTrimSegment(first);
    ASSERT_EQ(history.size(), before + 1);
    window->editScrollArea_reloadPreviewForSegment(first, false);
    EXPECT_EQ(history.size(), before);

    window->editScrollArea_beginTrimSegment(first);
    first->setRangeDuration(3.0f);
    window->editScrollArea_reloadPreviewForSegment(first, false);
    EXPECT_EQ(history.size(), before + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
    // Insert mode: the next segment follows the longer end.
    EXPECT_FLOAT_EQ(segment(*window, "second")->rangeStart(), 5.0f);
    EXPECT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 3.0f) < 0.05f; }, 3000))
        << window->engine()->currentTime();
}

// Entering editing brings the play-head into the segment only when it lies outside.
TEST_F(EditingStateTest, EnteringEditingSeeksOnlyFromOutsideTheSegment)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "first").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "far").set("Text", "B").set("TrackId", 4)
                                    .set("RangeStart", 30).set("RangeDuration", 2)));
    std::unique_ptr<EditingWindow> window;
    const QString failure = openEditing(records, window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* far = segment(*window, "far");
    SegmentWidget* tile = window->tileOf(far);
    tile->setEditing(true, false);
    ASSERT_EQ(window->setupTimes.size(), 1);
    EXPECT_FLOAT_EQ(window->setupTimes.last(), 30.0f);
    EXPECT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 30.0f) < 0.05f; }, 3000));
    EXPECT_TRUE(waitFor([&] { return std::fabs(window->_currentScrollTime() - 30.0f) < 0.1f; }, 3000))
        << window->_currentScrollTime();
    // The other tiles are dimmed while one is edited.
    EXPECT_FALSE(window->tileOf(segment(*window, "first"))->isHighlighted());
    tile->setEditing(false, false);
    EXPECT_TRUE(waitFor([&] { return window->tileOf(segment(*window, "first"))->isHighlighted(); }, 3000));

    window->_scrollToTime(31.0f, false);
    window->_seekPreview(31.0f, true);
    ASSERT_NEAR(window->_currentScrollTime(), 31.0f, 0.1f);
    ASSERT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 31.0f) < 0.05f; }, 3000));
    tile->setEditing(true, false);
    ASSERT_EQ(window->setupTimes.size(), 2);
    EXPECT_NEAR(window->setupTimes.last(), 31.0f, 0.1f);
    QTest::qWait(100);
    EXPECT_NEAR(window->engine()->currentTime(), 31.0f, 0.05f);
    tile->setEditing(false, false);
}

// Play with the play-head on the end of the edited segment replays the segment.
TEST_F(EditingStateTest, PlayAtTheEndOfTheEditedSegmentReplaysIt)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* first = segment(*window, "first");
    window->tileOf(first)->setEditing(true, false);
    window->_seekPreview(2.0f, true);
    ASSERT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 2.0f) < 0.005f; }, 3000));
    window->_togglePlayback();
    ASSERT_TRUE(waitFor([&] { return window->playing(); }, 5000));
    const float time = window->engine()->currentTime();
    window->_togglePlayback();
    EXPECT_GE(time, 0.0f);
    EXPECT_LT(time, 1.9f);
    window->tileOf(first)->setEditing(false, false);
}

// The picture source runs on the drawing thread: it finds the segment
// under the project mutex and answers only for animated pictures in the project.
TEST_F(EditingStateTest, PictureSourceReadsAnimatedPicturesUnderTheProjectLock)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("animation.gif")), dir + QStringLiteral("/moving.gif")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "gif").set("File", "moving.gif").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 1)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    std::unique_ptr<EditingWindow> window;
    const QString failure = openEditing(records, window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* gif = segment(*window, "gif");
    ASSERT_TRUE(static_cast<ImageSegment*>(gif)->loadGifFrames());
    const int gifId = gif->serialNumber();
    int32_t width = 0;
    int32_t height = 0;
    auto request = [&](int id) {
        return MainWindow::loadSegmentImage(window.get(), id, 250, 16, 16, &width, &height);
    };

    std::atomic<bool> done{false};
    uint8_t* pixels = nullptr;
    window->projectManager()->mutex()->lock();
    std::thread drawing([&] {
        pixels = request(gifId);
        done = true;
    });
    QTest::qWait(200);
    EXPECT_FALSE(done) << "the lookup did not wait for the project mutex";
    window->projectManager()->mutex()->unlock();
    drawing.join();
    ASSERT_NE(pixels, nullptr);
    EXPECT_GT(width, 0);
    EXPECT_LE(width, 16);
    EXPECT_LE(height, 16);
    free(pixels);

    EXPECT_EQ(request(segment(*window, "caption")->serialNumber()), nullptr);
    EXPECT_EQ(request(987654), nullptr);
    window->removeSegment(gif);
    EXPECT_EQ(request(gifId), nullptr);
}

// Ctrl+D copies the selected segment behind itself and Remove deletes it;
// neither acts while transitions are edited.
TEST_F(EditingStateTest, DuplicateAndRemoveActOnTheSelectedSegment)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    ProjectManager* manager = window->projectManager();
    Segment* first = segment(*window, "first");
    window->timeline()->setSelectedSegmentWidget(window->tileOf(first));

    window->transitionEditing = true;
    press(*window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(manager->segmentCount(), 2);
    window->transitionEditing = false;

    press(*window, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return manager->segmentCount() == 3; }, 5000));
    QList<float> starts;
    for (int index = 0; index < manager->segmentCount(); ++index)
        starts << manager->segmentAt(index)->rangeStart();
    std::sort(starts.begin(), starts.end());
    EXPECT_EQ(starts, QList<float>({0.0f, 2.0f, 6.0f}));

    window->timeline()->setSelectedSegmentWidget(window->tileOf(segment(*window, "second")));
    window->removeAction()->trigger();
    EXPECT_TRUE(waitFor([&] { return manager->segmentCount() == 2 && !segment(*window, "second"); }, 5000));
}

// Undo while a text is edited on the preview is refused with a message and
// leaves the history where it was.
TEST_F(EditingStateTest, UndoIsRefusedWhileATextIsEdited)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* second = segment(*window, "second");
    window->moveSegment(second, 8.0f);
    window->takeHeadsUps();
    TextEditWidget editor;
    window->_textEditor = &editor;
    press(*window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Unable to undo temporarily"});
    EXPECT_FLOAT_EQ(segment(*window, "second")->rangeStart(), 8.0f);

    window->_textEditor = nullptr;
    press(*window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return segment(*window, "second")
                                     && segment(*window, "second")->rangeStart() == 4.0f; }, 5000));
}

// While drawing, undo takes back the canvas's last step instead of a
// timeline step, and redo does nothing.
TEST_F(EditingStateTest, UndoWhileDrawingUndoesTheCanvas)
{
    std::unique_ptr<EditingWindow> window;
    const QString failure = openTwoCaptions(window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    window->moveSegment(segment(*window, "second"), 8.0f);
    CanvasWidget canvas(64, 64);
    QPixmap red(64, 64);
    red.fill(Qt::red);
    canvas.drawImage(red);
    canvas.clearPainting();
    ASSERT_EQ(canvas.canvasPixmap().toImage().pixelColor(32, 32).alpha(), 0);
    window->_canvas = &canvas;

    press(*window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(canvas.canvasPixmap().toImage().pixelColor(32, 32), QColor(Qt::red));
    press(*window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::qWait(300);
    EXPECT_FLOAT_EQ(segment(*window, "second")->rangeStart(), 8.0f);
    window->_canvas = nullptr;
}

} // namespace
