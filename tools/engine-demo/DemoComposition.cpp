#include "DemoComposition.h"

#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVImageLoader.h"
#include "AVImageSegment.h"
#include "AVImageServices.h"
#include "AVTextSegment.h"
#include "AVVideoSegment.h"
#include "DemoSupport.h"

#include <cstdio>

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr double kLoadSeconds = 10.0;
constexpr uint32_t kThumbnailHeight = 64;

} // namespace

DemoComposition::DemoComposition(int width, int height, bool drawHere)
    : _loader(std::make_unique<AVImageLoader>()), _width(width), _height(height)
{
    if (drawHere && !_drawing.emplace().isDrawing())
        return;
    AVGLRenderer* renderer = drawHere ? _drawing->renderer() : nullptr;
    _composition = std::make_unique<AVComposition>(width, height, kSampleRate, kChannels, renderer);
    avSetImageServicesCompositionSize(width, height);
}

DemoComposition::~DemoComposition()
{
    // Layers free their textures on the context, which is still current;
    // picture segments leave the loader before it stops.
    _composition.reset();
    _loader.reset();
}

bool DemoComposition::isReady() const
{
    return _composition != nullptr;
}

uint32_t DemoComposition::_nextId()
{
    return ++_lastId;
}

bool DemoComposition::_waitForLoad(AVSegment* segment) const
{
    return waitFor([segment] { return segment->status() != AVSegmentNotLoaded; }, kLoadSeconds)
        && segment->status() == AVSegmentReady;
}

bool DemoComposition::addMovie(const QString& path, double start)
{
    const QByteArray file = path.toUtf8();
    auto* video = new AVVideoSegment(start, file.constData(), uint32_t(_width), uint32_t(_height), kThumbnailHeight);
    auto* sound = new AVAudioSegment(start, file.constData(), kSampleRate, kChannels);
    _composition->addSegment(video, _nextId());
    _composition->addSegment(sound, _nextId());
    if (!_waitForLoad(video)) {
        std::fprintf(stderr, "engine-demo: cannot open the picture of %s (%d)\n", file.constData(), video->status());
        return false;
    }
    if (!_waitForLoad(sound))
        std::fprintf(stderr, "engine-demo: %s has no sound to play (%d)\n", file.constData(), sound->status());
    _movie = video;
    return true;
}

bool DemoComposition::addSound(const QString& path, double start, float volume)
{
    const QByteArray file = path.toUtf8();
    auto* sound = new AVAudioSegment(start, file.constData(), kSampleRate, kChannels);
    sound->setVolume(volume);
    _composition->addSegment(sound, _nextId());
    if (_waitForLoad(sound))
        return true;
    std::fprintf(stderr, "engine-demo: cannot open the sound of %s (%d)\n", file.constData(), sound->status());
    return false;
}

AVLayerSegment* DemoComposition::addPicture(const QString& path, double start, double duration)
{
    auto* picture = new AVImageSegment(_loader.get(), start, duration, path.toUtf8().constData(), uint32_t(_width),
                                       uint32_t(_height));
    _composition->addSegment(picture, _nextId());
    return picture;
}

AVLayerSegment* DemoComposition::addText(const QString& text, double start, double duration)
{
    // The text box of the main window's layout: the canvas width, half its height.
    auto* layer = new AVTextSegment(start, duration, text.toUtf8().constData(), uint32_t(_width),
                                    uint32_t(_height / 2), uint32_t(_width), uint32_t(_height));
    _composition->addSegment(layer, _nextId());
    return layer;
}
