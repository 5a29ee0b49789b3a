#include "../model/RecordingListener.h"
#include "ArchiveBytes.h"
#include "ImageSegment.h"
#include "PlistTestSupport.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"
#include "WatchedPipe.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QString kName = QStringLiteral("Tool");

// A project of count segments with properties and layout, written by the manager.
QString writeProject(const TemporaryProduct& product, int count, const QString& folder = QString())
{
    const QString dir = product.projectDir(kName, folder);
    ProjectManager manager;
    manager.setProjectName(kName);
    manager.setProjectFolder(folder);
    fillProject(manager, count);
    manager.setFrameRate(25);
    manager.setPreviewQuality(3);
    manager.setInspectorAreaSize(300);
    EXPECT_EQ(manager.saveSegments(kName, folder), 0);
    EXPECT_EQ(manager.saveProperties(kName, folder), 0);
    EXPECT_EQ(manager.saveLayout(), 0);
    return dir;
}

TEST(ProjTool, RoundtripWritesTheSameBytesAndInfoDescribesTheProject)
{
    TemporaryProduct product;
    const QString dir = writeProject(product, 5, QStringLiteral("Group"));
    // A record without identity gets one on the first write and keeps it.
    QByteArray project = readFile(dir + "/project.xml");
    project.replace("<Project>", "<Project>\n    <Segment Type=\"TEXT\" RangeStart=\"7\"/>");
    writeFile(dir + "/project.xml", project);

    ToolRun first = runTool({"roundtrip", dir});
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.output);
    EXPECT_TRUE(first.output.contains("6 segments written"));
    const QByteArray files[] = {readFile(dir + "/project.xml"), readFile(dir + "/properties.xml"),
                                readFile(dir + "/layout.xml")};
    ASSERT_EQ(runTool({"roundtrip", dir}).exitCode, 0);
    EXPECT_EQ(readFile(dir + "/project.xml"), files[0]);
    EXPECT_EQ(readFile(dir + "/properties.xml"), files[1]);
    EXPECT_EQ(readFile(dir + "/layout.xml"), files[2]);

    const ToolRun info = runTool({"info", dir});
    ASSERT_EQ(info.exitCode, 0) << qPrintable(info.output);
    for (const char* line : {"project Group/Tool", "frame rate 25,", "preview size 1920x1080",
                             "layout L1_InspectorAreaSize = 300", "6 segments", "TEXT    track 0 start 7"})
        EXPECT_TRUE(info.output.contains(line)) << line << " in " << qPrintable(info.output);

    EXPECT_EQ(runTool({"info", product.path()}).exitCode, 2) << "not a project folder";
    EXPECT_EQ(runTool({"frobnicate", dir}).exitCode, 1);
}

