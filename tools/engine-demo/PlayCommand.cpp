// engine-demo play: the engine set up as the editor's main window sets it
// up (preview, playback driver, composition, image loader, facade), playing
// a movie with its sound and an optional music file in a window.

#include "DemoCommands.h"
#include "DemoSupport.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVImageServices.h"
#include "AVRender.h"
#include "AVSegment.h"
#include "AVVideoStream.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr double kLongestPlay = 3600.0;
constexpr double kLoadSeconds = 10.0;
constexpr double kShowSeconds = 5.0;
constexpr double kStopSeconds = 3.0;
constexpr float kSeekStep = 5.0f;
constexpr int32_t kThumbnailHeight = 64;
constexpr int32_t kVideoId = 1;
constexpr int32_t kMovieSoundId = 2;
constexpr int32_t kMusicId = 3;
constexpr int kLargestWindowSide = 960;

const char* const kUsage = "usage: engine-demo play --video FILE [--music FILE] --seconds N --screenshot PNG\n";

const char* stateName(int code)
{
    static const char* const names[] = {"stopped", "started", "frame", "end reached"};
    return code >= 0 && code < 4 ? names[code] : "unknown";
}

// The movie's picture size as shown (the stream turns it by its rotation); false when it cannot be opened.
bool movieSize(const QByteArray& path, int* width, int* height)
{
    AVVideoStream stream(path.constData(), 0, 0);
    if (stream.openAndReadRotation() != 0)
        return false;
    uint32_t w = 0, h = 0;
    stream.size(&w, &h);
    *width = int(w);
    *height = int(h);
    return *width > 0 && *height > 0;
}

// The engine and its preview, made and torn down in the main window's order.
class Player : public QObject {
public:
    Player(int movieWidth, int movieHeight)
    {
        // 1. The preview, shown so that its context exists for the engine's to share.
        _preview = std::make_unique<AVGLWidget>();
        const double scale = std::min(1.0, double(kLargestWindowSide) / std::max(movieWidth, movieHeight));
        _preview->resize(int(movieWidth * scale), int(movieHeight * scale));
        _preview->setWindowTitle(QStringLiteral("engine-demo play"));
        _preview->installEventFilter(this);
        _preview->show();
        waitFor([this] {
            QCoreApplication::processEvents();
            return _preview->isValid();
        }, kShowSeconds);
        // 2. The playback driver at the preview's size in device pixels.
        const qreal ratio = _preview->devicePixelRatioF();
        _render = std::make_unique<AVRender>(nullptr, int(_preview->width() * ratio), int(_preview->height() * ratio));
        _render->setOwner(this);
        _preview->setRender(_render.get());
        _preview->setBackgroundColor(Qt::black);
        _preview->connectSignals();
        // 3. The composition at the movie's size, without a renderer.
        _composition = std::make_unique<AVComposition>(movieWidth, movieHeight, AVEngine::kSampleRate,
                                                       AVEngine::kChannelCount, nullptr);
        _composition->setBackgroundColor(0.0f, 0.0f, 0.0f, 1.0f);
        avSetImageServicesCompositionSize(movieWidth, movieHeight);
        _render->setComposition(_composition.get());
        _render->setWaitForPresent(1);
        _composition->setDoubleBuffered(1);
        // 4. and 5. The image loader and the facade.
        _loader = std::make_unique<AVImageLoader>();
        _engine = std::make_unique<AVEngine>(_composition.get(), _loader.get(), _render.get());
        _engine->setEventCallback(&Player::onThumbnails, this);
        _engine->setOwner(this);
        AVEngine::setCurrentEngine(_engine.get());
        // 6. The state callback, the threads and the first redraw.
        _render->setStateCallback(&Player::onState, this);
        _render->startThreads();
        _render->addTickets(1);
    }

    ~Player() override
    {
        _engine->pause();
        _render->stop(true);
        _preview->setRender(nullptr);
        AVEngine::setCurrentEngine(nullptr);
        _engine.reset();
        _render.reset();
        _loader.reset();
        _composition.reset();
        // The video thread's context goes on this thread's event loop.
        QCoreApplication::processEvents();
        _preview.reset();
    }

