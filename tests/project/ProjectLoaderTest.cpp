#include "PlistTestSupport.h"
#include "ProjectLoader.h"
#include "ProjectTestSupport.h"
#include "RecordRepair.h"
#include "Segment.h"
#include "SmallFileSystem.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <iterator>
#include <utility>
#include <vector>

namespace {

const QString kName = QStringLiteral("Loading");

// Plays the editor window's part: records the messages, builds segments on
// message 5 and, unless told not to, reports its layout.
class LoaderWindow : public QObject
{
public:
    LoaderWindow(ProjectManager* manager, ProjectLoader* loader, bool layOut = true, bool segmentsLoad = true)
        : _manager(manager), _layOut(layOut), _segmentsLoad(segmentsLoad)
    {
        connect(loader, &ProjectLoader::onMessage, this, &LoaderWindow::_onMessage, Qt::QueuedConnection);
        loader->start();
    }

    // Processes events until the message arrived (0: until the thread ended).
    bool await(ProjectLoader* loader, int message = 0)
    {
        const QDeadlineTimer deadline(15000);
        while (!(message ? messages.contains(message) : loader->isFinished()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        return message ? messages.contains(message) : loader->isFinished();
    }

    QList<int> messages;
    QVariant lastData;
    SegmentRecords records;

private:
    void _onMessage(ProjectLoader* loader, int message, const QVariant& data)
    {
        messages << message;
        if (message != ProjectLoaderSegmentsReady) {
            lastData = data;
            return;
        }
        records = loader->takeRecords();
        for (const auto& record : records) {
            auto* segment = new FakeMediaSegment(Segment::stringAttribute(record.get(), "Type"));
            segment->loaded = _segmentsLoad;
            _manager->appendSegment(segment, nullptr);
        }
        if (_layOut)
            loader->setLayoutEditAreaCompleted();
    }

    ProjectManager* _manager;
    bool _layOut;
    // Whether the segments built on message 5 report themselves loaded.
    bool _segmentsLoad;
};

int convertToGreenScreenProject(const std::string&, const std::string& xmlPath, char*, int32_t)
{
    QFile file(QString::fromStdString(xmlPath));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("<Project><Segment Type=\"MOVIE\" FxGreenScreenSensitivity=\"40\" FxGreenScreenSmooth=\"15\"/>"
               "<Segment Type=\"IMAGE\" FxGreenScreenSensitivity=\"0\"/></Project>");
    return 0;
}

class ProjectLoading : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }
    void TearDown() override { ProjectLoader::setPlistConverters(nullptr, nullptr); }

    int open(const QByteArray& version, const QByteArray& segments)
    {
        writeFile(dir + "/properties.xml", "<Properties version=\"" + version + "\" backgroundColor=\"#ff102030\"/>");
        writeFile(dir + "/project.xml", "<Project>" + segments + "</Project>");
        return ProjectLoader::loadProperties(kName, "", &manager, &error);
    }

    TemporaryProduct product;
    QString dir;
    QString error;
    ProjectManager manager;
};

TEST_F(ProjectLoading, PropertiesDecideWhetherTheProjectOpens)
{
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesUnreadable);
    EXPECT_EQ(open("7.5", ""), ProjectLoader::PropertiesTooNew);
    EXPECT_EQ(open("7", ""), 0);
    writeFile(dir + "/properties.xml", "<Properties version=");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesUnreadable);
    // A property list alone is converted first; an unreadable one fails with a reason.
    QFile::remove(dir + "/properties.xml");
    writeFile(dir + "/properties.plist", "bplist00");
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesConvertFailed);
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ProjectLoading, ProjectsReportBeginColourSegmentsAndTheEnd)
{
    ASSERT_EQ(open("7", "<Segment Type=\"TEXT\" UId=\"a\"/><Segment Type=\"IMAGE\" UId=\"b\"/>"), 0);
    manager.setModified(true);
    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager, &loader);
    ASSERT_TRUE(window.await(&loader));
    EXPECT_EQ(window.messages, QList<int>({1, 6, 5, 100}));
    ASSERT_EQ(window.records.size(), 2u);
    EXPECT_EQ(Segment::stringAttribute(window.records[1].get(), "UId"), "b");
    EXPECT_FALSE(manager.isModified()) << "a freshly opened current project is unmodified";

    // An old format is written back.
    ProjectManager old;
    ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &old, &error), 0);
    old.setVersion(2.5f);
    ProjectLoader oldLoader(kName, "", &old);
    LoaderWindow oldWindow(&old, &oldLoader);
    ASSERT_TRUE(oldWindow.await(&oldLoader));
    EXPECT_EQ(oldWindow.messages.last(), int(ProjectLoaderAllLoaded));
    EXPECT_TRUE(old.isModified());

    for (const QByteArray& content : {QByteArray(), QByteArray("<Project><Segment")}) {
        QFile::remove(dir + "/project.xml");
        if (!content.isEmpty())
            writeFile(dir + "/project.xml", content);
        ProjectLoader broken(kName, "", &manager);
        LoaderWindow brokenWindow(&manager, &broken);
        ASSERT_TRUE(brokenWindow.await(&broken));
        EXPECT_EQ(brokenWindow.messages, QList<int>({1, 15}));
    }
}

