#include "ProjectTestSupport.h"

#include "FileSizeLimit.h"
#include "FolderSwapper.h"
#include "ImmutableFolder.h"
#include "NameSquatter.h"
#include "ProjectXml.h"
#include "ReplacingFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QXmlStreamReader>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("Trip");
constexpr int kPrematureEnd = QXmlStreamReader::PrematureEndOfDocumentError;
constexpr int kNoSizeLimit = -100;

// A failed save's reason: the file, then the system's words for the error.
std::string failureOf(const char* file, int error)
{
    return std::string("\"") + file + "\" cannot be written: " + std::strerror(error);
}

// Saves "project.xml" in a child process whose files cannot grow beyond
// limitBytes, as a writer sees a disk that fills up, and answers the save's
// result, or kNoSizeLimit when the limit could not be set. reason, when
// given, receives the reason the child's manager kept for a failure.
int saveSegmentsWithFileSizeLimit(ProjectManager& manager, rlim_t limitBytes, QString* reason = nullptr)
{
    int channel[2];
    if (pipe(channel) != 0)
        return kNoSizeLimit;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        // Past the limit a write then fails with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(-kNoSizeLimit);
        const int result = manager.saveSegments(kName, "");
        const QByteArray told = manager.saveFailureReason().toUtf8();
        const bool sent = write(channel[1], told.constData(), size_t(told.size())) == told.size();
        _exit(sent ? -result : -kNoSizeLimit);
    }
    close(channel[1]);
    QByteArray told;
    char buffer[256];
    for (ssize_t count; child > 0 && (count = read(channel[0], buffer, sizeof buffer)) > 0;)
        told.append(buffer, int(count));
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return kNoSizeLimit;
    if (reason)
        *reason = QString::fromUtf8(told);
    return -WEXITSTATUS(status);
}

TEST(ProjectFiles, PropertiesAndLayoutAreWrittenInOrderAndReadWithTheirClamps)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    manager.setProjectName(kName);
    manager.setVersion(5.5f);
    manager.setDirection(false);
    manager.setFrameRate(29.97f);
    manager.setDuration(12.3456789f);
    manager.setBackgroundColor(qRgba(1, 2, 3, 128));
    manager.setPreviewQuality(2);
    manager.setInspectorAreaSize(320);
    // Values are written in the C locale whatever the process uses.
    const QLocale savedLocale;
    QLocale::setDefault(QLocale(QLocale::German));
    ASSERT_EQ(manager.saveProperties(kName, ""), 0);
    ASSERT_EQ(manager.saveLayout(), 0);
    QLocale::setDefault(savedLocale);
    EXPECT_EQ(readFile(dir + "/properties.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Properties version=\"5.5\" direction=\"0\" resolution=\"1\" frameRate=\"29.97\" duration=\"12.3457\""
              " fixCoverImage=\"0\" imageScale=\"1\" edit=\"0\" backgroundColor=\"#80010203\" segmentMode=\"0\"/>\n");
    EXPECT_EQ(readFile(dir + "/layout.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                             "<Layout L1_InspectorAreaSize=\"320\" PreviewQuality=\"2\"/>\n");

    writeFile(dir + "/properties.xml", "<Properties direction=\"2\" imageScale=\"2\" segmentMode=\"2\" edit=\"1\""
                                       " backgroundColor=\"{1, 0.5, 0, 1}\"/>");
    writeFile(dir + "/layout.xml", "<Layout L1_MediaAreaSize=\"abc\" L1_MediaAreaHidden=\"1\"/>");
    ProjectManager read;
    read.setProjectName(kName);
    read.setFrameRate(25.0f);
    ASSERT_EQ(read.loadProperties(kName, ""), 0);
    ASSERT_EQ(read.loadLayout(), 0);
    EXPECT_FALSE(read.direction());
    EXPECT_EQ(read.imageScale(), 1.0f);
    EXPECT_EQ(read.segmentMode(), 0);
    EXPECT_TRUE(read.edit());
    EXPECT_EQ(read.backgroundColor(), qRgba(255, 127, 0, 255));
    EXPECT_EQ(read.frameRate(), 25.0f) << "absent attributes keep their values";
    EXPECT_EQ(read.mediaAreaSize(), 0);
    EXPECT_TRUE(read.isMediaAreaHidden());
    EXPECT_EQ(read.previewQuality(), -1);

    writeFile(dir + "/properties.xml", "<Properties imageScale=\"0.01\" backgroundColor=\"\"/><Broken");
    EXPECT_EQ(read.loadProperties(kName, ""), kPrematureEnd);
    EXPECT_EQ(read.imageScale(), 0.125f) << "values read before the error stay";
    EXPECT_EQ(read.backgroundColor(), qRgba(255, 127, 0, 255)) << "an empty colour changes nothing";
    EXPECT_EQ(read.loadProperties("Missing", ""), -1);
}

// What a newer version, an extension or a hand adds to the properties:
// attributes and elements this version does not read, also under the names
// of its own in a namespace, and comments and instructions.
TEST(ProjectFiles, PartsOfThePropertiesThisVersionDoesNotReadSurviveASave)
{
    TemporaryProduct product;
    const QString path = product.projectDir(kName) + "/properties.xml";
    writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<Properties xmlns:ext=\"urn:x-ext\" version=\"7\" frameRate=\"30\" ext:frameRate=\"60\""
                    " generator=\"hand\" xml:lang=\"de\">\n"
                    "  <!-- tuned by hand -->\n"
                    "  <Grading lut=\"grade.cube\"><Curve/>warm</Grading>\n"
                    "  <?tool keep?>\n"
                    "  <ext:Panel ext:width=\"3\"/>\n"
                    "</Properties>\n");
    const QStringList namespaced = namespacedNames(readFile(path));
    ProjectManager manager;
    ASSERT_EQ(manager.loadProperties(kName, ""), 0);
    EXPECT_EQ(manager.frameRate(), 30.0f) << "a value in a namespace is none of the project's";
    manager.setFrameRate(25.0f);
    ASSERT_EQ(manager.saveProperties(kName, ""), 0);

    const QByteArray saved = readFile(path);
    EXPECT_EQ(namespaceReadError(saved).toStdString(), "");
    EXPECT_EQ(namespacedNames(saved).join(' ').toStdString(), namespaced.join(' ').toStdString());
    expectInOrder(saved, {"<Properties", "frameRate=\"25\"", "segmentMode=", "ext:frameRate=\"60\"",
                          "generator=\"hand\"", "<!-- tuned by hand -->", "<Grading lut=\"grade.cube\"><Curve/>warm</Grading>",
                          "<?tool keep?>", "<ext:Panel", "</Properties>"});
    ProjectManager again;
    ASSERT_EQ(again.loadProperties(kName, ""), 0);
    EXPECT_EQ(again.frameRate(), 25.0f);
    ASSERT_EQ(again.saveProperties(kName, ""), 0);
    EXPECT_EQ(readFile(path), saved);
}

