#include "TransitionWindow.h"

#include "MenuEntries.h"
#include "PopupTransitionsListWidget.h"
#include "ScrollableToolBar.h"
#include "TooltipButton.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace {

// The window with its transition menu and adding open to the tests.
class TransitionsWindow : public TransitionWindow
{
public:
    using TransitionWindow::TransitionWindow;
    using MainWindow::_addTransition;
    using MainWindow::_addTransitionAt;
    using MainWindow::_contextMenuForSegment;
    using MainWindow::_seekToTransition;
    using MainWindow::_transitionMenu;
};

const QStringList kInTransitions = {"Custom Transition", "Fade In", "Left In", "Right In", "Up In",
                                    "Down In", "Shrink In", "Grow In", "Open In", "Wipe In"};

class MainWindowTransitions : public HistoryTest
{
protected:
    SegmentWidget* widgetOf(Segment* segment) const
    {
        TrackWidget* track = window->timeline()->trackWidgetById(segment->trackId());
        return track ? track->segmentWidgetForSegment(segment) : nullptr;
    }

    void select(Segment* segment) { window->timeline()->setSelectedSegmentWidget(widgetOf(segment)); }

    bool edit(Segment* segment)
    {
        select(segment);
        widgetOf(segment)->toggleEditing();
        return waitFor([&] { return window->timeline()->editingSegmentWidget() == widgetOf(segment); }, 5000);
    }

    // The texts of the menu's actions, and the texts that follow a separator.
    static void readMenu(QMenu* menu, QStringList* texts, QStringList* afterSeparator)
    {
        bool separator = false;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                separator = true;
                continue;
            }
            *texts << action->text();
            if (separator)
                *afterSeparator << action->text();
            separator = false;
        }
    }

    static QString stored(const Segment* segment, int id, const char* key)
    {
        return Segment::stringAttribute(segment->transitionAt(id), QString::fromLatin1(key));
    }

    int undoSteps() const { return window->projectManager()->history().count(); }

    // The mean grey level of the preview at the time, once it settles within tolerance of expected.
    double previewMean(float time, double expected, double tolerance)
    {
        window->_seekPreview(time, true);
        double mean = -1.0;
        waitFor([&] {
            window->engine()->requestRedraw();
            const QImage frame = window->preview()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
            if (frame.isNull())
                return false;
            double sum = 0.0;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    sum += qGray(frame.pixel(x, y));
            mean = sum / (double(frame.width()) * frame.height());
            return std::abs(mean - expected) <= tolerance;
        }, 5000);
        return mean;
    }

    std::unique_ptr<TransitionsWindow> window;
};

} // namespace

