#pragma once

// Shared by the playback and preview tests: the engine set up as the main
// window sets it up, with a recorder of the playback driver's state reports.

#include "AVClock.h"
#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVRender.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace PlaybackTest {

struct Report {
    int code;
    double time;      // as reported
    double wallTime;  // avCurrentTimeSeconds when it came
};

// Every state report, in order; frame reports also schedule a repaint of the preview.
class StateRecorder {
public:
    static void callback(AVRender*, int code, double time, void* context)
    {
        auto* self = static_cast<StateRecorder*>(context);
        std::lock_guard<std::mutex> lock(self->_mutex);
        self->_reports.push_back({code, time, avCurrentTimeSeconds()});
        if (code == AVRender::StateFrameDrawn && self->preview)
            QMetaObject::invokeMethod(self->preview, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }
    std::vector<Report> reports()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        return _reports;
    }
    size_t count(int code)
    {
        size_t n = 0;
        for (const Report& report : reports())
            n += report.code == code ? 1 : 0;
        return n;
    }
    // Index of the first report with the code at or after from; -1 when none.
    int find(int code, size_t from = 0)
    {
        const std::vector<Report> all = reports();
        for (size_t i = from; i < all.size(); ++i)
            if (all[i].code == code)
                return int(i);
        return -1;
    }

    AVGLWidget* preview = nullptr;

private:
    std::mutex _mutex;
    std::vector<Report> _reports;
};

// Runs this thread's events (the sound output's reports arrive there)
// until the condition holds or seconds pass.
inline bool pumpUntil(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > qint64(seconds * 1000))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        avThreadSleep(0.002);
    }
    return true;
}

// The set-up sequence of the main window: preview (optional, shown so that
// its context exists), playback driver, composition, image loader, facade,
// then the threads and one redraw.
class Playback {
public:
    Playback(int width, int height, bool withPreview)
    {
        if (withPreview) {
            preview = std::make_unique<AVGLWidget>();
            preview->resize(width, height);
            preview->show();
            pumpUntil([this] { return preview->isValid(); }, 5.0);
            recorder.preview = preview.get();
        }
        render = std::make_unique<AVRender>(nullptr, width, height);
        if (preview) {
            preview->setRender(render.get());
            preview->connectSignals();
        }
        composition = std::make_unique<AVComposition>(width, height, AVEngine::kSampleRate, AVEngine::kChannelCount,
                                                      nullptr);
        render->setComposition(composition.get());
        render->setWaitForPresent(withPreview ? 1 : 0);
        composition->setDoubleBuffered(1);
        loader = std::make_unique<AVImageLoader>();
        engine = std::make_unique<AVEngine>(composition.get(), loader.get(), render.get());
        render->setStateCallback(&StateRecorder::callback, &recorder);
        render->startThreads();
        render->addTickets(1);
    }

    ~Playback()
    {
        render->stop(true);
        if (preview)
            preview->setRender(nullptr);
        engine.reset();
        render.reset();
        loader.reset();
        composition.reset();
        QCoreApplication::processEvents();
        preview.reset();
    }

    // The movie's picture and sound under two ids, loaded (bounded wait).
    bool addMovie(const char* name, float length)
    {
        const QByteArray path = StreamTest::fixture(name);
        engine->createVideoSegment(1, path.constData(), 0.0f, 0.0f, length, 32, 1);
        engine->createAudioSegment(2, path.constData(), 0.0f, 0.0f, length);
        return StreamTest::waitUntil([this] {
            return composition->findSegment(1)->status() == 0 && composition->findSegment(2)->status() == 0;
        });
    }

    // Plays until the start is reported; false when it never is.
    bool playUntilStarted()
    {
        const size_t from = recorder.reports().size();
        engine->togglePlayback();
        return pumpUntil([&] { return recorder.find(AVRender::StateStarted, from) >= 0; }, 5.0);
    }

    StateRecorder recorder;
    std::unique_ptr<AVGLWidget> preview;
    std::unique_ptr<AVRender> render;
    std::unique_ptr<AVComposition> composition;
    std::unique_ptr<AVImageLoader> loader;
    std::unique_ptr<AVEngine> engine;
};

// Sets up the playback with a shown preview for a test's SetUp, once its
// driver has made its renderer; skips the test where the display has no
// OpenGL 3.2 core context.
inline void setUpWithPreview(std::unique_ptr<Playback>& playback, int width, int height)
{
    playback = std::make_unique<Playback>(width, height, true);
    if (!playback->preview->isValid())
        GTEST_SKIP() << "the preview has no OpenGL 3.2 core context on this display";
    ASSERT_TRUE(pumpUntil([&] { return playback->render->renderer() != nullptr; }, 5.0))
        << "the video thread made no renderer";
}

} // namespace PlaybackTest
