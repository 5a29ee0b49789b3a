#include "HistoryWindow.h"

#include "AVSegment.h"
#include "MenuEntries.h"
#include "MusicSegment.h"
#include "PopupEasingFunctionsWidget.h"
#include "PopupMediaTypeSelectionWidget.h"
#include "PopupMovieExportingWidget.h"
#include "PopupTransitionsListWidget.h"
#include "ScrollableToolBar.h"
#include "TextSegment.h"
#include "TooltipButton.h"
#include "TransitionWindow.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "TrackId" values renumbered 1, 2, ... in the order they first appear:
// every rebuild hands out new track ids, the layout stays.
QByteArray withTracksByAppearance(QByteArray xml)
{
    QHash<QByteArray, int> numbers;
    const QRegularExpression trackId(QStringLiteral("TrackId=\"(\\d+)\""));
    QString text = QString::fromUtf8(xml);
    QString result;
    int last = 0;
    for (auto match = trackId.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const QByteArray id = found.captured(1).toUtf8();
        if (!numbers.contains(id))
            numbers.insert(id, numbers.size() + 1);
        result += text.mid(last, found.capturedStart() - last);
        result += QStringLiteral("TrackId=\"%1\"").arg(numbers.value(id));
        last = found.capturedEnd();
    }
    result += text.mid(last);
    return result.toUtf8();
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// Whether the preview at the time shows red in its middle, read back once
// the drawing settles on the expected answer (or the time is up).
bool previewShowsRed(HistoryWindow& window, float time, bool expected)
{
    window._seekPreview(time, true);
    bool red = !expected;
    waitFor([&] {
        window.engine()->requestRedraw();
        const QImage frame = window.preview()->grabFramebuffer();
        red = !frame.isNull() && isRed(frame.pixel(frame.width() / 2, frame.height() / 2));
        return red == expected;
    }, 5000);
    return red;
}

void expectOneEmptyTrackAtTheBottom(HistoryWindow& window, int typedTracks)
{
    EditScrollArea* timeline = window.timeline();
    ASSERT_EQ(timeline->trackWidgetCount(), typedTracks + 1);
    EXPECT_EQ(window.gutter()->buttonCount(), typedTracks + 1);
    for (int index = 0; index < typedTracks; ++index)
        EXPECT_GT(timeline->trackWidgetAt(index)->segmentWidgetCount(), 0) << index;
    EXPECT_EQ(timeline->trackWidgetAt(typedTracks)->segmentWidgetCount(), 0);
    EXPECT_EQ(window.newestTrack(), timeline->trackWidgetAt(typedTracks));
}

// The window with its track buttons wired as the window wires them, and its
// transition popups and export open to the tests.
class PopupHistoryWindow : public TransitionWindow
{
public:
    PopupHistoryWindow(const QString& name, const QSize& previewSize) : TransitionWindow(name, previewSize)
    {
        connect(_gutterArea, &GutterScrollArea::gutterAreaFunctionButtonPressed, this,
                &PopupHistoryWindow::gutterArea_onFunctionButtonPressed);
    }
    using MainWindow::_addTransitionAt;
    using MainWindow::_popupEasingFunctions;
    using MainWindow::exporter;

    void exportInto(const QString& folder)
    {
        _exportFolder = folder;
        exportMovie();
    }
    // Presses the track header's button of the track, as the user does.
    void pressTrackButton(int trackId) { QTest::mouseClick(_gutterArea->buttonForTag(trackId), Qt::LeftButton); }

    // Whether the button was highlighted each time a rebuild gave the edited
    // segment its tool-bar position back.
    QPointer<TooltipButton> watchedButton;
    QList<bool> highlightsOnReturn;

protected:
    void _restoreToolbarScrollPosition(const QHash<QString, QVariant>&) override
    {
        if (watchedButton)
            highlightsOnReturn << watchedButton->isHighlighted();
    }
};

// Undo or Redo from the Edit menu with a popup open; true once the popup was
// put away. Its deletion waits for an event loop the tests do not run when
// a busy renderer deferred the step.
bool stepHistoryAwayFrom(PopupHistoryWindow& window, const char* entry)
{
    QPointer<CommonPopup> popup = window._currentPopup.data();
    EXPECT_FALSE(popup.isNull()) << entry << " needs a popup open";
    EXPECT_TRUE(triggerEntry(&window, QString::fromLatin1(entry)));
    // A loaded machine keeps the renderer busy for long.
    return waitFor([&] { return window._currentPopup.isNull() && (popup.isNull() || popup->isHidden()); }, 30000);
}

} // namespace

