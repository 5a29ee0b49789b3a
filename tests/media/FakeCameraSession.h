#pragma once

#include "CameraSession.h"

#include <QList>
#include <QPair>

#include <functional>

// A camera session whose cameras, capture modes and recorder are scripted by
// the test: notifications arrive from the event loop, as a real back end
// sends them, and photos and recordings are real files.
class FakeCameraSession : public CameraSession
{
    Q_OBJECT

public:
    // What the recorder does when asked to stop.
    enum class Stop { WritesFile, WritesNothing, Never };
    // What the recorder does when asked to record.
    enum class Start { Records, Fails };

    // Cameras as (name, description); `clipPath` is the movie a recording leaves.
    FakeCameraSession(const QList<QPair<QString, QString>>& cameras, const QString& defaultName,
                      const QString& clipPath);

    QStringList cameraNames() const override;
    QString defaultCameraName() const override { return _defaultName; }
    QString cameraDescription(const QString& name) const override;

    void openCamera(const QString& name, QVideoWidget* viewfinder) override;
    void closeCamera() override;
    bool hasCamera() const override { return !openCameraName.isEmpty(); }
    void startCamera() override;
    QCamera::State cameraState() const override { return _state; }

    bool isCaptureModeSupported(QCamera::CaptureMode mode) const override;
    void setCaptureMode(QCamera::CaptureMode mode) override { _mode = mode; }
    QCamera::CaptureModes captureMode() const override { return _mode; }

    void ensureImageCapture() override;
    void capturePhoto(const QString& filePath) override;
    void cancelPhoto() override { ++photosCancelled; }

    void ensureRecorder() override { _hasRecorder = true; }
    QMediaRecorder::State recorderState() const override { return _recorderState; }
    void startRecording(const QString& filePath) override;
    void stopRecording() override;
    QString recordedFilePath() const override { return _recordedPath; }

    // Reports the recorded duration, as the recorder does while recording.
    void reportDuration(qint64 milliseconds) { emit recorderDurationChanged(milliseconds); }
    // Makes a recorder scripted never to stop report its stop after all.
    void stopAtLast();

    QCamera::CaptureModes supportedModes = QCamera::CaptureModes(QCamera::CaptureVideo) | QCamera::CaptureStillImage;
    Stop stopBehaviour = Stop::WritesFile;
    Start startBehaviour = Start::Records;
    // The photo is never saved: the capture reports this error instead.
    QString photoError;

    QString openCameraName;
    QStringList openedCameras;
    QStringList photoRequests;
    QStringList recordingRequests;
    int photosCancelled = 0;

private:
    // Runs `step` from the event loop unless the camera was closed meanwhile.
    void _later(const std::function<void()>& step);
    void _setState(QCamera::State state);
    void _setRecorderState(QMediaRecorder::State state);

    QList<QPair<QString, QString>> _cameras;
    QString _defaultName;
    QString _clipPath;
    int _generation = 0;
    QCamera::State _state = QCamera::UnloadedState;
    QCamera::CaptureModes _mode = QCamera::CaptureViewfinder;
    bool _hasImageCapture = false;
    bool _hasRecorder = false;
    QMediaRecorder::State _recorderState = QMediaRecorder::StoppedState;
    QString _recordedPath;
    int _photoId = 0;
};
