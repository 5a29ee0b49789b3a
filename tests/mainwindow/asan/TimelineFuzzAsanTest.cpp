#include "TimelineFuzz.h"
#include "WidgetAnimations.h"

namespace {

class TimelineFuzzAsanTest : public HistoryTest, public ::testing::WithParamInterface<uint32_t>
{
protected:
    void SetUp() override
    {
        name = QStringLiteral("TimelineFuzzAsan");
        HistoryTest::SetUp();
        // The tiles jump instead of sliding: the run plays ten times as
        // many commands in its time (the window test keeps the slides).
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

// Qt and the GL driver keep allocations until exit by design; the run is
// about out-of-bounds accesses and uses after free.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
