#include "HistoryWindow.h"

#include "AVSegment.h"
#include "CommandLineMedia.h"
#include "HeldPool.h"
#include "MenuEntries.h"
#include "MovieSegment.h"
#include "NameSquatter.h"
#include "RaisedUnder.h"
#include "SegmentKeys.h"
#include "TimelineMetrics.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWidgetAction>

#include <memory>

namespace {

// The window with the segment commands open to the tests.
class SplitWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::_grabbedImagePath;
    using MainWindow::_pushSegmentProperties;
    using MainWindow::_splitSegmentKeepingTransitions;
    using MainWindow::editScrollArea_copySegment;
    using MainWindow::editScrollArea_grabSegmentScreen;
    using MainWindow::editScrollArea_onPopupContextMenuForSegmentWidget;
    using MainWindow::editScrollArea_splitSegment;
    using MainWindow::_initEditScrollArea;

    // The play pointer over the time, the content left where it is.
    void placePlayHead(float time)
    {
        _pointerOffset = TimelineMetrics::timeToPixels(time, _timelineScale) - _timeline->contentOffsetX();
    }
    float playHeadTime() const { return _currentScrollTime(); }
    bool scrollAnimating() const { return _scrollAnimating; }
};

// Colour of the preview's middle at the time, once the drawing shows the
// expected one (or the time is up).
QRgb previewColourAt(SplitWindow& window, float time, const std::function<bool(QRgb)>& expected)
{
    window._seekPreview(time, true);
    QRgb pixel = 0;
    waitFor([&] {
        window.engine()->requestRedraw();
        const QImage frame = window.preview()->grabFramebuffer();
        pixel = frame.isNull() ? 0 : frame.pixel(frame.width() / 2, frame.height() / 2);
        return expected(pixel);
    }, 5000);
    return pixel;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > 90 && qRed(pixel) < 70 && qBlue(pixel) < 70;
}

QString stored(const Segment* segment, int id, const QString& key)
{
    return Segment::stringAttribute(segment->transitionAt(id), key);
}

class SplitCopyTest : public HistoryTest
{
protected:
    void SetUp() override
    {
        name = QStringLiteral("SplitCopy");
        HistoryTest::SetUp();
    }
    void TearDown() override { window.reset(); }

    // "clip": 6 s, red for 2 s and then green; "next": the same file after it.
    // Ctrl+D copies the selected tile; the shortcut reaches the active window only.
    void selectClipInActiveWindow()
    {
        window->_initEditScrollArea();
        ASSERT_TRUE(activateUntilActive(window.get()));
        window->timeline()->setSelectedSegmentWidget(widgetOf(clip()));
    }

    QString openClips(float nextStart = 6.0f, float nextDuration = 6.0f)
    {
        if (!makeMedia({"-f", "lavfi", "-i", "color=c=red:s=160x90:r=30:d=2", "-f", "lavfi", "-i",
                        "color=c=green:s=160x90:r=30:d=4", "-filter_complex", "[0:v][1:v]concat=n=2:v=1",
                        "-c:v", "libx264", "-preset", "veryfast", "-g", "15", "-pix_fmt", "yuv420p",
                        dir + "/clip.mp4"}))
            return QStringLiteral("ffmpeg could not make the clip");
        std::vector<RecordBuilder> records;
        records.push_back(movie("clip", 0.0f, 6.0f));
        records.push_back(movie("next", nextStart, nextDuration));
        return openProject(records, window);
    }

    static RecordBuilder movie(const char* uid, float start, float duration)
    {
        return std::move(RecordBuilder("MOVIE").set("UId", uid).set("File", "clip.mp4").set("TrackId", 1)
                             .set("RangeStart", start).set("RangeDuration", duration).set("TrimStart", 0)
                             .set("TrimDuration", duration));
    }

