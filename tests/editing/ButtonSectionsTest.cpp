#include "InspectorFixture.h"
#include "InspectorTestSupport.h"

#include "CommonPopup.h"
#include "DoneButtonEditingWidget.h"
#include "DoneButtonEditingWidgetController.h"
#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"
#include "EditButtonEditingWidget.h"
#include "EditButtonEditingWidgetController.h"
#include "ScrollableToolBar.h"
#include "SegmentInspectorWidget.h"
#include "SelfDrawEditingWidget.h"
#include "SelfDrawEditingWidgetController.h"
#include "TooltipButton.h"
#include "VideoUtilitiesEditingWidget.h"
#include "VideoUtilitiesEditingWidgetController.h"

#include <QMoveEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace InspectorTest;

namespace {

template <class Section>
Section* sectionOf(SegmentInspectorWidget* inspector)
{
    for (CommonEditingWidgetController* controller : inspector->editingControllers()) {
        if (auto* section = dynamic_cast<Section*>(controller))
            return section;
    }
    return nullptr;
}

// Counts the move events a widget receives that leave it where it is.
class StillMoves : public QObject
{
public:
    explicit StillMoves(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move) {
            auto* move = static_cast<QMoveEvent*>(event);
            count += move->pos() == move->oldPos() ? 1 : 0;
        }
        return false;
    }
};

class ButtonSections : public InspectorFixture
{
protected:
    void SetUp() override
    {
        InspectorFixture::SetUp();
        // The canvas size question is answered before the emit returns.
        QObject::connect(
            inspector, &SegmentInspectorWidget::segmentInspectorWidgetGetCanvasSize, inspector,
            [this](SegmentInspectorWidget*, QSize& size) {
                ++canvasQuestions;
                size = QSize(3840, 2160);
            },
            Qt::DirectConnection);
    }

    int canvasQuestions = 0;
};

} // namespace

TEST_F(ButtonSections, GrabButtonReportsOnceAndOtherToolBarIdsNothing)
{
    auto clip = movie(false);
    inspector->setSegment(clip.get(), kCanvas);
    auto* section = sectionOf<VideoUtilitiesEditingWidgetController>(inspector);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->utilitiesWidget()->title(), QStringLiteral("Video Utilities"));
    QSignalSpy controllerGrab(section, &VideoUtilitiesEditingWidgetController::grabImageButtonClicked);
    QSignalSpy inspectorGrab(inspector, &SegmentInspectorWidget::segmentInspectorWidgetVideoGrabImage);

    ScrollableToolBar* toolbar = section->utilitiesWidget()->toolbar();
    TooltipButton* grab = toolbar->buttonForCommand(10021);
    ASSERT_NE(grab, nullptr);
    EXPECT_EQ(grab->toolTip(), QStringLiteral("Grab image from video"));
    QTest::mouseClick(grab, Qt::LeftButton);
    EXPECT_EQ(controllerGrab.size(), 1);
    EXPECT_EQ(inspectorGrab.size(), 1);
    EXPECT_EQ(inspectorGrab.at(0).at(0).value<SegmentInspectorWidget*>(), inspector);

    section->utilitiesWidget()->onToolBarButtonClicked(toolbar, 10020);
    section->utilitiesWidget()->onToolBarButtonClicked(toolbar, 10022);
    EXPECT_EQ(controllerGrab.size(), 1);
    EXPECT_EQ(inspectorGrab.size(), 1);

    // The grab is offered only while the movie is under the play pointer.
    inspector->refreshEditingControllers(clip.get(), nullptr, false, 9.0f);
    EXPECT_FALSE(toolbar->isEnabled());
    inspector->refreshEditingControllers(clip.get(), nullptr, true, 1.0f);
    EXPECT_TRUE(toolbar->isEnabled());

    // Not a tool of a picture.
    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    EXPECT_FALSE(section->isVisible());
    EXPECT_FALSE(section->isApplicable());
}

