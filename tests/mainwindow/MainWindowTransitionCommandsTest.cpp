#include "TransitionWindow.h"

#include "AVAnimation.h"
#include "CountingRender.h"
#include "AVSegment.h"
#include "LayerSegment.h"
#include "PopupEasingFunctionsWidget.h"
#include "PopupTransitionsListWidget.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

enum : int {
    kDuplicate = 10102,
    kRemove = 10103,
    kRotateStateClockwise = 10107,
    kFlipStateHorizontally = 10109,
    kPerspective = 10116,
};

// The window with the transition commands open to the tests.
class CommandsWindow : public TransitionWindow
{
public:
    using TransitionWindow::TransitionWindow;
    using MainWindow::easingFunctionPopup_onApplyToAllTransitionsRequested;
    using MainWindow::easingFunctionPopup_onEasingFunctionSelected;
    using MainWindow::_addTransitionAt;
    using MainWindow::_doTransitionCommand;
    using MainWindow::_easingIconPath;
    using MainWindow::_popupEasingFunctions;
    using MainWindow::_pushTransitionAnimation;
    using MainWindow::_segmentEditingEnterEditTransition;
    using MainWindow::_segmentEditingFlipHorizontal;
    using MainWindow::_segmentEditingExitEditTransition;
    using MainWindow::_segmentEditingRotateClockwise;
    using MainWindow::_segmentEditingSeekToTransition;
    using MainWindow::_segmentEditingSelectTransitionAtIndex;

    // Lends the window an engine of the test's; null gives its own back.
    void lendEngine(AVEngine* engine)
    {
        if (!ownEngine)
            ownEngine = _engine;
        _engine = engine ? engine : ownEngine;
    }
    AVEngine* ownEngine = nullptr;
};

class MainWindowTransitionCommands : public HistoryTest
{
protected:
    SegmentWidget* widgetOf(Segment* segment) const
    {
        TrackWidget* track = window->timeline()->trackWidgetById(segment->trackId());
        return track ? track->segmentWidgetForSegment(segment) : nullptr;
    }

    bool edit(Segment* segment)
    {
        window->timeline()->setSelectedSegmentWidget(widgetOf(segment));
        widgetOf(segment)->toggleEditing();
        return waitFor([&] { return window->timeline()->editingSegmentWidget() == widgetOf(segment); }, 5000);
    }

    // A transition of length at the time with both states at the
    // transparency, in the model and the engine.
    int addTransition(Segment* segment, float time, float length, float transparency)
    {
        const int id = segment->addTransitionAtTime(length, time);
        for (bool begin : {true, false})
            segment->setTransitionUserTransparency(id, begin, transparency);
        window->_pushTransitionAnimation(segment, id);
        return id;
    }

    // The group ids of the engine segment: the segment's own, or with
    // second its sound's.
    std::vector<uint32_t> engineGroups(const Segment* segment, bool second = false) const
    {
        AVSegment* engineSegment = engineSegmentOf(segment, second);
        return engineSegment ? engineSegment->animationIds() : std::vector<uint32_t>();
    }

    // Where the engine's group starts, in seconds of the segment, and its
    // curve; -1 without the group.
    double engineGroupStart(const Segment* segment, int id, bool second = false) const
    {
        return readGroup(segment, id, second, [&](const AVAnimation& group) {
            return group.startTime() * segment->duration();
        });
    }
    int engineGroupEasing(const Segment* segment, int id, bool second = false) const
    {
        return int(readGroup(segment, id, second, [](const AVAnimation& group) { return group.easingType(); }));
    }

    AVSegment* engineSegmentOf(const Segment* segment, bool second) const
    {
        const int32_t id = second ? segment->secondEngineId() : segment->serialNumber();
        return window->composition()->findSegment(uint32_t(id));
    }

    template <typename Read>
    double readGroup(const Segment* segment, int id, bool second, Read read) const
    {
        AVSegment* engineSegment = engineSegmentOf(segment, second);
        AVAnimation* group = engineSegment ? engineSegment->findAnimation(uint32_t(id)) : nullptr;
        if (!group)
            return -1.0;
        const double value = read(*group);
        engineSegment->releaseAnimation(uint32_t(id));
        return value;
    }

    int undoSteps() const { return window->projectManager()->history().count(); }