// Elements of a newer version or an extension, in a record, in its
// transitions and beside the records, go back where they were, as read.
TEST(ProjTool, RoundtripWritesBackTheElementsItDoesNotUseInTheirPlaces)
{
    TemporaryProduct product;
    const QString dir = writeProject(product, 0);
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project xmlns:r=\"urn:root\" generator=\"hand\">\n"
              "<!-- top -->\n"
              "<Extension lut=\"grade.cube\"/>\n"
              "<Segment Type=\"TEXT\" UId=\"a\"><Style font=\"Serif\"><!-- note -->bold &amp; <![CDATA[<raw>]]></Style>"
              "<Transitions><Transition TStart=\"0\"><Curve k=\"1\"/><TBegin UserVolume=\"0.5\"><Pan/></TBegin>"
              "</Transition><Ease/></Transitions><After/></Segment>\n"
              "<Segment Type=\"STICKER\" UId=\"b\"/>\n"
              "<x:Extra xmlns:x=\"urn:extra\" x:mode=\"1\"><x:Item/></x:Extra>\n"
              "<Segment xmlns:s=\"urn:seg\" Type=\"STICKER\" UId=\"c\" s:look=\"warm\">"
              "<!-- in c --><r:Mark/><s:Grade r:by=\"me\"/></Segment>\n"
              "</Project>\n");
    const QStringList namespaced = namespacedNames(readFile(dir + "/project.xml"));
    ASSERT_EQ(runTool({"roundtrip", dir}).exitCode, 0);
    const QByteArray once = readFile(dir + "/project.xml");
    EXPECT_EQ(namespaceReadError(once).toStdString(), "");
    EXPECT_EQ(namespacedNames(once).join(' ').toStdString(), namespaced.join(' ').toStdString());
    expectInOrder(once, {"generator=\"hand\"", "<!-- top -->", "<Extension", "UId=\"c\"", "<!-- in c -->", "<r:Mark",
                         "</Segment>"});
    expectInOrder(once, {"<Extension lut=\"grade.cube\"/>", "<Segment",
                         "<Style font=\"Serif\"><!-- note -->bold &amp; <![CDATA[<raw>]]></Style>", "<Transitions>",
                         "<Transition TStart=\"0\">", "<Curve k=\"1\"/>", "<TBegin UserVolume=\"0.5\">", "<Pan/>",
                         "</TBegin>", "</Transition>", "<Ease/>", "</Transitions>", "<After/>", "</Segment>",
                         "UId=\"b\"/>", "<x:Extra xmlns:x=\"urn:extra\" x:mode=\"1\"><x:Item/></x:Extra>",
                         "</Project>"});
    ASSERT_EQ(runTool({"roundtrip", dir}).exitCode, 0);
    EXPECT_EQ(readFile(dir + "/project.xml"), once);

    // convert writes the file only to bring a chroma key up to date.
    writeFile(dir + "/project.xml", "<Project xmlns:r=\"urn:root\"><r:Mark/><Segment xmlns:s=\"urn:seg\" Type=\"MOVIE\""
                                    " FxGreenScreenSensitivity=\"5\" s:look=\"warm\"><r:Pin/></Segment></Project>");
    const QStringList beforeConvert = namespacedNames(readFile(dir + "/project.xml"));
    const ToolRun convert = runTool({"convert", dir});
    ASSERT_EQ(convert.exitCode, 0) << qPrintable(convert.output);
    const QByteArray converted = readFile(dir + "/project.xml");
    EXPECT_TRUE(converted.contains("KeySensitivity=\"5\"")) << converted.constData();
    EXPECT_EQ(namespaceReadError(converted).toStdString(), "");
    EXPECT_EQ(namespacedNames(converted).join(' ').toStdString(), beforeConvert.join(' ').toStdString());
}

// convert brings an old chroma key up to date, as opening does: the elements
// beside the records that this version does not use are written back too.
TEST(ProjTool, ConvertKeepsTheElementsBesideTheRecords)
{
    TemporaryProduct product;
    const QString dir = writeProject(product, 0);
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
              "<Extension lut=\"grade.cube\"><?vendor level=\"2\"?></Extension>\n"
              "<Segment FxGreenScreenSensitivity=\"40\" Type=\"MOVIE\" UId=\"a\"/>\n"
              "<Watermark corner=\"right\"/>\n"
              "</Project>\n");
    const ToolRun convert = runTool({"convert", dir});
    ASSERT_EQ(convert.exitCode, 0) << qPrintable(convert.output);
    EXPECT_TRUE(convert.output.contains("project.xml chroma keys migrated")) << qPrintable(convert.output);
    const QByteArray converted = readFile(dir + "/project.xml");
    EXPECT_FALSE(converted.contains("FxGreenScreenSensitivity")) << converted.constData();
    expectInOrder(converted, {"<Extension lut=\"grade.cube\"><?vendor level=\"2\"?></Extension>", "<Segment",
                              "KeySensitivity=\"40\"", "UId=\"a\"/>", "<Watermark corner=\"right\"/>",
                              "</Project>"});
}

// Whether the process has a file of the folder open for writing (its
// descriptor's flags ask for write access).
bool isWritingInto(qint64 pid, const QString& folder)
{
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    const QDir descriptors(process + "/fd");
    for (const QFileInfo& descriptor : descriptors.entryInfoList(QDir::System | QDir::Files)) {
        if (!descriptor.symLinkTarget().startsWith(folder + '/'))
            continue;
        const QByteArray info = readFile(process + "/fdinfo/" + descriptor.fileName());
        const int flagsAt = info.indexOf("flags:");
        const QByteArray flags = info.mid(flagsAt + 6, info.indexOf('\n', flagsAt) - flagsAt - 6).trimmed();
        if (flagsAt >= 0 && (flags.toInt(nullptr, 8) & (O_WRONLY | O_RDWR)) != 0)
            return true;
    }
    return false;
}

