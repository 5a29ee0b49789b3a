#include "InspectorTestSupport.h"

#include "ColorsEditingWidgetController.h"
#include "CommonEditingWidgetController.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderWidget.h"
#include "ScrollableToolBar.h"
#include "SegmentInspectorWidget.h"
#include "TooltipButton.h"
#include "TransparencyEditingWidgetController.h"
#include "VolumeEditingWidgetController.h"

#include <QDir>
#include <QLayout>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace InspectorTest;

namespace {

class SegmentInspector : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(320, 1400);
        inspector = new SegmentInspectorWidget(&window);
        inspector->resize(300, 1400);
        window.show();
    }

    // The classes of the shown sections, top to bottom as the layout holds them.
    QStringList shownSections() const
    {
        QStringList names;
        QLayout* layout = content()->layout();
        for (int i = 0; i < layout->count(); ++i) {
            QWidget* widget = layout->itemAt(i)->widget();
            for (CommonEditingWidgetController* section : inspector->editingControllers()) {
                if (section->widget() == widget && section->isVisible())
                    names << QString::fromLatin1(section->metaObject()->className()).remove("EditingWidgetController");
            }
        }
        return names;
    }

    int shownHeight() const
    {
        int total = 0;
        for (CommonEditingWidgetController* section : inspector->editingControllers())
            total += section->isVisible() ? section->sectionHeight() : 0;
        return total;
    }

    QWidget* content() const { return inspector->findChild<QScrollArea*>("scrollArea")->widget(); }

    void saveScreenshot(const QString& name)
    {
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        QApplication::processEvents();
        inspector->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/segment-inspector-" + name + ".png");
    }

    QWidget window;
    SegmentInspectorWidget* inspector = nullptr;
};

} // namespace

TEST_F(SegmentInspector, MusicShowsItsSoundSectionsAndTheirHeightsExactly)
{
    auto song = music();
    inspector->setSegment(song.get(), kCanvas);
    EXPECT_EQ(shownSections(), QStringList({"Volume", "Pitch", "Speed"}));
    // Three slider panels of 100 plus their separators.
    EXPECT_EQ(content()->height(), 3 * 101);
    EXPECT_EQ(content()->height(), shownHeight());
    saveScreenshot("music");
}

TEST_F(SegmentInspector, EachVisualTypeShowsItsSectionsInDisplayOrder)
{
    const QStringList visual = {"Transparency"};
    const QStringList effects = {"Shadow", "Colors", "ChromaKey"};
    auto words = text();
    inspector->setSegment(words.get(), kCanvas);
    EXPECT_EQ(shownSections(), visual + QStringList{"Border"} + effects);
    saveScreenshot("text");

    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    const QStringList pictureSections = visual + QStringList{"StrokeBorder", "RoundCorner"} + effects;
    EXPECT_EQ(shownSections(), pictureSections);
    saveScreenshot("image");

    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    EXPECT_EQ(shownSections(), pictureSections);
    saveScreenshot("drawing");

    auto silent = movie(false);
    inspector->setSegment(silent.get(), kCanvas);
    EXPECT_EQ(shownSections(), visual + QStringList({"Speed", "StrokeBorder", "RoundCorner"}) + effects);

    // Once its sound loaded, the same movie shows volume and pitch too.
    auto clip = movie(true);
    inspector->setSegment(clip.get(), kCanvas);
    EXPECT_EQ(shownSections(),
              visual + QStringList({"Volume", "Pitch", "Speed", "StrokeBorder", "RoundCorner"}) + effects);
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
        EXPECT_TRUE(inspector->editingControllers().contains(section));
        EXPECT_FALSE(section->isVisible());
        EXPECT_FALSE(section->isApplicable());
        EXPECT_TRUE(section->widget()->isHidden());
    }
    EXPECT_EQ(shownSections(), QStringList({"Volume", "Pitch", "Speed"}));
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
    EXPECT_TRUE(shownSections().isEmpty());
    EXPECT_EQ(content()->height(), 0);

    inspector->updateTransitionControllers(clip.get(), first, 1);
    EXPECT_EQ(shownSections(), QStringList({"Transparency", "Volume", "Colors"}));
    EXPECT_EQ(content()->height(), shownHeight());
    auto* transparency = inspector->findChildren<TransparencyEditingWidgetController*>().last();
    EXPECT_TRUE(transparency->isTransition());
    EXPECT_FLOAT_EQ(transparency->popup()->value(), 0.25f);

    // Another transition's end state: new values, same sections.
    inspector->updateTransitionControllers(clip.get(), second, 0);
    EXPECT_FLOAT_EQ(transparency->popup()->value(), 0.75f);
    EXPECT_EQ(shownSections(), QStringList({"Transparency", "Volume", "Colors"}));

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
    EXPECT_EQ(shownSections(), QStringList({"Transparency", "Colors"}));
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
    EXPECT_TRUE(shownSections().isEmpty());
    inspector->setEditingMode(false, QStringLiteral("Cropping..."), 0);
    EXPECT_TRUE(toolbar->buttonForCommand(10001)->isEnabled());
    EXPECT_EQ(shownSections().size(), 6);
    EXPECT_EQ(content()->height(), shownHeight());

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
