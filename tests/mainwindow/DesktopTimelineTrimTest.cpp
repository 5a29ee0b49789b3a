#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVGLWidget.h"
#include "AVSegment.h"
#include "CommandLineMedia.h"
#include "EditScrollArea.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MediaSegmentWidget.h"
#include "OpeningWindow.h"
#include "PointerWidget.h"
#include "ProjectTestSupport.h"
#include "TimelineMetrics.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsEffect>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The whole desktop window, with what the checks read opened up.
class TrimWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    EditScrollArea* timeline() const { return _timeline; }
    ProjectManager* manager() const { return _projectManager; }
    float scale() const { return _timelineScale; }
    PointerWidget* pointer() const { return _pointer; }
    float pointerTime() const { return _currentScrollTime(); }
    // The middle of the picture the preview shows now, as it puts it on screen.
    QRgb previewMiddle() const
    {
        const QImage frame = _previewWidget ? _previewWidget->grabFramebuffer() : QImage();
        return frame.isNull() ? 0 : frame.pixel(frame.width() / 2, frame.height() / 2);
    }
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

    // "clip": 6 s of a movie from 1 s on, red for 2 s and then green, with a
    // fade over its first second, made with the ffmpeg command line; a
    // caption "end" at 10 s on a track of its own. Empty when the window
    // opened on them.
    QString openClipWithAFade()
    {
        if (!makeMedia({"-f", "lavfi", "-i", "color=c=red:s=160x90:r=30:d=2", "-f", "lavfi", "-i",
                        "color=c=green:s=160x90:r=30:d=4", "-f", "lavfi", "-i", "sine=frequency=440:duration=6",
                        "-filter_complex", "[0:v][1:v]concat=n=2:v=1[v]", "-map", "[v]", "-map", "2:a",
                        "-c:v", "libx264", "-preset", "veryfast", "-g", "15", "-pix_fmt", "yuv420p",
                        "-c:a", "aac", dir + "/clip.mp4"}))
            return QStringLiteral("ffmpeg could not make the clip");
        RecordBuilder clip("MOVIE");
        clip.set("UId", "clip").set("File", "clip.mp4").set("TrackId", 1).set("RangeStart", 1)
            .set("RangeDuration", 6).set("TrimStart", 0).set("TrimDuration", 6);
        auto fade = std::make_unique<SegmentAttributes>();
        fade->resetState(true);
        fade->resetState(false);
        fade->setText(QStringLiteral("TStart"), QStringLiteral("0"));
        fade->setText(QStringLiteral("TDuration"), QString::number(1.0 / 6.0));
        clip.attributes->resetTransitions().push_back(std::move(fade));
        std::vector<RecordBuilder> records;
        records.push_back(std::move(clip));
        // The movie does not end the project: the preview is not held at its last picture.
        records.push_back(std::move(caption("end", 10.0f, 2.0f).set("TrackId", 2)));
        return openProject(records) ? QString() : QStringLiteral("no OpenGL context for the preview");
    }

    // The project of the records in a window, loaded; false when the
    // preview gets no GL context.
    bool openProject(std::vector<RecordBuilder>& records)
    {
        writeProject(dir, records);
        window = std::make_unique<TrimWindow>(name, QString());
        return !window->isOpenFailed() && window->openedAndLoaded();
    }

    // A click on the tile, as the user selects a segment.
    bool select(Segment* segment)
    {
        SegmentWidget* tile = tileOf(segment);
        if (!tile)
            return false;
        const QPoint at = inWindow(tile, QPoint(10, tile->height() / 2));
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (!toFront(at))
                continue;
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            if (waitFor([&] { return window->timeline()->selectedSegmentWidget() == tile; }, 3000))
                return true;
        }
        return false;
    }

    // Drags the play pointer by its handle over the ruler, dx pixels to the
    // right; the time it then stands at, or -1 when it did not move.
    float dragPointer(int dx)
    {
        QWindow* handle = window->windowHandle();
        PointerWidget* pointer = window->pointer();
        const QPoint at = inWindow(pointer, pointer->pointerRect().center());
        const float before = window->pointerTime();
        // Another test's window may take the drag's events: it is made again
        // until the pointer has moved.
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (!toFront(at))
                continue;
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(handle, at + QPoint(dx * step / 4, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at + QPoint(dx, 0));
            if (waitFor([&] { return window->pointerTime() > before; }, 3000))
                return window->pointerTime();
        }
        return -1.0f;
    }

    // The key sequence on the window, brought to the front first: a shortcut
    // reaches only the active window.
    void press(const QKeySequence& keys)
    {
        if (toFront(window->rect().center()))
            QTest::keySequence(window.get(), keys);
    }

    // Presses the keys until the command shows its result: a shortcut
    // reaches only the active window, which another test's may become.
    // Only for commands that a second press leaves as the first left them.
    bool pressUntil(const QKeySequence& keys, const std::function<bool()>& done)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            press(keys);
            if (waitFor(done, 6000))
                return true;
        }
        return false;
    }

    // Runs the command and answers the question it asks about the
    // transitions by a click on the entry with the text; whether it was asked.
    bool answering(const QString& entry, const std::function<void()>& command)
    {
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->text() == entry && !answered) {
                    answered = true;
                    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
                }
            }
        });
        poll.start(50);
        // A command whose keys another test's window took asks nothing: it is
        // given again, never once its question has shown.
        for (int attempt = 0; attempt < 5; ++attempt) {
            command();
            if (waitFor([&] { return answered || QApplication::activePopupWidget(); }, 6000))
                break;
        }
        return waitFor([&] { return answered && !QApplication::activePopupWidget(); }, 10000);
    }

    // The movie of the project that is not the clip, loaded into the engine
    // and standing at the time there too; null when it does not within the time.
    Segment* loadedPieceAt(float time)
    {
        Segment* piece = nullptr;
        waitFor([&] {
            ProjectManager* manager = window->manager();
            piece = nullptr;
            for (int index = 0; index < manager->segmentCount(); ++index) {
                Segment* segment = manager->segmentAt(index);
                if (segment->uid() != QLatin1String("clip") && segment->type() == QLatin1String("MOVIE"))
                    piece = segment;
            }
            const AVSegment* engine = piece ? window->engineSegment(piece) : nullptr;
            return engine && piece->state() == 4 && std::abs(piece->rangeStart() - time) < 1e-3
                && std::abs(engine->startTime() - time) < 1e-3;
        }, 30000);
        return piece;
    }

    // Whether the preview comes to show red at the pointer by itself and
    // keeps it for a second (a picture from before the last change is gone
    // by then): nothing here seeks or asks for a redraw.
    bool previewTurnsRed()
    {
        QElapsedTimer red;
        return waitFor([&] {
            if (!isRed(window->previewMiddle()))
                red.invalidate();
            else if (!red.isValid())
                red.start();
            return red.isValid() && red.elapsed() >= 1000;
        }, 10000);
    }

    // Where the engine has the two pieces end and begin, the pointer's time
    // and the colour the preview shows there.
    QString meeting(const Segment* left, const Segment* right, float time) const
    {
        const AVSegment* before = window->engineSegment(left);
        const AVSegment* after = window->engineSegment(right);
        if (!before || !after)
            return QStringLiteral("a piece has no engine segment");
        return QStringLiteral("the left piece ends at %1, the right one begins at %2, the pointer is at %3, preview %4")
            .arg(before->startTime() + before->duration(), 0, 'g', 9)
            .arg(after->startTime(), 0, 'g', 9)
            .arg(double(time), 0, 'g', 9).arg(window->previewMiddle(), 8, 16);
    }

    // Right-clicks at the window points, back to back, and then handles
    // every menu that pops up as the user of the tiles beside an edited
    // one would: a menu offering "Edit" is answered with it, any other is
    // closed. The entries of each menu come back in turn once a menu
    // offering the entry "until" has shown (a separator as "-"), or what
    // showed in 5 s.
    QList<QStringList> answerMenusOfRightClicks(const QList<QPoint>& points, const QString& until)
    {
        QList<QStringList> menus;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QStringList entries;
            QAction* edit = nullptr;
            for (QAction* action : menu->actions()) {
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (action->text() == QLatin1String("Edit"))
                    edit = action;
            }
            menus << entries;
            menu->close();
            if (edit)
                edit->trigger();
        });
        poll.start(50);
        for (const QPoint& at : points)
            QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
        waitFor([&] {
            return !QApplication::activePopupWidget()
                && std::any_of(menus.begin(), menus.end(), [&](const QStringList& entries) { return entries.contains(until); });
        }, 5000);
        return menus;
    }

    // Edits "a" and right-clicks "b", the tile just after it: 20 px right of
    // the edited tile's right trim bar (its reach is 40 px), which must open
    // no menu and leave the editing where it is, and 60 px further on, which
    // must open the menu of "b", whose "Edit" takes the editing over.
    void expectRightClicksBesideTheEditedTile(Segment* a, Segment* b)
    {
        ASSERT_TRUE(edit(a)) << "the double click did not open the tile for editing";
        SegmentWidget* edited = tileOf(a);
        SegmentWidget* beside = tileOf(b);
        const QLabel* bar = window->timeline()->rightTrimBar();
        const QPoint withinReach(beside->mapFromGlobal(bar->mapToGlobal(QPoint(bar->width() + 20, 0))).x(),
                                 beside->height() / 2);
        const QPoint beyondReach = withinReach + QPoint(60, 0);
        ASSERT_TRUE(beside->rect().contains(withinReach) && beside->rect().contains(beyondReach))
            << "the tile beside is " << beside->width() << " px wide";
        QSignalSpy handedOver(window->timeline(), &EditScrollArea::editScrollAreaDidFinishEditingSegmentImmediately);

        // The edited tile's own menu, under its bar, follows: once it has
        // shown, the click beside has had its turn.
        const QPoint underTheBar(edited->width() - 5, edited->height() / 2);
        const QList<QStringList> menus = answerMenusOfRightClicks(
            {inWindow(beside, withinReach), inWindow(edited, underTheBar)}, QStringLiteral("Finish Editing"));
        QStringList seen;
        for (const QStringList& entries : menus)
            seen << entries.join('|');
        ASSERT_EQ(menus.size(), 1) << "menus: " << qPrintable(seen.join(QStringLiteral(" then ")));
        EXPECT_EQ(menus.first().value(0), QStringLiteral("Finish Editing"));
        EXPECT_EQ(handedOver.count(), 0);
        EXPECT_EQ(window->timeline()->editingSegmentWidget(), edited);
        EXPECT_EQ(window->timeline()->selectedSegmentWidget(), edited);

        const QList<QStringList> besideMenus =
            answerMenusOfRightClicks({inWindow(beside, beyondReach)}, QStringLiteral("Edit"));
        EXPECT_EQ(besideMenus, QList<QStringList>{QStringList{"Edit"}});
        EXPECT_TRUE(waitFor([&] { return window->timeline()->editingSegmentWidget() == beside; }, 5000))
            << "Edit in the menu of the tile beside did not take the editing over";
    }

    static bool isRed(QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) < 70 && qBlue(pixel) < 70; }

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
    if (!openProject(records))
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

