#include "DesktopMainWindow.h"

#include "AVAnimatedValues.h"
#include "AVComposition.h"
#include "AVLayerSegment.h"
#include "ChromaKeyEditingWidgetController.h"
#include "DesktopProjectTest.h"
#include "EditScrollArea.h"
#include "GeometryEditingWidgetController.h"
#include "MultiLanguage.h"
#include "PopupChromaKeyWidget.h"
#include "PopupSliderWidget.h"
#include "RaisedUnder.h"
#include "ScrollableToolBar.h"
#include "SegmentInspectorWidget.h"
#include "TestMedia.h"
#include "TooltipButton.h"
#include "TransformWidget.h"
#include "TransparencyEditingWidgetController.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTreeWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The whole desktop window on a project of its own, with the parts the
// tests read opened up.
class WiredWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using MainWindow::_pushTransitionAnimation;
    using MainWindow::_segmentEditingSetConnectionsForChromaKeyPopupChromaKeyWidget;
    using MainWindow::_segmentEditingSetConnectionsForTransparencyPopupSliderWidget;

    SegmentInspectorWidget* inspector() const { return _segmentInspectorWidget; }
    EditScrollArea* timeline() const { return _timeline; }
    TransformWidget* overlay() const { return _transformWidget; }
    float pointerTime() const { return _currentScrollTime(); }
    bool playing() const { return _playing; }
    // Keys and presses go to the "Opening..." message until it is gone.
    bool openingShown() const { return _waitingHUD; }
    QAction* deleteTransitionAction() const { return _actionDeleteTransition; }
    QAction* editTransitionAction() const { return _actionEnterExitEditingTransition; }
    AVGLWidget* previewWidget() const { return _previewWidget; }
    bool volumeControlEnabled() const { return _volumeControlEnabled(); }
    ProjectManager* manager() const { return _projectManager; }
    int historySize() const { return _projectManager->history().size(); }
    float engineTransparency(const Segment* segment) const
    {
        auto* layer = dynamic_cast<AVLayerSegment*>(_composition->findSegment(uint32_t(segment->serialNumber())));
        return layer ? layer->staticValues().transparency : -1.0f;
    }
    bool loaded() const
    {
        return _previewWidget && _previewWidget->isValid() && everySegmentInEngine(*_projectManager, _composition);
    }
    SegmentWidget* edit(Segment* segment)
    {
        TrackWidget* track = _timeline->trackWidgetById(segment->trackId());
        SegmentWidget* tile = track ? track->segmentWidgetForSegment(segment) : nullptr;
        if (!tile)
            return nullptr;
        _timeline->setSelectedSegmentWidget(tile);
        const int refreshes = controlRefreshes;
        tile->toggleEditing();
        const bool shown = waitFor([&] { return _segmentInspectorWidget && _segmentInspectorWidget->isVisible(); }, 5000);
        return shown && waitForControlRefreshSince(refreshes) && _timeline->editingSegmentWidget() == tile ? tile
                                                                                                          : nullptr;
    }
    // The inspector fills its controls for the play pointer a moment after
    // a segment enters editing: true once it has done so after refreshes.
    bool waitForControlRefreshSince(int refreshes)
    {
        return waitFor([&] { return controlRefreshes > refreshes; }, 5000);
    }
    int controlRefreshes = 0;
    // Clicks the undo button and waits for the rebuild.
    bool undo()
    {
        auto* button = findChild<QPushButton*>(QStringLiteral("undoButton"));
        if (!button)
            return false;
        QPointer<TrackWidget> first = _timeline->trackWidgetAt(0);
        QTest::mouseClick(button, Qt::LeftButton);
        return waitFor([&] { return first.isNull(); }, 10000);
    }

protected:
    void _updateEditingControls(float time) override
    {
        DesktopMainWindow::_updateEditingControls(time);
        ++controlRefreshes;
    }
};

// A chroma key popup whose connections can be counted from its side.
class CountedChromaKey : public PopupChromaKeyWidget
{
public:
    using PopupChromaKeyWidget::PopupChromaKeyWidget;
    int receiversOf(const char* signal) const { return receivers(signal); }
};

template <class Section>
Section* sectionOf(SegmentInspectorWidget* inspector)
{
    for (CommonEditingWidgetController* controller : inspector->editingControllers()) {
        if (auto* section = dynamic_cast<Section*>(controller); section && section->widget()->isVisibleTo(inspector))
            return section;
    }
    return nullptr;
}

