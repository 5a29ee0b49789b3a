#include "DrawingTestSupport.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "PictureShape.h"
#include "TestMedia.h"
#include "TextShape.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {

constexpr int kDialogWaitMs = 5000;

class CanvasTextAndPictureTest : public ::testing::Test
{
protected:
    void SetUp() override { showCanvas(canvas, QSize(960, 540)); }

    // One wheel notch (or the given angle) over the middle of the canvas.
    void turnWheel(int angle)
    {
        const QPointF middle(480, 270);
        QWheelEvent event(middle, canvas.mapToGlobal(middle.toPoint()), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &event);
    }

    // Opens the picture dialog as the tuning panel's button does and picks
    // the file in it; true once the canvas reports the new pending picture.
    bool pickPicture(const QString& path, QString* title = nullptr)
    {
        QSignalSpy pictureChanged(&canvas, &CanvasWidget::canvasWidgetPictureChanged);
        ModalDialogAnswerer answerer([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            ASSERT_TRUE(dialog);
            if (title)
                *title = dialog->windowTitle();
            // Typed as a user would: an absolute name does not depend on the
            // folder listing the dialog is still loading.
            auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_TRUE(nameEdit);
            nameEdit->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        canvas.setTool(10330);
        canvas.pictureShapeOnRequestPicture(nullptr);
        return QTest::qWaitFor([&] { return !pictureChanged.isEmpty(); }, kDialogWaitMs);
    }

    // Answers the next text dialog with text (accepted) and tells its title.
    static ModalDialogAnswerer::Answer enterText(const QString& text, QString* title = nullptr)
    {
        return [text, title](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            ASSERT_TRUE(dialog);
            if (title)
                *title = dialog->windowTitle() + ": " + dialog->textValue();
            dialog->setTextValue(text);
            dialog->accept();
        };
    }

    IsolatedSettings settings;
    CanvasWidget canvas{3840, 2160};
};

int pixelsOfColor(const QImage& image, const QRect& area, QRgb color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color;
    }
    return count;
}

// The pending frame's pixels.
int greyPixels(const QImage& image, const QRect& area)
{
    return pixelsOfColor(image, area, QColor(Qt::gray).rgba());
}

int greenPixels(const QImage& image, const QRect& area)
{
    return pixelsOfColor(image, area, qRgba(0, 255, 0, 255));
}

// Near the colour: the picture went through a YUV encoding.
bool nearColor(QRgb pixel, QRgb color)
{
    return std::abs(qRed(pixel) - qRed(color)) <= 6 && std::abs(qGreen(pixel) - qGreen(color)) <= 6
           && std::abs(qBlue(pixel) - qBlue(color)) <= 6;
}

} // namespace

TEST_F(CanvasTextAndPictureTest, TextFromTheDialogIsPendingWithAFrameUntilFinished)
{
    QSignalSpy textChanged(&canvas, &CanvasWidget::canvasWidgetTextChanged);
    QString title;
    ModalDialogAnswerer answerer(enterText("abc", &title));
    canvas.setTool(10329);
    QTest::mouseClick(canvas.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(480, 270));
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.answered() && !textChanged.isEmpty(); }, kDialogWaitMs));
    EXPECT_EQ(title, "Add Text: ");
    EXPECT_EQ(textChanged.takeFirst().at(1).toString(), "abc");
    HistoryDataCompressionTaskManager* history = historyOf(canvas);
    ASSERT_TRUE(history->waitUntilIdle(kDialogWaitMs));
    EXPECT_EQ(snapshotFiles(*history).size(), 1);

    // The shape's frame is the text block grown by 2 widget units; the block is
    // centred, so it ends as far above the bottom as it begins below the top.
    const QRect frame = canvas.findChild<TextShape*>()->frame();
    ASSERT_GT(frame.width(), 4);
    const QRect block(QPoint(frame.x() + 2, frame.y() + 2), QPoint(frame.right() - 2, 540 - (frame.y() + 2)));
    const QRect textArea(block.topLeft() * 4, block.size() * 4);
    const QRect bottomEdge(textArea.left(), textArea.bottom() - 4, textArea.width(), 10);
    QImage image = canvasImage(canvas);
    EXPECT_GT(greenPixels(image, textArea), 100);
    EXPECT_GT(greyPixels(image, bottomEdge), textArea.width() / 2);

    canvas.finishText();
    ASSERT_EQ(textChanged.size(), 1);
    EXPECT_EQ(textChanged.takeFirst().at(1).toString(), "");
    image = canvasImage(canvas);
    EXPECT_GT(greenPixels(image, textArea), 100);
    EXPECT_EQ(greyPixels(image, bottomEdge), 0);
    EXPECT_EQ(snapshotFiles(*history).size(), 1);
}

