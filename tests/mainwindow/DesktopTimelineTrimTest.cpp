#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVGLWidget.h"
#include "AVSegment.h"
#include "EditScrollArea.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"
#include "TimelineMetrics.h"

#include <QApplication>
#include <QGraphicsEffect>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The whole desktop window, with what the checks read opened up.
class TrimWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    EditScrollArea* timeline() const { return _timeline; }
    ProjectManager* manager() const { return _projectManager; }
    float scale() const { return _timelineScale; }
    AVSegment* engineSegment(const Segment* segment) const
    {
        return _composition ? _composition->findSegment(uint32_t(segment->serialNumber())) : nullptr;
    }
    bool openedAndLoaded()
    {
        resize(1600, 900);
        show();
        activateWindow();
        // Shown is enough here: the presses bring the window to the front.
        return QTest::qWaitForWindowExposed(this)
            && waitFor(
                [this] {
                    if (!_previewWidget || !_previewWidget->isValid() || _waitingHUD || !_composition)
                        return false;
                    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
                        if (!engineSegment(_projectManager->segmentAt(index)))
                            return false;
                    }
                    return _projectManager->segmentCount() > 0;
                },
                60000);
    }
};

class DesktopTimelineTrim : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A help tip in front would turn the presses on the tiles away.
        markHelpTipsSeen();
        dir = product.projectDir(name);
    }
    void TearDown() override { window.reset(); }

    static RecordBuilder caption(const char* words, float start, float duration)
    {
        return std::move(RecordBuilder("TEXT").set("Text", words).set("UId", words).set("TrackId", 1)
                             .set("RangeStart", start).set("RangeDuration", duration).set("FontSize", 20));
    }

    QPoint inWindow(QWidget* widget, const QPoint& point) const
    {
        return window->mapFromGlobal(widget->mapToGlobal(point));
    }

    SegmentWidget* tileOf(const Segment* segment) const
    {
        return qobject_cast<SegmentWidget*>(window->manager()->segmentWidgetFor(segment));
    }

    Segment* find(const QString& uid) const
    {
        ProjectManager* manager = window->manager();
        const int index = manager->indexOfSegmentUId(uid);
        return index >= 0 ? manager->segmentAt(index) : nullptr;
    }

    // A double click on the tile, as the user opens a segment for editing.
    bool edit(Segment* segment)
    {
        SegmentWidget* tile = tileOf(segment);
        if (!tile)
            return false;
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           inWindow(tile, tile->rect().center()));
        if (!waitFor([&] { return window->timeline()->editingSegmentWidget() == tile && window->timeline()->rightTrimBar(); },
                     5000))
            return false;
        // The bars fade in and ride down with the tracks: a press is aimed
        // only once the right bar sits at rest on the tile's right end.
        return waitFor(
            [&] {
                QLabel* bar = window->timeline()->rightTrimBar();
                if (!bar)
                    return false;
                const QGraphicsEffect* fade = bar->graphicsEffect();
                const QPoint barFoot = bar->mapToGlobal(QPoint(bar->width() / 2, bar->height()));
                const QPoint tileEnd = tile->mapToGlobal(QPoint(tile->width(), tile->height()));
                return (!fade || !fade->isEnabled()) && std::abs(barFoot.x() - tileEnd.x()) <= 1
                    && barFoot.y() == tileEnd.y();
            },
            5000);
    }

    // Brings the window to the front and makes it the active one. Another
    // window on the same screen may cover it or take the focus a moment.
    bool toFront(const QPoint& at)
    {
        return waitFor(
            [&] {
                window->raise();
                window->activateWindow();
                QWidget* top = QApplication::widgetAt(window->mapToGlobal(at));
                return window->isActiveWindow() && top && top->window() == window.get();
            },
            20000);
    }

    // Presses the bar, drags it by dx pixels in steps and lets it go. The
    // timeline holds a press back a moment to tell a scroll from a tap, then
    // hands it to whatever window is on top there; a move before that would
    // scroll instead. So the drag starts once the timeline is trimming, and
    // a press that never came through (another window was on top) is made
    // again. False when the bar never took the press.
    bool dragBar(QLabel* bar, int dx)
    {
        QWindow* handle = window->windowHandle();
        const QPoint at = inWindow(bar, {bar->width() / 2, bar->height() - 10});
        bool taken = false;
        for (int attempt = 0; attempt < 5 && !taken; ++attempt) {
            if (!toFront(at))
                continue;
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
            taken = waitFor([&] { return window->timeline()->isBusy(); }, 3000);
            if (!taken)
                QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at);
        }
        if (!taken)
            return false;
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(handle, at + QPoint(dx * step / 4, 0));
            QTest::qWait(20);
        }
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at + QPoint(dx, 0));
        return waitFor([&] { return !window->timeline()->isBusy(); }, 5000);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString name = QStringLiteral("Trim");
    QString dir;
    std::unique_ptr<TrimWindow> window;
};

} // namespace

