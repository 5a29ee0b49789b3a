// The microphone popup: buffer levels from real PCM bytes, the popup driven
// by clicks, and a real recording from the PulseAudio null sink's monitor.
#include "AudioLevelMeterWidget.h"
#include "ModalDialogAnswerer.h"
#include "PopupMicrophoneWidget.h"
#include "RecordingSupport.h"
#include "SoundServer.h"
#include "SteppedApplication.h"

#include <QApplication>
#include <QAudioProbe>
#include <QAudioRecorder>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <cstring>

namespace {

template <typename Sample>
QAudioBuffer bufferOf(const QVector<Sample>& samples, QAudioFormat::SampleType type, int channels)
{
    QAudioFormat format;
    format.setCodec("audio/pcm");
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleRate(44100);
    format.setChannelCount(channels);
    format.setSampleSize(int(sizeof(Sample)) * 8);
    format.setSampleType(type);
    QByteArray bytes(samples.size() * int(sizeof(Sample)), '\0');
    std::memcpy(bytes.data(), samples.constData(), bytes.size());
    return QAudioBuffer(bytes, format);
}

QPushButton* button(QWidget& popup, const char* name)
{
    return popup.findChild<QPushButton*>(name);
}

// A popup shown at the bottom of a window, as the main window shows it.
struct ShownPopup {
    explicit ShownPopup(PopupMicrophoneWidget* made) : popup(made)
    {
        window.resize(800, 600);
        window.show();
        popup->showForRecording(&window, 3.5f, 1);
        QObject::connect(popup, &PopupMicrophoneWidget::popupMicrophoneWidgetGetStartTime, popup,
                         [this](PopupMicrophoneWidget*, float* t) {
                             ++startTimeRequests;
                             *t = 3.5f;
                         }, Qt::DirectConnection);
    }
    int startTimeRequests = 0;
    QWidget window;
    PopupMicrophoneWidget* popup;
};

// A popup on the system's inputs while the tone plays, recording into a
// temporary folder of its own.
struct PopupHearingTone {
    PopupHearingTone() : temp(folder.path()), shown(new PopupMicrophoneWidget(nullptr)) {}
    PlayingTone tone;
    QTemporaryDir folder;
    TemporaryFolder temp;
    ShownPopup shown;
    QSignalSpy captured{shown.popup, &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured};
};

// A machine without a sound server: the back end's sources find none to
// record from, and the system lists no input that opens.
struct NoSoundServer {
    NoSoundServer() : old(qgetenv("PULSE_SERVER")) { qputenv("PULSE_SERVER", "unix:/nonexistent/vidorna-no-server"); }
    ~NoSoundServer()
    {
        if (old.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", old);
    }
    QByteArray old;
};

// Closes every message box that comes up while it lives and keeps its text.
struct MessageBoxCloser {
    MessageBoxCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->close();
            }
        });
        timer.start(20);
    }
    QTimer timer;
    QStringList texts;
};

// Whether the back end records from `id`: its samples flow for half a
// second with no error.
bool recordsFrom(const QString& id)
{
    QTemporaryDir folder;
    QAudioRecorder recorder;
    QAudioProbe probe;
    probe.setSource(&recorder);
    QSignalSpy buffers(&probe, &QAudioProbe::audioBufferProbed);
    QAudioEncoderSettings audio;
    audio.setCodec("audio/x-raw");
    recorder.setEncodingSettings(audio, QVideoEncoderSettings(), "audio/x-wav");
    recorder.setOutputLocation(QUrl::fromLocalFile(folder.filePath("input.wav")));
    recorder.setAudioInput(id);
    recorder.record();
    const auto failed = [&] { return recorder.error() != QMediaRecorder::NoError; };
    const bool flowed = QTest::qWaitFor([&] { return failed() || (!buffers.isEmpty() && recorder.duration() >= 500); },
                                        5000) && !failed();
    recorder.stop();
    const bool stopped = QTest::qWaitFor([&] {
        return recorder.state() == QMediaRecorder::StoppedState && recorder.status() != QMediaRecorder::FinalizingStatus;
    }, 5000);
    EXPECT_TRUE(stopped) << id.toStdString() << " did not stop";
    return flowed;
}

