#include "CropAreaWidget.h"
#include "CropWidget.h"
#include "TimelineTestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

#include <cmath>

namespace {

// The picture lies here in the window; the crop widget reaches half a
// handle (20 px) around it.
const QRect kPicture(100, 100, 400, 300);
constexpr int kMargin = 20;

class CropWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(800, 600);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    CropWidget* crop(const QRectF& rect, float left = 0, float top = 0, float right = 0, float bottom = 0,
                     const QRect& picture = kPicture, const QColor& colour = Qt::white)
    {
        QPixmap filled(picture.size());
        filled.fill(colour);
        auto* widget = new CropWidget(picture, filled, rect, left, top, right, bottom, true, &window);
        widget->show();
        return widget;
    }

    // A point of the crop area (its own coordinates) in the window.
    static QPoint onArea(const CropWidget* widget, int x, int y)
    {
        return widget->cropArea()->geometry().topLeft() + widget->pos() + QPoint(x, y);
    }

    void drag(const QPoint& from, const QPoint& delta)
    {
        pressAt(&window, from);
        moveTo(&window, from + delta / 2);
        moveTo(&window, from + delta);
        releaseAt(&window, from + delta);
    }

    static QRect areaInPicture(const CropWidget* widget)
    {
        return widget->cropArea()->geometry().translated(-kMargin, -kMargin);
    }

    QWidget window;
};

void expectRect(const QRectF& actual, const QRectF& expected)
{
    EXPECT_DOUBLE_EQ(actual.x(), expected.x());
    EXPECT_DOUBLE_EQ(actual.y(), expected.y());
    EXPECT_DOUBLE_EQ(actual.width(), expected.width());
    EXPECT_DOUBLE_EQ(actual.height(), expected.height());
}

} // namespace

