#include "FakeCameraSession.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>

FakeCameraSession::FakeCameraSession(const QList<QPair<QString, QString>>& cameras, const QString& defaultName,
                                     const QString& clipPath)
    : _cameras(cameras), _defaultName(defaultName), _clipPath(clipPath)
{
}

QStringList FakeCameraSession::cameraNames() const
{
    QStringList names;
    for (const auto& camera : _cameras)
        names << camera.first;
    return names;
}

QString FakeCameraSession::cameraDescription(const QString& name) const
{
    for (const auto& camera : _cameras)
        if (camera.first == name)
            return camera.second;
    return QString();
}

void FakeCameraSession::openCamera(const QString& name, QVideoWidget*)
{
    closeCamera();
    openCameraName = name;
    openedCameras << name;
}

void FakeCameraSession::closeCamera()
{
    ++_generation;
    openCameraName.clear();
    _state = QCamera::UnloadedState;
    _mode = QCamera::CaptureViewfinder;
    _hasImageCapture = false;
    _hasRecorder = false;
    _recorderState = QMediaRecorder::StoppedState;
}

void FakeCameraSession::startCamera()
{
    _later([this] { _setState(QCamera::LoadedState); });
    _later([this] {
        _setState(QCamera::ActiveState);
        if (_hasImageCapture)
            emit readyForCaptureChanged(true);
    });
}

bool FakeCameraSession::isCaptureModeSupported(QCamera::CaptureMode mode) const
{
    return supportedModes.testFlag(mode);
}

void FakeCameraSession::ensureImageCapture()
{
    _hasImageCapture = true;
    if (_state == QCamera::ActiveState)
        _later([this] { emit readyForCaptureChanged(true); });
}

void FakeCameraSession::capturePhoto(const QString& filePath)
{
    photoRequests << filePath;
    if (!_hasImageCapture)
        return;
    const int id = ++_photoId;
    emit readyForCaptureChanged(false);
    if (!photoError.isEmpty()) {
        _later([this, id] {
            emit imageCaptureError(id, QCameraImageCapture::ResourceError, photoError);
            emit readyForCaptureChanged(true);
        });
        return;
    }
    // Red on the left, blue on the right: the review shows which way round it is.
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, 160, 240, Qt::red);
    picture.save(filePath, "JPG");
    _later([this, id, filePath] { emit imageSaved(id, filePath); });
}

void FakeCameraSession::startRecording(const QString& filePath)
{
    recordingRequests << filePath;
    if (!_hasRecorder)
        return;
    // The back end picks the name it writes: not quite the one asked for.
    _recordedPath = filePath;
    _recordedPath.insert(_recordedPath.lastIndexOf('.'), "-1");
    if (startBehaviour == Start::Fails)
        _later([this] { emit recorderError("The recording pipeline could not be built"); });
    else
        _later([this] { _setRecorderState(QMediaRecorder::RecordingState); });
}

void FakeCameraSession::stopRecording()
{
    if (_recorderState != QMediaRecorder::RecordingState || stopBehaviour == Stop::Never)
        return;
    if (stopBehaviour == Stop::WritesFile)
        QFile::copy(_clipPath, _recordedPath);
    _later([this] { _setRecorderState(QMediaRecorder::StoppedState); });
}

void FakeCameraSession::stopAtLast()
{
    stopBehaviour = Stop::WritesNothing;
    stopRecording();
}

void FakeCameraSession::_later(const std::function<void()>& step)
{
    const int generation = _generation;
    QTimer::singleShot(0, this, [this, generation, step] {
        if (generation == _generation)
            step();
    });
}

void FakeCameraSession::_setState(QCamera::State state)
{
    _state = state;
    emit cameraStateChanged(state);
}

void FakeCameraSession::_setRecorderState(QMediaRecorder::State state)
{
    _recorderState = state;
    emit recorderStateChanged(state);
}
