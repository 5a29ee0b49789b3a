#pragma once

#include <QString>

// Which of the recorder's inputs can record here. The recorder's back end
// offers every device of ALSA's list that does not say it only plays: rate
// converters and channel mixers with nothing configured behind them among
// them, and all of them where GStreamer has no ALSA source. It records such
// an input through GStreamer's ALSA source, which opens the device as it
// gets ready; the same source is asked here.
class RecordingInputs
{
public:
    // An id of the recorder ("alsa:NAME", "pulseaudio:", "default:", ...):
    // false only for an ALSA device that cannot be opened for recording.
    static bool canRecord(const QString& inputId);
};