TEST_F(ButtonSections, EditButtonNamesTheEditAndReportsItsTypeWithTheButton)
{
    QSignalSpy picture_(inspector, &SegmentInspectorWidget::segmentInspectorWidgetEditPicture);
    QSignalSpy text_(inspector, &SegmentInspectorWidget::segmentInspectorWidgetEditText);
    QSignalSpy drawing_(inspector, &SegmentInspectorWidget::segmentInspectorWidgetEditDrawing);

    auto photo = picture();
    inspector->setSegment(photo.get(), kCanvas);
    auto* section = sectionOf<EditButtonEditingWidgetController>(inspector);
    ASSERT_NE(section, nullptr);
    QSignalSpy clicked(section, &EditButtonEditingWidgetController::editButtonClicked);
    EditButtonEditingWidget* widget = section->editWidget();
    EXPECT_EQ(widget->title(), QStringLiteral("Photo"));
    EXPECT_EQ(widget->editButton()->text(), QStringLiteral("Change Photo"));
    inspector->refreshEditingControllers(photo.get(), nullptr, true, 1.0f);
    QTest::mouseClick(widget->editButton(), Qt::LeftButton);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(0).at(1).value<QWidget*>(), widget->editButton());
    ASSERT_EQ(picture_.size(), 1);
    EXPECT_EQ(picture_.at(0).at(1).value<QWidget*>(), widget->editButton());

    auto words = text();
    inspector->setSegment(words.get(), kCanvas);
    EXPECT_EQ(sectionOf<EditButtonEditingWidgetController>(inspector), section);
    EXPECT_EQ(widget->title(), QStringLiteral("Text"));
    EXPECT_EQ(widget->editButton()->text(), QStringLiteral("Edit Text"));
    QTest::mouseClick(widget->editButton(), Qt::LeftButton);
    EXPECT_EQ(text_.size(), 1);

    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    EXPECT_EQ(widget->title(), QStringLiteral("Self-Draw"));
    EXPECT_EQ(widget->editButton()->text(), QStringLiteral("Edit Drawing"));
    QTest::mouseClick(widget->editButton(), Qt::LeftButton);
    EXPECT_EQ(drawing_.size(), 1);
    EXPECT_EQ(picture_.size(), 1);
    EXPECT_EQ(text_.size(), 1);

    // Away from the play pointer the button takes no clicks.
    inspector->refreshEditingControllers(sketch.get(), nullptr, false, 9.0f);
    EXPECT_FALSE(widget->editButton()->isEnabled());
    QTest::mouseClick(widget->editButton(), Qt::LeftButton);
    EXPECT_EQ(drawing_.size(), 1);

    // A sound has nothing to edit in place.
    auto song = music();
    inspector->setSegment(song.get(), kCanvas);
    EXPECT_FALSE(section->isVisible());
}

TEST_F(ButtonSections, DrawingModeMakesThePanelsOnceAndStartsThemEveryTime)
{
    qRegisterMetaType<DrawingColorWidget*>();
    qRegisterMetaType<DrawingTuningWidget*>();
    qRegisterMetaType<DrawingToolsWidget*>();
    QSignalSpy init(inspector, &SegmentInspectorWidget::segmentInspectorWidgetInitDrawingWidgets);
    QSignalSpy start(inspector, &SegmentInspectorWidget::segmentInspectorWidgetStartDrawing);
    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    EXPECT_EQ(shownSections(), QStringList({"DoneButton", "SelfDraw"}));
    auto* done = sectionOf<DoneButtonEditingWidgetController>(inspector);
    auto* tools = sectionOf<SelfDrawEditingWidgetController>(inspector);
    ASSERT_NE(done, nullptr);
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(done->doneWidget()->title(), QStringLiteral("Drawing..."));
    EXPECT_EQ(done->doneWidget()->doneButton()->text(), QStringLiteral("Done"));
    EXPECT_EQ(canvasQuestions, 1);
    EXPECT_EQ(tools->colorWidget()->canvasSize(), QSize(3840, 2160));
    ASSERT_EQ(init.size(), 1);
    EXPECT_EQ(init.at(0).at(1).value<DrawingColorWidget*>(), tools->colorWidget());
    EXPECT_EQ(init.at(0).at(2).value<DrawingTuningWidget*>(), tools->tuningWidget());
    EXPECT_EQ(init.at(0).at(3).value<DrawingToolsWidget*>(), tools->toolsWidget());
    EXPECT_EQ(start.size(), 1);
    EXPECT_EQ(content()->height(), shownHeight());

    inspector->setEditingMode(false, QStringLiteral("Drawing..."), 2);
    EXPECT_FALSE(done->isVisible());
    EXPECT_FALSE(tools->isVisible());
    EXPECT_EQ(shownSections().first(), QStringLiteral("EditButton"));

    // Cropping shows Done alone; the panels are for drawing.
    inspector->setEditingMode(true, QStringLiteral("Cropping..."), 0);
    EXPECT_EQ(shownSections(), QStringList({"DoneButton"}));
    EXPECT_EQ(done->doneWidget()->title(), QStringLiteral("Cropping..."));
    inspector->setEditingMode(false, QStringLiteral("Cropping..."), 0);

    // The second drawing gets the same panels, started again, not made again.
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    EXPECT_EQ(canvasQuestions, 1);
    EXPECT_EQ(init.size(), 1);
    ASSERT_EQ(start.size(), 2);
    EXPECT_EQ(start.at(1).at(1).value<DrawingColorWidget*>(), tools->colorWidget());
    EXPECT_EQ(sectionOf<SelfDrawEditingWidgetController>(inspector), tools);
    EXPECT_TRUE(tools->isVisible());
}