TEST_F(HistoryTest, UndoAndRedoWithNothingToMoveToSayWhyAndChangeNothing)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TrackWidget* track = window->timeline()->trackWidgetAt(0);
    Segment* caption = window->projectManager()->segmentAt(0);

    window->undoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No operation to undo"});
    window->moveSegment(caption, 1.0f);
    EXPECT_TRUE(window->takeHeadsUps().isEmpty());
    window->redoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No operation to redo"});
    // Neither rebuilt the timeline.
    EXPECT_EQ(window->timeline()->trackWidgetAt(0), track);
    EXPECT_FLOAT_EQ(caption->rangeStart(), 1.0f);

    // Undo, then redo brings the move back; a second redo has nothing left.
    window->undoNow();
    EXPECT_FLOAT_EQ(caption->rangeStart(), 0.0f);
    window->redoNow();
    EXPECT_FLOAT_EQ(caption->rangeStart(), 1.0f);
    EXPECT_EQ(window->projectManager()->segmentAt(0), caption);
    window->redoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No operation to redo"});
}

// Snapshots that another program cut after they were written: the undo and
// the redo that meet one say that their step could not be read, and the
// timeline stays as it is.
TEST_F(HistoryTest, UndoAndRedoOverSnapshotsThatBecameUnreadableSaySoAndChangeNothing)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = window->projectManager()->segmentAt(0);
    window->moveSegment(caption, 1.0f);
    window->moveSegment(caption, 2.0f);
    window->undoNow();
    const QString history = ProjectManager::historyDirectory(name, QString());
    const QStringList snapshots = QDir(history).entryList(QDir::Files);
    ASSERT_EQ(snapshots.size(), 3) << "the two edits' states before and the state the undo left";
    for (const QString& snapshot : snapshots)
        writeFile(history + "/" + snapshot, "<Project><Segm");
    window->takeHeadsUps();
    TrackWidget* track = window->timeline()->trackWidgetAt(0);

    window->redoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"The operation to redo could not be read"});
    window->undoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"The operation to undo could not be read"});
    EXPECT_EQ(window->timeline()->trackWidgetAt(0), track) << "the timeline was rebuilt";
    EXPECT_FLOAT_EQ(segmentByUId(*window, "caption")->rangeStart(), 1.0f);
}

// Save, move the red picture, remove a caption, undo both, save: the file is
// the one saved first apart from the track ids; the picture kept its object
// and engine segment, the caption came back as a new segment.
TEST_F(HistoryTest, UndoRestoresTheSavedProjectKeepingSurvivingSegments)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "red").set("File", "red.png").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "first").set("Text", "A").set("TrackId", 5)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("FontSize", 20)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "second").set("Text", "B").set("TrackId", 5)
                                    .set("RangeStart", 2).set("RangeDuration", 3).set("FontSize", 20)));
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    const QString projectXml = ProjectManager::projectXmlPath(name, QString());
    manager->setModified(true);
    window->_saveProject();
    const QByteArray saved = readFile(projectXml);
    ASSERT_FALSE(saved.isEmpty());

    Segment* picture = segmentByUId(*window, "red");
    Segment* second = segmentByUId(*window, "second");
    ASSERT_TRUE(picture && second);
    const int pictureSerial = picture->serialNumber();
    const int secondSerial = second->serialNumber();
    AVSegment* pictureEngine = window->composition()->findSegment(uint32_t(pictureSerial));
    ASSERT_NE(pictureEngine, nullptr);
    EXPECT_TRUE(previewShowsRed(*window, 1.0f, true));

    window->moveSegment(picture, 3.0f);
    EXPECT_FALSE(previewShowsRed(*window, 1.0f, false));
    window->removeSegment(second);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(secondSerial)), nullptr);

    window->undoNow();
    EXPECT_EQ(segmentByUId(*window, "red"), picture);
    EXPECT_FLOAT_EQ(picture->rangeStart(), 3.0f);
    window->undoNow();
    EXPECT_EQ(segmentByUId(*window, "red"), picture);
    EXPECT_FLOAT_EQ(picture->rangeStart(), 0.0f);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(pictureSerial)), pictureEngine);
    EXPECT_DOUBLE_EQ(pictureEngine->startTime(), 0.0);
    EXPECT_NEAR(pictureEngine->duration(), 2.0, 1e-6);
    EXPECT_TRUE(previewShowsRed(*window, 1.0f, true));

    Segment* back = segmentByUId(*window, "second");
    ASSERT_NE(back, nullptr);
    EXPECT_NE(back->serialNumber(), secondSerial);
    EXPECT_FLOAT_EQ(back->rangeStart(), 2.0f);
    ASSERT_TRUE(waitFor([&] { return window->composition()->findSegment(uint32_t(back->serialNumber())); }, 20000));
    EXPECT_NEAR(window->composition()->findSegment(uint32_t(back->serialNumber()))->startTime(), 2.0, 1e-6);

    // Tracks in the order the state first names them, one empty at the bottom.
    expectOneEmptyTrackAtTheBottom(*window, 2);
    EXPECT_EQ(window->timeline()->trackWidgetAt(0)->trackType(), QStringLiteral("IMAGE"));
    EXPECT_EQ(picture->trackId(), window->timeline()->trackWidgetAt(0)->trackId());
    EXPECT_EQ(back->trackId(), window->timeline()->trackWidgetAt(1)->trackId());
    EXPECT_EQ(window->timeline()->trackWidgetAt(1)->segmentWidgetCount(), 2);
    EXPECT_TRUE(manager->isModified());
    for (int index = 0; index < manager->segmentCount(); ++index) {
        auto* widget = qobject_cast<SegmentWidget*>(manager->segmentWidgetAt(index));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->segment(), manager->segmentAt(index));
        EXPECT_EQ(manager->segmentWidgetFor(manager->segmentAt(index)), widget) << "found by its segment";
    }

    window->_saveProject();
    const QByteArray resaved = readFile(projectXml);
    EXPECT_NE(resaved, saved) << "the tracks carry new ids";
    EXPECT_EQ(withTracksByAppearance(resaved), withTracksByAppearance(saved));

    // Redo brings the removal back: the caption's new object leaves again.
    const int backSerial = back->serialNumber();
    window->redoNow();
    window->redoNow();
    EXPECT_EQ(segmentByUId(*window, "second"), nullptr);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(backSerial)), nullptr);
    EXPECT_FLOAT_EQ(picture->rangeStart(), 3.0f);
    EXPECT_DOUBLE_EQ(pictureEngine->startTime(), 3.0);
    expectOneEmptyTrackAtTheBottom(*window, 2);
}

