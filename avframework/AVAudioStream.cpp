#include "AVAudioStream.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/opt.h>
}

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double kFactorTolerance = 0.001;
// Time scale and pitch are clamped, so the tempo never needs more stages.
constexpr size_t kMaxTempoStages = 16;
// Length of the fade-in after a seek, in milliseconds.
constexpr int kSeekFadeMs = 5;
// A timestamp this far after the end of the previous entry is a real gap.
constexpr double kContinuitySeconds = 0.1;

bool differsFromOne(double factor)
{
    return std::fabs(factor - 1.0) > kFactorTolerance;
}

// The frame's channel layout, or the default one for its channel count when
// the decoder left the order unspecified.
void normaliseLayout(AVFrame* frame)
{
    if (frame->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC && av_channel_layout_check(&frame->ch_layout))
        return;
    const int channels = std::max(1, frame->ch_layout.nb_channels);
    av_channel_layout_uninit(&frame->ch_layout);
    av_channel_layout_default(&frame->ch_layout, channels);
}

void fadeIn(int16_t* samples, int64_t frames, int channels, int rate)
{
    const int64_t length = std::min<int64_t>(rate / 1000 * kSeekFadeMs, frames / 2);
    for (int64_t i = 0; i < length; ++i) {
        for (int c = 0; c < channels; ++c)
            samples[i * channels + c] = int16_t(samples[i * channels + c] * i / length);
    }
}

} // namespace

struct AVAudioStream::DecodeState {
    uint32_t serial = 0;
    bool afterSeek = false;
    double nextExpected = -1.0;   // output position after the last pushed entry
    double decodedEnd = 0.0;      // media seconds after the last decoded frame
    double filteredSeconds = 0.0; // media seconds of the next filtered sample
};

AVAudioStream::AVAudioStream(const char* path, int32_t outputRate, int32_t outputChannels)
    : AVStreamBase(path)
    , _outputRate(outputRate)
    , _outputChannels(outputChannels)
    , _inputRate(outputRate)
    , _inputFormat(AV_SAMPLE_FMT_S16)
{
    av_channel_layout_default(&_outputLayout, outputChannels);
    av_channel_layout_copy(&_inputLayout, &_outputLayout);
}

AVAudioStream::~AVAudioStream()
{
    stopThreads();
    _freeTempoFilter();
    av_channel_layout_uninit(&_outputLayout);
    av_channel_layout_uninit(&_inputLayout);
    av_channel_layout_uninit(&_filterLayout);
}

int32_t AVAudioStream::open(bool)
{
    // No graph exists yet: the decoding thread builds it once it runs.
    const int32_t result = AVStreamBase::open(true);
    if (result == 0) {
        startReading(_stream->index, 0);
        startDecoding(0);
    }
    return result;
}

void AVAudioStream::startLoad(LoadCallback callback, void* context)
{
    AVStreamBase::startLoad(true, callback, context);
}

int32_t AVAudioStream::openForMetadata()
{
    return AVStreamBase::open(true);
}

// ---- tags --------------------------------------------------------------------

namespace {
const char* containerTag(const AVFormatContext* context, const char* key)
{
    if (!context)
        return nullptr;
    const AVDictionaryEntry* entry = av_dict_get(context->metadata, key, nullptr, AV_DICT_IGNORE_SUFFIX);
    return entry && entry->value && entry->value[0] ? entry->value : nullptr;
}
} // namespace

const char* AVAudioStream::artist() const
{
    return containerTag(_formatContext.get(), "artist");
}

const char* AVAudioStream::title() const
{
    return containerTag(_formatContext.get(), "title");
}

const uint8_t* AVAudioStream::readCoverArt(int32_t* size) const
{
    if (size)
        *size = 0;
    if (!_formatContext)
        return nullptr;
    for (unsigned i = 0; i < _formatContext->nb_streams; ++i) {
        const AVStream* stream = _formatContext->streams[i];
        const AVPacket& picture = stream->attached_pic;
        if (!(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) || picture.size < 2 || picture.duration != 0)
            continue;
        if (picture.data[0] != 0xFF || picture.data[1] != 0xD8)
            continue; // only JPEG covers are offered
        if (size)
            *size = picture.size;
        return picture.data;
    }
    return nullptr;
}

// ---- factors -----------------------------------------------------------------

void AVAudioStream::setPitch(double factor)
{
    _pitch = std::isnan(factor) ? 1.0 : std::clamp(factor, 0.1, 10.0);
    _resetInput = true;
    _rebuildFilter = true;
}

void AVAudioStream::setTimeScale(double scale)
{
    // Zero, negative or huge scales would make the tempo chain endless.
    _timeScale = std::isnan(scale) ? 1.0 : std::clamp(scale, 0.01, 100.0);
    _resetInput = true;
    _rebuildFilter = true;
}

