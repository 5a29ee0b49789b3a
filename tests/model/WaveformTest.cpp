#include "PlotData.h"
#include "TestMedia.h"
#include "WaveformDecoder.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The mean absolute value of a sine of the given amplitude, in 16-bit units.
int meanLevel(double amplitude)
{
    return int(amplitude * 32767 * 2 / M_PI);
}

QImage paintedWaveform(const PlotData& plot, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    plot.paint(&painter, QRect(0, 0, width, height));
    return image;
}

// Rows of a column that the waveform covers.
int coveredRows(const QImage& image, int x)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return rows;
}

TEST(Waveform, ThreeMinuteStereoFileGivesTwoThousandPointsPerChannel)
{
    PlotData plot(2048);
    WaveformDecoder::decodePlotData(&plot, TestMedia::path("music_3min_stereo.wav"));
    ASSERT_TRUE(plot.isReady());
    EXPECT_EQ(plot.channels(), 2);
    // 3875 sample frames per point: 2048 whole points and the partial one.
    EXPECT_GE(plot.storedPointCount(), 2048);
    EXPECT_LE(plot.storedPointCount(), 2049);
    EXPECT_NEAR(plot.peak(), meanLevel(0.5), 60);
    // Channels stay apart: the left one is twice as loud.
    EXPECT_NEAR(plot.value(1000, 0), meanLevel(0.5), 60);
    EXPECT_NEAR(plot.value(1000, 1), meanLevel(0.25), 60);

    const QImage image = paintedWaveform(plot, 300, 100);
    // Half height 50 scaled to 0.9 of the peak: 45 rows above and 22 below.
    EXPECT_NEAR(coveredRows(image, 150), 45 + 22, 3);
    EXPECT_GT(qAlpha(image.pixel(150, 10)), 0);
    EXPECT_EQ(qAlpha(image.pixel(150, 85)), 0);
}

TEST(Waveform, MonoShapeIsMirroredAboutTheMiddle)
{
    PlotData plot(200);
    WaveformDecoder::decodePlotData(&plot, TestMedia::path("tone22k_mono.wav"));
    ASSERT_TRUE(plot.isReady());
    const QImage image = paintedWaveform(plot, 200, 100);
    for (int y = 0; y < 50; ++y)
        EXPECT_EQ(qAlpha(image.pixel(100, y)) > 0, qAlpha(image.pixel(100, 99 - y)) > 0) << "row " << y;
    EXPECT_GT(coveredRows(image, 100), 60);
}

TEST(Waveform, CompressedFloatSoundIsConvertedToTheSameLevels)
{
    // AAC decodes to planar floats: the points come through the converter.
    PlotData plot(100);
    WaveformDecoder::decodePlotData(&plot, TestMedia::path("audio_only.m4a"));
    ASSERT_TRUE(plot.isReady());
    EXPECT_EQ(plot.channels(), 1);
    // The encoder's priming samples decode too: a few points past the 100.
    EXPECT_GE(plot.storedPointCount(), 100);
    EXPECT_LE(plot.storedPointCount(), 105);
    // A sine at an eighth of full scale, away from the encoder's start.
    EXPECT_NEAR(plot.value(50, 0), meanLevel(0.125), 150);
}

TEST(Waveform, FilesShorterThanThePointsAndZeroPointsStillDecode)
{
    // 441 sample frames for 2048 points: one sample frame per point.
    PlotData dense(2048);
    WaveformDecoder::decodePlotData(&dense, TestMedia::path("blip_10ms.wav"));
    ASSERT_TRUE(dense.isReady());
    EXPECT_EQ(dense.storedPointCount(), 441);

    // No point asked for (a zoom that gives no pixel): the whole file is one point.
    PlotData single(0);
    WaveformDecoder::decodePlotData(&single, TestMedia::path("blip_10ms.wav"));
    ASSERT_TRUE(single.isReady());
    EXPECT_LE(single.storedPointCount(), 2);
}

TEST(Waveform, SilenceOrOnePointDrawsAFlatLineAtTheMiddle)
{
    PlotData silence(100);
    WaveformDecoder::decodePlotData(&silence, TestMedia::path("silence_stereo.wav"));
    ASSERT_TRUE(silence.isReady());
    EXPECT_EQ(silence.peak(), 0);
    // One point has no width to spread over.
    PlotData one(1);
    one.publish(QByteArray("\x10\x00\x10\x00", 4), 2, 16);
    for (const PlotData* plot : {&silence, &one}) {
        const QImage image = paintedWaveform(*plot, 50, 20);
        EXPECT_EQ(coveredRows(image, 25), 1);
        EXPECT_GT(qAlpha(image.pixel(25, 10)), 0);
    }
}

TEST(Waveform, UndecodableOrCancelledStaysNotReady)
{
    for (const char* name : {"garbage.mp4", "no_such_file.wav", "picture.png"}) {
        PlotData plot(100);
        WaveformDecoder::decodePlotData(&plot, TestMedia::path(name));
        EXPECT_FALSE(plot.isReady()) << name;
    }
    const std::atomic<bool> cancelled{true};
    PlotData plot(100);
    WaveformDecoder::decodePlotData(&plot, TestMedia::path("music_3min_stereo.wav"), &cancelled);
    EXPECT_FALSE(plot.isReady());
}

} // namespace
