// The camera dialog: the real back end on a machine without a camera, and the
// whole capture road (photo, recording, review, closing) over a scripted
// camera session that writes real files.
#include "CameraDialog.h"
#include "FakeCameraSession.h"
#include "ModalDialogAnswerer.h"
#include "QtCameraSession.h"
#include "SegmentedControl.h"
#include "TestMedia.h"

#include <QApplication>
#include <QCameraInfo>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVideoWidget>

#include <gtest/gtest.h>

namespace {

template <typename Widget = QWidget>
Widget* part(QWidget* dialog, const char* name)
{
    return dialog->findChild<Widget*>(name);
}

QString currentPage(QWidget* dialog, const char* stack)
{
    return part<QStackedWidget>(dialog, stack)->currentWidget()->objectName();
}

void keepScreenshot(QWidget* dialog, const QString& name)
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    EXPECT_TRUE(dialog->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/camera-" + name + ".png"));
}

void click(QWidget* dialog, const char* button)
{
    QTest::mouseClick(part(dialog, button), Qt::LeftButton);
}

// Picks action `index` of the next popup menu that opens while it lives,
// polling for a bounded time; opened() tells whether one came.
class MenuAnswerer
{
public:
    explicit MenuAnswerer(int index)
    {
        QObject::connect(&_poll, &QTimer::timeout, [this, index] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu) {
                _opened = true;
                menu->actions().at(index)->trigger();
                menu->close();
            }
            if (menu || --_pollsLeft == 0)
                _poll.stop();
        });
        _poll.start(20);
    }
    bool opened() const { return _opened; }

private:
    QTimer _poll;
    int _pollsLeft = 100;
    bool _opened = false;
};

// Answers the next message box, keeping its title and text.
struct MessageReader {
    explicit MessageReader(int timeLimitMs = 20000)
        : answerer([this](QWidget* box) {
              title = box->windowTitle();
              text = qobject_cast<QMessageBox*>(box)->text();
              box->close();
          }, timeLimitMs)
    {
    }
    bool waitForIt() const
    {
        return QTest::qWaitFor([this] { return answerer.answered(); }, 15000);
    }
    QString title;
    QString text;
    ModalDialogAnswerer answerer;
};

// A shown dialog over a fake session with two cameras, the second the default.
struct CameraFixture {
    explicit CameraFixture(int captureType,
                           QCamera::CaptureModes modes = QCamera::CaptureModes(QCamera::CaptureVideo)
                                                         | QCamera::CaptureStillImage)
    {
        // Captures land in the temporary location.
        qputenv("TMPDIR", folder.path().toLocal8Bit());
        session = new FakeCameraSession({{"/dev/video0", "Front Camera"}, {"/dev/video1", "Desk Camera"}},
                                        "/dev/video1", TestMedia::path("clip_h264_aac.mp4"));
        session->supportedModes = modes;
        dialog = new CameraDialog(captureType, session);
        dialog->show();
    }
    ~CameraFixture()
    {
        delete dialog;
        qputenv("TMPDIR", oldTemporaryFolder);
    }
    bool waitForCamera() const
    {
        return QTest::qWaitFor([this] { return part(dialog, "captureButton")->isEnabled(); }, 15000);
    }
    bool record()
    {
        click(dialog, "captureButton");
        return QTest::qWaitFor([this] { return session->recorderState() == QMediaRecorder::RecordingState; }, 5000);
    }
    bool waitForPage(const char* name) const
    {
        return QTest::qWaitFor([&] { return currentPage(dialog, "stackedWidget") == name; }, 15000);
    }

    QByteArray oldTemporaryFolder = qgetenv("TMPDIR");
    QTemporaryDir folder;
    FakeCameraSession* session;
    CameraDialog* dialog;
};

} // namespace

