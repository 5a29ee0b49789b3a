#include "QtCameraSession.h"

#include <QCameraInfo>
#include <QUrl>
#include <QVideoWidget>

QtCameraSession::QtCameraSession(QObject* parent) : CameraSession(parent)
{
}

QtCameraSession::~QtCameraSession()
{
    // The capture and the recorder hold the camera: they go first.
    delete _imageCapture;
    if (_recorder)
        _recorder->stop();
    delete _recorder;
    delete _camera;
}

QStringList QtCameraSession::cameraNames() const
{
    QStringList names;
    for (const QCameraInfo& info : QCameraInfo::availableCameras())
        names << info.deviceName();
    return names;
}

QString QtCameraSession::defaultCameraName() const
{
    return QCameraInfo::defaultCamera().deviceName();
}

QString QtCameraSession::cameraDescription(const QString& name) const
{
    return QCameraInfo(name.toUtf8()).description();
}

void QtCameraSession::openCamera(const QString& name, QVideoWidget* viewfinder)
{
    closeCamera();
    _camera = new QCamera(QCameraInfo(name.toUtf8()), this);
    connect(_camera, &QCamera::stateChanged, this, &CameraSession::cameraStateChanged);
    connect(_camera, &QCamera::errorOccurred, this, [this] { emit cameraError(_camera->errorString()); });
    _camera->setViewfinder(viewfinder);
}

void QtCameraSession::closeCamera()
{
    if (_recorder)
        _recorder->stop();
    if (_camera) {
        _camera->stop();
        _camera->unload();
        _camera->setViewfinder(static_cast<QVideoWidget*>(nullptr));
    }
    _discard(_imageCapture);
    _discard(_recorder);
    _discard(_camera);
}

template <typename MediaObject>
void QtCameraSession::_discard(MediaObject*& object)
{
    if (!object)
        return;
    // The dialog closes the camera from the capture's own notifications, so
    // the objects go once those have returned, silent from now on, in the
    // order discarded (the camera last) whatever happens to the session.
    disconnect(object, nullptr, this, nullptr);
    object->setParent(nullptr);
    object->deleteLater();
    object = nullptr;
}

bool QtCameraSession::hasCamera() const
{
    return _camera;
}

void QtCameraSession::startCamera()
{
    _camera->start();
}

QCamera::State QtCameraSession::cameraState() const
{
    return _camera ? _camera->state() : QCamera::UnloadedState;
}

bool QtCameraSession::isCaptureModeSupported(QCamera::CaptureMode mode) const
{
    return _camera && _camera->isCaptureModeSupported(mode);
}

void QtCameraSession::setCaptureMode(QCamera::CaptureMode mode)
{
    _camera->setCaptureMode(mode);
}

QCamera::CaptureModes QtCameraSession::captureMode() const
{
    return _camera ? _camera->captureMode() : QCamera::CaptureModes();
}

void QtCameraSession::ensureImageCapture()
{
    if (_imageCapture)
        return;
    _imageCapture = new QCameraImageCapture(_camera, this);
    connect(_imageCapture, &QCameraImageCapture::readyForCaptureChanged, this, &CameraSession::readyForCaptureChanged);
    connect(_imageCapture, &QCameraImageCapture::imageSaved, this, &CameraSession::imageSaved);
    connect(_imageCapture, QOverload<int, QCameraImageCapture::Error, const QString&>::of(&QCameraImageCapture::error),
            this, &CameraSession::imageCaptureError);
}

void QtCameraSession::capturePhoto(const QString& filePath)
{
    _imageCapture->capture(filePath);
}

void QtCameraSession::cancelPhoto()
{
    if (_imageCapture)
        _imageCapture->cancelCapture();
}

void QtCameraSession::ensureRecorder()
{
    if (_recorder)
        return;
    _recorder = new QMediaRecorder(_camera, this);
    connect(_recorder, &QMediaRecorder::stateChanged, this, &CameraSession::recorderStateChanged);
    connect(_recorder, &QMediaRecorder::durationChanged, this, &CameraSession::recorderDurationChanged);
    connect(_recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), this,
            [this] { emit recorderError(_recorder->errorString()); });
}

QMediaRecorder::State QtCameraSession::recorderState() const
{
    return _recorder ? _recorder->state() : QMediaRecorder::StoppedState;
}

void QtCameraSession::startRecording(const QString& filePath)
{
    _recorder->setOutputLocation(QUrl::fromLocalFile(filePath));
    _recorder->record();
}

void QtCameraSession::stopRecording()
{
    if (_recorder)
        _recorder->stop();
}

QString QtCameraSession::recordedFilePath() const
{
    return _recorder ? _recorder->actualLocation().toLocalFile() : QString();
}
