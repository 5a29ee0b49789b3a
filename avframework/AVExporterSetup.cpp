// The set-up half of an export: the container, the video and audio
// encoders with their options, and the frames the encoding loop fills.

#include "AVExporter.h"

#include "AVComposition.h"

extern "C" {
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

constexpr int64_t kProbeBitRate = 8000000;
constexpr int kProbeWidth = 1920;
constexpr int kProbeHeight = 1080;
constexpr int kProbeFrameRate = 25;
constexpr int kProbeGop = 10;
constexpr int kGopSize = 12;
constexpr int kVariableFrameSamples = 10000;
constexpr int kFrameAlignment = 32;

bool listsPixelFormat(const AVCodec* codec, AVPixelFormat format)
{
    for (const AVPixelFormat* f = codec->pix_fmts; f && *f != AV_PIX_FMT_NONE; ++f) {
        if (*f == format)
            return true;
    }
    return false;
}

// Private options an encoder may not know; a rejected value is left out.
void setPrivateOptions(AVCodecContext* encoder, std::initializer_list<std::pair<const char*, const char*>> options)
{
    for (const auto& [name, value] : options)
        av_opt_set(encoder->priv_data, name, value, 0);
}

void setColourOptions(AVCodecContext* encoder)
{
    setPrivateOptions(encoder, {{"color_range", "tv"},
                                {"color_primaries", "bt709"},
                                {"color_trc", "bt709"},
                                {"colorspace", "bt709"}});
}

// A size the pixel format's chroma subsampling divides (4:2:0 needs even
// sides: some aspects give 675 x 540).
int alignedSide(uint32_t side, int log2Chroma)
{
    const uint32_t step = 1u << log2Chroma;
    return int(std::max(step, side / step * step));
}

const char* const kH264Hardware[] = {"h264_nvenc", "h264_qsv", "h264_amf"};
const char* const kHEVCHardware[] = {"hevc_nvenc", "hevc_qsv", "hevc_amf"};

} // namespace

std::string avErrorText(int error)
{
    char text[64] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

AVExporter::Output::~Output()
{
    // The writer belongs to the file, which closes it after this.
    avformat_free_context(context);
}

bool AVExporter::probeEncoder(const char* name)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (!codec)
        return false;
    AVCodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        return false;
    context->bit_rate = kProbeBitRate;
    context->width = kProbeWidth;
    context->height = kProbeHeight;
    context->time_base = {1, kProbeFrameRate};
    context->framerate = {kProbeFrameRate, 1};
    context->gop_size = kProbeGop;
    context->max_b_frames = 0;
    context->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    const int error = avcodec_open2(context.get(), codec, nullptr);
    if (error < 0) {
        std::fprintf(stderr, "Could not open video codec: %s\n", avErrorText(error).c_str());
        return false;
    }
    return true;
}

std::string AVExporter::_videoEncoderName(AVExportCodec codec, bool softwareOnly)
{
    if (codec == AVExportCodecVP9)
        return "libvpx-vp9";
    if (codec != AVExportCodecH264 && codec != AVExportCodecHEVC)
        return std::string();
    const bool h264 = codec == AVExportCodecH264;
    for (const char* name : h264 ? kH264Hardware : kHEVCHardware) {
        if (!softwareOnly && probeEncoder(name))
            return name;
    }
    if (!h264)
        return "libx265";
    return avcodec_find_encoder_by_name("libopenh264") ? "libopenh264" : "libx264";
}

int AVExporter::_openOutput(Output* output)
{
    const char* formatName = _codec == AVExportCodecProRes ? "mov" : _codec == AVExportCodecVP9 ? "webm" : nullptr;
    if (avformat_alloc_output_context2(&output->context, nullptr, formatName, _path.c_str()) < 0
        || !output->context)
        return -2;
    const AVOutputFormat* format = output->context->oformat;
    output->video.packet.reset(av_packet_alloc());
    output->audio.packet.reset(av_packet_alloc());
    if (!output->video.packet || !output->audio.packet)
        return -2;
    int result = 0;
    if (format->video_codec != AV_CODEC_ID_NONE)
        result = _addVideoStream(output);
    if (result == 0 && format->audio_codec != AV_CODEC_ID_NONE && _composition->hasSegmentWithStatusZero())
        result = _addAudioStream(output);
    if (result == 0 && output->hasVideo)
        result = _openVideo(output);
    if (result == 0 && output->hasAudio) {
        AVDictionary* options = nullptr;
        result = openAudio(&output->audio, &options);
        av_dict_free(&options);
    }
    return result == 0 ? _openFile(output) : result;
}

