#include "PopupMicrophoneWidget.h"

#include "AudioLevelMeterWidget.h"
#include "PopupMainWidget.h"
#include "RecordingInputs.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QActionGroup>
#include <QAudioProbe>
#include <QAudioRecorder>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kInputSwitchDelayMs = 100;
// GStreamer finalises a stopped recording asynchronously; a recording started
// before that has ended records nothing. About 5 s of polling at most.
constexpr int kStopPolls = 50;
constexpr int kBlinkIntervalMs = 500;
constexpr int kSlideInMs = 200;
constexpr int kBottomMargin = 40;
// GStreamer reports a recording stopped before it has finished its file: the
// file is waited for, about 10 s of polling at most.
constexpr int kFinishPolls = 100;
constexpr int kFinishPollMs = 100;
// GStreamer's PulseAudio source stalls when a recording is stopped just after
// it started, and the recording started next is never finished: a Record
// click stops the monitoring recording only once it has run this long, or
// after about 5 s of polling.
constexpr qint64 kMonitorSettledMs = 1000;
constexpr int kMonitorPolls = 50;
const char* const kRecordIcon1 = ":/images/voice_recording_1";
const char* const kRecordIcon2 = ":/images/voice_recording_2";

// Largest magnitude of the format's samples; 0 for formats without a meter.
double samplePeak(const QAudioFormat& format)
{
    const int bits = format.sampleSize();
    switch (format.sampleType()) {
    case QAudioFormat::SignedInt:
        return bits == 32 ? 2147483647.0 : bits == 16 ? 32767.0 : bits == 8 ? 127.0 : 0.0;
    case QAudioFormat::UnSignedInt:
        return bits == 32 ? 4294967295.0 : bits == 16 ? 65535.0 : bits == 8 ? 255.0 : 0.0;
    case QAudioFormat::Float:
        return bits == 32 ? 1.00003 : 0.0;
    default:
        return 0.0;
    }
}

template <typename Sample>
double sampleAt(const char* data, int index)
{
    Sample value;
    std::memcpy(&value, data + index * sizeof(Sample), sizeof(Sample));
    return static_cast<double>(value);
}

// Reads sample `index` as a double, so the lowest 32-bit value has a magnitude.
double readSample(const QAudioFormat& format, const char* data, int index)
{
    const int bits = format.sampleSize();
    if (format.sampleType() == QAudioFormat::Float)
        return sampleAt<float>(data, index);
    if (format.sampleType() == QAudioFormat::SignedInt)
        return bits == 32 ? sampleAt<qint32>(data, index)
             : bits == 16 ? sampleAt<qint16>(data, index)
                          : sampleAt<qint8>(data, index);
    return bits == 32 ? sampleAt<quint32>(data, index)
         : bits == 16 ? sampleAt<quint16>(data, index)
                      : sampleAt<quint8>(data, index);
}

// The bytes of sound in a WAV file its writer has finished: the RIFF size and
// the chunks, the data chunk among them, reach exactly to the end of the file.
// -1 for a file that is missing, not a WAV file, or still carries the sizes
// its writer puts in first and corrects once the recording has ended.
qint64 finishedWavSoundBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 length = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE"
        || quint64(qFromLittleEndian<quint32>(riff.constData() + 4)) + 8 != quint64(length))
        return -1;
    qint64 soundBytes = -1;
    while (file.pos() < length) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (file.pos() + size > length)
            return -1;
        if (chunk.startsWith("data"))
            soundBytes = size;
        // Chunks of an odd size are followed by a pad byte.
        file.seek(std::min(file.pos() + size + (size & 1), length));
    }
    return soundBytes;
}

} // namespace