TEST_F(ProjectLoading, ConvertedProjectsGetTheNewChromaKeys)
{
    QFile::remove(dir + "/project.xml");
    writeFile(dir + "/project.plist", "bplist00");
    ASSERT_EQ(open("4", ""), 0);
    QFile::remove(dir + "/project.xml");
    {
        ProjectLoader refused(kName, "", &manager);
        LoaderWindow window(&manager, &refused);
        ASSERT_TRUE(window.await(&refused));
        EXPECT_EQ(window.messages, QList<int>({1, 14}));
        EXPECT_FALSE(window.lastData.toString().isEmpty()) << "the converter says why";
    }
    ProjectLoader::setPlistConverters(convertToGreenScreenProject, nullptr);
    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager, &loader);
    ASSERT_TRUE(window.await(&loader));
    EXPECT_EQ(window.messages, QList<int>({1, 6, 5, 100}));
    ASSERT_EQ(window.records.size(), 2u);
    const SegmentAttributes* keyed = window.records[0].get();
    EXPECT_EQ(keyed->texts(), SegmentAttributes::Texts({{"Type", "MOVIE"}, {"KeyEnabled", "1"},
        {"KeySensitivity", "40"}, {"KeyColor", "#ff00ff00"}, {"KeySmoothing", "15"}}));
    EXPECT_EQ(Segment::stringAttribute(window.records[1].get(), "FxGreenScreenSensitivity"), "0");
    EXPECT_TRUE(manager.isModified());

    // A converted "project.xml" that was never saved in the new keys still
    // has the old ones at the next opening: they are migrated then, and the
    // current-format project is modified for that alone.
    ProjectLoader reopening(kName, "", &manager);
    LoaderWindow reopened(&manager, &reopening);
    ASSERT_TRUE(reopened.await(&reopening));
    ASSERT_EQ(reopened.records.size(), 2u);
    EXPECT_EQ(reopened.records[0]->texts(), keyed->texts());
    EXPECT_TRUE(manager.isModified());

    // Nothing to migrate (a key that is off stays as it is): not modified.
    writeFile(dir + "/project.xml", "<Project><Segment Type=\"IMAGE\" FxGreenScreenSensitivity=\"0\"/></Project>");
    ProjectLoader unchanged(kName, "", &manager);
    LoaderWindow unchangedWindow(&manager, &unchanged);
    ASSERT_TRUE(unchangedWindow.await(&unchanged));
    EXPECT_EQ(Segment::stringAttribute(unchangedWindow.records[0].get(), "FxGreenScreenSensitivity"), "0");
    EXPECT_FALSE(manager.isModified());
}