// A root in a namespace, which would make none of its children a record,
// is a format of another version: it is refused before anything of it is
// kept, so it is neither opened empty nor written back as a plain root.
TEST(ProjectFiles, ARootInANamespaceIsRefused)
{
    TemporaryProduct product;
    const QString path = product.projectDir(kName) + "/project.xml";
    for (const QByteArray& bytes : {QByteArray("<Project xmlns=\"urn:d\"><Segment Type=\"TEXT\"/></Project>"),
                                    QByteArray("<v:Project xmlns:v=\"urn:d\"><Segment Type=\"TEXT\"/></v:Project>")}) {
        writeFile(path, bytes);
        SegmentRecords records;
        KeptXml besideRecords;
        EXPECT_EQ(ProjectManager::loadSegments(records, kName, "", &besideRecords), QXmlStreamReader::CustomError);
        EXPECT_EQ(records.size(), 0u);
        EXPECT_TRUE(besideRecords.isEmpty());
    }
}

TEST(ProjectFiles, SegmentFilesKeepWholeRecordsOnlyAndKnowTheEmptyProject)
{
    TemporaryProduct product;
    const QString path = product.projectDir(kName) + "/project.xml";
    const struct {
        QByteArray bytes;
        int result;
        size_t records;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0, 0},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", kPrematureEnd, 0},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", kPrematureEnd, 0},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project/>\n", 0, 0},
        {"<Project><Segment Type=\"TEXT\"/><Segment Type=\"IMAGE\"><Transitions>", kPrematureEnd, 1},
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
    const QByteArray before = readFile(dir + "/project.xml");

    // A file where the project folder belongs makes every write fail.
    ASSERT_TRUE(QFile::rename(dir, dir + ".moved"));
    writeFile(dir, "not a folder");
    EXPECT_EQ(manager.saveSegments(kName, ""), -1);
    EXPECT_EQ(manager.saveProperties(kName, ""), -1);
    EXPECT_TRUE(manager.isModified());
    EXPECT_TRUE(manager.lastSaveFailed());
    ASSERT_TRUE(QFile::remove(dir) && QFile::rename(dir + ".moved", dir));
    EXPECT_EQ(readFile(dir + "/project.xml"), before);
    EXPECT_EQ(manager.saveSegments(kName, ""), 0);
    EXPECT_TRUE(manager.lastSaveFailed()) << "the properties are still unsaved";
    EXPECT_EQ(manager.saveProperties(kName, ""), 0);
    EXPECT_FALSE(manager.lastSaveFailed());
}