// A sound server of the test's own with a null sink, the default for what
// the test starts while it lives, which goes away as a crashed server does.
struct PrivateSoundServer {
    PrivateSoundServer() : old(qgetenv("PULSE_SERVER"))
    {
        const QString socket = runtime.filePath("native");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("PULSE_RUNTIME_PATH", runtime.filePath("pulse"));
        environment.remove("PULSE_SERVER");
        daemon.setProcessEnvironment(environment);
        daemon.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                    "--load=module-null-sink sink_name=null",
                                    "--load=module-native-protocol-unix socket=" + socket});
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        runs = daemon.waitForStarted(3000) && QTest::qWaitFor([] { return SoundServer::pulseAudioRuns(); }, 8000);
    }
    ~PrivateSoundServer()
    {
        kill();
        qputenv("PULSE_SERVER", old);
        if (old.isNull())
            qunsetenv("PULSE_SERVER");
    }
    void kill()
    {
        daemon.kill();
        daemon.waitForFinished(3000);
    }
    QTemporaryDir runtime;
    QProcess daemon;
    QByteArray old;
    bool runs = false;
};

QString ffprobe(const QString& path)
{
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name,duration:stream=codec_name",
                            "-of", "default=noprint_wrappers=1", path});
    probe.waitForFinished(10000);
    return QString::fromUtf8(probe.readAllStandardOutput());
}

} // namespace

TEST(PopupMicrophoneLevels, PeaksOfEachSampleFormat)
{
    using Levels = QVector<double>;
    // Second channel louder: levels are kept per channel.
    Levels levels = PopupMicrophoneWidget::computeBufferLevels(
        bufferOf<qint16>({100, -200, -16384, 300, 5, 20000}, QAudioFormat::SignedInt, 2));
    ASSERT_EQ(levels.size(), 2);
    EXPECT_DOUBLE_EQ(levels[0], 16384.0 / 32767.0);
    EXPECT_DOUBLE_EQ(levels[1], 20000.0 / 32767.0);

    levels = PopupMicrophoneWidget::computeBufferLevels(bufferOf<qint16>({-32768, 0}, QAudioFormat::SignedInt, 1));
    EXPECT_EQ(levels, Levels({1.0}));

    levels = PopupMicrophoneWidget::computeBufferLevels(
        bufferOf<qint32>({std::numeric_limits<qint32>::min(), 7}, QAudioFormat::SignedInt, 1));
    EXPECT_EQ(levels, Levels({1.0}));

    levels = PopupMicrophoneWidget::computeBufferLevels(bufferOf<quint8>({128, 128, 128}, QAudioFormat::UnSignedInt, 1));
    ASSERT_EQ(levels.size(), 1);
    EXPECT_DOUBLE_EQ(levels[0], 0.5 / 127.5);

    levels = PopupMicrophoneWidget::computeBufferLevels(bufferOf<float>({0.25f, -1.5f}, QAudioFormat::Float, 1));
    EXPECT_EQ(levels, Levels({1.0}));
    levels = PopupMicrophoneWidget::computeBufferLevels(bufferOf<float>({0.25f, -0.5f}, QAudioFormat::Float, 1));
    ASSERT_EQ(levels.size(), 1);
    EXPECT_NEAR(levels[0], 0.5 / 1.00003, 1e-9);
}

TEST(PopupMicrophoneLevels, UnmeteredFormats)
{
    QAudioFormat format = bufferOf<qint16>({1000}, QAudioFormat::SignedInt, 1).format();
    format.setByteOrder(QAudioFormat::BigEndian);
    EXPECT_TRUE(PopupMicrophoneWidget::computeBufferLevels(QAudioBuffer(QByteArray(2, '\x40'), format)).isEmpty());
    // A 24-bit layout has no peak: zeros, one per channel.
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleSize(24);
    format.setChannelCount(1);
    EXPECT_EQ(PopupMicrophoneWidget::computeBufferLevels(QAudioBuffer(QByteArray(6, '\x7f'), format)),
              QVector<double>({0.0}));
}