// A begin whose record failed must not drop the snapshot the command before
// it recorded; a begin that recorded drops its own when nothing changed.
TEST_F(HistoryTest, AnUnchangedTrimDropsOnlyWhatItsOwnBeginRecorded)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    Segment* caption = manager->segmentAt(0);
    window->moveSegment(caption, 1.0f);
    const int recorded = manager->history().count();

    auto blocker = blockSnapshots();
    window->editScrollArea_beginTrimTransition(1, true);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Failed to record operation"});
    window->editScrollArea_endTrimTransition(1, true, false);
    EXPECT_EQ(manager->history().count(), recorded);
    blocker.reset();

    // Recorded and unchanged: its own snapshot goes, the move's stays.
    window->editScrollArea_beginMoveTransition(1, true);
    EXPECT_EQ(manager->history().count(), recorded + 1);
    window->editScrollArea_endMoveTransition(1, true, false);
    EXPECT_EQ(manager->history().count(), recorded);

    window->undoNow();
    caption = segmentByUId(*window, "caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_FLOAT_EQ(caption->rangeStart(), 0.0f);

    // A transition move that changed something keeps its step and marks the project.
    manager->setModified(false);
    const int beforeMove = manager->history().count();
    window->editScrollArea_beginMoveTransition(1, true);
    window->editScrollArea_endMoveTransition(1, true, true);
    EXPECT_TRUE(manager->isModified());
    EXPECT_EQ(manager->history().count(), beforeMove + 1);
}

// An edit after an undo whose snapshot cannot be written ends the redo
// steps as any edit does: redo never jumps back over it. An unchanged trim
// whose snapshot failed keeps them. Undo and redo bring the edit back later.
TEST_F(HistoryTest, AnEditThatCouldNotBeRecordedAfterAnUndoIsNotLostToRedo)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    window->moveSegment(manager->segmentAt(0), 1.0f);
    window->moveSegment(manager->segmentAt(0), 2.0f);
    window->undoNow();
    auto blocker = blockSnapshots();
    window->editScrollArea_beginTrimTransition(1, true);
    window->editScrollArea_endTrimTransition(1, true, false);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Failed to record operation"});
    window->redoNow();
    EXPECT_FLOAT_EQ(segmentByUId(*window, "caption")->rangeStart(), 2.0f);
    window->undoNow();

    window->moveSegment(segmentByUId(*window, "caption"), 3.0f);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Failed to record operation"});
    window->redoNow();
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No operation to redo"});
    EXPECT_FLOAT_EQ(segmentByUId(*window, "caption")->rangeStart(), 3.0f);

    blocker.reset();
    window->undoNow();
    EXPECT_FLOAT_EQ(segmentByUId(*window, "caption")->rangeStart(), 1.0f);
    window->redoNow();
    EXPECT_FLOAT_EQ(segmentByUId(*window, "caption")->rangeStart(), 3.0f);
}

