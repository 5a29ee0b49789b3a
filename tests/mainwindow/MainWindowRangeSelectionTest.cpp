#include "TextEditWidget.h"
#include "OpeningWindow.h"

#include "AVComposition.h"
#include "AVSegment.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "PointerWidget.h"
#include "ProjectTestSupport.h"
#include "SelectionOperationWidget.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("Range");
constexpr int kPointerHeight = 41;
constexpr int kPlayHeadInset = 22;

// The window with a play pointer over its timeline and a media panel, as
// the desktop window has them, and the range commands open to the tests.
class RangeWindow : public OpeningWindow
{
public:
    RangeWindow() : OpeningWindow(kName, QSize(320, 180))
    {
        _editAreaWidget = centralWidget();
        _mediaArea = new QWidget(centralWidget());
        _pointer = new PointerWidget(0, kPointerHeight, _editAreaWidget);
        // Scroll time 22 / 24 s: a quarter second from the edge at 1 s.
        _pointerOffset = kPlayHeadInset;
        _pointer->moveToX(float(TimelineMetrics::leftMargin() + kPlayHeadInset), false);
    }

    using MainWindow::_exitRangeSelectionMode;
    using MainWindow::_setRangeSelectionMode;

    PointerWidget* pointer() const { return _pointer; }
    PointerWidget* selectionPointer() const { return _selectionPointer; }
    SelectionOperationWidget* operationWidget() const { return _selectionOperationWidget; }
    QWidget* mediaArea() const { return _mediaArea; }
    bool renderIdle() const { return _engine->isRenderIdle(); }
    QAction* rangeAction() const { return _actionEnterExitRangeSelect; }
    QAction* editAction() const { return _actionEnterExitEditingSegment; }

    // Stands for an open text editor over the preview.
    using MainWindow::_textEditor;

protected:
};

struct Span {
    float start;
    float duration;
};