// Kills projtool while it rewrites a 1,000-segment project, at random
// moments once it opened a file of the project for writing: "project.xml" must still be
// the whole project every time.
TEST(ProjTool, KillingASaveNeverLeavesACutProjectFile)
{
    if (!QFileInfo(QStringLiteral("/proc/self/fd")).isDir())
        GTEST_SKIP() << "no /proc file system to watch the writer's open files";
    TemporaryProduct product;
    const QString dir = writeProject(product, 1000);
    ASSERT_EQ(runTool({"roundtrip", dir}).exitCode, 0);
    const QByteArray whole = readFile(dir + "/project.xml");

    int killsDuringWrite = 0;
    for (int attempt = 0; attempt < 40 && killsDuringWrite < 10; ++attempt) {
        QProcess tool;
        tool.start(QStringLiteral(PROJTOOL_PATH), {"roundtrip", dir});
        ASSERT_TRUE(tool.waitForStarted(10000));
        QElapsedTimer clock;
        clock.start();
        bool writing = false;
        // waitForFinished(0) notices an exit that no event loop reports, so
        // a write that was missed costs no more than the run itself.
        while (!writing && !tool.waitForFinished(0) && clock.elapsed() < 10000)
            writing = isWritingInto(tool.processId(), dir);
        if (writing) {
            QThread::usleep(ulong(QRandomGenerator::global()->bounded(8000)));
            tool.kill();
            ++killsDuringWrite;
        }
        tool.waitForFinished(10000);
        ASSERT_EQ(readFile(dir + "/project.xml"), whole) << "attempt " << attempt;
    }
    EXPECT_GE(killsDuringWrite, 10) << "too few kills landed during a write to prove anything";
}

TEST(ProjTool, ConvertWritesTheMissingXmlFilesOnly)
{
    REQUIRE_PLIST_FIXTURES();
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    for (const char* file : {"/project.plist", "/properties.plist"})
        ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/binary" + file, dir + file));
    const ToolRun first = runTool({"convert", dir});
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.output);
    EXPECT_TRUE(first.output.contains("properties.xml written")) << qPrintable(first.output);
    EXPECT_TRUE(first.output.contains("project.xml written"));
    const ToolRun info = runTool({"info", dir});
    EXPECT_TRUE(info.output.contains("3 segments")) << qPrintable(info.output);

    writeFile(dir + "/project.xml", "<Project/>");
    const ToolRun again = runTool({"convert", dir});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_FALSE(again.output.contains("written")) << qPrintable(again.output);
    EXPECT_EQ(readFile(dir + "/project.xml"), "<Project/>");

    QFile::remove(dir + "/project.xml");
    QFile::remove(dir + "/project.plist");
    ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/no-top.plist", dir + "/project.plist"));
    const ToolRun broken = runTool({"convert", dir});
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_TRUE(broken.output.contains("invalid map<K, T> key")) << qPrintable(broken.output);
    EXPECT_FALSE(QFile::exists(dir + "/project.xml"));
}

// Links that lead nowhere stand where the converted files go: the files
// take their places, and nothing is written where the links led.
TEST(ProjTool, ConvertWritesItsFilesInPlaceOfLinksThatLeadNowhere)
{
    REQUIRE_PLIST_FIXTURES();
    TemporaryProduct product;
    QTemporaryDir elsewhere;
    const QString dir = product.projectDir(kName);
    for (const QString file : {"project", "properties"}) {
        ASSERT_TRUE(QFile::copy(plistFixtureDir() + "/binary/" + file + ".plist", dir + "/" + file + ".plist"));
        ASSERT_TRUE(QFile::link(elsewhere.filePath(file + ".xml"), dir + "/" + file + ".xml"));
    }
    const ToolRun run = runTool({"convert", dir});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.output);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList()) << "written through a link";
    for (const char* file : {"/project.xml", "/properties.xml"}) {
        const QFileInfo converted(dir + file);
        EXPECT_TRUE(converted.isFile() && !converted.isSymLink()) << file;
    }
    EXPECT_TRUE(runTool({"info", dir}).output.contains("3 segments"));
}