TEST(CameraDialogRealBackEnd, WithoutCameraShowsTheNoCameraPicture)
{
    if (!QCameraInfo::availableCameras().isEmpty())
        GTEST_SKIP() << "this machine has a camera";
    CameraDialog dialog(0);
    dialog.show();
    auto* label = part<QLabel>(&dialog, "openingLabel");
    EXPECT_EQ(label->text(), "Opening camera...");
    EXPECT_EQ(dialog.cursor().shape(), Qt::WaitCursor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !label->pixmap(Qt::ReturnByValue).isNull(); }, 15000));
    EXPECT_EQ(part<QPushButton>(&dialog, "cameraButton")->text(), "No camera");
    EXPECT_FALSE(part(&dialog, "controlPanel")->isVisible());
    EXPECT_TRUE(part(&dialog, "topPanel")->isVisible());
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_EQ(label->pixmap(Qt::ReturnByValue).toImage(), QPixmap(":/images/camera_no_video").toImage());
    EXPECT_EQ(dialog.cursor().shape(), Qt::ArrowCursor);
    keepScreenshot(&dialog, "no-camera");
    // No camera, no menu.
    MenuAnswerer menu(0);
    click(&dialog, "cameraButton");
    QTest::qWait(100);
    EXPECT_FALSE(menu.opened());
}

TEST(CameraDialogRealBackEnd, CameraThatIsGoneReportsAnErrorAndNoCapture)
{
    QtCameraSession session;
    QVideoWidget viewfinder;
    QSignalSpy errors(&session, &CameraSession::cameraError);
    session.openCamera("/dev/vidorna-no-such-camera", &viewfinder);
    session.ensureRecorder();
    session.startCamera();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.isEmpty(); }, 15000));
    EXPECT_FALSE(errors[0][0].toString().isEmpty());
    EXPECT_FALSE(session.isCaptureModeSupported(QCamera::CaptureVideo));
    EXPECT_FALSE(session.isCaptureModeSupported(QCamera::CaptureStillImage));
    EXPECT_NE(session.cameraState(), QCamera::ActiveState);
    EXPECT_EQ(session.recorderState(), QMediaRecorder::StoppedState);
    session.closeCamera();
    EXPECT_FALSE(session.hasCamera());
    EXPECT_TRUE(session.recordedFilePath().isEmpty());
}

TEST(CameraDialog, PhotoIsSavedReviewedAndHandedOver)
{
    CameraFixture fixture(1);
    ASSERT_TRUE(fixture.waitForCamera());
    EXPECT_EQ(fixture.session->openCameraName, "/dev/video1");
    EXPECT_EQ(part<QPushButton>(fixture.dialog, "cameraButton")->text(), "Desk Camera");
    EXPECT_EQ(part(fixture.dialog, "captureTypesSegmentedWidget")->toolTip(),
              "Toggle Capture Type\nCurrent: Capture still image");
    keepScreenshot(fixture.dialog, "viewfinder");
    QSignalSpy shutter(fixture.dialog, &CameraDialog::cameraDialogShouldCapturePhoto);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    click(fixture.dialog, "captureButton");
    // A second press while the photo is being taken takes no second one.
    fixture.dialog->captureButtonOnClick();
    ASSERT_TRUE(fixture.waitForPage("imagePreviewPage"));
    ASSERT_EQ(shutter.size(), 1);
    EXPECT_EQ(shutter[0][0].value<CameraDialog*>(), fixture.dialog);
    ASSERT_EQ(fixture.session->photoRequests.size(), 1);

    const QFileInfo photo(fixture.session->photoRequests[0]);
    EXPECT_EQ(photo.absolutePath(), QDir(fixture.folder.path()).absolutePath());
    EXPECT_EQ(photo.suffix(), "jpg");
    const qint64 stamp = photo.completeBaseName().toLongLong();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, QDateTime::currentMSecsSinceEpoch());
    EXPECT_TRUE(photo.isFile());

    EXPECT_EQ(currentPage(fixture.dialog, "controlPanel"), "previewPage");
    EXPECT_FALSE(part(fixture.dialog, "playPauseButton")->isVisible());
    EXPECT_FALSE(fixture.session->hasCamera());
    const QImage shown = part<QLabel>(fixture.dialog, "imagePreviewLabel")->pixmap(Qt::ReturnByValue).toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_GT(qRed(shown.pixel(5, shown.height() / 2)), 200);
    EXPECT_GT(qBlue(shown.pixel(shown.width() - 5, shown.height() / 2)), 200);
    keepScreenshot(fixture.dialog, "photo-review");

    click(fixture.dialog, "useButton");
    EXPECT_EQ(fixture.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fixture.dialog->captureType(), 1);
    EXPECT_EQ(fixture.dialog->capturedFilePath(), photo.filePath());
}