class MainWindowRangeSelection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Undo and range selection do nothing while a help tip is in front.
        markHelpTipsSeen();
        dir = product.projectDir(kName);
    }
    void TearDown() override
    {
        if (window)
            window->_finishClosing();
        setAnimationsEnabled(true);
    }

    static RecordBuilder text(const char* label, int track, float start, float duration)
    {
        return std::move(RecordBuilder("TEXT").set("Text", label).set("TrackId", track).set("RangeStart", start)
                             .set("RangeDuration", duration).set("FontSize", 20));
    }

    // A [0,6) on the first track, B [1,4) on the second, and C [0,6) on a third when asked.
    static std::vector<RecordBuilder> twoTracks(bool third = false)
    {
        std::vector<RecordBuilder> records;
        records.push_back(text("A", 1, 0, 6));
        records.push_back(text("B", 2, 1, 3));
        if (third)
            records.push_back(text("C", 3, 0, 6));
        return records;
    }

    // Opens the project and waits until every segment loaded; a reason when it could not.
    QString open(std::vector<RecordBuilder> records)
    {
        writeProject(dir, records);
        window = std::make_unique<RangeWindow>();
        window->show();
        if (!window->_openProject() || !waitFor([&] { return window->preview() != nullptr; }, 5000)
            || !window->preview()->isValid())
            return QStringLiteral("no OpenGL context for the preview");
        ProjectManager* manager = window->projectManager();
        const bool loaded = waitFor([&] {
            // The waiting cover goes once everything loaded; clicks reach the timeline only then.
            if (window->waitingHUD() || manager->segmentCount() != int(records.size()))
                return false;
            for (int index = 0; index < manager->segmentCount(); ++index) {
                if (manager->segmentAt(index)->state() != 4)
                    return false;
            }
            return true;
        }, 60000);
        return loaded ? QString() : QStringLiteral("the segments did not load");
    }

    // Enters the mode and marks the span the way dragging its ends would.
    void select(float start, float end)
    {
        window->_setRangeSelectionMode();
        EditScrollArea* timeline = window->timeline();
        ASSERT_TRUE(timeline->isRangeSelectionMode());
        timeline->setSelectionStart(start);
        timeline->setSelectionEnd(end);
        timeline->setSelectionSpan();
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // A click on the overlay, as the button takes it. (A click through the
    // screen would depend on which window of the display lies on top: the
    // timeline's kinetic scrolling replays a held-back press at its screen
    // position.) A disabled overlay ignores it.
    static void toggleOverlay(TrackWidget* track)
    {
        QPushButton* overlay = track->selectionOverlay();
        ASSERT_NE(overlay, nullptr);
        const bool before = track->isSelectionOn();
        overlay->click();
        ASSERT_NE(track->isSelectionOn(), before);
    }

    // The segments of a track by start, each as its span in the model and in the engine.
    std::vector<std::pair<Span, Span>> spansOf(const QString& label) const
    {
        std::vector<std::pair<Span, Span>> spans;
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            if (segment->text() != label)
                continue;
            Span engine{-1, -1};
            if (AVSegment* side = window->composition()->findSegment(uint32_t(segment->serialNumber())))
                engine = {float(side->startTime()), float(side->duration())};
            spans.push_back({{segment->rangeStart(), segment->duration()}, engine});
        }
        std::sort(spans.begin(), spans.end(),
                  [](const auto& a, const auto& b) { return a.first.start < b.first.start; });
        return spans;
    }

    // The label's pieces lie exactly at the spans, in the model and in the
    // engine. A piece made by a cut gets its engine side from a loading task
    // and its final timing when the window hears that it loaded: wait
    // (bounded) for the two to agree.
    void expectPieces(const QString& label, const std::vector<Span>& expected) const
    {
        waitFor([&] {
            for (const auto& piece : spansOf(label)) {
                if (std::abs(piece.first.start - piece.second.start) > 1e-4f
                    || std::abs(piece.first.duration - piece.second.duration) > 1e-4f)
                    return false;
            }
            return true;
        }, 10000);
        const auto pieces = spansOf(label);
        ASSERT_EQ(pieces.size(), expected.size()) << qPrintable(label);
        for (size_t index = 0; index < pieces.size(); ++index) {
            SCOPED_TRACE(label.toStdString() + " piece " + std::to_string(index));
            EXPECT_NEAR(pieces[index].first.start, expected[index].start, 1e-4);
            EXPECT_NEAR(pieces[index].first.duration, expected[index].duration, 1e-4);
            EXPECT_NEAR(pieces[index].second.start, expected[index].start, 1e-4);
            EXPECT_NEAR(pieces[index].second.duration, expected[index].duration, 1e-4);
        }
    }

    TrackWidget* trackAt(int index) const { return window->timeline()->trackWidgetAt(index); }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
    std::unique_ptr<RangeWindow> window;
};

#define OPEN_OR_SKIP(records)                                                                                \
    do {                                                                                                         \
        const QString reason = open(records);                                                                    \
        if (reason.startsWith(QStringLiteral("no OpenGL")))                                                      \
            GTEST_SKIP() << qPrintable(reason);                                                                  \
        ASSERT_TRUE(reason.isEmpty()) << qPrintable(reason);                                                     \
    } while (false)

} // namespace