    Segment* clip() { return segmentByUId(*window, "clip"); }
    Segment* next() { return segmentByUId(*window, "next"); }
    // The segment of the project that is neither of the opened ones.
    Segment* newPiece()
    {
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            if (segment != clip() && segment != next())
                return segment;
        }
        return nullptr;
    }
    AVSegment* engineSegment(const Segment* segment)
    {
        return segment ? window->composition()->findSegment(uint32_t(segment->serialNumber())) : nullptr;
    }
    // The piece is loaded with its engine segment and the split's timing step has run.
    bool settled(Segment* piece, float pieceStart)
    {
        if (!piece)
            return false;
        return waitFor([&] {
            if (piece->state() != 4)
                return false;
            const AVSegment* engine = engineSegment(piece);
            return engine && std::abs(engine->startTime() - pieceStart) < 1e-4
                && std::abs(piece->rangeStart() - pieceStart) < 1e-4;
        }, 30000);
    }

    // Adds a transition over [start, start + length) of the segment's own time.
    static int addTransition(Segment* segment, float start, float length)
    {
        if (!segment->attributes()->transitions())
            segment->attributes()->resetTransitions();
        auto entry = std::make_unique<SegmentAttributes>();
        entry->resetState(true);
        entry->resetState(false);
        Segment::setFloatAttribute(entry.get(), SegmentKey::TStart, start / segment->duration());
        Segment::setFloatAttribute(entry.get(), SegmentKey::TDuration, length / segment->duration());
        return segment->addTransition(entry, start);
    }

    // Runs the command while answering the popup menu it opens, then or
    // later, by the entry's text; the entries it listed come back (a label
    // by its rich text, a separator as "-"), the size it draws icons at in
    // popupIconSize.
    QStringList choosePopupEntry(const QString& text, const std::function<void()>& command)
    {
        QStringList entries;
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                if (clock.elapsed() > 10000)
                    poll.stop();
                return;
            }
            poll.stop();
            popupIconSize = menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu);
            for (QAction* action : menu->actions()) {
                if (auto* label = qobject_cast<QWidgetAction*>(action))
                    entries << qobject_cast<QLabel*>(label->defaultWidget())->text();
                else
                    entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == text)
                    action->trigger();
            }
            menu->close();
        });
        poll.start(50);
        command();
        waitFor([&] { return !poll.isActive(); }, 10000);
        return entries;
    }

    SegmentWidget* widgetOf(const Segment* segment)
    {
        return qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
    }
    // The key on the timeline, once any scroll the last one started is over.
    void pressOnTimeline(Qt::Key key)
    {
        ASSERT_TRUE(waitFor([&] { return !window->scrollAnimating(); }, 3000));
        QTest::keyClick(window->timeline(), key);
    }
    // A loaded machine may keep the renderer busy with the new piece for a while.
    void undoOnceIdle()
    {
        ASSERT_TRUE(waitFor([&] { return window->engine()->isRenderIdle(); }, 30000));
        window->undoNow();
    }
    Segment* selectedSegment()
    {
        SegmentWidget* selected = window->timeline()->selectedSegmentWidget();
        return selected ? selected->segment() : nullptr;
    }

    std::unique_ptr<SplitWindow> window;
    int popupIconSize = 0;
};

} // namespace

TEST_F(SplitCopyTest, SplitAtThePlayHeadGivesTwoPiecesAndTheNextSegmentStaysWhereItWas)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    const int steps = manager->history().count();
    window->placePlayHead(2.0f);
    ASSERT_NEAR(window->playHeadTime(), 2.0f, 1e-4);

    window->editScrollArea_splitSegment(clip());
    ASSERT_EQ(manager->segmentCount(), 3);
    Segment* right = newPiece();
    ASSERT_NE(right, nullptr);
    ASSERT_TRUE(settled(right, 2.0f));
    EXPECT_EQ(manager->history().count(), steps + 1);

    EXPECT_FLOAT_EQ(clip()->rangeStart(), 0.0f);
    EXPECT_NEAR(clip()->duration(), 2.0f, 1e-4);
    EXPECT_NEAR(right->duration(), 4.0f, 1e-4);
    EXPECT_NEAR(static_cast<MovieSegment*>(right)->trimStart(), 2.0f, 1e-4);
    EXPECT_NEAR(next()->rangeStart(), 6.0f, 1e-4);
    EXPECT_EQ(right->trackId(), clip()->trackId());
    EXPECT_NEAR(engineSegment(right)->startTime(), 2.0, 1e-4);
    EXPECT_NEAR(engineSegment(right)->duration(), 4.0, 1e-4);
    EXPECT_NEAR(engineSegment(clip())->duration(), 2.0, 1e-4);
    EXPECT_NEAR(engineSegment(next())->startTime(), 6.0, 1e-4);
    // Each piece shows its own part of the clip: red before the cut, the green after it.
    EXPECT_TRUE(isRed(previewColourAt(*window, 1.0f, isRed)));
    EXPECT_TRUE(isGreen(previewColourAt(*window, 2.5f, isGreen)));
    EXPECT_TRUE(manager->isModified());

    undoOnceIdle();
    ASSERT_EQ(manager->segmentCount(), 2);
    EXPECT_NEAR(clip()->duration(), 6.0f, 1e-4);
    EXPECT_NEAR(next()->rangeStart(), 6.0f, 1e-4);
}