bool AVAudioStream::_filtering() const
{
    return differsFromOne(_timeScale) || differsFromOne(_pitch);
}

std::vector<double> AVAudioStream::tempoStages(double timeScale, double pitch)
{
    std::vector<double> stages;
    if (!differsFromOne(timeScale) && !differsFromOne(pitch))
        return stages;
    double tempo = 1.0 / timeScale;
    if (differsFromOne(pitch))
        tempo /= pitch;
    while (differsFromOne(tempo) && stages.size() < kMaxTempoStages) {
        if (tempo > 2.0) {
            stages.push_back(2.0);
            tempo /= 2.0;
        } else if (tempo < 0.5) {
            stages.push_back(0.5);
            tempo *= 2.0;
        } else {
            stages.push_back(tempo);
            tempo = 1.0;
        }
    }
    return stages;
}

// ---- tempo graph ---------------------------------------------------------------

void AVAudioStream::_freeTempoFilter()
{
    _filterGraph.reset();
    _filterSource = nullptr;
    _filterSink = nullptr;
    _rebuildFilter = true;
}

int32_t AVAudioStream::_initTempoFilter(const AVFrame* input)
{
    _freeTempoFilter();
    _filterGraph.reset(avfilter_graph_alloc());
    if (!_filterGraph)
        return -1;
    AVFilterGraph* graph = _filterGraph.get();
    char layout[128] = {};
    av_channel_layout_describe(&input->ch_layout, layout, sizeof layout);
    char arguments[256];
    std::snprintf(arguments, sizeof arguments, "time_base=1/%d:sample_rate=%d:sample_fmt=%s:channel_layout=%s",
                  input->sample_rate, input->sample_rate,
                  av_get_sample_fmt_name(AVSampleFormat(input->format)), layout);
    int result = avfilter_graph_create_filter(&_filterSource, avfilter_get_by_name("abuffer"), "in", arguments,
                                              nullptr, graph);
    if (result >= 0)
        result = avfilter_graph_create_filter(&_filterSink, avfilter_get_by_name("abuffersink"), "out", nullptr,
                                              nullptr, graph);
    AVFilterContext* last = _filterSource;
    const double pitch = _pitch;
    if (result >= 0 && differsFromOne(pitch)) {
        AVFilterContext* rate = nullptr;
        std::snprintf(arguments, sizeof arguments, "sample_rate=%d", int(input->sample_rate * pitch));
        result = avfilter_graph_create_filter(&rate, avfilter_get_by_name("asetrate"), "asetrate", arguments,
                                              nullptr, graph);
        if (result >= 0)
            result = avfilter_link(last, 0, rate, 0);
        last = rate;
    }
    int stageIndex = 0;
    for (double stage : tempoStages(_timeScale, pitch)) {
        if (result < 0)
            break;
        AVFilterContext* tempo = nullptr;
        char name[32];
        std::snprintf(name, sizeof name, "atempo%d", stageIndex++);
        std::snprintf(arguments, sizeof arguments, "tempo=%f", stage);
        result = avfilter_graph_create_filter(&tempo, avfilter_get_by_name("atempo"), name, arguments, nullptr,
                                              graph);
        if (result >= 0)
            result = avfilter_link(last, 0, tempo, 0);
        last = tempo;
    }
    if (result >= 0)
        result = avfilter_link(last, 0, _filterSink, 0);
    if (result >= 0)
        result = avfilter_graph_config(graph, nullptr);
    if (result < 0) {
        _freeTempoFilter();
        return result;
    }
    _rebuildFilter = false;
    _filterRate = input->sample_rate;
    _filterFormat = input->format;
    av_channel_layout_uninit(&_filterLayout);
    av_channel_layout_copy(&_filterLayout, &input->ch_layout);
    return 0;
}

// ---- decoding thread --------------------------------------------------------------

