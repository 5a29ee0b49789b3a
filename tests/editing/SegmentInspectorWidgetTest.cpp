#include "InspectorFixture.h"
#include "InspectorTestSupport.h"

#include "ColorsEditingWidgetController.h"
#include "GeometryEditingWidgetController.h"
#include "CommonEditingWidgetController.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderWidget.h"
#include "ScrollableToolBar.h"
#include "SegmentInspectorWidget.h"
#include "TooltipButton.h"
#include "TransitionsEditingWidgetController.h"
#include "TransparencyEditingWidgetController.h"
#include "VolumeEditingWidgetController.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace InspectorTest;

namespace {

class SegmentInspector : public InspectorFixture
{
protected:
    void saveScreenshot(const QString& name)
    {
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        QApplication::processEvents();
        inspector->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/segment-inspector-" + name + ".png");
    }
};

} // namespace

TEST_F(SegmentInspector, MusicShowsItsSoundSectionsAndTheirHeightsExactly)
{
    auto song = music();
    inspector->setSegment(song.get(), kCanvas);
    EXPECT_EQ(shownSections(), QStringList({"Volume", "Pitch", "Speed", "Transitions"}));
    // Three slider panels of 100 and the compact transitions list of 256,
    // each with its separator.
    EXPECT_EQ(content()->height(), 560);
    EXPECT_EQ(content()->height(), shownHeight());
    saveScreenshot("music");
}

TEST_F(SegmentInspector, EachVisualTypeShowsItsSectionsInDisplayOrder)
{
    const QStringList visual = {"Geometry", "Transparency"};
    const QStringList effects = {"Shadow", "Colors", "ChromaKey", "Transitions"};
    auto words = text();
    inspector->setSegment(words.get(), kCanvas);
    EXPECT_EQ(shownSections(), QStringList({"EditButton", "TextSize", "TextFont", "TextAlignment"}) + visual +
                                   QStringList({"Border", "TextBack"}) + effects);
    saveScreenshot("text");

    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    const QStringList pictureSections =
        QStringList{"EditButton"} + visual + QStringList{"StrokeBorder", "RoundCorner"} + effects;
    EXPECT_EQ(shownSections(), pictureSections);
    saveScreenshot("image");

    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    EXPECT_EQ(shownSections(), pictureSections);
    saveScreenshot("drawing");

    auto silent = movie(false);
    inspector->setSegment(silent.get(), kCanvas);
    const QStringList movieEffects = QStringList{"Shadow", "Colors", "ChromaKey", "VideoUtilities", "Transitions"};
    EXPECT_EQ(shownSections(), visual + QStringList({"Speed", "StrokeBorder", "RoundCorner"}) + movieEffects);

    // Once its sound loaded, the same movie shows volume and pitch too.
    auto clip = movie(true);
    inspector->setSegment(clip.get(), kCanvas);
    EXPECT_EQ(shownSections(),
              visual + QStringList({"Volume", "Pitch", "Speed", "StrokeBorder", "RoundCorner"}) + movieEffects);
    EXPECT_EQ(content()->height(), shownHeight());
    saveScreenshot("movie");
}

TEST_F(SegmentInspector, SwitchingTypesKeepsTheSectionsAndCountsOnlyTheShownOnes)
{
    auto words = text();
    auto song = music();
    inspector->setSegment(words.get(), kCanvas);
    const QList<CommonEditingWidgetController*> textSections = inspector->editingControllers();
    inspector->setSegment(song.get(), kCanvas);
    for (CommonEditingWidgetController* section : textSections) {
        if (section->displayOrder() == 180)
            continue; // the transitions list serves every type
        EXPECT_TRUE(inspector->editingControllers().contains(section));
        EXPECT_FALSE(section->isVisible());
        EXPECT_FALSE(section->isApplicable());
        EXPECT_TRUE(section->widget()->isHidden());
    }
    EXPECT_EQ(shownSections(), QStringList({"Volume", "Pitch", "Speed", "Transitions"}));
    EXPECT_EQ(content()->height(), shownHeight());

    // Back to the text: nothing is made twice.
    const int made = inspector->editingControllers().size();
    inspector->setSegment(words.get(), kCanvas);
    EXPECT_EQ(inspector->editingControllers().size(), made);
    EXPECT_EQ(content()->height(), shownHeight());
}

