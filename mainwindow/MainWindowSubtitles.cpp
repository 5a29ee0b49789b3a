// A subtitle file dropped on the timeline: one text segment per cue, on one
// track at the cue's times.
#include "MainWindow.h"

#include "AVEngine.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "SegmentStyleDefaults.h"
#include "SubRipSubtitles.h"
#include "TextSegment.h"
#include "TrackWidget.h"

namespace {

constexpr int kMessageMs = 2000;
const QString kTextType = QStringLiteral("TEXT");

} // namespace

bool MainWindow::_insertSRTSubtitles(const QString& path, TrackWidget* track, float timeOffset)
{
    QString text;
    if (!track || !readSubtitleFile(path, &text)) {
        ProgressHUD::showMessage(tr("Failed to open SRT file"), this, kMessageMs);
        return false;
    }
    const QList<SubtitleEntry> entries = parseSubRipText(text);
    if (entries.isEmpty()) {
        ProgressHUD::showMessage(tr("No valid subtitles found in SRT file"), this, kMessageMs);
        return false;
    }
    SegmentStyleDefaults* defaults = habitStyleDefaults();
    // A track of another kind keeps its type and still receives the texts.
    const QString type = track->trackType().isEmpty() || track->trackType() == kTextType ? kTextType : QString();
    const bool onEmptyTrack = track == _newestTrack;
    for (const SubtitleEntry& entry : entries) {
        const float duration = entry.end - entry.start;
        auto* segment = new TextSegment(entry.text, entry.start + timeOffset, duration, this, defaults);
        segment->setRangeDuration(duration);
        _loadingCueSerials.insert(segment->serialNumber());
        _placeNewSegment(segment, track, type);
    }
    if (onEmptyTrack)
        _addTrack();
    _updateProjectDuration();
    _projectManager->setModified(true);
    if (_engine)
        _engine->requestRedraw();
    ProgressHUD::showMessage(tr("Successfully imported %1 subtitles from SRT file").arg(entries.size()), this,
                             kMessageMs);
    return true;
}
