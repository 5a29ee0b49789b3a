#include "HistoryWindow.h"

#include "AVLayerSegment.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"

#include <QApplication>
#include <QFile>
#include <QFontDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The window with the inspector's commands open to the tests; transition
// commands are only noted, their carrying out comes later.
class CommandWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::_editingSegment;
    using MainWindow::_editingSegmentCommand;
    using MainWindow::_rememberedCornerIndex;
    using MainWindow::_segmentEditingApplyToAllSegments;
    using MainWindow::_segmentEditingCrop;
    using MainWindow::_segmentEditingDidFinish;
    using MainWindow::_segmentEditingFlipHorizontal;
    using MainWindow::_segmentEditingFlipVertical;
    using MainWindow::_segmentEditingPerspective;
    using MainWindow::_segmentEditingRemoveSegment;
    using MainWindow::_segmentEditingRotateClockwise;
    using MainWindow::_segmentEditingRotateCounterClockwise;
    using MainWindow::_segmentEditingSelectFont;
    using MainWindow::_segmentEditingSplitSegment;

    void setTransitionState(int state) { _editingTransitionState = state; }
    void placePlayHead(float time)
    {
        _pointerOffset = TimelineMetrics::timeToPixels(time, _timelineScale) - _timeline->contentOffsetX();
    }

    QList<int> transitionCommands;
    QList<Segment*> cropped;

protected:
    void _doTransitionCommand(QWidget*, int cmdId) override { transitionCommands << cmdId; }
    void _beginCropEditing(Segment* segment) override { cropped << segment; }
};

class EditingCommandsTest : public HistoryTest
{
protected:
    int steps() const { return window->projectManager()->history().count(); }
    SegmentWidget* tileOf(const Segment* segment) const
    {
        return qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
    }
    AVLayerSegment* layerOf(const Segment* segment) const
    {
        return dynamic_cast<AVLayerSegment*>(window->composition()->findSegment(uint32_t(segment->serialNumber())));
    }
    void edit(const Segment* segment)
    {
        SegmentWidget* tile = tileOf(segment);
        ASSERT_NE(tile, nullptr);
        tile->setEditing(true, false);
        ASSERT_EQ(window->_editingSegment(), segment);
    }
    QString openCaption()
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        return openProject(records, window);
    }
    static double degrees(const Segment* segment) { return segment->userRotation() * 180.0 / M_PI; }

    // Accepts the font dialog the command opens with the chosen font, or
    // cancels it when there is none.
    void answerFontDialog(const QFont* chosen)
    {
        QTimer::singleShot(50, [this, chosen] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                answerFontDialog(chosen);
                return;
            }
            if (!chosen) {
                dialog->reject();
                return;
            }
            dialog->setCurrentFont(*chosen);
            dialog->accept();
        });
    }

    std::unique_ptr<CommandWindow> window;
};

} // namespace

TEST_F(EditingCommandsTest, QuarterTurnsFlipsAndPerspectiveRecordEachStepAndReachTheEngine)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "red").set("File", "red.png").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* picture = segmentByUId(*window, "red");
    ASSERT_NE(picture, nullptr);
    picture->setUserRotation(30.0 * M_PI / 180.0);
    edit(picture);
    AVLayerSegment* layer = layerOf(picture);
    ASSERT_NE(layer, nullptr);

    const int before = steps();
    for (double expected : {120.0, 210.0, 300.0, 30.0}) {
        window->_segmentEditingRotateClockwise();
        EXPECT_NEAR(degrees(picture), expected, 1e-6);
        EXPECT_NEAR(layer->staticValues().rotation, expected, 1e-3);
    }
    EXPECT_EQ(steps(), before + 4);
    window->_segmentEditingRotateCounterClockwise();
    EXPECT_NEAR(degrees(picture), -60.0, 1e-6);

    window->_segmentEditingFlipHorizontal();
    EXPECT_NEAR(layer->staticValues().rotationY, 180.0f, 1e-3);
    EXPECT_FLOAT_EQ(layer->staticValues().rotationX, 0.0f);
    window->_segmentEditingFlipHorizontal();
    EXPECT_FLOAT_EQ(picture->userRotationY(), 0.0f);
    EXPECT_FLOAT_EQ(layer->staticValues().rotationY, 0.0f);
    window->_segmentEditingFlipVertical();
    EXPECT_TRUE(picture->isFlippedVertically());
    EXPECT_NEAR(layer->staticValues().rotationX, 180.0f, 1e-3);

    window->_rememberedCornerIndex.insert(picture->uid(), 2);
    window->_segmentEditingPerspective();
    EXPECT_TRUE(picture->perspective());
    EXPECT_EQ(window->_rememberedCornerIndex.value(picture->uid()), 2);
    window->_segmentEditingPerspective();
    EXPECT_FALSE(picture->perspective());
    EXPECT_EQ(window->_rememberedCornerIndex.value(picture->uid()), 0);
    EXPECT_EQ(steps(), before + 10);
    EXPECT_TRUE(window->projectManager()->isModified());

    // Undo takes back the last step only.
    window->undoNow();
    EXPECT_TRUE(segmentByUId(*window, "red")->perspective());

    // Ids without a command change nothing.
    const int known = steps();
    for (int id : {10005, 10012, 10031, 10107})
        window->_editingSegmentCommand(id);
    EXPECT_EQ(steps(), known);
}