// The edited caption, with its second transition chosen, is edited again
// after an undo with the transition of the same times, on its new tile.
TEST_F(HistoryTest, TheEditedSegmentAndTransitionAreEditedAgainAfterUndo)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    Segment* caption = manager->segmentAt(0);
    ASSERT_EQ(caption->addTransitionAtTime(0.5f, 0.0f), 1);
    const int second = caption->addTransitionAtTime(0.5f, 1.2f);
    ASSERT_EQ(second, 2);
    const float secondStart = caption->transitionStart(second);
    auto* tile = qobject_cast<SegmentWidget*>(manager->segmentWidgetAt(0));
    ASSERT_NE(tile, nullptr);
    tile->setEditing(true, false);
    ASSERT_EQ(window->timeline()->editingSegmentWidget(), tile);
    tile->setTransitionId(second, false);
    window->moveSegment(caption, 1.0f);

    window->undoNow();
    EXPECT_FLOAT_EQ(caption->rangeStart(), 0.0f);
    SegmentWidget* editing = window->timeline()->editingSegmentWidget();
    ASSERT_NE(editing, nullptr);
    EXPECT_EQ(editing, manager->segmentWidgetAt(0));
    EXPECT_EQ(editing->segment(), caption);
    EXPECT_TRUE(editing->isEditing());
    EXPECT_EQ(editing->transitionId(), second);
    EXPECT_NEAR(caption->transitionStart(second), secondStart, 1e-4);
}

// Music without sound, inserted while the check is asked for, is taken out
// again; a caption finishing first leaves the check waiting for the music,
// and music with sound ends the check and stays.
TEST_F(HistoryTest, InsertedMusicWithoutSoundIsUndone)
{
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("video_only_4s.mp4")), dir + "/silent.mp4"));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("tone440.wav")), dir + "/tone.wav"));
    ProjectManager* manager = window->projectManager();

    auto* later = new TextSegment(QStringLiteral("later"), 3.0f, 1.0f, window.get(), nullptr);
    window->insertCheckingAudio(later);
    // A loaded new segment moves the preview to its start.
    ASSERT_TRUE(waitFor([&] { return std::abs(window->engine()->currentTime() - 3.01f) < 1e-3f; }, 20000));
    EXPECT_TRUE(window->checkingAudio());

    auto* tone = new MusicSegment(dir + "/tone.wav", 5.0f, QString(), QString(), window.get());
    const QString toneUId = tone->uid();
    window->insertCheckingAudio(tone);
    ASSERT_TRUE(waitFor([&] { return !window->checkingAudio(); }, 20000));
    EXPECT_GT(tone->duration(), 0.0f);
    EXPECT_EQ(segmentByUId(*window, toneUId), tone);
    EXPECT_TRUE(window->takeHeadsUps().isEmpty());

    const int count = manager->segmentCount();
    auto* silent = new MusicSegment(dir + "/silent.mp4", 8.0f, QString(), QString(), window.get());
    const QString silentUId = silent->uid();
    const auto silentSerial = uint32_t(silent->serialNumber());
    window->insertCheckingAudio(silent);
    ASSERT_TRUE(waitFor([&] { return segmentByUId(*window, silentUId) == nullptr; }, 20000));
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No audio contained"});
    EXPECT_FALSE(window->checkingAudio());
    EXPECT_EQ(manager->segmentCount(), count);
    EXPECT_EQ(window->composition()->findSegment(silentSerial), nullptr);
    // Only the insertion is undone.
    EXPECT_EQ(segmentByUId(*window, toneUId), tone);
    EXPECT_NE(segmentByUId(*window, QStringLiteral("caption")), nullptr);
}