// The size is in pixels of the canvas, here shown at a quarter of its size.
TEST_F(CanvasTextAndPictureTest, TextSizeIsInCanvasPixelsWhateverTheShownSize)
{
    canvas.setTextSize(100.0f);
    ModalDialogAnswerer answerer(enterText("H"));
    canvas.setTool(10329);
    canvas.textShapeOnRequestText(nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.answered(); }, kDialogWaitMs));
    canvas.finishText();
    const QImage image = canvasImage(canvas);
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (greenPixels(image, QRect(0, y, image.width(), 1)) > 0) {
            top = std::min(top, y);
            bottom = y;
        }
    }
    // A capital is about 0.6 to 0.75 of the size.
    EXPECT_GT(bottom - top + 1, 55);
    EXPECT_LT(bottom - top + 1, 85);
}

TEST_F(CanvasTextAndPictureTest, WheelScalesPendingTextWithinItsLimits)
{
    QSignalSpy sizeChanged(&canvas, &CanvasWidget::canvasWidgetTextSizeChangedByGesture);
    canvas.setTool(10329);
    turnWheel(120);
    EXPECT_TRUE(sizeChanged.isEmpty());  // nothing pending

    ModalDialogAnswerer answerer(enterText("abc"));
    canvas.textShapeOnRequestText(nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.answered(); }, kDialogWaitMs));
    turnWheel(120);
    ASSERT_EQ(sizeChanged.size(), 1);
    EXPECT_FLOAT_EQ(sizeChanged.takeFirst().at(1).toFloat(), 100.0f * 1.0234375f);

    canvas.setTextSize(955.0f);
    turnWheel(120);
    EXPECT_FLOAT_EQ(sizeChanged.takeFirst().at(1).toFloat(), 960.0f);
    canvas.setTextSize(1.01f);
    turnWheel(-120);
    EXPECT_FLOAT_EQ(sizeChanged.takeFirst().at(1).toFloat(), 1.0f);
}

