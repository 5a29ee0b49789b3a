#include "PopupMovieExportingWidget.h"

#include "FadeWaits.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PopupMovieExportingWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        host.resize(1000, 800);
        host.show();
        popup = new PopupMovieExportingWidget(&host);
    }

    void TearDown() override
    {
        delete popup.data();
        QLocale::setDefault(QLocale::c());
    }

    void open(int level, const QString& codec = QStringLiteral("h264"), int mode = 0)
    {
        popup->setExportOptions(&host, level, 16, 9, QStringLiteral("My Movie"), QStringLiteral("/tmp/movies"), codec,
                                30, mode);
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = popup->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    QWidget* currentPage() const { return child<QStackedWidget>("mainStackedWidget")->currentWidget(); }

    // Picks the entry with the text from the next popup menu the popup runs.
    void chooseFromNextMenu(const QString& entry)
    {
        QTimer::singleShot(100, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == entry) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
            ADD_FAILURE() << "no menu entry " << entry.toStdString();
        });
    }

    IsolatedSettings settings;
    QWidget host;
    QPointer<PopupMovieExportingWidget> popup;
};

} // namespace

TEST_F(PopupMovieExportingWidgetTest, TheOptionsPageShowsTheChoicesCentredOverTheParent)
{
    open(3);
    EXPECT_EQ(popup->geometry(), host.rect());
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(250, 215, 500, 370));
    EXPECT_EQ(text("titleLabel"), QStringLiteral("Export & Share"));
    EXPECT_EQ(currentPage(), child<QWidget>("defaultPage"));
    EXPECT_EQ(text("resolutionDetailLabel"), QStringLiteral("Full HD - 1080P (1920x1080)"));
    EXPECT_EQ(child<QSlider>("resolutionSlider")->value(), 2);
    EXPECT_EQ(child<QSlider>("resolutionSlider")->maximum(), 4);
    EXPECT_EQ(child<QPushButton>("frameRateButton")->text(), QStringLiteral("30"));
    EXPECT_EQ(child<QPushButton>("videoCodecButton")->text(), QStringLiteral("H.264"));
    EXPECT_EQ(child<QLineEdit>("nameLineEdit")->text(), QStringLiteral("My Movie"));
    EXPECT_EQ(text("locationValueLabel"), QStringLiteral("/tmp/movies"));
    EXPECT_TRUE(child<QLabel>("remainingTimeLabel")->isHidden());
    EXPECT_EQ(popup->resolutionLevel(), 3);
    EXPECT_EQ(popup->frameRate(), 30.0f);
    EXPECT_EQ(popup->location(), QStringLiteral("/tmp/movies"));
    // The pictures come from the built-in resources.
    for (const char* button : {"locationButton", "frameRateTriangleButton", "doneFileNameGoButton"})
        EXPECT_FALSE(child<QPushButton>(button)->icon().isNull()) << button;
    for (const char* label : {"doneIconLabel", "errorIconLabel"})
        EXPECT_FALSE(child<QLabel>(label)->pixmap(Qt::ReturnByValue).isNull()) << label;

    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    EXPECT_TRUE(waitFor([this] { return fadesEnded(host); }, 5000)) << "the popup never faded in";
    host.grab().save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/movie-exporting-popup.png"));
}

TEST_F(PopupMovieExportingWidgetTest, SlidUpFromTheBottomThePanelSits40PixelsAboveTheEdge)
{
    open(3, QStringLiteral("h264"), 1);
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(250, 800 - 40 - 370, 500, 370));
    EXPECT_TRUE(waitFor([this] { return popup->pos() == QPoint(0, 0); }, 3000));
}

TEST_F(PopupMovieExportingWidgetTest, TheLowestLevelShowsAtTheFirstSliderPositionAndTheSliderPicksLevels)
{
    open(0);
    auto* slider = child<QSlider>("resolutionSlider");
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(popup->resolutionLevel(), 0);
    EXPECT_EQ(text("resolutionDetailLabel"), QStringLiteral("SD - 360P (640x360)"));
    slider->setValue(1);
    EXPECT_EQ(popup->resolutionLevel(), 2);
    EXPECT_EQ(text("resolutionDetailLabel"), QStringLiteral("HD - 720P (1280x720)"));
    slider->setValue(0);
    EXPECT_EQ(popup->resolutionLevel(), 1);
    EXPECT_EQ(text("resolutionDetailLabel"), QStringLiteral("SD - 540P (960x540)"));
    // A click on the groove puts the handle where it was clicked.
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() - 3, slider->height() / 2));
    EXPECT_EQ(slider->value(), 4);
    EXPECT_EQ(popup->resolutionLevel(), 5);
    EXPECT_EQ(text("resolutionDetailLabel"), QStringLiteral("Ultra HD - 4K (3840x2160)"));
}