TEST(PopupMicrophoneWidget, WithoutInputsNothingRecords)
{
    ShownPopup shown(new PopupMicrophoneWidget(nullptr, {}));
    EXPECT_EQ(button(*shown.popup, "microphoneButton")->text(), "No microphone");
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_TRUE(button(*shown.popup, "recordButton")->isEnabled());
    EXPECT_EQ(shown.startTimeRequests, 0);
    // The panel sits centred, 40 px above the bottom of the window.
    QWidget* panel = shown.popup->findChild<QWidget*>("mainWidget");
    EXPECT_EQ(panel->geometry(), QRect((800 - 430) / 2, 600 - 40 - 280, 430, 280));
}

TEST(PopupMicrophoneWidget, RecordButtonShowsARedDotThatBlinks)
{
    ShownPopup shown(new PopupMicrophoneWidget(nullptr, {}));
    QPushButton* record = button(*shown.popup, "recordButton");
    const auto centre = [record] {
        const QImage picture = record->icon().pixmap(record->iconSize()).toImage();
        return picture.isNull() ? QColor() : picture.pixelColor(picture.rect().center());
    };
    const QColor steady = centre();
    ASSERT_TRUE(steady.isValid()) << "the record button has no picture";
    EXPECT_GT(steady.red(), 200);
    EXPECT_LT(steady.green(), 90);
    // Each blink swaps the dot for its paler twin and back.
    shown.popup->updateRecording();
    const QColor pale = centre();
    ASSERT_TRUE(pale.isValid()) << "the blinking picture is missing";
    EXPECT_GT(pale.red(), 200);
    EXPECT_GT(pale.green(), steady.green() + 60);
    shown.popup->updateRecording();
    EXPECT_EQ(centre(), steady);
}

TEST(PopupMicrophoneWidget, DefaultMissingFromInputsSelectsTheFirst)
{
    ShownPopup shown(new PopupMicrophoneWidget(nullptr, {{"first-input", "First input"}, {"second-input", "Second input"}}));
    QMenu* menu = shown.popup->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    EXPECT_FALSE(menu->actions()[1]->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return button(*shown.popup, "microphoneButton")->text() == "First input"; }, 5000));
}

// The default input leads the menu wherever the platform lists it.
TEST(PopupMicrophoneWidget, InputsShowTheirDescriptionsAndTheRecorderGetsTheChosenId)
{
    const QString defaultId = QAudioRecorder().defaultAudioInput();
    ShownPopup shown(new PopupMicrophoneWidget(nullptr, {{"usb-input", "USB Microphone"}, {defaultId, "Built-in"}}));
    QMenu* menu = shown.popup->findChild<QMenu*>();
    auto* recorder = shown.popup->findChild<QAudioRecorder*>();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text().toStdString(), "Built-in");
    EXPECT_EQ(menu->actions()[1]->text().toStdString(), "USB Microphone");
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return button(*shown.popup, "microphoneButton")->text() == "Built-in"; }, 8000));
    EXPECT_EQ(recorder->audioInput().toStdString(), defaultId.toStdString());

    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, [menu] {
        if (menu->isVisible())
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[1]).center());
    });
    picker.start(50);
    QTest::mouseClick(button(*shown.popup, "microphoneButton"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder->audioInput() == "usb-input"; }, 8000));
    EXPECT_EQ(button(*shown.popup, "microphoneButton")->text().toStdString(), "USB Microphone");
}

// The system's own inputs: by their descriptions, the default first, and
// those the back end cannot record from left out.
TEST(PopupMicrophoneWidget, ListsTheSystemsInputsThatRecordByTheirDescriptions)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    ShownPopup shown(new PopupMicrophoneWidget(nullptr));
    QMenu* menu = shown.popup->findChild<QMenu*>();
    auto* recorder = shown.popup->findChild<QAudioRecorder*>();
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().first()->data().toString().toStdString(), recorder->defaultAudioInput().toStdString());
    QStringList listed;
    for (const QAction* action : menu->actions()) {
        listed << action->data().toString();
        EXPECT_EQ(action->text().toStdString(), recorder->audioInputDescription(listed.last()).toStdString());
    }
    for (const QString& id : recorder->audioInputs())
        EXPECT_EQ(recordsFrom(id), listed.contains(id)) << id.toStdString();
}

