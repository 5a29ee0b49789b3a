#pragma once

#include <QCamera>
#include <QCameraImageCapture>
#include <QMediaRecorder>
#include <QObject>
#include <QString>
#include <QStringList>

class QVideoWidget;

// What the camera dialog needs of a camera: the devices, one open camera with
// its still-image capture and its recorder, and their notifications. Cameras
// are named by their device names. The dialog decides everything else, so the
// same decisions run over Qt Multimedia in the product and over a scripted
// session in the tests.
class CameraSession : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~CameraSession() override;

    virtual QStringList cameraNames() const = 0;
    // Empty when the system names no default camera.
    virtual QString defaultCameraName() const = 0;
    virtual QString cameraDescription(const QString& name) const = 0;

    // Opens the camera `name` (switching off the one open), showing its
    // picture in `viewfinder`; it starts with `startCamera`.
    virtual void openCamera(const QString& name, QVideoWidget* viewfinder) = 0;
    // Stops and releases the camera with its image capture and recorder.
    virtual void closeCamera() = 0;
    virtual bool hasCamera() const = 0;
    virtual void startCamera() = 0;
    virtual QCamera::State cameraState() const = 0;

    virtual bool isCaptureModeSupported(QCamera::CaptureMode mode) const = 0;
    virtual void setCaptureMode(QCamera::CaptureMode mode) = 0;
    virtual QCamera::CaptureModes captureMode() const = 0;

    // Creates the image capture of the open camera unless it exists.
    virtual void ensureImageCapture() = 0;
    virtual void capturePhoto(const QString& filePath) = 0;
    virtual void cancelPhoto() = 0;

    // Creates the recorder of the open camera unless it exists.
    virtual void ensureRecorder() = 0;
    virtual QMediaRecorder::State recorderState() const = 0;
    virtual void startRecording(const QString& filePath) = 0;
    virtual void stopRecording() = 0;
    // Where the recorder really wrote: it may differ from the path asked for.
    virtual QString recordedFilePath() const = 0;

signals:
    void cameraStateChanged(QCamera::State state);
    void cameraError(const QString& errorString);
    void readyForCaptureChanged(bool ready);
    void imageSaved(int id, const QString& fileName);
    void imageCaptureError(int id, QCameraImageCapture::Error error, const QString& errorString);
    void recorderStateChanged(QMediaRecorder::State state);
    void recorderDurationChanged(qint64 duration);
    void recorderError(const QString& errorString);
};