    // The first grab of the preview at the time for which the condition
    // holds, else the last grab. A grab is kept as taken: one taken while
    // the preview redraws need not match it.
    QImage previewAt(float time, const std::function<bool(const QImage&)>& settled)
    {
        window->_seekPreview(time, true);
        QImage frame;
        bool found = false;
        waitFor([&] {
            if (!found) {
                window->engine()->requestRedraw();
                frame = window->preview()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
                found = !frame.isNull() && settled(frame);
            }
            return found;
        }, 5000);
        return frame;
    }

    static double meanGrey(const QImage& frame)
    {
        double sum = 0.0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                sum += qGray(frame.pixel(x, y));
        return sum / (double(frame.width()) * frame.height());
    }

    // The mean grey level at the time once it is within tolerance of expected.
    double meanAt(float time, double expected, double tolerance)
    {
        const QImage frame =
            previewAt(time, [&](const QImage& image) { return std::abs(meanGrey(image) - expected) <= tolerance; });
        return frame.isNull() ? -1.0 : meanGrey(frame);
    }

    // A white picture filling the 16:9 preview, over black, 8 s long.
    QString openWhitePicture()
    {
        if (!makePicture(QStringLiteral("white.png"), QStringLiteral("white")))
            return QStringLiteral("ffmpeg could not make the picture");
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "white.png")
                                        .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 8)));
        return openProject(records, window);
    }

    std::unique_ptr<CommandsWindow> window;
};

} // namespace

// Removing the second of four transitions closes the gap in the model and
// in the engine, and what the others show does not change.
TEST_F(MainWindowTransitionCommands, RemovingTheSecondOfFourMovesTheLaterGroupsDown)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    const float transparencies[] = {0.1f, 0.3f, 0.6f, 0.8f};
    for (int index = 0; index < 4; ++index)
        ASSERT_EQ(addTransition(picture, 0.5f + 2.0f * index, 1.0f, transparencies[index]), index + 1);
    ASSERT_EQ(engineGroups(picture), std::vector<uint32_t>({1, 2, 3, 4}));
    const double third = meanAt(5.0f, 255.0 * 0.4, 12.0);
    ASSERT_NEAR(third, 255.0 * 0.4, 12.0) << "the third transition shows before the removal";

    ASSERT_TRUE(edit(picture));
    widgetOf(picture)->setTransitionId(2, false);
    window->projectManager()->setModified(false);
    const int steps = undoSteps();
    window->_doTransitionCommand(nullptr, kRemove);

    ASSERT_EQ(picture->transitionCount(), 3);
    for (int position = 0; position < 3; ++position)
        EXPECT_EQ(picture->isValidTransitionIndex(position), position + 1);
    EXPECT_FLOAT_EQ(picture->transitionUserTransparency(2, true), 0.6f);
    EXPECT_FLOAT_EQ(picture->transitionUserTransparency(3, true), 0.8f);
    EXPECT_EQ(engineGroups(picture), std::vector<uint32_t>({1, 2, 3}));
    for (int id = 1; id <= 3; ++id)
        EXPECT_NEAR(engineGroupStart(picture, id), picture->transitionStart(id), 1e-3) << id;
    EXPECT_EQ(widgetOf(picture)->transitionId(), 0);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_NEAR(meanAt(5.0f, third, 3.0), third, 3.0) << "inside the former third transition";
    // Between transitions the last end state holds: the first one's now.
    EXPECT_NEAR(meanAt(3.0f, 255.0 * 0.9, 6.0), 255.0 * 0.9, 6.0) << "the removed transition no longer plays";
    EXPECT_NEAR(meanAt(7.0f, 255.0 * 0.2, 12.0), 255.0 * 0.2, 12.0) << "inside the former fourth transition";
}

