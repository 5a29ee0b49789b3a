#include "../model/SoundTestListener.h"
#include "AVAudioStream.h"
#include "MusicSegment.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"
#include "TextSegment.h"

namespace {

const QString kName = QStringLiteral("Texts");

// An owner whose engine reads the file's own tags, as the editor's does.
class TagReadingListener : public SoundTestListener
{
public:
    QString segmentAudioTitle(Segment* segment) override
    {
        AVAudioStream stream(segment->absoluteFilePath().toUtf8().constData(), 44100, 2);
        return stream.openForMetadata() == 0 ? QString::fromUtf8(stream.title()) : QString();
    }
};

// Texts that XML 1.0 cannot hold reach a project through a music file's
// title tag and through typed or pasted text. The project must still save
// and take undo snapshots, and reopen without those characters.
TEST(UnwritableText, TagsAndTextsXmlCannotHoldAreLeftOutAndTheProjectStillSaves)
{
    TemporaryProduct product;
    product.projectDir(kName);
    TagReadingListener listener;
    listener.mediaDuration = 0.5f;
    ProjectManager manager;
    manager.setProjectName(kName);

    auto* music = new MusicSegment(TestMedia::path("title_vtab.mp3"), 0, QStringLiteral("title_vtab"), QString(),
                                   &listener);
    manager.appendSegment(music, nullptr);
    music->setReadTagsOnLoad(true);
    ASSERT_TRUE(waitFor([&] { return music->state() == 1; }));
    music->onEngineLoadStatus(music->serialNumber(), false, 0);
    ASSERT_EQ(music->state(), 4);
    ASSERT_EQ(music->title(), QStringLiteral("Intro\vPart 2")) << "the tag as the file holds it";

    // A form feed, a lone high and a lone low surrogate and U+FFFE go; tab,
    // line feed and a whole surrogate pair (a film clapper) stay.
    const QString clapper = QString::fromUtf8("\U0001F3AC");
    const QString typed = QStringLiteral("Page") + QChar(0x0C) + QStringLiteral("break\tone") + QChar(0xD83C)
        + QStringLiteral("\ntwo") + QChar(0xDFAC) + QChar(0xFFFE) + clapper;
    manager.appendSegment(new TextSegment(typed, 1, 2, &listener, nullptr), nullptr);

    EXPECT_EQ(manager.saveSegments(kName, QString()), 0);
    EXPECT_EQ(manager.recordSnapshot(kName, QString()), 0);
    EXPECT_EQ(manager.recordSnapshot(kName, QString()), 0);
    EXPECT_EQ(manager.history().count(), 2);

    SegmentRecords records;
    ASSERT_EQ(ProjectManager::loadSegments(records, kName, QString()), 0);
    ASSERT_EQ(records.size(), 2u);
    const QString kept = QStringLiteral("Pagebreak\tone\ntwo") + clapper;
    EXPECT_EQ(Segment::stringAttribute(records[1].get(), SegmentKey::Text), kept);
    const MusicSegment reopened(std::move(records[0]), &listener, false);
    EXPECT_EQ(reopened.title(), QStringLiteral("IntroPart 2"));

    const std::optional<SegmentRecords> undone = manager.undo().records;
    ASSERT_TRUE(undone && undone->size() == 2);
    EXPECT_EQ(Segment::stringAttribute(undone->at(0).get(), SegmentKey::Title), QStringLiteral("IntroPart 2"));
    EXPECT_EQ(Segment::stringAttribute(undone->at(1).get(), SegmentKey::Text), kept);
}

} // namespace