TEST(CameraDialog, ChosenCameraIsTheOneRetakeSwitchesOnAgain)
{
    CameraFixture fixture(1);
    ASSERT_TRUE(fixture.waitForCamera());
    MenuAnswerer chooser(0);
    click(fixture.dialog, "triangleButton");
    ASSERT_TRUE(chooser.opened());
    EXPECT_EQ(fixture.session->openCameraName, "/dev/video0");
    EXPECT_EQ(part<QPushButton>(fixture.dialog, "cameraButton")->text(), "Front Camera");
    ASSERT_TRUE(fixture.waitForCamera());
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(fixture.waitForPage("imagePreviewPage"));
    const QString photo = fixture.dialog->capturedFilePath();

    // The review pages offer no camera menu.
    MenuAnswerer reviewMenu(1);
    click(fixture.dialog, "cameraButton");
    QTest::qWait(100);
    EXPECT_FALSE(reviewMenu.opened());

    click(fixture.dialog, "retakeButton");
    EXPECT_EQ(fixture.session->openedCameras, QStringList({"/dev/video1", "/dev/video0", "/dev/video0"}));
    EXPECT_EQ(currentPage(fixture.dialog, "stackedWidget"), "viewFinderPage");
    EXPECT_EQ(currentPage(fixture.dialog, "controlPanel"), "defaultPage");
    EXPECT_EQ(fixture.dialog->capturedFilePath(), photo);
}

TEST(CameraDialog, RecordingCountsTimeAndReviewsTheRecordedFile)
{
    CameraFixture fixture(0);
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    auto* time = part<QLabel>(fixture.dialog, "timeLabel");
    EXPECT_TRUE(time->isVisible());
    EXPECT_FALSE(part(fixture.dialog, "cancelButton")->isVisible());
    EXPECT_FALSE(part(fixture.dialog, "captureTypesSegmentedWidget")->isEnabled());
    EXPECT_EQ(time->text(), "00:00");
    fixture.session->reportDuration(999);
    EXPECT_EQ(time->text(), "00:00");
    fixture.session->reportDuration(75000);
    EXPECT_EQ(time->text(), "01:15");
    keepScreenshot(fixture.dialog, "recording");
    fixture.session->reportDuration(6000000);
    EXPECT_EQ(time->text(), "100:00");

    // No camera menu while recording.
    MenuAnswerer menu(0);
    click(fixture.dialog, "cameraButton");
    QTest::qWait(100);
    EXPECT_FALSE(menu.opened());

    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(fixture.waitForPage("videoPreviewPage"));
    const QString recorded = fixture.session->recordedFilePath();
    EXPECT_NE(recorded, fixture.session->recordingRequests.value(0));
    EXPECT_EQ(QFileInfo(fixture.session->recordingRequests.value(0)).absolutePath(),
              QDir(fixture.folder.path()).absolutePath());
    EXPECT_EQ(fixture.dialog->capturedFilePath(), recorded);
    EXPECT_EQ(currentPage(fixture.dialog, "controlPanel"), "previewPage");
    EXPECT_TRUE(part(fixture.dialog, "playPauseButton")->isVisible());
    EXPECT_FALSE(fixture.session->hasCamera());
    EXPECT_TRUE(part(fixture.dialog, "captureTypesSegmentedWidget")->isEnabled());

    // Holding the review slider pauses the clip, and letting go leaves it paused.
    auto* player = fixture.dialog->findChild<QMediaPlayer*>();
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->state() == QMediaPlayer::PlayingState; }, 5000));
    auto* slider = part<QSlider>(fixture.dialog, "playerSlider");
    slider->setSliderDown(true);
    slider->setSliderDown(false);
    QTest::qWait(100);
    EXPECT_EQ(player->state(), QMediaPlayer::PausedState);

    click(fixture.dialog, "useButton");
    EXPECT_EQ(fixture.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fixture.dialog->captureType(), 0);
}

