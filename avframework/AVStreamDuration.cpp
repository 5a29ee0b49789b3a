#include "AVStreamDuration.h"

#include "AVFFmpegPointers.h"

#include <algorithm>

namespace {

// How far before the end a timestamped file is read.
constexpr int64_t kTailBytes = 4 * 1024 * 1024;
// Bounds a read-through (about 38 hours of video at 30 frames a second).
constexpr int64_t kMaxScanPackets = int64_t(1) << 22;

struct PacketScan {
    int64_t start = AV_NOPTS_VALUE; // first timestamp seen
    int64_t end = AV_NOPTS_VALUE;   // latest timestamp plus its duration
    int64_t durationSum = 0;
};

AVFormatContextPtr openFile(const char* path, int32_t streamIndex)
{
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path, nullptr, nullptr) < 0)
        return nullptr;
    AVFormatContextPtr context(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0 || streamIndex < 0 || unsigned(streamIndex) >= raw->nb_streams)
        return nullptr;
    return context;
}

// Reads packets of the stream until the end, or until one with a timestamp
// was read when firstOnly is set.
void readPackets(AVFormatContext* context, int32_t streamIndex, bool firstOnly, PacketScan& scan)
{
    AVPacketPtr packet(av_packet_alloc());
    if (!packet)
        return;
    for (int64_t count = 0; count < kMaxScanPackets && av_read_frame(context, packet.get()) >= 0; ++count) {
        if (packet->stream_index == streamIndex) {
            const int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            scan.durationSum += std::max<int64_t>(packet->duration, 0);
            if (at != AV_NOPTS_VALUE) {
                scan.start = scan.start == AV_NOPTS_VALUE ? at : std::min(scan.start, at);
                const int64_t end = at + std::max<int64_t>(packet->duration, 0);
                scan.end = scan.end == AV_NOPTS_VALUE ? end : std::max(scan.end, end);
            }
        }
        av_packet_unref(packet.get());
        if (firstOnly && scan.start != AV_NOPTS_VALUE)
            return;
    }
}

// The end of the last packet of a timestamped file, from its tail.
double tailDuration(const char* path, int32_t streamIndex)
{
    AVFormatContextPtr context = openFile(path, streamIndex);
    if (!context || !context->pb || (context->iformat->flags & AVFMT_NO_BYTE_SEEK))
        return 0.0;
    const AVStream* stream = context->streams[streamIndex];
    PacketScan scan;
    readPackets(context.get(), streamIndex, true, scan);
    const int64_t size = avio_size(context->pb);
    if (scan.start == AV_NOPTS_VALUE || size <= kTailBytes
        || av_seek_frame(context.get(), -1, size - kTailBytes, AVSEEK_FLAG_BYTE) < 0)
        return 0.0;
    const int64_t start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : scan.start;
    readPackets(context.get(), streamIndex, false, scan);
    return scan.end > start ? double(scan.end - start) * av_q2d(stream->time_base) : 0.0;
}

// Every packet from the start: timestamps where they exist, else the sum
// of the packet durations.
double readThroughDuration(const char* path, int32_t streamIndex)
{
    AVFormatContextPtr context = openFile(path, streamIndex);
    if (!context)
        return 0.0;
    const AVStream* stream = context->streams[streamIndex];
    PacketScan scan;
    readPackets(context.get(), streamIndex, false, scan);
    const int64_t length = scan.end != AV_NOPTS_VALUE ? scan.end - scan.start : scan.durationSum;
    return length > 0 ? double(length) * av_q2d(stream->time_base) : 0.0;
}

} // namespace

double avScanStreamDuration(const AVFormatContext* opened, int32_t streamIndex)
{
    if (!opened->pb || !(opened->pb->seekable & AVIO_SEEKABLE_NORMAL) || !opened->url)
        return 0.0;
    const char* path = opened->url;
    const double tail = tailDuration(path, streamIndex);
    return tail > 0.0 ? tail : readThroughDuration(path, streamIndex);
}