// A copy lands in the first free time after its source, with the source's
// easing and states, and the groups after it move up; without room the user
// is told and the undo history stays as it was.
TEST_F(MainWindowTransitionCommands, DuplicateCopiesIntoFreeTimeOrTellsThereIsNoRoom)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    ASSERT_EQ(addTransition(picture, 0.0f, 1.0f, 0.5f), 1);
    ASSERT_EQ(addTransition(picture, 4.0f, 1.0f, 0.9f), 2);
    picture->setTransitionEasingFunction(1, 7);
    const float sourceEnd = picture->transitionStart(1) + picture->transitionDuration(1);
    const float later = picture->transitionStart(2);
    ASSERT_TRUE(edit(picture));
    widgetOf(picture)->setTransitionId(1, false);
    const int steps = undoSteps();

    window->_doTransitionCommand(nullptr, kDuplicate);
    ASSERT_EQ(picture->transitionCount(), 3);
    EXPECT_GE(picture->transitionStart(2), sourceEnd - 1e-4);
    EXPECT_LT(picture->transitionStart(2), sourceEnd + 0.1f);
    EXPECT_NEAR(picture->transitionDuration(2), 1.0f, 1e-4);
    EXPECT_EQ(picture->transitionEasingFunction(2), 7);
    EXPECT_FLOAT_EQ(picture->transitionUserTransparency(2, false), 0.5f);
    EXPECT_NEAR(picture->transitionStart(3), later, 1e-4);
    EXPECT_EQ(widgetOf(picture)->transitionId(), 2);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_EQ(engineGroups(picture), std::vector<uint32_t>({1, 2, 3}));
    EXPECT_NEAR(engineGroupStart(picture, 2), picture->transitionStart(2), 1e-3) << "the copy's group";
    EXPECT_NEAR(engineGroupStart(picture, 3), later, 1e-3) << "the later group moved up";
    EXPECT_NEAR(meanAt(4.5f, 255.0 * 0.1, 12.0), 255.0 * 0.1, 12.0) << "the later transition still plays";

    // Three more copies fill the time up to the last transition and past it.
    for (int copies = 0; copies < 3; ++copies)
        window->_doTransitionCommand(nullptr, kDuplicate);
    ASSERT_EQ(picture->transitionCount(), 6);
    window->takeHeadsUps();
    widgetOf(picture)->setTransitionId(1, false);
    const int filled = undoSteps();
    window->_doTransitionCommand(nullptr, kDuplicate);
    EXPECT_EQ(window->takeHeadsUps(), QStringList({"No enough space for another transition"}));
    EXPECT_EQ(picture->transitionCount(), 6);
    EXPECT_EQ(undoSteps(), filled);
    EXPECT_EQ(widgetOf(picture)->transitionId(), 0);
}

// After a duplicate, a removal or an added ready-made transition the preview
// is redrawn 200 ms later, the delay of every transition change: before a
// 500 ms timer could fire.
TEST_F(MainWindowTransitionCommands, DuplicateRemoveAndReadyMadeAddRedrawThePreviewAfter200Ms)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    ASSERT_EQ(addTransition(picture, 0.0f, 1.0f, 0.5f), 1);
    ASSERT_TRUE(edit(picture));
    CountingRender render;
    AVEngine counting(window->composition(), nullptr, &render);
    window->lendEngine(&counting);
    // Starts a 450 ms timer as the command returns: the redraw comes before
    // it fires, however late a loaded machine delivers both.
    const auto expectRedrawSoon = [&](const char* command) {
        const int asked = render.tickets;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        bool redrawnFirst = false;
        QObject::connect(&deadline, &QTimer::timeout, [&] { redrawnFirst = render.tickets > asked; });
        deadline.start(450);
        EXPECT_TRUE(waitFor([&] { return render.tickets > asked; }, 5000)) << command;
        EXPECT_TRUE(waitFor([&] { return !deadline.isActive(); }, 5000)) << command;
        EXPECT_TRUE(redrawnFirst) << command << ": the redraw came after 450 ms";
    };
    for (int cmdId : {kDuplicate, kRemove}) {
        widgetOf(picture)->setTransitionId(1, false);
        window->_doTransitionCommand(nullptr, cmdId);
        expectRedrawSoon(cmdId == kDuplicate ? "duplicate" : "remove");
    }
    EXPECT_EQ(picture->transitionCount(), 1);

    // A ready-made one chosen from the list the inspector's add button opens.
    QPushButton anchor(window->centralWidget());
    window->_addTransitionAt(&anchor, 0, nullptr);
    auto* list = qobject_cast<PopupTransitionsListWidget*>(window->_currentPopup.data());
    ASSERT_NE(list, nullptr);
    QPushButton* fadeOut = nullptr;
    for (QPushButton* button : list->buttons())
        fadeOut = button->text() == QStringLiteral("Fade Out") ? button : fadeOut;
    ASSERT_NE(fadeOut, nullptr);
    ASSERT_TRUE(waitFor([&] { return fadeOut->isVisible(); }, 5000));
    QTest::mouseClick(fadeOut, Qt::LeftButton);
    ASSERT_EQ(picture->transitionCount(), 2);
    expectRedrawSoon("ready-made");
    window->lendEngine(nullptr);
}

