#pragma once

#include "AVStreamBase.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include <vector>

// The sound of a media file, delivered as signed 16-bit interleaved samples at
// a fixed rate and channel count. A time scale (output length / media length)
// and a pitch factor go through a tempo filter graph before resampling.
// Frame entries carry their position in samples of the output stream counted
// at outputRate x timeScale from the media's start, and their byte size.
class AVAudioStream : public AVStreamBase {
public:
    AVAudioStream(const char* path, int32_t outputRate, int32_t outputChannels);
    ~AVAudioStream() override;

    int32_t open(bool isAudio) override;
    void startLoad(LoadCallback callback, void* context);
    // Opens the file for its tags and cover without starting threads.
    int32_t openForMetadata();

    // Container tags; null when missing or empty.
    const char* artist() const;
    const char* title() const;
    // The attached JPEG cover picture (owned by the stream), or null.
    const uint8_t* readCoverArt(int32_t* size) const;

    void setPitch(double factor);     // kept within [0.1, 10]
    void setTimeScale(double scale);  // kept within [0.01, 100]
    double pitch() const { return _pitch.load(); }
    double timeScale() const { return _timeScale.load(); }
    int32_t outputRate() const { return _outputRate; }
    int32_t outputChannels() const { return _outputChannels; }

    // The "atempo" factors the tempo graph chains for these settings.
    static std::vector<double> tempoStages(double timeScale, double pitch);

protected:
    void decodeLoop() override;
    // Samples of the output stream, counted at outputRate x timeScale.
    double positionOf(double seconds) const override { return seconds * _outputRate * _timeScale; }

private:
    struct DecodeState;

    int32_t _initTempoFilter(const AVFrame* input);
    void _freeTempoFilter();
    bool _filtering() const;
    void _handleDecoded(AVFrame* frame, AVFrame* filtered, DecodeState& state);
    void _drainFilter(AVFrame* filtered, DecodeState& state);
    void _emit(const AVFrame* frame, double time, double duration, DecodeState& state);
    bool _prepareResampler(const AVFrame* frame);
    bool _convert(const AVFrame* frame, AVStreamFrame& entry);
    // Converts samples of input (none: what the resampler still holds) into
    // a new block of entry.
    bool _resample(const uint8_t** input, int samples, AVStreamFrame& entry);
    void _drainResampler(DecodeState& state);

    const int32_t _outputRate;
    const int32_t _outputChannels;
    AVChannelLayout _outputLayout{};
    const AVSampleFormat _outputFormat = AV_SAMPLE_FMT_S16;
    // The input the resampler was made for (decoding thread only).
    int32_t _inputRate;
    AVChannelLayout _inputLayout{};
    AVSampleFormat _inputFormat;
    SwrContextPtr _resampler;
    std::atomic<bool> _resetInput{false};

    std::atomic<double> _timeScale{1.0};
    std::atomic<double> _pitch{1.0};
    AVFilterGraphPtr _filterGraph;
    AVFilterContext* _filterSource = nullptr;
    AVFilterContext* _filterSink = nullptr;
    std::atomic<bool> _rebuildFilter{true};
    // The input the graph was made for.
    int32_t _filterRate = 0;
    int32_t _filterFormat = -1;
    AVChannelLayout _filterLayout{};
};