AVPixelFormat AVExporter::_videoPixelFormat(const AVCodec* codec) const
{
    AVPixelFormat wanted = AV_PIX_FMT_YUV420P;
    if (_alpha && _codec == AVExportCodecHEVC)
        wanted = AV_PIX_FMT_BGRA;
    else if (_alpha && _codec == AVExportCodecVP9)
        wanted = AV_PIX_FMT_YUVA420P;
    if (listsPixelFormat(codec, wanted))
        return wanted;
    return listsPixelFormat(codec, AV_PIX_FMT_NV12) ? AV_PIX_FMT_NV12 : AV_PIX_FMT_YUV420P;
}

bool AVExporter::_newStream(Output* output, const AVCodec* codec, AVExportStream* stream)
{
    stream->stream = avformat_new_stream(output->context, nullptr);
    stream->encoder.reset(avcodec_alloc_context3(codec));
    if (!stream->stream || !stream->encoder) {
        std::fprintf(stderr, "Could not allocate stream\n");
        return false;
    }
    stream->stream->id = int(output->context->nb_streams) - 1;
    if (output->context->oformat->flags & AVFMT_GLOBALHEADER)
        stream->encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return true;
}

int AVExporter::_addVideoStream(Output* output)
{
    const std::string name = _videoEncoderName(_codec, _softwareOnly);
    const AVCodec* codec = name.empty() ? nullptr : avcodec_find_encoder_by_name(name.c_str());
    if (!codec)
        return -3;
    AVExportStream& video = output->video;
    output->hasVideo = true;
    if (!_newStream(output, codec, &video))
        return -4;
    AVCodecContext* encoder = video.encoder.get();
    encoder->codec_id = codec->id;
    encoder->bit_rate = _videoBitRate;
    encoder->pix_fmt = _videoPixelFormat(codec);
    const AVPixFmtDescriptor* layout = av_pix_fmt_desc_get(encoder->pix_fmt);
    encoder->width = alignedSide(_width, layout->log2_chroma_w);
    encoder->height = alignedSide(_height, layout->log2_chroma_h);
    encoder->time_base = {1, int(_frameRate)};
    encoder->framerate = {int(_frameRate), 1};
    video.stream->time_base = encoder->time_base;
    encoder->gop_size = kGopSize;
    encoder->color_primaries = AVCOL_PRI_BT709;
    encoder->color_trc = AVCOL_TRC_BT709;
    encoder->colorspace = AVCOL_SPC_BT709;
    encoder->color_range = AVCOL_RANGE_MPEG;
    if (_codec == AVExportCodecH264) {
        setPrivateOptions(encoder, {{"preset", "superfast"}});
        setColourOptions(encoder);
    } else if (_codec == AVExportCodecHEVC) {
        encoder->codec_tag = MKTAG('h', 'v', 'c', '1');
        encoder->bit_rate = encoder->bit_rate * 6 / 10;
        av_opt_set_int(encoder->priv_data, "allow_sw", 1, 0);
        if (_alpha)
            av_opt_set_double(encoder->priv_data, "alpha_quality", 1.0, 0);
        setColourOptions(encoder);
    } else if (_codec == AVExportCodecVP9) {
        // libvpx's defaults share a frame out by tile columns only (four at
        // 1080p) and search at a slow speed: rows in parallel let every core
        // work on a frame, and speed 4 takes about a third of the processor
        // time, for the same size and a likeness to the source within two
        // thousandths.
        setPrivateOptions(encoder, {{"row-mt", "1"}, {"cpu-used", "4"}});
    }
    return 0;
}

int AVExporter::_addAudioStream(Output* output)
{
    const AVCodec* codec = avcodec_find_encoder(output->context->oformat->audio_codec);
    if (!codec)
        return -3;
    AVExportStream& audio = output->audio;
    output->hasAudio = true;
    if (!_newStream(output, codec, &audio))
        return -4;
    AVCodecContext* encoder = audio.encoder.get();
    encoder->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    encoder->bit_rate = _audioBitRate;
    encoder->sample_rate = int(_sampleRate);
    if (codec->supported_samplerates) {
        bool listed = false;
        for (const int* rate = codec->supported_samplerates; *rate; ++rate)
            listed = listed || *rate == int(_sampleRate);
        if (!listed)
            encoder->sample_rate = codec->supported_samplerates[0];
    }
    av_channel_layout_default(&encoder->ch_layout, _channels <= 1 ? 1 : 2);
    encoder->time_base = {1, encoder->sample_rate};
    audio.stream->time_base = encoder->time_base;
    if (codec->id == AV_CODEC_ID_VORBIS || codec->id == AV_CODEC_ID_OPUS)
        encoder->strict_std_compliance = FF_COMPLIANCE_EXPERIMENTAL;
    return 0;
}

