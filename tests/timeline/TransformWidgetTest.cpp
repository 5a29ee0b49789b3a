#include "TransformWidget.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

namespace {

const float kHalfPi = float(M_PI / 2);

// A preview area of 1280 x 720 with the overlay over all of it; the events are
// made as the window forwards them, with their global positions.
class TransformWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(1280, 720);
        overlay = makeOverlay(5.0f);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    TransformWidget* makeOverlay(float snap)
    {
        delete overlay;
        auto* made = new TransformWidget(":/images/transform_dot_normal", ":/images/transform_square_normal",
                                         ":/images/transform_central_point_normal", QColor(236, 236, 236, 128),
                                         snap, &host);
        made->setGeometry(host.rect());
        made->setCenterRect(QRectF(0, 0, 1280, 720));
        made->show();
        return made;
    }

    // A layer at scale 1 whose anchor lies at the position.
    void layOut(const QPointF& position, const QSizeF& size, float rotation = 0.0f,
                const QPointF& anchor = QPointF(0.5, 0.5), float flip = 0.0f)
    {
        overlay->setContentGeometry(position, size, flip, flip, rotation, anchor, {}, {}, {}, {}, size);
    }

    QMouseEvent mouse(QEvent::Type type, const QPoint& at) const
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        return QMouseEvent(type, at, at, overlay->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    }

    bool press(const QPoint& at)
    {
        QMouseEvent event = mouse(QEvent::MouseButtonPress, at);
        return overlay->handleMousePress(&event);
    }

    bool moveTo(const QPoint& at)
    {
        QMouseEvent event = mouse(QEvent::MouseMove, at);
        return overlay->handleMouseMove(&event);
    }

    void drag(const QPoint& from, const QPoint& to)
    {
        ASSERT_TRUE(press(from));
        ASSERT_TRUE(moveTo((from + to) / 2));
        ASSERT_TRUE(moveTo(to));
        ASSERT_TRUE(overlay->handleMouseRelease());
    }

    bool wheel(const QPoint& at, int angle)
    {
        QWheelEvent event(at, overlay->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        return overlay->handleScaleEvent(&event);
    }

    QPointF position() const
    {
        QPointF result;
        overlay->geometry(&result);
        return result;
    }

    QSizeF size() const
    {
        QSizeF result;
        overlay->geometry(nullptr, &result);
        return result;
    }

    float rotation() const
    {
        float result = 0.0f;
        overlay->geometry(nullptr, nullptr, nullptr, nullptr, &result);
        return result;
    }

    QPointF anchor() const
    {
        QPointF result;
        overlay->geometry(nullptr, nullptr, nullptr, nullptr, nullptr, &result);
        return result;
    }

    std::array<QPointF, 4> offsets() const
    {
        std::array<QPointF, 4> result;
        overlay->geometry(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &result[0], &result[1], &result[2],
                          &result[3]);
        return result;
    }

    std::unique_ptr<QSignalSpy> geometrySpy() const
    {
        return std::make_unique<QSignalSpy>(overlay, &TransformWidget::transformWidgetContentLayerGeometryDidChange);
    }

    // The overlay drawn over black, kept as a test artefact.
    QImage rendered(const QString& name) const
    {
        QImage picture(overlay->size(), QImage::Format_ARGB32);
        picture.fill(Qt::black);
        overlay->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        picture.save(QString(VIDORNA_ARTEFACT_DIR) + "/" + name);
        return picture;
    }

    QWidget host;
    TransformWidget* overlay = nullptr;
};

QPoint turnedAbout(const QPointF& centre, const QPointF& point, double degrees)
{
    return QTransform().translate(centre.x(), centre.y()).rotate(degrees).translate(-centre.x(), -centre.y())
        .map(point)
        .toPoint();
}

TEST_F(TransformWidgetTest, GeometryReadsBackWhatWasSet)
{
    const float flip = float(M_PI);
    const QPointF offsets[4] = {{0.01, 0.02}, {-0.03, 0.04}, {0.05, -0.06}, {-0.07, 0.08}};
    overlay->setContentGeometry(QPointF(400.25, 300.5), QSizeF(320, 180), flip, flip, 0.5f, QPointF(0.25, 0.75),
                                offsets[0], offsets[1], offsets[2], offsets[3], QSizeF(640, 360));
    QPointF position, anchor, read[4];
    QSizeF size;
    float vertical = 0, horizontal = 0, rotation = 0;
    overlay->geometry(&position, &size, &vertical, &horizontal, &rotation, &anchor, &read[0], &read[1], &read[2],
                      &read[3]);
    EXPECT_NEAR(position.x(), 400.25, 1e-4);
    EXPECT_NEAR(position.y(), 300.5, 1e-4);
    EXPECT_EQ(size, QSizeF(320, 180));
    EXPECT_EQ(vertical, flip);
    EXPECT_EQ(horizontal, flip);
    EXPECT_EQ(rotation, 0.5f);
    EXPECT_EQ(anchor, QPointF(0.25, 0.75));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read[i], offsets[i]) << i;

