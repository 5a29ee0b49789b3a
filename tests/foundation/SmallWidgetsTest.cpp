#include "AnimatedLabel.h"
#include "IconLineEdit.h"
#include "RotatableImageWidget.h"
#include "RoundTabWidget.h"
#include "SeekableSliderStyle.h"
#include "SlideshowLabel.h"
#include "TextWrappingButtonProxyStyle.h"
#include "WheelEventBlocker.h"
#include "WidgetTestSupport.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QSlider>
#include <QWheelEvent>

namespace {

QColor pixelAt(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

// Left half red, right half blue: which way it is turned can be seen.
QPixmap halves(const QColor& left, const QColor& right)
{
    QPixmap pixmap(40, 40);
    QPainter painter(&pixmap);
    painter.fillRect(0, 0, 20, 40, left);
    painter.fillRect(20, 0, 20, 40, right);
    return pixmap;
}

TEST(AnimatedLabelTest, DelayedStartRunsOnlyWhileTheLabelLives)
{
    QPointer<AnimatedLabel> doomed = new AnimatedLabel(nullptr, ":/images/loading_hud_dark");
    doomed->start(40);
    delete doomed;
    AnimatedLabel label(nullptr, ":/images/loading_hud_dark");
    label.start(40);
    EXPECT_EQ(label.movie()->state(), QMovie::NotRunning);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.movie()->state() == QMovie::Running; }, 5000))
        << "the delayed start never came";
    EXPECT_EQ(label.pixmap(Qt::ReturnByValue).size(), QSize(80, 80));
    label.stop();
    EXPECT_EQ(label.movie()->state(), QMovie::NotRunning);
}

TEST(SlideshowLabelTest, FourFramesOver350MsEndOneIntervalAfterTheLast)
{
    QStringList frames;
    for (int i = 1; i <= 4; ++i)
        frames << QString(":/images/animation/eliminate_ani%1").arg(i);
    SlideshowLabel slideshow(frames, 350);
    ASSERT_EQ(slideshow.frameCount(), 4);
    const QImage shown = slideshow.pixmap(Qt::ReturnByValue).toImage();
    EXPECT_EQ(shown, QImage(frames[0]).convertToFormat(shown.format()));
    QSignalSpy completed(&slideshow, &SlideshowLabel::slideshowCompleted);
    auto* timer = slideshow.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QElapsedTimer clock;
    clock.start();
    slideshow.start();
    ASSERT_TRUE(completed.wait(5000));
    // Four intervals of 87 ms. Timers never fire early; a loaded machine may
    // deliver them late, so the intervals are counted, not timed from above.
    EXPECT_EQ(timer->interval(), 87);
    EXPECT_EQ(ticks.count(), 4);
    EXPECT_GE(clock.elapsed(), 340);
    EXPECT_EQ(completed[0][0].value<SlideshowLabel*>(), &slideshow);
    EXPECT_EQ(slideshow.currentIndex(), 4);

    SlideshowLabel empty({"/no/such/picture.png", ":/no/such/resource"}, 350);
    QSignalSpy never(&empty, &SlideshowLabel::slideshowCompleted);
    empty.start();
    EXPECT_FALSE(never.wait(150));
    EXPECT_EQ(empty.frameCount(), 0);
}

TEST(IconLineEditTest, PaintsItsIconCentredVerticallyAndNothingWithoutOne)
{
    QLineEdit plain;
    IconLineEdit edit;
    for (QLineEdit* field : {&plain, static_cast<QLineEdit*>(&edit)}) {
        field->setText("cats");
        field->resize(200, 30);
    }
    EXPECT_EQ(edit.grab().toImage(), plain.grab().toImage());

    QPixmap red(8, 8);
    red.fill(Qt::red);
    edit.setIcon(red);
    edit.setIconSize(QSize(16, 16));
    edit.setIconLeft(150);
    EXPECT_TRUE(near(pixelAt(edit, 158, 15), Qt::red));
    EXPECT_TRUE(near(pixelAt(edit, 151, 8), Qt::red));
    EXPECT_FALSE(near(pixelAt(edit, 158, 5), Qt::red));
}

