#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVVideoSegment.h"
#include "CommandLineMedia.h"
#include "DesktopProjectTest.h"
#include "EditScrollArea.h"
#include "MenuEntries.h"
#include "PointerWidget.h"
#include "ZoomButtons.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// The cut between the 4.9 s piece and the piece at 1.5 times its speed.
constexpr float kCut = 9.4f;
// Far below a pixel at any scale (1/96 s at 4): what single precision loses.
constexpr float kKept = 1e-4f;

// The whole desktop window; the play-head, the preview's time and the picture
// shown of the piece after the cut are read back.
class ZoomWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;

    float playHeadTime() const { return _currentScrollTime(); }
    float previewTime() const { return _engine->currentTime(); }
    int playHeadX() const { return _pointer->x(); }
    bool playing() const { return _playing; }
    bool scrolling() const { return _scrollAnimating; }
    EditScrollArea* timeline() const { return _timeline; }
    const Segment* piece(const QString& uid) const
    {
        const int index = _projectManager->indexOfSegmentUId(uid);
        return index >= 0 ? _projectManager->segmentAt(index) : nullptr;
    }
    AVVideoSegment* fastPiece() const
    {
        const Segment* segment = piece(QStringLiteral("fast"));
        return segment && _composition
            ? static_cast<AVVideoSegment*>(_composition->findSegment(uint32_t(segment->serialNumber())))
            : nullptr;
    }
    bool loaded() const
    {
        if (!_previewWidget || !_previewWidget->isValid() || _waitingHUD || !fastPiece())
            return false;
        for (const char* uid : {"long", "short", "fast"}) {
            const Segment* segment = piece(QString::fromLatin1(uid));
            if (!segment || segment->state() != 4)
                return false;
        }
        return true;
    }
    // The preview has drawn the picture of its time of the piece after the cut.
    bool settled() const
    {
        AVVideoSegment* fast = fastPiece();
        return fast->shownFrameMs() >= 0 && _engine->isRenderIdle()
            && _engine->showsNearCurrentTime(int32_t(piece(QStringLiteral("fast"))->serialNumber()));
    }
};

class DesktopZoom : public DesktopProjectTest<ZoomWindow>
{
protected:
    DesktopZoom() : DesktopProjectTest(QStringLiteral("Zoom")) {}

    // A movie cut into a long piece, a 4.9 s piece and a piece played at 1.5
    // times its speed, as footage is cut.
    QString open()
    {
        if (!makeMedia({"-f", "lavfi", "-i", "testsrc2=s=320x180:r=30:d=8", "-c:v", "mpeg4", "-q:v", "5", "-g", "30",
                        dir + "/clip.avi"}))
            return QStringLiteral("ffmpeg could not make the movie");
        const auto piece = [](const char* uid, double start, double duration, double trimStart, double speed) {
            return std::move(RecordBuilder("MOVIE").set("File", "clip.avi").set("UId", uid).set("TrackId", 1)
                                 .set("RangeStart", start).set("RangeDuration", duration * speed)
                                 .set("TrimStart", trimStart).set("TrimDuration", duration * speed)
                                 .set("Speed", speed));
        };
        std::vector<RecordBuilder> records;
        records.push_back(piece("long", 0.0, 4.5, 0.0, 1.0));
        records.push_back(piece("short", 4.5, kCut - 4.5, 3.0, 1.0));
        records.push_back(piece("fast", kCut, 2.0, 3.0, 1.5));
        return openProject(records);
    }