// With the play pointer inside a movie's tile, a split by Ctrl+L, its undo
// and its redo each leave the preview showing the picture at the pointer,
// without the timeline being moved. The pieces must meet with no sliver
// between them where the pointer stands, although their times are kept to
// six digits, and the piece after the cut, made anew (and again by the
// redo), must show its first picture once it has been pulled back to the cut.
TEST_F(DesktopTimelineTrim, SplitUndoAndRedoKeepThePictureAtThePointerOnThePreview)
{
    const QString failure = openClipWithAFade();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    Segment* clip = find(QStringLiteral("clip"));
    ASSERT_NE(clip, nullptr);
    ASSERT_TRUE(select(clip)) << "the tile did not take the click";
    // 40 px at the opening zoom: the pointer at 1 2/3 s, a time that no
    // float or six-digit text holds exactly, over the red part of the clip.
    ASSERT_FLOAT_EQ(window->scale(), 1.0f);
    const float cut = dragPointer(40);
    ASSERT_NEAR(cut, 40.0f / float(TimelineMetrics::pixelsPerSecond()), 1e-5) << "the pointer did not follow the drag";
    ASSERT_TRUE(previewTurnsRed()) << "the preview never showed the clip at the pointer";
    const int segments = window->manager()->segmentCount();

    ASSERT_TRUE(answering(QStringLiteral("Don't shorten the transition(s)"),
                          [&] { press(QKeySequence(QStringLiteral("Ctrl+L"))); }))
        << "Ctrl+L did not ask how to split";
    ASSERT_NEAR(clip->rangeStart() + clip->duration(), cut, 1e-3) << "the answer did not split the clip";
    Segment* piece = loadedPieceAt(cut);
    ASSERT_NE(piece, nullptr) << "the piece after the cut did not load";
    EXPECT_TRUE(previewTurnsRed()) << "not the picture at the pointer after the split: " << qPrintable(meeting(clip, piece, cut));

    // The split is the only step to undo, and nothing is left to redo after the redo.
    ASSERT_TRUE(pressUntil(QKeySequence::Undo, [&] { return window->manager()->segmentCount() == segments; }))
        << "Ctrl+Z did nothing";
    EXPECT_NEAR(clip->duration(), 6.0f, 1e-3);
    EXPECT_TRUE(previewTurnsRed()) << "not the picture at the pointer after the undo";

    ASSERT_TRUE(pressUntil(QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                           [&] { return window->manager()->segmentCount() == segments + 1; }))
        << "Ctrl+Shift+Z did nothing";
    piece = loadedPieceAt(cut);
    ASSERT_NE(piece, nullptr) << "the piece after the cut did not load again";
    EXPECT_LT(piece->rangeStart(), clip->rangeStart() + clip->duration() + 1e-6f) << qPrintable(meeting(clip, piece, cut));
    EXPECT_TRUE(previewTurnsRed()) << "not the picture at the pointer after the redo: " << qPrintable(meeting(clip, piece, cut));
    EXPECT_NEAR(window->pointerTime(), cut, 1e-3) << "the pointer moved";
}