void AVAudioStream::decodeLoop()
{
    AVFramePtr decoded(av_frame_alloc());
    AVFramePtr filtered(av_frame_alloc());
    if (!decoded || !filtered || !_codecContext)
        return;
    AVCodecContext* context = _codecContext.get();
    DecodeState state;
    state.serial = 0; // serials start at 1: a seek done before this thread ran is still seen
    while (!_decodeStop) {
        AVStreamPacket entry = popPacket();
        if (_decodeStop)
            break;
        if (entry.packet)
            _decodeEnded = false;
        if (beginsSeek(entry, state.serial)) {
            avcodec_flush_buffers(context);
            state = DecodeState{entry.serial, true};
            _resetInput = true;
            _freeTempoFilter();
        }
        if (!entry.packet && _decodeEnded) {
            avThreadSleep(0.01); // drained already: wait for a seek
            continue;
        }
        int result = avcodec_send_packet(context, entry.packet.get());
        if (result < 0 && result != AVERROR(EAGAIN) && result != AVERROR_EOF)
            std::fprintf(stderr, "Error during decoding\n");
        while ((result = avcodec_receive_frame(context, decoded.get())) >= 0) {
            _handleDecoded(decoded.get(), filtered.get(), state);
            av_frame_unref(decoded.get());
        }
        if (result != AVERROR(EAGAIN) && result != AVERROR_EOF)
            std::fprintf(stderr, "Error during decoding\n");
        if (entry.packet)
            continue;
        if (!_readEnded) {
            avcodec_flush_buffers(context);
            avThreadSleep(0.01);
            continue;
        }
        _drainFilter(filtered.get(), state);
        _drainResampler(state);
        markDecodeEnded(entry.serial);
        if (state.afterSeek) {
            // The seek target lies at or past the last sample: report it anyway,
            // or the seeking segment would wait for ever.
            state.afterSeek = false;
            reportSeek(entry.serial, nullptr, 0, positionOf(_seekTime));
        }
        avThreadSleep(0.01);
    }
    _resampler.reset();
    _freeTempoFilter();
    std::printf("(%d) audio decode thread end\n", int(_kind));
}

void AVAudioStream::_handleDecoded(AVFrame* frame, AVFrame* filtered, DecodeState& state)
{
    if (frame->sample_rate <= 0 || frame->nb_samples <= 0)
        return;
    normaliseLayout(frame);
    // Below 0 when the sound starts before the pictures (encoder padding):
    // what lies before media time 0 is cut off when the frame is emitted.
    double time = state.decodedEnd;
    if (frame->pts != AV_NOPTS_VALUE)
        time = mediaTime(frame->pts);
    const double duration = double(frame->nb_samples) / frame->sample_rate;
    state.decodedEnd = time + duration;
    if (!_filtering()) {
        _emit(frame, time, duration, state);
        return;
    }
    const bool inputChanged = frame->sample_rate != _filterRate || frame->format != _filterFormat
        || av_channel_layout_compare(&frame->ch_layout, &_filterLayout) != 0;
    if (!_filterGraph || _rebuildFilter || inputChanged) {
        if (_initTempoFilter(frame) < 0) {
            _emit(frame, time, duration, state); // unfiltered rather than silent
            return;
        }
        state.filteredSeconds = time;
    }
    frame->pts = std::llround(time * frame->sample_rate);
    if (av_buffersrc_add_frame_flags(_filterSource, frame, AV_BUFFERSRC_FLAG_KEEP_REF) < 0) {
        _freeTempoFilter();
        _emit(frame, time, duration, state);
        return;
    }
    const double scale = _timeScale;
    while (av_buffersink_get_frame(_filterSink, filtered) >= 0) {
        // A filtered sample lasts 1 / rate at the output, which is timeScale
        // times as long as the media it came from.
        const double mediaLength = double(filtered->nb_samples) / filtered->sample_rate / scale;
        _emit(filtered, state.filteredSeconds, mediaLength, state);
        state.filteredSeconds += mediaLength;
        av_frame_unref(filtered);
    }
}

void AVAudioStream::_drainFilter(AVFrame* filtered, DecodeState& state)
{
    if (!_filterGraph || !_filterSource)
        return;
    const double scale = _timeScale;
    if (av_buffersrc_add_frame(_filterSource, nullptr) >= 0) {
        while (av_buffersink_get_frame(_filterSink, filtered) >= 0) {
            const double mediaLength = double(filtered->nb_samples) / filtered->sample_rate / scale;
            _emit(filtered, state.filteredSeconds, mediaLength, state);
            state.filteredSeconds += mediaLength;
            av_frame_unref(filtered);
        }
    }
    _freeTempoFilter();
}