TEST_F(SegmentInspector, EachPopupIsAnnouncedOnceWhenItsSectionIsMade)
{
    qRegisterMetaType<PopupSliderWidget*>();
    QSignalSpy transparency(inspector, &SegmentInspectorWidget::setConnectionsForTransparencyPopupSliderWidget);
    QSignalSpy volume(inspector, &SegmentInspectorWidget::setConnectionsForVolumePopupSliderWidget);
    QSignalSpy colors(inspector, &SegmentInspectorWidget::setConnectionsForColorsPopupColorsScrollWidget);
    QSignalSpy chromaKey(inspector, &SegmentInspectorWidget::setConnectionsForChromaKeyPopupChromaKeyWidget);
    auto photo = picture();
    auto song = music();
    for (int i = 0; i < 2; ++i) {
        inspector->setSegment(photo.get(), kCanvas);
        inspector->setSegment(song.get(), kCanvas);
    }
    ASSERT_EQ(transparency.size(), 1);
    EXPECT_FALSE(transparency.at(0).at(1).toBool());
    EXPECT_EQ(volume.size(), 1);
    EXPECT_EQ(colors.size(), 1);
    EXPECT_EQ(chromaKey.size(), 1);

    // The transition flavour is announced as such, once.
    inspector->setSegment(photo.get(), kCanvas);
    photo->addTransitionAtTime(1.0f, 0.0f);
    photo->addTransitionAtTime(1.0f, 4.0f);
    inspector->enterTransitionEditMode();
    inspector->updateTransitionControllers(photo.get(), 1, 1);
    inspector->updateTransitionControllers(photo.get(), 2, 0);
    ASSERT_EQ(transparency.size(), 2);
    EXPECT_TRUE(transparency.at(1).at(1).toBool());
    EXPECT_NE(transparency.at(1).at(0).value<PopupSliderWidget*>(), transparency.at(0).at(0).value<PopupSliderWidget*>());
    ASSERT_EQ(colors.size(), 2);
    EXPECT_TRUE(colors.at(1).at(1).toBool());
}

TEST_F(SegmentInspector, TransitionModeShowsTheStateSectionsOnlyOnceATransitionIsSelected)
{
    auto clip = movie(true);
    const int first = clip->addTransitionAtTime(1.0f, 0.0f);
    const int second = clip->addTransitionAtTime(1.0f, 4.0f);
    clip->setTransitionUserTransparency(first, true, 0.25f);
    clip->setTransitionUserTransparency(second, false, 0.75f);
    inspector->setSegment(clip.get(), kCanvas);
    inspector->enterTransitionEditMode();
    EXPECT_EQ(shownSections(), QStringList({"Transitions"}));
    EXPECT_EQ(content()->height(), shownHeight());

    inspector->updateTransitionControllers(clip.get(), first, 1);
    EXPECT_EQ(shownSections(), QStringList({"Transitions", "Geometry", "Transparency", "Volume", "Colors"}));
    EXPECT_EQ(content()->height(), shownHeight());
    auto* transparency = inspector->findChildren<TransparencyEditingWidgetController*>().last();
    EXPECT_TRUE(transparency->isTransition());
    EXPECT_FLOAT_EQ(transparency->popup()->value(), 0.25f);

    // Another transition's end state: new values, same sections.
    inspector->updateTransitionControllers(clip.get(), second, 0);
    EXPECT_FLOAT_EQ(transparency->popup()->value(), 0.75f);
    EXPECT_EQ(shownSections(), QStringList({"Transitions", "Geometry", "Transparency", "Volume", "Colors"}));

    inspector->exitTransitionEditMode(clip.get());
    EXPECT_FALSE(inspector->isTransitionEditMode());
    EXPECT_TRUE(transparency->widget()->isHidden());
    EXPECT_TRUE(shownSections().contains("ChromaKey"));
    EXPECT_EQ(content()->height(), shownHeight());
}

TEST_F(SegmentInspector, PictureTransitionHasNoVolumeSection)
{
    auto photo = picture();
    const int id = photo->addTransitionAtTime(1.0f, 0.0f);
    inspector->setSegment(photo.get(), kCanvas);
    inspector->enterTransitionEditMode();
    inspector->updateTransitionControllers(photo.get(), id, 0);
    EXPECT_EQ(shownSections(), QStringList({"Transitions", "Geometry", "Transparency", "Colors"}));
    EXPECT_FALSE(inspector->transitionVolumeControlEnabled());
}