// The add popups of the track buttons belong to tracks that a step rebuilds:
// Undo and Redo put them away, so that "Choose File..." never targets a
// track that is gone.
TEST_F(HistoryTest, UndoAndRedoPutAwayTheAddPopupsOfTheTrackButtons)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 1).set("TrimStart", 0)
                                    .set("TrimDuration", 1)));
    std::unique_ptr<PopupHistoryWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* clip = segmentByUId(*window, "clip");
    window->moveSegment(clip, 1.0f);

    // Add Video of the movie's track, then Add Media of the empty last track ("+").
    for (const bool movieTrack : {true, false}) {
        const char* kind = movieTrack ? "Add Video" : "Add Media";
        for (const char* entry : {"Undo", "Redo"}) {
            window->pressTrackButton(movieTrack ? clip->trackId() : window->newestTrack()->trackId());
            auto* popup = qobject_cast<PopupMediaTypeSelectionWidget*>(window->_currentPopup.data());
            ASSERT_NE(popup, nullptr) << kind;
            ASSERT_EQ(popup->mediaKind(), movieTrack ? 1 : 0);
            EXPECT_TRUE(stepHistoryAwayFrom(*window, entry)) << kind << " stayed open after " << entry;
            EXPECT_FLOAT_EQ(clip->rangeStart(), entry == std::string("Undo") ? 0.0f : 1.0f) << kind << entry;
        }
    }
}

// The transition popups go with every step, also with the one that takes
// their transition away. The tool-bar command whose list was open lights
// again when the edited segment comes back, and goes dark with its popup.
TEST_F(HistoryTest, UndoAndRedoPutAwayTheTransitionPopups)
{
    constexpr int kAddTransitionCommand = 7;
    std::unique_ptr<PopupHistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, "caption");
    ASSERT_NE(window->editSegment(caption), nullptr);
    window->_recordOperation();
    ASSERT_EQ(caption->addTransitionAtTime(0.5f, 0.0f), 1);
    window->timeline()->editingSegmentWidget()->setTransitionId(1, false);
    window->moveSegment(caption, 1.0f);
    ScrollableToolBar toolBar(window->centralWidget());
    TooltipButton* addButton = toolBar.addButton(QStringLiteral(":/images/segment-inspector/transition_return"),
                                                 QString(), QString(), kAddTransitionCommand, 0, true);
    window->watchedButton = addButton;
    QPushButton easingButton(window->centralWidget());

    window->_addTransitionAt(addButton, kAddTransitionCommand, &toolBar);
    ASSERT_NE(qobject_cast<PopupTransitionsListWidget*>(window->_currentPopup.data()), nullptr);
    ASSERT_TRUE(addButton->isHighlighted());
    EXPECT_TRUE(stepHistoryAwayFrom(*window, "Undo"));
    EXPECT_EQ(window->highlightsOnReturn, QList<bool>{true});
    EXPECT_FALSE(addButton->isHighlighted());
    EXPECT_FLOAT_EQ(caption->rangeStart(), 0.0f);

    // The transition is edited again, so its easing popup opens.
    window->_popupEasingFunctions(&easingButton, 0);
    ASSERT_NE(qobject_cast<PopupEasingFunctionsWidget*>(window->_currentPopup.data()), nullptr);
    EXPECT_TRUE(stepHistoryAwayFrom(*window, "Redo"));
    EXPECT_FLOAT_EQ(caption->rangeStart(), 1.0f);

    window->undoNow();
    window->_popupEasingFunctions(&easingButton, 0);
    ASSERT_NE(qobject_cast<PopupEasingFunctionsWidget*>(window->_currentPopup.data()), nullptr);
    EXPECT_TRUE(stepHistoryAwayFrom(*window, "Undo")) << "the easing of a transition that is gone";
    EXPECT_EQ(caption->transitionCount(), 0);
}

// An export holds the renderer until it ends: Undo and Redo say at once that
// they cannot step now, and nothing is stepped when the export ends.
TEST_F(HistoryTest, UndoAndRedoWhileAnExportRendersAreRefusedAtOnce)
{
    std::unique_ptr<PopupHistoryWindow> window;
    const QString problem = openCaptionProject(window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, "caption");
    window->moveSegment(caption, 1.0f);
    QTemporaryDir target;
    QSignalSpy finished(window.get(), &MainWindow::avexporterFinished);
    window->exportInto(target.path());
    auto* popup = qobject_cast<PopupMovieExportingWidget*>(window->_currentPopup.data());
    ASSERT_NE(popup, nullptr);
    popup->shareOperationButtonOnClicked();
    ASSERT_TRUE(waitFor([&] { return window->exporter() || !finished.isEmpty(); }, 30000));
    ASSERT_NE(window->exporter(), nullptr) << "the export ended before the test could step";
    window->takeHeadsUps();

    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Redo")));
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Unable to redo temporarily"});
    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Undo")));
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Unable to undo temporarily"});
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, 120000));
    // A deferred step would follow the export's end within a retry or two.
    QTest::qWait(500);
    EXPECT_FLOAT_EQ(caption->rangeStart(), 1.0f);
    window->undoNow();
    EXPECT_FLOAT_EQ(caption->rangeStart(), 0.0f) << "the step is still there to be undone";
}