// Each tick label stands centred under the handle's place for its level.
TEST_F(PopupMovieExportingWidgetTest, TheTickLabelsStandUnderTheirHandlePositions)
{
    open(3);
    auto* slider = child<QSlider>("resolutionSlider");
    const int width = slider->width();
    ASSERT_GT(width, 0);
    EXPECT_EQ(child<QWidget>("widget")->width(), width);
    EXPECT_EQ(child<QLabel>("label540p")->x(), 0);
    const QLabel* ticks[] = {child<QLabel>("label720p"), child<QLabel>("label1080p"), child<QLabel>("label2k")};
    for (int k = 1; k <= 3; ++k) {
        const QLabel* tick = ticks[k - 1];
        const int advance = tick->fontMetrics().horizontalAdvance(tick->text());
        EXPECT_EQ(tick->x(), int(k / 4.0f * float(width - 18) + 9 - advance / 2)) << k;
    }
    const QLabel* last = child<QLabel>("label4k");
    EXPECT_EQ(last->x() + last->fontMetrics().horizontalAdvance(last->text()), width);
}

TEST_F(PopupMovieExportingWidgetTest, TheNameIsTrimmedAndBlankMeansTheDefault)
{
    open(3);
    auto* name = child<QLineEdit>("nameLineEdit");
    name->setText(QStringLiteral("   "));
    EXPECT_EQ(popup->fileName(), QStringLiteral("My Movie"));
    name->setText(QStringLiteral("  Holiday 2024 "));
    EXPECT_EQ(popup->fileName(), QStringLiteral("Holiday 2024"));
}

TEST_F(PopupMovieExportingWidgetTest, TheMenusChooseFrameRateAndCodec)
{
    open(3, QStringLiteral("prores"));
    // An id the popup does not offer passes on unchanged.
    EXPECT_EQ(child<QPushButton>("videoCodecButton")->text(), QStringLiteral("H.264"));
    EXPECT_EQ(popup->videoCodec(), QStringLiteral("prores"));

    chooseFromNextMenu(QStringLiteral("24"));
    child<QPushButton>("frameRateTriangleButton")->click();
    EXPECT_EQ(popup->frameRate(), 24.0f);
    EXPECT_EQ(child<QPushButton>("frameRateButton")->text(), QStringLiteral("24"));

    chooseFromNextMenu(QStringLiteral("VP9"));
    child<QPushButton>("videoCodecButton")->click();
    EXPECT_EQ(popup->videoCodec(), QStringLiteral("vp9"));
    EXPECT_EQ(child<QPushButton>("videoCodecButton")->text(), QStringLiteral("VP9"));
    EXPECT_EQ(PopupMovieExportingWidget::videoCodecIds(),
              QStringList({QStringLiteral("h264"), QStringLiteral("hevc"), QStringLiteral("vp9")}));
}

TEST_F(PopupMovieExportingWidgetTest, DeletingThePopupWhileItsMenuRunsIsSafe)
{
    open(3);
    QTimer::singleShot(100, [this] { delete popup.data(); });
    child<QPushButton>("frameRateButton")->click();
    EXPECT_TRUE(popup.isNull());
}

TEST_F(PopupMovieExportingWidgetTest, ReturnExportsOnlyFromTheOptionsPage)
{
    open(3);
    qRegisterMetaType<MovieExportingAction>();
    QSignalSpy share(popup.data(), &PopupMovieExportingWidget::popupMovieExportingWidgetShareAction);
    QTest::keyClick(child<QLineEdit>("nameLineEdit"), Qt::Key_Return);
    ASSERT_EQ(share.count(), 1);
    EXPECT_EQ(share.at(0).at(0).value<PopupMovieExportingWidget*>(), popup.data());
    EXPECT_EQ(share.at(0).at(1).value<MovieExportingAction>(), MovieExportingActionSaveToComputer);

    popup->setProgress(0.1f);
    EXPECT_FALSE(popup->acceptByReturnKey());
    popup->showExportSucceeded(QStringLiteral("failed"), QString());
    EXPECT_FALSE(popup->acceptByReturnKey());
    EXPECT_EQ(share.count(), 1);
}

