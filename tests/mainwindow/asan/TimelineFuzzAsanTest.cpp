#include "DesktopMainWindow.h"
#include "RaisedUnder.h"
#include "TimelineFuzz.h"
#include "WidgetAnimations.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

class TimelineFuzzAsanTest : public HistoryTest, public ::testing::WithParamInterface<uint32_t>
{
protected:
    void SetUp() override
    {
        name = QStringLiteral("TimelineFuzzAsan");
        HistoryTest::SetUp();
        // With the animations off the check plays the tiles' slides to
        // their end at once: the run plays ten times as many commands in
        // its time (the window test keeps the slides).
        setAnimationsEnabled(false);
    }
    void TearDown() override
    {
        window.reset();
        setAnimationsEnabled(true);
    }

    std::unique_ptr<FuzzWindow> window;
};

} // namespace

// Built with AddressSanitizer over the window's editing, placement and undo
// code: a use after free or a write out of bounds stops the run with a report.
TEST_P(TimelineFuzzAsanTest, TwoHundredRandomEditsStayConsistent)
{
    const QString problem = openFuzzProject(dir, name, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TimelineFuzz fuzz(window, GetParam());
    const QStringList violations = fuzz.run(200);
    EXPECT_TRUE(violations.isEmpty()) << qPrintable(violations.join('\n') + "\ncommands:\n" + fuzz.commands().join('\n'));
    EXPECT_EQ(fuzz.commands().size(), 200);
}

INSTANTIATE_TEST_SUITE_P(Seeds, TimelineFuzzAsanTest, ::testing::Range(1u, 11u));

namespace {

// The desktop window, whose timeline reports its selection to the window's
// action states.
class SelectingWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    bool ready() const { return _previewWidget && _previewWidget->isValid() && !_isShowingHUD(); }
    EditScrollArea* timeline() const { return _timeline; }
    QAction* undoAction() const { return _actionUndo; }
    QAction* duplicateAction() const { return _actionDuplicateSegment; }
};

} // namespace

// Undo replaces every tile, the selected one too; its going is reported
// from its base destructor, when it is no longer a tile to read; closing
// destroys the preview surface, whose context goes after it.
TEST_F(HistoryTest, UndoReplacesASelectedTileAndTheWindowClosesCleanly)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    writeProject(dir, records);
    QPointer<SelectingWindow> window = new SelectingWindow(name, QString());
    ASSERT_FALSE(window->isOpenFailed());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (!waitFor([&] { return window->ready(); }, 60000))
        GTEST_SKIP() << "no OpenGL context for the preview";
    QApplication::setActiveWindow(window);
    SegmentWidget* tile = window->timeline()->trackWidgetAt(0)->segmentWidgetAt(0);
    ASSERT_NE(tile, nullptr);
    // The tile slides and grows to its place after loading: the press goes
    // to where it stays.
    QRect settled;
    ASSERT_TRUE(waitFor([&] {
        const QRect now = tile->geometry();
        const bool still = now == settled && !window->timeline()->isAnimatingTracks();
        settled = now;
        return still;
    }, 5000));
    ASSERT_TRUE(raiseUntilShownAt(tile, tile->rect().center()));
    const QPoint centre = window->mapFromGlobal(tile->mapToGlobal(tile->rect().center()));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    ASSERT_TRUE(waitFor([&] { return window->timeline()->selectedSegmentWidget() == tile; }, 5000));
    window->duplicateAction()->trigger();
    ASSERT_TRUE(waitFor([&] { return window->projectManager()->segmentCount() == 2; }, 5000));
    ASSERT_NE(window->timeline()->selectedSegmentWidget(), nullptr);
    window->undoAction()->trigger();
    EXPECT_TRUE(waitFor([&] { return window->projectManager()->segmentCount() == 1; }, 10000));
    EXPECT_EQ(window->timeline()->selectedSegmentWidget(), nullptr);
    window->close();
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }, 20000));
    delete window.data();
}

// Numbers no movie can hold, or no numbers at all, as a damaged project
// stores them: the window opens it with the sound segments as tiles, and
// no tile's geometry overflows.
TEST_F(HistoryTest, AProjectOfDamagedNumbersOpensAndClosesCleanly)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "far").set("TrackId", 1)
                                    .set("RangeStart", 3e38).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "long").set("TrackId", 2147483647)
                                    .set("RangeStart", 0).set("RangeDuration", 1e38)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "none").set("TrackId", 3)
                                    .set("RangeStart", "nan").set("RangeDuration", "-inf")));
    RecordBuilder title("TEXT");
    title.set("Text", "title").set("TrackId", 4).set("RangeStart", 1).set("RangeDuration", 2);
    auto transition = std::make_unique<SegmentAttributes>();
    transition->setText(QStringLiteral("TStart"), QStringLiteral("1e30"));
    transition->setText(QStringLiteral("TDuration"), QStringLiteral("nan"));
    title.attributes->resetTransitions().push_back(std::move(transition));
    records.push_back(std::move(title));
    writeProject(dir, records);
    QPointer<SelectingWindow> window = new SelectingWindow(name, QString());
    ASSERT_FALSE(window->isOpenFailed());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (!waitFor([&] { return window->ready(); }, 60000))
        GTEST_SKIP() << "no OpenGL context for the preview";
    EXPECT_EQ(window->projectManager()->segmentCount(), 2);
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 3.0f);
    window->close();
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }, 20000));
    delete window.data();
}

// Qt and the GL driver keep allocations until exit by design; the run is
// about out-of-bounds accesses and uses after free.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