TEST_F(SplitCopyTest, TooCloseToAnEndTheSplitAsksToMoveAndChangesNothing)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    const int steps = manager->history().count();
    window->takeHeadsUps();
    for (float time : {0.04f, 5.96f, 6.5f}) {
        window->placePlayHead(time);
        window->editScrollArea_splitSegment(clip());
        EXPECT_EQ(window->takeHeadsUps(), QStringList{"Move timeline to the position to split"}) << time;
    }
    EXPECT_EQ(manager->segmentCount(), 2);
    EXPECT_NEAR(clip()->duration(), 6.0f, 1e-4);
    EXPECT_EQ(manager->history().count(), steps);

    // Just past the margin the split goes on.
    window->placePlayHead(0.1f);
    window->editScrollArea_splitSegment(clip());
    EXPECT_TRUE(window->takeHeadsUps().isEmpty());
    EXPECT_EQ(manager->segmentCount(), 3);
}

TEST_F(SplitCopyTest, KeepingTransitionsDropsTheOneAcrossTheCutAndKeepsTheOthersWhereTheyPlay)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* left = clip();
    addTransition(left, 0.5f, 0.5f);
    const int across = addTransition(left, 1.5f, 1.0f);
    const int last = addTransition(left, 3.0f, 1.0f);
    // The right piece starts as the left one looks at the end of its last kept transition.
    left->setTransitionUserTransparency(1, false, 0.4f);
    left->setTransitionUserTransparency(across, false, 0.7f);
    left->setTransitionUserTransparency(last, false, 0.9f);
    window->_pushSegmentProperties(left);
    window->placePlayHead(2.0f);

    const QStringList entries = choosePopupEntry(QStringLiteral("Don't shorten the transition(s)"),
                                                 [&] { window->editScrollArea_splitSegment(left); });
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[0].contains("How to deal with the existing transition(s)?"));
    EXPECT_TRUE(entries[0].contains("#36c8ff"));
    EXPECT_EQ(entries.mid(1), QStringList({"Duplicate and shorten the transition(s)", "Don't shorten the transition(s)"}));
    Segment* right = newPiece();
    ASSERT_NE(right, nullptr);
    ASSERT_TRUE(settled(right, 2.0f));

    // Sixths of the clip are stored to six digits: a quarter of a piece
    // comes back within that rounding, not as the exact text.
    ASSERT_EQ(left->transitionCount(), 1);
    EXPECT_NEAR(stored(left, 1, "TStart").toFloat(), 0.25f, 1e-5);
    EXPECT_NEAR(stored(left, 1, "TDuration").toFloat(), 0.25f, 1e-5);
    ASSERT_EQ(right->transitionCount(), 1);
    EXPECT_NEAR(stored(right, 1, "TStart").toFloat(), 0.25f, 1e-5);
    EXPECT_NEAR(stored(right, 1, "TDuration").toFloat(), 0.25f, 1e-5);
    EXPECT_NEAR(right->rangeStart() + right->transitionStart(1), 3.0f, 1e-4);
    EXPECT_FLOAT_EQ(right->userTransparency(), 0.4f);
}