TEST_F(CropWidgetTest, ResizeHandlesStopAtThePictureAndDimWhatIsCut)
{
    CropWidget* widget = crop(QRectF(0, 0, 1, 1));
    EXPECT_EQ(widget->geometry(), kPicture.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    EXPECT_EQ(areaInPicture(widget), QRect(QPoint(0, 0), kPicture.size()));

    // The right handle sits on the middle of the right edge.
    drag(onArea(widget, 400, 150), QPoint(-100, 7));
    expectRect(widget->cropRect(), QRectF(0, 0, 0.75, 1));
    const QImage shown = widget->grab().toImage();
    EXPECT_GT(qRed(shown.pixel(kMargin + 150, kMargin + 140)), 240);
    EXPECT_LT(qRed(shown.pixel(kMargin + 350, kMargin + 140)), 140);

    // The right edge cannot leave the picture.
    drag(onArea(widget, 300, 150), QPoint(250, 0));
    expectRect(widget->cropRect(), QRectF(0, 0, 1, 1));

    // The bottom-left corner drags two edges at once.
    drag(onArea(widget, 0, 300), QPoint(40, -30));
    expectRect(widget->cropRect(), QRectF(0.1, 0, 0.9, 0.9));
}

TEST_F(CropWidgetTest, LeftEdgeDraggedPastTheRightOneCollapsesAndCanGrowBack)
{
    CropWidget* widget = crop(QRectF(0, 0, 1, 1));
    drag(onArea(widget, 0, 150), QPoint(600, 0));
    EXPECT_EQ(areaInPicture(widget), QRect(400, 0, 0, 300));
    expectRect(widget->cropRect(), QRectF(1, 0, 0, 1));

    // Both side handles now lie on one spot; the one that can still grow
    // (the left) lies on top and takes the press.
    drag(onArea(widget, 0, 150), QPoint(-100, 0));
    expectRect(widget->cropRect(), QRectF(0.75, 0, 0.25, 1));
}

TEST_F(CropWidgetTest, MovedAgainstAnEdgeTheCropSlidesAlongIt)
{
    CropWidget* widget = crop(QRectF(0.25, 0.25, 0.5, 0.5));
    EXPECT_EQ(areaInPicture(widget), QRect(100, 75, 200, 150));
    drag(onArea(widget, 100, 75), QPoint(-500, 21));
    EXPECT_EQ(areaInPicture(widget), QRect(0, 96, 200, 150));
    expectRect(widget->cropRect(), QRectF(0, 0.32, 0.5, 0.5));
}

TEST_F(CropWidgetTest, FeatheringKnobsKeepTheirRangeAndShowTheirValue)
{
    CropWidget* widget = crop(QRectF(0, 0, 1, 1), 0.7f, -1.0f, 0.2f, 0.0f);
    EXPECT_EQ(widget->featheringLeft(), 0.5f);
    EXPECT_EQ(widget->featheringTop(), 0.0f);
    EXPECT_EQ(widget->featheringRight(), 0.2f);
    EXPECT_EQ(widget->featheringBottom(), 0.0f);
    QSignalSpy top(widget->cropArea(), &CropAreaWidget::featheringTopChanged);

    // The top knob at 0 lies on the right line of thirds, 10 px into the area.
    const QPoint knob = onArea(widget, 2 * 400 / 3, 10);
    pressAt(&window, knob);
    auto* label = window.findChild<QLabel*>(QStringLiteral("featheringValueLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "Feathering 0%");
    // Its travel runs from -10 to half the height less the knob plus 10.
    moveTo(&window, knob + QPoint(0, 65));
    EXPECT_FLOAT_EQ(widget->featheringTop(), 0.25f);
    EXPECT_EQ(label->text(), "Feathering 50%");
    moveTo(&window, knob + QPoint(0, 1000));
    EXPECT_EQ(widget->featheringTop(), 0.5f);
    EXPECT_EQ(label->text(), "Feathering 100%");
    ASSERT_EQ(top.count(), 2);
    EXPECT_EQ(top.last().at(0).toFloat(), 0.5f);
    releaseAt(&window, knob + QPoint(0, 1000));
    EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(widget->featheringLeft(), 0.5f);

    // The label belongs to the window but goes with the crop.
    pressAt(&window, onArea(widget, 2 * 400 / 3, 10 + 130));
    const QPointer<QLabel> shown = label;
    delete widget;
    EXPECT_TRUE(shown.isNull());
    releaseAt(&window, knob);
}

TEST_F(CropWidgetTest, FeatheringBandsFadeFromOpaqueWhiteAtTheEdge)
{
    // Over a black picture: 100 px fade in from the left, 40 px from the right.
    CropWidget* widget = crop(QRectF(0, 0, 1, 1), 0.25f, 0.0f, 0.1f, 0.0f, kPicture, Qt::black);
    const QImage shown = widget->grab().toImage();
    const auto grey = [&](int x) { return qGreen(shown.pixel(kMargin + x, kMargin + 240)); };
    EXPECT_GE(grey(1), 245) << "the left edge is white";
    EXPECT_NEAR(grey(50), 128, 12) << "halfway the band is half white";
    EXPECT_LE(grey(101), 2) << "the band ends at a quarter of the width";
    EXPECT_LE(grey(300), 2) << "no band in the middle";
    EXPECT_GE(grey(398), 235) << "the right edge is white";
    EXPECT_LE(grey(358), 2) << "the right band is a tenth of the width";
}

TEST_F(CropWidgetTest, TopAndBottomFeatheringBandsTakeTheirOwnDepths)
{
    // Over a black picture: 60 px fade in from the top, 30 px from the bottom.
    CropWidget* widget = crop(QRectF(0, 0, 1, 1), 0.0f, 0.2f, 0.0f, 0.1f, kPicture, Qt::black);
    const QImage shown = widget->grab().toImage();
    const auto grey = [&](int y) { return qGreen(shown.pixel(kMargin + 200, kMargin + y)); };
    EXPECT_GE(grey(1), 235) << "the top edge is white";
    EXPECT_NEAR(grey(30), 128, 12) << "halfway the top band is half white";
    EXPECT_LE(grey(61), 2) << "the top band is a fifth of the height";
    EXPECT_LE(grey(150), 2) << "no band in the middle";
    EXPECT_GE(grey(298), 235) << "the bottom edge is white";
    EXPECT_NEAR(grey(285), 128, 12) << "halfway the bottom band is half white";
    EXPECT_LE(grey(268), 2) << "the bottom band is a tenth of the height";
}

TEST_F(CropWidgetTest, FeatheringValueShowsOverItsKnobInsideTheWindow)
{
    CropWidget* widget = crop(QRectF(0, 0, 1, 1));
    // The top knob at 0 lies on the right line of thirds, its top 10 px above the area.
    const QRect knob(kPicture.x() + 2 * 400 / 3 - 20, kPicture.y() - 10, 40, 40);
    pressAt(&window, knob.center());
    // 62 of its 130 px of travel (the centre lies at 19 of 40).
    moveTo(&window, knob.center() + QPoint(0, 63));
    auto* label = window.findChild<QLabel*>(QStringLiteral("featheringValueLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Feathering 47%") << "the percentage is cut, not rounded (47.7)";
    // Centred 5 px above the knob where it now is.
    const QLabel* topKnob = widget->cropArea()->findChildren<QLabel*>().at(1);
    const QRect knobNow(topKnob->mapTo(&window, QPoint(0, 0)), topKnob->size());
    ASSERT_GT(knobNow.y(), knob.y());
    const QRect placed = label->geometry();
    EXPECT_EQ(placed.x(), knobNow.x() + 20 - placed.width() / 2);
    EXPECT_EQ(placed.y(), knobNow.y() - placed.height() - 5);
    // Padded 8 px across and 4 px down, on black at 180 of 255.
    const QRect inside = label->contentsRect();
    EXPECT_EQ(inside.left(), 8);
    EXPECT_EQ(inside.top(), 4);
    const QPoint padding(placed.x() + 4, placed.center().y());
    const int over = qGreen(window.grab().toImage().pixel(padding));
    releaseAt(&window, knob.center());
    const int behind = qGreen(window.grab().toImage().pixel(padding));
    EXPECT_NEAR(over, behind * 75 / 255, 2);
    delete widget;

    // Knobs near the window's edges keep their label inside it.
    for (const QRect& picture : {QRect(10, 10, 400, 300), QRect(400, 10, 400, 300)}) {
        widget = crop(QRectF(0, 0, 1, 1), 0, 0, 0, 0, picture);
        for (const QPoint& knobCentre : {picture.topLeft() + QPoint(10, 100), picture.topLeft() + QPoint(266, 10),
                                         picture.topLeft() + QPoint(390, 200)}) {
            pressAt(&window, knobCentre);
            label = window.findChild<QLabel*>(QStringLiteral("featheringValueLabel"));
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(window.rect().contains(label->geometry()))
                << "knob at " << knobCentre.x() << "," << knobCentre.y() << ": label at " << label->x() << ","
                << label->y();
            releaseAt(&window, knobCentre);
        }
        delete widget;
    }
}

TEST_F(CropWidgetTest, CollapsedPictureKeepsTheFractions)
{
    const QRectF original(0.25, 0.25, 0.5, 0.5);
    CropWidget* widget = crop(original);
    widget->updateGeometryFor(QRect(kPicture.x(), kPicture.y(), 0, kPicture.height()));
    expectRect(widget->cropRect(), original);
    // A drag over the collapsed picture has nothing to take fractions of.
    drag(onArea(widget, 0, 150), QPoint(0, 30));
    const QRectF kept = widget->cropRect();
    EXPECT_FALSE(std::isnan(kept.x()) || std::isnan(kept.width()));
    expectRect(kept, original);

    widget->updateGeometryFor(kPicture);
    EXPECT_EQ(areaInPicture(widget), QRect(100, 75, 200, 150));
}