TEST_F(MainWindowRangeSelection, EnteringMarksASnappedSpanAndCancellingPutsEverythingBack)
{
    OPEN_OR_SKIP(twoTracks());
    EditScrollArea* timeline = window->timeline();
    timeline->setSelectedSegmentWidget(trackAt(0)->segmentWidgets().first());
    window->projectManager()->setModified(false);

    window->_setRangeSelectionMode();

    ASSERT_TRUE(timeline->isRangeSelectionMode());
    EXPECT_EQ(timeline->selectedSegmentWidget(), nullptr);
    // The end stays at the scroll time; the start snaps to B's edge at 1 s.
    EXPECT_NEAR(timeline->selectionEnd(), 22.0f / 24.0f, 1e-5);
    EXPECT_FLOAT_EQ(timeline->selectionStart(), 1.0f);
    EXPECT_EQ(window->pointer()->style(), 2);
    PointerWidget* start = window->selectionPointer();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->style(), 3);
    EXPECT_TRUE(start->isVisible());
    EXPECT_FLOAT_EQ(start->centerX(), float(TimelineMetrics::leftMargin() + 24));
    EXPECT_EQ(start->height(), window->pointer()->height());
    for (int index = 0; index < 2; ++index)
        EXPECT_TRUE(trackAt(index)->isSelectionOn()) << index;
    EXPECT_EQ(trackAt(2)->selectionOverlay(), nullptr);
    for (int index = 0; index < timeline->trackWidgetCount(); ++index)
        EXPECT_TRUE(trackAt(index)->isLocked()) << index;
    EXPECT_FALSE(window->mediaArea()->isEnabled());
    SelectionOperationWidget* bar = window->operationWidget();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), window->centralWidget());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(waitFor([&] { return !window->gutter()->isVisible(); }, 3000));
    EXPECT_EQ(window->rangeAction()->text(), QStringLiteral("Cancel Range Selection"));
    EXPECT_FALSE(window->editAction()->isEnabled());
    // Entering again changes nothing.
    window->_setRangeSelectionMode();
    EXPECT_EQ(window->selectionPointer(), start);
    EXPECT_EQ(window->operationWidget(), bar);

    click(bar->cancelSelectionButton());

    EXPECT_FALSE(timeline->isRangeSelectionMode());
    EXPECT_FLOAT_EQ(timeline->selectionStart(), 0.0f);
    EXPECT_FLOAT_EQ(timeline->selectionEnd(), 0.0f);
    EXPECT_EQ(window->selectionPointer(), nullptr);
    EXPECT_EQ(window->operationWidget(), nullptr);
    EXPECT_EQ(window->pointer()->style(), 0);
    for (int index = 0; index < timeline->trackWidgetCount(); ++index) {
        EXPECT_EQ(trackAt(index)->selectionOverlay(), nullptr) << index;
        EXPECT_FALSE(trackAt(index)->isLocked()) << index;
    }
    EXPECT_TRUE(window->mediaArea()->isEnabled());
    EXPECT_TRUE(window->gutter()->isVisible());
    EXPECT_EQ(window->rangeAction()->text(), QStringLiteral("Enter Range Selection"));
    EXPECT_TRUE(waitFor([&] { return window->pointer()->centerX() == float(TimelineMetrics::leftMargin() + kPlayHeadInset); },
                        3000));
    EXPECT_FALSE(window->projectManager()->isModified());
}

TEST_F(MainWindowRangeSelection, AnOpenTextEditorKeepsTheModeOff)
{
    OPEN_OR_SKIP(twoTracks());
    TextEditWidget editor;
    window->_textEditor = &editor;

    window->_setRangeSelectionMode();

    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_EQ(window->selectionPointer(), nullptr);
    EXPECT_EQ(window->operationWidget(), nullptr);
    EXPECT_EQ(trackAt(0)->selectionOverlay(), nullptr);
    EXPECT_TRUE(window->gutter()->isVisible());
    window->_textEditor = nullptr;
}

TEST_F(MainWindowRangeSelection, LeavingRightAfterEnteringKeepsTheGutterShown)
{
    OPEN_OR_SKIP(twoTracks());
    window->_setRangeSelectionMode();
    window->_exitRangeSelectionMode();
    // The fade-out begun on entry must not hide the gutter after all.
    QTest::qWait(400);
    EXPECT_TRUE(window->gutter()->isVisible());

    setAnimationsEnabled(false);
    window->_setRangeSelectionMode();
    EXPECT_FALSE(window->gutter()->isVisible());
    window->_exitRangeSelectionMode();
    EXPECT_TRUE(window->gutter()->isVisible());
}

TEST_F(MainWindowRangeSelection, DeleteInInsertModeClosesTheGapOnEveryTrack)
{
    OPEN_OR_SKIP(twoTracks());
    window->projectManager()->setModified(false);
    // Dragged from right to left: the same span as [2, 3).
    select(3.0f, 2.0f);

    click(window->operationWidget()->deleteButton());

    expectPieces("A", {{0, 2}, {2, 3}});
    expectPieces("B", {{1, 1}, {2, 1}});
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_EQ(window->operationWidget(), nullptr);
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 5.0f);
    EXPECT_NEAR(window->composition()->duration(), 5.0, 1e-4);
    EXPECT_TRUE(window->projectManager()->isModified());
}

TEST_F(MainWindowRangeSelection, DeleteInOverwriteModeLeavesTheGap)
{
    OPEN_OR_SKIP(twoTracks());
    window->projectManager()->setSegmentMode(1);
    select(2.0f, 3.0f);

    window->deleteSelectedRange();

    expectPieces("A", {{0, 2}, {3, 3}});
    expectPieces("B", {{1, 1}, {3, 1}});
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 6.0f);
}

