#include "AssetLoadingThreadPool.h"
#include "Segment.h"
#include "SegmentKeys.h"
#include "SegmentListener.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// A loading task decodes one picture or asks the engine a few questions; a
// minute is far beyond that, and past it the segment goes with a warning
// rather than hanging the window for ever.
constexpr int kPendingTaskWaitMs = 60000;

// Lengths are stored as text of six significant digits, and an edit can
// leave a range or a trim a rounding step past the media's end, which the
// timeline shows as the media's length. Within that precision a stored
// length is the one shown already: rewriting it would change a saved
// project at each opening.
bool isStoredLength(float stored, float shown)
{
    constexpr float kStoredPrecision = 1e-5f;
    return std::abs(stored - shown) <= kStoredPrecision * std::max(1.0f, shown);
}

bool holdsFolder(const QString& path)
{
    return path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'));
}

} // namespace

QString Segment::storedFileOf(const SegmentAttributes* attributes)
{
    if (const QString* file = attributes->findText(SegmentKey::File))
        return *file;
    return stringAttribute(attributes, SegmentKey::URL);
}

QString Segment::resolvedFilePath(const QString& stored, const QString& projectDirectory)
{
    if (stored.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    return projectDirectory + QDir::separator() + stored;
}

QString Segment::absoluteFilePath() const
{
    const QString folder = _owner ? _owner->segmentProjectDirectory(const_cast<Segment*>(this)) : QString();
    return resolvedFilePath(storedFileOf(_attributes.get()), folder);
}

void Segment::setFilePath(const QString& path)
{
    QString stored = path;
    const QString folder = _owner ? _owner->segmentProjectDirectory(this) : QString();
    // Only a whole folder name counts ("/a/movie2/x.png" is not inside
    // "/a/movie"), and only a remainder that leads back to the same file.
    if (!folder.isEmpty() && path.startsWith(folder) && path.size() > folder.size() + 1) {
        const QString relative = path.mid(folder.size() + 1);
        if (resolvedFilePath(relative, folder) == path)
            stored = relative;
    }
    setStringAttribute(_attributes.get(), SegmentKey::File, stored);
}

QString Segment::fileDisplayName() const
{
    const QString file = storedFileOf(_attributes.get());
    if (!holdsFolder(file))
        return file;
    QString normalised = file;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return normalised.section(QLatin1Char('/'), -1);
}

void Segment::_startTask(QRunnable* task)
{
    _hasQueuedTasks = true;
    AssetLoadingThreadPool::instance()->startForSegment(this, task);
}

void Segment::_finishPendingTasks()
{
    if (!_hasQueuedTasks)
        return;
    if (!AssetLoadingThreadPool::instance()->cancelOrWaitForSegment(this, kPendingTaskWaitMs))
        qWarning() << "A loading task of segment" << _serialNumber << "still runs after"
                   << kPendingTaskWaitMs << "ms";
}

void Segment::_fillTimeStampFromFile()
{
    if (doubleAttribute(_attributes.get(), SegmentKey::TimeStamp, 0.0) != 0.0)
        return;
    const QFileInfo file(absoluteFilePath());
    if (file.filePath().isEmpty() || !file.exists())
        return;
    setStringAttribute(_attributes.get(), SegmentKey::TimeStamp,
                       QString::number(file.lastModified().toMSecsSinceEpoch()));
    _timeStampFromFile = true;
}

double Segment::_fileTimeStamp() const
{
    const_cast<Segment*>(this)->_fillTimeStampFromFile();
    return Segment::timeStamp();
}

float Segment::_trimTime(const QString& key) const
{
    return floatAttribute(_attributes.get(), key, 0.0f) / speed();
}

void Segment::_setTrimTime(const QString& key, float seconds)
{
    setFloatAttribute(_attributes.get(), key, seconds * speed());
}

bool Segment::_moveStartWithTrim(float time)
{
    const float start = rangeStart();
    const float trimStart = _trimTime(SegmentKey::TrimStart);
    const float newTrimStart = trimStart + (time - start);
    const bool withinMedia = newTrimStart >= 0.0f;
    // Range and trim each change by the start's shift from their own
    // lengths: a length measured as the end minus the new start would carry
    // the rounding of times far into the timeline (a quarter of a
    // millisecond an hour in), leaving range and trim apart or past the media.
    const float shift = withinMedia ? time - start : -trimStart;
    const float length = duration() - shift;
    const float trimLength = _trimTime(SegmentKey::TrimDuration) - shift;
    setRangeDuration(length);
    setRangeStart(withinMedia ? time : start - trimStart);
    _setTrimTime(SegmentKey::TrimDuration, trimLength);
    _setTrimTime(SegmentKey::TrimStart, withinMedia ? newTrimStart : 0.0f);
    return withinMedia;
}

bool Segment::_moveEndWithinMedia(float time, float mediaDuration)
{
    float length = time - rangeStart();
    const float trimStart = _trimTime(SegmentKey::TrimStart);
    const float playable = mediaDuration / speed() - trimStart;
    // Until the engine has told the media's length there is no end to clamp to.
    const bool clamped = mediaDuration > 0.0f && length > playable;
    if (clamped)
        length = playable;
    setRangeDuration(length);
    _setTrimTime(SegmentKey::TrimDuration, length);
    return !clamped;
}

float Segment::_durationWithinMedia(float mediaDuration) const
{
    const float stored = Segment::duration();
    if (mediaDuration == 0.0f)
        return stored;
    // A trimmed segment keeps its own length (a reopened project's trims, an
    // end moved earlier); only a missing range or one that runs past the
    // media takes the media's length.
    const float full = mediaDuration / speed();
    return stored > 0.0f && stored < full ? stored : full;
}

void Segment::_fitTimingToMedia(float mediaDuration)
{
    // The engine stretches the trim over the range: a trim of another length
    // than the range (missing, or one past the media's end) would play
    // something else than the tile shows, the whole media over a short range.
    const float shown = _durationWithinMedia(mediaDuration);
    if (!isStoredLength(Segment::duration(), shown))
        setRangeDuration(shown);
    if (!isStoredLength(_trimTime(SegmentKey::TrimDuration), shown))
        _setTrimTime(SegmentKey::TrimDuration, shown);
}
