// engine-demo: a command-line window onto the media engine for developers
// and reviewers. Run without arguments for the list of commands.

#include "DemoCommands.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <map>

namespace {

struct Command {
    int (*run)(const QStringList&);
    const char* usage;
    bool needsDisplay = false;  // OpenGL commands and windows need an application with widgets
};

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {"easing", {runEasing, "easing [TYPE] [--steps N]   sample easing curve TYPE (1..30), or all of them"}},
        {"animate", {runAnimate,
                     "animate [--duration S] [--start F] [--length F] [--easing T] [--from A] [--to B] [--step S]\n"
                     "                              evaluate a rotation group on a segment and print its values"}},
        {"gl-info", {runGlInfo, "gl-info                     OpenGL version, limits and program build time of an engine context", true}},
        {"fill", {runFill, "fill IN.png OUT.png         upload a picture, draw it into a framebuffer and read it back", true}},
        {"probe", {runProbe, "probe FILE [--out DIR]       media facts of FILE; writes its 16 thumbnails as PNG into DIR"}},
        {"decode-audio", {runDecodeAudio,
                          "decode-audio IN [--scale S] [--pitch P] --out OUT.wav\n"
                          "                              decode IN to 44100 Hz stereo with time scale S and pitch P"}},
        {"segment-frames", {runSegmentFrames,
                            "segment-frames FILE [--in S] [--length S] [--duration S] --times T,...\n"
                            "                              the media time of the frame a video segment shows at each time", true}},
        {"draw-layer", {runDrawLayer,
                        "draw-layer --image FILE --size WxH [options] --out PNG\n"
                        "                              draw a picture as one layer with its properties (no options: list)", true}},
        {"tone", {runTone, "tone [--seconds N]          play a generated tone through the sound output for N seconds", true}},
        {"compose", {runCompose,
                     "compose --video FILE [--image FILE] [--text TEXT] --at SECONDS --size WxH --out PNG\n"
                     "                              the layers of a movie, a picture and a text at a time into a PNG", true}},
        {"mix", {runMix,
                 "mix --audio FILE [--audio FILE ...] [--video FILE] [--volume V] --duration SECONDS --out WAV\n"
                 "                              the composition's mixed sound as a WAV file", true}},
        {"export", {runExport,
                    "export --video FILE [--music FILE] --size WxH --fps N --codec h264|hevc|vp9 [--at SECONDS] OUT\n"
                    "                              a movie placed at SECONDS (and music from 0) written as OUT", true}},
        {"play", {runPlay,
                  "play --video FILE [--music FILE] --seconds N --screenshot PNG\n"
                  "                              play in a window with sound (Space toggles, arrows seek) and save a screenshot", true}},
    };
    return table;
}

int usage()
{
    std::fprintf(stderr, "usage: engine-demo COMMAND [ARGS]\n\ncommands:\n");
    for (const auto& [name, command] : commands())
        std::fprintf(stderr, "  %s\n", command.usage);
    return 2;
}

// Without a display a GUI application would abort; say so instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int run(const QCoreApplication& app)
{
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const auto it = commands().find(arguments.takeFirst());
    if (it == commands().end())
        return usage();
    return it->second.run(arguments);
}

} // namespace

int main(int argc, char** argv)
{
    const auto it = argc > 1 ? commands().find(QString::fromLocal8Bit(argv[1])) : commands().end();
    if (it == commands().end() || !it->second.needsDisplay) {
        QCoreApplication app(argc, argv);
        return run(app);
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "engine-demo: %s needs a display with OpenGL (run it under xvfb-run)\n", argv[1]);
        return 1;
    }
    QApplication app(argc, argv);
    return run(app);
}
