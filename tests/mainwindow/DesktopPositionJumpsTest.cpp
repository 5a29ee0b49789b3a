#include "DesktopMainWindow.h"

#include "DesktopProjectTest.h"
#include "EditScrollArea.h"
#include "MenuEntries.h"
#include "ZoomButtons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The whole desktop window on a project of its own; the play pointer's time is read back.
class JumpsWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;

    float pointerTime() const { return _currentScrollTime(); }
    EditScrollArea* timeline() const { return _timeline; }
    SegmentWidget* tileOf(const QString& uid) const
    {
        const int index = _projectManager->indexOfSegmentUId(uid);
        if (index < 0)
            return nullptr;
        return qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(_projectManager->segmentAt(index)));
    }

    bool loaded() const
    {
        return _previewWidget && _previewWidget->isValid() && !_waitingHUD
            && everySegmentInEngine(*_projectManager, _composition);
    }

    // Runs the press and waits until the timeline has come to rest under the pointer.
    float jumpWith(const std::function<void()>& press)
    {
        press();
        waitFor([this] { return !_scrollAnimating; }, 5000);
        QTest::qWait(50);
        return _currentScrollTime();
    }

    QAction* movieEntry(const QString& text) const
    {
        return entryTitled(menuTitled(menuBar(), QStringLiteral("Movie")), text);
    }
};

class DesktopPositionJumps : public DesktopProjectTest<JumpsWindow>
{
protected:
    DesktopPositionJumps() : DesktopProjectTest(QStringLiteral("Jumps")) {}

    // Four tracks starting at 0 s; later starts at 3.04 s (the second piece
    // of a picture cut in two), 4.125 s (a sticker) and 5 s (a caption).
    QString open()
    {
        if (QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                          "color=c=red:s=320x180", "-frames:v", "1",
                                                          dir + "/red.png"})
            != 0)
            return QStringLiteral("ffmpeg could not make the picture");
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("IMAGE").set("File", "red.png").set("UId", "box1").set("TrackId", 1)
                                        .set("RangeStart", 0).set("RangeDuration", 3.04)));
        records.push_back(std::move(RecordBuilder("IMAGE").set("File", "red.png").set("UId", "box2").set("TrackId", 1)
                                        .set("RangeStart", 3.04).set("RangeDuration", 3.96)));
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "title").set("Text", "a").set("TrackId", 2)
                                        .set("RangeStart", 0).set("RangeDuration", 7)));
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "note").set("Text", "b").set("TrackId", 3)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        records.push_back(std::move(RecordBuilder("IMAGE").set("File", "red.png").set("UId", "sticker")
                                        .set("TrackId", 3).set("RangeStart", 4.125).set("RangeDuration", 2)));
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "intro").set("Text", "c").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 1)));
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "outro").set("Text", "d").set("TrackId", 4)
                                        .set("RangeStart", 5).set("RangeDuration", 2)));
        return openProject(records);
    }
};

} // namespace

// The Movie menu's entries and their shortcuts walk the segment starts forward and back.
TEST_F(DesktopPositionJumps, MovieMenuEntriesAndShortcutsWalkTheStarts)
{
    const QString failure = open();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    QAction* next = window->movieEntry(QStringLiteral("Next Position"));
    QAction* previous = window->movieEntry(QStringLiteral("Previous Position"));
    ASSERT_NE(next, nullptr);
    ASSERT_NE(previous, nullptr);
    ASSERT_NEAR(window->pointerTime(), 0.0f, 0.05f);
    EXPECT_NEAR(window->jumpWith([&] { next->trigger(); }), 3.04f, 0.05f);
    EXPECT_NEAR(window->jumpWith([&] { next->trigger(); }), 4.125f, 0.05f);
    EXPECT_NEAR(window->jumpWith([&] { previous->trigger(); }), 3.04f, 0.05f);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto keys = [&](const char* sequence) {
        return [&, sequence] { QTest::keySequence(window.get(), QKeySequence(QString::fromLatin1(sequence))); };
    };
    EXPECT_NEAR(window->jumpWith(keys("Ctrl+Right")), 4.125f, 0.05f);
    EXPECT_NEAR(window->jumpWith(keys("Ctrl+Right")), 5.0f, 0.05f);
    EXPECT_NEAR(window->jumpWith(keys("Ctrl+Left")), 4.125f, 0.05f);
}

// Zoomed out, scrolling to a start lands the pointer up to a pixel past it;
// going back still passes every start, from the button, the menu and the
// key, with a segment selected or none.
TEST_F(DesktopPositionJumps, PreviousPassesEveryStartWhenZoomedOut)
{
    const QString failure = open();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    QPushButton* zoomOut = ZoomButtons(window->timeline()).out;
    ASSERT_NE(zoomOut, nullptr);
    QTest::mouseClick(zoomOut, Qt::LeftButton);
    QTest::mouseClick(zoomOut, Qt::LeftButton);
    auto* nextButton = window->findChild<QPushButton*>(QStringLiteral("nextPosButton"));
    auto* previousButton = window->findChild<QPushButton*>(QStringLiteral("previousPosButton"));
    QAction* previous = window->movieEntry(QStringLiteral("Previous Position"));
    ASSERT_TRUE(nextButton && previousButton && previous);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto click = [](QPushButton* button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };
    const std::function<void()> backs[] = {
        click(previousButton), [&] { previous->trigger(); },
        [&] { QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+Left"))); }};

    for (bool selected : {false, true}) {
        if (selected) {
            SegmentWidget* tile = window->tileOf(QStringLiteral("title"));
            ASSERT_NE(tile, nullptr);
            QTest::mouseClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(5, tile->height() / 2));
            ASSERT_TRUE(waitFor([&] { return window->timeline()->selectedSegmentWidget() == tile; }, 3000));
        }
        for (float start : {3.04f, 4.125f, 5.0f})
            ASSERT_NEAR(window->jumpWith(click(nextButton)), start, 0.1f);
        const float expected[] = {4.125f, 3.04f, 0.0f};
        for (int step = 0; step < 3; ++step)
            EXPECT_NEAR(window->jumpWith(backs[step]), expected[step], 0.1f)
                << "step " << step << (selected ? " with a segment selected" : "");
    }
}