int shownSections(SegmentInspectorWidget* inspector)
{
    int shown = 0;
    for (CommonEditingWidgetController* controller : inspector->editingControllers())
        shown += controller->widget()->isVisibleTo(inspector) ? 1 : 0;
    return shown;
}

// Moves a slider as a drag does: held down, moved, let go.
void drag(QSlider* slider, int value, const std::function<void()>& whileHeld = {})
{
    slider->setSliderDown(true);
    slider->setValue(value);
    if (whileHeld)
        whileHeld();
    slider->setSliderDown(false);
}

// Brings the pending layouts inside the widget up to date at once, the
// innermost first, as the posted layout requests would one by one.
void settleLayouts(QWidget* widget)
{
    QList<QWidget*> inner = widget->findChildren<QWidget*>();
    std::reverse(inner.begin(), inner.end());
    inner << widget;
    for (QWidget* each : inner)
        if (each->layout())
            each->layout()->activate();
}

class DesktopInspectorWiring : public DesktopProjectTest<WiredWindow>
{
protected:
    DesktopInspectorWiring() : DesktopProjectTest(QStringLiteral("Wiring")) {}

    // Opens the records in the whole window and edits the first segment.
    QString openEditing(std::vector<RecordBuilder>& records)
    {
        const QString failure = openProject(records);
        if (!failure.isEmpty())
            return failure;
        edited = window->manager()->segmentAt(0);
        tile = window->edit(edited);
        return tile ? QString() : QStringLiteral("the segment did not enter editing");
    }

    // A one-colour picture of four seconds alone on its track, being edited.
    QString openPicture()
    {
        if (QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                          "color=c=red:s=320x180", "-frames:v", "1",
                                                          dir + "/red.png"})
            != 0)
            return QStringLiteral("ffmpeg could not make the picture");
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("IMAGE").set("File", "red.png").set("UId", "red").set("TrackId", 1)
                                        .set("RangeStart", 0).set("RangeDuration", 4)));
        const QString failure = openEditing(records);
        picture = edited;
        return failure;
    }

    // A movie with sound, being edited.
    QString openMovie()
    {
        if (!QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"))
            return QStringLiteral("the movie fixture is missing");
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip.mp4")
                                        .set("TrackId", 1).set("RangeStart", 0).set("RangeDuration", 2)
                                        .set("TrimStart", 0).set("TrimDuration", 2)));
        return openEditing(records);
    }

    // Enters transition mode, selects the first transition and puts the pointer on its start.
    void selectFirstTransition()
    {
        SegmentInspectorWidget* inspector = window->inspector();
        emit inspector->segmentInspectorWidgetEnterEditTransition(inspector);
        emit inspector->segmentInspectorWidgetTransitionSelectionIndexChanged(inspector, 0);
        emit inspector->segmentInspectorWidgetTransitionBeginOrEndPositionChanged(inspector, 1);
    }

    Segment* edited = nullptr;
    Segment* picture = nullptr;
    SegmentWidget* tile = nullptr;
};

} // namespace

// The transparency slider moves the preview while it is dragged and costs
// one undo step, taken when it is let go.
TEST_F(DesktopInspectorWiring, DraggingTransparencyIsLiveAndRecordedOnRelease)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    auto* section = sectionOf<TransparencyEditingWidgetController>(window->inspector());
    ASSERT_NE(section, nullptr);
    QSlider* slider = section->popup()->findChild<QSlider*>();
    ASSERT_NE(slider, nullptr);
    const int before = window->historySize();
    const float opaque = window->engineTransparency(picture);

    drag(slider, (slider->minimum() + slider->maximum()) / 2, [&] {
        EXPECT_NE(window->engineTransparency(picture), opaque);
        EXPECT_EQ(window->historySize(), before);
    });
    EXPECT_EQ(window->historySize(), before + 1);
    EXPECT_NE(picture->userTransparency(), opaque);
}