int AVExporter::_openVideo(Output* output)
{
    AVExportStream& video = output->video;
    AVCodecContext* encoder = video.encoder.get();
    AVDictionary* options = nullptr;
    av_dict_set(&options, "threads", "auto", AV_DICT_DONT_OVERWRITE);
    const int error = avcodec_open2(encoder, encoder->codec, &options);
    av_dict_free(&options);
    if (error < 0 || avcodec_parameters_from_context(video.stream->codecpar, encoder) < 0)
        return -5;
    video.frame.reset(av_frame_alloc());
    if (!video.frame) {
        std::fprintf(stderr, "Could not allocate video frame\n");
        return -6;
    }
    video.frame->format = encoder->pix_fmt;
    video.frame->width = encoder->width;
    video.frame->height = encoder->height;
    if (av_frame_get_buffer(video.frame.get(), kFrameAlignment) < 0) {
        std::fprintf(stderr, "Could not allocate frame data.\nCould not allocate video frame\n");
        return -6;
    }
    return 0;
}

int AVExporter::_openFile(Output* output)
{
    AVFormatContext* context = output->context;
    av_dump_format(context, 0, _path.c_str(), 1);
    if (!(context->oformat->flags & AVFMT_NOFILE)) {
        const int error = output->file.create(_path);
        if (error < 0) {
            std::fprintf(stderr, "Could not open '%s': %s\n", _path.c_str(), avErrorText(error).c_str());
            return AVExporterResultFileNotCreated;
        }
        context->pb = output->file.writer();
        context->flags |= AVFMT_FLAG_CUSTOM_IO;
    }
    const int error = avformat_write_header(context, nullptr);
    if (error < 0) {
        _noteWriteError(error, context);
        std::fprintf(stderr, "Error occurred when opening output file: %s\n", avErrorText(error).c_str());
        return -12;
    }
    return 0;
}

AVFrame* AVExporter::allocAudioFrame(AVSampleFormat format, const AVChannelLayout* layout, int32_t sampleRate,
                                     int32_t sampleCount)
{
    AVFramePtr frame(av_frame_alloc());
    if (!frame) {
        std::fprintf(stderr, "Error allocating an audio frame\n");
        return nullptr;
    }
    frame->format = format;
    frame->sample_rate = sampleRate;
    frame->nb_samples = sampleCount;
    if (av_channel_layout_copy(&frame->ch_layout, layout) < 0
        || (sampleCount != 0 && av_frame_get_buffer(frame.get(), 0) < 0)) {
        std::fprintf(stderr, "Error allocating an audio buffer\n");
        return nullptr;
    }
    return frame.release();
}

int AVExporter::openAudio(AVExportStream* audio, AVDictionary** options)
{
    AVCodecContext* encoder = audio->encoder.get();
    av_dict_set(options, "threads", "auto", AV_DICT_DONT_OVERWRITE);
    if (avcodec_open2(encoder, encoder->codec, options) < 0
        || avcodec_parameters_from_context(audio->stream->codecpar, encoder) < 0)
        return -7;
    const int samples =
        encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE ? kVariableFrameSamples : encoder->frame_size;
    const int mixRate = _composition->sampleRate();
    const int mixChannels = _composition->channelCount();
    AVChannelLayout mixLayout;
    av_channel_layout_default(&mixLayout, mixChannels);
    audio->samplesPerFrame = samples;
    audio->frame.reset(allocAudioFrame(encoder->sample_fmt, &encoder->ch_layout, encoder->sample_rate, samples));
    audio->sourceFrame.reset(allocAudioFrame(AV_SAMPLE_FMT_S16, &mixLayout, mixRate, samples));
    audio->staging.reset(av_audio_fifo_alloc(encoder->sample_fmt, encoder->ch_layout.nb_channels, samples * 2));
    if (!audio->frame || !audio->sourceFrame || !audio->staging)
        return -8;
    SwrContext* resampler = nullptr;
    if (swr_alloc_set_opts2(&resampler, &encoder->ch_layout, encoder->sample_fmt, encoder->sample_rate, &mixLayout,
                            AV_SAMPLE_FMT_S16, mixRate, 0, nullptr)
        < 0) {
        std::fprintf(stderr, "Could not allocate resampler context\n");
        return -9;
    }
    audio->resampler.reset(resampler);
    if (swr_init(resampler) < 0) {
        std::fprintf(stderr, "Failed to initialize the resampling context\n");
        return -10;
    }
    // One second of the mix.
    audio->mixBuffer.assign(size_t(mixRate) * size_t(mixChannels) * 2, 0);
    audio->mixFill = 0;
    return 0;
}
