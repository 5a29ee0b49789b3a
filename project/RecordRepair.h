#pragma once

#include "ProjectManager.h"

// Makes the values of segment records sound before segments are built from
// them. A project from an older version, another machine or a damaged disk
// can hold numbers the model cannot: not numbers at all (nan, inf), starts
// and lengths below zero, or so large that the timeline's pixel widths and
// the export's frame count overflow.
class RecordRepair
{
public:
    // The longest movie the editor makes: one day. Every start and length
    // lies within it, so that a tile's width in pixels fits an int at the
    // closest zoom.
    static constexpr float kLongestMovieSeconds = 24.0f * 60.0f * 60.0f;

    // The lengths a picture, a text and a drawing get when they have none.
    struct StillLengths {
        float image = 2.0f;
        float text = 2.0f;
        float drawing = 2.0f;
    };

    // Repairs every record in place and leaves out, with a warning, those
    // that lie beyond the longest movie. Answers the number of records
    // repaired or left out.
    static int repair(SegmentRecords& records, const StillLengths& lengths);
    // A project length read from the properties, within 0 and the longest movie.
    static float soundProjectDuration(float seconds);

private:
    static bool _liesBeyondLongestMovie(const SegmentAttributes* record);
    static bool _repairRecord(SegmentAttributes* record, const StillLengths& lengths);
    static bool _repairTiming(SegmentAttributes* record, const StillLengths& lengths);
    static bool _repairTrim(SegmentAttributes* record, const QString& key, float fallback);
    static bool _repairTransitions(SegmentAttributes* record);
    // Stores the value when it differs from the one stored by more than the
    // tolerance; answers whether it did.
    static bool _store(SegmentAttributes* record, const QString& key, float value, float stored,
                       float tolerance = 0.0f);
};
