#include "MusicSegment.h"
#include "PlotData.h"
#include "SegmentKeys.h"
#include "SoundTestListener.h"
#include "TestMedia.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A music segment on the file, reported loaded by the engine with the
// listener's media duration.
std::unique_ptr<MusicSegment> loadedMusic(SoundTestListener& listener, const QString& file,
                                          const QString& title = QStringLiteral("Base Name"), bool readTags = false)
{
    auto music = std::make_unique<MusicSegment>(file, 2.0f, title, QString(), &listener);
    music->setReadTagsOnLoad(readTags);
    EXPECT_TRUE(waitFor([&] { return music->state() == 1; }));
    music->onEngineLoadStatus(music->serialNumber(), false, 0);
    return music;
}

// The tone as a stored project record with the given numbers, reported loaded.
std::unique_ptr<MusicSegment> reopenedTone(SoundTestListener& listener,
                                           std::initializer_list<std::pair<QString, float>> numbers)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("MUSIC"));
    Segment::setStringAttribute(attributes.get(), SegmentKey::File, TestMedia::path("tone440.wav"));
    for (const auto& [key, value] : numbers)
        Segment::setFloatAttribute(attributes.get(), key, value);
    auto music = std::make_unique<MusicSegment>(std::move(attributes), &listener, false);
    EXPECT_TRUE(waitFor([&] { return music->state() == 1; }));
    music->onEngineLoadStatus(music->serialNumber(), false, 0);
    return music;
}

TEST(MusicSegment, EngineReportSetsDurationTrimAndStartsTheWaveform)
{
    SoundTestListener listener;
    listener.mediaDuration = 180;
    listener.pixelsPerSecond = 20; // 3600 pixels: the waveform stops at 2048 points
    auto music = loadedMusic(listener, TestMedia::path("music_3min_stereo.wav"));
    EXPECT_EQ(music->state(), 4);
    EXPECT_FLOAT_EQ(music->duration(), 180);
    EXPECT_EQ(Segment::stringAttribute(music->attributes(), SegmentKey::RangeDuration), "180");

    // Decoding three minutes takes a while in the race-detecting build on a busy machine.
    ASSERT_TRUE(waitFor([&] { return listener.plotReports.load() == 1; }, 60000));
    const auto plot = music->plotData();
    ASSERT_TRUE(plot && plot->isReady());
    EXPECT_EQ(plot->pointCount(), MusicSegment::kMaximumPlotPoints);
    // A second report while loaded changes nothing and makes no second waveform.
    music->onEngineLoadStatus(music->serialNumber(), false, 0);
    EXPECT_EQ(music->plotData(), plot);
}

TEST(MusicSegment, TagsReplaceTheTitleOnlyWhenAskedAndPresent)
{
    SoundTestListener listener;
    listener.mediaDuration = 1;
    listener.audioTitle = QStringLiteral("Tone Title");
    listener.audioArtist = QStringLiteral("Tone Artist");
    const QString file = TestMedia::path("audio_only.m4a");

    auto plain = loadedMusic(listener, file);
    EXPECT_EQ(plain->title(), "Base Name");
    EXPECT_EQ(plain->attributes()->findText(SegmentKey::Artist), nullptr);

    auto tagged = loadedMusic(listener, file, QStringLiteral("audio_only"), true);
    EXPECT_EQ(tagged->title(), "Tone Title");
    EXPECT_EQ(tagged->artist(), "Tone Artist");
    EXPECT_FALSE(tagged->readTagsOnLoad());

    listener.audioTitle.clear();
    listener.audioArtist.clear();
    auto untagged = loadedMusic(listener, file, QStringLiteral("audio_only"), true);
    EXPECT_EQ(untagged->title(), "audio_only");
    EXPECT_EQ(untagged->text(), "audio_only.m4a");
}

TEST(MusicSegment, OlderProjectsNameTheFileUnderURL)
{
    SoundTestListener listener;
    listener.projectDirectory = QStringLiteral("/projects/one");
    auto attributes = std::make_unique<SegmentAttributes>();
    attributes->setText(SegmentKey::Type, QStringLiteral("MUSIC"));
    attributes->setText(SegmentKey::URL, QStringLiteral("song.mp3"));
    MusicSegment music(std::move(attributes), &listener, false);
    EXPECT_EQ(music.absoluteFilePath(), "/projects/one/song.mp3");
    music.setFilePath(QStringLiteral("/projects/one/other.mp3"));
    EXPECT_EQ(Segment::stringAttribute(music.attributes(), SegmentKey::File), "other.mp3");
}