// A held X button is one edit: one snapshot, and undoing it restores the x
// from before the hold.
TEST_F(DesktopInspectorWiring, HoldingXUpLeavesOneSnapshotOfTheOldX)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    auto* geometry = sectionOf<GeometryEditingWidgetController>(window->inspector());
    ASSERT_NE(geometry, nullptr);
    auto* up = geometry->widget()->findChild<QPushButton*>(QStringLiteral("xValueUpButton"));
    ASSERT_NE(up, nullptr);
    const double oldX = picture->userTranslation().x();
    const int before = window->historySize();

    QTest::mousePress(up, Qt::LeftButton);
    // Held until the step has repeated a few times.
    EXPECT_TRUE(waitFor([&] { return picture->userTranslation().x() > oldX + 0.02; }, 10000))
        << "holding X up never repeated its step";
    QTest::mouseRelease(up, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return window->historySize() == before + 1; }, 3000));
    QTest::qWait(400);
    EXPECT_EQ(window->historySize(), before + 1);
    EXPECT_GT(picture->userTranslation().x(), oldX + 0.02);

    ASSERT_TRUE(window->undo());
    const int index = window->manager()->indexOfSegmentUId(QStringLiteral("red"));
    ASSERT_GE(index, 0);
    EXPECT_NEAR(window->manager()->segmentAt(index)->userTranslation().x(), oldX, 1e-6);
}

// Fields that show a rounded value commit nothing when focus only passes.
TEST_F(DesktopInspectorWiring, TabbingThroughRoundedFieldsTakesNoSnapshot)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    picture->setUserTranslation(QPointF(0.12345, -0.06789));
    picture->setUserScale(QPointF(0.33333, 1.23456));
    window->inspector()->updateGeometryValues(picture);
    auto* geometry = sectionOf<GeometryEditingWidgetController>(window->inspector());
    ASSERT_NE(geometry, nullptr);
    auto* x = geometry->widget()->findChild<QLineEdit*>(QStringLiteral("xLineEdit"));
    ASSERT_NE(x, nullptr);
    ASSERT_EQ(x->text(), QStringLiteral("12.3%"));
    const int before = window->historySize();

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    x->setFocus();
    ASSERT_TRUE(waitFor([&] { return x->hasFocus(); }, 5000));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(400);
    EXPECT_EQ(window->historySize(), before);
    EXPECT_DOUBLE_EQ(picture->userTranslation().x(), double(float(0.12345)));
}

// In transition mode the inspector shows the list alone until a transition
// is selected with the pointer on its start; then the state's own sections.
// The chroma key's first slider is not wired on its own.
TEST_F(DesktopInspectorWiring, TransitionModeShowsTheStateSectionsOnceSelected)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    SegmentInspectorWidget* inspector = window->inspector();
    const int id = picture->addTransitionAtTime(1.0f, 1.0f);
    ASSERT_EQ(id, 1);
    window->_pushTransitionAnimation(picture, id);

    emit inspector->segmentInspectorWidgetEnterEditTransition(inspector);
    ASSERT_TRUE(inspector->isTransitionEditMode());
    EXPECT_EQ(shownSections(inspector), 1);

    selectFirstTransition();
    ASSERT_TRUE(waitFor([&] { return shownSections(inspector) == 4; }, 3000)) << shownSections(inspector);
    EXPECT_NE(sectionOf<GeometryEditingWidgetController>(inspector), nullptr);
    EXPECT_NE(sectionOf<TransparencyEditingWidgetController>(inspector), nullptr);

    emit inspector->segmentInspectorWidgetExitEditTransition(inspector);
    ASSERT_FALSE(inspector->isTransitionEditMode());
    auto* chromaKey = sectionOf<ChromaKeyEditingWidgetController>(inspector);
    if (!chromaKey)
        GTEST_SKIP() << "a picture shows no chroma key section";
    PopupChromaKeyWidget* popup = chromaKey->popup();
    // The popup's own first row stays unused; whatever it sends goes nowhere.
    const int before = window->historySize();
    const int sensitivity = picture->keySensitivity();
    emit popup->sliderColorPopupValueChanging(popup, 50.0f);
    emit popup->sliderColorPopupValueChanged(popup, 50.0f);
    EXPECT_EQ(window->historySize(), before);
    EXPECT_EQ(picture->keySensitivity(), sensitivity);
    // The sensitivity row is the second one and is recorded.
    emit popup->sliderColorPopupValue2Changed(popup, 73.0f);
    EXPECT_EQ(window->historySize(), before + 1);
    EXPECT_EQ(picture->keySensitivity(), 73);
}

