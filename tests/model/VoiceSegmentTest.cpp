#include "SegmentKeys.h"
#include "SoundTestListener.h"
#include "TestMedia.h"
#include "VoiceSegment.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage renderedStrip(VoiceSegment& voice, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    voice.paintTimelineStrip(&painter, image.rect(), 10);
    return image;
}

// First and last covered row of a column, or (-1, -1).
std::pair<int, int> coveredSpan(const QImage& image, int x)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) > 0) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

std::unique_ptr<VoiceSegment> voiceWithMeter(const QString& meter, SegmentListener* owner = nullptr)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    attributes->setText(SegmentKey::Type, QStringLiteral("VOICE"));
    attributes->setText(SegmentKey::MeterValues, meter);
    return std::make_unique<VoiceSegment>(std::move(attributes), owner, false);
}

TEST(VoiceSegment, MeterValuesReadAndWriteAsCommaText)
{
    VoiceSegment voice(QStringLiteral("/rec/voice.m4a"), 0, {0.1f, 0.25f}, nullptr);
    EXPECT_EQ(Segment::stringAttribute(voice.attributes(), SegmentKey::MeterValues), "0.1,0.25");
    EXPECT_EQ(voiceWithMeter(QStringLiteral("0.5,abc,1"))->meterValues(), (QList<float>{0.5f, 0.0f, 1.0f}));

    // An empty text is no level at all, not one level of 0.
    auto empty = voiceWithMeter(QString());
    EXPECT_TRUE(empty->meterValues().isEmpty());
    EXPECT_FALSE(empty->hasContent());
    EXPECT_EQ(renderedStrip(*empty, 50, 20), renderedStrip(*voiceWithMeter(QStringLiteral("0.0")), 50, 20));
}

TEST(VoiceSegment, LevelsAreBarsAboutTheMiddleLine)
{
    auto voice = voiceWithMeter(QStringLiteral("0.5,1"));
    const QImage strip = renderedStrip(*voice, 100, 40);
    EXPECT_EQ(coveredSpan(strip, 0), std::make_pair(10, 29)); // 20 rows about y = 20
    EXPECT_EQ(coveredSpan(strip, 99), std::make_pair(0, 39));

    // One level is one bar across the whole strip.
    const QImage single = renderedStrip(*voiceWithMeter(QStringLiteral("0.5")), 100, 40);
    EXPECT_EQ(coveredSpan(single, 2), std::make_pair(10, 29));
    EXPECT_EQ(coveredSpan(single, 97), std::make_pair(10, 29));
}

TEST(VoiceSegment, TrimmedBodyShowsItsPartOfTheWholeRecording)
{
    // Levels rising from 0 to 1 over a 10 s recording, of which 4 s from
    // 2 s on are used.
    SoundTestListener listener;
    listener.mediaDuration = 10;
    auto voice = voiceWithMeter(QStringLiteral("0,1"), &listener);
    voice->setTrimStart(2);
    voice->setTrimDuration(4);
    voice->setRangeDuration(4);
    ASSERT_TRUE(waitFor([&] { return voice->state() == 1; }));
    voice->onEngineLoadStatus(voice->serialNumber(), false, 0);
    ASSERT_FLOAT_EQ(voice->duration(), 4);

    QImage body(40, 40, QImage::Format_ARGB32_Premultiplied);
    body.fill(Qt::transparent);
    QPainter painter(&body);
    voice->paintTimelineBody(&painter, body.rect(), 10);
    painter.end();
    // The body's column 10 is the recording's 3rd second: a level of 0.3.
    const auto span = coveredSpan(body, 10);
    EXPECT_NEAR(span.second - span.first + 1, 12, 2);
}

TEST(VoiceSegment, EngineReportGivesDurationAndEnd)
{
    SoundTestListener listener;
    listener.mediaDuration = 3;
    VoiceSegment voice(TestMedia::path("tone440.wav"), 1, {0.5f}, &listener);
    ASSERT_TRUE(waitFor([&] { return voice.state() == 1; }));
    voice.onEngineLoadStatus(voice.serialNumber(), false, 0);
    EXPECT_EQ(voice.state(), 4);
    EXPECT_FLOAT_EQ(voice.duration(), 3);
    EXPECT_FALSE(voice.setEndTime(10));
    EXPECT_FLOAT_EQ(voice.trimDuration(), 3);
}

} // namespace