    // Unrotated at scale 1 the position is the layer's centre, whatever the
    // anchor; the rectangle is truncated to whole pixels.
    layOut(QPointF(400.5, 300.5), QSizeF(320, 180), 0.0f, QPointF(0.25, 0.75));
    EXPECT_EQ(overlay->contentRect(), QRect(240, 210, 320, 180));
}

// The anchor lies wherever the position plus its unrotated offset says,
// whatever the rotation; a drag there moves the anchor, not the layer.
TEST_F(TransformWidgetTest, TheAnchorHandleSitsAtThePositionPlusItsOffsetAndWinsOverACorner)
{
    overlay->setContentGeometry(QPointF(600, 350), QSizeF(320, 180), 0, 0, 0.5f, QPointF(0.25, 0.75), {}, {}, {}, {},
                                QSizeF(640, 360));
    const QPoint anchorPoint(600 - 160, 350 + 90);
    auto spy = geometrySpy();
    ASSERT_TRUE(press(anchorPoint));
    ASSERT_TRUE(overlay->handleMouseRelease());
    EXPECT_EQ(spy->count(), 0) << "an anchor pressed and left where it was";
    drag(anchorPoint, anchorPoint + QPoint(10, 0));
    EXPECT_EQ(spy->count(), 1);
    EXPECT_EQ(rotation(), 0.5f);
    EXPECT_NEAR(anchor().x(), 0.25 + 10 * std::cos(0.5) / 320, 1e-6);
    EXPECT_NEAR(anchor().y(), 0.75 - 10 * std::sin(0.5) / 180, 1e-6);

    // Over the top-left corner handle the anchor is taken, not the rotation.
    layOut(QPointF(400, 300), QSizeF(200, 100), 0.0f, QPointF(0, 0));
    drag(QPoint(300, 250), QPoint(307, 253));
    EXPECT_EQ(rotation(), 0.0f);
    EXPECT_NEAR(anchor().x(), 7.0 / 200, 1e-9);
    EXPECT_NEAR(anchor().y(), 3.0 / 100, 1e-9);

    // Dragged out of the layer, the anchor's fractions leave 0..1.
    drag(QPoint(307, 253), QPoint(257, 253));
    EXPECT_NEAR(anchor().x(), -43.0 / 200, 1e-9);
}

TEST_F(TransformWidgetTest, ALayerNoWiderThanAHandleHasNoAnchorHandle)
{
    // 31 px wide: the centre is the anchor's; dragging it re-anchors.
    layOut(QPointF(640, 360), QSizeF(31, 200));
    drag(QPoint(640, 360), QPoint(660, 360));
    EXPECT_EQ(size(), QSizeF(31, 200));
    EXPECT_NEAR(anchor().x(), 0.5 + 20.0 / 31, 1e-9);

    // 30 px wide: the centre falls on the right edge's handle.
    layOut(QPointF(640, 360), QSizeF(30, 200));
    drag(QPoint(640, 360), QPoint(680, 360));
    EXPECT_EQ(anchor(), QPointF(0.5, 0.5));
    EXPECT_NEAR(size().width(), 70, 1e-9);
}

TEST_F(TransformWidgetTest, BothFlipsPutPointZeroAtTheBottomRightAndInvertItsOffset)
{
    overlay->setPerspectiveEnabled(true);
    layOut(QPointF(640, 360), QSizeF(200, 100), 0.0f, QPointF(0.5, 0.5), float(M_PI));
    QSignalSpy points(overlay, &TransformWidget::transformWidgetActivePointIndexChanged);
    drag(QPoint(740, 410), QPoint(760, 420));
    ASSERT_EQ(points.count(), 1);
    EXPECT_EQ(points.at(0).at(1).toInt(), 0);
    EXPECT_EQ(overlay->activePointIndex(), 0);
    const auto moved = offsets();
    EXPECT_NEAR(moved[0].x(), -0.1, 1e-9);
    EXPECT_NEAR(moved[0].y(), -0.1, 1e-9);
    EXPECT_EQ(moved[2], QPointF());

    // The index already active, no corner's index, or outside perspective mode, reports nothing.
    overlay->setActivePointIndex(0);
    overlay->setActivePointIndex(4);
    overlay->setActivePointIndex(-1);
    overlay->setPerspectiveEnabled(false);
    overlay->setActivePointIndex(3);
    EXPECT_EQ(points.count(), 1);
    EXPECT_EQ(overlay->activePointIndex(), 0);
}