TEST(MusicSegment, TrimsStopAtTheMediaStartAndEnd)
{
    SoundTestListener listener;
    listener.mediaDuration = 10;
    auto music = loadedMusic(listener, TestMedia::path("tone440.wav"));
    ASSERT_FLOAT_EQ(music->rangeStart(), 2);
    music->setTrimStart(1);
    music->setTrimDuration(6);

    EXPECT_TRUE(music->setStartTime(2.5f));
    EXPECT_FLOAT_EQ(music->trimStart(), 1.5f);
    // Two seconds earlier would be before the media's first sample.
    EXPECT_FALSE(music->setStartTime(0.5f));
    EXPECT_FLOAT_EQ(music->rangeStart(), 1.0f);
    EXPECT_FLOAT_EQ(music->trimStart(), 0);
    EXPECT_FLOAT_EQ(music->trimDuration(), 7);

    EXPECT_TRUE(music->setEndTime(6));
    EXPECT_FLOAT_EQ(music->trimDuration(), 5);
    EXPECT_FALSE(music->setEndTime(30));
    EXPECT_FLOAT_EQ(music->trimDuration(), 10);
    EXPECT_FLOAT_EQ(Segment::floatAttribute(music->attributes(), SegmentKey::RangeDuration, -1), 10);
}

TEST(MusicSegment, ReopenedTrimmedMusicKeepsItsLengthWhenTheMediaLengthArrives)
{
    // A 10 s file of which the project plays 4 s from 2 s on.
    SoundTestListener listener;
    listener.mediaDuration = 10;
    auto music = reopenedTone(listener, {{SegmentKey::RangeStart, 3.0f},
                                         {SegmentKey::RangeDuration, 4.0f},
                                         {SegmentKey::TrimStart, 2.0f},
                                         {SegmentKey::TrimDuration, 4.0f}});
    ASSERT_EQ(music->state(), 4);

    EXPECT_FLOAT_EQ(Segment::floatAttribute(music->attributes(), SegmentKey::RangeDuration, 0), 4.0f);
    EXPECT_FLOAT_EQ(music->duration(), 4.0f);
    EXPECT_FLOAT_EQ(music->trimStart(), 2.0f);
    EXPECT_FLOAT_EQ(music->trimDuration(), 4.0f);

    // Shortening it further shortens what the timeline shows.
    EXPECT_TRUE(music->setEndTime(5.0f));
    EXPECT_FLOAT_EQ(music->duration(), 2.0f);

    // A stored range that runs past the media is the media's length.
    music->setRangeDuration(30.0f);
    EXPECT_FLOAT_EQ(music->duration(), 10.0f);
}

// The engine stretches the trim over the range: once the media's length is
// known the trim is what the tile shows, for a record without one, one saved
// with the whole media's, and one longer than the media.
TEST(MusicSegment, TheTrimFollowsTheRangeTheTileShowsOnceTheMediaLengthIsKnown)
{
    SoundTestListener listener;
    listener.mediaDuration = 180;
    for (const float storedTrim : {0.0f, 180.0f}) {
        auto music = storedTrim > 0.0f
            ? reopenedTone(listener, {{SegmentKey::RangeDuration, 1.5f}, {SegmentKey::TrimDuration, storedTrim}})
            : reopenedTone(listener, {{SegmentKey::RangeDuration, 1.5f}});
        EXPECT_FLOAT_EQ(music->duration(), 1.5f);
        EXPECT_EQ(Segment::stringAttribute(music->attributes(), SegmentKey::TrimDuration), "1.5");
    }
    // A trim a rounding step off the range is the range already: kept as saved.
    auto rounded = reopenedTone(listener, {{SegmentKey::RangeDuration, 1.0f}, {SegmentKey::TrimDuration, 0.999999f}});
    EXPECT_EQ(Segment::stringAttribute(rounded->attributes(), SegmentKey::TrimDuration), "0.999999");
    listener.mediaDuration = 3;
    auto longer = reopenedTone(listener, {{SegmentKey::RangeDuration, 1000.0f}, {SegmentKey::TrimDuration, 1000.0f}});
    EXPECT_EQ(Segment::stringAttribute(longer->attributes(), SegmentKey::RangeDuration), "3");
    EXPECT_EQ(Segment::stringAttribute(longer->attributes(), SegmentKey::TrimDuration), "3");
}

TEST(MusicSegment, EndIsFreeUntilTheMediaDurationIsKnown)
{
    SoundTestListener listener;
    MusicSegment music(TestMedia::path("tone440.wav"), 0.0f, QStringLiteral("t"), QString(), &listener);
    EXPECT_TRUE(music.setEndTime(30));
    EXPECT_FLOAT_EQ(music.trimDuration(), 30);
    EXPECT_FLOAT_EQ(music.duration(), 30);
}