TEST_F(SegmentInspector, ToolBarCommandsBecomeSignalsAndEditingModesDisableThem)
{
    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    ScrollableToolBar* toolbar = inspector->bottomToolbar();
    QSignalSpy finish(inspector, &SegmentInspectorWidget::segmentInspectorWidgetDidFinish);
    QSignalSpy split(inspector, &SegmentInspectorWidget::segmentInspectorWidgetSplitSegment);
    QSignalSpy applyToAll(inspector, &SegmentInspectorWidget::segmentInspectorWidgetApplyToAllSegments);
    QSignalSpy enter(inspector, &SegmentInspectorWidget::segmentInspectorWidgetEnterEditTransition);
    QSignalSpy exit(inspector, &SegmentInspectorWidget::segmentInspectorWidgetExitEditTransition);
    QTest::mouseClick(toolbar->buttonForCommand(10001), Qt::LeftButton);
    QTest::mouseClick(toolbar->buttonForCommand(10020), Qt::LeftButton);
    QTest::mouseClick(toolbar->buttonForCommand(10029), Qt::LeftButton);
    QTest::mouseClick(toolbar->buttonForCommand(10002), Qt::LeftButton);
    inspector->onToolBarButtonClicked(toolbar, 4242);
    EXPECT_EQ(finish.size(), 1);
    EXPECT_EQ(split.size(), 1);
    EXPECT_EQ(applyToAll.size(), 1);
    EXPECT_EQ(enter.size(), 1);
    EXPECT_EQ(finish.at(0).at(0).value<SegmentInspectorWidget*>(), inspector);

    // Cropping holds the commands on the segment, but not Apply to all.
    inspector->setEditingMode(true, QStringLiteral("Cropping..."), 0);
    for (int command : {10001, 10010, 10020, 10011, 10002})
        EXPECT_FALSE(toolbar->buttonForCommand(command)->isEnabled()) << command;
    EXPECT_TRUE(toolbar->buttonForCommand(10029)->isEnabled());
    EXPECT_EQ(shownSections(), QStringList({"DoneButton"}));
    inspector->setEditingMode(false, QStringLiteral("Cropping..."), 0);
    EXPECT_TRUE(toolbar->buttonForCommand(10001)->isEnabled());
    EXPECT_EQ(shownSections().size(), 9);
    EXPECT_EQ(content()->height(), shownHeight());

    // Editing a text keeps its text sections; cropping it hides them.
    auto words = text();
    inspector->setSegment(words.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Editing..."), 1);
    EXPECT_EQ(shownSections(), QStringList({"DoneButton", "TextSize", "TextFont", "TextAlignment"}));
    inspector->setEditingMode(false, QStringLiteral("Editing..."), 1);
    inspector->setEditingMode(true, QStringLiteral("Cropping..."), 0);
    EXPECT_EQ(shownSections(), QStringList({"DoneButton"}));
    inspector->setEditingMode(false, QStringLiteral("Cropping..."), 0);
    EXPECT_EQ(shownSections().size(), 12);

    inspector->enterTransitionEditMode();
    EXPECT_EQ(toolbar->buttonForCommand(10001), nullptr);
    QTest::mouseClick(toolbar->buttonForCommand(10101), Qt::LeftButton);
    EXPECT_EQ(exit.size(), 1);
}

TEST_F(SegmentInspector, SectionsOfEqualOrderStayInTheOrderTheyWereAdded)
{
    QWidget* parent = content();
    auto* colors = new ColorsEditingWidgetController(false, parent);
    auto* early = new TransparencyEditingWidgetController(false, parent);
    auto* twin = new TransparencyEditingWidgetController(false, parent);
    auto* late = new TransparencyEditingWidgetController(true, parent);
    inspector->addEditingController(colors);
    inspector->addEditingController(late);
    inspector->addEditingController(early);
    inspector->addEditingController(twin);
    const QList<CommonEditingWidgetController*> expected = {early, twin, colors, late};
    EXPECT_EQ(inspector->editingControllers(), expected);
    // Each widget directly followed by its separator.
    QLayout* layout = parent->layout();
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(layout->itemAt(2 * i)->widget(), expected.at(i)->widget()) << i;
        EXPECT_EQ(layout->itemAt(2 * i + 1)->widget(), expected.at(i)->separator()) << i;
    }
}

TEST_F(SegmentInspector, VolumeFollowsTheOverlayForAMovieAndTheTransitionsForASound)
{
    auto clip = movie(true);
    inspector->setSegment(clip.get(), kCanvas);
    QWidget overlay;
    inspector->refreshEditingControllers(clip.get(), nullptr, true, 1.0f);
    EXPECT_FALSE(inspector->volumeControlEnabled());
    inspector->refreshEditingControllers(clip.get(), &overlay, true, 1.0f);
    EXPECT_TRUE(inspector->volumeControlEnabled());

    // A sound's volume is held while the pointer is inside a transition.
    auto song = music();
    ASSERT_EQ(song->addTransitionAtTime(1.0f, 2.0f), 1);
    inspector->setSegment(song.get(), kCanvas);
    const float inside = song->transitionStart(1) + 0.5f;
    inspector->refreshEditingControllers(song.get(), nullptr, true, inside);
    EXPECT_FALSE(inspector->volumeControlEnabled());
    inspector->refreshEditingControllers(song.get(), nullptr, true, 1.0f);
    EXPECT_TRUE(inspector->volumeControlEnabled());
}

