#pragma once

#include <QString>

#include <atomic>

class PlotData;

// Decodes the best audio stream of a whole file once, sequentially, into the
// points of a PlotData: each point is the mean absolute sample value of its
// share of the file, per channel. Nothing but a fixed conversion buffer and
// the points is kept, so memory does not grow with the file's length.
namespace WaveformDecoder {

// Fills and publishes the plot data; leaves it not ready when the file
// cannot be opened or decoded, when no sample was decoded, or when cancel
// was raised during decoding. A read or decoding error part-way keeps the
// points decoded so far.
void decodePlotData(PlotData* plotData, const QString& path, const std::atomic<bool>* cancel = nullptr);

} // namespace WaveformDecoder
