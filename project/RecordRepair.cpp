#include "RecordRepair.h"

#include "Segment.h"
#include "SegmentKeys.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {

// The media decides the length of these; a record without one takes the media's.
bool lengthComesFromMedia(const QString& type)
{
    return type == QLatin1String("MOVIE") || type == QLatin1String("MUSIC") || type == QLatin1String("VOICE");
}

float stillLength(const QString& type, const RecordRepair::StillLengths& lengths)
{
    if (type == QLatin1String("TEXT"))
        return lengths.text;
    if (type == QLatin1String("DRAWING"))
        return lengths.drawing;
    return lengths.image;
}

// A time in seconds that is a number and not below zero.
bool isSoundTime(float seconds)
{
    return std::isfinite(seconds) && seconds >= 0.0f;
}

// Fractions are written with six significant digits: read back, one that the
// editor ended at its limit can lie this far beyond it.
constexpr float kFractionPrecision = 1e-6f;

float fractionWithin(float fraction, float room)
{
    return std::isfinite(fraction) ? std::clamp(fraction, 0.0f, room) : 0.0f;
}

} // namespace

int RecordRepair::repair(SegmentRecords& records, const StillLengths& lengths)
{
    int changed = 0;
    for (auto record = records.begin(); record != records.end();) {
        const bool repaired = _repairRecord(record->get(), lengths);
        if (_liesBeyondLongestMovie(record->get())) {
            qWarning().noquote()
                << QStringLiteral("A segment of type %1 starts or lasts beyond the longest movie; it is left out")
                       .arg(Segment::stringAttribute(record->get(), SegmentKey::Type));
            record = records.erase(record);
            ++changed;
            continue;
        }
        changed += repaired;
        ++record;
    }
    return changed;
}

float RecordRepair::soundProjectDuration(float seconds)
{
    return isSoundTime(seconds) ? std::min(seconds, kLongestMovieSeconds) : 0.0f;
}

// Asked of a repaired record, whose start and length are sound numbers.
bool RecordRepair::_liesBeyondLongestMovie(const SegmentAttributes* record)
{
    const float start = Segment::floatAttribute(record, SegmentKey::RangeStart, 0.0f);
    const float length = Segment::floatAttribute(record, SegmentKey::RangeDuration, 0.0f);
    return start > kLongestMovieSeconds || length > kLongestMovieSeconds || start + length > kLongestMovieSeconds;
}

bool RecordRepair::_repairRecord(SegmentAttributes* record, const StillLengths& lengths)
{
    const bool timing = _repairTiming(record, lengths);
    const bool transitions = _repairTransitions(record);
    if (timing || transitions)
        qWarning().noquote()
            << QStringLiteral("A segment of type %1 held values the editor cannot use; they were repaired")
                   .arg(Segment::stringAttribute(record, SegmentKey::Type));
    return timing || transitions;
}

bool RecordRepair::_repairTiming(SegmentAttributes* record, const StillLengths& lengths)
{
    const QString type = Segment::stringAttribute(record, SegmentKey::Type);
    const float start = Segment::floatAttribute(record, SegmentKey::RangeStart, 0.0f);
    bool changed = _store(record, SegmentKey::RangeStart, isSoundTime(start) ? start : 0.0f, start);
    const float length = Segment::floatAttribute(record, SegmentKey::RangeDuration, 0.0f);
    if (!(std::isfinite(length) && length > 0.0f)) {
        const float repaired = lengthComesFromMedia(type) ? 0.0f : stillLength(type, lengths);
        changed |= _store(record, SegmentKey::RangeDuration, repaired, length);
    }
    // A trim that no media can have plays the media from its start, as
    // long as the range lasts (both in media seconds, as the range is stored).
    const float playedLength = Segment::floatAttribute(record, SegmentKey::RangeDuration, 0.0f);
    changed |= _repairTrim(record, SegmentKey::TrimStart, 0.0f);
    changed |= _repairTrim(record, SegmentKey::TrimDuration, playedLength);
    return changed;
}

bool RecordRepair::_repairTrim(SegmentAttributes* record, const QString& key, float fallback)
{
    if (!record->findText(key))
        return false;
    const float trim = Segment::floatAttribute(record, key, 0.0f);
    return _store(record, key, isSoundTime(trim) && trim <= kLongestMovieSeconds ? trim : fallback, trim);
}

// Transition starts and lengths are fractions of the segment's length.
bool RecordRepair::_repairTransitions(SegmentAttributes* record)
{
    SegmentAttributes::TransitionList* transitions = record->transitions();
    if (!transitions)
        return false;
    bool changed = false;
    for (const auto& entry : *transitions) {
        const float start = Segment::floatAttribute(entry.get(), SegmentKey::TStart, 0.0f);
        const float soundStart = fractionWithin(start, 1.0f);
        changed |= _store(entry.get(), SegmentKey::TStart, soundStart, start, kFractionPrecision);
        const float length = Segment::floatAttribute(entry.get(), SegmentKey::TDuration, 0.0f);
        changed |= _store(entry.get(), SegmentKey::TDuration, fractionWithin(length, 1.0f - soundStart), length,
                          kFractionPrecision);
    }
    return changed;
}

bool RecordRepair::_store(SegmentAttributes* record, const QString& key, float value, float stored,
                          float tolerance)
{
    // A nan stored is never within a tolerance of its repair, so it is always replaced.
    if (std::abs(value - stored) <= tolerance)
        return false;
    Segment::setFloatAttribute(record, key, value);
    return true;
}