TEST(CameraDialog, LockedCaptureTypeStaysLockedAfterTheReview)
{
    CameraFixture fixture(0);
    fixture.dialog->setBusy(true);
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(fixture.waitForPage("videoPreviewPage"));
    EXPECT_FALSE(part(fixture.dialog, "captureTypesSegmentedWidget")->isEnabled());
}

TEST(CameraDialog, RecordingThatLeftNoFileIsNotReviewed)
{
    CameraFixture fixture(0);
    fixture.session->stopBehaviour = FakeCameraSession::Stop::WritesNothing;
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    MessageReader message;
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(message.waitForIt());
    EXPECT_EQ(message.title, "Capture Error");
    EXPECT_EQ(message.text, "The recording was not saved.");
    EXPECT_EQ(currentPage(fixture.dialog, "stackedWidget"), "viewFinderPage");
    EXPECT_EQ(currentPage(fixture.dialog, "controlPanel"), "defaultPage");
    EXPECT_TRUE(fixture.dialog->capturedFilePath().isEmpty());
    EXPECT_TRUE(part(fixture.dialog, "cancelButton")->isVisible());
    EXPECT_FALSE(part(fixture.dialog, "timeLabel")->isVisible());
    // The user may record again.
    ASSERT_TRUE(fixture.waitForCamera());
    fixture.session->stopBehaviour = FakeCameraSession::Stop::WritesFile;
    ASSERT_TRUE(fixture.record());
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(fixture.waitForPage("videoPreviewPage"));
    EXPECT_TRUE(QFileInfo::exists(fixture.dialog->capturedFilePath()));
}

TEST(CameraDialog, RecorderErrorIsTheOnlyMessageForItsLostRecording)
{
    CameraFixture fixture(0);
    fixture.session->stopBehaviour = FakeCameraSession::Stop::WritesNothing;
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    MessageReader message;
    emit fixture.session->recorderError("Could not write the file");
    ASSERT_TRUE(message.waitForIt());
    EXPECT_EQ(message.title, "Capture Error");
    EXPECT_EQ(message.text, "Could not write the file");
    {
        // Gone before the camera message below, which a late answerer would take.
        MessageReader second(1000);
        click(fixture.dialog, "captureButton");
        QTest::qWait(1200);
        EXPECT_FALSE(second.answerer.answered());
    }
    EXPECT_EQ(currentPage(fixture.dialog, "stackedWidget"), "viewFinderPage");
    EXPECT_TRUE(fixture.dialog->capturedFilePath().isEmpty());

    MessageReader cameraMessage;
    emit fixture.session->cameraError("Camera unplugged");
    ASSERT_TRUE(cameraMessage.waitForIt());
    EXPECT_EQ(cameraMessage.title, "Camera Error");
    EXPECT_EQ(cameraMessage.text, "Camera unplugged");
}

TEST(CameraDialog, RecordingThatFailsToStartGivesTheControlsBack)
{
    CameraFixture fixture(0);
    fixture.session->startBehaviour = FakeCameraSession::Start::Fails;
    ASSERT_TRUE(fixture.waitForCamera());
    MessageReader message;
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(message.waitForIt());
    EXPECT_EQ(message.text, "The recording pipeline could not be built");
    EXPECT_TRUE(part(fixture.dialog, "cancelButton")->isVisible());
    EXPECT_FALSE(part(fixture.dialog, "timeLabel")->isVisible());
    EXPECT_TRUE(part(fixture.dialog, "captureTypesSegmentedWidget")->isEnabled());
    EXPECT_TRUE(part(fixture.dialog, "captureButton")->isEnabled());
    // The camera menu works again.
    MenuAnswerer menu(0);
    click(fixture.dialog, "cameraButton");
    EXPECT_TRUE(menu.opened());
}