PopupMicrophoneWidget::PopupMicrophoneWidget(QWidget* parent) : CommonPopup(parent)
{
    qRegisterMetaType<QList<float>>("QList<float>");
    _buildForm();
    setMainWidget(_mainWidget);
    _recorder = new QAudioRecorder(this);
    _probe = new QAudioProbe(this);
    connect(_probe, &QAudioProbe::audioBufferProbed, this, &PopupMicrophoneWidget::processBuffer);
    _probe->setSource(_recorder);
    connect(_recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), this,
            &PopupMicrophoneWidget::displayErrorMessage);
    // Connected once: a retry after a failure must not hand over two sounds.
    connect(_recorder, &QMediaRecorder::stateChanged, this, &PopupMicrophoneWidget::onStateChanged);
}

PopupMicrophoneWidget::PopupMicrophoneWidget(QWidget* parent, const QList<AudioInput>& audioInputs)
    : PopupMicrophoneWidget(parent)
{
    _suppliedInputs = audioInputs;
}

PopupMicrophoneWidget::~PopupMicrophoneWidget()
{
    // Deleted with its parent while the recorder runs: nothing of the back
    // end's may reach the probe or the popup's slots once they have gone.
    _probe->setSource(static_cast<QMediaObject*>(nullptr));
    disconnect(_recorder, nullptr, this, nullptr);
    _recorder->stop();
    _dropFinishingCapture();
}

void PopupMicrophoneWidget::dismiss()
{
    // Leaving drops a recording in progress or one not yet finished. The back
    // end still works on the recorder until it has stopped, so the popup goes
    // only after that.
    _capturing = false;
    _dropFinishingCapture();
    if (_leaving)
        return;
    if (_recorderStopped()) {
        CommonPopup::dismiss();
        return;
    }
    _leaving = true;
    hide();
    _recorder->stop();
    _afterRecorderStopped([this] { CommonPopup::dismiss(); }, kStopPolls);
}

bool PopupMicrophoneWidget::_recorderStopped() const
{
    return _recorder->state() == QMediaRecorder::StoppedState
           && _recorder->status() != QMediaRecorder::FinalizingStatus;
}

QPushButton* PopupMicrophoneWidget::_addFlatButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFlat(true);
    return button;
}

QWidget* PopupMicrophoneWidget::_centredRow(QWidget* content, int verticalMargin)
{
    auto* row = new QWidget(_mainWidget);
    auto* layout = new QHBoxLayout(row);
    // Rows with a margin of their own keep a fixed height; -1 keeps the
    // layout's default margins and lets the row stretch.
    if (verticalMargin >= 0) {
        row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        const QMargins margins = layout->contentsMargins();
        layout->setContentsMargins(margins.left(), verticalMargin, margins.right(), verticalMargin);
    }
    content->setParent(row);
    layout->addStretch();
    layout->addWidget(content);
    layout->addStretch();
    return row;
}

void PopupMicrophoneWidget::_buildForm()
{
    setObjectName("PopupMicrophoneWidget");
    resize(685, 505);
    _mainWidget = new PopupMainWidget(this);
    _mainWidget->setObjectName("mainWidget");
    auto* column = new QVBoxLayout(_mainWidget);
    column->setSpacing(0);
    column->setContentsMargins(12, 0, 12, 12);

    auto* topPanel = new QWidget(_mainWidget);
    topPanel->setObjectName("topPanel");
    topPanel->setFixedHeight(44);
    auto* topRow = new QHBoxLayout(topPanel);
    topRow->setSpacing(0);
    topRow->setContentsMargins(0, 0, 0, 0);
    _microphoneButton = _addFlatButton(topPanel, "microphoneButton", tr("No microphone"));
    _triangleButton = _addFlatButton(topPanel, "triangleButton", QString());
    _triangleButton->setIcon(QIcon(":/images/move_down"));
    _triangleButton->setIconSize(QSize(12, 12));
    _triangleButton->setMaximumWidth(16);
    topRow->addStretch();
    topRow->addWidget(_microphoneButton);
    topRow->addWidget(_triangleButton);
    topRow->addStretch();
    column->addWidget(topPanel);

    _meterWidget = new AudioLevelMeterWidget(_mainWidget);
    _meterWidget->setObjectName("meterWidget");
    _meterWidget->setFixedSize(250, 50);
    column->addWidget(_centredRow(_meterWidget, -1));

    _recordButton = _addFlatButton(_mainWidget, "recordButton", QString());
    _recordButton->setFixedSize(100, 40);
    _recordButton->setIconSize(QSize(25, 25));
    _setRecordIcon(kRecordIcon1);
    column->addWidget(_centredRow(_recordButton, 12));

    _cancelButton = _addFlatButton(_mainWidget, "cancelButton", tr("Cancel"));
    _cancelButton->setMinimumHeight(30);
    column->addWidget(_centredRow(_cancelButton, 0));
}

void PopupMicrophoneWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    setStyleSheet("QLabel { color: white; } QLabel:disabled { color: rgb(128,128,128); }"
                  "QToolTip { background-color: rgb(54,200,255); color: white; padding: 2px;"
                  " border-radius: 3px; }");
    _mainWidget->setFillColor(QColor(31, 32, 35));
    _mainWidget->setBorderColor(QColor(64, 64, 64, 128));
    _mainWidget->setCornerRadius(10);

    QFont font = _microphoneButton->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    _microphoneButton->setFont(font);
    _microphoneButton->setStyleSheet("color: white; background-color: transparent;");
    _triangleButton->setStyleSheet("background-color: transparent;");
    connect(_microphoneButton, &QPushButton::clicked, this, &PopupMicrophoneWidget::microphoneButtonOnClick);
    connect(_triangleButton, &QPushButton::clicked, this, &PopupMicrophoneWidget::microphoneButtonOnClick);

    _cancelButton->setStyleSheet(
        "QPushButton { color: white; background-color: transparent; }"
        "QPushButton:hover { background-color: rgb(44,46,50); border-radius: 5px; }"
        "QPushButton:pressed { background-color: black; border-radius: 5px; }"
        "QPushButton:disabled { color: rgb(44,46,50); }");
    connect(_cancelButton, &QPushButton::clicked, this, &PopupMicrophoneWidget::cancelButtonOnClick);
    _recordButton->setStyleSheet("QPushButton { background-color: white; border-radius: 20px; }"
                                 "QPushButton:pressed { background-color: gray; }");
    connect(_recordButton, &QPushButton::clicked, this, &PopupMicrophoneWidget::recordButtonOnClick);
    _buildDeviceMenu();
}

QList<PopupMicrophoneWidget::AudioInput> PopupMicrophoneWidget::_audioInputs() const
{
    return _suppliedInputs ? *_suppliedInputs : _recordableInputs();
}

QList<PopupMicrophoneWidget::AudioInput> PopupMicrophoneWidget::_recordableInputs() const
{
    QList<AudioInput> inputs;
    for (const QString& id : _recorder->audioInputs()) {
        if (!RecordingInputs::canRecord(id))
            continue;
        inputs.append({id, _recorder->audioInputDescription(id)});
    }
    return inputs;
}

void PopupMicrophoneWidget::_buildDeviceMenu()
{
    _deviceMenu = new QMenu(this);
    _deviceMenu->setWindowFlags(_deviceMenu->windowFlags() | Qt::FramelessWindowHint
                                | Qt::NoDropShadowWindowHint);
    _deviceMenu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(_deviceMenu);
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    QList<AudioInput> inputs = _audioInputs();
    const QString defaultInput = _recorder->defaultAudioInput();
    std::stable_partition(inputs.begin(), inputs.end(),
                          [&](const AudioInput& input) { return input.id == defaultInput; });
    for (const AudioInput& input : inputs) {
        QAction* action = _deviceMenu->addAction(input.description);
        action->setCheckable(true);
        action->setData(input.id);
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, &PopupMicrophoneWidget::updateMicrophoneDevice);
    if (inputs.isEmpty())
        return;
    // The system's default input leads when it is there at all.
    _deviceMenu->actions().first()->setChecked(true);
    _switchAudioInput(inputs.first());
}

