// The cost of pushing every property and animation group of one segment to
// the engine (done for each segment a project opens, and again at every
// reload or undo): a picture, a movie and a text, each with two transitions,
// on a 1920x1080 composition. Pass the media folder as the first argument,
// before the benchmark options.

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVImageLoader.h"
#include "BenchSupport.h"
#include "ImageSegment.h"
#include "MainWindow.h"
#include "MovieSegment.h"
#include "ProjectManager.h"
#include "SegmentKeys.h"
#include "TextSegment.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString mediaFolder;

class BenchWindow : public MainWindow
{
public:
    using MainWindow::MainWindow;
    using MainWindow::_createEngineSegment;
    using MainWindow::_pushSegmentProperties;

    // An engine without playback: the push only sets values.
    void startEngine()
    {
        _composition = new AVComposition(1920, 1080, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
        _imageLoader = new AVImageLoader();
        _engine = new AVEngine(_composition, _imageLoader, nullptr);
    }

    void stopEngine()
    {
        delete _composition;
        _composition = nullptr;
        delete _imageLoader;
        _imageLoader = nullptr;
        delete _engine;
        _engine = nullptr;
    }
};

std::unique_ptr<Segment> makeSegment(int kind)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setIntAttribute(attributes.get(), SegmentKey::TrackId, 1);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 4.0f);
    std::unique_ptr<Segment> segment;
    if (kind == 0) {
        Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("IMAGE"));
        Segment::setStringAttribute(attributes.get(), SegmentKey::File, mediaFolder + "/push-picture.png");
        segment = std::make_unique<ImageSegment>(std::move(attributes), nullptr, false);
    } else if (kind == 1) {
        Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("MOVIE"));
        Segment::setStringAttribute(attributes.get(), SegmentKey::File, mediaFolder + "/push-movie.mp4");
        segment = std::make_unique<MovieSegment>(std::move(attributes), nullptr, false);
    } else {
        Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("TEXT"));
        Segment::setStringAttribute(attributes.get(), SegmentKey::Text, QStringLiteral("Caption"));
        segment = std::make_unique<TextSegment>(std::move(attributes), nullptr, false);
    }
    segment->setBorderWidth(12.0f);
    segment->setShadowPixelOffset(QSizeF(6.4, 6.4));
    segment->addTransitionAtTime(1.0f, 0.0f);
    segment->addTransitionAtTime(1.0f, 2.5f);
    return segment;
}

void BM_PushSegmentProperties(benchmark::State& state)
{
    QTemporaryDir product;
    ProjectManager::setWorkingFolder(product.path());
    {
        BenchWindow window(QStringLiteral("Bench"), QString());
        window.startEngine();
        std::unique_ptr<Segment> segment = makeSegment(int(state.range(0)));
        window._createEngineSegment(segment.get());
        if (segment->transitionCount() != 2)
            state.SkipWithError("the transitions did not fit");
        for (auto _ : state)
            window._pushSegmentProperties(segment.get());
        window.stopEngine();
    }
    ProjectManager::setWorkingFolder(QString());
}
BENCHMARK(BM_PushSegmentProperties)->ArgName("picture0_movie1_text2")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool folderGiven = argc > 1 && argv[1][0] != '-';
    mediaFolder = benchWorkFolder(folderGiven ? 2 : 1, argv);
    if (folderGiven) {
        // The folder is ours, not the benchmark library's.
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    const bool made =
        benchMakeMedia(mediaFolder + "/push-picture.png", {"-f", "lavfi", "-i", "testsrc2=s=640x360", "-frames:v", "1"})
        && benchMakeMedia(mediaFolder + "/push-movie.mp4", {"-f", "lavfi", "-i", "testsrc2=s=640x360:d=4", "-f",
                                                            "lavfi", "-i", "sine=d=4", "-c:v", "libx264", "-c:a",
                                                            "aac", "-shortest"});
    if (!made) {
        std::fprintf(stderr, "property_push_bench: ffmpeg could not make the media\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