TEST_F(MainWindowRangeSelection, InsertBlankMovesTheSegmentsHoldingTheStartWhole)
{
    OPEN_OR_SKIP(twoTracks());
    window->projectManager()->setModified(false);
    select(2.0f, 3.0f);

    click(window->operationWidget()->insertBlankButton());

    expectPieces("A", {{3, 6}});
    expectPieces("B", {{3, 3}});
    EXPECT_EQ(window->projectManager()->segmentCount(), 2);
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 9.0f);
    EXPECT_NEAR(window->composition()->duration(), 9.0, 1e-4);
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_TRUE(window->projectManager()->isModified());
}

TEST_F(MainWindowRangeSelection, InsertBlankBeforeASegmentPushesItByTheLength)
{
    OPEN_OR_SKIP(twoTracks());
    // Over overwrite mode too: inserting works the same.
    window->projectManager()->setSegmentMode(1);
    select(0.5f, 0.75f);

    window->insertBlankInSelectedRange();

    // A holds the start and moves whole to the blank's end; B starts after it and moves by the length.
    expectPieces("A", {{0.75f, 6}});
    expectPieces("B", {{1.25f, 3}});
}

TEST_F(MainWindowRangeSelection, ATrackTakenOutOfTheSelectionIsUntouched)
{
    OPEN_OR_SKIP(twoTracks(true));
    select(2.0f, 3.0f);
    // A click on the overlay takes the third track out (the timeline stays usable in the mode).
    toggleOverlay(trackAt(2));
    ASSERT_FALSE(trackAt(2)->isSelectionOn());

    click(window->operationWidget()->deleteButton());

    expectPieces("A", {{0, 2}, {2, 3}});
    expectPieces("B", {{1, 1}, {2, 1}});
    expectPieces("C", {{0, 6}});
}

TEST_F(MainWindowRangeSelection, WithoutATrackTakingPartTheCommandsOnlyLeave)
{
    OPEN_OR_SKIP(twoTracks());
    window->projectManager()->setModified(false);
    for (int pass = 0; pass < 2; ++pass) {
        select(2.0f, 3.0f);
        // The empty bottom track has no overlay.
        toggleOverlay(trackAt(0));
        toggleOverlay(trackAt(1));
        EXPECT_EQ(trackAt(2)->selectionOverlay(), nullptr);
        if (pass == 0)
            click(window->operationWidget()->deleteButton());
        else
            click(window->operationWidget()->insertBlankButton());
        EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    }
    expectPieces("A", {{0, 6}});
    expectPieces("B", {{1, 3}});
    EXPECT_FALSE(window->projectManager()->isModified());
}

TEST_F(MainWindowRangeSelection, DeletingEverythingOnATrackRemovesTheTrackAndItsButton)
{
    OPEN_OR_SKIP(twoTracks());
    const int bTrack = trackAt(1)->trackId();
    ASSERT_EQ(window->timeline()->trackWidgetCount(), 3);
    select(0.5f, 5.0f);

    window->deleteSelectedRange();

    expectPieces("A", {{0, 0.5f}, {0.5f, 1}});
    expectPieces("B", {});
    EXPECT_EQ(window->timeline()->trackWidgetById(bTrack), nullptr);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), 2);
    EXPECT_EQ(window->gutter()->buttonCount(), 2);
    // The empty track kept at the bottom stays.
    EXPECT_EQ(window->newestTrack(), trackAt(1));
}

TEST_F(MainWindowRangeSelection, AnEmptySpanStillSplitsAtItsStart)
{
    OPEN_OR_SKIP(twoTracks());
    select(2.0f, 2.0f);

    window->deleteSelectedRange();

    expectPieces("A", {{0, 2}, {2, 4}});
    expectPieces("B", {{1, 1}, {2, 2}});
}

TEST_F(MainWindowRangeSelection, UndoBringsBackWhatTheDeleteCut)
{
    OPEN_OR_SKIP(twoTracks());
    select(2.0f, 3.0f);
    window->deleteSelectedRange();
    expectPieces("A", {{0, 2}, {2, 3}});

    ASSERT_TRUE(window->stepHistory(true));

    expectPieces("A", {{0, 6}});
    expectPieces("B", {{1, 3}});
}
