#include "CameraDialog.h"
#include "ui_CameraDialog.h"

#include "QtCameraSession.h"
#include "SegmentedControl.h"
#include "Util.h"

#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kDeviceSetupDelayMs = 500;
constexpr int kReviewDelayMs = 200;
// Closing waits this long for the recorder to finish its file; a back end
// that never reports the stop must not hang the window.
constexpr int kRecorderStopWaitMs = 5000;
const char* const kVideoIcon = ":/images/camera_video";
const char* const kStillImageIcon = ":/images/camera_still_image";
const char* const kStopIcon = ":/images/camera_stop";
const char* const kPlayIcon = ":/images/camera_play";
const char* const kPauseIcon = ":/images/camera_pause";
const char* const kNoCameraPicture = ":/images/camera_no_video";

const char* const kLooks = R"(
QDialog#CameraDialog { background-color: rgb(31,32,35); }
QLabel { color: white; }
QLabel:disabled { color: rgb(128,128,128); }
QToolTip { color: white; background-color: rgb(54,200,255); border: none; padding: 2px; border-radius: 3px; }
QPushButton#cameraButton { color: white; background-color: transparent; border: none; }
QPushButton#triangleButton, QPushButton#playPauseButton { background-color: transparent; border: none; }
QPushButton#cancelButton, QPushButton#retakeButton, QPushButton#useButton {
    color: white; background-color: transparent; border: none; padding: 0px 12px; }
QPushButton#cancelButton:hover, QPushButton#retakeButton:hover, QPushButton#useButton:hover {
    background-color: rgb(44,46,50); border-radius: 5px; }
QPushButton#cancelButton:pressed, QPushButton#retakeButton:pressed, QPushButton#useButton:pressed {
    background-color: black; border-radius: 5px; }
QPushButton#captureButton { background-color: rgb(230,40,40); border: none; border-radius: 32px; }
QPushButton#captureButton:pressed { background-color: rgb(140,20,20); }
QPushButton#captureButton:disabled { background-color: rgb(110,110,110); }
QWidget#playerWidget { background-color: black; }
QSlider#playerSlider::groove:horizontal { background: transparent; height: 5px; }
QSlider#playerSlider::sub-page:horizontal, QSlider#playerSlider::add-page:horizontal { background: #2A2929; }
QSlider#playerSlider::handle:horizontal { background: white; width: 17px; margin: -6px 0px; border-radius: 8px; }
)";

} // namespace

CameraDialog::CameraDialog(int captureType, QWidget* parent)
    : CameraDialog(captureType, new QtCameraSession, parent)
{
}

CameraDialog::CameraDialog(int captureType, CameraSession* session, QWidget* parent)
    : QDialog(parent), _ui(new Ui::CameraDialog), _session(session), _captureType(captureType),
      _reviewTimer(new QTimer(this))
{
    _session->setParent(this);
    _ui->setupUi(this);
    _applyLooks();
    _setupCaptureTypes();
    _connectControls();
    _connectSession();
    _reviewTimer->setSingleShot(true);
    _reviewTimer->setInterval(kReviewDelayMs);
    connect(_reviewTimer, &QTimer::timeout, this, &CameraDialog::_reviewRecording);

    setCursor(Qt::WaitCursor);
    _ui->stackedWidget->setCurrentWidget(_ui->initPage);
    _ui->controlPanel->setCurrentWidget(_ui->defaultPage);
    _ui->controlPanel->hide();
    _ui->topPanel->hide();
    _ui->timeLabel->hide();
    QTimer::singleShot(kDeviceSetupDelayMs, this, &CameraDialog::_setupDevices);
}

CameraDialog::~CameraDialog()
{
    // The camera draws into the viewfinder: it goes before the widgets.
    delete _session;
    delete _ui;
}

void CameraDialog::_applyLooks()
{
    setStyleSheet(kLooks);
    QFont font = _ui->cameraButton->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    _ui->cameraButton->setFont(font);
}

void CameraDialog::_setupCaptureTypes()
{
    SegmentedControl* types = _ui->captureTypesSegmentedWidget;
    types->setSegments({tr("Capture video"), tr("Capture still image")});
    types->setSegmentIcons(0, QPixmap(kVideoIcon), QPixmap(":/images/camera_video_2"));
    types->setSegmentIcons(1, QPixmap(kStillImageIcon), QPixmap(":/images/camera_still_image_2"));
    types->setBackgroundColor(QColor(44, 46, 50));
    types->setBorderColor(QColor(54, 200, 255));
    types->setSelectedIndex(_captureType);
    _refreshCaptureType();
}