// Commands that find nothing to act on change nothing and leave no undo
// step: no selected transition, or a state command while neither end of
// the transition is shown. Perspective belongs to the segment and works
// whatever is selected, leaving the transition's states alone.
TEST_F(MainWindowTransitionCommands, CommandsWithoutATargetRecordNothing)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    ASSERT_EQ(addTransition(picture, 1.0f, 1.0f, 0.0f), 1);
    const int easing = picture->transitionEasingFunction(1);
    ASSERT_TRUE(edit(picture));
    window->projectManager()->setModified(false);
    const int steps = undoSteps();

    for (int cmdId : {kDuplicate, kRemove, kRotateStateClockwise, kFlipStateHorizontally})
        window->_doTransitionCommand(nullptr, cmdId);
    QPushButton button(window->centralWidget());
    window->_popupEasingFunctions(&button, 0);
    EXPECT_TRUE(window->_currentPopup.isNull()) << "no easing to choose without a transition";
    window->easingFunctionPopup_onEasingFunctionSelected(nullptr, 5);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_EQ(picture->transitionCount(), 1);

    widgetOf(picture)->setTransitionId(1, false);
    window->_editingTransitionState = -1;
    window->_doTransitionCommand(nullptr, kRotateStateClockwise);
    window->_doTransitionCommand(nullptr, kFlipStateHorizontally);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_FALSE(window->projectManager()->isModified());
    EXPECT_FLOAT_EQ(picture->transitionUserRotation(1, true), 0.0f);
    EXPECT_FLOAT_EQ(picture->transitionUserRotation(1, false), 0.0f);
    EXPECT_EQ(picture->transitionEasingFunction(1), easing);

    window->_editingTransitionState = 1;
    const bool perspective = picture->perspective();
    window->_doTransitionCommand(nullptr, kPerspective);
    EXPECT_NE(picture->perspective(), perspective);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_FALSE(picture->isTransitionStateFlippedHorizontally(1, true));
    EXPECT_FLOAT_EQ(picture->transitionUserRotation(1, true), 0.0f);
}

// The easing popup opens 150 px below its button's top centre; a choice
// goes to the model and both ends of the engine's group, and "apply to all"
// gives every transition the code in one undo step.
TEST_F(MainWindowTransitionCommands, TheEasingPopupSetsOneOrAllTransitions)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    ASSERT_EQ(addTransition(picture, 1.0f, 1.0f, 0.0f), 1);
    ASSERT_EQ(addTransition(picture, 4.0f, 1.0f, 0.0f), 2);
    ASSERT_TRUE(edit(picture));
    widgetOf(picture)->setTransitionId(2, false);
    QPushButton button(window->centralWidget());
    button.setGeometry(100, 300, 60, 30);
    button.show();
    const int steps = undoSteps();
    const int firstEasing = picture->transitionEasingFunction(1);
    ASSERT_NE(firstEasing, 6);

    window->_popupEasingFunctions(&button, 0);
    auto* popup = qobject_cast<PopupEasingFunctionsWidget*>(window->_currentPopup.data());
    ASSERT_NE(popup, nullptr);
    const QWidget* panel = popup->mainWidget();
    EXPECT_EQ(panel->mapTo(window->centralWidget(), QPoint(0, panel->height())).y(), 300 + 150);
    QPushButton* circularOut = nullptr;
    for (QPushButton* candidate : popup->findChildren<QPushButton*>())
        if (candidate->property("tag").toInt() == 6)
            circularOut = candidate;
    ASSERT_NE(circularOut, nullptr);
    circularOut->click();
    EXPECT_EQ(picture->transitionEasingFunction(2), 6);
    EXPECT_EQ(picture->transitionEasingFunction(1), firstEasing);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_TRUE(waitFor([&] { return window->_currentPopup.isNull(); }, 5000)) << "the choice closes the popup";
    EXPECT_EQ(engineGroupEasing(picture, 2), AVEngine::easingType(6));

    window->takeHeadsUps();
    window->easingFunctionPopup_onApplyToAllTransitionsRequested(nullptr, 14);
    EXPECT_EQ(picture->transitionEasingFunction(1), 14);
    EXPECT_EQ(picture->transitionEasingFunction(2), 14);
    EXPECT_EQ(undoSteps(), steps + 2);
    EXPECT_EQ(window->takeHeadsUps(), QStringList({"Easing type applied to all transitions"}));
}