TEST(PopupMicrophoneWidget, FailedStartShowsOneErrorAndARetryCapturesOnce)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    PlayingTone tone;
    ASSERT_TRUE(tone.made);
    ShownPopup shown(new PopupMicrophoneWidget(nullptr));
    QSignalSpy captured(shown.popup, &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured);
    ASSERT_TRUE(waitForMonitor(*shown.popup));
    auto missing = std::make_unique<TemporaryFolder>("/nonexistent-vidorna-folder/none");
    int messages = 0;
    QString text;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box && box->windowTitle() == "Error Occurs")
            ++messages;
        if (box)
            text = box->text();
        dialog->close();
    }, 8000);
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.answered(); }, 8000));
    // GStreamer sends further errors for the same failure: no second box.
    ModalDialogAnswerer second([](QWidget* dialog) { dialog->close(); }, 1500);
    QTest::qWait(1700);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(text, "The temporary folder for the recording cannot be found.");
    EXPECT_EQ(shown.startTimeRequests, 0);
    EXPECT_FALSE(second.answered());
    EXPECT_TRUE(captured.isEmpty());
    EXPECT_TRUE(button(*shown.popup, "recordButton")->isEnabled());
    EXPECT_TRUE(button(*shown.popup, "cancelButton")->isEnabled());

    // A retry into a folder that exists hands over exactly one sound.
    QTemporaryDir folder;
    missing = std::make_unique<TemporaryFolder>(folder.path());
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    auto* recorder = shown.popup->findChild<QAudioRecorder*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder->duration() >= 1000; }, 10000));
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !captured.isEmpty(); }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(captured.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(captured[0][1].toString()));
}

TEST(PopupMicrophoneWidget, RecordsTheNullSinkMonitorToWav)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    PopupHearingTone hearing;
    ASSERT_TRUE(hearing.tone.made);
    ShownPopup& shown = hearing.shown;
    QSignalSpy& captured = hearing.captured;
    QSignalSpy scrolls(shown.popup, &PopupMicrophoneWidget::popupMicrophoneWidgetRequestScrollToTime);
    ASSERT_TRUE(waitForMonitor(*shown.popup));
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QAudioRecorder* recorder = shown.popup->findChild<QAudioRecorder*>();
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder->duration() >= 2000; }, 10000));
    EXPECT_FALSE(button(*shown.popup, "cancelButton")->isEnabled());
    // A loaded machine sees the two seconds late: the file lasts as long as the recorder had run.
    const double recordedSeconds = recorder->duration() / 1000.0;
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return captured.size() == 1; }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(captured.size(), 1);
    EXPECT_EQ(shown.startTimeRequests, 1);

    const QString fileName = captured[0][1].toString();
    const QFileInfo info(fileName);
    EXPECT_EQ(info.absolutePath(), QDir(hearing.folder.path()).absolutePath());
    EXPECT_EQ(info.suffix(), "wav");
    const qint64 stamp = info.completeBaseName().toLongLong();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, QDateTime::currentMSecsSinceEpoch());

    const QString probed = ffprobe(fileName);
    EXPECT_TRUE(probed.contains("format_name=wav")) << probed.toStdString();
    EXPECT_TRUE(probed.contains("codec_name=pcm_s16le")) << probed.toStdString();
    const int at = probed.indexOf("duration=");
    ASSERT_GE(at, 0) << probed.toStdString();
    EXPECT_NEAR(probed.mid(at + 9).section('\n', 0, 0).toDouble(), recordedSeconds, 0.3);

    const auto meter = captured[0][2].value<QList<float>>();
    ASSERT_FALSE(meter.isEmpty());
    EXPECT_GT(*std::max_element(meter.begin(), meter.end()), 0.2f);
    ASSERT_FALSE(scrolls.isEmpty());
    for (const QList<QVariant>& scroll : scrolls)
        EXPECT_GE(scroll[1].toFloat(), 3.5f);
    EXPECT_TRUE(button(*shown.popup, "cancelButton")->isEnabled());
}

