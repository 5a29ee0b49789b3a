#pragma once

#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSizeF>
#include <QString>

class ProjectManager;
class Segment;
class VideoThumbnails;

// What a segment reports to the object that owns it, and what it asks of it:
// the project, engine facts about its media, cached video thumbnails and the
// constants of its timeline drawing. The editor window implements it; tests
// implement it with constants.
//
// Calls arrive on whatever thread the segment runs on: state reports and the
// thumbnail, picture and waveform operations come from loading tasks on pool
// threads, so they take and give pictures as QImage (QPixmap belongs to the
// GUI thread); the painting operations come from the GUI thread.
class SegmentListener
{
public:
    virtual ~SegmentListener() = default;

    virtual void segmentStateChanged(Segment* segment, int state) = 0;
    virtual void segmentRangeChanged(Segment* segment) = 0;
    virtual ProjectManager* segmentProjectManager(Segment* segment) = 0;
    // The project's aspect choice (its "resolution" number) and whether it is
    // landscape, asked here so that the model needs nothing of the project's
    // classes. Without a project: 1 (16:9) and landscape.
    virtual int segmentProjectResolution(Segment* segment) = 0;
    virtual bool segmentProjectIsLandscape(Segment* segment) = 0;
    virtual QString segmentProjectDirectory(Segment* segment) = 0;
    virtual QString segmentLoadErrorText(Segment* segment) = 0;
    virtual QString segmentFileNotFoundText(Segment* segment) = 0;
    virtual float segmentMessageMargin(Segment* segment) = 0;
    virtual QRgb segmentMessageBackgroundColor(Segment* segment) = 0;
    virtual QRgb segmentMessageTextColor(Segment* segment) = 0;
    virtual float segmentMessageFontPixelSize(Segment* segment) = 0;
    virtual float segmentLabelMargin(Segment* segment) = 0;
    virtual QRgb segmentLabelBackgroundColor(Segment* segment) = 0;
    virtual QRgb segmentLabelTextColor(Segment* segment) = 0;
    virtual float segmentLabelTextOffset(Segment* segment) = 0;
    virtual float segmentLabelFontPixelSize(Segment* segment) = 0;
    virtual QString segmentMusicPlaceholderText(Segment* segment) = 0;
    virtual QString segmentEmptyTextPlaceholder(Segment* segment) = 0;
    virtual QRgb segmentAccentColor(Segment* segment) = 0;
    virtual int segmentEngineVideoThumbnailCount(Segment* segment) = 0;
    virtual QImage segmentEngineVideoThumbnail(Segment* segment, int index) = 0;
    virtual void segmentFlushVideoFrames(Segment* segment) = 0;
    virtual float segmentVideoMediaDuration(Segment* segment) = 0;
    virtual float segmentMediaDuration(Segment* segment) = 0;
    virtual QSizeF segmentVideoSize(Segment* segment) = 0;
    virtual QString segmentAudioTitle(Segment* segment) = 0;
    virtual QString segmentAudioArtist(Segment* segment) = 0;
    virtual void segmentSetVideoThumbnail(Segment* segment, int index, const QImage& picture) = 0;
    virtual QPixmap segmentVideoThumbnail(Segment* segment, int index) = 0;
    virtual VideoThumbnails* segmentVideoThumbnails(Segment* segment) = 0;
    virtual int segmentVideoThumbnailCount(Segment* segment) = 0;
    virtual float segmentDevicePixelRatio(Segment* segment) = 0;
    virtual float segmentTimeToPixels(Segment* segment, float time) = 0;
    virtual void segmentAudioPlotDataDidReady(Segment* segment) = 0;
};