TEST(ProjectFiles, ASaveThatFillsTheDiskFailsAndKeepsTheOldFile)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    fillProject(manager, 3);
    ASSERT_EQ(manager.saveSegments(kName, ""), 0);
    const QByteArray before = readFile(dir + "/project.xml");

    // Three more segments: the document still fits the file's write buffer
    // and reaches the disk only while the file is committed. A hundred more
    // (over 16 KiB): it is written in parts on the way.
    // The manager keeps the system's reason for the window to tell.
    for (int added : {3, 100}) {
        fillProject(manager, added);
        QString reason;
        const int result = saveSegmentsWithFileSizeLimit(manager, rlim_t(before.size()), &reason);
        if (result == kNoSizeLimit)
            GTEST_SKIP() << "a file size limit cannot be set here";
        EXPECT_EQ(result, -2) << added << " segments added";
        EXPECT_EQ(reason.toStdString(), failureOf("project.xml", EFBIG)) << added << " segments added";
        EXPECT_TRUE(readFile(dir + "/project.xml") == before) << "cut by the full disk, " << added << " segments added";
        EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"project.xml"})
            << "no temporary file is left";
    }
    // Under a limit it stays within, the same document is saved.
    EXPECT_EQ(saveSegmentsWithFileSizeLimit(manager, 1 << 20), 0);
    SegmentRecords records;
    ASSERT_EQ(ProjectManager::loadSegments(records, kName, ""), 0);
    EXPECT_EQ(records.size(), 106u);
}

// The window tells why a save failed: the manager keeps the system's
// reason, not a text of the library's own (a full disk's is checked above).
TEST(ProjectFiles, AFailedSaveKeepsTheSystemsReason)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    ProjectManager manager;
    fillProject(manager, 3);
    ASSERT_EQ(manager.saveSegments(kName, ""), 0);
    EXPECT_EQ(manager.saveFailureReason(), QString());

    // Files nobody may change, root included: a new one cannot be made in
    // the folder, an existing one cannot be replaced.
    ImmutableFolder locked(dir);
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    EXPECT_EQ(manager.saveProperties(kName, ""), -1);
    EXPECT_EQ(manager.saveFailureReason().toStdString(), failureOf("properties.xml", EPERM));
    EXPECT_EQ(manager.saveSegments(kName, ""), -1);
    EXPECT_EQ(manager.saveFailureReason().toStdString(),
              failureOf("project.xml", EPERM) + "\n" + failureOf("properties.xml", EPERM))
        << "each file that failed is named";
    EXPECT_TRUE(manager.isModified());
    locked.lift();
    EXPECT_EQ(manager.saveSegments(kName, ""), 0);
    EXPECT_EQ(manager.saveFailureReason().toStdString(), failureOf("properties.xml", EPERM))
        << "the properties are still unsaved";
    EXPECT_EQ(manager.saveProperties(kName, ""), 0);
    EXPECT_EQ(manager.saveFailureReason(), QString());
}

// The folder becomes unwritable after every byte was written: only giving
// the new file its name fails, and the old file must still be the one there.
TEST(ProjectFiles, ACommitThatCannotNameTheNewFileFailsAndKeepsTheOldOne)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    const QString path = dir + "/project.xml";
    writeFile(path, "<Project/>");
    ReplacingFile file(path);
    ASSERT_TRUE(file.open());
    ASSERT_EQ(file.device().write("<Project><Segment/></Project>"), 29);
    ASSERT_TRUE(file.device().flush());
    ImmutableFolder locked(dir);
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    QString reason;
    EXPECT_FALSE(file.commit(&reason));
    EXPECT_EQ(reason.toStdString(), std::strerror(EPERM));
    locked.lift();
    EXPECT_EQ(readFile(path), "<Project/>");
}

