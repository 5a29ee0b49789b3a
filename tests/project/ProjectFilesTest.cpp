#include "ProjectTestSupport.h"

#include <QColor>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QXmlStreamReader>

namespace {

const QString kName = QStringLiteral("Trip");

TEST(ProjectFiles, PropertiesAreWrittenInOrderAndReadWithTheirClamps)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager written;
    written.setVersion(5.5f);
    written.setDirection(false);
    written.setResolution(4);
    written.setFrameRate(29.97f);
    written.setDuration(12.3456789f);
    written.setFixCoverImage(true);
    written.setBackgroundColor(qRgba(1, 2, 3, 128));
    written.setSegmentMode(1);
    // Values are written in the C locale whatever the process uses.
    const QLocale savedLocale;
    QLocale::setDefault(QLocale(QLocale::German));
    ASSERT_EQ(written.saveProperties(kName, ""), 0);
    QLocale::setDefault(savedLocale);
    EXPECT_EQ(readFile(dir + "/properties.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Properties version=\"5.5\" direction=\"0\" resolution=\"4\" frameRate=\"29.97\" duration=\"12.3457\""
              " fixCoverImage=\"1\" imageScale=\"1\" edit=\"0\" backgroundColor=\"#80010203\" segmentMode=\"1\"/>\n");

    ProjectManager read;
    ASSERT_EQ(read.loadProperties(kName, ""), 0);
    EXPECT_FLOAT_EQ(read.version(), 5.5f);
    EXPECT_FALSE(read.direction());
    EXPECT_EQ(read.resolution(), 4);
    EXPECT_FLOAT_EQ(read.frameRate(), 29.97f);
    EXPECT_TRUE(read.fixCoverImage());
    EXPECT_EQ(read.backgroundColor(), qRgba(1, 2, 3, 128));
    EXPECT_EQ(read.segmentMode(), 1);

    writeFile(dir + "/properties.xml",
              "<Properties direction=\"2\" imageScale=\"2\" segmentMode=\"2\" edit=\"1\""
              " backgroundColor=\"{1, 0.5, 0, 1}\" unknown=\"x\"/>");
    ProjectManager clamped;
    clamped.setFrameRate(25.0f);
    ASSERT_EQ(clamped.loadProperties(kName, ""), 0);
    EXPECT_FALSE(clamped.direction());
    EXPECT_EQ(clamped.imageScale(), 1.0f);
    EXPECT_EQ(clamped.segmentMode(), 0);
    EXPECT_TRUE(clamped.edit());
    EXPECT_EQ(clamped.backgroundColor(), qRgba(255, 127, 0, 255));
    EXPECT_EQ(clamped.frameRate(), 25.0f) << "absent attributes keep their values";

    writeFile(dir + "/properties.xml", "<Properties imageScale=\"0.01\" backgroundColor=\"\"/>");
    ASSERT_EQ(clamped.loadProperties(kName, ""), 0);
    EXPECT_EQ(clamped.imageScale(), 0.125f);
    EXPECT_EQ(clamped.backgroundColor(), qRgba(255, 127, 0, 255)) << "an empty colour changes nothing";

    writeFile(dir + "/properties.xml", "<Properties version=\"6\" frameRate=\"24\"><Broken");
    EXPECT_EQ(clamped.loadProperties(kName, ""), int(QXmlStreamReader::PrematureEndOfDocumentError));
    EXPECT_EQ(clamped.version(), 6.0f) << "values read before the error stay";
    EXPECT_EQ(clamped.loadProperties("Missing", ""), -1);
}

TEST(ProjectFiles, LayoutValuesRoundTripSortedByKey)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    manager.setProjectName(kName);
    EXPECT_EQ(manager.inspectorAreaSize(), -1);
    EXPECT_FALSE(manager.isMediaAreaHidden());
    manager.setPreviewQuality(2);
    manager.setMediaAreaHidden(true);
    manager.setInspectorAreaSize(320);
    ASSERT_EQ(manager.saveLayout(), 0);
    EXPECT_EQ(readFile(dir + "/layout.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Layout L1_InspectorAreaSize=\"320\" L1_MediaAreaHidden=\"1\" PreviewQuality=\"2\"/>\n");

    writeFile(dir + "/layout.xml", "<Layout L1_MediaAreaSize=\"abc\" L1_PreviewAreaSize=\"480\"/>");
    ASSERT_EQ(manager.loadLayout(), 0);
    EXPECT_EQ(manager.mediaAreaSize(), 0);
    EXPECT_EQ(manager.previewAreaSize(), 480);
    EXPECT_EQ(manager.inspectorAreaSize(), 320) << "keys absent from the file keep their values";
    EXPECT_TRUE(manager.isMediaAreaHidden());
}

TEST(ProjectFiles, SegmentsRoundTripByteForByte)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    fillProject(manager, 12);
    ASSERT_EQ(manager.saveSegments(kName, ""), 0);
    const QByteArray first = readFile(dir + "/project.xml");
    EXPECT_TRUE(first.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n    <Segment "));

    SegmentRecords records;
    ASSERT_EQ(ProjectManager::loadSegments(records, kName, ""), 0);
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(Segment::transitionCountOf(records[3].get()), 1);
    EXPECT_EQ(Segment::stringAttribute(records[5].get(), "Path"), "clip 5 & <more>.mp4");
    ProjectManager reread;
    for (auto& record : records)
        reread.appendSegment(new Segment(std::move(record), nullptr), nullptr);
    ASSERT_EQ(reread.saveSegments(kName, ""), 0);
    EXPECT_EQ(readFile(dir + "/project.xml"), first);
}

TEST(ProjectFiles, OnlyTheExactLowerCaseDeclarationIsAnEmptyProject)
{
    TemporaryProduct product;
    const QString path = product.projectDir(kName) + "/project.xml";
    const struct {
        QByteArray bytes;
        int result;
        size_t records;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0, 0},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", int(QXmlStreamReader::PrematureEndOfDocumentError), 0},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", int(QXmlStreamReader::PrematureEndOfDocumentError), 0},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project/>\n", 0, 0},
        // Only whole records are kept.
        {"<Project><Segment Type=\"TEXT\"/><Segment Type=\"IMAGE\"><Transitions>",
         int(QXmlStreamReader::PrematureEndOfDocumentError), 1},
        {"<Project><Segment Type=\"TEXT\"/></Segment>", int(QXmlStreamReader::NotWellFormedError), 1},
    };
    for (const auto& c : cases) {
        writeFile(path, c.bytes);
        SegmentRecords records;
        EXPECT_EQ(ProjectManager::loadSegments(records, kName, ""), c.result) << c.bytes.constData();
        EXPECT_EQ(records.size(), c.records) << c.bytes.constData();
    }
    SegmentRecords records;
    EXPECT_EQ(ProjectManager::loadSegments(records, "Missing", ""), -1);
}