    AVEngine* engine() const { return _engine.get(); }
    AVGLWidget* preview() const { return _preview.get(); }

    // Waits, bounded, for the segment to load; false (with a message) when it fails.
    bool loaded(int32_t id, const QString& path) const
    {
        AVSegment* segment = _composition->findSegment(uint32_t(id));
        waitFor([segment] { return segment->status() != AVSegmentNotLoaded; }, kLoadSeconds);
        if (segment->status() == AVSegmentReady)
            return true;
        std::fprintf(stderr, "engine-demo: %s did not load (%d)\n", qPrintable(path), segment->status());
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != _preview.get() || event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Space:
            _engine->togglePlayback();
            return true;
        case Qt::Key_Left:
            _engine->seek(_engine->currentTime() - kSeekStep, true);
            return true;
        case Qt::Key_Right:
            _engine->seek(_engine->currentTime() + kSeekStep, true);
            return true;
        default:
            return false;
        }
    }

private:
    // On the video thread: frames are shown on the GUI thread, the rest printed.
    static void onState(AVRender*, int code, double time, void* context)
    {
        auto* self = static_cast<Player*>(context);
        if (code == AVRender::StateFrameDrawn) {
            QMetaObject::invokeMethod(self->_preview.get(), qOverload<>(&QWidget::update), Qt::QueuedConnection);
            return;
        }
        std::printf("%8.3f s  %s\n", time, stateName(code));
        std::fflush(stdout);
    }

    static void onThumbnails(int32_t id, void*)
    {
        std::printf("segment %d: timeline thumbnails ready\n", id);
        std::fflush(stdout);
    }

    std::unique_ptr<AVGLWidget> _preview;
    std::unique_ptr<AVRender> _render;
    std::unique_ptr<AVComposition> _composition;
    std::unique_ptr<AVImageLoader> _loader;
    std::unique_ptr<AVEngine> _engine;
};

} // namespace

int runPlay(const QStringList& arguments)
{
    const QString video = optionText(arguments, "--video", QString());
    const QString music = optionText(arguments, "--music", QString());
    const QString screenshot = optionText(arguments, "--screenshot", QString());
    bool valid = false;
    const double seconds = optionText(arguments, "--seconds", QString()).toDouble(&valid);
    if (video.isEmpty() || screenshot.isEmpty() || !valid || !std::isfinite(seconds) || seconds <= 0
        || seconds > kLongestPlay) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const QByteArray videoPath = video.toUtf8();
    int width = 0, height = 0;
    if (!movieSize(videoPath, &width, &height)) {
        std::fprintf(stderr, "engine-demo: cannot open the picture of %s\n", videoPath.constData());
        return 1;
    }
    Player player(width, height);
    if (!player.preview()->isValid()) {
        std::fprintf(stderr, "engine-demo: the preview has no OpenGL 3.2 core context\n");
        return 1;
    }
    AVEngine* engine = player.engine();
    engine->createVideoSegment(kVideoId, videoPath.constData(), 0.0f, 0.0f, 0.0f, kThumbnailHeight, 0);
    engine->createAudioSegment(kMovieSoundId, videoPath.constData(), 0.0f, 0.0f, 0.0f);
    if (!music.isEmpty())
        engine->createAudioSegment(kMusicId, music.toUtf8().constData(), 0.0f, 0.0f, 0.0f);
    if (!player.loaded(kVideoId, video) || (!music.isEmpty() && !player.loaded(kMusicId, music)))
        return 1;
    if (!player.loaded(kMovieSoundId, video))
        std::printf("%s has no sound of its own\n", videoPath.constData());
    std::printf("playing %d x %d for %.1f s: Space pauses and plays, the arrows seek %.0f s\n", width, height,
                seconds, double(kSeekStep));
    engine->togglePlayback();
    waitFor([] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return false;
    }, seconds);
    const QImage picture = player.preview()->grabFramebuffer();
    if (picture.isNull() || !picture.save(screenshot)) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(screenshot));
        return 1;
    }
    std::printf("screenshot at %.3f s written to %s\n", double(engine->currentTime()), qPrintable(screenshot));
    engine->pause();
    waitFor([engine] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return engine->isRenderIdle();
    }, kStopSeconds);
    return 0;
}