TEST_F(EditingCommandsTest, AShownTransitionEndTakesTheGeometryCommandsOnly)
{
    const QString problem = openCaption();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, "caption");
    ASSERT_NE(caption, nullptr);
    const int tId = caption->addTransitionAtTime(0.5f, 0.0f);
    ASSERT_GT(tId, 0);
    edit(caption);
    tileOf(caption)->setTransitionId(tId, true);

    // Selected but no end shown: the segment itself turns.
    window->setTransitionState(-1);
    const int before = steps();
    window->_segmentEditingRotateClockwise();
    EXPECT_NEAR(degrees(caption), 90.0, 1e-6);
    EXPECT_TRUE(window->transitionCommands.isEmpty());
    EXPECT_EQ(steps(), before + 1);

    window->setTransitionState(1);
    window->_segmentEditingRotateClockwise();
    window->_segmentEditingRotateCounterClockwise();
    window->_segmentEditingFlipHorizontal();
    window->_segmentEditingFlipVertical();
    window->_segmentEditingCrop();
    window->_segmentEditingPerspective();
    EXPECT_EQ(window->transitionCommands, (QList<int>{10107, 10108, 10109, 10110, 10114, 10116}));
    EXPECT_NEAR(degrees(caption), 90.0, 1e-6);
    EXPECT_FALSE(caption->isFlippedHorizontally());
    EXPECT_EQ(steps(), before + 1);
    EXPECT_TRUE(window->cropped.isEmpty());

    // Done never asks the transition state.
    window->_segmentEditingDidFinish();
    EXPECT_EQ(window->transitionCommands.size(), 6);
    EXPECT_TRUE(waitFor([&] { return window->timeline()->editingSegmentWidget() == nullptr; }, 5000));
}

TEST_F(EditingCommandsTest, CropIsForVisualSegmentsAndSplitFollowsTheSegmentOrNothing)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "other").set("Text", "B").set("TrackId", 6)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    Segment* caption = segmentByUId(*window, "caption");
    ASSERT_NE(caption, nullptr);
    edit(caption);
    window->_segmentEditingCrop();
    EXPECT_EQ(window->cropped, (QList<Segment*>{caption}));

    // Removed before the split's moment: nothing is split, nothing breaks.
    window->placePlayHead(2.0f);
    window->_segmentEditingSplitSegment();
    window->removeSegment(caption);
    QTest::qWait(100);
    EXPECT_EQ(manager->segmentCount(), 1);
    EXPECT_EQ(manager->indexOfSegmentUId(QStringLiteral("caption")), -1);

    // Still there: it is split at the play pointer.
    Segment* other = segmentByUId(*window, "other");
    ASSERT_NE(other, nullptr);
    edit(other);
    window->_segmentEditingSplitSegment();
    EXPECT_EQ(manager->segmentCount(), 1);
    EXPECT_TRUE(waitFor([&] { return manager->segmentCount() == 2; }, 5000));
    EXPECT_NEAR(segmentByUId(*window, "other")->duration(), 2.0f, 0.05f);
}