// Files whose root element is in a namespace are of a format this version
// does not know: roundtrip, convert and pack refuse them and write nothing.
TEST(ProjTool, FilesWhoseRootIsInANamespaceAreRefusedAndLeftAlone)
{
    TemporaryProduct product;
    const QString dir = writeProject(product, 1);
    const QByteArray properties = readFile(dir + "/properties.xml");
    const QByteArray newerProperties =
        "<Properties xmlns=\"urn:x-newer\" version=\"9\"><Soundtrack file=\"theme.wav\"/></Properties>";
    const QByteArray project = readFile(dir + "/project.xml");
    const std::pair<QByteArray, QByteArray> cases[] = {
        {newerProperties, project},
        {properties, "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>"},
        {properties, "<v:Project xmlns:v=\"urn:x-newer\"><Segment Type=\"TEXT\"/></v:Project>"},
    };
    QTemporaryDir elsewhere;
    for (const auto& [propertiesXml, projectXml] : cases) {
        writeFile(dir + "/properties.xml", propertiesXml);
        writeFile(dir + "/project.xml", projectXml);
        for (const char* command : {"roundtrip", "convert"}) {
            const ToolRun run = runTool({command, dir});
            EXPECT_NE(run.exitCode, 0) << command << ": " << qPrintable(run.output);
        }
        // Properties travel byte for byte; a project file would be written anew.
        if (propertiesXml == properties)
            EXPECT_NE(runTool({"pack", dir, elsewhere.path()}).exitCode, 0) << projectXml.constData();
        EXPECT_EQ(readFile(dir + "/properties.xml"), propertiesXml);
        EXPECT_EQ(readFile(dir + "/project.xml"), projectXml);
    }
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()) << "an archive was written";
}

// A root of another name is refused as much as one in a namespace or a
// higher version number (told as no project file rather than a newer one),
// and a project file that is a named pipe is not even opened: every command
// refuses them, with a message that names the file, and writes nothing.
// pack tells a refused project in the same words.
TEST(ProjTool, FilesOfAnotherFormatOrThatAreNoRegularFilesAreRefusedAndLeftAlone)
{
    const char* const kPackRefusal = "projtool: cannot pack: this version does not write the project's format:";
    const char* const kNotAProject = "projtool: cannot pack: a project file holds another document:";
    TemporaryProduct product;
    const QString dir = writeProject(product, 1);
    const QByteArray properties = readFile(dir + "/properties.xml");
    const QByteArray project = readFile(dir + "/project.xml");
    struct Case {
        QByteArray properties;
        QByteArray project;
        const char* pipe;
        const char* told;
        const char* newer;
        bool otherDocument = false;
    };
    const Case cases[] = {
        {"<PropertiesV9 version=\"7\" xmlns:e=\"urn:x-e\" e:mark=\"mark.png\"><e:Cover>cover2.png</e:Cover>"
         "</PropertiesV9>",
         project, nullptr, kNotAProject, "properties.xml", true},
        {properties, "<ProjectV9><Segment Type=\"TEXT\"/></ProjectV9>", nullptr, kNotAProject, "project.xml", true},
        {properties, "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>", nullptr, kPackRefusal,
         "project.xml"},
        {QByteArray(properties).replace("version=\"7\"", "version=\"8\""), project, nullptr, kPackRefusal,
         "properties.xml"},
        {properties, project, "properties.xml", "\"properties.xml\" is not a regular file", nullptr},
        {properties, project, "project.xml", "\"project.xml\" is not a regular file", nullptr},
    };
    QTemporaryDir elsewhere;
    for (const Case& test : cases) {
        writeFile(dir + "/properties.xml", test.properties);
        writeFile(dir + "/project.xml", test.project);
        if (test.pipe) {
            const QString pipe = dir + "/" + test.pipe;
            ASSERT_TRUE(QFile::remove(pipe));
            ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        }
        const QMap<QString, QByteArray> before = folderDigests(dir);
        for (const QStringList& command : {QStringList{"info", dir}, QStringList{"roundtrip", dir},
                                           QStringList{"convert", dir}, QStringList{"pack", dir, elsewhere.path()}}) {
            const ToolRun run = runTool(command);
            EXPECT_GT(run.exitCode, 0) << qPrintable(command.first()) << ": " << qPrintable(run.output);
            const QString refusal = QString(test.otherDocument ? "\"%1\" is not a Vidorna project file"
                                                               : "\"%1\" was written by a higher version of Vidorna")
                                        .arg(test.newer);
            const QString told = test.pipe                     ? QString(test.told)
                : command.first() == QLatin1String("pack") ? QString(test.told) + " " + refusal
                                                             : refusal;
            EXPECT_TRUE(run.output.contains(told)) << qPrintable(command.first()) << ": " << qPrintable(run.output);
        }
        EXPECT_EQ(folderDigests(dir), before) << test.project.constData();
        if (test.pipe) {
            EXPECT_FALSE(QFileInfo(dir + "/" + test.pipe).isFile()) << "the named pipe was written over";
            ASSERT_TRUE(QFile::remove(dir + "/" + test.pipe));
        }
    }
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()) << "an archive was written";

    // The layout is only this machine's view of the project: a named pipe
    // in its place is read as no layout.
    writeFile(dir + "/properties.xml", properties);
    writeFile(dir + "/project.xml", project);
    ASSERT_TRUE(QFile::remove(dir + "/layout.xml"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir + "/layout.xml").constData(), 0600), 0);
    const ToolRun info = runTool({"info", dir});
    EXPECT_EQ(info.exitCode, 0) << qPrintable(info.output);
}