// Nothing that records: the popup says so and records nothing.
TEST(PopupMicrophoneWidget, WithoutASoundServerThereIsNoMicrophone)
{
    NoSoundServer noServer;
    MessageBoxCloser boxes;
    ShownPopup shown(new PopupMicrophoneWidget(nullptr));
    QSignalSpy captured(shown.popup, &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 8000)) << "no message";
    EXPECT_EQ(boxes.texts.first(), "Could not open device.");
    EXPECT_TRUE(QTest::qWaitFor([&] { return button(*shown.popup, "microphoneButton")->text() == "No microphone"; },
                                3000))
        << button(*shown.popup, "microphoneButton")->text().toStdString();
    QTest::mouseClick(button(*shown.popup, "recordButton"), Qt::LeftButton);
    QTest::qWait(500);
    EXPECT_EQ(shown.startTimeRequests, 0);
    EXPECT_TRUE(button(*shown.popup, "recordButton")->isEnabled());
    EXPECT_TRUE(captured.isEmpty());
}

// The sound server goes away between the monitoring and the recording: the
// back end reports "recording", then its error, and leaves a bare WAV header.
TEST(PopupMicrophoneWidget, ARecordingThatFailsAfterStartingIsNotHandedOver)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    PlayingTone tone;
    ASSERT_TRUE(tone.made);
    QTemporaryDir folder;
    TemporaryFolder temp(folder.path());
    auto* window = new QWidget;
    window->resize(800, 600);
    window->show();
    QPointer<PopupMicrophoneWidget> popup = new PopupMicrophoneWidget(window);
    popup->showForRecording(window, 0.0f, 1);
    QSignalSpy captured(popup.data(), &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured);
    // As the editor does: a handed-over sound ends the popup.
    QObject::connect(popup.data(), &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured, popup.data(),
                     [](PopupMicrophoneWidget* shown) { shown->dismiss(); }, Qt::QueuedConnection);
    ASSERT_TRUE(waitForMonitor(*popup));
    auto* recorder = popup->findChild<QAudioRecorder*>();
    QSignalSpy states(recorder, &QMediaRecorder::stateChanged);
    QSignalSpy errors(recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error));
    {
        NoSoundServer serverGone;
        MessageBoxCloser boxes;
        QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.isEmpty(); }, 8000)) << "the recording did not fail";
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder->state() == QMediaRecorder::StoppedState; }, 5000));
        QTest::qWait(500);
        ASSERT_FALSE(popup.isNull()) << "the failed recording was handed over";
        EXPECT_TRUE(std::any_of(states.begin(), states.end(), [](const QList<QVariant>& state) {
            return state.first().value<QMediaRecorder::State>() == QMediaRecorder::RecordingState;
        })) << "the back end no longer reports a start first";
        EXPECT_TRUE(captured.isEmpty());
        EXPECT_EQ(boxes.texts, QStringList{"Could not open device."});
        EXPECT_TRUE(button(*popup, "recordButton")->isEnabled());
        EXPECT_TRUE(button(*popup, "cancelButton")->isEnabled());
        EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "the header is left behind";
    }

    // Dismissed while recording: the popup goes once its recorder has
    // stopped, and the recording is dropped.
    MessageBoxCloser boxes;
    QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder->state() == QMediaRecorder::RecordingState; }, 8000))
        << boxes.texts.join('|').toStdString();
    bool stoppedWhenDismissed = false;
    QObject::connect(popup.data(), &CommonPopup::dismissed, [&] {
        stoppedWhenDismissed = recorder->state() == QMediaRecorder::StoppedState
                               && recorder->status() != QMediaRecorder::FinalizingStatus;
    });
    popup->dismiss();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 10000)) << "the popup stayed";
    EXPECT_TRUE(stoppedWhenDismissed);
    EXPECT_TRUE(captured.isEmpty());
    delete window;
}