TEST_F(TransformWidgetTest, RotationSnapsToNinetyDegreesWithinOneDegree)
{
    // Turned about an off-centre anchor: the layer's position stays put.
    layOut(QPointF(600, 380), QSizeF(400, 400), 0.0f, QPointF(0.4, 0.6));
    const QPointF anchorPoint(560, 420);
    const QPoint corner(400, 180);
    auto spy = geometrySpy();
    drag(corner, turnedAbout(anchorPoint, corner, 89.4));
    EXPECT_EQ(rotation(), float(900 * M_PI / 1800));
    EXPECT_EQ(position(), QPointF(600, 380));
    EXPECT_EQ(spy->count(), 1);
}

TEST_F(TransformWidgetTest, WithoutAlignmentARotationSnapsOnlyWithinATenthOfADegree)
{
    overlay = makeOverlay(0.5f);
    layOut(QPointF(640, 360), QSizeF(400, 400));
    const QPoint corner(440, 160);
    drag(corner, turnedAbout(QPointF(640, 360), corner, 89.5));
    EXPECT_NEAR(rotation() * 180 / M_PI, 89.5, 0.2);
}

TEST_F(TransformWidgetTest, ARotationDragBackToTheSavedAngleEmitsNothing)
{
    layOut(QPointF(640, 360), QSizeF(400, 300), 0.3f);
    const QPoint corner = turnedAbout(QPointF(640, 360), QPointF(440, 210), 0.3 * 180 / M_PI);
    auto spy = geometrySpy();
    ASSERT_TRUE(press(corner));
    ASSERT_TRUE(moveTo(turnedAbout(QPointF(640, 360), corner, 30)));
    EXPECT_NE(rotation(), 0.3f);
    ASSERT_TRUE(moveTo(corner));
    ASSERT_TRUE(overlay->handleMouseRelease());
    EXPECT_EQ(rotation(), 0.3f);
    EXPECT_EQ(spy->count(), 0);
    EXPECT_FALSE(overlay->handleMouseRelease()) << "no drag is left running";
}

TEST_F(TransformWidgetTest, AnEdgeDraggedPastTheOppositeEdgeKeepsTheMinimumWidth)
{
    layOut(QPointF(640, 360), QSizeF(200, 100));
    auto spy = geometrySpy();
    drag(QPoint(740, 360), QPoint(440, 360));
    EXPECT_EQ(size(), QSizeF(30, 100));
    EXPECT_EQ(position(), QPointF(490, 360)) << "the centre follows half of the -300 px change";
    EXPECT_EQ(spy->count(), 1);
}

TEST_F(TransformWidgetTest, AResizedEdgeSnapsToTheCanvasOnlyWhereItRunsAcrossIt)
{
    // Unrotated, the right edge brought within 3 px of the canvas's right
    // edge lands on it.
    overlay->setCenterRect(QRectF(0, 0, 763, 720));
    layOut(QPointF(640, 360), QSizeF(200, 100));
    drag(QPoint(740, 360), QPoint(760, 360));
    EXPECT_NEAR(size().width(), 223, 1e-9);
    EXPECT_NEAR(position().x(), 651.5, 1e-9);

    // Turned a quarter, the right edge lies across the layer's bottom: its
    // midpoint near the canvas's left edge must not change the width.
    overlay->setCenterRect(QRectF(642, 0, 600, 720));
    layOut(QPointF(640, 360), QSizeF(200, 100), kHalfPi);
    drag(QPoint(640, 460), QPoint(640, 480));
    EXPECT_NEAR(size().width(), 220, 1e-3);
    EXPECT_NEAR(position().y(), 370, 1e-3);
}