TEST_F(SplitCopyTest, DuplicatingTransitionsKeepsEveryOneAtItsFractionOfEachPiece)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* left = clip();
    const int fade = addTransition(left, 0.0f, 1.5f);
    Segment::setStringAttribute(left->transitionAt(fade), SegmentKey::TStart, "0");
    Segment::setStringAttribute(left->transitionAt(fade), SegmentKey::TDuration, "0.25");
    window->_pushSegmentProperties(left);
    window->placePlayHead(2.0f);

    choosePopupEntry(QStringLiteral("Duplicate and shorten the transition(s)"),
                     [&] { window->editScrollArea_splitSegment(left); });
    Segment* right = newPiece();
    ASSERT_NE(right, nullptr);
    ASSERT_TRUE(settled(right, 2.0f));
    for (Segment* piece : {left, right}) {
        ASSERT_EQ(piece->transitionCount(), 1);
        EXPECT_EQ(stored(piece, 1, "TStart"), "0");
        EXPECT_EQ(stored(piece, 1, "TDuration"), "0.25");
    }
    EXPECT_NEAR(left->transitionDuration(1), 0.5f, 1e-4);
    EXPECT_NEAR(right->transitionDuration(1), 1.0f, 1e-4);
}

// The Split entry on a segment with a transition asks how to split, its
// choices drawn with large icons; answered by nothing, nothing is cut.
TEST_F(SplitCopyTest, TheSplitEntryAsksHowToSplitWithLargeIcons)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    addTransition(clip(), 0.5f, 0.5f);
    window->_pushSegmentProperties(clip());
    window->placePlayHead(2.0f);
    window->_initEditScrollArea();
    window->timeline()->setSelectedSegmentWidget(widgetOf(clip()));

    const QStringList entries = choosePopupEntry(QString(), [&] { ASSERT_TRUE(triggerEntry(window.get(), "Split")); });
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(popupIconSize, 24);
    EXPECT_EQ(window->projectManager()->segmentCount(), 2);
}

TEST_F(SplitCopyTest, ACopyGoesAfterItsSourcePushingOrOverwritingWhatFollows)
{
    const QString problem = openClips(6.0f, 3.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    const int steps = manager->history().count();

    // Insert mode: the next segment moves on by the copy's length.
    window->editScrollArea_copySegment(clip());
    Segment* copy = newPiece();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(manager->history().count(), steps + 1);
    EXPECT_NEAR(copy->rangeStart(), 6.0f, 1e-4);
    EXPECT_NEAR(copy->duration(), 6.0f, 1e-4);
    EXPECT_EQ(copy->trackId(), clip()->trackId());
    EXPECT_NE(Segment::stringAttribute(copy->attributes(), SegmentKey::UId),
              Segment::stringAttribute(clip()->attributes(), SegmentKey::UId));
    EXPECT_NEAR(next()->rangeStart(), 12.0f, 1e-4);
    ASSERT_TRUE(settled(copy, 6.0f));
    EXPECT_NEAR(engineSegment(next())->startTime(), 12.0, 1e-4);
    undoOnceIdle();
    ASSERT_EQ(manager->segmentCount(), 2);
    EXPECT_NEAR(next()->rangeStart(), 6.0f, 1e-4);

    // Overwrite mode: the copy covers [6, 12) and takes the place of what lay there.
    manager->setSegmentMode(1);
    window->editScrollArea_copySegment(clip());
    EXPECT_EQ(manager->segmentCount(), 2);
    EXPECT_EQ(next(), nullptr);
    ASSERT_NE(newPiece(), nullptr);
    EXPECT_NEAR(newPiece()->rangeStart(), 6.0f, 1e-4);
}

TEST_F(SplitCopyTest, AGrabbedFrameIsSavedUnderPicturesAndASecondOneInTheSameSecondToo)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    const QString folder = QDir::homePath() + "/Pictures/Vidorna Pictures";
    ASSERT_TRUE(QDir::homePath().startsWith(QDir::tempPath())) << "HOME must be a temporary folder";
    window->takeHeadsUps();

    window->placePlayHead(8.0f);
    window->editScrollArea_grabSegmentScreen(clip());
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Move timeline to the position to grab image"});

    window->placePlayHead(1.0f);
    window->_seekPreview(1.0f, true);
    ASSERT_TRUE(isRed(previewColourAt(*window, 1.0f, isRed)));
    const QDateTime before = QDateTime::currentDateTime();
    window->editScrollArea_grabSegmentScreen(clip());
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Image saved to Pictures successfully"});
    window->editScrollArea_grabSegmentScreen(clip());
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Image saved to Pictures successfully"});

    const QStringList files = QDir(folder).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 2) << files.join(", ").toStdString();
    const QRegularExpression pattern(QStringLiteral("^IMG_(\\d{8}_\\d{6})(_2)?\\.png$"));
    const QRegularExpressionMatch first = pattern.match(files[0]);
    ASSERT_TRUE(first.hasMatch()) << files[0].toStdString();
    const QDateTime named = QDateTime::fromString(first.captured(1), QStringLiteral("yyyyMMdd_HHmmss"));
    EXPECT_LE(std::abs(named.secsTo(before)), 2);
    // The saved picture is the clip's red frame, upright and opaque.
    const QImage saved(folder + "/" + files[0]);
    ASSERT_FALSE(saved.isNull());
    EXPECT_TRUE(isRed(saved.pixel(saved.width() / 2, saved.height() / 2)));
    EXPECT_EQ(qAlpha(saved.pixel(1, 1)), 255);
}