// Stopped with nothing but the WAV header in its file and no error: there is
// no sound to hand over, the popup says why, and no file is left behind. The
// header as the back end writes it first never becomes final; one that is
// final holds no sound; one whose data chunk is final but whose RIFF size is
// not yet is still being written. An error while it waits for the file, or
// leaving, ends the wait, and the recording goes.
TEST(PopupMicrophoneWidget, ARecordingOfOnlyItsHeaderIsNotHandedOver)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    PopupHearingTone hearing;
    ASSERT_TRUE(hearing.tone.made);
    QPointer<PopupMicrophoneWidget> popup = hearing.shown.popup;
    ASSERT_TRUE(waitForMonitor(*popup));
    auto* recorder = popup->findChild<QAudioRecorder*>();
    QSignalSpy errors(recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error));
    MessageBoxCloser boxes;
    enum Ending { Unfinished, Empty, Unsized, Failed, Left };
    const QString unfinished = QStringLiteral("The recording could not be finished, so it was not added.");
    const QStringList messages{unfinished, "The recording holds no sound.", unfinished};
    for (const Ending ending : {Unfinished, Empty, Unsized, Failed, Left}) {
        boxes.texts.clear();
        errors.clear();
        QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return recorder->state() == QMediaRecorder::RecordingState
                   && recorder->outputLocation().toLocalFile().startsWith(hearing.folder.path());
        }, 8000));
        // The back end keeps writing into the file it opened: that one moves
        // aside, and the output location gets a bare copy of its header.
        const QString fileName = recorder->outputLocation().toLocalFile();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(fileName).size() >= 44; }, 5000));
        QTemporaryDir aside;
        ASSERT_TRUE(QFile::rename(fileName, aside.filePath("recording.wav")));
        QFile recording(aside.filePath("recording.wav"));
        QFile header(fileName);
        ASSERT_TRUE(recording.open(QIODevice::ReadOnly) && header.open(QIODevice::WriteOnly));
        QByteArray bytes = recording.read(44);
        ASSERT_EQ(bytes.size(), 44);
        if (ending == Empty) {
            qToLittleEndian<quint32>(36, bytes.data() + 4);
            qToLittleEndian<quint32>(0, bytes.data() + 40);
        } else if (ending == Unsized) {
            qToLittleEndian<quint32>(36, bytes.data() + 4);
            qToLittleEndian<quint32>(4, bytes.data() + 40);
            bytes.append(4, '\x7f');
        }
        ASSERT_EQ(header.write(bytes), bytes.size());
        header.close();
        QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
        if (ending == Failed || ending == Left) {
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return recorder->state() == QMediaRecorder::StoppedState && !button(*popup, "recordButton")->isEnabled();
            }, 5000));
        }
        if (ending == Failed) {
            // The back end's errors can come after it stopped.
            emit recorder->error(QMediaRecorder::ResourceError);
            EXPECT_FALSE(QFileInfo::exists(fileName)) << "the failed recording is still awaited";
            EXPECT_TRUE(button(*popup, "recordButton")->isEnabled());
            // The box comes from the event loop, after the back end's report.
            EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 5000)) << "no message";
            EXPECT_EQ(boxes.texts.size(), 1);
        } else if (ending == Left) {
            QTest::mouseClick(button(*popup, "cancelButton"), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 10000)) << "the popup stayed";
            EXPECT_TRUE(boxes.texts.isEmpty());
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty() || !hearing.captured.isEmpty(); }, 20000))
                << "no message";
            EXPECT_EQ(boxes.texts, QStringList{messages[ending]});
            EXPECT_TRUE(button(*popup, "recordButton")->isEnabled());
        }
        EXPECT_EQ(errors.size(), ending == Failed ? 1 : 0);
        EXPECT_TRUE(hearing.captured.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(fileName));
    }
}

