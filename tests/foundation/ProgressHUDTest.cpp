#include "AnimatedLabel.h"
#include "ProgressHUD.h"
#include "WidgetTestSupport.h"

#include <QBoxLayout>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

namespace {

TEST(ProgressHUDTest, MessageLetsClicksAndKeysThroughAndGoesAfterItsTime)
{
    HostWindow host;
    auto* button = new QPushButton("Behind", &host);
    button->setGeometry(0, 0, 800, 600);
    host.edit->raise();
    host.showFocused(QSize(800, 600));
    QSignalSpy clicks(button, &QPushButton::clicked);

    QElapsedTimer clock;
    clock.start();
    ProgressHUD::showMessage("Saved", &host, 2000);
    QPointer<ProgressHUD> hud = host.findChild<ProgressHUD*>();
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
    ASSERT_TRUE(gone.wait(3000));
    EXPECT_GE(clock.elapsed(), 2000);
    EXPECT_LE(clock.elapsed(), 2100);
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

} // namespace