TEST_F(SegmentInspector, GeometryActionsLeaveAsTheInspectorsSignalsAndItsQuestionIsAnswered)
{
    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    auto* geometry = inspector->findChild<GeometryEditingWidgetController*>();
    ASSERT_NE(geometry, nullptr);
    QSignalSpy setX(inspector, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryX);
    QSignalSpy updateHeight(inspector, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryHeight);
    QSignalSpy flip(inspector, &SegmentInspectorWidget::segmentInspectorWidgetFlipVerticalAction);
    QSignalSpy corner(inspector, &SegmentInspectorWidget::segmentInspectorWidgetUpdateCornerOffset);
    emit geometry->xValueChanged(12.5);
    emit geometry->heightValueChanging(40.0);
    emit geometry->flipVerticalButtonClicked();
    emit geometry->cornerOffsetChanging(2, 0.25, -0.5);
    ASSERT_EQ(setX.size(), 1);
    EXPECT_DOUBLE_EQ(setX.at(0).at(1).toDouble(), 12.5);
    ASSERT_EQ(updateHeight.size(), 1);
    EXPECT_DOUBLE_EQ(updateHeight.at(0).at(1).toDouble(), 40.0);
    EXPECT_EQ(flip.size(), 1);
    ASSERT_EQ(corner.size(), 1);
    EXPECT_EQ(corner.at(0).at(1).toInt(), 2);
    EXPECT_DOUBLE_EQ(corner.at(0).at(3).toDouble(), -0.5);

    QObject::connect(
        inspector, &SegmentInspectorWidget::segmentInspectorWidgetBeforeUpdateGeometryValue, inspector,
        [](SegmentInspectorWidget*, QPointF& translation, QPointF& scale, qreal& rotation, qreal* xs, qreal*) {
            translation = QPointF(0.1, 0.2);
            scale = QPointF(2, 3);
            rotation = 45;
            xs[3] = 0.7;
        },
        Qt::DirectConnection);
    QPointF translation;
    QPointF scale;
    qreal rotation = 0;
    qreal xs[4] = {};
    qreal ys[4] = {};
    emit geometry->beforeGeometryValueChanging(translation, scale, rotation, xs, ys);
    EXPECT_EQ(translation, QPointF(0.1, 0.2));
    EXPECT_EQ(scale, QPointF(2, 3));
    EXPECT_DOUBLE_EQ(rotation, 45.0);
    EXPECT_DOUBLE_EQ(xs[3], 0.7);
}

TEST_F(SegmentInspector, TransitionListActionsLeaveAsTheInspectorsSignalsAndItsQuestionsAreAnswered)
{
    auto song = music();
    inspector->setSegment(song.get(), kCanvas);
    auto* transitions = inspector->findChild<TransitionsEditingWidgetController*>();
    ASSERT_NE(transitions, nullptr);
    QSignalSpy selected(inspector, &SegmentInspectorWidget::segmentInspectorWidgetTransitionSelectionIndexChanged);
    QSignalSpy side(inspector, &SegmentInspectorWidget::segmentInspectorWidgetTransitionBeginOrEndPositionChanged);
    QSignalSpy removed(inspector, &SegmentInspectorWidget::segmentInspectorWidgetRemoveTransitionAtIndex);
    QSignalSpy duplicated(inspector, &SegmentInspectorWidget::segmentInspectorWidgetDuplicateTransitionAtIndex);
    emit transitions->transitionSelectionIndexChanged(2);
    emit transitions->transitionBeginOrEndPositionChanged(0);
    emit transitions->removeTransitionAtIndex(3);
    emit transitions->duplicateTransitionAtIndex(1);
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.at(0).at(1).toInt(), 2);
    ASSERT_EQ(side.size(), 1);
    EXPECT_EQ(side.at(0).at(1).toInt(), 0);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 3);
    ASSERT_EQ(duplicated.size(), 1);
    EXPECT_EQ(duplicated.at(0).at(1).toInt(), 1);

    QObject::connect(
        inspector, &SegmentInspectorWidget::segmentInspectorWidgetGetEasingFunctionHintText, inspector,
        [](SegmentInspectorWidget*, Segment*, int id, QString& text) { text = QString("easing of %1").arg(id); },
        Qt::DirectConnection);
    QString hint;
    emit transitions->getEasingFunctionHintText(song.get(), 4, hint);
    EXPECT_EQ(hint, QStringLiteral("easing of 4"));
}