// A picture whose end is taken offers only what goes in at its start; a
// sound offers only the fades, and choosing both fades silences both ends.
TEST_F(MainWindowTransitions, TheListFollowsTheRoomAndTheKindOfSegment)
{
    ASSERT_TRUE(makePicture(QStringLiteral("white.png"), QStringLiteral("white")));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("tone440.wav")), dir + QStringLiteral("/tone.wav")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "white.png")
                                    .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 4)));
    records.push_back(std::move(RecordBuilder("MUSIC").set("UId", "music").set("File", "tone.wav").set("TrackId", 2)
                                    .set("RangeStart", 0).set("RangeDuration", 3).set("TrimStart", 0)
                                    .set("TrimDuration", 3)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, QStringLiteral("picture"));
    Segment* music = segmentByUId(*window, QStringLiteral("music"));
    ASSERT_EQ(picture->addTransitionAtTime(1.2f, 2.8f), 1);
    ASSERT_NEAR(picture->transitionStart(1), 2.8f, 1e-4);

    select(picture);
    std::unique_ptr<QMenu> menu(window->_contextMenuForSegment(window.get()));
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    QStringList grouped;
    readMenu(menu.get(), &texts, &grouped);
    EXPECT_EQ(texts, kInTransitions);
    // Without room at the end every first In item of a group opens it.
    EXPECT_EQ(grouped, QStringList({"Fade In", "Left In", "Up In", "Shrink In", "Open In", "Wipe In"}));
    EXPECT_EQ(menu->actions().first()->font().weight(), 75);
    EXPECT_NE(entryTitled(menu.get(), QStringLiteral("Fade In"))->font().weight(), 75);

    const TransitionMenuItems both = window->_transitionMenu(picture, false, false);
    ASSERT_EQ(both.size(), 28);
    EXPECT_EQ(both[1].text, QStringLiteral("Fade In && Fade Out"));
    EXPECT_TRUE(both[1].opensGroup);
    EXPECT_FALSE(both[2].opensGroup) << "Fade In follows its group's opener";
    EXPECT_EQ(both[27].commandId, 10228);

    select(music);
    menu.reset(window->_contextMenuForSegment(window.get()));
    texts.clear();
    grouped.clear();
    readMenu(menu.get(), &texts, &grouped);
    EXPECT_EQ(texts, QStringList({"Custom Transition", "Fade In && Fade Out", "Fade In", "Fade Out"}));

    const int steps = undoSteps();
    entryTitled(menu.get(), QStringLiteral("Fade In && Fade Out"))->trigger();
    ASSERT_EQ(music->transitionCount(), 2);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_NEAR(music->transitionStart(1), 0.0f, 1e-4);
    EXPECT_NEAR(music->transitionStart(2), 2.0f, 1e-4);
    EXPECT_FLOAT_EQ(music->transitionUserTransparency(1, true), 1.0f);
    EXPECT_FLOAT_EQ(music->transitionUserVolume(1, true), 0.0f);
    EXPECT_FLOAT_EQ(music->transitionUserVolume(1, false), music->userVolume());
    EXPECT_FLOAT_EQ(music->transitionUserTransparency(2, false), 1.0f);
    EXPECT_FLOAT_EQ(music->transitionUserVolume(2, false), 0.0f);
    EXPECT_TRUE(window->projectManager()->isModified());
}

// At the segment's start (or within 0.05 s of it) the custom transition
// starts exactly there; further in it keeps 0.04 s behind the pointer.
TEST_F(MainWindowTransitions, TheCustomTransitionStartsAtThePointer)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 1).set("RangeDuration", 10).set("FontSize", 20)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    select(caption);

    window->_seekToTime(1.03f, false);
    const int steps = undoSteps();
    window->_addTransition(10201);
    ASSERT_EQ(caption->transitionCount(), 1);
    EXPECT_EQ(stored(caption, 1, "TStart"), QStringLiteral("0"));
    EXPECT_NEAR(caption->transitionDuration(1), 1.0f, 1e-4);
    EXPECT_EQ(undoSteps(), steps + 1);
    // Chosen for a selected segment, the transition is edited at once.
    ASSERT_EQ(window->timeline()->editingSegmentWidget(), widgetOf(caption));
    EXPECT_EQ(widgetOf(caption)->transitionId(), 1);

    window->_seekToTime(3.0f, false);
    ASSERT_NEAR(window->_currentScrollTime(), 3.0f, 1e-3);
    window->_addTransition(10201);
    ASSERT_EQ(caption->transitionCount(), 2);
    EXPECT_NEAR(stored(caption, 2, "TStart").toDouble(), 0.204, 1e-5);
    EXPECT_NEAR(caption->transitionStart(2), 2.04f, 1e-4);
    EXPECT_EQ(widgetOf(caption)->transitionId(), 2);
}