    // The zooms keep the play-head's time and place, and the preview its
    // time and picture, step by step.
    void expectZoomsKeepThePlayHead(const char* how, const std::function<void(bool in)>& zoom)
    {
        ASSERT_TRUE(waitFor([&] { return window->settled(); }, 10000));
        const float time = window->playHeadTime();
        const int x = window->playHeadX();
        const int64_t frameMs = window->fastPiece()->shownFrameMs();
        for (bool in : {true, false}) {
            for (int step = 1; step <= 9; ++step) {
                zoom(in);
                ASSERT_TRUE(waitFor([&] { return window->settled(); }, 10000)) << how << ", step " << step;
                const bool kept = std::abs(window->playHeadTime() - time) <= kKept && window->playHeadX() == x
                    && std::abs(window->previewTime() - time) <= kKept
                    && window->fastPiece()->shownFrameMs() == frameMs;
                EXPECT_TRUE(kept) << how << (in ? " in" : " out") << ", step " << step << ": the play-head went from "
                                  << time << " s to " << window->playHeadTime() << " s (on screen from " << x
                                  << " to " << window->playHeadX() << "), the preview to " << window->previewTime()
                                  << " s, its picture from " << frameMs << " ms to "
                                  << window->fastPiece()->shownFrameMs() << " ms";
                if (!kept)
                    return;
            }
        }
    }
};

} // namespace

// Jumped to the cut, and paused after playing past it: the play-head stands
// at the view's left edge with the content scrolled under it. Nine zooms in
// and nine out by the buttons, then by Ctrl+wheel, keep its time, the
// preview's time and picture.
TEST_F(DesktopZoom, ZoomsKeepThePlayHeadAndThePictureAfterAJumpAndAfterPlaying)
{
    const QString failure = open();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    const ZoomButtons zoom(window->timeline());
    ASSERT_TRUE(zoom.in && zoom.out);

    for (int jump = 0; jump < 2; ++jump) {
        ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Next Position")));
        ASSERT_TRUE(waitFor([&] { return !window->scrolling(); }, 5000));
    }
    ASSERT_GE(window->playHeadTime(), kCut);
    ASSERT_LT(window->playHeadTime(), kCut + 0.05f);
    expectZoomsKeepThePlayHead("buttons after the jump", [&](bool in) {
        QTest::mouseClick(in ? zoom.in : zoom.out, Qt::LeftButton);
    });

    AVVideoSegment* fast = window->fastPiece();
    const int64_t jumpedMs = fast->shownFrameMs();
    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Play/Pause")));
    ASSERT_TRUE(waitFor([&] { return window->playing() && fast->shownFrameMs() >= jumpedMs + 300; }, 10000));
    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Play/Pause")));
    ASSERT_TRUE(waitFor([&] { return !window->playing(); }, 5000));
    QWidget* viewport = window->timeline()->viewport();
    expectZoomsKeepThePlayHead("Ctrl+wheel after playing", [&](bool in) {
        const QPointF at(200, 30);
        QWheelEvent wheel(at, viewport->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, in ? 120 : -120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
    });
}

// Zoomed out, where a pixel is longer than a picture of the piece after the
// cut, Ctrl+Right twice goes to the cut: the play-head stands on the cut
// itself, and a zoom in keeps it there and the preview on the cut's picture.
TEST_F(DesktopZoom, CtrlRightToACutPutsThePlayHeadOnTheCutItself)
{
    const QString failure = open();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    const ZoomButtons zoom(window->timeline());
    ASSERT_TRUE(zoom.in && zoom.out);
    QTest::mouseClick(zoom.out, Qt::LeftButton);
    QTest::mouseClick(zoom.out, Qt::LeftButton);

    for (int jump = 0; jump < 2; ++jump) {
        // Shortcuts reach the active window only, and another test's window
        // on the same display may take the keyboard at any time.
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(window->isActiveWindow());
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+Right")));
        ASSERT_TRUE(waitFor([&] { return !window->scrolling(); }, 5000));
    }
    ASSERT_TRUE(waitFor([&] { return window->settled(); }, 10000));
    EXPECT_NEAR(window->playHeadTime(), kCut, kKept) << "after the jump";
    const int64_t cutFrameMs = window->fastPiece()->shownFrameMs();

    QTest::mouseClick(zoom.in, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return window->settled(); }, 10000));
    EXPECT_NEAR(window->playHeadTime(), kCut, kKept) << "after the zoom";
    EXPECT_NEAR(window->previewTime(), kCut, kKept);
    EXPECT_EQ(window->fastPiece()->shownFrameMs(), cutFrameMs) << "the zoom showed another picture";
}
