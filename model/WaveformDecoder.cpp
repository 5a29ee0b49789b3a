#include "WaveformDecoder.h"

#include "AVRegularFile.h"
#include "PlotData.h"

#include <QDebug>
#include <QtEndian>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kConversionBufferBytes = 1048576;

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct ResamplerFreer {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;

// Averages runs of samplesPerPoint sample frames into points.
class PointAccumulator
{
public:
    PointAccumulator(int channels, int samplesPerPoint)
        : _channels(channels), _samplesPerPoint(samplesPerPoint), _sums(size_t(channels), 0)
    {
    }

    void add(const int16_t* interleaved, int sampleFrames)
    {
        for (int i = 0; i < sampleFrames; ++i, interleaved += _channels) {
            if (_count + 1 >= _samplesPerPoint) {
                for (int c = 0; c < _channels; ++c)
                    _append((std::abs(int(interleaved[c])) + _sums[size_t(c)]) / (_count + 1));
                _reset();
            } else {
                for (int c = 0; c < _channels; ++c)
                    _sums[size_t(c)] += std::abs(int(interleaved[c]));
                ++_count;
            }
        }
    }

    // The partial point of the last run, if any.
    void finish()
    {
        if (_count == 0)
            return;
        for (int c = 0; c < _channels; ++c)
            _append(_sums[size_t(c)] / _count);
        _reset();
    }

    QByteArray takeBytes() { return std::move(_bytes); }
    int32_t peak() const { return _peak; }

private:
    void _append(int64_t mean)
    {
        // A run of nothing but -32768 averages to 32768, one past the 16-bit range.
        const int16_t value = int16_t(std::min<int64_t>(mean, 32767));
        char bytes[2];
        qToLittleEndian<qint16>(value, bytes);
        _bytes.append(bytes, 2);
        _peak = std::max<int32_t>(_peak, value);
    }

    void _reset()
    {
        std::fill(_sums.begin(), _sums.end(), 0);
        _count = 0;
    }

    const int _channels;
    const int _samplesPerPoint;
    std::vector<int64_t> _sums;
    int64_t _count = 0;
    int32_t _peak = 0;
    QByteArray _bytes;
};

class Decoding
{
public:
    Decoding(PlotData* plotData, const std::atomic<bool>* cancel) : _plotData(plotData), _cancel(cancel) {}

    void run(const QString& path)
    {
        if (!_open(path))
            return;
        const double seconds = _durationSeconds();
        _channels = _codec->ch_layout.nb_channels;
        _rate = _codec->sample_rate;
        if (!(seconds > 0) || _channels <= 0 || _rate <= 0)
            return;
        // Short files and low zoom levels can ask for less than one sample
        // frame per point, or for no point at all.
        const int points = std::max(1, int(_plotData->pointCount()));
        const double perPoint = std::min(double(float(_rate * seconds / points)), double(INT_MAX));
        const int samplesPerPoint = std::max(1, int(perPoint));
        PointAccumulator accumulator(_channels, samplesPerPoint);
        _accumulator = &accumulator;
        _buffer.resize(kConversionBufferBytes);
        _decodeAll();
        if (_totalSamples <= 0 || _isCancelled())
            return;
        accumulator.finish();
        QByteArray bytes = accumulator.takeBytes();
        qDebug("Total plot data size: %lu, sample number: %lu (desired:%lu)", (unsigned long)bytes.size(),
               (unsigned long)_totalSamples, (unsigned long)int(_rate * seconds));
        _plotData->publish(std::move(bytes), _channels, accumulator.peak());
    }

private:
    bool _open(const QString& path)
    {
        AVFormatContext* format = nullptr;
        if (!avIsRegularFile(path) || avformat_open_input(&format, path.toUtf8().constData(), nullptr, nullptr) < 0)
            return false;
        _format.reset(format);
        if (avformat_find_stream_info(format, nullptr) < 0)
            return false;
        _streamIndex = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (_streamIndex < 0)
            return false;
        const AVStream* stream = format->streams[_streamIndex];
        const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
        if (!decoder)
            return false;
        _codec.reset(avcodec_alloc_context3(decoder));
        if (!_codec || avcodec_parameters_to_context(_codec.get(), stream->codecpar) < 0)
            return false;
        _codec->pkt_timebase = stream->time_base;
        return avcodec_open2(_codec.get(), decoder, nullptr) >= 0;
    }

    double _durationSeconds() const
    {
        const AVStream* stream = _format->streams[_streamIndex];
        if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
            return stream->duration * av_q2d(stream->time_base);
        if (_format->duration != AV_NOPTS_VALUE)
            return _format->duration / 1000000.0;
        return 0;
    }

    bool _isCancelled() const { return _cancel && _cancel->load(std::memory_order_relaxed); }

    // Reads, decodes and accumulates until the end, the first error or a cancel.
    void _decodeAll()
    {
        PacketPtr packet(av_packet_alloc());
        FramePtr frame(av_frame_alloc());
        if (!packet || !frame)
            return;
        bool draining = false;
        while (!_isCancelled()) {
            if (!draining) {
                const int read = av_read_frame(_format.get(), packet.get());
                if (read == AVERROR_EOF || (read < 0 && avio_feof(_format->pb))) {
                    draining = true; // an empty packet drains the decoder
                } else if (read < 0) {
                    printf("Read packet error: %d\n", read);
                    return;
                } else if (packet->stream_index != _streamIndex) {
                    av_packet_unref(packet.get());
                    continue;
                }
            }
            const int sent = avcodec_send_packet(_codec.get(), draining ? nullptr : packet.get());
            av_packet_unref(packet.get());
            if (sent < 0) {
                av_log(nullptr, AV_LOG_ERROR, "Error submitting a packet for decoding\n");
                return;
            }
            const int received = _receiveFrames(frame.get());
            if (received == AVERROR_EOF)
                return;
            if (received < 0 && received != AVERROR(EAGAIN)) {
                av_log(nullptr, AV_LOG_ERROR, "Error decoding frame\n");
                return;
            }
        }
    }

    // Takes every frame the decoder has; its last result code.
    int _receiveFrames(AVFrame* frame)
    {
        for (;;) {
            const int received = avcodec_receive_frame(_codec.get(), frame);
            if (received < 0)
                return received;
            const bool used = _useFrame(frame);
            av_frame_unref(frame);
            if (!used)
                return AVERROR_EOF;
        }
    }

    bool _useFrame(const AVFrame* frame)
    {
        _totalSamples += frame->nb_samples;
        if (frame->format == AV_SAMPLE_FMT_S16 && frame->ch_layout.nb_channels == _channels) {
            _accumulator->add(reinterpret_cast<const int16_t*>(frame->data[0]), frame->nb_samples);
            return true;
        }
        if (!_resampler && !_makeResampler(frame))
            return false;
        // The buffer holds a fixed number of sample frames; what does not fit
        // stays in the resampler and is taken by the following calls.
        const int capacity = int(_buffer.size()) / (2 * _channels);
        uint8_t* out = _buffer.data();
        // (A null input would flush the resampler as at the end of the stream.)
        const auto** in = const_cast<const uint8_t**>(frame->extended_data);
        int converted = swr_convert(_resampler.get(), &out, capacity, in, frame->nb_samples);
        while (converted > 0) {
            _accumulator->add(reinterpret_cast<const int16_t*>(out), converted);
            if (converted < capacity)
                return true;
            converted = swr_convert(_resampler.get(), &out, capacity, in, 0);
        }
        if (converted < 0) {
            fprintf(stderr, "swr_convert() failed\n");
            return false;
        }
        return true;
    }

    bool _makeResampler(const AVFrame* frame)
    {
        AVChannelLayout outLayout;
        av_channel_layout_default(&outLayout, _channels);
        AVChannelLayout inLayout;
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0
            || av_channel_layout_copy(&inLayout, &frame->ch_layout) < 0)
            av_channel_layout_default(&inLayout, frame->ch_layout.nb_channels > 0 ? frame->ch_layout.nb_channels : _channels);
        SwrContext* resampler = nullptr;
        const int made = swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, _rate, &inLayout,
                                             AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&inLayout);
        av_channel_layout_uninit(&outLayout);
        _resampler.reset(resampler);
        if (made < 0 || swr_init(resampler) < 0) {
            fprintf(stderr, "swr_init() failed\n");
            return false;
        }
        return true;
    }

    PlotData* _plotData;
    const std::atomic<bool>* _cancel;
    FormatPtr _format;
    CodecPtr _codec;
    ResamplerPtr _resampler;
    int _streamIndex = -1;
    int _channels = 0;
    int _rate = 0;
    int64_t _totalSamples = 0;
    PointAccumulator* _accumulator = nullptr;
    std::vector<uint8_t> _buffer;
};

} // namespace

void WaveformDecoder::decodePlotData(PlotData* plotData, const QString& path, const std::atomic<bool>* cancel)
{
    if (plotData && !plotData->isReady())
        Decoding(plotData, cancel).run(path);
}
