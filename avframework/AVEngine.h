#pragma once

#include <cstdint>

// The engine facade. So far it holds the process-wide codec flag: while it is
// set, a media stream that is put to sleep closes its decoder and releases its
// hardware device (the main window sets it).
class AVEngine {
public:
    static uint8_t codecFlag();
    static void setCodecFlag(uint8_t flag);
};