void PopupMicrophoneWidget::updateMicrophoneDevice(QAction* action)
{
    _switchAudioInput({action->data().toString(), action->text()});
}

void PopupMicrophoneWidget::microphoneButtonOnClick()
{
    if (!_deviceMenu || _deviceMenu->actions().isEmpty() || _recording)
        return;
    _deviceMenu->exec(_microphoneButton->mapToGlobal(
        QPoint(_microphoneButton->width() / 2, _microphoneButton->height() / 2)));
}

void PopupMicrophoneWidget::_switchAudioInput(const AudioInput& input)
{
    // Until the monitoring recording shows that the input cannot be opened:
    // a Record click meanwhile waits for that recording.
    _inputOpens = true;
    _recorder->stop();
    _afterRecorderStopped([this, input] { _selectAudioInput(input); }, kStopPolls);
}

void PopupMicrophoneWidget::_afterRecorderStopped(const std::function<void()>& next, int pollsLeft)
{
    QTimer::singleShot(kInputSwitchDelayMs, this, [this, next, pollsLeft] {
        if (_recorderStopped() || pollsLeft <= 1)
            next();
        else
            _afterRecorderStopped(next, pollsLeft - 1);
    });
}

void PopupMicrophoneWidget::_recordTo(const QString& folder, const QString& fileName,
                                      QMultimedia::EncodingQuality quality)
{
    QAudioEncoderSettings audio;
    audio.setQuality(quality);
    // Named explicitly: with only the quality set GStreamer writes MP4/MP3
    // into the ".wav" file.
    audio.setCodec("audio/x-raw");
    _recorder->setEncodingSettings(audio, QVideoEncoderSettings(), "audio/x-wav");
    _recorder->setOutputLocation(QUrl::fromLocalFile(folder + QDir::separator() + fileName));
    _errorShown = false;
    _recorder->record();
}

void PopupMicrophoneWidget::_selectAudioInput(const AudioInput& input)
{
    if (_leaving)
        return;
    _recorder->setAudioInput(input.id);
    _microphoneButton->setText(input.description);
    // The last monitor's errors are not this input's.
    _inputOpens = true;
    _monitoring = true;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    // A fresh account has no cache folder yet; the monitor must not fail on it.
    QDir().mkpath(cache);
    _recordTo(cache, "dummy.wav", QMultimedia::LowQuality);
}

void PopupMicrophoneWidget::recordButtonOnClick()
{
    if (_recording) {
        _recorder->stop();
        return;
    }
    if (!_deviceMenu || _deviceMenu->actions().isEmpty() || !_inputOpens)
        return;
    _recordButton->setEnabled(false);
    _cancelButton->setEnabled(false);
    _afterMonitorSettled([this] {
        _recorder->stop();
        _afterRecorderStopped([this] { _startRecording(); }, kStopPolls);
    }, kMonitorPolls);
}

void PopupMicrophoneWidget::_afterMonitorSettled(const std::function<void()>& next, int pollsLeft)
{
    if (_leaving)
        return;
    // The monitor may not have started yet (its input is chosen after a
    // delay), or may have failed: a failed one is not waited for.
    const bool settled = !_inputOpens
                         || (_recorder->state() == QMediaRecorder::RecordingState
                             && _recorder->duration() >= kMonitorSettledMs);
    if (settled || pollsLeft <= 0) {
        next();
        return;
    }
    QTimer::singleShot(kInputSwitchDelayMs, this, [this, next, pollsLeft] { _afterMonitorSettled(next, pollsLeft - 1); });
}

