#pragma once

#include "CommonPopup.h"

#include <QAudioBuffer>
#include <QList>
#include <QMediaRecorder>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class AudioLevelMeterWidget;
class PopupMainWidget;
class QAction;
class QAudioProbe;
class QAudioRecorder;
class QMenu;
class QPushButton;
class QTimer;

// Records the user's voice into a WAV file in the temporary folder. While it
// waits it monitors the chosen input into a throw-away file so the meter
// moves; the real recording hands its file and the level of every probed
// buffer to the caller once it has stopped and its file is finished.
class PopupMicrophoneWidget : public CommonPopup
{
    Q_OBJECT

public:
    // An input the recorder can record from: the recorder's id for it and
    // the platform's description, which the user reads.
    struct AudioInput {
        QString id;
        QString description;
    };

    explicit PopupMicrophoneWidget(QWidget* parent);
    // Offers `audioInputs` in place of the system's inputs (the back end
    // always lists at least one, so only this shows a machine without any).
    PopupMicrophoneWidget(QWidget* parent, const QList<AudioInput>& audioInputs);
    ~PopupMicrophoneWidget() override;

    void showForRecording(QWidget* parent, float startTime, int placement);

    // One level per channel, each in [0, 1]; empty for a buffer that is not
    // little-endian PCM.
    static QVector<double> computeBufferLevels(const QAudioBuffer& buffer);

    void setupUi(QWidget* parent, const QString& title) override;
    void showInWidget(QWidget* parent, const QString& title, const QPoint& point) override;
    void layoutAtPoint(const QPoint& point) override;
    // Goes once the recorder has stopped; a recording in progress is dropped.
    void dismiss() override;

signals:
    void popupMicrophoneWidgetGetStartTime(PopupMicrophoneWidget* microphoneWidget, float* startTime);
    void popupMicrophoneWidgetRequestScrollToTime(PopupMicrophoneWidget* microphoneWidget, float t);
    void popupMicrophoneWidgetSoundCaptured(PopupMicrophoneWidget* microphoneWidget, QString fileName,
                                            QList<float> meterValues);

public slots:
    void cancelButtonOnClick();
    void recordButtonOnClick();
    void microphoneButtonOnClick();
    void processBuffer(QAudioBuffer buffer);
    void updateMicrophoneDevice(QAction* action);
    void onStateChanged(QMediaRecorder::State state);
    void displayErrorMessage();
    void updateRecording();

private:
    void _buildForm();
    QPushButton* _addFlatButton(QWidget* parent, const QString& name, const QString& text);
    // A row that centres `content` between two stretches.
    QWidget* _centredRow(QWidget* content, int verticalMargin);
    void _buildDeviceMenu();
    QList<AudioInput> _audioInputs() const;
    // The back end's inputs without those the platform cannot record from.
    QList<AudioInput> _recordableInputs() const;
    void _switchAudioInput(const AudioInput& input);
    // Runs `next` 100 ms after the recorder has really stopped, or gives up
    // waiting after `pollsLeft` polls.
    void _afterRecorderStopped(const std::function<void()>& next, int pollsLeft);
    bool _recorderStopped() const;
    // Runs `next` once the monitoring recording has run long enough to be
    // stopped, or failed, or after `pollsLeft` polls; never once leaving.
    void _afterMonitorSettled(const std::function<void()>& next, int pollsLeft);
    void _selectAudioInput(const AudioInput& input);
    void _recordTo(const QString& folder, const QString& fileName, QMultimedia::EncodingQuality quality);
    void _startRecording();
    void _finishCapture();
    // Hands the recording over once its file is finished, or after
    // `pollsLeft` polls says that it is not and drops it.
    void _awaitFinishedCapture(int pollsLeft);
    void _dropFinishingCapture();
    void _removeCapture(const QString& fileName);
    void _reportError(const QString& text);
    void _setRecordIcon(const QString& resource);

    PopupMainWidget* _mainWidget = nullptr;
    QPushButton* _microphoneButton = nullptr;
    QPushButton* _triangleButton = nullptr;
    AudioLevelMeterWidget* _meterWidget = nullptr;
    QPushButton* _recordButton = nullptr;
    QPushButton* _cancelButton = nullptr;

    QAudioRecorder* _recorder = nullptr;
    QAudioProbe* _probe = nullptr;
    QMenu* _deviceMenu = nullptr;
    QTimer* _blinkTimer = nullptr;
    std::optional<QList<AudioInput>> _suppliedInputs;
    bool _recording = false;
    // The real recording was started and has not yet ended; monitoring
    // states are not the caller's business.
    bool _capturing = false;
    // The real recording reached the recording state: only then is there a
    // sound to hand over.
    bool _captureStarted = false;
    // The real recording reported an error: whatever it wrote is no sound.
    bool _captureFailed = false;
    // The stopped recording whose file is awaited; empty when there is none.
    QString _finishingFile;
    // The chosen input records (as far as the monitoring shows); false shows
    // "No microphone" and records nothing.
    bool _inputOpens = false;
    // The recording started last is the monitoring one, not the real one.
    bool _monitoring = false;
    // Dismissed, waiting for the recorder to stop before going.
    bool _leaving = false;
    // GStreamer reports one failure as several errors; the user reads one.
    bool _errorShown = false;
    int _blinkPhase = 0;
    int _placement = 0;
    float _startTime = 0.0f;
    QList<float> _meterValues;
};