// Another process keeps putting links to a user's file and named pipes at
// the names the grabbed frames may take, and has put links that lead
// nowhere at others: each frame takes a name of its own, the user's file
// stays as it was, nothing is made where a link leads, and no grab waits
// on a pipe.
TEST_F(SplitCopyTest, GrabbedFramesNeitherWriteThroughLinksNorWaitOnPipesPutAtTheirNames)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    constexpr int kGrabs = 10;
    const QString folder = QDir::homePath() + "/Pictures/Vidorna Pictures";
    ASSERT_TRUE(QDir().mkpath(folder));
    QTemporaryDir user;
    const QString letter = user.filePath("letter.txt");
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    writeFile(letter, letterBytes);
    window->placePlayHead(1.0f);
    ASSERT_TRUE(isRed(previewColourAt(*window, 1.0f, isRed)));
    window->takeHeadsUps();
    // The names of this second and the next ones, as far as the grabs may reach.
    const QDateTime start = QDateTime::currentDateTime();
    const QString nowhere = user.filePath("nowhere.png");
    QStringList names;
    for (int second = 0; second < 20; ++second) {
        const QString base = folder + start.addSecs(second).toString("/'IMG_'yyyyMMdd_HHmmss");
        ASSERT_TRUE(QFile::link(nowhere, base + ".png"));
        for (int number = 2; number < 4 * kGrabs; ++number)
            names << base + QStringLiteral("_%1.png").arg(number);
    }
    {
        NameSquatter squatter(names, letter);
        for (int grab = 0; grab < kGrabs; ++grab) {
            QElapsedTimer clock;
            clock.start();
            window->editScrollArea_grabSegmentScreen(clip());
            ASSERT_LT(clock.elapsed(), 10000) << "grab " << grab << " waited";
            ASSERT_EQ(window->takeHeadsUps(), QStringList{"Image saved to Pictures successfully"}) << "grab " << grab;
        }
        ASSERT_LT(start.secsTo(QDateTime::currentDateTime()), 20) << "the grabs went past the names held";
        EXPECT_EQ(squatter.pipeWriters(), 0) << "a grab opened a named pipe";
    }

    EXPECT_TRUE(readFile(letter) == letterBytes) << "the user's file was written through a link";
    EXPECT_FALSE(QFileInfo::exists(nowhere)) << "a grab was written where a link leads";
    const QFileInfoList saved = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    ASSERT_EQ(saved.size(), kGrabs);
    for (const QFileInfo& file : saved) {
        ASSERT_TRUE(file.isFile() && !file.isSymLink()) << qPrintable(file.fileName());
        const QImage picture(file.filePath());
        ASSERT_FALSE(picture.isNull()) << qPrintable(file.fileName());
        EXPECT_TRUE(isRed(picture.pixel(picture.width() / 2, picture.height() / 2))) << qPrintable(file.fileName());
    }
}

