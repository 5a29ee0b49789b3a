#pragma once

#include "AVAnimatedValues.h"
#include "AVSegment.h"

#include <cstdint>
#include <memory>

// The non-visual item of a composition: a static volume set by the editor and
// a current volume that the volume transitions animate. The mixer multiplies
// a segment's samples with its current volume after asking for them.
//
// One mutex (the sound mutex) guards the volume and the animation list, so
// the facade may edit either while the mixing thread evaluates them.
class AVSoundSegment : public AVSegment {
public:
    explicit AVSoundSegment(double start);
    AVSoundSegment(double start, double duration);
    ~AVSoundSegment() override;

    bool isVisual() const override { return false; }
    // The values the volume transitions write; only valid under the sound
    // mutex, which the evaluation holds.
    AVAnimatedValues* currentValues() override { return &_current; }

    // Negative volumes are stored as 0.
    void setVolume(float volume);
    float volume() const;
    float currentVolume() const;

    // Resets the current volume from the static one and applies the volume
    // transitions at the composition time (never earlier than the start).
    void applyAnimationsAt(double time);

    // Pitch factor of the sound; nothing to change here.
    virtual void setPitch(double factor);

    // Writes the samples that lie in the window [from, to) of composition
    // sample positions into buffer and returns their byte count; *start gets
    // the position of the first one. *done becomes 1 when nothing more is to
    // come for this window. Nothing here: a plain sound segment has no samples.
    virtual int32_t readSamples(uint8_t* buffer, int32_t capacity, double* start, int64_t from, int64_t to,
                                uint8_t* done);

private:
    std::unique_ptr<AVMutex> _soundMutex;
    float _volume = 1.0f;
    AVAnimatedValues _current;
};