// Overwrite mode: a caption lengthened over the next one by its trim bar
// takes that stretch over; the next caption keeps only what lies after it,
// in the model, on the timeline, in the engine and in the saved file.
TEST_F(DesktopTimelineTrim, InOverwriteModeATrimOverTheNextCaptionCutsItsFront)
{
    std::vector<RecordBuilder> records;
    records.push_back(caption("A", 0.0f, 2.0f));
    records.push_back(caption("B", 4.0f, 2.0f));
    writeProject(dir, records);
    window = std::make_unique<TrimWindow>(name, QString());
    if (window->isOpenFailed() || !window->openedAndLoaded())
        GTEST_SKIP() << "no OpenGL context for the preview";
    Segment* a = find("A");
    Segment* b = find("B");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);

    // The shortcut reaches only the active window, and another window on
    // the same screen may take that a moment: press again once it is back.
    for (int attempt = 0; attempt < 10 && window->manager()->segmentMode() != 1; ++attempt) {
        if (toFront(window->rect().center()))
            QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
    }
    ASSERT_EQ(window->manager()->segmentMode(), 1) << "Alt+I turns overwrite mode on";
    ASSERT_TRUE(edit(a));
    const float pixelsPerSecond = float(TimelineMetrics::pixelsPerSecond()) * window->scale();
    ASSERT_TRUE(dragBar(window->timeline()->rightTrimBar(), int(std::lround(3.0f * pixelsPerSecond))))
        << "the right trim bar did not take the press";

    EXPECT_NEAR(a->rangeStart(), 0.0f, 1e-3);
    EXPECT_NEAR(a->duration(), 5.0f, 0.05f);
    const float aEnd = a->rangeStart() + a->duration();
    EXPECT_NEAR(b->rangeStart(), aEnd, 1e-3);
    EXPECT_NEAR(b->rangeStart() + b->duration(), 6.0f, 1e-3);
    ASSERT_NE(window->engineSegment(b), nullptr);
    EXPECT_NEAR(window->engineSegment(b)->startTime(), b->rangeStart(), 1e-3);
    EXPECT_NEAR(window->engineSegment(b)->duration(), b->duration(), 1e-3);
    EXPECT_EQ(tileOf(b)->geometry().x(), TimelineMetrics::tileX(b->rangeStart(), window->scale()));
    EXPECT_EQ(window->manager()->segmentCount(), 2);

    ProjectManager* manager = window->manager();
    ASSERT_EQ(manager->saveSegments(manager->projectName(), manager->projectFolder()), 0);
    SegmentRecords saved;
    ASSERT_EQ(ProjectManager::loadSegments(saved, manager->projectName(), manager->projectFolder()), 0);
    ASSERT_EQ(saved.size(), 2u);
    std::vector<std::pair<float, float>> spans;
    for (const auto& record : saved) {
        const QString* start = record->findText(QStringLiteral("RangeStart"));
        const QString* duration = record->findText(QStringLiteral("RangeDuration"));
        ASSERT_TRUE(start && duration);
        spans.emplace_back(start->toFloat(), duration->toFloat());
    }
    std::sort(spans.begin(), spans.end());
    EXPECT_LE(spans[0].first + spans[0].second, spans[1].first + 1e-3f) << "saved spans overlap";
    EXPECT_NEAR(spans[1].first + spans[1].second, 6.0f, 1e-3);
}