// A movie with sound adds the transition's own volume to the state's sections.
TEST_F(DesktopInspectorWiring, TransitionModeOfAMovieWithSoundShowsItsVolume)
{
    const QString failure = openMovie();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    if (!edited->hasAudio())
        GTEST_SKIP() << "the movie's sound did not load";
    const int id = edited->addTransitionAtTime(0.5f, 0.5f);
    ASSERT_EQ(id, 1);
    window->_pushTransitionAnimation(edited, id);
    SegmentInspectorWidget* inspector = window->inspector();
    selectFirstTransition();
    ASSERT_TRUE(inspector->isTransitionEditMode());
    ASSERT_TRUE(waitFor([&] { return shownSections(inspector) == 5; }, 3000)) << shownSections(inspector);
    EXPECT_TRUE(window->volumeControlEnabled());
}

// Removing by list index acts only on the transition selected on the tile.
TEST_F(DesktopInspectorWiring, RemovingByIndexTakesOnlyTheSelectedTransition)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    for (float time : {0.5f, 2.5f})
        window->_pushTransitionAnimation(picture, picture->addTransitionAtTime(0.5f, time));
    ASSERT_EQ(picture->transitionCount(), 2);
    SegmentInspectorWidget* inspector = window->inspector();
    selectFirstTransition();
    ASSERT_EQ(tile->transitionId(), 1);
    const int before = window->historySize();

    emit inspector->segmentInspectorWidgetRemoveTransitionAtIndex(inspector, 1);
    emit inspector->segmentInspectorWidgetRemoveTransitionAtIndex(inspector, 7);
    emit inspector->segmentInspectorWidgetDuplicateTransitionAtIndex(inspector, -1);
    EXPECT_EQ(picture->transitionCount(), 2);
    EXPECT_EQ(window->historySize(), before);

    emit inspector->segmentInspectorWidgetRemoveTransitionAtIndex(inspector, 0);
    EXPECT_EQ(picture->transitionCount(), 1);
    EXPECT_EQ(window->historySize(), before + 1);
    EXPECT_NEAR(picture->transitionStart(1), 2.5f - picture->rangeStart(), 0.3f);
}

// A colour picker asks where the preview lies: a widget lying exactly over
// it gets (0, 0) and its size; a missing rectangle is left alone.
TEST_F(DesktopInspectorWiring, ColourPickersGetThePreviewRectangle)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    auto* section = sectionOf<ChromaKeyEditingWidgetController>(window->inspector());
    if (!section)
        GTEST_SKIP() << "a picture shows no chroma key section";
    PopupChromaKeyWidget* popup = section->popup();
    QWidget* preview = window->previewWidget()->parentWidget();
    QWidget over(preview);
    over.setGeometry(preview->rect());
    QRect rect;
    emit popup->sliderColorPopupGetPlaybackAreaFrame(popup, &rect, &over);
    EXPECT_EQ(rect, QRect(QPoint(0, 0), preview->size()));
    emit popup->sliderColorPopupGetPlaybackAreaFrame(popup, nullptr, &over);

    // The preview draws the picture on its own thread, a moment after the opening.
    const auto redInTheMiddle = [](const QImage& frame) {
        const QColor middle = frame.pixel(frame.width() / 2, frame.height() / 2);
        return middle.red() > 240 && middle.green() < 20;
    };
    EXPECT_TRUE(waitFor([&] { return redInTheMiddle(window->previewWidget()->grabFramebuffer()); }, 10000))
        << "the preview never drew the picture";
    QImage image;
    emit popup->sliderColorPopupNeedColorPickingImage(popup, &image);
    ASSERT_FALSE(image.isNull());
    // The red picture fills the middle of the preview.
    const QColor middle = image.pixel(image.width() / 2, image.height() / 2);
    EXPECT_GT(middle.red(), 240);
    EXPECT_LT(middle.green(), 20);
}

