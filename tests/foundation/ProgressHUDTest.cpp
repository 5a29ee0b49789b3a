#include "AnimatedLabel.h"
#include "ProgressHUD.h"
#include "WidgetTestSupport.h"

#include <QBoxLayout>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

TEST(ProgressHUDTest, MessageLetsClicksAndKeysThroughAndGoesAfterItsTime)
{
    HostWindow host;
    auto* button = new QPushButton("Behind", &host);
    button->setGeometry(0, 0, 800, 600);
    host.edit->raise();
    host.showFocused(QSize(800, 600));
    QSignalSpy clicks(button, &QPushButton::clicked);

    // Timers fire in the order they fall due, however late a loaded machine
    // runs them: one due just before the message's time finds it still up, one
    // due just after finds it gone.
    bool shownJustBefore = false;
    bool hiddenJustAfter = false;
    QPointer<ProgressHUD> hud;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(1990, Qt::PreciseTimer, &host, [&] { shownJustBefore = hud && hud->isVisible(); });
    ProgressHUD::showMessage("Saved", &host, 2000);
    QTimer::singleShot(2010, Qt::PreciseTimer, &host, [&] { hiddenJustAfter = !hud || !hud->isVisible(); });
    hud = host.findChild<ProgressHUD*>();
    ASSERT_FALSE(hud.isNull());
    EXPECT_TRUE(hud->isVisible());
    EXPECT_EQ(hud->geometry(), host.rect());
    EXPECT_EQ(hud->messageLabel()->text(), "Saved");

    // The card sits low in the middle; a click on it reaches the button behind.
    const QRect card = hud->findChild<QWidget*>("mainWidget")->geometry();
    EXPECT_GT(card.top(), 300);
    QTest::keyClick(host.edit, Qt::Key_K);
    EXPECT_EQ(host.edit->text(), "k");
    EXPECT_EQ(QApplication::focusWidget(), host.edit);
    clickWindowAt(host, card.center());
    EXPECT_EQ(clicks.size(), 1);

    QSignalSpy gone(hud.data(), &QObject::destroyed);
    ASSERT_TRUE(gone.wait(5000));
    EXPECT_GE(clock.elapsed(), 2000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hiddenJustAfter; }, 5000));
    EXPECT_TRUE(shownJustBefore);
}

TEST(ProgressHUDTest, SpinnerPlaysWhileShownWithItsCaptionRightUnderIt)
{
    HostWindow host;
    host.showFocused(QSize(800, 600));
    ProgressHUD hud(&host, ProgressHUDSpinner);
    hud.setGeometry(host.rect());
    ASSERT_NE(hud.spinner(), nullptr);
    EXPECT_TRUE(hud.spinner()->movie()->isValid());
    EXPECT_GT(hud.spinner()->movie()->frameCount(), 1);
    EXPECT_EQ(hud.spinner()->maximumSize(), QSize(80, 80));
    hud.show();
    EXPECT_EQ(hud.spinner()->movie()->state(), QMovie::Running);
    hud.hide();
    EXPECT_EQ(hud.spinner()->movie()->state(), QMovie::NotRunning);

    hud.setText("Opening...");
    auto* layout = qobject_cast<QBoxLayout*>(hud.messageLabel()->parentWidget()->layout());
    EXPECT_EQ(layout->contentsMargins(), QMargins(12, 0, 12, 12));
    EXPECT_EQ(layout->spacing(), 0);
    hud.setProgress(0.5f);  // no bar: nothing to show it on
    EXPECT_EQ(hud.progressBar(), nullptr);

    hud.setText(QString());
    EXPECT_EQ(hud.messageLabel(), nullptr);
    EXPECT_EQ(hud.findChildren<QLabel*>().size(), 1);  // the spinner alone
    hud.setText("Again");
    ASSERT_NE(hud.messageLabel(), nullptr);
    EXPECT_EQ(hud.messageLabel()->text(), "Again");
}

TEST(ProgressHUDTest, BarShowsTruncatedPercentsAndKeepsTheKeyboard)
{
    HostWindow host;
    host.showFocused(QSize(800, 600));
    auto* hud = new ProgressHUD(&host, ProgressHUDBar);
    hud->setGeometry(host.rect());
    hud->setText("Exporting");
    hud->show();
    hud->setProgress(0.999f);
    EXPECT_EQ(hud->progressBar()->value(), 99);
    hud->setProgress(0.25f);
    EXPECT_EQ(hud->progressBar()->value(), 25);
    // A busy overlay blocks typing into the window behind it.
    QTest::keyClick(host.edit, Qt::Key_K);
    EXPECT_TRUE(host.edit->text().isEmpty());
    delete hud;
    QTest::keyClick(host.edit, Qt::Key_K);
    EXPECT_EQ(host.edit->text(), "k");
}

// The columns of the caption's white glyphs in a picture of the card.
std::pair<int, int> captionColumns(const QImage& card)
{
    int first = card.width();
    int last = -1;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (qGray(card.pixel(x, y)) > 160) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

TEST(ProgressHUDTest, MessageKeepsItsWholeCaptionInANarrowParent)
{
    HostWindow host;
    host.showFocused(QSize(800, 600));
    auto* narrow = new QWidget(&host);
    narrow->setGeometry(300, 100, 250, 400);
    narrow->show();
    ProgressHUD::showMessage("Copied to the clipboard", narrow, 2000);
    auto* hud = narrow->findChild<ProgressHUD*>();
    ASSERT_NE(hud, nullptr);
    QTest::qWait(50);
    QLabel* caption = hud->messageLabel();
    EXPECT_GE(caption->width(), caption->sizeHint().width());
    auto* card = hud->findChild<QWidget*>("mainWidget");
    EXPECT_TRUE(hud->rect().contains(card->geometry())) << card->geometry().x() << " " << card->width();

    // In the picture, the glyphs span the whole caption and end short of the
    // card's rounded sides: no glyph is cut at either side.
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    const QImage picture = card->grab().toImage();
    picture.save(QString(VIDORNA_ARTEFACT_DIR) + "/progress-hud-narrow-message.png");
    const auto [first, last] = captionColumns(picture);
    const int captionWidth = caption->fontMetrics().horizontalAdvance(caption->text());
    EXPECT_GE(last - first + 1, captionWidth - 4);
    EXPECT_GE(first, 10);
    EXPECT_LE(last, picture.width() - 11);
}

} // namespace

