#pragma once

// Shared by the plain benchmark executables: their media made with the
// ffmpeg command line, and bounded waits.

#include "AVGLContext.h"
#include "AVThread_QThread_Type.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>

// The folder the media are made in: the first argument, else a temporary
// folder shared by the benchmarks; made when missing.
inline QString benchWorkFolder(int argc, char** argv)
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath("vidorna-bench");
    QDir().mkpath(folder);
    return folder;
}

// Runs ffmpeg with the arguments and file as its output, unless file exists
// already; false when ffmpeg fails or takes longer than five minutes.
inline bool benchMakeMedia(const QString& file, const QStringList& arguments)
{
    if (QFileInfo::exists(file))
        return true;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start("ffmpeg",
                 QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments + QStringList{file});
    return ffmpeg.waitForFinished(300000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// Polls condition every millisecond for at most seconds.
inline bool benchWaitFor(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > qint64(seconds * 1000))
            return false;
        avThreadSleep(0.001);
    }
    return true;
}

// Handles the events of this thread until condition holds, for at most
// limitMs; whether it holds. It sleeps between events as the application's
// own loop does: a spinning wait would count a whole core to the work
// measured. A tick every millisecond sees a condition no event announces.
inline bool benchProcessEventsUntil(const std::function<bool()>& condition, qint64 limitMs)
{
    QTimer tick;
    tick.start(1);
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return condition();
}

// An engine context made on this thread, its renderer built and the context
// current for drawing until the object goes. Reports under the benchmark's
// name when the display gives none.
class BenchDrawing {
public:
    explicit BenchDrawing(const char* name)
    {
        if (!avGLCreateOffscreenContext(&_slot, QThread::currentThread())) {
            std::fprintf(stderr, "%s: no OpenGL 3.2 core context (run it under xvfb-run)\n", name);
            return;
        }
        _contexts.playback = &_slot;
        _renderer = avGLSetUpDrawing(&_slot, nullptr);
        _drawing = _renderer && avGLBeginDrawing(&_contexts);
        if (!_drawing)
            std::fprintf(stderr, "%s: the engine context cannot be used\n", name);
    }
    ~BenchDrawing()
    {
        if (_drawing)
            avGLEndDrawing();
        if (_renderer)
            avGLTearDownDrawing(&_slot, &_renderer, nullptr, nullptr);
        avGLContextRelease(&_slot);
    }
    BenchDrawing(const BenchDrawing&) = delete;
    BenchDrawing& operator=(const BenchDrawing&) = delete;

    bool isDrawing() const { return _drawing; }
    AVGLRenderer* renderer() const { return _renderer; }

private:
    AVGLContextSlot _slot;
    AVGLDrawingContexts _contexts;
    AVGLRenderer* _renderer = nullptr;
    bool _drawing = false;
};
