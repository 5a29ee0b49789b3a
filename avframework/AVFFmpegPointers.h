#pragma once

// Owners for FFmpeg objects, so that no error path leaks one.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/buffer.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

struct AVFormatContextCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct AVCodecContextFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct AVPacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct AVFrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct AVBufferRefReleaser {
    void operator()(AVBufferRef* buffer) const { av_buffer_unref(&buffer); }
};
struct SwrContextFreer {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct SwsContextFreer {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct AVAudioFifoFreer {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};
struct AVFilterGraphFreer {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};

using AVFormatContextPtr = std::unique_ptr<AVFormatContext, AVFormatContextCloser>;
using AVCodecContextPtr = std::unique_ptr<AVCodecContext, AVCodecContextFreer>;
using AVPacketPtr = std::unique_ptr<AVPacket, AVPacketFreer>;
using AVFramePtr = std::unique_ptr<AVFrame, AVFrameFreer>;
using AVBufferRefPtr = std::unique_ptr<AVBufferRef, AVBufferRefReleaser>;
using SwrContextPtr = std::unique_ptr<SwrContext, SwrContextFreer>;
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextFreer>;
using AVAudioFifoPtr = std::unique_ptr<AVAudioFifo, AVAudioFifoFreer>;
using AVFilterGraphPtr = std::unique_ptr<AVFilterGraph, AVFilterGraphFreer>;