TEST(CameraDialog, EscapeWhileRecordingStopsTheRecorderWithoutReview)
{
    CameraFixture fixture(0);
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    QTest::keyClick(fixture.dialog, Qt::Key_Escape);
    EXPECT_FALSE(fixture.dialog->isVisible());
    EXPECT_EQ(fixture.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(fixture.session->recorderState(), QMediaRecorder::StoppedState);
    QTest::qWait(400);
    EXPECT_EQ(currentPage(fixture.dialog, "stackedWidget"), "viewFinderPage");
    EXPECT_TRUE(fixture.dialog->capturedFilePath().isEmpty());
}

TEST(CameraDialog, ClosingGivesUpOnARecorderThatNeverStops)
{
    CameraFixture fixture(0);
    fixture.session->stopBehaviour = FakeCameraSession::Stop::Never;
    ASSERT_TRUE(fixture.waitForCamera());
    ASSERT_TRUE(fixture.record());
    // Far past the dialog's bound, the recorder gives in: had the dialog
    // waited for it unbounded, the close would end only here.
    bool watchdogFired = false;
    QTimer::singleShot(15000, fixture.session, [&] {
        watchdogFired = true;
        fixture.session->stopAtLast();
    });
    fixture.dialog->close();
    EXPECT_FALSE(watchdogFired);
    EXPECT_FALSE(fixture.dialog->isVisible());
    EXPECT_EQ(fixture.dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(fixture.dialog->capturedFilePath().isEmpty());
}

TEST(CameraDialog, ClosingDuringAPhotoCancelsIt)
{
    CameraFixture fixture(1);
    ASSERT_TRUE(fixture.waitForCamera());
    fixture.dialog->captureButtonOnClick();
    fixture.dialog->close();
    EXPECT_EQ(fixture.session->photosCancelled, 1);
    EXPECT_EQ(fixture.dialog->result(), QDialog::Rejected);
}

TEST(CameraDialog, CaptureTypeSwitchAndUnofferedMode)
{
    CameraFixture fixture(0, QCamera::CaptureVideo);
    ASSERT_TRUE(fixture.waitForCamera());
    auto* types = part<SegmentedControl>(fixture.dialog, "captureTypesSegmentedWidget");
    EXPECT_EQ(types->selectedIndex(), 0);
    QTest::mouseClick(types, Qt::LeftButton, {}, QPoint(types->width() * 3 / 4, types->height() / 2));
    EXPECT_EQ(fixture.dialog->captureType(), 1);
    EXPECT_EQ(types->toolTip(), "Toggle Capture Type\nCurrent: Capture still image");
    // This camera takes no still images: the capture button stays off.
    EXPECT_FALSE(part(fixture.dialog, "captureButton")->isEnabled());
    QTest::qWait(100);
    EXPECT_FALSE(part(fixture.dialog, "captureButton")->isEnabled());
    QTest::mouseClick(types, Qt::LeftButton, {}, QPoint(types->width() / 4, types->height() / 2));
    EXPECT_EQ(fixture.dialog->captureType(), 0);
    EXPECT_TRUE(part(fixture.dialog, "captureButton")->isEnabled());
}

TEST(CameraDialog, FailedPhotoIsReportedAndCanBeTakenAgain)
{
    CameraFixture fixture(1);
    fixture.session->photoError = "Device busy";
    ASSERT_TRUE(fixture.waitForCamera());
    QSignalSpy shutter(fixture.dialog, &CameraDialog::cameraDialogShouldCapturePhoto);
    MessageReader message;
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(message.waitForIt());
    EXPECT_EQ(message.title, "Image Capture Error");
    EXPECT_EQ(message.text, "Device busy");
    fixture.session->photoError.clear();
    ASSERT_TRUE(fixture.waitForCamera());
    click(fixture.dialog, "captureButton");
    ASSERT_TRUE(fixture.waitForPage("imagePreviewPage"));
    EXPECT_EQ(shutter.size(), 2);
    EXPECT_EQ(fixture.dialog->capturedFilePath(), fixture.session->photoRequests.value(1));
}
