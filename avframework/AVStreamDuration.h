#pragma once

#include <cstdint>

struct AVFormatContext;

// The play time of one stream of a media file whose container and stream
// headers state none (an elementary H.264 or MPEG video stream, a program
// stream without a timestamp at its start): where its last packet ends, in
// seconds from the stream's start; 0 when nothing could be read. The file of
// the opened context is opened once more for this, so the caller's own
// reading position stays; input that cannot seek (a pipe) cannot be read
// twice and gives 0. Timestamped files are read from near their end only;
// files without timestamps are read through once, adding up packet durations.
double avScanStreamDuration(const AVFormatContext* opened, int32_t streamIndex);