// With both ends taken and no gap long enough, nothing is added, the user
// is told, and no undo step is left behind; the same for a ready-made
// transition that finds no room.
TEST_F(MainWindowTransitions, NoRoomAddsNothingAndLeavesNoUndoStep)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("FontSize", 20)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    ASSERT_EQ(caption->addTransitionAtTime(1.0f, 0.0f), 1);
    ASSERT_EQ(caption->addTransitionAtTime(1.0f, 0.0f), 2);
    ASSERT_TRUE(edit(caption));
    window->takeHeadsUps();
    window->projectManager()->setModified(false);

    QPushButton anchor(window->centralWidget());
    const int steps = undoSteps();
    window->_addTransitionAt(&anchor, 10101, nullptr);
    EXPECT_EQ(window->takeHeadsUps(), QStringList({"No enough space for another transition"}));
    EXPECT_EQ(caption->transitionCount(), 2);
    EXPECT_EQ(window->_currentPopup, nullptr);
    EXPECT_EQ(undoSteps(), steps);

    window->_addTransition(10203);
    EXPECT_EQ(caption->transitionCount(), 2);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_FALSE(window->projectManager()->isModified());
}

// An end with room opens the list; a choice adds the transition, closes the
// list and makes the new transition the edited one.
TEST_F(MainWindowTransitions, TheListPopupAddsTheChosenTransition)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4).set("FontSize", 20)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    ASSERT_TRUE(edit(caption));

    QPushButton anchor(window->centralWidget());
    window->_addTransitionAt(&anchor, 10101, nullptr);
    auto* popup = qobject_cast<PopupTransitionsListWidget*>(window->_currentPopup.data());
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->buttons().size(), 28);
    QPushButton* wipeOut = popup->buttons().last();
    wipeOut->click();

    ASSERT_EQ(caption->transitionCount(), 1);
    EXPECT_NEAR(caption->transitionStart(1), 3.0f, 1e-4);
    EXPECT_EQ(caption->transitionCropTopLeft(1, false), QPointF(1.0, 0.0));
    EXPECT_EQ(caption->transitionCropBottomRight(1, false), QPointF(1.0, 1.0));
    EXPECT_EQ(caption->transitionCropTopLeft(1, true), caption->cropTopLeft());
    EXPECT_EQ(widgetOf(caption)->transitionId(), 1);
    EXPECT_TRUE(waitFor([&] { return window->_currentPopup.isNull(); }, 5000));
}

// How far a slide travels depends on the size and place of the segment that
// receives it, whichever segment a menu was opened for before.
TEST_F(MainWindowTransitions, SlidesTravelByTheSizeOfTheirOwnSegment)
{
    ASSERT_TRUE(makePicture(QStringLiteral("white.png"), QStringLiteral("white")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "full").set("File", "white.png").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "small").set("File", "white.png").set("TrackId", 2)
                                    .set("RangeStart", 0).set("RangeDuration", 4).set("UserScale", "{0.5,0.5}")));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* full = segmentByUId(*window, QStringLiteral("full"));
    Segment* small = segmentByUId(*window, QStringLiteral("small"));
    const QSizeF preview = window->preview()->size();
    const double fit = std::min(preview.width() / 320.0, preview.height() / 180.0);
    auto travel = [&](double scale) { return (preview.width() / 2.0 + 320.0 * fit * scale / 2.0) / preview.width(); };

    select(full);
    std::unique_ptr<QMenu>(window->_contextMenuForSegment(window.get()));
    select(small);
    window->_addTransition(10207);
    ASSERT_EQ(small->transitionCount(), 1);
    EXPECT_NEAR(small->transitionUserTranslation(1, true).x(), -travel(0.5), 1e-3);
    EXPECT_NEAR(small->transitionUserTranslation(1, true).y(), small->userTranslation().y(), 1e-6);

    select(full);
    window->_addTransition(10216);
    ASSERT_EQ(full->transitionCount(), 1);
    EXPECT_NEAR(full->transitionStart(1), 3.0f, 1e-4);
    const double down = (preview.height() / 2.0 + 180.0 * fit / 2.0) / preview.height();
    EXPECT_NEAR(full->transitionUserTranslation(1, false).y(), down, 1e-3);
    EXPECT_NEAR(full->transitionUserTranslation(1, false).x(), full->userTranslation().x(), 1e-6);
}

