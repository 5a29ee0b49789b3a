#pragma once

#include "SegmentListener.h"

#include <QObject>
#include <QString>

class QWidget;

// The gallery's segment owner: the editor's painting constants, a project
// folder for the media it makes, and one set of movie thumbnails painted in
// place of the engine's. Every sound and movie lasts kMediaSeconds.
class GalleryListener : public SegmentListener
{
public:
    static constexpr float kMediaSeconds = 6.0f;

    GalleryListener(const QString& projectFolder, VideoThumbnails* thumbnails);

    // Repainted when a waveform becomes ready (on a pool thread).
    void setWindow(QWidget* window) { _window = window; }

    void segmentStateChanged(Segment*, int) override {}
    void segmentRangeChanged(Segment*) override {}
    ProjectManager* segmentProjectManager(Segment*) override { return nullptr; }
    int segmentProjectResolution(Segment*) override { return 1; }
    bool segmentProjectIsLandscape(Segment*) override { return true; }
    QString segmentProjectDirectory(Segment*) override { return _projectFolder; }
    QString segmentLoadErrorText(Segment*) override { return QStringLiteral("Load Error"); }
    QString segmentFileNotFoundText(Segment*) override { return QStringLiteral("File Not Found"); }
    float segmentMessageMargin(Segment*) override { return 5; }
    QRgb segmentMessageBackgroundColor(Segment*) override { return 0xFFFFFF00; }
    QRgb segmentMessageTextColor(Segment*) override { return 0xFF000000; }
    float segmentMessageFontPixelSize(Segment*) override { return 12; }
    float segmentLabelMargin(Segment*) override { return 5; }
    QRgb segmentLabelBackgroundColor(Segment*) override { return 0xFFE6E6E6; }
    QRgb segmentLabelTextColor(Segment*) override { return 0xFF000000; }
    float segmentLabelTextOffset(Segment*) override { return 0.5f; }
    float segmentLabelFontPixelSize(Segment*) override { return 12; }
    QString segmentMusicPlaceholderText(Segment*) override { return QStringLiteral("<Music>"); }
    QString segmentEmptyTextPlaceholder(Segment*) override { return QStringLiteral("<No text>"); }
    QRgb segmentAccentColor(Segment*) override { return 0xFF0000FF; }
    int segmentEngineVideoThumbnailCount(Segment*) override { return 0; }
    QImage segmentEngineVideoThumbnail(Segment*, int) override { return QImage(); }
    void segmentFlushVideoFrames(Segment*) override {}
    float segmentVideoMediaDuration(Segment*) override { return kMediaSeconds; }
    float segmentMediaDuration(Segment*) override { return kMediaSeconds; }
    QSizeF segmentVideoSize(Segment*) override { return QSizeF(1280, 720); }
    QString segmentAudioTitle(Segment*) override { return QString(); }
    QString segmentAudioArtist(Segment*) override { return QString(); }
    void segmentSetVideoThumbnail(Segment*, int, const QImage&) override {}
    QPixmap segmentVideoThumbnail(Segment*, int) override { return QPixmap(); }
    VideoThumbnails* segmentVideoThumbnails(Segment*) override { return _thumbnails; }
    int segmentVideoThumbnailCount(Segment*) override;
    float segmentDevicePixelRatio(Segment*) override { return 1; }
    float segmentTimeToPixels(Segment*, float time) override;
    void segmentAudioPlotDataDidReady(Segment*) override;
    bool segmentIsFileUsedByOtherSegment(Segment*, const QString&) override { return false; }

private:
    QString _projectFolder;
    VideoThumbnails* _thumbnails;
    // Set once before any segment loads; it outlives them.
    QWidget* _window = nullptr;
};
