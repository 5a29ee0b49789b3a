#pragma once

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVRender.h"
#include "MainWindow.h"
#include "Segment.h"

#include <QCoreApplication>
#include <QElapsedTimer>

// The editing window with its protected steps opened to the tests, and the
// engine set up as the preview set-up does: the preview shown first so that
// the engine's contexts share its textures.
class TestWindow : public MainWindow
{
public:
    using MainWindow::MainWindow;
    using MainWindow::_applySegmentTiming;
    using MainWindow::_cleanProjectFolder;
    using MainWindow::_finishClosing;
    using MainWindow::_grabSegmentImage;
    using MainWindow::_probeDraggedGifDuration;
    using MainWindow::_probeDraggedMediaDuration;
    using MainWindow::_removeExportedFiles;
    using MainWindow::_saveProject;
    using MainWindow::_showOpenProjectError;

    AVComposition* composition() const { return _composition; }
    // What the timeline records when a trim or move begins.
    void beginEditing(const Segment* segment)
    {
        _previousRangeStart = segment->rangeStart();
        _previousRangeEnd = segment->rangeStart() + segment->duration();
    }
    float draggedMediaDuration() const { return _draggedMediaDuration; }
    VideoThumbnailsCache* thumbnailsCache() const { return _thumbnailsCache; }
    AVGLWidget* preview() const { return _previewWidget; }

    bool startEngine(int width, int height)
    {
        _previewWidget = new AVGLWidget();
        _previewWidget->resize(width, height);
        _previewWidget->show();
        QElapsedTimer clock;
        clock.start();
        while (!_previewWidget->isValid() && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        if (!_previewWidget->isValid())
            return false;
        _render = new AVRender(nullptr, width, height);
        _previewWidget->setRender(_render);
        _previewWidget->connectSignals();
        _composition = new AVComposition(width, height, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
        _render->setComposition(_composition);
        _imageLoader = new AVImageLoader();
        _engine = new AVEngine(_composition, _imageLoader, _render);
        AVEngine::setCurrentEngine(_engine);
        _render->setStateCallback(&MainWindow::AVRenderCallback, this);
        _render->startThreads();
        return true;
    }
};