// The chroma key popup's first slider pair reaches no slot of the window;
// its other rows, colour, switch and combined values do.
TEST_F(DesktopInspectorWiring, ChromaKeyFirstSliderIsLeftUnconnected)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    CountedChromaKey wired;
    CountedChromaKey plain;
    window->_segmentEditingSetConnectionsForChromaKeyPopupChromaKeyWidget(&wired);
    EXPECT_EQ(wired.tag(), 40);
    const auto added = [&](const char* signal) { return wired.receiversOf(signal) - plain.receiversOf(signal); };
    EXPECT_EQ(added(SIGNAL(sliderColorPopupValueChanged(CommonSliderColorPopup*, float))), 0);
    EXPECT_EQ(added(SIGNAL(sliderColorPopupValueChanging(CommonSliderColorPopup*, float))), 0);
    for (const char* signal : {SIGNAL(sliderColorPopupValue2Changed(CommonSliderColorPopup*, float)),
                               SIGNAL(sliderColorPopupValue2Changing(CommonSliderColorPopup*, float)),
                               SIGNAL(sliderColorPopupValue3Changed(CommonSliderColorPopup*, float)),
                               SIGNAL(sliderColorPopupValue3Changing(CommonSliderColorPopup*, float)),
                               SIGNAL(sliderColorPopupColorChanged(CommonSliderColorPopup*, QColor)),
                               SIGNAL(sliderColorPopupNeedColorPickingImage(CommonSliderColorPopup*, QImage*)),
                               SIGNAL(sliderColorPopupGetPlaybackAreaFrame(CommonSliderColorPopup*, QRect*, QWidget*)),
                               SIGNAL(sliderColorPopupSwitchValueChanged(CommonSliderColorPopup*, bool)),
                               SIGNAL(valuesChanged(PopupChromaKeyWidget*, int, int, QColor))})
        EXPECT_EQ(added(signal), 1) << signal;
}

// The same transparency popup edits the segment, or the shown transition state.
TEST_F(DesktopInspectorWiring, TransparencyPopupsAreTaggedForWhatTheyEdit)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    PopupSliderWidget own;
    PopupSliderWidget state;
    window->_segmentEditingSetConnectionsForTransparencyPopupSliderWidget(&own, false);
    window->_segmentEditingSetConnectionsForTransparencyPopupSliderWidget(&state, true);
    EXPECT_EQ(own.tag(), 1);
    EXPECT_EQ(state.tag(), 6);
}

// Pressing a transition's band on the edited tile switches the inspector to
// transitions, shows the transition's end and enables the transition
// commands; picking another in the inspector's list shows that one.
TEST_F(DesktopInspectorWiring, ChoosingATransitionShowsItAndSwitchesTheInspector)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    for (float time : {0.5f, 2.5f})
        window->_pushTransitionAnimation(picture, picture->addTransitionAtTime(0.5f, time));
    ASSERT_EQ(picture->transitionCount(), 2);
    SegmentInspectorWidget* inspector = window->inspector();
    ASSERT_FALSE(inspector->isTransitionEditMode());
    ASSERT_FALSE(window->deleteTransitionAction()->isEnabled());
    ASSERT_TRUE(waitFor([&] { return !window->openingShown(); }, 10000));

    const int second = picture->isValidTransitionIndex(1);
    const QPoint band(int(tile->transitionStartPixels(second) + tile->transitionWidthPixels(second) / 2),
                      tile->height() / 2);
    ASSERT_TRUE(raiseUntilShownAt(tile, band));
    QTest::mousePress(tile, Qt::LeftButton, Qt::NoModifier, band);
    QTest::mouseRelease(tile, Qt::LeftButton, Qt::NoModifier, band);
    ASSERT_EQ(tile->transitionId(), second);
    EXPECT_TRUE(inspector->isTransitionEditMode());
    EXPECT_TRUE(waitFor([&] { return std::abs(window->pointerTime() - 3.0f) < 0.05f; }, 3000))
        << window->pointerTime();
    EXPECT_TRUE(waitFor([&] { return window->deleteTransitionAction()->isEnabled(); }, 3000));

    auto* list = inspector->findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(waitFor([&] { return list->isVisible() && list->topLevelItemCount() == 2; }, 3000));
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    ASSERT_EQ(tile->transitionId(), picture->isValidTransitionIndex(0));
    EXPECT_TRUE(waitFor([&] { return std::abs(window->pointerTime() - 1.0f) < 0.05f; }, 3000))
        << window->pointerTime();
    EXPECT_TRUE(inspector->isTransitionEditMode());

    // Deleted, the first leaves nothing chosen; picking the one left enables the commands again.
    window->deleteTransitionAction()->trigger();
    ASSERT_EQ(picture->transitionCount(), 1);
    ASSERT_TRUE(waitFor([&] { return !window->deleteTransitionAction()->isEnabled(); }, 3000));
    ASSERT_TRUE(waitFor([&] { return list->topLevelItemCount() == 1; }, 3000));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->topLevelItem(0)).center());
    EXPECT_EQ(tile->transitionId(), picture->isValidTransitionIndex(0));
    EXPECT_TRUE(waitFor([&] { return window->deleteTransitionAction()->isEnabled(); }, 3000));
    EXPECT_TRUE(waitFor([&] { return std::abs(window->pointerTime() - 3.0f) < 0.05f; }, 3000))
        << window->pointerTime();
}