TEST_F(TransformWidgetTest, ABodyDragSnapsTheAnchorToTheCanvasCentreAndTheLayerToItsEdges)
{
    overlay->setCenterRect(QRectF(140, 60, 1000, 600));
    layOut(QPointF(500, 300), QSizeF(200, 100), 0.0f, QPointF(0.25, 0.5));
    auto spy = geometrySpy();
    drag(QPoint(520, 300), QPoint(707, 300));
    EXPECT_EQ(position(), QPointF(690, 300)) << "the anchor lands on the vertical centre line";
    EXPECT_EQ(spy->count(), 1);

    // The layer's left side brought 3 px from the canvas's left edge: at 0
    // degrees the left side lands on the edge.
    layOut(QPointF(500, 300), QSizeF(200, 100), 0.0f);
    drag(QPoint(520, 300), QPoint(257, 300));
    EXPECT_EQ(position().x(), 240.0);

    // Turned a quarter, the layer shows 100 px across: that side snaps.
    layOut(QPointF(500, 300), QSizeF(200, 100), kHalfPi);
    drag(QPoint(520, 300), QPoint(207, 300));
    EXPECT_EQ(position().x(), 190.0);

    // A press and release without moving emits nothing.
    spy->clear();
    ASSERT_TRUE(press(QPoint(200, 330)));
    ASSERT_TRUE(overlay->handleMouseRelease());
    EXPECT_EQ(spy->count(), 0);
}

// Of the corner points near canvas edges, the nearest decides the snap.
TEST_F(TransformWidgetTest, InPerspectiveABodyDragSnapsTheNearestPointToAnEdge)
{
    overlay->setPerspectiveEnabled(true);
    overlay->setCenterRect(QRectF(140, 60, 1000, 600));
    overlay->setContentGeometry(QPointF(640, 360), QSizeF(200, 200), 0, 0, 0, QPointF(0.5, 0.5), QPointF(-0.02, 0),
                                {}, {}, {}, QSizeF(200, 200));
    // Point 0 ends 3 px left of the canvas's edge, point 3 1 px right of it.
    drag(QPoint(640, 330), QPoint(241, 330));
    EXPECT_EQ(position(), QPointF(240, 360));
}

// Held still on the body, the layer shows the canvas edge it already touches;
// the guide goes with the release.
TEST_F(TransformWidgetTest, AHeldBodyShowsTheCanvasEdgeItTouches)
{
    overlay->setCenterRect(QRectF(140, 60, 1000, 600));
    layOut(QPointF(240, 300), QSizeF(200, 100));
    const auto guideShown = [this] {
        const QImage picture = rendered("transform-overlay-guide.png");
        for (int y = 10; y < 50; ++y) {
            if (qGray(picture.pixel(140, y)) > 0)
                return true;
        }
        return false;
    };
    ASSERT_TRUE(press(QPoint(280, 320)));
    EXPECT_FALSE(guideShown());
    EXPECT_TRUE(QTest::qWaitFor(guideShown, 5000)) << "the held body never showed the canvas edge";
    ASSERT_TRUE(overlay->handleMouseRelease());
    EXPECT_FALSE(guideShown());
}

TEST_F(TransformWidgetTest, ACornerPointThatWouldFoldTheOutlineStays)
{
    overlay->setPerspectiveEnabled(true);
    layOut(QPointF(640, 360), QSizeF(200, 200));
    auto spy = geometrySpy();
    drag(QPoint(540, 260), QPoint(520, 250));
    const std::array<QPointF, 4> moved = {QPointF(-0.1, -0.05), QPointF(), QPointF(), QPointF()};
    EXPECT_EQ(offsets(), moved);
    EXPECT_EQ(spy->count(), 1);

    // Inside the triangle of the other three (concave), then past the
    // opposite corner (crossed).
    for (const QPoint& target : {QPoint(680, 420), QPoint(780, 500)}) {
        ASSERT_TRUE(press(QPoint(520, 250)));
        ASSERT_TRUE(moveTo(target));
        ASSERT_TRUE(overlay->handleMouseRelease());
        EXPECT_EQ(offsets(), moved) << target.x();
    }
    EXPECT_EQ(spy->count(), 1);
}

