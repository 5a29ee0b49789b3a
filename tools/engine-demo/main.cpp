// engine-demo: a command-line window onto the media engine for developers
// and reviewers. Run without arguments for the list of commands.

#include "DemoCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <map>

namespace {

struct Command {
    int (*run)(const QStringList&);
    const char* usage;
};

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {"easing", {runEasing, "easing [TYPE] [--steps N]   sample easing curve TYPE (1..30), or all of them"}},
        {"animate", {runAnimate,
                     "animate [--duration S] [--start F] [--length F] [--easing T] [--from A] [--to B] [--step S]\n"
                     "                              evaluate a rotation group on a segment and print its values"}},
        {"probe", {runProbe, "probe FILE [--out DIR]       media facts of FILE; writes its 16 thumbnails as PNG into DIR"}},
        {"decode-audio", {runDecodeAudio,
                          "decode-audio IN [--scale S] [--pitch P] --out OUT.wav\n"
                          "                              decode IN to 44100 Hz stereo with time scale S and pitch P"}},
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const auto it = commands().find(arguments.takeFirst());
    if (it == commands().end())
        return usage();
    return it->second.run(arguments);
}