// A keyed-archive project with the old chroma keys opens with the new keys
// and as modified, whether "projtool convert" converted it first or the
// opening does.
TEST_F(ProjectLoading, OldChromaKeysAreMigratedAfterProjtoolConvertAsWhenOpenedDirectly)
{
    REQUIRE_PLIST_FIXTURES();
    for (const bool convertFirst : {true, false}) {
        SCOPED_TRACE(convertFirst ? "projtool convert, then open" : "open directly");
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const char* file : {"/project.plist", "/properties.plist"})
            ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/binary" + file, dir + file));
        if (convertFirst) {
            const ToolRun convert = runTool({"convert", dir});
            ASSERT_EQ(convert.exitCode, 0) << qPrintable(convert.output);
            EXPECT_TRUE(convert.output.contains("chroma keys migrated")) << qPrintable(convert.output);
            EXPECT_FALSE(readFile(dir + "/project.xml").contains("FxGreenScreen"));
        }
        ProjectManager opened;
        ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &opened, &error), 0) << qPrintable(error);
        ProjectLoader loader(kName, "", &opened);
        LoaderWindow window(&opened, &loader);
        ASSERT_TRUE(window.await(&loader));
        ASSERT_EQ(window.records.size(), 3u);
        const SegmentAttributes* text = window.records[1].get();
        for (const auto& [key, value] : std::map<QString, QString>{
                 {"KeyEnabled", "1"}, {"KeySensitivity", "40"}, {"KeySmoothing", "15"}, {"KeyColor", "#ff00ff00"}})
            EXPECT_EQ(Segment::stringAttribute(text, key), value) << qPrintable(key);
        EXPECT_EQ(text->findText("FxGreenScreenSensitivity"), nullptr);
        EXPECT_EQ(text->findText("FxGreenScreenSmooth"), nullptr);
        EXPECT_TRUE(opened.isModified());
    }
}

TEST_F(ProjectLoading, PropertyListProjectsAreConvertedAndMarkedModified)
{
    REQUIRE_PLIST_FIXTURES();
    for (const QString form : {"binary", "xml"}) {
        SCOPED_TRACE(qPrintable(form));
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const char* file : {"/project.plist", "/properties.plist"})
            ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/" + form + file, dir + file));
        ProjectManager converted;
        ASSERT_EQ(ProjectLoader::loadProperties(kName, "", &converted, &error), 0) << qPrintable(error);
        EXPECT_EQ(converted.backgroundColor(), 0xff102030u);
        ProjectLoader loader(kName, "", &converted);
        LoaderWindow window(&converted, &loader);
        ASSERT_TRUE(window.await(&loader));
        EXPECT_EQ(window.messages, QList<int>({1, 6, 5, 100}));
        EXPECT_TRUE(converted.isModified());
        EXPECT_TRUE(QFile::exists(dir + "/project.xml"));
        ASSERT_EQ(window.records.size(), 3u);
        const SegmentAttributes* image = window.records[0].get();
        EXPECT_EQ(*image->findText("URL"), QString::fromUtf8("file:///home/user/My Pictures/caf\u00e9 & more.png"));
        EXPECT_EQ(*image->findText("Text"), QString("Line one\nsays \"hi\" <b> & 'bye'\tTab%1CR")
                                                .arg(form == "binary" ? "\r" : "\n"));
        EXPECT_EQ(*image->findText("Title"), QString::fromUtf8("\u00dcn\u00efcode \u2603 \U0001F3AC"));
        EXPECT_EQ(*image->findText("RangeStart"), "0.500000");
        ASSERT_TRUE(image->transitions());
        ASSERT_EQ(image->transitions()->size(), 2u);
        EXPECT_EQ(*image->transitions()->at(0)->state(false)->findText("UserScale"), "{2, 2}");
        EXPECT_EQ(*window.records[1]->findText("KeySensitivity"), "40") << "old chroma keys are migrated";
    }
}

// On a full disk the converted file cannot be written: the project does not
// open as a damaged one but with the reason, and no file stands for it.
TEST_F(ProjectLoading, AConversionThatCannotBeWrittenFailsWithItsReason)
{
    REQUIRE_PLIST_FIXTURES();
    SmallFileSystem disk(dir);
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted here (not root?)";
    ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/binary/properties.plist", dir + "/properties.plist"));
    ASSERT_TRUE(disk.fill());
    EXPECT_EQ(ProjectLoader::loadProperties(kName, "", &manager, &error), ProjectLoader::PropertiesConvertFailed);
    EXPECT_EQ(error.toStdString(), "Cannot write output file");
    EXPECT_FALSE(QFile::exists(dir + "/properties.xml"));
}

