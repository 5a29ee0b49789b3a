#pragma once

#include "DemoDrawing.h"

#include <QString>

#include <memory>
#include <optional>

class AVComposition;
class AVImageLoader;
class AVLayerSegment;
class AVVideoSegment;

// A composition on this thread's engine context, with the image loader its
// picture layers read through, filled the way the main window fills one.
// Segments go before the loader, the context last. Without drawHere this
// thread holds no context: another thread (the exporter's) draws and mixes.
class DemoComposition {
public:
    DemoComposition(int width, int height, bool drawHere = true);
    ~DemoComposition();
    DemoComposition(const DemoComposition&) = delete;
    DemoComposition& operator=(const DemoComposition&) = delete;

    // False (with a message) when there is no engine context.
    bool isReady() const;
    AVComposition* composition() const { return _composition.get(); }

    // A movie contributes its picture and its sound as two engine segments
    // under consecutive ids; a movie without sound keeps only its picture
    // (its sound segment fails to load). Waits, bounded, for both loads;
    // false when the picture cannot be opened.
    bool addMovie(const QString& path, double start);
    // A sound file; false when it cannot be opened.
    bool addSound(const QString& path, double start, float volume);
    AVLayerSegment* addPicture(const QString& path, double start, double duration);
    AVLayerSegment* addText(const QString& text, double start, double duration);

    AVVideoSegment* movie() const { return _movie; }
    AVImageLoader* loader() const { return _loader.get(); }

private:
    uint32_t _nextId();
    bool _waitForLoad(class AVSegment* segment) const;

    std::optional<DemoDrawing> _drawing;
    std::unique_ptr<AVImageLoader> _loader;
    std::unique_ptr<AVComposition> _composition;
    AVVideoSegment* _movie = nullptr;
    uint32_t _lastId = 0;
    int _width;
    int _height;
};
