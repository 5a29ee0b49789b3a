#pragma once

#include "RecordingListener.h"

class QWidget;

// The gallery's segment owner: the editor's painting constants (those of the
// model tests' owner), a project folder for the media it makes, and one set
// of movie thumbnails painted in place of the engine's. Every sound and
// movie lasts kMediaSeconds.
class GalleryListener : public RecordingListener
{
public:
    static constexpr float kMediaSeconds = 6.0f;

    GalleryListener(const QString& projectFolder, VideoThumbnails* thumbnails);

    // Repainted when a waveform becomes ready (on a pool thread). Set once
    // before any segment loads; the window outlives them.
    void setWindow(QWidget* window) { _window = window; }

    float segmentTimeToPixels(Segment*, float time) override;
    void segmentAudioPlotDataDidReady(Segment*) override;

private:
    QWidget* _window = nullptr;
};
