#include "DrawingTestSupport.h"
#include "IsolatedSettings.h"
#include "Shape.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {

constexpr int kOpaque = 200;

class ShapeGeometryTest : public ::testing::Test
{
protected:
    IsolatedSettings settings;
};

int alphaAt(const QImage& image, double x, double y)
{
    return qAlpha(image.pixel(qRound(x), qRound(y)));
}

// alpha at the point radius away from centre in the direction degrees (clockwise on screen).
int alphaAtPolar(const QImage& image, const QPointF& centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return alphaAt(image, centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
}

// The bounding box of the pixels at least half opaque.
QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The colour at about half opacity (hardness 0.5), allowing for premultiplied rounding.
bool halfOpaque(QRgb pixel, QRgb color)
{
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) == color && std::abs(qAlpha(pixel) - 127) <= 2;
}

// A canvas of the given size shown at the same size: widget units are canvas pixels.
struct UnscaledCanvas {
    explicit UnscaledCanvas(const QSize& size) : canvas(size.width(), size.height()) { showCanvas(canvas, size); }
    CanvasWidget canvas;
};

} // namespace

TEST_F(ShapeGeometryTest, RectangleIsScaledOntoTheCanvasOutlinedFilledAndErased)
{
    CanvasWidget canvas(3840, 2160);
    showCanvas(canvas, QSize(960, 540));
    canvas.setTool(10310);
    dragFromTo(canvas, QPoint(100, 100), QPoint(40, 160));
    // Widget (40, 100, 60, 60) is canvas (160, 400, 240, 240); the 30-pixel pen straddles its edges.
    QImage image = canvasImage(canvas);
    for (const QPoint& edge : {QPoint(160, 520), QPoint(400, 520), QPoint(280, 400), QPoint(280, 640)}) {
        EXPECT_EQ(image.pixel(edge), qRgba(0, 255, 0, 255)) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(qAlpha(image.pixel(280, 520)), 0);
    EXPECT_EQ(qAlpha(image.pixel(140, 520)), 0);
    EXPECT_EQ(qAlpha(image.pixel(420, 520)), 0);

    canvas.setTool(10311);
    dragFromTo(canvas, QPoint(100, 100), QPoint(40, 160));
    image = canvasImage(canvas);
    EXPECT_EQ(image.pixel(280, 520), qRgba(0, 255, 0, 255));
    EXPECT_EQ(image.pixel(165, 405), qRgba(0, 255, 0, 255));
    // The widget shows the canvas scaled down to its own size.
    const QImage shown = canvas.grab().toImage();
    EXPECT_EQ(shown.pixel(70, 130), qRgb(0, 255, 0));
    EXPECT_NE(shown.pixel(30, 130), qRgb(0, 255, 0));

    canvas.setEraser(true);
    dragFromTo(canvas, QPoint(100, 100), QPoint(40, 160));
    image = canvasImage(canvas);
    EXPECT_EQ(qAlpha(image.pixel(280, 520)), 0);
    EXPECT_EQ(qAlpha(image.pixel(165, 405)), 0);
    // The outline's outer half lay outside the erased rectangle.
    EXPECT_EQ(qAlpha(image.pixel(150, 520)), 255);
}

TEST_F(ShapeGeometryTest, CircleKeepsTheDragBoxTopLeftCorner)
{
    UnscaledCanvas shown(QSize(400, 300));
    shown.canvas.setTool(10315);
    dragFromTo(shown.canvas, QPoint(10, 10), QPoint(110, 50));
    EXPECT_EQ(opaqueBounds(canvasImage(shown.canvas)), QRect(10, 10, 40, 40));
}

TEST_F(ShapeGeometryTest, RegularFiguresAreCentredOnThePressWithAVertexAtTheMouse)
{
    UnscaledCanvas shown(QSize(400, 400));
    const QPointF centre(200, 200);
    shown.canvas.setTool(10319);
    dragFromTo(shown.canvas, QPoint(200, 200), QPoint(260, 200));
    QImage image = canvasImage(shown.canvas);
    for (double vertex : {0.0, 120.0, 240.0}) {
        EXPECT_GT(alphaAtPolar(image, centre, 52, vertex), kOpaque) << vertex;
        EXPECT_EQ(alphaAtPolar(image, centre, 66, vertex), 0) << vertex;
        // The middle of the opposite edge lies at half the radius.
        EXPECT_GT(alphaAtPolar(image, centre, 26, vertex + 180), kOpaque) << vertex;
        EXPECT_EQ(alphaAtPolar(image, centre, 34, vertex + 180), 0) << vertex;
    }

    shown.canvas.clearPainting();
    shown.canvas.setTool(10323);
    dragFromTo(shown.canvas, QPoint(200, 200), QPoint(350, 200));
    image = canvasImage(shown.canvas);
    // Inner radius 0.381966 x 150 = 57.3, between the outer points at 0, 72, ... degrees.
    for (int k = 0; k < 5; ++k) {
        EXPECT_GT(alphaAtPolar(image, centre, 144, 72.0 * k), kOpaque) << k;
        EXPECT_GT(alphaAtPolar(image, centre, 54, 36 + 72.0 * k), kOpaque) << k;
        EXPECT_EQ(alphaAtPolar(image, centre, 61, 36 + 72.0 * k), 0) << k;
    }
}

TEST_F(ShapeGeometryTest, RhombusJoinsTheMiddlesOfTheDragBoxSides)
{
    UnscaledCanvas shown(QSize(300, 300));
    shown.canvas.setTool(10321);
    dragFromTo(shown.canvas, QPoint(200, 160), QPoint(100, 100));
    const QImage image = canvasImage(shown.canvas);
    // The side middles are sharp tips: their last pixel is less than half covered.
    const QRect bounds = opaqueBounds(image);
    EXPECT_NEAR(bounds.left(), 100, 1);
    EXPECT_NEAR(bounds.right() + 1, 200, 1);
    EXPECT_NEAR(bounds.top(), 100, 1);
    EXPECT_NEAR(bounds.bottom() + 1, 160, 1);
    EXPECT_GT(alphaAt(image, 150, 130), kOpaque);
    for (const QPoint& corner : {QPoint(106, 104), QPoint(194, 104), QPoint(106, 156), QPoint(194, 156)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

TEST_F(ShapeGeometryTest, HeartSpansItsBezierLobes)
{
    UnscaledCanvas shown(QSize(400, 400));
    shown.canvas.setTool(10327);
    // Tip at the bottom, notch straight above it.
    dragFromTo(shown.canvas, QPoint(200, 300), QPoint(200, 200));
    // The left lobe: from the tip with its control 100 away at 30 degrees below
    // the left, to the notch with its control 100 away at 2 pi/7 left of up.
    const QPointF tip(200, 300), notch(200, 200);
    const double up = -M_PI / 2;
    const QPointF c1 = tip + 100 * QPointF(std::cos(up - M_PI / 3), std::sin(up - M_PI / 3));
    const QPointF c2 = notch + 100 * QPointF(std::cos(up - 2 * M_PI / 7), std::sin(up - 2 * M_PI / 7));
    double left = tip.x(), top = tip.y();
    for (int i = 0; i <= 1000; ++i) {
        const double t = i / 1000.0, u = 1 - t;
        const QPointF p = u * u * u * tip + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * notch;
        left = std::min(left, p.x());
        top = std::min(top, p.y());
    }
    const QRect bounds = opaqueBounds(canvasImage(shown.canvas));
    EXPECT_NEAR(bounds.left(), left, 1.5);
    EXPECT_NEAR(bounds.right() + 1, 400 - left, 1.5);
    EXPECT_NEAR(bounds.top(), top, 1.5);
    EXPECT_NEAR(bounds.bottom() + 1, 300, 1.5);
}

TEST_F(ShapeGeometryTest, ArrowHeadIsAsLongAsItsBaseIsWide)
{
    UnscaledCanvas shown(QSize(300, 200));
    shown.canvas.setLineWidth(10);
    shown.canvas.setTool(10337);
    dragFromTo(shown.canvas, QPoint(50, 100), QPoint(250, 100));
    const QImage image = canvasImage(shown.canvas);
    // Shaft 10 wide up to the base at x = 200; head 50 long and 50 wide at its base.
    EXPECT_GT(alphaAt(image, 100, 100), kOpaque);
    EXPECT_EQ(alphaAt(image, 100, 108), 0);
    EXPECT_GT(alphaAt(image, 215, 86), kOpaque);
    EXPECT_EQ(alphaAt(image, 240, 90), 0);
    EXPECT_GT(alphaAt(image, 246, 100), kOpaque);
    EXPECT_EQ(alphaAt(image, 254, 100), 0);
}

TEST_F(ShapeGeometryTest, DragBackOntoThePressPointPaintsNothing)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg)
            warnings << text;
    });
    UnscaledCanvas shown(QSize(400, 400));
    std::vector<QRect> reported;
    for (Shape* shape : shown.canvas.findChildren<Shape*>())
        QObject::connect(shape, &Shape::shapeNeedDisplayInRect, [&](Shape*, QRect rect) { reported.push_back(rect); });
    // Anything the figures touch lies within the canvas grown by the line width.
    const QRect reachable = QRect(0, 0, 400, 400).adjusted(-40, -40, 40, 40);
    for (int tool : {10326, 10327, 10322, 10323, 10318, 10319, 10324, 10325}) {
        shown.canvas.setTool(tool);
        dragThrough(shown.canvas, {QPoint(200, 200), QPoint(260, 230), QPoint(200, 200)});
        EXPECT_TRUE(opaqueBounds(canvasImage(shown.canvas)).isNull()) << tool;
    }
    ASSERT_FALSE(reported.empty());
    // A move thinned away between two paints may report an empty area, which
    // asks for nothing; every area that asks for a repaint must lie in reach.
    for (const QRect& rect : reported)
        EXPECT_TRUE(rect.isEmpty() || reachable.contains(rect)) << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(ShapeGeometryTest, PencilStrokeKeepsItsCanvasPixelWidthAtAnyWidgetSize)
{
    for (int scale : {4, 8}) {
        CanvasWidget canvas(3840, 2160);
        showCanvas(canvas, QSize(3840 / scale, 2160 / scale));
        const int y = 50;
        dragThrough(canvas, {QPoint(20, y), QPoint(40, y), QPoint(60, y), QPoint(80, y), QPoint(100, y)});
        const QImage image = canvasImage(canvas);
        const int column = 60 * scale;
        const int middle = y * scale;
        EXPECT_EQ(image.pixel(column, middle), qRgba(0, 255, 0, 255)) << scale;
        EXPECT_EQ(qAlpha(image.pixel(column, middle - 13)), 255) << scale;
        EXPECT_EQ(qAlpha(image.pixel(column, middle + 13)), 255) << scale;
        EXPECT_EQ(qAlpha(image.pixel(column, middle - 17)), 0) << scale;
        EXPECT_EQ(qAlpha(image.pixel(column, middle + 17)), 0) << scale;
    }
}

// The hardness is the pen's opacity: it holds at once and through a change of colour.
TEST_F(ShapeGeometryTest, HardnessStaysThePensOpacityInEveryColour)
{
    CanvasWidget canvas(1280, 720);
    showCanvas(canvas, QSize(640, 360));
    canvas.setPenColor(Qt::red);
    canvas.setHardness(0.5f);
    dragThrough(canvas, {QPoint(20, 50), QPoint(60, 50), QPoint(100, 50)});
    canvas.setPenColor(Qt::blue);
    dragThrough(canvas, {QPoint(20, 100), QPoint(60, 100), QPoint(100, 100)});
    const QImage image = canvasImage(canvas);
    EXPECT_EQ(image.pixel(80, 100), qRgba(255, 0, 0, 127));
    EXPECT_EQ(image.pixel(80, 200), qRgba(0, 0, 255, 127));
}

TEST_F(ShapeGeometryTest, TextureBrushKeepsItsCanvasPixelSizeAndTheHardness)
{
    CanvasWidget canvas(3840, 2160);
    showCanvas(canvas, QSize(960, 540));
    // Fitted to the canvas, the texture turns from red to blue at canvas x = 1920.
    QPixmap texture(384, 216);
    texture.fill(Qt::blue);
    QPainter(&texture).fillRect(0, 0, 192, 216, Qt::red);
    canvas.setHardness(0.5f);
    canvas.setPattern(texture);
    canvas.setTool(10311);
    // Ids that name no canvas tool keep the filled rectangle.
    canvas.setTool(10302);
    canvas.setTool(10307);
    dragFromTo(canvas, QPoint(400, 200), QPoint(560, 340));
    QImage image = canvasImage(canvas);
    EXPECT_TRUE(halfOpaque(image.pixel(1900, 1000), qRgb(255, 0, 0)));
    EXPECT_TRUE(halfOpaque(image.pixel(1940, 1000), qRgb(0, 0, 255)));
    EXPECT_EQ(qAlpha(image.pixel(1580, 1000)), 0);

    canvas.setPattern(QPixmap());
    dragFromTo(canvas, QPoint(100, 100), QPoint(200, 200));
    image = canvasImage(canvas);
    EXPECT_TRUE(halfOpaque(image.pixel(600, 600), qRgb(0, 255, 0)));
}

TEST_F(ShapeGeometryTest, MovesWithin16MsOfTheLastHandledOneAreDropped)
{
    UnscaledCanvas shown(QSize(400, 400));
    shown.canvas.setTool(10311);
    QWindow* window = shown.canvas.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::qWait(kMoveWaitMs);
    QElapsedTimer betweenMoves;
    betweenMoves.start();
    QTest::mouseMove(window, QPoint(150, 150));
    QTest::mouseMove(window, QPoint(300, 300));  // at once: dropped
    const qint64 gapMs = betweenMoves.elapsed();
    QTest::qWait(kMoveWaitMs);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    waitForShapeRedraws();
    if (gapMs >= 10)
        GTEST_SKIP() << "the machine took " << gapMs << " ms between two moves sent at once";
    const QImage image = canvasImage(shown.canvas);
    EXPECT_EQ(qAlpha(image.pixel(125, 125)), 255);
    EXPECT_EQ(qAlpha(image.pixel(200, 200)), 0);
}