void AVAudioStream::_emit(const AVFrame* frame, double time, double duration, DecodeState& state)
{
    const double target = _seekTime;
    // Nothing plays before the seek target, nor before media time 0.
    const double from = state.afterSeek ? target : 0.0;
    if (from >= time + duration)
        return;
    AVStreamFrame entry;
    entry.serial = state.serial;
    entry.duration = double(frame->nb_samples) / frame->sample_rate;
    if (!_convert(frame, entry))
        return;
    const int frameBytes = 2 * _outputChannels;
    int64_t samples = entry.size / frameBytes;
    // Cut by time: the resampler gives a frame's first samples at once (it
    // holds back its last ones), so the front of the entry is its start.
    const int64_t dropped = time < from ? std::min<int64_t>(samples, std::llround(positionOf(from - time))) : 0;
    if (dropped >= samples)
        return;
    double position = std::round(positionOf(time));
    // Sound is continuous: timestamps that miss the end of the previous
    // entry by a little (whole milliseconds in Matroska, Vorbis block sizes,
    // the resampler's delay) must neither leave a gap nor overlap it.
    if (state.nextExpected >= 0.0 && position < state.nextExpected + positionOf(kContinuitySeconds))
        position = state.nextExpected;
    if (dropped > 0) {
        uint8_t* bytes = entry.data.get();
        std::memmove(bytes, bytes + dropped * frameBytes, size_t((samples - dropped) * frameBytes));
        samples -= dropped;
        entry.size = int32_t(samples * frameBytes);
        position += double(dropped);
    }
    if (state.afterSeek && time - target < duration)
        fadeIn(reinterpret_cast<int16_t*>(entry.data.get()), samples, _outputChannels, _outputRate);
    entry.time = position;
    if (state.afterSeek) {
        state.afterSeek = false;
        reportSeek(entry.serial, entry.data.get(), entry.size, position);
    }
    if (pushFrame(entry))
        state.nextExpected = position + double(samples);
}

void AVAudioStream::_drainResampler(DecodeState& state)
{
    // The resampler holds the last samples of the media back for its filter
    // until it is told that no more input comes.
    if (!_resampler || state.afterSeek || state.nextExpected < 0.0)
        return;
    AVStreamFrame entry;
    entry.serial = state.serial;
    if (!_resample(nullptr, 0, entry))
        return;
    const int64_t samples = entry.size / (2 * _outputChannels);
    entry.time = state.nextExpected;
    entry.duration = double(samples) / _outputRate;
    if (pushFrame(entry))
        state.nextExpected += double(samples);
}

bool AVAudioStream::_prepareResampler(const AVFrame* frame)
{
    if (_resetInput.exchange(false)) {
        _resampler.reset();
        _inputRate = _outputRate;
        _inputFormat = _outputFormat;
        av_channel_layout_uninit(&_inputLayout);
        av_channel_layout_copy(&_inputLayout, &_outputLayout);
    }
    const bool sameInput = frame->format == _inputFormat && frame->sample_rate == _inputRate
        && av_channel_layout_compare(&frame->ch_layout, &_inputLayout) == 0;
    if (sameInput)
        return true;
    _resampler.reset();
    _inputRate = frame->sample_rate;
    _inputFormat = AVSampleFormat(frame->format);
    av_channel_layout_uninit(&_inputLayout);
    av_channel_layout_copy(&_inputLayout, &frame->ch_layout);
    const bool alreadyOutput = _inputFormat == _outputFormat && _inputRate == _outputRate
        && av_channel_layout_compare(&_inputLayout, &_outputLayout) == 0;
    if (alreadyOutput)
        return true; // copied as it is
    SwrContext* resampler = nullptr;
    if (swr_alloc_set_opts2(&resampler, &_outputLayout, _outputFormat, _outputRate, &_inputLayout, _inputFormat,
                            _inputRate, 0, nullptr) >= 0)
        _resampler.reset(resampler);
    if (!_resampler || swr_init(_resampler.get()) < 0) {
        std::fprintf(stderr, "swr_init() failed\n");
        _resampler.reset();
        _resetInput = true; // try again with the next frame
        return false;
    }
    return true;
}

bool AVAudioStream::_convert(const AVFrame* frame, AVStreamFrame& entry)
{
    if (!_prepareResampler(frame))
        return false;
    if (!_resampler) {
        const int frameBytes = 2 * _outputChannels;
        const int64_t size = int64_t(frame->nb_samples) * frameBytes;
        entry.data.reset(static_cast<uint8_t*>(std::malloc(size_t(size))));
        if (!entry.data)
            return false;
        std::memcpy(entry.data.get(), frame->data[0], size_t(size));
        entry.size = int32_t(size);
        return true;
    }
    return _resample(const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples, entry);
}

bool AVAudioStream::_resample(const uint8_t** input, int samples, AVStreamFrame& entry)
{
    const int frameBytes = 2 * _outputChannels;
    // Room for everything the resampler can give for this input, so that
    // nothing more than its filter's history stays behind in it.
    const int room = swr_get_out_samples(_resampler.get(), samples);
    if (room <= 0)
        return false;
    entry.data.reset(static_cast<uint8_t*>(std::malloc(size_t(room) * frameBytes)));
    if (!entry.data)
        return false;
    uint8_t* out[1] = {entry.data.get()};
    const int converted = swr_convert(_resampler.get(), out, room, input, samples);
    if (converted <= 0) {
        if (converted < 0)
            std::fprintf(stderr, "swr_convert() failed\n");
        entry.data.reset();
        return false;
    }
    entry.size = converted * frameBytes;
    return true;
}