TEST_F(TransformWidgetTest, WheelStepsScaleAboutTheAnchorAndReportOncePerBurst)
{
    layOut(QPointF(600, 340), QSizeF(200, 100), 0.2f, QPointF(0.3, 0.6));
    auto spy = geometrySpy();
    EXPECT_FALSE(wheel(QPoint(10, 10), 120)) << "outside the layer";
    ASSERT_TRUE(wheel(QPoint(600, 340), 120));
    ASSERT_TRUE(wheel(QPoint(600, 340), 120));
    // 15 degrees a step: 1 + 15 / 150, then 1 + 15 / 165.
    EXPECT_NEAR(size().width(), 200 * 1.1 * (1 + 15.0 / 165), 1e-9);
    EXPECT_NEAR(size().height(), 100 * 1.1 * (1 + 15.0 / 165), 1e-9);
    EXPECT_NEAR(position().x(), 600, 1e-9);
    EXPECT_NEAR(position().y(), 340, 1e-9);
    EXPECT_EQ(spy->count(), 0);
    EXPECT_TRUE(spy->wait(5000)) << "the wheel burst was never reported";
    // Past the burst's end: no second report.
    QTest::qWait(300);
    EXPECT_EQ(spy->count(), 1);

    // Scaled down past the handle size, the width stops there in proportion.
    ASSERT_TRUE(wheel(QPoint(600, 340), -8 * 400));
    EXPECT_NEAR(size().width(), 30, 1e-9);
    EXPECT_NEAR(size().height(), 15, 1e-9);
}

TEST_F(TransformWidgetTest, APinchZoomsTheLayerAndOtherGesturesOnlyTakeTheEvent)
{
    layOut(QPointF(640, 360), QSizeF(200, 100));
    auto spy = geometrySpy();
    const auto gesture = [this](Qt::NativeGestureType type, const QPoint& at, double value) {
        QNativeGestureEvent event(type, nullptr, at, at, overlay->mapToGlobal(at), value, 0, 0);
        return overlay->handleNativeGesture(&event);
    };
    EXPECT_TRUE(gesture(Qt::BeginNativeGesture, QPoint(650, 360), 0));
    EXPECT_TRUE(gesture(Qt::ZoomNativeGesture, QPoint(650, 360), 0.5));
    EXPECT_TRUE(gesture(Qt::RotateNativeGesture, QPoint(650, 360), 30));
    EXPECT_FALSE(gesture(Qt::ZoomNativeGesture, QPoint(100, 100), 0.5)) << "outside the layer";
    EXPECT_EQ(size(), QSizeF(300, 150));
    EXPECT_EQ(rotation(), 0.0f);
    EXPECT_TRUE(spy->wait(1000));
}

TEST_F(TransformWidgetTest, AContextMenuOrDoubleClickOnTheLayerAsksForTheOptions)
{
    layOut(QPointF(640, 360), QSizeF(200, 100), 0.5f);
    QSignalSpy requests(overlay, &TransformWidget::transformWidgetRequestContextMenu);
    const QPoint inside = overlay->mapToGlobal(QPoint(700, 370));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(700, 370), inside);
    EXPECT_TRUE(overlay->handleContextMenu(&menu));
    QMouseEvent outside = mouse(QEvent::MouseButtonDblClick, QPoint(640, 280));
    EXPECT_FALSE(overlay->handleDoubleClick(&outside)) << "above the turned layer";
    QMouseEvent twice = mouse(QEvent::MouseButtonDblClick, QPoint(600, 340));
    EXPECT_TRUE(overlay->handleDoubleClick(&twice));
    ASSERT_EQ(requests.count(), 2);
    EXPECT_EQ(requests.at(0).at(1).toPoint(), inside);
}

TEST_F(TransformWidgetTest, PaintsTheFrameHandlesAndTheActivePoint)
{
    layOut(QPointF(640, 360), QSizeF(400, 200));
    QImage picture = rendered("transform-overlay.png");
    // The frame's line along the top, between the handles; nothing inside.
    EXPECT_GT(std::max(qGray(picture.pixel(500, 259)), qGray(picture.pixel(500, 260))), 50);
    EXPECT_EQ(qGray(picture.pixel(500, 300)), 0);
    // The corner and anchor pictures.
    EXPECT_GT(qGray(picture.pixel(440, 260)), 150);
    EXPECT_GT(qGray(picture.pixel(640, 360)), 150);

    overlay->setPerspectiveEnabled(true);
    overlay->setActivePointIndex(2);
    picture = rendered("transform-overlay-perspective.png");
    const QRgb highlighted = picture.pixel(840, 460);
    const QRgb plain = picture.pixel(440, 260);
    EXPECT_GT(qRed(highlighted), 200);
    EXPECT_GT(qGreen(highlighted), 200);
    EXPECT_LT(qBlue(highlighted), qBlue(plain) - 60) << "the active point is tinted yellow";
}

} // namespace