// The sound server dies under the monitoring recording: the back end reports
// its error from inside its own dispatch, and the panel is closed while the
// error box is up (by Cancel just before, or by its window meanwhile). The box
// comes from the event loop, not from that dispatch, and the panel goes only
// once the box has returned: the back end never runs on a deleted recorder.
TEST(PopupMicrophoneWidget, ARecordingServerLostWhileThePanelClosesShowsOneBoxAndTheSafeClose)
{
    enum Close { CancelThenServerLost, ServerLostThenWindowCloses };
    for (const Close close : {CancelThenServerLost, ServerLostThenWindowCloses}) {
        SCOPED_TRACE(close == CancelThenServerLost ? "Cancel, then the server is lost"
                                                   : "the server is lost, then the window closes the panel");
        PrivateSoundServer server;
        ASSERT_TRUE(server.runs) << "no sound server of the test's own";
        PlayingTone tone;
        ASSERT_TRUE(tone.made);
        QWidget window;
        window.resize(800, 600);
        window.show();
        QPointer<PopupMicrophoneWidget> popup = new PopupMicrophoneWidget(&window);
        popup->showForRecording(&window, 0.0f, 1);
        ASSERT_TRUE(waitForMonitor(*popup));
        bool dismissed = false;
        QObject::connect(popup.data(), &CommonPopup::dismissed, [&] { dismissed = true; });

        // The box stays up until the panel has been closed, and a while after
        // that, for whatever its loop lets through.
        QStringList titles;
        bool aliveWhenClosed = false;
        int depthInTheBox = 0;
        QElapsedTimer sinceDismissed;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (titles.isEmpty()) {
                titles << box->windowTitle();
                depthInTheBox = SteppedApplication::stepDepth();
                if (close == ServerLostThenWindowCloses && popup)
                    popup->dismiss();
            }
            if ((dismissed || !popup) && !sinceDismissed.isValid())
                sinceDismissed.start();
            if (sinceDismissed.isValid() && sinceDismissed.elapsed() >= 300) {
                aliveWhenClosed = !popup.isNull();
                box->close();
            }
        });
        closer.start(20);
        server.kill();
        if (close == CancelThenServerLost)
            QTest::mouseClick(button(*popup, "cancelButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 15000)) << "the panel stayed";
        ASSERT_EQ(titles, QStringList{"Error Occurs"}) << "the lost server was not reported once";
        // A step of the event loop under the box, not the back end's dispatch.
        EXPECT_GE(depthInTheBox, 2);
        EXPECT_TRUE(aliveWhenClosed) << "the panel was deleted inside the box's loop";
    }
}

// Record clicked as soon as the panel opens or within the monitoring
// recording's first second: the monitoring recording is stopped only once it
// can be, and every take is handed over whole.
TEST(PopupMicrophoneWidget, RecordsEveryTakeOfAQuickRecordClick)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    for (const int clickAtMs : {0, 300, 600, 900}) {
        SCOPED_TRACE(QString("Record %1 ms after opening").arg(clickAtMs).toStdString());
        PopupHearingTone hearing;
        ASSERT_TRUE(hearing.tone.made);
        MessageBoxCloser boxes;
        PopupMicrophoneWidget* popup = hearing.shown.popup;
        auto* recorder = popup->findChild<QAudioRecorder*>();
        // At once, or once the monitoring recording has run that long: a
        // stop within its first second is what stalls the back end.
        if (clickAtMs > 0)
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return recorder->state() == QMediaRecorder::RecordingState && recorder->duration() >= clickAtMs;
            }, 10000)) << "the monitoring recording did not run";
        QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return recorder->state() == QMediaRecorder::RecordingState
                   && recorder->outputLocation().toLocalFile().startsWith(hearing.folder.path())
                   && recorder->duration() >= 500;
        }, 10000)) << "the take did not start; " << boxes.texts.join('|').toStdString();
        QTest::mouseClick(button(*popup, "recordButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !hearing.captured.isEmpty() || !boxes.texts.isEmpty(); }, 20000))
            << "the take was neither handed over nor reported";
        EXPECT_EQ(boxes.texts, QStringList());
        ASSERT_EQ(hearing.captured.size(), 1);
        EXPECT_TRUE(wavIsWhole(hearing.captured[0][1].toString()));
    }
}