// pack and unpack run the archive threads to their end: the unpacked
// project holds the same files, and failures are told in words.
TEST(ProjTool, PackAndUnpackCarryAProjectThroughAnArchive)
{
    TemporaryProduct product;
    const QString dir = writeProject(product, 4, QStringLiteral("Group"));
    QTemporaryDir elsewhere;
    const QString output = elsewhere.filePath("archives");

    const ToolRun pack = runTool({"pack", dir, output});
    ASSERT_EQ(pack.exitCode, 0) << qPrintable(pack.output);
    const QString archive = output + "/Tool.vidornaproject";
    for (const QString& line : {QStringLiteral("message 1\nprogress "), "%\nmessage 100 " + archive + "\n"})
        EXPECT_TRUE(pack.output.contains(line)) << qPrintable(line) << " in " << qPrintable(pack.output);

    const QString destination = elsewhere.filePath("unpacked");
    const ToolRun unpack = runTool({"unpack", archive, destination});
    ASSERT_EQ(unpack.exitCode, 0) << qPrintable(unpack.output);
    EXPECT_TRUE(unpack.output.contains("message 100\n")) << qPrintable(unpack.output);
    EXPECT_EQ(QDir(destination + "/Tool").entryList(QDir::Files), (QStringList{"project.xml", "properties.xml"}));
    EXPECT_EQ(readFile(destination + "/Tool/project.xml"), readFile(dir + "/project.xml"));
    EXPECT_EQ(readFile(destination + "/Tool/properties.xml"), readFile(dir + "/properties.xml"));

    const ToolRun missing = runTool({"unpack", elsewhere.filePath("none.vidornaproject"), destination});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.output.contains("projtool: cannot unpack: the archive does not exist\n"))
        << qPrintable(missing.output);
    // A named pipe is refused by name, unopened: opening it would wait for a writer.
    WatchedPipe pipe(elsewhere.filePath("pipe.vidornaproject"));
    ASSERT_TRUE(pipe.isMade());
    const ToolRun piped = runTool({"unpack", elsewhere.filePath("pipe.vidornaproject"), destination});
    EXPECT_EQ(piped.exitCode, 3);
    EXPECT_TRUE(piped.output.contains(
        "projtool: cannot unpack: the archive cannot be opened: \"pipe.vidornaproject\" is not a regular file\n"))
        << qPrintable(piped.output);
    EXPECT_EQ(pipe.readers(), 0) << "the named pipe was opened";
    EXPECT_EQ(runTool({"pack", product.path(), output}).exitCode, 2) << "not a project folder";
}

// unpack refuses, in words, an archive holding a name that is not what its
// bytes say (cut at a NUL, or no UTF-8), and keeps nothing of it.
TEST(ProjTool, UnpackRefusesNamesThatAreNotWhatTheirBytesSay)
{
    QTemporaryDir elsewhere;
    const QString archive = elsewhere.filePath("hostile.vidornaproject");
    const QString destination = elsewhere.filePath("unpacked");
    for (const QByteArray& name : {QByteArray("a\0b", 3), QByteArray("project.xml\0x", 13), QByteArray("clip\xff.mp4")}) {
        writeFile(archive, archiveBytes("Hostile", {{"project.xml", "<Project/>"}, {name, "payload"}}));
        const ToolRun run = runTool({"unpack", archive, destination});
        EXPECT_EQ(run.exitCode, 3) << qPrintable(run.output);
        EXPECT_TRUE(run.output.contains("projtool: cannot unpack: the archive is damaged\n")) << qPrintable(run.output);
        EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList())
            << name.toHex().constData();
    }
}

