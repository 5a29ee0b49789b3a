#pragma once

#include "SegmentListener.h"

#include <atomic>

// A segment owner that answers with the editor's constants and counts the
// reports it receives.
class RecordingListener : public SegmentListener
{
public:
    // Loading tasks report from pool threads while the test reads.
    std::atomic<int> stateReports{0};
    std::atomic<int> lastState{-1};
    std::atomic<int> rangeReports{0};

    void segmentStateChanged(Segment*, int state) override { ++stateReports; lastState = state; }
    void segmentRangeChanged(Segment*) override { ++rangeReports; }
    ProjectManager* segmentProjectManager(Segment*) override { return nullptr; }
    QString segmentProjectDirectory(Segment*) override { return QString(); }
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
    float segmentVideoMediaDuration(Segment*) override { return 0; }
    float segmentMediaDuration(Segment*) override { return 0; }
    QSizeF segmentVideoSize(Segment*) override { return QSizeF(); }
    QString segmentAudioTitle(Segment*) override { return QString(); }
    QString segmentAudioArtist(Segment*) override { return QString(); }
    void segmentSetVideoThumbnail(Segment*, int, const QImage&) override {}
    QPixmap segmentVideoThumbnail(Segment*, int) override { return QPixmap(); }
    VideoThumbnails* segmentVideoThumbnails(Segment*) override { return nullptr; }
    int segmentVideoThumbnailCount(Segment*) override { return 0; }
    float segmentDevicePixelRatio(Segment*) override { return 1; }
    float segmentTimeToPixels(Segment*, float time) override { return time * 4; }
    void segmentAudioPlotDataDidReady(Segment*) override {}
};