TEST(MusicSegment, FailedLoadReportsTheErrorAndPaintsItsMessage)
{
    SoundTestListener listener;
    auto missing = std::make_unique<MusicSegment>(QStringLiteral("/no/such/song.mp3"), 0.0f, QStringLiteral("s"),
                                                  QString(), &listener);
    ASSERT_TRUE(waitFor([&] { return missing->state() == 1; }));
    missing->onEngineLoadStatus(missing->serialNumber(), true, 0);
    EXPECT_EQ(missing->errorCode(), 2);
    EXPECT_EQ(missing->state(), 4);

    auto unplayable = std::make_unique<MusicSegment>(TestMedia::path("garbage.mp4"), 0.0f, QStringLiteral("g"),
                                                     QString(), &listener);
    ASSERT_TRUE(waitFor([&] { return unplayable->state() == 1; }));
    unplayable->onEngineLoadStatus(unplayable->serialNumber(), true, 0);
    EXPECT_EQ(unplayable->errorCode(), 1);
    // The waveform task still ran and left the plot data not ready.
    ASSERT_TRUE(waitFor([&] { return !unplayable->hasPendingTasks(); }));
    EXPECT_FALSE(unplayable->plotData()->isReady());

    QImage image(120, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    missing->paintTimelineBody(&painter, image.rect(), 10);
    painter.end();
    EXPECT_EQ(image.pixel(2, 2), 0xFFFFFF00u); // the message strip's yellow
}

TEST(MusicSegment, LabelShowsTitleAndArtistOrThePlaceholder)
{
    SoundTestListener listener;
    const auto render = [&](MusicSegment& music) {
        QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        music.paintTimelineBody(&painter, image.rect(), 10);
        return image;
    };
    MusicSegment untitled(QStringLiteral("/a/b.mp3"), 0, QString(), QString(), &listener);
    MusicSegment placeholder(QStringLiteral("/a/b.mp3"), 0, QStringLiteral("<Music>"), QString(), &listener);
    MusicSegment both(QStringLiteral("/a/b.mp3"), 0, QStringLiteral("A"), QStringLiteral("B"), &listener);
    MusicSegment joined(QStringLiteral("/a/b.mp3"), 0, QStringLiteral("A - B"), QString(), &listener);
    EXPECT_EQ(render(untitled), render(placeholder));
    EXPECT_EQ(render(both), render(joined));
    EXPECT_NE(render(both), render(placeholder));
}

TEST(MusicSegment, StoredMusicWithoutATitleIsLoadedOnceTheEngineReportedIt)
{
    SoundTestListener listener;
    listener.mediaDuration = 3;
    const auto stored = [](const QString* title) {
        auto attributes = std::make_unique<SegmentAttributes>();
        Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("MUSIC"));
        Segment::setStringAttribute(attributes.get(), SegmentKey::File, TestMedia::path("tone440.wav"));
        if (title)
            Segment::setStringAttribute(attributes.get(), SegmentKey::Title, *title);
        return attributes;
    };
    MusicSegment untitled(stored(nullptr), &listener, false);
    ASSERT_TRUE(waitFor([&] { return untitled.state() == 1; }));
    EXPECT_FALSE(untitled.isLoaded());
    EXPECT_FALSE(untitled.hasContent());
    untitled.onEngineLoadStatus(untitled.serialNumber(), false, 0);
    EXPECT_TRUE(untitled.isLoaded());
    EXPECT_TRUE(untitled.hasContent());
    // The record stays as it was stored: no title is made up for it.
    EXPECT_EQ(untitled.attributes()->findText(SegmentKey::Title), nullptr);

    // A stored title, even an empty one, counts before the engine answers.
    const QString empty;
    MusicSegment titled(stored(&empty), &listener, false);
    ASSERT_TRUE(waitFor([&] { return titled.state() == 1; }));
    EXPECT_TRUE(titled.isLoaded());
}

TEST(MusicSegment, DeletingDuringTheWaveformCancelsIt)
{
    SoundTestListener listener;
    listener.mediaDuration = 180;
    for (int round = 0; round < 3; ++round) {
        auto music = loadedMusic(listener, TestMedia::path("music_3min_stereo.wav"));
        music.reset(); // waits for the decoding task, which stops at its next packet
    }
    EXPECT_EQ(listener.plotReports.load(), 0);
}

TEST(MusicSegment, UntrimmedMusicAtDoubleSpeedPlaysTheWholeMediaOnce)
{
    SoundTestListener listener;
    listener.mediaDuration = 10;
    auto music = reopenedTone(listener, {{SegmentKey::Speed, 2.0f}});
    EXPECT_FLOAT_EQ(music->duration(), 5.0f);
    EXPECT_FLOAT_EQ(music->Segment::duration(), 5.0f); // the stored range itself, not capped by the media
    EXPECT_FLOAT_EQ(music->trimDuration(), 5.0f);
    EXPECT_FLOAT_EQ(Segment::floatAttribute(music->attributes(), SegmentKey::TrimDuration, 0), 10.0f);
}

} // namespace
