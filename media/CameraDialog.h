#pragma once

#include <QCamera>
#include <QCameraImageCapture>
#include <QDialog>
#include <QMediaPlayer>
#include <QMediaRecorder>

class CameraSession;
class QAction;
class QMenu;
class QTimer;
class SegmentedControl;

namespace Ui {
class CameraDialog;
}

// Takes one photo or one video clip with a camera, lets the user review it
// and hands the file to the caller: accepted means capturedFilePath() holds
// a file that exists.
class CameraDialog : public QDialog
{
    Q_OBJECT

public:
    // captureType 0 records video, 1 takes still images.
    explicit CameraDialog(int captureType, QWidget* parent = nullptr);
    // Works over `session` in place of the system's cameras; the dialog
    // takes it over.
    CameraDialog(int captureType, CameraSession* session, QWidget* parent = nullptr);
    ~CameraDialog() override;

    // Locked, the user cannot switch between video and still images.
    void setBusy(bool busy);
    int captureType() const { return _captureType; }
    QString capturedFilePath() const { return _capturedFilePath; }

    // Every way out but Use (Cancel, Escape, the window's close button)
    // comes here: a capture under way is ended first, and the dialog ends
    // rejected.
    void reject() override;

signals:
    void cameraDialogShouldCapturePhoto(CameraDialog* cameraDialog);

public slots:
    void captureTypeSegmentedControlOnSegmentIndexChanged(SegmentedControl* segmentControl, int index);
    void cancelButtonOnClick();
    void captureButtonOnClick();
    void cameraButtonOnClick();
    void updateCameraDevice(QAction* action);
    void updateCameraState(QCamera::State state);
    void displayRecorderError(const QString& errorString);
    void displayCameraError(const QString& errorString);
    void displayCaptureError(int id, QCameraImageCapture::Error error, const QString& errorString);
    void updateRecorderState(QMediaRecorder::State state);
    void updateRecordTime(qint64 duration);
    void readyForCapture(bool ready);
    void imageSaved(int id, const QString& fileName);
    void retakeButtonOnClick();
    void useButtonOnClick();
    void playerPositionChanged(qlonglong position);
    void playerStateChanged(QMediaPlayer::State state);
    void playPause();
    void playerSliderMoved(int value);
    void playerSliderPressed();
    void playerSliderReleased();

private:
    void _applyLooks();
    void _setupCaptureTypes();
    void _connectControls();
    void _connectSession();
    void _setupDevices();
    void _buildDeviceMenu(const QStringList& names, const QString& checkedName);
    void _setCamera(const QString& name);
    void _configureCaptureMode();
    void _refreshCaptureType();
    void _capturePhoto();
    void _toggleRecording();
    void _reviewRecording();
    void _resumeAfterLostRecording();
    void _restoreRecordingControls();
    void _stopCaptureForClosing();
    void _waitForRecorderToStop();
    void _releasePlayer();
    void _showError(const QString& title, const QString& text);
    QString _captureFilePath(const QString& suffix) const;

    Ui::CameraDialog* _ui;
    CameraSession* _session;
    int _captureType;
    bool _captureTypeLocked = false;
    QString _currentCameraName;
    QMenu* _deviceMenu = nullptr;
    bool _capturingPhoto = false;
    QString _capturedFilePath;
    bool _recording = false;
    // The recorder reported an error during this recording: the user has
    // read about it already.
    bool _recordingErrorShown = false;
    QString _recordedFilePath;
    QTimer* _reviewTimer;
    QMediaPlayer* _player = nullptr;
    bool _playerSliderDown = false;
    bool _captureModeAvailable = false;
};