TEST_F(PopupMovieExportingWidgetTest, TheExportPageShowsProgressAndCannotBeDismissed)
{
    open(3);
    QSignalSpy cancel(popup.data(), &PopupMovieExportingWidget::popupMovieExportingWidgetExportCancelAction);
    // An estimate before any progress turns the page but shows no time.
    popup->setEstimatedTimeRemaining(100.0f);
    EXPECT_EQ(currentPage(), child<QWidget>("exportPage"));
    auto* remaining = child<QLabel>("remainingTimeLabel");
    EXPECT_TRUE(remaining->isHidden());

    popup->setProgress(0.5f * 0.99f);
    EXPECT_EQ(child<QProgressBar>("exportProgressBar")->value(), 49);
    popup->setEstimatedTimeRemaining(30.0f);
    EXPECT_TRUE(remaining->isHidden());
    popup->setEstimatedTimeRemaining(31.0f);
    EXPECT_FALSE(remaining->isHidden());
    EXPECT_EQ(remaining->text(), QStringLiteral("Estimated time remaining - 00:31"));
    popup->setEstimatedTimeRemaining(9.6f);
    EXPECT_EQ(remaining->text(), QStringLiteral("Estimated time remaining - 00:10"));
    popup->setProgress(1.0f * 0.99f);
    EXPECT_EQ(child<QProgressBar>("exportProgressBar")->value(), 99);

    EXPECT_FALSE(popup->tryDismiss());
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(popup->isVisible());
    child<QPushButton>("exportCancelButton")->click();
    ASSERT_EQ(cancel.count(), 1);
    EXPECT_EQ(currentPage(), child<QWidget>("exportPage"));
}

TEST_F(PopupMovieExportingWidgetTest, AnErrorShowsTheErrorPageAndCloseDismisses)
{
    open(3);
    popup->setProgress(0.2f);
    const QString error = QStringLiteral("An error occurs when exporting the movie. (error code = -22)");
    popup->showExportSucceeded(error, QString());
    EXPECT_EQ(currentPage(), child<QWidget>("errorPage"));
    EXPECT_EQ(text("errorDetailLabel"), error);
    QSignalSpy dismissed(popup.data(), &CommonPopup::dismissed);
    child<QPushButton>("errorCloseButton")->click();
    EXPECT_EQ(dismissed.count(), 1);
}

TEST_F(PopupMovieExportingWidgetTest, TheDonePageDescribesTheWrittenMovie)
{
    const QString movie = TestMedia::path(QStringLiteral("clip_h264_aac.mp4"));
    ASSERT_TRUE(QFileInfo::exists(movie));
    open(3);
    popup->setProgress(0.99f);
    popup->showExportSucceeded(QString(), movie);
    EXPECT_EQ(currentPage(), child<QWidget>("computerDonePage"));
    const qint64 bytes = QFileInfo(movie).size();
    ASSERT_GE(bytes, 1024);
    EXPECT_TRUE(text("doneFileSizeValueLabel").startsWith(QLocale().toString(bytes) + QStringLiteral(" bytes (")));
    EXPECT_EQ(text("doneFileNameValueLabel"), movie);
    EXPECT_EQ(text("doneVideoValueLabel"), QStringLiteral("H.264, 1280 x 720"));
    EXPECT_TRUE(text("doneAudioValueLabel").contains(QStringLiteral("48000 Hz")));
    EXPECT_EQ(text("doneDurationValueLabel"), QStringLiteral("00:02"));
}

TEST_F(PopupMovieExportingWidgetTest, SizesAndUnreadableFilesOnTheDonePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto writeBytes = [&dir](const QString& name, qint64 count) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(int(count), 'x'));
        return file.fileName();
    };
    open(3);
    popup->showExportSucceeded(QString(), writeBytes(QStringLiteral("small.mp4"), 1023));
    EXPECT_EQ(text("doneFileSizeValueLabel"), QStringLiteral("1,023 bytes"));
    EXPECT_EQ(text("doneVideoValueLabel"), QStringLiteral("H.264"));
    EXPECT_EQ(text("doneAudioValueLabel"), QStringLiteral("None"));
    EXPECT_EQ(text("doneDurationValueLabel"), QStringLiteral("00:00"));
    popup->showExportSucceeded(QString(), writeBytes(QStringLiteral("large.mp4"), 1048576));
    EXPECT_EQ(text("doneFileSizeValueLabel"), QStringLiteral("1,048,576 bytes (1.0 MB)"));
    QSignalSpy dismissed(popup.data(), &CommonPopup::dismissed);
    child<QPushButton>("computerDoneButton")->click();
    EXPECT_EQ(dismissed.count(), 1);
}