TEST(SplitCopyNames, AGrabNameTakenInTheSameSecondGetsTheNextNumber)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDateTime time(QDate(2026, 12, 7), QTime(8, 30, 5));
    const QString first = SplitWindow::_grabbedImagePath(folder.path(), time);
    EXPECT_EQ(first, folder.path() + "/IMG_20261207_083005.png");
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = SplitWindow::_grabbedImagePath(folder.path(), time);
    EXPECT_EQ(second, folder.path() + "/IMG_20261207_083005_2.png");
    QFile(second).open(QIODevice::WriteOnly);
    EXPECT_EQ(SplitWindow::_grabbedImagePath(folder.path(), time), folder.path() + "/IMG_20261207_083005_3.png");
    EXPECT_EQ(SplitWindow::_grabbedImagePath(folder.path(), time.addSecs(1)),
              folder.path() + "/IMG_20261207_083006.png");
}

TEST_F(SplitCopyTest, TheDeleteKeyRemovesTheSelectedSegmentAndTheNextOneMovesUp)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    window->_initEditScrollArea();
    ProjectManager* manager = window->projectManager();
    const int serial = clip()->serialNumber();

    // Nothing selected: nothing goes.
    QTest::keyClick(window->timeline(), Qt::Key_Delete);
    QTest::qWait(200);
    EXPECT_EQ(manager->segmentCount(), 2);

    window->timeline()->setSelectedSegmentWidget(widgetOf(clip()));
    QTest::keyClick(window->timeline(), Qt::Key_Delete);
    ASSERT_TRUE(waitFor([&] { return manager->segmentCount() == 1; }, 10000));
    EXPECT_EQ(clip(), nullptr);
    EXPECT_NEAR(next()->rangeStart(), 0.0f, 1e-4);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(serial)), nullptr);
    EXPECT_NEAR(window->composition()->findSegment(uint32_t(next()->serialNumber()))->startTime(), 0.0, 1e-4);
}

TEST_F(SplitCopyTest, TheContextMenuOffersTheSegmentCommandsAndAFailedSegmentOnlyItsRemoval)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    SegmentWidget* tile = widgetOf(clip());
    ASSERT_NE(tile, nullptr);
    window->timeline()->setSelectedSegmentWidget(tile);
    const QPoint at = tile->mapToGlobal(tile->rect().center());
    const QStringList entries = choosePopupEntry(
        QString(), [&] { window->editScrollArea_onPopupContextMenuForSegmentWidget(tile, at); });
    EXPECT_EQ(entries, QStringList({"Edit", "-", "Duplicate", "Remove", "-", "Split", "-", "Add Transition",
                                    "Edit Transition"}));

    // A segment that failed to load can only be removed.
    next()->setErrorCode(-6);
    SegmentWidget* failed = widgetOf(next());
    const QStringList failedEntries = choosePopupEntry(QStringLiteral("Remove"), [&] {
        window->editScrollArea_onPopupContextMenuForSegmentWidget(failed, failed->mapToGlobal(QPoint(5, 5)));
    });
    EXPECT_EQ(failedEntries, QStringList{"Remove"});
    ASSERT_TRUE(waitFor([&] { return window->projectManager()->segmentCount() == 1; }, 10000));
    EXPECT_EQ(next(), nullptr);
    EXPECT_NE(clip(), nullptr);
}