// While a caption is edited, a right-click on the caption beside it, within
// the reach of the edited one's trim bar, belongs to the bar: no menu of
// the caption beside opens there, and editing stays where it is. Beyond
// that reach the caption beside offers its menu, whose "Edit" takes the
// editing over.
TEST_F(DesktopTimelineTrim, ARightClickWithinTheTrimBarsReachOpensNoMenuOfTheCaptionBeside)
{
    std::vector<RecordBuilder> records;
    records.push_back(caption("A", 0.0f, 3.0f));
    records.push_back(caption("B", 3.5f, 4.0f));
    if (!openProject(records))
        GTEST_SKIP() << "no OpenGL context for the preview";
    Segment* a = find("A");
    Segment* b = find("B");
    ASSERT_TRUE(a && b);
    expectRightClicksBesideTheEditedTile(a, b);
}

// The same on the movie track, with two pieces of a longer movie side by
// side: the edited piece's strip of the whole movie lies over the piece
// beside, which still offers its own menu beyond the trim bar's reach, as
// any other track's tile does, and none within it.
TEST_F(DesktopTimelineTrim, ARightClickBeyondTheTrimBarsReachOpensTheMenuOfTheMovieBeside)
{
    if (!makeMedia({"-f", "lavfi", "-i", "testsrc=s=160x90:r=30:d=20", "-f", "lavfi", "-i",
                    "sine=frequency=440:duration=20", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p",
                    "-c:a", "aac", dir + "/movie.mp4"}))
        GTEST_SKIP() << "ffmpeg could not make the movie";
    std::vector<RecordBuilder> records;
    for (const auto& [uid, start] : {std::pair<const char*, float>{"first", 0.0f}, {"second", 5.0f}}) {
        records.push_back(std::move(RecordBuilder("MOVIE").set("UId", uid).set("File", "movie.mp4").set("TrackId", 1)
                                        .set("RangeStart", start).set("RangeDuration", 5).set("TrimStart", start)
                                        .set("TrimDuration", 5)));
    }
    if (!openProject(records))
        GTEST_SKIP() << "no OpenGL context for the preview";
    Segment* first = find("first");
    Segment* second = find("second");
    ASSERT_TRUE(first && second);
    const auto* firstTile = qobject_cast<MediaSegmentWidget*>(tileOf(first));
    ASSERT_TRUE(firstTile && firstTile->editingBackgroundRect().contains(tileOf(second)->geometry()))
        << "the first piece's strip of the whole movie would not lie over the second piece";
    expectRightClicksBesideTheEditedTile(first, second);
}