void PopupMicrophoneWidget::_startRecording()
{
    if (_leaving)
        return;
    // The monitor may have failed while it was being stopped.
    if (!_inputOpens) {
        _recordButton->setEnabled(true);
        _cancelButton->setEnabled(true);
        return;
    }
    // The standard location is empty when TMPDIR names a missing folder, and
    // the back end then writes at the filesystem root: refuse instead.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (!QFileInfo(folder).isDir()) {
        _errorShown = false;
        _reportError(tr("The temporary folder for the recording cannot be found."));
        return;
    }
    _capturing = true;
    _captureStarted = false;
    _captureFailed = false;
    _monitoring = false;
    _meterValues.clear();
    emit popupMicrophoneWidgetGetStartTime(this, &_startTime);
    _recordTo(folder, QString("%1.wav").arg(QDateTime::currentMSecsSinceEpoch()), QMultimedia::HighQuality);
}

void PopupMicrophoneWidget::onStateChanged(QMediaRecorder::State state)
{
    if (!_capturing)
        return;
    switch (state) {
    case QMediaRecorder::RecordingState:
        _recordButton->setEnabled(true);
        if (!_blinkTimer) {
            _blinkTimer = new QTimer(this);
            connect(_blinkTimer, &QTimer::timeout, this, &PopupMicrophoneWidget::updateRecording);
        }
        _blinkTimer->start(kBlinkIntervalMs);
        _recording = true;
        _captureStarted = true;
        break;
    case QMediaRecorder::PausedState:
        if (_blinkTimer)
            _blinkTimer->stop();
        _setRecordIcon(kRecordIcon1);
        break;
    case QMediaRecorder::StoppedState:
        _finishCapture();
        break;
    }
}

void PopupMicrophoneWidget::_finishCapture()
{
    _capturing = false;
    _recording = false;
    _cancelButton->setEnabled(true);
    if (_blinkTimer)
        _blinkTimer->stop();
    _setRecordIcon(kRecordIcon1);
    const QString fileName = _recorder->outputLocation().toLocalFile();
    // The back end reports "recording" before it fails to open the input,
    // and leaves a bare header: only a recording that went right is a sound.
    if (!_captureStarted || _captureFailed) {
        _recordButton->setEnabled(true);
        _removeCapture(fileName);
        return;
    }
    // No new recording until this one is handed over or dropped.
    _recordButton->setEnabled(false);
    _finishingFile = fileName;
    _awaitFinishedCapture(kFinishPolls);
}

void PopupMicrophoneWidget::_awaitFinishedCapture(int pollsLeft)
{
    QTimer::singleShot(kFinishPollMs, this, [this, pollsLeft] {
        if (_finishingFile.isEmpty())
            return;
        const qint64 soundBytes = finishedWavSoundBytes(_finishingFile);
        if (soundBytes < 0 && pollsLeft > 1) {
            _awaitFinishedCapture(pollsLeft - 1);
            return;
        }
        const QString fileName = _finishingFile;
        _finishingFile.clear();
        _recordButton->setEnabled(true);
        if (soundBytes > 0) {
            emit popupMicrophoneWidgetSoundCaptured(this, fileName, _meterValues);
            return;
        }
        _removeCapture(fileName);
        _errorShown = false;
        _reportError(soundBytes == 0 ? tr("The recording holds no sound.")
                                     : tr("The recording could not be finished, so it was not added."));
    });
}

void PopupMicrophoneWidget::_dropFinishingCapture()
{
    if (_finishingFile.isEmpty())
        return;
    _removeCapture(_finishingFile);
    _finishingFile.clear();
}

void PopupMicrophoneWidget::_removeCapture(const QString& fileName)
{
    if (QFileInfo::exists(fileName) && !QFile::remove(fileName))
        qDebug() << "The failed recording stays in" << fileName;
}

void PopupMicrophoneWidget::updateRecording()
{
    const int previous = _blinkPhase;
    _blinkPhase = 1 - previous;
    _setRecordIcon(previous == 1 ? kRecordIcon1 : kRecordIcon2);
}

void PopupMicrophoneWidget::_setRecordIcon(const QString& resource)
{
    _recordButton->setIcon(QIcon(resource));
}