TEST_F(SplitCopyTest, DirectionKeysStepFromSegmentToSegmentAndHomeAndEndLeaveTheSelection)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    window->_initEditScrollArea();

    pressOnTimeline(Qt::Key_Right);
    EXPECT_EQ(selectedSegment(), clip());
    pressOnTimeline(Qt::Key_Right);
    EXPECT_EQ(selectedSegment(), next());
    pressOnTimeline(Qt::Key_Right);
    EXPECT_EQ(selectedSegment(), next()) << "nothing starts after the last segment";
    pressOnTimeline(Qt::Key_Left);
    EXPECT_EQ(selectedSegment(), clip());
    // The track below is the empty one kept at the bottom: the selection stays.
    pressOnTimeline(Qt::Key_Down);
    EXPECT_EQ(selectedSegment(), clip());
    pressOnTimeline(Qt::Key_End);
    EXPECT_EQ(selectedSegment(), nullptr);
    pressOnTimeline(Qt::Key_Left);
    EXPECT_EQ(selectedSegment(), next()) << "the last start before the end of the project";
    pressOnTimeline(Qt::Key_Home);
    EXPECT_EQ(selectedSegment(), nullptr);
}

TEST_F(SplitCopyTest, CtrlDPutsACopyOfTheSelectedSegmentAfterItAndPushesTheNextOneOn)
{
    const QString problem = openClips(6.0f, 3.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_NO_FATAL_FAILURE(selectClipInActiveWindow());

    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return window->projectManager()->segmentCount() == 3; }, 5000));
    Segment* copy = newPiece();
    ASSERT_NE(copy, nullptr);
    EXPECT_NEAR(copy->rangeStart(), 6.0f, 1e-4);
    EXPECT_NEAR(copy->duration(), 6.0f, 1e-4);
    EXPECT_NEAR(next()->rangeStart(), 12.0f, 1e-4);
    EXPECT_NEAR(next()->duration(), 3.0f, 1e-4);
}

// The engine adds a new layer above all others; until the copy has loaded
// (its pictures for the tile are taken on the loading pool), it was drawn
// there, over the segment that follows it.
TEST_F(SplitCopyTest, ACopyTakesItsPlaceInTheDrawingOrderWhileItLoads)
{
    const QString problem = openClips(6.0f, 3.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_NO_FATAL_FAILURE(selectClipInActiveWindow());
    auto first = std::make_unique<HeldPool>();
    ASSERT_TRUE(first->holding());

    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return window->projectManager()->segmentCount() == 3; }, 5000));
    Segment* copy = newPiece();
    ASSERT_NE(copy, nullptr);
    // The copy's first task leaves the queue before the threads are held again.
    HeldPool second;
    first.reset();
    ASSERT_TRUE(second.holding());
    ASSERT_TRUE(waitFor([&] { return engineSegment(copy) != nullptr; }, 10000));
    ASSERT_NE(copy->state(), 4) << "the copy is still loading";
    const QVector<int> model = window->projectManager()->layerSegmentIds();
    ASSERT_EQ(model, QVector<int>({clip()->serialNumber(), copy->serialNumber(), next()->serialNumber()}));
    std::vector<uint32_t> drawn = window->composition()->visibleSegmentIds();
    EXPECT_EQ(QVector<int>(drawn.begin(), drawn.end()), model);

    second.release();
    EXPECT_TRUE(waitFor([&] { return copy->state() == 4; }, 30000));
    drawn = window->composition()->visibleSegmentIds();
    EXPECT_EQ(QVector<int>(drawn.begin(), drawn.end()), model);
}

// A segment of a kind without a copy rule: split and copy record their undo
// step first and must take it back when no piece can be made.
TEST_F(SplitCopyTest, ASplitOrCopyThatMakesNoPieceLeavesNoUndoStep)
{
    const QString problem = openClips();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    Segment* source = clip();
    Segment::setStringAttribute(source->attributes(), SegmentKey::Type, QStringLiteral("SKETCH"));
    const int steps = manager->history().count();

    window->editScrollArea_copySegment(source);
    EXPECT_EQ(manager->history().count(), steps);
    window->placePlayHead(2.0f);
    window->editScrollArea_splitSegment(source);
    EXPECT_EQ(manager->history().count(), steps);
    EXPECT_EQ(manager->segmentCount(), 2);
    EXPECT_NEAR(source->duration(), 6.0f, 1e-4);
    EXPECT_NEAR(next()->rangeStart(), 6.0f, 1e-4);
    // No snapshot failed to record either.
    EXPECT_TRUE(window->takeHeadsUps().isEmpty());
}