// Undo keeps the editing as the user left it: transition editing on, with
// or without a chosen transition (its tool bar on, the trim bars away), and
// the inspector scrolled where it was.
TEST_F(DesktopInspectorWiring, UndoKeepsTransitionEditingAndTheInspectorScrolled)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    window->_pushTransitionAnimation(picture, picture->addTransitionAtTime(1.0f, 1.0f));
    SegmentInspectorWidget* inspector = window->inspector();
    window->editTransitionAction()->trigger();
    ASSERT_TRUE(waitFor([&] { return tile->transitionId() > 0 && !window->openingShown(); }, 10000));
    auto* geometry = sectionOf<GeometryEditingWidgetController>(inspector);
    ASSERT_NE(geometry, nullptr);
    auto* up = geometry->widget()->findChild<QPushButton*>(QStringLiteral("xValueUpButton"));
    ASSERT_NE(up, nullptr);
    // One step of X, an undo step a moment after the click.
    const auto nudgeX = [&] {
        const int steps = window->manager()->history().count();
        QTest::mouseClick(up, Qt::LeftButton);
        return waitFor([&] { return window->manager()->history().count() == steps + 1; }, 3000);
    };
    const auto undone = [&] {
        const int refreshes = window->controlRefreshes;
        const bool done = window->undo();
        // The inspector refreshes its controls a moment after the tile enters editing.
        EXPECT_TRUE(window->waitForControlRefreshSince(refreshes)) << "the inspector never refreshed its controls";
        return done ? window->timeline()->editingSegmentWidget() : nullptr;
    };
    const auto expectTransitionEditing = [&] {
        EXPECT_TRUE(inspector->isTransitionEditMode());
        EXPECT_EQ(window->editTransitionAction()->text(), QStringLiteral("Finish Editing Transitions"));
        QLabel* trimBar = window->timeline()->leftTrimBar();
        EXPECT_TRUE(trimBar == nullptr || !trimBar->isVisible());
    };
    QScrollBar* scroll = inspector->findChild<QScrollArea*>(QStringLiteral("scrollArea"))->verticalScrollBar();
    ASSERT_TRUE(nudgeX());
    ASSERT_GT(scroll->maximum(), 1) << "the inspector has nothing to scroll";
    const int scrolled = scroll->maximum() / 2;
    scroll->setValue(scrolled);
    SegmentWidget* editing = undone();
    ASSERT_NE(editing, nullptr);
    EXPECT_EQ(editing->transitionId(), 1);
    expectTransitionEditing();
    EXPECT_EQ(scroll->value(), scrolled);

    emit inspector->segmentInspectorWidgetTransitionSelectionIndexChanged(inspector, -1);
    ASSERT_EQ(editing->transitionId(), 0);
    ASSERT_TRUE(nudgeX());
    editing = undone();
    ASSERT_NE(editing, nullptr);
    EXPECT_EQ(editing->transitionId(), 0);
    expectTransitionEditing();
}

// Escape while a transition is edited leaves the transitions only; the next
// one leaves the segment's editing.
TEST_F(DesktopInspectorWiring, EscapeLeavesTransitionEditingFirst)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    window->_pushTransitionAnimation(picture, picture->addTransitionAtTime(0.5f, 1.0f));
    window->editTransitionAction()->trigger();
    SegmentInspectorWidget* inspector = window->inspector();
    ASSERT_TRUE(inspector->isTransitionEditMode());
    ASSERT_TRUE(waitFor([&] { return tile->transitionId() > 0 && !window->openingShown(); }, 10000));

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(inspector->isTransitionEditMode());
    EXPECT_EQ(tile->transitionId(), 0);
    EXPECT_TRUE(tile->isEditing());
    EXPECT_TRUE(waitFor([&] { return window->editTransitionAction()->text() == QStringLiteral("Edit Transitions"); },
                        3000));

    QTest::qWait(150);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return !tile->isEditing(); }, 3000));
}

