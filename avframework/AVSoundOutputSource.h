#pragma once

#include <cstdint>

// Where a sound output takes what it plays: a mix of 16-bit interleaved PCM
// that grows at the front as it is mixed and is read out from there. The
// sound output's fill thread and owning thread both read; implementations
// are safe to call from both.
class AVSoundOutputSource {
public:
    virtual ~AVSoundOutputSource() = default;
    // Copies the complete bytes at the front (at most capacity) and moves on
    // past them; *position gets the sample frame index of the first byte.
    // 0 when nothing is complete.
    virtual int32_t readAudio(uint8_t* destination, int32_t capacity, double* position) = 0;
    // Whether the mix is as complete as it gets for now.
    virtual uint8_t isMixComplete() const = 0;
    // Whether the mix has reached its end.
    virtual bool isAudioAtEnd() const = 0;
};