TEST_F(EditingCommandsTest, TheFontDialogsChoiceIsStoredOnceAndTheSameFontRecordsNothing)
{
    const QString problem = openCaption();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    auto* caption = dynamic_cast<TextSegment*>(segmentByUId(*window, "caption"));
    ASSERT_NE(caption, nullptr);
    edit(caption);
    const int before = steps();

    answerFontDialog(nullptr);
    window->_segmentEditingSelectFont();
    EXPECT_EQ(steps(), before);

    QFont boldItalic(QStringLiteral("DejaVu Sans"));
    boldItalic.setBold(true);
    boldItalic.setItalic(true);
    if (QFontInfo(boldItalic).family() != boldItalic.family())
        GTEST_SKIP() << "DejaVu Sans is not installed";
    answerFontDialog(&boldItalic);
    window->_segmentEditingSelectFont();
    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(caption->fontName(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(caption->fontStyle().startsWith(QStringLiteral("Bold"))) << qPrintable(caption->fontStyle());
    EXPECT_TRUE(window->projectManager()->isModified());
    const QString style = caption->fontStyle();

    const QFont again = caption->font();
    answerFontDialog(&again);
    window->_segmentEditingSelectFont();
    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(caption->fontStyle(), style);
}

TEST_F(EditingCommandsTest, ApplyToAllCopiesTheLookOntoEverySegmentOfTheTypeOnly)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    ASSERT_TRUE(makePicture(QStringLiteral("blue.png"), QStringLiteral("blue")));
    ASSERT_TRUE(makePicture(QStringLiteral("drawingImage-9.png"), QStringLiteral("green")));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "red").set("File", "red.png").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("BorderWidthFraction", 0)
                                    .set("BorderWidth", 12).set("ClrBrightness", 30)));
    // A legacy corner of 64 pixels and a shadow of its own.
    records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "blue").set("File", "blue.png").set("TrackId", 9)
                                    .set("RangeStart", 2).set("RangeDuration", 2).set("CornerRadius", 64)));
    records.push_back(std::move(RecordBuilder("DRAWING").set("UId", "drawing").set("File", "drawingImage-9.png")
                                    .set("TrackId", 4).set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "movie").set("File", "clip.mp4").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* red = segmentByUId(*window, "red");
    Segment* blue = segmentByUId(*window, "blue");
    Segment* drawing = segmentByUId(*window, "drawing");
    Segment* movie = segmentByUId(*window, "movie");
    ASSERT_TRUE(red && blue && drawing && movie);
    // The source's own corner is a legacy one too.
    red->setCornerRadius(64.0f);
    window->takeHeadsUps();
    edit(red);
    const int before = steps();

    window->_segmentEditingApplyToAllSegments();

    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{QStringLiteral("Editing properties applied to all image segments")});
    for (Segment* image : {red, blue}) {
        EXPECT_FLOAT_EQ(image->borderWidth(), 12.0f);
        EXPECT_EQ(image->clrBrightness(), 30);
        AVLayerSegment* layer = layerOf(image);
        ASSERT_NE(layer, nullptr);
        EXPECT_FLOAT_EQ(layer->style().borderWidth, 0.009375f);
        EXPECT_FLOAT_EQ(layer->style().cornerRadius, 0.05f);
        EXPECT_EQ(layer->staticValues().effectColor[1], 30);
    }
    for (Segment* untouched : {drawing, movie}) {
        EXPECT_FLOAT_EQ(untouched->borderWidth(), 0.0f);
        EXPECT_EQ(untouched->clrBrightness(), 0);
        AVLayerSegment* layer = layerOf(untouched);
        ASSERT_NE(layer, nullptr);
        EXPECT_FLOAT_EQ(layer->style().borderWidth, 0.0f);
        EXPECT_EQ(layer->staticValues().effectColor[1], 0);
    }
    EXPECT_TRUE(window->projectManager()->isModified());

    // One undo step takes it all back.
    window->undoNow();
    Segment* restored = segmentByUId(*window, "blue");
    ASSERT_NE(restored, nullptr);
    EXPECT_FLOAT_EQ(restored->borderWidth(), 0.0f);
    EXPECT_EQ(restored->clrBrightness(), 0);
}