// unpack refuses an archive with two entries that become one file, of one
// name or of names that unpack alike, and keeps nothing of it; names that
// stay apart as unpacked are both unpacked.
TEST(ProjTool, UnpackRefusesTwoEntriesThatBecomeOneFile)
{
    QTemporaryDir elsewhere;
    const QString archive = elsewhere.filePath("twice.vidornaproject");
    const QString destination = elsewhere.filePath("unpacked");
    const std::pair<QByteArray, QByteArray> twins[] = {
        {"clip.mp4", "clip.mp4"}, {"a\rb.png", "a_b.png"}, {"a_b.png", "a\rb.png"}, {"luts/x.cube", "luts/x.cube"}};
    for (const auto& [first, second] : twins) {
        writeFile(archive,
                  archiveBytes("Twice", {{"project.xml", "<Project/>"}, {first, "first"}, {second, "second"}}));
        const ToolRun run = runTool({"unpack", archive, destination});
        EXPECT_EQ(run.exitCode, 3) << qPrintable(run.output);
        EXPECT_TRUE(run.output.contains("projtool: cannot unpack: the archive is damaged\n")) << qPrintable(run.output);
        EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList())
            << first.toHex().constData();
    }
    writeFile(archive, archiveBytes("Twice", {{"a\rb.png", "first"}, {"a-b.png", "second"}}));
    const ToolRun run = runTool({"unpack", archive, destination});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.output);
    EXPECT_EQ(readFile(destination + "/Twice/a_b.png"), "first");
    EXPECT_EQ(readFile(destination + "/Twice/a-b.png"), "second");
}

// A picture kept in a sub-folder of the project is stored relative to the
// project and found there again after a reload; pack carries it and unpack
// gives it back byte for byte.
TEST(ProjTool, PicturesInProjectSubFoldersReloadAndTravelThroughAnArchive)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(QStringLiteral("Trip"));
    QDir(dir).mkpath("footage");
    const QString picture = dir + "/footage/pic.png";
    ASSERT_TRUE(QFile::copy(TestMedia::path("picture.png"), picture));
    RecordingListener listener;
    listener.projectDirectory = dir;
    {
        ProjectManager manager;
        auto* image = new ImageSegment(picture, 0, 3, &listener, nullptr);
        manager.appendSegment(image, nullptr);
        ASSERT_TRUE(listener.waitForState(4));
        EXPECT_EQ(Segment::stringAttribute(image->attributes(), SegmentKey::File), "footage/pic.png");
        ASSERT_EQ(manager.saveSegments("Trip", QString()), 0);
        writeFile(dir + "/properties.xml", "<Properties version=\"7\"/>");
    }
    SegmentRecords records;
    ASSERT_EQ(ProjectManager::loadSegments(records, "Trip", QString()), 0);
    ASSERT_EQ(records.size(), 1u);
    listener.forgetStates();
    ImageSegment reloaded(std::move(records[0]), &listener, false);
    ASSERT_TRUE(listener.waitForState(4));
    EXPECT_EQ(reloaded.errorCode(), 0);
    EXPECT_EQ(reloaded.absoluteFilePath(), picture);
    EXPECT_EQ(reloaded.imageSize(), QSizeF(320, 240));

    QTemporaryDir elsewhere;
    const ToolRun pack = runTool({"pack", dir, elsewhere.path()});
    ASSERT_EQ(pack.exitCode, 0) << qPrintable(pack.output);
    const ToolRun unpack = runTool({"unpack", elsewhere.filePath("Trip.vidornaproject"), elsewhere.filePath("in")});
    ASSERT_EQ(unpack.exitCode, 0) << qPrintable(unpack.output);
    EXPECT_EQ(readFile(elsewhere.filePath("in/Trip/sharingImage-1.png")), readFile(picture));
    EXPECT_TRUE(readFile(elsewhere.filePath("in/Trip/project.xml")).contains("File=\"sharingImage-1.png\""));
}

} // namespace