void PopupMicrophoneWidget::processBuffer(QAudioBuffer buffer)
{
    const QVector<double> levels = computeBufferLevels(buffer);
    if (!levels.isEmpty())
        _meterWidget->setLevel(float(levels[0]));
    if (!_recording)
        return;
    const float t = float(_recorder->duration()) / 1000 + _startTime;
    emit popupMicrophoneWidgetRequestScrollToTime(this, t);
    if (!levels.isEmpty())
        _meterValues.append(float(levels[0]));
}

QVector<double> PopupMicrophoneWidget::computeBufferLevels(const QAudioBuffer& buffer)
{
    const QAudioFormat format = buffer.format();
    if (!format.isValid() || format.byteOrder() != QAudioFormat::LittleEndian || format.codec() != "audio/pcm")
        return {};
    const int channels = format.channelCount();
    QVector<double> levels(channels, 0.0);
    const double peak = samplePeak(format);
    if (qFuzzyIsNull(peak))
        return levels;
    const char* data = static_cast<const char*>(buffer.constData());
    const int frames = buffer.frameCount();
    for (int frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel) {
            const double value = std::fabs(readSample(format, data, frame * channels + channel));
            levels[channel] = std::max(levels[channel], value);
        }
    }
    const bool unsignedSamples = format.sampleType() == QAudioFormat::UnSignedInt;
    for (double& level : levels) {
        const double fraction = unsignedSamples ? std::fabs(level - peak / 2) / (peak / 2) : level / peak;
        // The lowest signed sample and float input overshoot the peak.
        level = std::clamp(fraction, 0.0, 1.0);
    }
    return levels;
}

void PopupMicrophoneWidget::showForRecording(QWidget* parent, float startTime, int placement)
{
    _startTime = startTime;
    _placement = placement;
    showInWidget(parent, QString(), QPoint(0, 0));
}

void PopupMicrophoneWidget::showInWidget(QWidget* parent, const QString& title, const QPoint& point)
{
    setupUi(parent, title);
    coverWithTitle(parent, title);
    if (_placement == 0) {
        Util::fadeInWidget(this, kSlideInMs, 1.0);
    } else if (_placement == 1) {
        move(0, parent->height());
        show();
        auto* slide = new QPropertyAnimation(this, "pos", this);
        slide->setDuration(kSlideInMs);
        slide->setEndValue(QPoint(0, 0));
        slide->start(QAbstractAnimation::DeleteWhenStopped);
    }
    layoutAtPoint(point);
    addShadow();
}

void PopupMicrophoneWidget::layoutAtPoint(const QPoint&)
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const QSize size = UiMetrics::microphonePopupSize();
    const int x = (parent->width() - size.width()) / 2;
    const int y = _placement == 1 ? parent->height() - kBottomMargin - size.height()
                                  : (parent->height() - size.height()) / 2;
    _mainWidget->setGeometry(x, y, size.width(), size.height());
}

void PopupMicrophoneWidget::cancelButtonOnClick()
{
    dismiss();
}

void PopupMicrophoneWidget::displayErrorMessage()
{
    // Errors keep coming after the recorder has stopped: they belong to the
    // recording started last, whose file, awaited or not, holds no sound.
    if (!_monitoring) {
        _captureFailed = true;
        _dropFinishingCapture();
    } else {
        // The monitoring recording cannot open the input: there is no
        // microphone to record from until another input is chosen.
        _inputOpens = false;
        _microphoneButton->setText(tr("No microphone"));
    }
    _reportError(_recorder->errorString());
}

void PopupMicrophoneWidget::_reportError(const QString& text)
{
    // Whatever state the recorder is left in, the user can retry or leave.
    _recordButton->setEnabled(true);
    _cancelButton->setEnabled(true);
    if (_errorShown)
        return;
    _errorShown = true;
    // Errors come inside the back end's dispatch.
    Util::showMessageBoxLater(this, tr("Error Occurs"), text, QMessageBox::Warning);
}
