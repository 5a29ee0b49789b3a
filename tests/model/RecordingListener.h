#pragma once

#include "SegmentListener.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>
#include <mutex>

// A segment owner that answers with the editor's constants and counts the
// reports it receives.
class RecordingListener : public SegmentListener
{
public:
    // Loading tasks report from pool threads while the test reads.
    std::atomic<int> stateReports{0};
    std::atomic<int> lastState{-1};
    std::atomic<int> rangeReports{0};

    void segmentStateChanged(Segment*, int state) override
    {
        std::lock_guard<std::mutex> locker(stateMutex);
        ++stateReports;
        lastState = state;
        stateHistory.append(state);
    }
    void segmentRangeChanged(Segment*) override { ++rangeReports; }
    ProjectManager* segmentProjectManager(Segment*) override { return nullptr; }
    int segmentProjectResolution(Segment*) override { return 1; }
    bool segmentProjectIsLandscape(Segment*) override { return true; }
    QString segmentProjectDirectory(Segment*) override { return projectDirectory; }
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
    int segmentEngineVideoThumbnailCount(Segment*) override { return engineThumbnails.size(); }
    QImage segmentEngineVideoThumbnail(Segment*, int index) override { return engineThumbnails.value(index); }
    void segmentFlushVideoFrames(Segment*) override { ++flushReports; }
    float segmentVideoMediaDuration(Segment*) override { return videoMediaDuration; }
    float segmentMediaDuration(Segment*) override { return mediaDuration; }
    QSizeF segmentVideoSize(Segment*) override { return videoSize; }
    QString segmentAudioTitle(Segment*) override { return QString(); }
    QString segmentAudioArtist(Segment*) override { return QString(); }
    void segmentSetVideoThumbnail(Segment*, int index, const QImage& picture) override
    {
        std::lock_guard<std::mutex> locker(stateMutex);
        storedThumbnails.insert(index, picture);
    }
    QPixmap segmentVideoThumbnail(Segment*, int) override { return QPixmap(); }
    VideoThumbnails* segmentVideoThumbnails(Segment*) override { return videoThumbnails; }
    int segmentVideoThumbnailCount(Segment*) override { return 0; }
    float segmentDevicePixelRatio(Segment*) override { return 1; }
    float segmentTimeToPixels(Segment*, float time) override { return time * 4; }
    void segmentAudioPlotDataDidReady(Segment*) override {}

    // Appended state: the answers of the file and media operations.
    QString projectDirectory;
    float mediaDuration = 0;
    float videoMediaDuration = 0;
    QSizeF videoSize;
    QVector<QImage> engineThumbnails;
    VideoThumbnails* videoThumbnails = nullptr;
    int flushReports = 0;
    // State reports and stored thumbnails arrive from pool threads.
    std::mutex stateMutex;
    QVector<int> stateHistory;
    QMap<int, QImage> storedThumbnails;

    void forgetStates()
    {
        std::lock_guard<std::mutex> locker(stateMutex);
        stateHistory.clear();
        lastState = -1;
    }
    QVector<int> states()
    {
        std::lock_guard<std::mutex> locker(stateMutex);
        return stateHistory;
    }
    // Waits (up to timeoutMs) until the last reported state is the given one.
    bool waitForState(int state, int timeoutMs = 10000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            {
                std::lock_guard<std::mutex> locker(stateMutex);
                if (lastState == state)
                    return true;
            }
            QThread::msleep(5);
        }
        return false;
    }
};