void CameraDialog::_connectControls()
{
    connect(_ui->cameraButton, &QPushButton::clicked, this, &CameraDialog::cameraButtonOnClick);
    connect(_ui->triangleButton, &QPushButton::clicked, this, &CameraDialog::cameraButtonOnClick);
    connect(_ui->captureTypesSegmentedWidget, &SegmentedControl::segmentIndexChanged, this,
            &CameraDialog::captureTypeSegmentedControlOnSegmentIndexChanged);
    connect(_ui->cancelButton, &QPushButton::clicked, this, &CameraDialog::cancelButtonOnClick);
    connect(_ui->captureButton, &QPushButton::clicked, this, &CameraDialog::captureButtonOnClick);
    connect(_ui->retakeButton, &QPushButton::clicked, this, &CameraDialog::retakeButtonOnClick);
    connect(_ui->useButton, &QPushButton::clicked, this, &CameraDialog::useButtonOnClick);
    connect(_ui->playPauseButton, &QPushButton::clicked, this, &CameraDialog::playPause);
    connect(_ui->playerSlider, &QSlider::sliderPressed, this, &CameraDialog::playerSliderPressed);
    connect(_ui->playerSlider, &QSlider::sliderMoved, this, &CameraDialog::playerSliderMoved);
    connect(_ui->playerSlider, &QSlider::sliderReleased, this, &CameraDialog::playerSliderReleased);
}

void CameraDialog::_connectSession()
{
    connect(_session, &CameraSession::cameraStateChanged, this, &CameraDialog::updateCameraState);
    connect(_session, &CameraSession::cameraError, this, &CameraDialog::displayCameraError);
    connect(_session, &CameraSession::readyForCaptureChanged, this, &CameraDialog::readyForCapture);
    connect(_session, &CameraSession::imageSaved, this, &CameraDialog::imageSaved);
    connect(_session, &CameraSession::imageCaptureError, this, &CameraDialog::displayCaptureError);
    connect(_session, &CameraSession::recorderStateChanged, this, &CameraDialog::updateRecorderState);
    connect(_session, &CameraSession::recorderDurationChanged, this, &CameraDialog::updateRecordTime);
    connect(_session, &CameraSession::recorderError, this, &CameraDialog::displayRecorderError);
}

void CameraDialog::setBusy(bool busy)
{
    _captureTypeLocked = busy;
    _ui->captureTypesSegmentedWidget->setEnabled(!busy);
}

void CameraDialog::_setupDevices()
{
    const QStringList names = _session->cameraNames();
    const QString defaultName = _session->defaultCameraName();
    // A system may list cameras without naming a default one: the first serves.
    const QString first = names.contains(defaultName) ? defaultName : names.value(0);
    _buildDeviceMenu(names, first);
    _ui->topPanel->show();
    if (names.isEmpty()) {
        _ui->openingLabel->setText(QString());
        _ui->openingLabel->setPixmap(QPixmap(kNoCameraPicture));
    } else {
        _ui->stackedWidget->setCurrentWidget(_ui->viewFinderPage);
        _ui->controlPanel->show();
        _setCamera(first);
    }
    unsetCursor();
}