// Both fades on a bright clip over black: black at the start, the clip's
// own brightness in the middle.
TEST_F(MainWindowTransitions, FadesDarkenTheClipAtItsEndsOnly)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"),
                                {"-v", "error", "-y", "-f", "lavfi", "-i", "color=c=0xD0D0D0:s=320x180:d=6:r=10",
                                 "-c:v", "mpeg4", "-q:v", "2", dir + "/bright.mp4"}),
              0);
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "bright.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 6).set("TrimStart", 0)
                                    .set("TrimDuration", 6)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* clip = segmentByUId(*window, QStringLiteral("clip"));
    const double bright = previewMean(3.0f, 208.0, 12.0);
    ASSERT_GT(bright, 150.0);
    EXPECT_GT(previewMean(0.0f, bright, 12.0), 150.0) << "the clip is bright before the fades";

    select(clip);
    window->_addTransition(10202);
    ASSERT_EQ(clip->transitionCount(), 2);
    EXPECT_LT(previewMean(0.0f, 0.0, 15.9), 16.0);
    EXPECT_NEAR(previewMean(3.0f, bright, 6.0), bright, 6.0);
}

// While transitions are edited, the edited end follows the preview time:
// near its start 1, near its end 0, elsewhere -1 with the overlay gone.
TEST_F(MainWindowTransitions, TheEditedTransitionEndFollowsThePreviewTime)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 1).set("RangeDuration", 4).set("FontSize", 20)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    ASSERT_TRUE(edit(caption));
    window->_addTransition(10203);
    ASSERT_EQ(widgetOf(caption)->transitionId(), 1);
    window->editingTransitions = true;

    window->_seekPreview(1.05f, true);
    EXPECT_EQ(window->_editingTransitionState, 1);
    EXPECT_EQ(window->overlaysShown, 1);
    window->_seekPreview(1.95f, true);
    EXPECT_EQ(window->_editingTransitionState, 0);
    EXPECT_EQ(window->overlaysShown, 1) << "the overlay shown stays";

    QPointer<TransformWidget> overlay = window->_transformWidget;
    ASSERT_FALSE(overlay.isNull());
    window->_seekPreview(3.0f, true);
    EXPECT_EQ(window->_editingTransitionState, -1);
    EXPECT_TRUE(window->_transformWidget.isNull());
    EXPECT_TRUE(waitFor([&] { return overlay.isNull(); }, 5000)) << "the faded overlay goes";

    window->_seekToTransition(1, false);
    EXPECT_EQ(window->_editingTransitionState, 0);
    EXPECT_NEAR(window->_currentScrollTime(), 2.0f - 1.0f / 600.0f, 0.05f);
    EXPECT_FALSE(window->_transformWidget.isNull());
}

// The tool bar's command stays highlighted while its list is open and is
// released when the list goes without a choice; nothing is added then.
TEST_F(MainWindowTransitions, TheToolBarCommandIsHighlightedWhileItsListIsOpen)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4).set("FontSize", 20)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    ASSERT_TRUE(edit(caption));
    auto* toolBar = new ScrollableToolBar(window->centralWidget());
    TooltipButton* button = toolBar->addButton(QString(), QString(), QStringLiteral("Add Transition"), 10101, 0, true);
    toolBar->show();

    window->_addTransitionAt(button, 10101, toolBar);
    ASSERT_FALSE(window->_currentPopup.isNull());
    EXPECT_TRUE(button->isHighlighted());
    const int steps = undoSteps();

    window->_currentPopup->dismiss();
    EXPECT_FALSE(button->isHighlighted());
    EXPECT_TRUE(window->_currentPopup.isNull());
    EXPECT_EQ(caption->transitionCount(), 0);
    EXPECT_EQ(undoSteps(), steps);
}
