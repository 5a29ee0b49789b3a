#pragma once

#include "CameraSession.h"

class QCamera;
class QCameraImageCapture;
class QMediaRecorder;

// The camera session over Qt Multimedia: the back end's own defaults for
// resolution, codec and container are kept.
class QtCameraSession : public CameraSession
{
    Q_OBJECT

public:
    explicit QtCameraSession(QObject* parent = nullptr);
    ~QtCameraSession() override;

    QStringList cameraNames() const override;
    QString defaultCameraName() const override;
    QString cameraDescription(const QString& name) const override;

    void openCamera(const QString& name, QVideoWidget* viewfinder) override;
    void closeCamera() override;
    bool hasCamera() const override;
    void startCamera() override;
    QCamera::State cameraState() const override;

    bool isCaptureModeSupported(QCamera::CaptureMode mode) const override;
    void setCaptureMode(QCamera::CaptureMode mode) override;
    QCamera::CaptureModes captureMode() const override;

    void ensureImageCapture() override;
    void capturePhoto(const QString& filePath) override;
    void cancelPhoto() override;

    void ensureRecorder() override;
    QMediaRecorder::State recorderState() const override;
    void startRecording(const QString& filePath) override;
    void stopRecording() override;
    QString recordedFilePath() const override;

private:
    template <typename MediaObject>
    void _discard(MediaObject*& object);

    QCamera* _camera = nullptr;
    QCameraImageCapture* _imageCapture = nullptr;
    QMediaRecorder* _recorder = nullptr;
};