TEST_F(ProjectLoading, ClosingTheWindowEndsBothWaits)
{
    ASSERT_EQ(open("7", "<Segment Type=\"MOVIE\"/>"), 0);
    // Waiting for a layout that never comes, then for a segment that never loads.
    for (bool layOut : {false, true}) {
        ProjectLoader loader(kName, "", &manager);
        LoaderWindow window(&manager, &loader, layOut, false);
        ASSERT_TRUE(window.await(&loader, ProjectLoaderSegmentsReady));
        QThread::msleep(300);
        EXPECT_FALSE(loader.isFinished());
        loader.requestInterruption();
        EXPECT_TRUE(loader.wait(2000)) << "layout ready: " << layOut;
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.messages.contains(ProjectLoaderAllLoaded));
    }
}

} // namespace

namespace {

std::unique_ptr<SegmentAttributes> record(const QString& type, const QString& start, const QString& length)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    attributes->setText(QStringLiteral("Type"), type);
    attributes->setText(QStringLiteral("RangeStart"), start);
    attributes->setText(QStringLiteral("RangeDuration"), length);
    return attributes;
}

QString text(const std::unique_ptr<SegmentAttributes>& attributes, const char* key)
{
    const QString* value = attributes->findText(QString::fromLatin1(key));
    return value ? *value : QStringLiteral("(absent)");
}

// Gives the record transitions stored as (start, length) fraction texts.
SegmentAttributes::TransitionList& setTransitions(SegmentAttributes* attributes,
                                                  const std::vector<std::pair<const char*, const char*>>& stored)
{
    SegmentAttributes::TransitionList& transitions = attributes->resetTransitions();
    for (const auto& [start, length] : stored) {
        auto entry = std::make_unique<SegmentAttributes>();
        entry->setText(QStringLiteral("TStart"), QString::fromLatin1(start));
        entry->setText(QStringLiteral("TDuration"), QString::fromLatin1(length));
        transitions.push_back(std::move(entry));
    }
    return transitions;
}

const RecordRepair::StillLengths kStillLengths{3.0f, 4.0f, 5.0f};

} // namespace

TEST(RecordRepair, StartsAndLengthsThatAreNoNumbersOrBelowZeroBecomeSound)
{
    SegmentRecords records;
    records.push_back(record("IMAGE", "-1", "-2"));
    records.push_back(record("TEXT", "nan", "0"));
    records.push_back(record("DRAWING", "-inf", "nan"));
    records.push_back(record("MOVIE", "2", "-1"));
    records.push_back(record("MUSIC", "1", "inf"));
    records.push_back(record("VOICE", "0.5", "1.25"));
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 5) << "the sound voice record is not counted";
    ASSERT_EQ(records.size(), 6u);
    const QStringList expected{"0 3", "0 4", "0 5", "2 0", "1 0", "0.5 1.25"};
    for (size_t index = 0; index < records.size(); ++index) {
        EXPECT_EQ(text(records[index], "RangeStart") + " " + text(records[index], "RangeDuration"),
                  expected[int(index)])
            << text(records[index], "Type").toStdString();
    }
}

TEST(RecordRepair, RecordsBeyondTheLongestMovieAreLeftOut)
{
    SegmentRecords records;
    records.push_back(record("IMAGE", "3e38", "2"));
    records.push_back(record("TEXT", "0", "1e38"));
    records.push_back(record("MOVIE", "86000", "401"));
    records.push_back(record("MUSIC", "86000", "400"));
    records.push_back(record("TEXT", "86400", "nan"));
    records.push_back(record("TEXT", "86396", "nan"));
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 5);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(text(records[0], "Type"), "MUSIC") << "ending exactly at the longest movie is kept";
    EXPECT_EQ(text(records[1], "Type"), "TEXT");
    EXPECT_EQ(text(records[1], "RangeStart"), "86396");
    EXPECT_EQ(text(records[1], "RangeDuration"), "4") << "a text's own length, which ends within the longest movie";
}

