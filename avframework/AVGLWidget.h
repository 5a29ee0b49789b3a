#pragma once

#include "AVGLProgram.h"
#include "AVGLRenderer.h"

#include <QBrush>
#include <QColor>
#include <QOpenGLFunctions_3_2_Core>
#include <QOpenGLWidget>

class AVExporter;
class AVRender;

// The preview: shows the composition's finished frame. Each paint fills the
// background (the colour, or a checkerboard when it is fully transparent),
// draws the composition's front texture over the whole widget, upright as
// the exporter reads it, and tells the playback driver that the frame was
// shown. Its context is the one the engine's offscreen contexts share
// textures with, so it must have been shown (initialised) before the
// driver starts its threads. GUI thread only.
class AVGLWidget : public QOpenGLWidget, private QOpenGLFunctions_3_2_Core {
    Q_OBJECT
public:
    explicit AVGLWidget(QWidget* parent = nullptr);
    ~AVGLWidget() override;

    // Not owned; a composition held for the window's composing is let go first.
    void setRender(AVRender* render);
    AVRender* render() const { return _render; }
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return _backgroundColor; }
    // The export under way; not owned.
    void setExporter(AVExporter* exporter) { _exporter = exporter; }
    AVExporter* exporter() const { return _exporter; }
    // Holds the composition's front target in place while the window is composed.
    void connectSignals();
    // The composition's finished picture as the preview shows it; a null
    // image while there is none showing every layer (before the first pass
    // ends, or while layers load again after an export), when the preview
    // would show its background alone or a picture with layers missing.
    QImage grabWholePicture();

public slots:
    void onAboutToCompose();
    void onFrameSwapped();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    bool _loadFillProgram();
    void _drawComposition();
    void _releaseGL();
    bool _rendering() const;

    AVRender* _render = nullptr;
    QColor _backgroundColor{0, 0, 0, 255};
    QBrush _checkerboard;
    AVGLProgram _fillProgram{};
    AVGLDrawSite _site{};
    AVExporter* _exporter = nullptr;
    AVRender* _composeLock = nullptr;  // whose composition is held while the window is composed
    bool _paintedWholePicture = false; // whether the last paint drew a picture of every layer
    // The release when the context goes; cut in the destructor, since the
    // base destroys the context after this part of the widget is gone.
    QMetaObject::Connection _contextRelease;
};
