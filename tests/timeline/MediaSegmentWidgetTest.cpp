#include "TimelineTestSupport.h"

#include "MovieSegment.h"
#include "MovieSegmentWidget.h"
#include "MusicSegment.h"
#include "MusicSegmentWidget.h"
#include "SegmentEditingStateBackgroundWidget.h"
#include "TestMedia.h"
#include "VoiceSegment.h"
#include "VoiceSegmentWidget.h"

#include <algorithm>

namespace {

int backgroundsOn(QWidget* track)
{
    const QObjectList children = track->children();
    return int(std::count_if(children.begin(), children.end(), [](QObject* child) {
        return dynamic_cast<SegmentEditingStateBackgroundWidget*>(child) != nullptr;
    }));
}

} // namespace

class MediaSegmentWidgetTest : public TimelineFixture
{
protected:
    MusicSegment* trimmedMusic(float start)
    {
        listener.mediaDuration = 3.0f;
        auto* music = own(reported(new MusicSegment(TestMedia::path("tone440.wav"), start, "Tone", "", &listener)));
        music->setRangeDuration(1.5f);
        music->setTrimStart(1.0f);
        return music;
    }
};

TEST_F(MediaSegmentWidgetTest, TilesOfEachTypeAndTheirColours)
{
    TrackWidget* track = addTrack();
    listener.mediaDuration = 3.0f;
    auto* voice = own(reported(new VoiceSegment(TestMedia::path("tone440.wav"), 0.0f, {0.5f, 0.2f}, &listener)));
    auto* movie = own(new MovieSegment(TestMedia::path("whole.mp4"), 4.0f, &listener));
    EXPECT_NE(dynamic_cast<VoiceSegmentWidget*>(track->addSegmentWidget(voice)), nullptr);
    EXPECT_NE(dynamic_cast<MovieSegmentWidget*>(track->addSegmentWidget(movie)), nullptr);
    SegmentWidget* music = track->addSegmentWidget(trimmedMusic(8.0f));
    EXPECT_NE(dynamic_cast<MusicSegmentWidget*>(music), nullptr);
    EXPECT_EQ(track->segmentWidgetAt(0)->backgroundColor(), QColor(37, 44, 63));
    EXPECT_EQ(track->segmentWidgetAt(1)->backgroundColor(), QColor(51, 51, 51));
    EXPECT_EQ(music->backgroundColor(), QColor(64, 64, 40));
    EXPECT_EQ(track->segmentWidgetAt(2), music);
    EXPECT_EQ(track->segmentWidgetAt(3), nullptr);
}

TEST_F(MediaSegmentWidgetTest, EditingBackgroundSpansTheWholeMediaUnderTheTrim)
{
    TrackWidget* track = addTrack(2.0f);
    MusicSegment* music = trimmedMusic(10.0f);
    auto* tile = static_cast<MusicSegmentWidget*>(track->addSegmentWidget(music));
    track->setScale(2.0f, false);
    tile->setEditing(true, false);
    SegmentEditingStateBackgroundWidget* background = tile->editingBackground();
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->parentWidget(), track);
    // The whole 3 s of media, starting 1 s (the trim) before the tile.
    EXPECT_EQ(background->geometry(), QRect(TimelineMetrics::tileX(9.0f, 2.0f), 0, 144, 44));
    EXPECT_EQ(background->geometry().x() + 48, tile->x());
    EXPECT_FALSE(tile->isReadyForRemoval());
    track->setScale(1.0f, false);
    EXPECT_EQ(background->geometry(), QRect(TimelineMetrics::tileX(9.0f, 1.0f), 0, 72, 44));
    EXPECT_EQ(background->scale(), 1.0f);
    // The veil darkens whatever the strip shows.
    const QRgb veiled = background->grab().toImage().pixel(2, 2);
    EXPECT_LT(qRed(veiled), 140);

    setAnimationsEnabled(false);
    tile->setEditing(false, true);
    EXPECT_EQ(tile->editingBackground(), nullptr);
    EXPECT_TRUE(tile->isReadyForRemoval());
    EXPECT_EQ(backgroundsOn(track), 0);
}

TEST_F(MediaSegmentWidgetTest, ReenteringEditingDuringTheFadeKeepsTheNewBackground)
{
    TrackWidget* track = addTrack();
    auto* tile = static_cast<MusicSegmentWidget*>(track->addSegmentWidget(trimmedMusic(10.0f)));
    track->setScale(1.0f, false);
    tile->setEditing(true, true);
    QPointer<SegmentEditingStateBackgroundWidget> first = tile->editingBackground();
    ASSERT_FALSE(first.isNull());
    tile->setEditing(false, true);
    EXPECT_FALSE(tile->isReadyForRemoval());
    // Back while the fade runs.
    tile->setEditing(true, true);
    QPointer<SegmentEditingStateBackgroundWidget> second = tile->editingBackground();
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(first, second);
    // The first fade ends: it takes only its own background.
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 5000)) << "the first background never went";
    // Past the new background's own fade-in: nothing more may go.
    QTest::qWait(250);
    EXPECT_EQ(tile->editingBackground(), second.data());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(backgroundsOn(track), 1);

    tile->setEditing(false, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tile->isReadyForRemoval(); }, 5000)) << "the background never faded out";
    EXPECT_EQ(backgroundsOn(track), 0);
}

TEST_F(MediaSegmentWidgetTest, TileDeletedWhileEditedTakesItsBackground)
{
    TrackWidget* track = addTrack();
    MusicSegment* music = trimmedMusic(10.0f);
    track->addSegmentWidget(music)->setEditing(true, false);
    EXPECT_EQ(backgroundsOn(track), 1);
    track->removeSegmentWidget(music, false);
    EXPECT_EQ(backgroundsOn(track), 0);
}

TEST_F(MediaSegmentWidgetTest, MovieBackgroundUsesTheMediaLengthOnceKnown)
{
    TrackWidget* track = addTrack();
    auto* movie = own(new MovieSegment(TestMedia::path("whole.mp4"), 5.0f, &listener));
    movie->setRangeDuration(1.0f);
    auto* tile = static_cast<MovieSegmentWidget*>(track->addSegmentWidget(movie));
    track->setScale(1.0f, false);
    // Before the engine reported the media: the tile's own duration.
    EXPECT_EQ(tile->editingBackgroundRect().width(), 24);
    listener.mediaDuration = 2.0f;
    movie->updateMediaDuration();
    movie->setSpeed(2.0f);
    movie->setTrimStart(0.25f);
    EXPECT_EQ(tile->editingBackgroundRect(), QRect(TimelineMetrics::tileX(4.75f, 1.0f), 0, 24, 44));
}
