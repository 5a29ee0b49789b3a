#include "HistoryWindow.h"

namespace {

// Track ids come from one counter for the whole run; push it past any
// fixed-size table the rebuild might index with them.
void advanceTrackIdsTo(int first)
{
    GutterScrollArea gutter(nullptr);
    while (gutter.addTrackButton() < first - 1) {
        if (gutter.buttonCount() >= 256)
            gutter.deleteTrackButtons();
    }
}

} // namespace

// Built with AddressSanitizer: a rebuild that wrote outside its track table
// stops the run with a report.
TEST_F(HistoryTest, UndoAndRedoCyclesWithLargeTrackIdsStayInBounds)
{
    advanceTrackIdsTo(10300);
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "top").set("Text", "A").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "low").set("Text", "B").set("TrackId", 8)
                                    .set("RangeStart", 1).set("RangeDuration", 2)));
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_GE(window->timeline()->trackWidgetAt(0)->trackId(), 10300);
    Segment* top = segmentByUId(*window, "top");
    ASSERT_NE(top, nullptr);
    window->moveSegment(top, 4.0f);

    for (int cycle = 0; cycle < 20; ++cycle) {
        window->undoNow();
        ASSERT_FLOAT_EQ(top->rangeStart(), 0.0f) << cycle;
        window->redoNow();
        ASSERT_FLOAT_EQ(top->rangeStart(), 4.0f) << cycle;
        ASSERT_EQ(segmentByUId(*window, "top"), top);
        ASSERT_EQ(window->timeline()->trackWidgetCount(), 3) << cycle;
        ASSERT_EQ(window->projectManager()->segmentCount(), 2) << cycle;
    }
    EXPECT_GT(window->timeline()->trackWidgetAt(0)->trackId(), 10300 + 20 * 3);
}

// Qt and the GL driver keep allocations until exit by design; the run is
// about out-of-bounds accesses.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