TEST_F(CanvasTextAndPictureTest, LargePictureIsDecodedToTheCanvasSideAndPendsAtFourFifthsOfTheFit)
{
    const QString path = TestMedia::path("wide_5000x1000.png");
    QSignalSpy pictureChanged(&canvas, &CanvasWidget::canvasWidgetPictureChanged);
    QString title;
    ASSERT_TRUE(pickPicture(path, &title));
    EXPECT_EQ(title, "Insert a Picture");
    EXPECT_EQ(QSettings().value("OpenPictureDir").toString(), QFileInfo(path).absolutePath());
    const QPixmap picture = pictureChanged.takeFirst().at(1).value<QPixmap>();
    EXPECT_EQ(picture.size(), QSize(3840, 768));
    auto* shape = canvas.findChild<PictureShape*>();
    EXPECT_EQ(shape->pictureRect(), QRect(96, 193, 768, 153));
    // Drawn upright: the red mark of the file's top-left corner at the picture's top-left.
    const QImage image = canvasImage(canvas);
    EXPECT_TRUE(nearColor(image.pixel(96 * 4 + 20, 193 * 4 + 20), qRgb(255, 0, 0)));
    EXPECT_TRUE(nearColor(image.pixel((96 + 768) * 4 - 20, (193 + 153) * 4 - 20), qRgb(0, 128, 0)));

    QSignalSpy scaleChanged(&canvas, &CanvasWidget::canvasWidgetPictureSizeChangedByGesture);
    turnWheel(120);
    ASSERT_EQ(scaleChanged.size(), 1);
    EXPECT_FLOAT_EQ(scaleChanged.takeFirst().at(1).toFloat(), 0.8f * 1.0234375f);
    EXPECT_EQ(shape->pictureRect().width(), int(960 * 0.8f * 1.0234375f));

    canvas.finishPicture();
    ASSERT_EQ(pictureChanged.size(), 1);
    EXPECT_TRUE(pictureChanged.takeFirst().at(1).value<QPixmap>().isNull());
    EXPECT_FALSE(shape->pictureRect().isValid());
    HistoryDataCompressionTaskManager* history = historyOf(canvas);
    ASSERT_TRUE(history->waitUntilIdle(kDialogWaitMs));
    EXPECT_EQ(snapshotFiles(*history).size(), 1);
}

TEST_F(CanvasTextAndPictureTest, UnreadablePictureIsReportedAsNullAndPaintsNothing)
{
    QSignalSpy pictureChanged(&canvas, &CanvasWidget::canvasWidgetPictureChanged);
    ASSERT_TRUE(pickPicture(TestMedia::path("truncated.png")));
    EXPECT_TRUE(pictureChanged.takeFirst().at(1).value<QPixmap>().isNull());
    const QImage image = canvasImage(canvas);
    QImage empty(image.size(), image.format());
    empty.fill(Qt::transparent);
    EXPECT_TRUE(image == empty);
}

TEST_F(CanvasTextAndPictureTest, PendingTextIsEditedOnDoubleClickAndDraggedByTheMouse)
{
    QSignalSpy textChanged(&canvas, &CanvasWidget::canvasWidgetTextChanged);
    HistoryDataCompressionTaskManager* history = historyOf(canvas);
    canvas.setTool(10329);
    QWindow* window = canvas.windowHandle();
    {
        ModalDialogAnswerer cancel(ModalDialogAnswerer::reject());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(480, 270));
        ASSERT_TRUE(QTest::qWaitFor([&] { return cancel.answered(); }, kDialogWaitMs));
    }
    // What the cancelled dialog leaves behind runs: no text may come of it.
    QTest::qWait(50);
    EXPECT_TRUE(textChanged.isEmpty());
    EXPECT_FALSE(history->hasHistory());

    {
        ModalDialogAnswerer answerer(enterText("abc"));
        canvas.textShapeOnRequestText(nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !textChanged.isEmpty(); }, kDialogWaitMs));
    }
    textChanged.clear();
    QString shown;
    {
        ModalDialogAnswerer answerer(enterText("abcd", &shown));
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !textChanged.isEmpty(); }, kDialogWaitMs));
    }
    EXPECT_EQ(shown, "Edit Text: abc");
    EXPECT_EQ(textChanged.takeFirst().at(1).toString(), "abcd");
    ASSERT_TRUE(history->waitUntilIdle(kDialogWaitMs));
    EXPECT_EQ(snapshotFiles(*history).size(), 1);

    // A tenth of the widget's width to the right and a fifth of its height up.
    auto* shape = canvas.findChild<TextShape*>();
    const QRect before = shape->frame();
    QTest::qWait(500);  // not a double click
    dragThrough(canvas, {QPoint(300, 300), QPoint(348, 246), QPoint(396, 192)});
    EXPECT_NEAR(shape->frame().x() - before.x(), 96, 1);
    EXPECT_NEAR(shape->frame().y() - before.y(), -108, 1);
}