// Playing fades the edited picture's handles out and leaves the geometry
// controls with nothing to edit.
TEST_F(DesktopInspectorWiring, PlayingFadesTheOverlayAndRefreshesTheControls)
{
    const QString failure = openPicture();
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    ASSERT_TRUE(waitFor([&] { return window->overlay() && window->overlay()->isVisible(); }, 3000));
    QPointer<TransformWidget> overlay = window->overlay();
    auto* geometry = sectionOf<GeometryEditingWidgetController>(window->inspector());
    ASSERT_NE(geometry, nullptr);
    ASSERT_TRUE(geometry->widget()->isEnabled());

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("playPauseButton")), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return window->playing() && window->pointerTime() > 0.1f; }, 5000))
        << window->pointerTime();
    EXPECT_TRUE(waitFor([&] { return overlay.isNull(); }, 3000));
    EXPECT_FALSE(geometry->widget()->isEnabled());
    window->engine()->pause();
    waitFor([&] { return !window->playing(); }, 3000);
}

// Everything the inspector shows while transitions are edited fits its panel
// in every language: nothing to scroll sideways, every caption whole, every
// button inside the visible width.
TEST_F(DesktopInspectorWiring, TransitionEditingFitsThePanelInEveryLanguage)
{
    constexpr int kEditTransition = 10002;
    MultiLanguage language;
    // The tests after this one read English, however this one ends.
    const std::shared_ptr<void> english(nullptr, [&](void*) { language.switchLanguage("en_US"); });
    for (const QString code : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "ru_RU", "ja_JP", "ko_KR",
                               "zh_CN", "zh_TW"}) {
        SCOPED_TRACE(code.toStdString());
        // The window reads its texts as it is built, as on a start in the language.
        language.switchLanguage(code);
        ASSERT_EQ(language.currentLanguage(), code);
        const QString failure = openPicture();
        if (!failure.isEmpty())
            GTEST_SKIP() << qPrintable(failure);
        window->_pushTransitionAnimation(picture, picture->addTransitionAtTime(1.0f, 1.0f));
        SegmentInspectorWidget* inspector = window->inspector();
        TooltipButton* enter = inspector->bottomToolbar()->buttonForCommand(kEditTransition);
        ASSERT_NE(enter, nullptr);
        QTest::mouseClick(enter, Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return tile->transitionId() > 0 && shownSections(inspector) > 1; }, 5000));
        // The easing row shows the transition's curve a moment after.
        auto* easing = inspector->findChild<QPushButton*>(QStringLiteral("easingTypeButton"));
        ASSERT_NE(easing, nullptr);
        ASSERT_TRUE(waitFor(
            [&] {
                return easing->isVisible()
                       && easing->text() == window->easingFunctionName(picture, tile->transitionId());
            },
            5000));
        auto* scrollArea = inspector->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        QWidget* viewport = scrollArea->viewport();
        QWidget* content = scrollArea->widget();
        // What the rows ask for reaches the scroll area, which then sizes the
        // sections: as wide as the panel, or as they need.
        settleLayouts(content);
        ASSERT_TRUE(waitFor(
            [&] { return content->width() == std::max(viewport->width(), content->minimumSizeHint().width()); },
            3000));
        EXPECT_FALSE(scrollArea->horizontalScrollBar()->isVisible());
        for (QWidget* shown : content->findChildren<QWidget*>()) {
            if (!shown->isVisible())
                continue;
            const std::string name = shown->objectName().toStdString();
            if (auto* label = qobject_cast<QLabel*>(shown); label && !label->wordWrap()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                EXPECT_LE(needed, label->contentsRect().width())
                    << name << " \"" << label->text().toStdString() << "\"";
            }
            if (qobject_cast<QAbstractButton*>(shown)) {
                const QRect placed(shown->mapTo(viewport, QPoint(0, 0)), shown->size());
                EXPECT_GE(placed.left(), 0) << name;
                EXPECT_LE(placed.right(), viewport->width() - 1) << name;
            }
        }
    }
}