TEST(RecordRepair, TrimsPlayFromTheMediaStartForTheRangesLength)
{
    SegmentRecords records;
    records.push_back(record("MUSIC", "0", "1.5"));
    records[0]->setText(QStringLiteral("TrimStart"), QStringLiteral("nan"));
    records[0]->setText(QStringLiteral("TrimDuration"), QStringLiteral("inf"));
    records.push_back(record("MOVIE", "0", "2"));
    records[1]->setText(QStringLiteral("TrimStart"), QStringLiteral("1e30"));
    records[1]->setText(QStringLiteral("TrimDuration"), QStringLiteral("-4"));
    records.push_back(record("MOVIE", "0", "2"));
    records[2]->setText(QStringLiteral("TrimStart"), QStringLiteral("0.5"));
    records[2]->setText(QStringLiteral("TrimDuration"), QStringLiteral("2"));
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 2);
    EXPECT_EQ(text(records[0], "TrimStart") + " " + text(records[0], "TrimDuration"), "0 1.5");
    EXPECT_EQ(text(records[1], "TrimStart") + " " + text(records[1], "TrimDuration"), "0 2");
    EXPECT_EQ(text(records[2], "TrimStart") + " " + text(records[2], "TrimDuration"), "0.5 2");
}

TEST(RecordRepair, TransitionFractionsLieWithinTheirSegment)
{
    SegmentRecords records;
    records.push_back(record("TEXT", "0", "2"));
    const SegmentAttributes::TransitionList& transitions = setTransitions(
        records[0].get(), {{"1e30", "-5"}, {"nan", "nan"}, {"-5", "1e30"}, {"0.25", "0.9"}, {"0.1", "0.2"}});
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 1);
    const QStringList expected{"1 0", "0 0", "0 1", "0.25 0.75", "0.1 0.2"};
    for (size_t index = 0; index < transitions.size(); ++index)
        EXPECT_EQ(text(transitions[index], "TStart") + " " + text(transitions[index], "TDuration"),
                  expected[int(index)]);
}

// Six-digit fractions of a transition that ends at its segment's end read
// back a hair over 1: the editor's own rounding, left as it is and not
// reported. A length a hundred-thousandth over is repaired.
TEST(RecordRepair, FractionsOffByTheirStoredPrecisionAreNoRepair)
{
    SegmentRecords records;
    records.push_back(record("TEXT", "0", "12"));
    setTransitions(records[0].get(), {{"0.583333", "0.416667"}});
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 0);
    const auto& rounded = records[0]->transitions()->front();
    EXPECT_EQ(text(rounded, "TStart") + " " + text(rounded, "TDuration"), "0.583333 0.416667");

    setTransitions(records[0].get(), {{"0.5", "0.50001"}});
    EXPECT_EQ(RecordRepair::repair(records, kStillLengths), 1);
    const auto& over = records[0]->transitions()->front();
    EXPECT_EQ(text(over, "TStart") + " " + text(over, "TDuration"), "0.5 0.5");
}

// Transitions made in the editor to end at their segment's end, saved and
// opened again: nothing in the reopened records counts as repaired.
TEST_F(ProjectLoading, TransitionsEndingAtTheirSegmentsEndReopenUnrepaired)
{
    ASSERT_EQ(open("7", ""), 0);
    ProjectManager edited;
    const std::pair<float, float> lengthAndStart[] = {{12.0f, 7.0f}, {7.0f, 3.0f}, {3.0f, 1.3f}, {9.5f, 0.7f}};
    for (const auto& [length, start] : lengthAndStart) {
        auto* segment = new FakeMediaSegment(QStringLiteral("TEXT"), 1, 0.0f, length);
        ASSERT_EQ(segment->addTransitionAtTime(length - start, start), 1);
        ASSERT_FLOAT_EQ(segment->transitionStart(1) + segment->transitionDuration(1), length);
        edited.appendSegment(segment, nullptr);
    }
    ASSERT_EQ(edited.saveSegments(kName, ""), 0);

    ProjectLoader loader(kName, "", &manager);
    LoaderWindow window(&manager, &loader);
    ASSERT_TRUE(window.await(&loader));
    ASSERT_EQ(window.records.size(), std::size(lengthAndStart));
    EXPECT_EQ(RecordRepair::repair(window.records, kStillLengths), 0);
}
