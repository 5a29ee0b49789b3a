// The export's audio path: stretches of the composition's mix (16-bit
// interleaved) are resampled into the encoder's format, staged until they
// fill whole encoder frames, and encoded; the last frame may be short.

#include "AVExporter.h"

#include "AVComposition.h"
#include "AVThread_QThread_Type.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// A mix that is not complete is asked again this often; the last few
// requests leave the sound segments' decoders some time.
constexpr int kMixRequests = 106;
constexpr int kPatientMixRequest = 100;
constexpr double kMixPause = 0.05;
constexpr int kStagingSeconds = 1;

constexpr int kConvertFailed = -13;
constexpr int kEncodeFailed = -14;
constexpr int kWriteFailed = -15;
constexpr int kNotWritable = -16;
constexpr int kDrainFailed = -19;

struct SampleArrayFreer {
    void operator()(uint8_t** planes) const
    {
        av_freep(&planes[0]);
        av_freep(&planes);
    }
};

} // namespace

bool AVExporter::_takeMix(AVExportStream* audio)
{
    const int32_t frameBytes = _composition->channelCount() * 2;
    int32_t need = audio->samplesPerFrame * frameBytes;
    if (audio->mixFill < need) {
        const double time = double(audio->nextPts) * av_q2d(audio->encoder->time_base);
        for (int request = 1; request <= kMixRequests && !_composition->isMixComplete(); ++request) {
            _composition->renderAt(time, 1, 0, AVComposition::kRenderAudio, 1);
            if (request >= kPatientMixRequest)
                avThreadSleep(kMixPause);
        }
        double position = 0.0;
        audio->mixFill += _composition->readAudio(audio->mixBuffer.data() + audio->mixFill,
                                                  int32_t(audio->mixBuffer.size()) - audio->mixFill, &position);
        if (audio->mixFill <= 0)
            return false;
        need = std::min(need, audio->mixFill);
    }
    AVFrame* source = audio->sourceFrame.get();
    std::memcpy(source->data[0], audio->mixBuffer.data(), size_t(need));
    std::memmove(audio->mixBuffer.data(), audio->mixBuffer.data() + need, size_t(audio->mixFill - need));
    audio->mixFill -= need;
    // The last stretch is as long as the mix, not padded with silence.
    source->nb_samples = need / frameBytes;
    return true;
}

int AVExporter::_resample(AVExportStream* audio, const uint8_t** input, int32_t inputSamples)
{
    AVCodecContext* encoder = audio->encoder.get();
    const int needed = swr_get_out_samples(audio->resampler.get(), inputSamples);
    if (needed < 0)
        return kConvertFailed;
    // The staging holds a second of sound, as the mix buffer does; what does
    // not fit stays in the resampler until the next call. The last call
    // (no input) takes all the resampler holds, since none follows it.
    const int stagingRoom = encoder->sample_rate * kStagingSeconds - av_audio_fifo_size(audio->staging.get());
    const int room = input ? std::min(needed, stagingRoom) : needed;
    if (room <= 0) {
        if (needed > 0 && swr_convert(audio->resampler.get(), nullptr, 0, input, inputSamples) < 0)
            return kConvertFailed;
        return 0;
    }
    uint8_t** planes = nullptr;
    if (av_samples_alloc_array_and_samples(&planes, nullptr, encoder->ch_layout.nb_channels, room,
                                           encoder->sample_fmt, 0)
        < 0)
        return kConvertFailed;
    std::unique_ptr<uint8_t*, SampleArrayFreer> owner(planes);
    const int converted = swr_convert(audio->resampler.get(), planes, room, input, inputSamples);
    if (converted < 0 || av_audio_fifo_write(audio->staging.get(), reinterpret_cast<void**>(planes), converted)
                             < converted) {
        std::fprintf(stderr, "Error while converting\n");
        return kConvertFailed;
    }
    if (converted == stagingRoom)
        std::printf("maybe not enough frame cache size.\n");
    return 0;
}

int AVExporter::_writeAudioFrames(Output* output)
{
    AVExportStream& audio = output->audio;
    if (!audio.mixExhausted) {
        AVFrame* source = audio.sourceFrame.get();
        int result = 0;
        if (_takeMix(&audio)) {
            result = _resample(&audio, const_cast<const uint8_t**>(source->extended_data), source->nb_samples);
        } else {
            // What the resampler still holds belongs to the end.
            audio.mixExhausted = true;
            result = _resample(&audio, nullptr, 0);
        }
        if (result < 0)
            return result;
    }
    bool wrotePacket = false;
    for (int staged = av_audio_fifo_size(audio.staging.get());
         staged >= audio.samplesPerFrame || (audio.mixExhausted && staged > 0);
         staged = av_audio_fifo_size(audio.staging.get())) {
        if (staged < audio.samplesPerFrame)
            std::printf("Some audio frame data left (%d).\n", staged * audio.encoder->ch_layout.nb_channels * 2);
        const int result = _encodeStaged(output, std::min(staged, audio.samplesPerFrame), &wrotePacket);
        if (result < 0)
            return result;
    }
    return audio.mixExhausted && !wrotePacket ? 1 : 0;
}

int AVExporter::_encodeStaged(Output* output, int32_t samples, bool* wrotePacket)
{
    AVExportStream& audio = output->audio;
    AVCodecContext* encoder = audio.encoder.get();
    AVFrame* frame = audio.frame.get();
    frame->nb_samples = audio.samplesPerFrame;
    if (av_frame_make_writable(frame) < 0)
        return kNotWritable;
    frame->nb_samples = samples;
    if (av_audio_fifo_read(audio.staging.get(), reinterpret_cast<void**>(frame->extended_data), samples) < samples) {
        std::fprintf(stderr, "Error while converting\n");
        return kConvertFailed;
    }
    const AVRational sampleTime{1, encoder->sample_rate};
    frame->pts = av_rescale_q(audio.sampleCount, sampleTime, encoder->time_base);
    audio.sampleCount += samples;
    audio.nextPts = av_rescale_q(audio.sampleCount, sampleTime, encoder->time_base);
    return _encodeAudio(output, frame, wrotePacket);
}

int AVExporter::_encodeAudio(Output* output, AVFrame* frame, bool* wrotePacket)
{
    int error = avcodec_send_frame(output->audio.encoder.get(), frame);
    bool writeFailed = false;
    if (error >= 0)
        error = _writePackets(output, &output->audio, wrotePacket, &writeFailed);
    if (error >= 0)
        return 0;
    if (writeFailed) {
        std::fprintf(stderr, "Error while writing audio frame: %s\n", avErrorText(error).c_str());
        return kWriteFailed;
    }
    std::fprintf(stderr, "Error encoding audio frame: %s\n", avErrorText(error).c_str());
    return kEncodeFailed;
}

// A failed drain fails the export rather than passing as a success: the
// movie would be reported as made with the end of its sound lost.
int AVExporter::_drainAudio(Output* output)
{
    bool wrotePacket = false;
    return _encodeAudio(output, nullptr, &wrotePacket) < 0 ? kDrainFailed : 0;
}