// A movie's transitions animate its picture and its sound: both engine
// segments lose the removed group, move the later ones down and take the
// easing given to all.
TEST_F(MainWindowTransitionCommands, AMovieKeepsItsSoundGroupsInStep)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* clip = segmentByUId(*window, QStringLiteral("clip"));
    ASSERT_NE(clip->secondEngineId(), 0);
    ASSERT_TRUE(waitFor([&] { return engineSegmentOf(clip, true) != nullptr; }, 5000));
    for (float time : {0.0f, 0.7f, 1.4f})
        ASSERT_GT(addTransition(clip, time, 0.4f, 0.0f), 0);
    ASSERT_EQ(engineGroups(clip, true), std::vector<uint32_t>({1, 2, 3}));
    ASSERT_TRUE(edit(clip));
    widgetOf(clip)->setTransitionId(1, false);

    window->_doTransitionCommand(nullptr, kRemove);
    ASSERT_EQ(clip->transitionCount(), 2);
    for (bool second : {false, true}) {
        EXPECT_EQ(engineGroups(clip, second), std::vector<uint32_t>({1, 2})) << second;
        for (int id = 1; id <= 2; ++id)
            EXPECT_NEAR(engineGroupStart(clip, id, second), clip->transitionStart(id), 1e-3) << second << id;
    }

    window->easingFunctionPopup_onApplyToAllTransitionsRequested(nullptr, 9);
    for (bool second : {false, true})
        for (int id = 1; id <= 2; ++id)
            EXPECT_EQ(engineGroupEasing(clip, id, second), AVEngine::easingType(9)) << second << id;
}

TEST_F(MainWindowTransitionCommands, EasingIconsFollowTheStoredCode)
{
    LayerSegment picture(nullptr);
    picture.setType(QStringLiteral("IMAGE"));
    picture.setRangeDuration(10);
    ASSERT_EQ(picture.addTransitionAtTime(1, 3), 1);
    EXPECT_EQ(CommandsWindow::_easingIconPath(&picture, 0), QStringLiteral(":/images/easing/easing_linear"));
    EXPECT_FALSE(QPixmap(CommandsWindow::_easingIconPath(&picture, 0)).isNull());
    const std::vector<std::pair<int, const char*>> icons = {{1, ":/images/easing/easing_linear"},
                                                            {3, ":/images/easing/easing_out_default"},
                                                            {7, ":/images/easing/easing_in_out_circular"},
                                                            {16, ":/images/easing/easing_in_out_bounce"},
                                                            {0, ""},
                                                            {17, ""}};
    for (const auto& [code, path] : icons) {
        picture.setTransitionEasingFunction(1, code);
        EXPECT_EQ(CommandsWindow::_easingIconPath(&picture, 1), QString::fromLatin1(path)) << code;
        if (code >= 1 && code <= 16) {
            EXPECT_FALSE(QPixmap(QString::fromLatin1(path)).isNull()) << code;
        }
    }
}

// Entering picks the first transition a moment later; leaving selects none
// and brings the overlay back where the segment stands still, and takes it
// away where a transition animates it.
TEST_F(MainWindowTransitionCommands, EnteringSelectsTheFirstTransitionAndLeavingClearsIt)
{
    const QString problem = openWhitePicture();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    ASSERT_EQ(addTransition(picture, 2.0f, 1.0f, 0.0f), 1);
    ASSERT_EQ(addTransition(picture, 5.0f, 1.0f, 0.0f), 2);
    ASSERT_TRUE(edit(picture));
    QSignalSpy editing(window.get(), &MainWindow::transitionEditingStateChanged);

    window->_segmentEditingEnterEditTransition();
    window->_segmentEditingExitEditTransition();
    QTest::qWait(400);
    EXPECT_EQ(widgetOf(picture)->transitionId(), 0) << "left before the first transition was picked";

    window->editingTransitions = true;
    window->_segmentEditingEnterEditTransition();
    EXPECT_TRUE(window->_transformWidget.isNull());
    EXPECT_TRUE(waitFor([&] { return widgetOf(picture)->transitionId() == 1; }, 5000));
    EXPECT_GE(editing.count(), 1);

    window->_segmentEditingSelectTransitionAtIndex(1);
    EXPECT_EQ(widgetOf(picture)->transitionId(), 2);
    EXPECT_EQ(window->_segmentEditingSeekToTransition(0), 2);
    EXPECT_EQ(window->_editingTransitionState, 0);
    EXPECT_NEAR(window->_currentScrollTime(), 6.0f, 0.05f);
    window->_segmentEditingSelectTransitionAtIndex(5);
    EXPECT_EQ(widgetOf(picture)->transitionId(), 0);

    // Before its first transition the picture stands still.
    window->_seekToTime(1.0f, false);
    const int shown = window->overlaysShown;
    editing.clear();
    window->editingTransitions = false;
    window->_segmentEditingExitEditTransition();
    EXPECT_EQ(widgetOf(picture)->transitionId(), 0);
    EXPECT_EQ(window->overlaysShown, shown + 1);
    EXPECT_FALSE(window->_transformWidget.isNull());
    EXPECT_GE(editing.count(), 1);

    window->_seekToTime(2.5f, false);
    window->_segmentEditingExitEditTransition();
    EXPECT_TRUE(window->_transformWidget.isNull()) << "the first transition animates the picture at 2.5 s";
}