TEST_F(ButtonSections, DoneWhileDrawingEndsTheDrawingBeforeTheEdit)
{
    QStringList heard;
    QObject::connect(inspector, &SegmentInspectorWidget::segmentInspectorWidgetEndDrawing, inspector,
                     [&] { heard << "EndDrawing"; });
    QObject::connect(inspector, &SegmentInspectorWidget::segmentInspectorWidgetDoneAction, inspector,
                     [&] { heard << "DoneAction"; });
    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    QPushButton* done = sectionOf<DoneButtonEditingWidgetController>(inspector)->doneWidget()->doneButton();
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_EQ(heard, QStringList({"EndDrawing", "DoneAction"}));
    inspector->setEditingMode(false, QStringLiteral("Drawing..."), 2);

    // Any other mode's Done finishes the edit alone.
    heard.clear();
    inspector->setEditingMode(true, QStringLiteral("Editing..."), 1);
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_EQ(heard, QStringList({"DoneAction"}));
}

TEST_F(ButtonSections, HidingTheDrawingToolsClosesThePanelsPopups)
{
    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    auto* tools = sectionOf<SelfDrawEditingWidgetController>(inspector);
    ASSERT_NE(tools, nullptr);
    DrawingColorWidget* color = tools->colorWidget();
    DrawingTuningWidget* tuning = tools->tuningWidget();
    color->setPopupParent(&window);
    tuning->setPopupParent(&window);
    color->setColorMode();
    color->contentOnClicked();
    tuning->onTextSizeButtonPressed();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return color->popup() && tuning->popup() && tuning->popup()->isVisible(); }, 5000))
        << "the popups never opened";
    QPointer<QWidget> colorPopup = color->popup();
    QPointer<QWidget> tuningPopup = tuning->popup();
    ASSERT_TRUE(colorPopup->isVisible());

    inspector->setEditingMode(false, QStringLiteral("Drawing..."), 2);
    const auto closed = [](const QPointer<QWidget>& popup) { return !popup || !popup->isVisible(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed(colorPopup) && closed(tuningPopup); }, 5000))
        << "the popups never closed";
}

TEST_F(ButtonSections, ResizingRecomputesTheDrawingToolsHeightFromTheStrip)
{
    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    auto* tools = sectionOf<SelfDrawEditingWidgetController>(inspector);
    ASSERT_NE(tools, nullptr);
    SelfDrawEditingWidget* widget = tools->drawWidget();
    const auto expectLaidOut = [&] {
        const int toolsHeight = tools->toolsWidget()->sizeForWidth(widget->width() - 24).height();
        EXPECT_EQ(tools->toolsWidget()->height(), toolsHeight);
        EXPECT_EQ(widget->height(),
                  tools->tuningWidget()->height() + toolsHeight + tools->colorWidget()->height() + 44);
        EXPECT_EQ(content()->height(), shownHeight());
        return toolsHeight;
    };
    QApplication::processEvents();
    const int wide = expectLaidOut();

    QSignalSpy sizeChanged(tools, &CommonEditingWidgetController::editingWidgetControllerSizeChanged);
    inspector->resize(150, 1400);
    QApplication::processEvents();
    EXPECT_GE(sizeChanged.size(), 1);
    const int narrow = expectLaidOut();
    // Fewer buttons fit a row, so the strip needs more rows.
    EXPECT_GT(narrow, wide);
}

TEST_F(ButtonSections, ResizingTheWindowPlacesThePanelsPopupsAgain)
{
    auto sketch = drawing();
    inspector->setSegment(sketch.get(), kCanvas);
    inspector->setEditingMode(true, QStringLiteral("Drawing..."), 2);
    auto* tools = sectionOf<SelfDrawEditingWidgetController>(inspector);
    ASSERT_NE(tools, nullptr);
    QApplication::processEvents();
    StillMoves colorMoves(tools->colorWidget());
    StillMoves tuningMoves(tools->tuningWidget());
    window.resize(340, 1300);
    QApplication::processEvents();
    EXPECT_GE(colorMoves.count, 1);
    EXPECT_GE(tuningMoves.count, 1);
}