TEST(ProjectFiles, ExampleProjectsAreCopiedOnce)
{
    ASSERT_TRUE(QFileInfo(":/examples/5-4-3-2-1-0/example.dat").isFile());
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

// Another process keeps putting links to a user's file and named pipes at
// the names of the examples' files and of their folder's marker while they
// are copied: every file is copied whole, the user's file stays as it was,
// and no copy waits on a pipe.
TEST(ProjectFiles, ExampleProjectsNeitherWriteThroughLinksNorWaitOnPipesPutAtTheirNames)
{
    TemporaryProduct product;
    const QString examples = product.path() + "/Projects/Examples";
    const QString project = examples + "/5-4-3-2-1-0";
    QTemporaryDir user;
    const QString letter = user.filePath("letter.txt");
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    writeFile(letter, letterBytes);
    const QStringList files = QDir(":/examples/5-4-3-2-1-0").entryList(QDir::Files);
    QStringList names{examples + "/.folder"};
    for (const QString& file : files)
        names << project + "/" + file;
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(QDir(examples).removeRecursively());
        {
            NameSquatter squatter(names, letter);
            QElapsedTimer clock;
            clock.start();
            ASSERT_TRUE(ProjectManager::copyExampleProjects()) << "round " << round;
            ASSERT_LT(clock.elapsed(), 10000) << "round " << round << " waited";
            EXPECT_EQ(squatter.pipeWriters(), 0) << "round " << round << ": a copy opened a named pipe";
        }
        ASSERT_TRUE(readFile(letter) == letterBytes) << "round " << round << ": the user's file was written through a link";
        EXPECT_TRUE(QFileInfo(examples + "/.folder").isFile() && !QFileInfo(examples + "/.folder").isSymLink())
            << "round " << round;
        for (const QString& file : files)
            ASSERT_EQ(readFile(project + "/" + file), readFile(":/examples/5-4-3-2-1-0/" + file)) << qPrintable(file);
    }
}

} // namespace

// The tidy at close keeps what any record names, whatever its type.
// Another process keeps swapping the examples' folders, their own and the
// example project's, for links to a user's folder and back while a copy
// that breaks off (past the file size limit) is removed again: the user's
// folder stays byte for byte as it was.
TEST(ProjectFiles, AFailedCopyOfTheExamplesIsRemovedWithoutGoingThroughALink)
{
    TemporaryProduct product;
    const QString projects = ProjectManager::projectsDirectory();
    QTemporaryDir outside;
    const UserFolder user(outside.filePath("user"));
    for (int round = 0; round < 5; ++round) {
        for (const QFileInfo& entry : QDir(projects).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
            ASSERT_TRUE(entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                            : QFile::remove(entry.filePath()));
        FolderSwapper swapper(projects, user.path);
        {
            FileSizeLimit limit(4096);
            EXPECT_FALSE(ProjectManager::copyExampleProjects()) << "round " << round;
        }
        swapper.stop();
        ASSERT_TRUE(user.isUnchanged()) << "round " << round << ": the user's folder changed";
    }
}

TEST(ProjectFiles, RecordedFilesAreThoseOfEveryRecordWhateverItsType)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    EXPECT_FALSE(ProjectManager::recordedFilePaths(kName, "")) << "no project.xml while the project has records";
    EXPECT_EQ(ProjectManager::recordedFilePaths(kName, "", false), QSet<QString>()) << "no record saved yet";
    writeFile(dir + "/project.plist", "bplist00");
    EXPECT_FALSE(ProjectManager::recordedFilePaths(kName, "", false)) << "the records of an older version";
    QFile::remove(dir + "/project.plist");
    writeFile(dir + "/project.xml",
              "<Project><Segment Type=\"STICKER\" File=\"sticker.png\"/>"
              "<Segment Type=\"MUSIC\" URL=\"old/song.mp3\"/>"
              "<Segment Type=\"MOVIE\" File=\"/elsewhere/../clips/trip.mp4\"/>"
              "<Segment Type=\"TEXT\" Text=\"Hello\"/></Project>");
    const QSet<QString> expected{QDir::cleanPath(dir + "/sticker.png"), QDir::cleanPath(dir + "/old/song.mp3"),
                                 QStringLiteral("/clips/trip.mp4")};
    const std::optional<QSet<QString>> recorded = ProjectManager::recordedFilePaths(kName, "");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded, expected);
    writeFile(dir + "/project.xml", "<Project><Segment Type=\"STICKER\" File=\"sticker.png\"/><Broken");
    EXPECT_FALSE(ProjectManager::recordedFilePaths(kName, "")) << "a cut file: what it names cannot be told";
}