// The end state of a 2 s transition turned clockwise: the red corner of the
// picture (top left, green below it) stays there at the start and stands
// at the top right, green left of it, at the end. Mirroring the begin state
// then puts red top right with green below it, at the start only.
TEST_F(MainWindowTransitionCommands, TurningTheEndStateTurnsThePictureAtTheEnd)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"),
                                {"-v", "error", "-y", "-f", "lavfi", "-i",
                                 "color=c=white:s=180x180,drawbox=x=0:y=0:w=60:h=60:color=red:t=fill,"
                                 "drawbox=x=0:y=60:w=60:h=60:color=lime:t=fill",
                                 "-frames:v", "1", dir + "/marked.png"}),
              0);
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "marked.png")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 4)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    const int id = picture->addTransitionAtTime(2.0f, 1.0f);
    ASSERT_EQ(id, 1);
    window->_pushTransitionAnimation(picture, id);
    // Just inside the transition's ends, as seeking to them lands.
    const float begins = picture->rangeStart() + picture->transitionStart(id) + 1.0f / 600.0f;
    const float ends = begins + picture->transitionDuration(id) - 2.0f / 600.0f;
    ASSERT_TRUE(edit(picture));
    widgetOf(picture)->setTransitionId(id, false);
    ASSERT_EQ(window->_segmentEditingSeekToTransition(0), id);
    ASSERT_EQ(window->_editingTransitionState, 0);
    window->_segmentEditingRotateClockwise();
    EXPECT_NEAR(picture->transitionUserRotation(id, false), std::acos(-1.0) / 2.0, 1e-4);
    EXPECT_FLOAT_EQ(picture->transitionUserRotation(id, true), 0.0f);

    // The picture's square stands in the middle of the 16:9 preview; the
    // colour at a point of it, in sixths of its side: 'r', 'g', 'w' or '?'.
    auto colourAt = [](const QImage& frame, int x, int y) {
        const double side = frame.height();
        const QRgb pixel = frame.pixel(int((frame.width() - side) / 2.0 + (x + 0.5) * side / 6.0),
                                       int((y + 0.5) * side / 6.0));
        if (qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200)
            return 'w';
        if (qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80)
            return 'r';
        return qGreen(pixel) > 200 && qRed(pixel) < 80 && qBlue(pixel) < 80 ? 'g' : '?';
    };
    // Red at the first point and green at the second.
    auto marks = [&](int redX, int redY, int greenX, int greenY) {
        return [=](const QImage& frame) {
            return colourAt(frame, redX, redY) == 'r' && colourAt(frame, greenX, greenY) == 'g';
        };
    };
    const QImage start = previewAt(begins, marks(0, 0, 0, 2));
    EXPECT_TRUE(marks(0, 0, 0, 2)(start)) << "upright at the start";
    EXPECT_EQ(colourAt(start, 5, 0), 'w');

    const QImage end = previewAt(ends, marks(5, 0, 3, 0));
    EXPECT_TRUE(marks(5, 0, 3, 0)(end)) << "a quarter clockwise at the end";
    EXPECT_EQ(colourAt(end, 0, 0), 'w');
    EXPECT_EQ(colourAt(end, 5, 2), 'w') << "not mirrored";
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    end.save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/transition-end-turned.png"));

    ASSERT_EQ(window->_segmentEditingSeekToTransition(1), id);
    ASSERT_EQ(window->_editingTransitionState, 1);
    window->_segmentEditingFlipHorizontal();
    EXPECT_TRUE(picture->isTransitionStateFlippedHorizontally(id, true));
    EXPECT_FALSE(picture->isTransitionStateFlippedHorizontally(id, false));
    const QImage mirrored = previewAt(begins, marks(5, 0, 5, 2));
    EXPECT_TRUE(marks(5, 0, 5, 2)(mirrored)) << "mirrored at the start";
    EXPECT_EQ(colourAt(mirrored, 0, 0), 'w');
    EXPECT_EQ(colourAt(mirrored, 3, 0), 'w') << "not turned";
}