void CameraDialog::_buildDeviceMenu(const QStringList& names, const QString& checkedName)
{
    _deviceMenu = new QMenu(this);
    _deviceMenu->setWindowFlags(_deviceMenu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    _deviceMenu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(_deviceMenu);
    auto* group = new QActionGroup(_deviceMenu);
    group->setExclusive(true);
    for (const QString& name : names) {
        QAction* action = _deviceMenu->addAction(_session->cameraDescription(name));
        action->setCheckable(true);
        action->setData(name);
        action->setChecked(name == checkedName);
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, &CameraDialog::updateCameraDevice);
}

void CameraDialog::cameraButtonOnClick()
{
    if (!_deviceMenu || _deviceMenu->actions().isEmpty() || _capturingPhoto || _recording
        || _ui->stackedWidget->currentWidget() != _ui->viewFinderPage)
        return;
    _deviceMenu->exec(_ui->cameraButton->mapToGlobal(_ui->cameraButton->rect().center()));
}

void CameraDialog::updateCameraDevice(QAction* action)
{
    _setCamera(action->data().toString());
}

void CameraDialog::_setCamera(const QString& name)
{
    _session->closeCamera();
    if (name.isEmpty())
        return;
    _session->openCamera(name, _ui->viewFinder);
    updateCameraState(_session->cameraState());
    _ui->cameraButton->setText(_session->cameraDescription(name));
    _configureCaptureMode();
    _session->startCamera();
    _currentCameraName = name;
}

void CameraDialog::_configureCaptureMode()
{
    const QCamera::CaptureMode mode = _captureType == 1 ? QCamera::CaptureStillImage : QCamera::CaptureVideo;
    _captureModeAvailable = _session->isCaptureModeSupported(mode);
    if (_captureModeAvailable)
        _session->setCaptureMode(mode);
    if (_session->captureMode() == QCamera::CaptureVideo) {
        _session->ensureRecorder();
        updateCameraState(_session->cameraState());
        updateRecorderState(_session->recorderState());
    } else if (_session->captureMode() == QCamera::CaptureStillImage) {
        _ui->captureButton->setEnabled(_captureModeAvailable);
        _session->ensureImageCapture();
    }
}

void CameraDialog::captureTypeSegmentedControlOnSegmentIndexChanged(SegmentedControl*, int index)
{
    _captureType = index;
    _refreshCaptureType();
    if (_session->hasCamera())
        _configureCaptureMode();
}

void CameraDialog::_refreshCaptureType()
{
    SegmentedControl* types = _ui->captureTypesSegmentedWidget;
    types->setToolTip(tr("Toggle Capture Type\nCurrent: %1").arg(types->segmentTitle(_captureType)));
    _ui->captureButton->setIcon(QIcon(_captureType == 1 ? kStillImageIcon : kVideoIcon));
}

void CameraDialog::updateCameraState(QCamera::State state)
{
    _ui->captureButton->setEnabled(state == QCamera::ActiveState && _captureModeAvailable);
}

void CameraDialog::readyForCapture(bool ready)
{
    if (_session->captureMode() == QCamera::CaptureStillImage)
        _ui->captureButton->setEnabled(ready && _captureModeAvailable);
}

void CameraDialog::captureButtonOnClick()
{
    const QCamera::CaptureModes mode = _session->captureMode();
    if (mode == QCamera::CaptureStillImage)
        _capturePhoto();
    else if (mode == QCamera::CaptureVideo)
        _toggleRecording();
}

QString CameraDialog::_captureFilePath(const QString& suffix) const
{
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QDir::separator()
         + QString("%1.%2").arg(QDateTime::currentMSecsSinceEpoch()).arg(suffix);
}

void CameraDialog::_capturePhoto()
{
    if (_capturingPhoto)
        return;
    _capturingPhoto = true;
    emit cameraDialogShouldCapturePhoto(this);
    _session->capturePhoto(_captureFilePath("jpg"));
}

void CameraDialog::_toggleRecording()
{
    if (_session->recorderState() == QMediaRecorder::RecordingState) {
        _session->stopRecording();
        return;
    }
    _recording = true;
    _recordingErrorShown = false;
    _ui->cancelButton->hide();
    _ui->captureTypesSegmentedWidget->setEnabled(false);
    _ui->timeLabel->setText("00:00");
    _ui->timeLabel->setFixedWidth(_ui->cancelButton->width());
    _ui->timeLabel->show();
    _session->startRecording(_captureFilePath("mp4"));
}

void CameraDialog::updateRecordTime(qint64 duration)
{
    const qint64 seconds = duration / 1000;
    if (seconds < 1)
        return;
    _ui->timeLabel->setText(QString::asprintf("%02lld:%02lld", seconds / 60, seconds % 60));
}

void CameraDialog::updateRecorderState(QMediaRecorder::State state)
{
    if (state == QMediaRecorder::RecordingState) {
        _ui->captureButton->setIcon(QIcon(kStopIcon));
        return;
    }
    _ui->captureButton->setIcon(QIcon(kVideoIcon));
    if (state != QMediaRecorder::StoppedState || !_recording || _reviewTimer->isActive())
        return;
    _recordedFilePath = _session->recordedFilePath();
    // Until the review replaces the viewfinder, a click would start another recording.
    _ui->captureButton->setEnabled(false);
    _reviewTimer->start();
}

void CameraDialog::_reviewRecording()
{
    _recording = false;
    const QFileInfo file(_recordedFilePath);
    if (!file.isFile() || file.size() == 0) {
        _resumeAfterLostRecording();
        return;
    }
    _restoreRecordingControls();
    _capturedFilePath = _recordedFilePath;
    _player = new QMediaPlayer(this);
    connect(_player, &QMediaPlayer::stateChanged, this, &CameraDialog::playerStateChanged);
    connect(_player, &QMediaPlayer::positionChanged, this, &CameraDialog::playerPositionChanged);
    _player->setMedia(QUrl::fromLocalFile(_capturedFilePath));
    _player->setVideoOutput(_ui->videoWidget);
    _player->play();
    _ui->stackedWidget->setCurrentWidget(_ui->videoPreviewPage);
    _ui->controlPanel->setCurrentWidget(_ui->previewPage);
    _ui->playPauseButton->show();
    _setCamera(QString());
}

void CameraDialog::_restoreRecordingControls()
{
    _ui->cancelButton->show();
    _ui->captureTypesSegmentedWidget->setEnabled(!_captureTypeLocked);
    _ui->timeLabel->hide();
    updateCameraState(_session->cameraState());
}

// The recorder stopped without leaving a file: there is nothing to review or
// hand over, so the viewfinder stays and the user may record again.
void CameraDialog::_resumeAfterLostRecording()
{
    _restoreRecordingControls();
    if (!_recordingErrorShown)
        _showError(tr("Capture Error"), tr("The recording was not saved."));
}

void CameraDialog::imageSaved(int, const QString& fileName)
{
    const QPixmap picture(fileName);
    _ui->imagePreviewLabel->setPixmap(
        picture.scaled(_ui->viewFinder->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    _ui->stackedWidget->setCurrentWidget(_ui->imagePreviewPage);
    _ui->controlPanel->setCurrentWidget(_ui->previewPage);
    _ui->playPauseButton->hide();
    _setCamera(QString());
    _capturingPhoto = false;
    _capturedFilePath = fileName;
}

void CameraDialog::retakeButtonOnClick()
{
    _ui->imagePreviewLabel->clear();
    _releasePlayer();
    _setCamera(_currentCameraName);
    _ui->stackedWidget->setCurrentWidget(_ui->viewFinderPage);
    _ui->controlPanel->setCurrentWidget(_ui->defaultPage);
}

void CameraDialog::cancelButtonOnClick()
{
    reject();
}

void CameraDialog::useButtonOnClick()
{
    accept();
}

void CameraDialog::playPause()
{
    if (!_player)
        return;
    if (_player->state() == QMediaPlayer::PlayingState)
        _player->pause();
    else
        _player->play();
}

void CameraDialog::playerStateChanged(QMediaPlayer::State state)
{
    _ui->playPauseButton->setIcon(QIcon(state == QMediaPlayer::PlayingState ? kPauseIcon : kPlayIcon));
}

void CameraDialog::playerPositionChanged(qlonglong position)
{
    const qint64 duration = _player->duration();
    if (duration >= 1 && !_playerSliderDown)
        _ui->playerSlider->setValue(int(position * 100 / duration));
}

void CameraDialog::playerSliderPressed()
{
    if (_player)
        _player->pause();
    _playerSliderDown = true;
}

void CameraDialog::playerSliderReleased()
{
    _playerSliderDown = false;
}

void CameraDialog::playerSliderMoved(int value)
{
    if (_player)
        _player->setPosition(_player->duration() * value / 100);
}

void CameraDialog::displayCameraError(const QString& errorString)
{
    _showError(tr("Camera Error"), errorString);
}

void CameraDialog::displayCaptureError(int, QCameraImageCapture::Error, const QString& errorString)
{
    _capturingPhoto = false;
    _showError(tr("Image Capture Error"), errorString);
}

void CameraDialog::displayRecorderError(const QString& errorString)
{
    if (_recording) {
        _recordingErrorShown = true;
        // A recording that failed to start reports no stop: nothing else
        // would give the user the controls back.
        if (_session->recorderState() == QMediaRecorder::StoppedState && !_reviewTimer->isActive()) {
            _recording = false;
            _restoreRecordingControls();
        }
    }
    _showError(tr("Capture Error"), errorString);
}

void CameraDialog::_showError(const QString& title, const QString& text)
{
    // Most errors come inside the camera back end's dispatch.
    Util::showMessageBoxLater(this, title, text, QMessageBox::Warning);
}

void CameraDialog::reject()
{
    _stopCaptureForClosing();
    QDialog::reject();
}

void CameraDialog::_stopCaptureForClosing()
{
    _reviewTimer->stop();
    if (_capturingPhoto) {
        setEnabled(false);
        _session->cancelPhoto();
        _capturingPhoto = false;
    } else if (_recording) {
        setEnabled(false);
        // Cleared first, so the stop schedules no review.
        _recording = false;
        _session->stopRecording();
        _waitForRecorderToStop();
    }
    _releasePlayer();
}

void CameraDialog::_waitForRecorderToStop()
{
    if (_session->recorderState() == QMediaRecorder::StoppedState)
        return;
    QEventLoop loop;
    connect(_session, &CameraSession::recorderStateChanged, &loop, [&loop](QMediaRecorder::State state) {
        if (state == QMediaRecorder::StoppedState)
            loop.quit();
    });
    QTimer::singleShot(kRecorderStopWaitMs, &loop, &QEventLoop::quit);
    qDebug() << "Wait media recorder to stop...";
    loop.exec();
    if (_session->recorderState() != QMediaRecorder::StoppedState)
        qDebug() << "The media recorder did not stop in time; closing without its file";
}

void CameraDialog::_releasePlayer()
{
    if (!_player)
        return;
    _player->stop();
    delete _player;
    _player = nullptr;
}