// Any value may name a file of the folder: whole attribute values and the
// text of elements, trimmed, however many values name none. A file whose
// prefix lost its declaration does not parse: what it names cannot be told.
TEST(ProjectFiles, RecordedFilesIncludeThoseElementTextsNameAndNoneAreToldFromAFileThatDoesNotParse)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    QDir(dir).mkpath("luts");
    for (const char* file : {"/grade.cube", "/notes.txt", "/luts/extra.cube", "/mixed.txt", "/unnamed.txt"})
        writeFile(dir + file, "x");
    QByteArray notes;
    for (int index = 0; index < 20; ++index) {
        const QByteArray number = QByteArray::number(index);
        notes += "<Note tag=\"note " + number + "\">no file " + number + "</Note>";
    }
    writeFile(dir + "/project.xml",
              "<Project xmlns:vx=\"urn:x-root\"><vx:Extension vx:level=\"2\"/><Extension lut=\"grade.cube\"/>"
              "<Asset>\n  notes.txt\n</Asset><Look><![CDATA[luts/]]>extra.cube</Look>"
              "<Note>mixed.txt<Part/>more</Note>" + notes + "</Project>");
    const QSet<QString> expected{dir + "/grade.cube", dir + "/notes.txt", dir + "/luts/extra.cube",
                                 dir + "/mixed.txt"};
    const std::optional<QSet<QString>> recorded = ProjectManager::recordedFilePaths(kName, "");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(*recorded, expected);

    writeFile(dir + "/project.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    EXPECT_EQ(ProjectManager::recordedFilePaths(kName, ""), QSet<QString>())
        << "an empty project as older versions wrote it";
    writeFile(dir + "/project.xml",
              "<Project><vx:Extension vx:level=\"2\"/><Extension lut=\"grade.cube\"/></Project>");
    EXPECT_FALSE(ProjectManager::recordedFilePaths(kName, ""));
}

// Kept records are handed over in any order; two segments come between them.
TEST(ProjectFiles, RecordsKeptUnbuiltAreSavedAtTheirIndexesButLeftOutOfUndoSnapshots)
{
    TemporaryProduct product;
    product.projectDir(kName);
    ProjectManager manager;
    manager.appendSegment(new FakeMediaSegment(QStringLiteral("TEXT"), 1), nullptr);
    manager.appendSegment(new FakeMediaSegment(QStringLiteral("IMAGE"), 2), nullptr);
    for (const auto& [type, index] : {std::pair<const char*, int>{"NEWER", 9}, {"STICKER", 1}}) {
        auto record = std::make_unique<SegmentAttributes>();
        record->setText(QStringLiteral("Type"), QString::fromLatin1(type));
        manager.keepUnbuiltRecord(std::move(record), index);
    }
    const auto typesIn = [](const QString& path) {
        SegmentRecords records;
        EXPECT_EQ(ProjectXml::readSegmentsFile(path, records, "unreadable"), 0) << qPrintable(path);
        QStringList types;
        for (const auto& record : records)
            types << Segment::stringAttribute(record.get(), QStringLiteral("Type"));
        return types.join(' ').toStdString();
    };
    ASSERT_EQ(manager.saveSegments(kName, ""), 0);
    EXPECT_EQ(typesIn(ProjectManager::projectXmlPath(kName, "")), "TEXT STICKER IMAGE NEWER")
        << "the one beyond the end after the last";
    ASSERT_EQ(manager.recordSnapshot(kName, ""), 0);
    EXPECT_EQ(typesIn(ProjectManager::historySnapshotPath(kName, "", 0)), "TEXT IMAGE");
}

// A project length that is no number, below zero or beyond any movie.
TEST(ProjectFiles, AStoredProjectLengthIsReadWithinTheLongestMovie)
{
    TemporaryProduct product;
    const QString dir = product.projectDir(kName);
    const struct {
        const char* stored;
        float read;
    } cases[] = {{"12.5", 12.5f}, {"1e38", 86400.0f}, {"nan", 0.0f}, {"-inf", 0.0f}, {"-3", 0.0f}, {"86400", 86400.0f}};
    for (const auto& c : cases) {
        writeFile(dir + "/properties.xml", QByteArray("<Properties duration=\"") + c.stored + "\"/>");
        ProjectManager read;
        ASSERT_EQ(read.loadProperties(kName, ""), 0);
        EXPECT_EQ(read.duration(), c.read) << c.stored;
    }
}