TEST(ProjectFiles, AFailedSaveKeepsTheOldFileAndTheProjectModified)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    fillProject(manager, 3);
    ASSERT_EQ(manager.saveSegments(kName, ""), 0);
    manager.setModified(false);
    EXPECT_FALSE(manager.lastSaveFailed());

    // A folder where the temporary file would go makes every write fail.
    const QByteArray before = readFile(dir + "/project.xml");
    ASSERT_TRUE(QFile::rename(dir, dir + ".moved"));
    writeFile(dir, "not a folder");
    EXPECT_EQ(manager.saveSegments(kName, ""), -1);
    EXPECT_EQ(manager.saveProperties(kName, ""), -1);
    EXPECT_TRUE(manager.isModified());
    EXPECT_TRUE(manager.lastSaveFailed());
    QFile::remove(dir);
    ASSERT_TRUE(QFile::rename(dir + ".moved", dir));
    EXPECT_EQ(readFile(dir + "/project.xml"), before);

    EXPECT_EQ(manager.saveSegments(kName, ""), 0);
    EXPECT_TRUE(manager.lastSaveFailed()) << "the properties are still unsaved";
    EXPECT_EQ(manager.saveProperties(kName, ""), 0);
    EXPECT_FALSE(manager.lastSaveFailed());
    QDirIterator leftovers(dir, QDir::Files);
    while (leftovers.hasNext())
        EXPECT_TRUE(leftovers.next().endsWith(".xml")) << "no temporary file is left behind";
}

TEST(ProjectFiles, ExampleProjectsAreCopiedOnce)
{
    if (!QFileInfo(":/examples").isDir())
        GTEST_SKIP() << "this build holds no example projects (the resources target is not linked)";
    TemporaryProduct product;
    ASSERT_TRUE(ProjectManager::copyExampleProjects());
    const QString examples = product.path() + "/Projects/Examples";
    const QString project = examples + "/5-4-3-2-1-0";
    EXPECT_TRUE(QFileInfo::exists(examples + "/.folder"));
    EXPECT_EQ(readFile(project + "/example.dat"), "<example-project/>");
    ProjectManager manager;
    EXPECT_EQ(manager.loadProperties("5-4-3-2-1-0", "Examples"), 0);
    EXPECT_EQ(manager.version(), 5.0f);
    SegmentRecords records;
    EXPECT_EQ(ProjectManager::loadSegments(records, "5-4-3-2-1-0", "Examples"), 0);
    EXPECT_FALSE(records.empty());

    writeFile(project + "/project.xml", "edited");
    ASSERT_TRUE(ProjectManager::copyExampleProjects());
    EXPECT_EQ(readFile(project + "/project.xml"), "edited");
}

} // namespace