TEST(RotatableImageWidgetTest, TurnsAboutItsCentreAndFallsBackToThePictureWhenDisabled)
{
    RotatableImageWidget widget;
    widget.resize(40, 40);
    widget.setPixmap(halves(Qt::red, Qt::blue));
    EXPECT_TRUE(near(pixelAt(widget, 5, 20), Qt::red));
    widget.setAngle(90);  // clockwise: the left half comes to the top
    EXPECT_TRUE(near(pixelAt(widget, 20, 5), Qt::red));
    EXPECT_TRUE(near(pixelAt(widget, 20, 35), Qt::blue));

    widget.setEnabled(false);
    EXPECT_TRUE(near(pixelAt(widget, 20, 5), Qt::red));
    widget.setDisabledPixmap(halves(Qt::green, Qt::green));
    EXPECT_TRUE(near(pixelAt(widget, 20, 5), Qt::green));
}

TEST(RoundTabWidgetTest, FlaresWhereItJoinsAndRoundsItsFreeCorners)
{
    RoundTabWidget top(1, Qt::red);
    top.setPalette(QPalette(Qt::black));
    top.resize(100, 40);
    const QImage topPicture = top.grab().toImage();
    auto redIn = [](const QImage& image, int x, int y) { return near(image.pixelColor(x, y), Qt::red, 40); };
    EXPECT_TRUE(redIn(topPicture, 8, 1));     // the flare fills the joined corner's outside
    EXPECT_FALSE(redIn(topPicture, 1, 8));    // and leaves its inside
    EXPECT_FALSE(redIn(topPicture, 11, 38));  // rounded free corner
    EXPECT_TRUE(redIn(topPicture, 50, 20));
    EXPECT_TRUE(redIn(topPicture, 91, 1));
    EXPECT_FALSE(redIn(topPicture, 98, 8));

    RoundTabWidget left(0, Qt::red);
    left.setPalette(QPalette(Qt::black));
    left.resize(40, 100);
    const QImage leftPicture = left.grab().toImage();
    EXPECT_TRUE(redIn(leftPicture, 1, 8));
    EXPECT_FALSE(redIn(leftPicture, 8, 1));
    EXPECT_FALSE(redIn(leftPicture, 38, 11));
    EXPECT_TRUE(redIn(leftPicture, 1, 91));
    EXPECT_EQ(RoundTabWidget::cornerRadius(), 10.0);
}

TEST(SliderStylesTest, GrooveClickJumpsAndTheWheelIsBlocked)
{
    SeekableSliderStyle seekable;
    QWidget window;
    auto* stepping = new QSlider(Qt::Horizontal, &window);
    auto* jumping = new QSlider(Qt::Horizontal, &window);
    stepping->setGeometry(0, 0, 200, 30);
    jumping->setGeometry(0, 50, 200, 30);
    jumping->setStyle(&seekable);
    showForInput(window, QSize(200, 80));
    clickWindowAt(window, QPoint(150, 15));
    clickWindowAt(window, QPoint(150, 65));
    EXPECT_EQ(stepping->value(), stepping->pageStep());
    EXPECT_NEAR(jumping->value(), 75, 5);

    // A wheel turn moves a slider by a few steps only: compare exact values.
    WheelEventBlocker blocker;
    jumping->installEventFilter(&blocker);
    const int jumped = jumping->value();
    for (QSlider* slider : {stepping, jumping}) {
        QWheelEvent wheel(QPointF(100, 15), slider->mapToGlobal(QPoint(100, 15)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
    }
    EXPECT_NE(stepping->value(), stepping->pageStep());
    EXPECT_EQ(jumping->value(), jumped);
}

// Rows of the picture holding dark text pixels.
int inkedRows(const QImage& image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 8; x < image.width() - 8; ++x) {
            if (qGray(image.pixel(x, y)) < 60) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

TEST(TextWrappingStyleTest, CaptionsWrapAtWordBoundaries)
{
    TextWrappingButtonProxyStyle wrapping;
    QPushButton plain("alpha beta gamma delta");
    QPushButton wrapped("alpha beta gamma delta");
    wrapped.setStyle(&wrapping);
    for (QPushButton* button : {&plain, &wrapped}) {
        button->setStyleSheet("QPushButton { background: white; color: black; border: none; }");
        button->resize(70, 120);
    }
    const int lineRows = inkedRows(plain.grab().toImage());
    EXPECT_GT(lineRows, 5);
    EXPECT_GT(inkedRows(wrapped.grab().toImage()), 2 * lineRows);
}

} // namespace
