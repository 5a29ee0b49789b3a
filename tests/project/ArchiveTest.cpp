#include "ArchiveBytes.h"
#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "FolderSwapper.h"
#include "ProjectArchiveFormat.h"
#include "ProjectTestSupport.h"
#include "ProjectXml.h"
#include "SmallFileSystem.h"
#include "TestMedia.h"
#include "WatchedPipe.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <thread>

#include <unistd.h>

namespace {

struct Message {
    int code;
    QVariant data;
};
using Messages = std::vector<Message>;

// Runs an archive thread to its end, collecting its messages as a window
// does (queued to this thread); onDirect sees each one on the worker's thread.
template <typename Worker>
Messages runToEnd(Worker& worker, const std::function<void(Worker&, int)>& onDirect = {})
{
    Messages messages;
    QEventLoop loop;
    QObject::connect(
        &worker, &Worker::onMessage, &loop,
        [&messages](Worker*, int code, const QVariant& data) { messages.push_back({code, data}); },
        Qt::QueuedConnection);
    if (onDirect)
        QObject::connect(
            &worker, &Worker::onMessage, &loop, [&onDirect](Worker* self, int code, const QVariant&) { onDirect(*self, code); },
            Qt::DirectConnection);
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    worker.start();
    loop.exec();
    EXPECT_TRUE(worker.wait(10000)) << "the archive thread did not end";
    return messages;
}

Messages exportProject(const QString& name, const QString& folder, const QString& output,
                       const std::function<void(ArchiveExporter&, int)>& onDirect = {})
{
    ArchiveExporter exporter(name, folder, output);
    return runToEnd(exporter, onDirect);
}

Messages importArchive(const QString& archive, const QString& destination,
                       const std::function<void(ArchiveImporter&, int)>& onDirect = {})
{
    ArchiveImporter importer(archive, destination);
    return runToEnd(importer, onDirect);
}

std::vector<int> progressOf(const Messages& messages)
{
    std::vector<int> percents;
    for (const Message& message : messages) {
        if (message.code == ArchiveMessageCode::Progress)
            percents.push_back(message.data.toInt());
    }
    return percents;
}

// "project.xml" with one record per (type, key, value).
QByteArray projectDocument(const std::vector<std::array<QString, 3>>& records)
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n";
    for (const auto& [type, key, value] : records)
        document += QStringLiteral("    <Segment Type=\"%1\" %2=\"%3\"/>\n").arg(type, key, value.toHtmlEscaped()).toUtf8();
    return document + "</Project>\n";
}

const QByteArray kProperties = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties version=\"7\"/>\n";

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A temporary root with an output and a destination folder.
struct Folders {
    QTemporaryDir root;
    QString output = root.filePath("out");
    QString destination = root.filePath("dest");
    Folders()
    {
        QDir().mkpath(output);
        QDir().mkpath(destination);
    }
};

TEST(ArchiveExport, WritesTheTripHeaderAndEntriesAndNumbersTheSecondArchive)
{
    TemporaryProduct product;
    Folders folders;
    const QString external = folders.root.filePath("Beach.MP4");
    writeFile(external, readFile(TestMedia::path("clip_h264_aac.mp4")));
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/project.xml", projectDocument({{"MOVIE", "File", external}}));

    const Messages first = exportProject("Trip", QString(), folders.output);
    EXPECT_EQ(first.front().code, ArchiveMessageCode::Begin);
    ASSERT_EQ(first.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(first.back().data.toString(), folders.output + "/Trip.vidornaproject");
    const QByteArray bytes = readFile(first.back().data.toString());
    EXPECT_EQ(bytes.left(20).toHex(' '), QByteArray("76 69 64 6f 72 6e 61 20 03 00 00 00 04 00 00 00 54 72 69 70"));
    const QByteArray entries =
        archiveBytes("Trip", {{"properties.xml", kProperties}, {"sharingMovie-1.mp4", readFile(external)}});
    ASSERT_TRUE(bytes.startsWith(entries));
    // Last, "project.xml" generated with the record pointing at the copy.
    const QByteArray document = bytes.mid(entries.size() + 4 + 11 + 8);
    EXPECT_EQ(bytes.mid(entries.size(), 23), lengthPrefixed("project.xml") + le<qint64>(document.size()));
    EXPECT_EQ(document, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
                        "    <Segment File=\"sharingMovie-1.mp4\" Type=\"MOVIE\"/>\n</Project>\n");

    const Messages second = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(second.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(second.back().data.toString(), folders.output + "/Trip (1).vidornaproject");
    EXPECT_EQ(readFile(second.back().data.toString()), bytes) << "an unchanged project gives the same bytes";
}

// The archive's name is chosen when the export starts; a file the user saves
// under it while the archive is written, and a link that leads nowhere at
// the next name, stay as they are: the archive takes the next free name.
TEST(ArchiveExport, AFileSavedUnderTheArchivesNameMeanwhileStaysAndTheArchiveTakesTheNextFreeName)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/clip.mp4", readFile(TestMedia::path("clip_h264_aac.mp4")));
    writeFile(dir + "/project.xml", projectDocument({{"MOVIE", "File", "clip.mp4"}}));
    const QString users = folders.output + "/Trip.vidornaproject";
    const QString link = folders.output + "/Trip (1).vidornaproject";
    const QString nowhere = folders.root.filePath("nowhere");
    const QByteArray notes = "the user's own notes\n";
    bool saved = false;
    const auto saveAtFirstProgress = [&](ArchiveExporter&, int code) {
        if (code != ArchiveMessageCode::Progress || saved)
            return;
        saved = true;
        writeFile(users, notes);
        EXPECT_TRUE(QFile::link(nowhere, link));
    };

    const Messages exported = exportProject("Trip", QString(), folders.output, saveAtFirstProgress);
    ASSERT_TRUE(saved) << "the export reported no progress";
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(exported.back().data.toString().toStdString(),
              (folders.output + "/Trip (2).vidornaproject").toStdString());
    EXPECT_EQ(readFile(users).toStdString(), notes.toStdString());
    EXPECT_EQ(QFileInfo(link).symLinkTarget().toStdString(), nowhere.toStdString());
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    // Links that lead nowhere are listed among the system's entries; no temporary file stays.
    EXPECT_EQ(QDir(folders.output).entryList(QDir::Files | QDir::System | QDir::Hidden).join(" | ").toStdString(),
              "Trip (1).vidornaproject | Trip (2).vidornaproject | Trip.vidornaproject");

    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    EXPECT_EQ(filesBelow(folders.destination + "/Trip"), (QStringList{"clip.mp4", "project.xml", "properties.xml"}));
    EXPECT_EQ(readFile(folders.destination + "/Trip/clip.mp4"), readFile(dir + "/clip.mp4"));
}

TEST(ArchiveExport, FailuresLeaveNoArchiveBehind)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Broken");
    EXPECT_EQ(exportProject("Broken", QString(), folders.output).back().code, ArchiveMessageCode::ExportEstimateFailed);
    writeFile(dir + "/project.xml", projectDocument({}));
    // The only progress comes once "project.xml" is written: a cancel then still discards the archive.
    const auto cancelAtProgress = [](ArchiveExporter& exporter, int code) {
        if (code == ArchiveMessageCode::Progress)
            exporter.cancel();
    };
    EXPECT_EQ(exportProject("Broken", QString(), folders.output, cancelAtProgress).back().code,
              ArchiveMessageCode::ExportCancelled);
    // Elsewhere a backslash separates folders: the name cannot travel.
    writeFile(dir + "/odd\\name.png", "picture");
    EXPECT_EQ(exportProject("Broken", QString(), folders.output).back().code, ArchiveMessageCode::ExportCopyFailed);
    EXPECT_EQ(exportProject("Broken", QString(), folders.root.filePath("missing")).back().code,
              ArchiveMessageCode::ExportCreateFailed);
    EXPECT_EQ(filesBelow(folders.root.path()), (QStringList{"dest", "out"}));
}

TEST(ArchiveRoundTrip, EveryEntryComesBackByteIdenticalWithRecordsOnTheCopies)
{
    TemporaryProduct product;
    Folders folders;
    // Entry name -> the file it copies, own files and external media alike.
    const QString dir = product.projectDir("Holiday", "Group");
    const std::map<QString, QString> sources = {
        {"properties.xml", dir + "/properties.xml"},
        {"own clip.mp4", dir + "/own clip.mp4"},
        {"sharingImage-1.png", dir + "/sharingImage-1.png"},
        {"line_break.txt", dir + "/line\rbreak.txt"},
        {"sharingImage-2.png", folders.root.filePath("Sunset.PNG")},
        {"sharingMovie-1.mp4", folders.root.filePath("clip & more.mp4")},
        {"sharingMusic-1.wav", folders.root.filePath("tone.wav")},
    };
    for (const auto& [entry, source] : sources)
        writeFile(source, readFile(TestMedia::path(entry.endsWith("png") ? "picture.png"
                                                   : entry.endsWith("wav") ? "tone440.wav"
                                                                           : "clip_h264_aac.mp4")));
    // Left out: machine-local, empty and hidden files, and sub-folders.
    QDir(dir).mkdir("history");
    for (const QString name : {"layout.xml", "media.config", ".hidden", "history/project000.xml"})
        writeFile(dir + "/" + name, "left out");
    writeFile(dir + "/empty.dat", QByteArray());
    const QString clip = sources.at("sharingMovie-1.mp4");
    const QString tone = sources.at("sharingMusic-1.wav");
    writeFile(dir + "/project.xml", projectDocument({{"IMAGE", "File", sources.at("sharingImage-2.png")},
                                                     {"MOVIE", "File", clip},
                                                     {"MOVIE", "File", clip},
                                                     {"MUSIC", "URL", tone},
                                                     {"MUSIC", "File", clip},
                                                     {"IMAGE", "File", "sharingImage-1.png"},
                                                     {"IMAGE", "File", "/nowhere/gone.png"}}));

    const Messages exported = exportProject("Holiday", "Group", folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    // Into the projects folder, as the projects browser imports.
    const Messages imported = importArchive(exported.back().data.toString(), ProjectManager::projectsDirectory());
    ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done);
    const QString copy = ProjectManager::projectDirectory("Holiday", QString());
    QStringList expectedFiles = {"project.xml"};
    for (const auto& [entry, source] : sources) {
        expectedFiles << entry;
        EXPECT_EQ(readFile(copy + "/" + entry), readFile(source)) << qPrintable(entry);
    }
    expectedFiles.sort();
    EXPECT_EQ(filesBelow(copy), expectedFiles);
    SegmentRecords records;
    ASSERT_EQ(ProjectManager::loadSegments(records, "Holiday", QString()), 0);
    QStringList files;
    for (const auto& record : records)
        files << Segment::stringAttribute(record.get(), "File");
    // Music named only by "URL" and music on a movie's file use the copies too.
    EXPECT_EQ(files, (QStringList{"sharingImage-2.png", "sharingMovie-1.mp4", "sharingMovie-1.mp4",
                                  "sharingMusic-1.wav", "sharingMovie-1.mp4", "sharingImage-1.png",
                                  "/nowhere/gone.png"}));
    EXPECT_EQ(Segment::stringAttribute(records.at(3).get(), "URL"), tone);
}

// A name that holds "%" and a digit stays as it is in every name built from it.
TEST(ArchiveRoundTrip, NamesWithPercentAndDigitsKeepTheirTextWhenNumbered)
{
    TemporaryProduct product;
    Folders folders;
    const QString name = QStringLiteral("Sale 50%2 off");
    const QString dir = product.projectDir(name);
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/project.xml", projectDocument({}));
    QStringList archives;
    for (int run = 0; run < 2; ++run) {
        const Messages exported = exportProject(name, QString(), folders.output);
        ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
        archives << exported.back().data.toString();
        ASSERT_EQ(importArchive(archives.last(), folders.destination).back().code, ArchiveMessageCode::Done);
    }
    EXPECT_EQ(archives, (QStringList{folders.output + "/Sale 50%2 off.vidornaproject",
                                     folders.output + "/Sale 50%2 off (1).vidornaproject"}));
    EXPECT_EQ(QDir(folders.destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"Sale 50%2 off", "Sale 50%2 off (1)"}));
    EXPECT_EQ(readFile(folders.destination + "/Sale 50%2 off (1)/properties.xml"), kProperties);
}

// The built-in example travels without its marker, so that the imported
// copy is the user's own project and not taken for an example.
TEST(ArchiveRoundTrip, TheExampleProjectTravelsWithoutItsMarker)
{
    TemporaryProduct product;
    Folders folders;
    ASSERT_TRUE(ProjectManager::copyExampleProjects());
    const QString example = ProjectManager::projectDirectory("5-4-3-2-1-0", "Examples");
    ASSERT_TRUE(QFileInfo(example + "/" + ProjectManager::exampleMarkerFile).isFile());
    const Messages exported = exportProject("5-4-3-2-1-0", "Examples", folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    QStringList expected = QDir(example).entryList(QDir::Files);
    expected.removeOne("example.dat");
    EXPECT_EQ(QDir(folders.destination + "/5-4-3-2-1-0").entryList(QDir::Files), expected);
    EXPECT_EQ(readFile(folders.destination + "/5-4-3-2-1-0/beep.m4a"), readFile(example + "/beep.m4a"));
}

// An archive from before the exporter left the marker out still carries it:
// the import reads past it and unpacks what follows.
TEST(ArchiveImport, AnOlderArchiveOfTheExampleGivesAProjectOfTheUsersOwn)
{
    TemporaryProduct product;
    Folders folders;
    const QString archive = folders.root.filePath("old.vidornaproject");
    const QByteArray document = projectDocument({{"TEXT", "Text", "Countdown"}});
    writeFile(archive, archiveBytes("5-4-3-2-1-0", {{"properties.xml", kProperties},
                                                    {"example.dat", "example"},
                                                    {"project.xml", document}}));
    ASSERT_EQ(importArchive(archive, folders.destination).back().code, ArchiveMessageCode::Done);
    const QString imported = folders.destination + "/5-4-3-2-1-0";
    EXPECT_EQ(QDir(imported).entryList(QDir::Files), (QStringList{"project.xml", "properties.xml"}));
    EXPECT_EQ(readFile(imported + "/project.xml"), document);
}

// Elements this version does not use travel in the archive's project file,
// as read and in their places, and the file one of them names with them.
TEST(ArchiveRoundTrip, ElementsThisVersionDoesNotUseTravelInTheirPlaces)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/grade.cube", "LUT_3D_SIZE 2\n");
    writeFile(dir + "/project.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project xmlns:r=\"urn:root\">"
                                    "<Extension lut=\"grade.cube\"/><r:Extension r:level=\"2\"/>"
                                    "<Segment Text=\"Hi\" Type=\"TEXT\"><Style font=\"Serif\"/></Segment>"
                                    "<Segment xmlns:s=\"urn:seg\" Text=\"Ho\" Type=\"TEXT\" s:look=\"warm\"><r:Mark/></Segment>"
                                    "<Watermark corner=\"right\"/></Project>\n");
    const QStringList namespaced = namespacedNames(readFile(dir + "/project.xml"));
    const Messages exported = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    expectInOrder(readFile(folders.destination + "/Trip/project.xml"),
                  {"<Extension lut=\"grade.cube\"/>", "<Segment Text=\"Hi\" Type=\"TEXT\">", "<Style font=\"Serif\"/>",
                   "</Segment>", "<Watermark corner=\"right\"/>", "</Project>"});
    const QByteArray imported = readFile(folders.destination + "/Trip/project.xml");
    EXPECT_EQ(namespaceReadError(imported).toStdString(), "");
    EXPECT_EQ(namespacedNames(imported).join(' ').toStdString(), namespaced.join(' ').toStdString());
    EXPECT_EQ(readFile(folders.destination + "/Trip/grade.cube"), "LUT_3D_SIZE 2\n");
}

// Files named only by elements this version does not use travel too, an
// empty one and one in a sub-folder of the project included, at the same
// relative paths; after the import the elements still name them. A file
// of the sub-folder that nothing names stays behind.
TEST(ArchiveRoundTrip, FilesThatKeptElementsNameTravelEmptyOrInASubFolder)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    QDir(dir).mkpath("luts");
    writeFile(dir + "/luts/extra.cube", "LUT_3D_SIZE 2\n");
    writeFile(dir + "/luts/unnamed.cube", "LUT_3D_SIZE 4\n");
    writeFile(dir + "/empty.marker", QByteArray());
    writeFile(dir + "/project.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>"
                                    "<Extension lut=\"luts/extra.cube\"/><Segment Text=\"Hi\" Type=\"TEXT\"/>"
                                    "<Marker>empty.marker</Marker></Project>\n");
    const Messages exported = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    const QString copy = folders.destination + "/Trip";
    EXPECT_EQ(filesBelow(copy).join(' ').toStdString(),
              "empty.marker luts luts/extra.cube project.xml properties.xml");
    EXPECT_EQ(readFile(copy + "/luts/extra.cube"), "LUT_3D_SIZE 2\n");
    EXPECT_TRUE(QFileInfo(copy + "/empty.marker").isFile());
    EXPECT_EQ(QFileInfo(copy + "/empty.marker").size(), 0);
    expectInOrder(readFile(copy + "/project.xml"),
                  {"<Extension lut=\"luts/extra.cube\"/>", "<Segment Text=\"Hi\" Type=\"TEXT\"/>",
                   "<Marker>empty.marker</Marker>"});
}

// A hidden file that an element names travels too, also when enough values
// lead into the project folder that it is listed rather than each looked up.
TEST(ArchiveRoundTrip, AHiddenFileThatAKeptElementNamesTravelsAmongManyValues)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/.grade.cube", "LUT_3D_SIZE 2\n");
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project><Extension lut=\".grade.cube\"/>"
              "<Segment Text=\"Hi\" Type=\"TEXT\" TrackId=\"1\" RangeStart=\"0\" RangeDuration=\"2\""
              " UId=\"u1\" FontName=\"Serif\" TextColor=\"#ff102030\"/></Project>\n");
    const Messages exported = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    EXPECT_EQ(readFile(folders.destination + "/Trip/.grade.cube"), "LUT_3D_SIZE 2\n");
}

// Media in a sub-folder of the project travel as entries of their own; a
// file that cannot be read when its turn comes fails the export.
TEST(ArchiveExport, MediaInProjectSubFoldersTravelAndUnreadableOnesFailTheExport)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    QDir(dir).mkpath("footage");
    const QString picture = dir + "/footage/pic.png";
    writeFile(picture, readFile(TestMedia::path("picture.png")));
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/project.xml", projectDocument({{"IMAGE", "File", "footage/pic.png"}}));

    const Messages exported = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    ASSERT_EQ(importArchive(exported.back().data.toString(), folders.destination).back().code,
              ArchiveMessageCode::Done);
    EXPECT_EQ(readFile(folders.destination + "/Trip/sharingImage-1.png"), readFile(picture));
    SegmentRecords records;
    ASSERT_EQ(ProjectXml::readSegmentsFile(folders.destination + "/Trip/project.xml", records, "unreadable"), 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(Segment::stringAttribute(records[0].get(), "File"), "sharingImage-1.png");

    // Gone after the plan was made: no archive that silently lacks it.
    const auto removeAtBegin = [&picture](ArchiveExporter&, int code) {
        if (code == ArchiveMessageCode::Begin)
            QFile::remove(picture);
    };
    EXPECT_EQ(exportProject("Trip", QString(), folders.output, removeAtBegin).back().code,
              ArchiveMessageCode::ExportCopyFailed);
    EXPECT_EQ(filesBelow(folders.output), QStringList{"Trip.vidornaproject"});
}

// A movie that is a named pipe, outside the project or in its folder, is
// neither opened nor left out without a word: the export fails naming it.
TEST(ArchiveExport, AMovieThatIsANamedPipeFailsTheExportByName)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    for (const QString& movie : {folders.root.filePath("Beach.mp4"), dir + "/Harbour.mp4"}) {
        WatchedPipe pipe(movie);
        ASSERT_TRUE(pipe.isMade());
        const QString named = QFileInfo(movie).path() == dir ? QFileInfo(movie).fileName() : movie;
        writeFile(dir + "/project.xml", projectDocument({{"MOVIE", "File", named}}));

        const Messages exported = exportProject("Trip", QString(), folders.output);

        ASSERT_FALSE(exported.empty());
        EXPECT_EQ(exported.back().code, ArchiveMessageCode::ExportCopyFailed) << qPrintable(movie);
        EXPECT_EQ(exported.back().data.toString().toStdString(),
                  QString("\"%1\" is not a regular file").arg(QFileInfo(movie).fileName()).toStdString());
        EXPECT_EQ(pipe.readers(), 0) << "the named pipe was opened";
        EXPECT_EQ(filesBelow(folders.output), QStringList()) << "an archive was written";
    }
}

TEST(ArchiveRoundTrip, ProgressStepsThroughALargeEntryAndCancelStopsBothWays)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Big");
    writeFile(dir + "/project.xml", projectDocument({}));
    writeFile(dir + "/properties.xml", kProperties);
    QByteArray big(25 * 1048576, '\0');
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32*>(big.data()), big.size() / 4);
    writeFile(dir + "/big.bin", big);

    const Messages exported = exportProject("Big", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    const QString archive = exported.back().data.toString();
    const Messages imported = importArchive(archive, folders.destination);
    ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(readFile(folders.destination + "/Big/big.bin"), big);

    // Export: after 10 MiB, 20 MiB and the end of the large entry, then after each small one.
    const qint64 total = big.size() + kProperties.size() + projectDocument({}).size();
    const qint64 generated = QFileInfo(folders.destination + "/Big/project.xml").size();
    std::vector<int> expected;
    for (const qint64 bytes : {10 << 20, 20 << 20, 25 << 20, (25 << 20) + kProperties.size()})
        expected.push_back(int(bytes * 100 / total));
    expected.push_back(std::min(100, int((big.size() + kProperties.size() + generated) * 100 / total)));
    EXPECT_EQ(progressOf(exported), expected);
    // Import: after each of the 25 chunks of the large entry and each small entry.
    const std::vector<int> importProgress = progressOf(imported);
    EXPECT_EQ(importProgress.size(), 27u);
    EXPECT_TRUE(std::is_sorted(importProgress.begin(), importProgress.end()));
    EXPECT_EQ(importProgress.front(), int((1 << 20) * 100 / QFileInfo(archive).size()));

    // Cancelled at the first progress report, on the worker's own thread.
    const auto cancelAtFirstProgress = [](auto& worker, int code) {
        if (code == ArchiveMessageCode::Progress)
            worker.cancel();
    };
    const Messages cancelledImport = importArchive(archive, folders.destination, cancelAtFirstProgress);
    EXPECT_EQ(cancelledImport.back().code, ArchiveMessageCode::ImportCancelled);
    EXPECT_EQ(progressOf(cancelledImport).size(), 1u) << "nothing is copied after the cancel";
    const Messages cancelledExport = exportProject("Big", QString(), folders.output, cancelAtFirstProgress);
    EXPECT_EQ(cancelledExport.back().code, ArchiveMessageCode::ExportCancelled);
    EXPECT_EQ(progressOf(cancelledExport).size(), 1u);
    EXPECT_EQ(filesBelow(folders.output), QStringList{"Big.vidornaproject"});
    EXPECT_EQ(QDir(folders.destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Big"});
}

TEST(ArchiveImport, ChecksTheHeaderAndUnpacksAnEmptyProjectIntoAFreeName)
{
    Folders folders;
    const auto importBytes = [&folders](const QByteArray& bytes) {
        writeFile(folders.root.filePath("test.vidornaproject"), bytes);
        return importArchive(folders.root.filePath("test.vidornaproject"), folders.destination);
    };
    EXPECT_EQ(importArchive(folders.root.filePath("none"), folders.destination).back().code,
              ArchiveMessageCode::ImportMissing);
    EXPECT_EQ(importBytes("VIDORNA " + le<qint32>(3) + lengthPrefixed("Trip")).back().code,
              ArchiveMessageCode::ImportBadMagic);
    for (const qint32 version : {4, -1})
        EXPECT_EQ(importBytes("vidorna " + le<qint32>(version) + lengthPrefixed("Trip")).back().code,
                  ArchiveMessageCode::ImportTooNew);
    EXPECT_EQ(importBytes("vidorna " + le<qint32>(3) + le<qint32>(0)).back().code, ArchiveMessageCode::ImportDamaged);
    EXPECT_EQ(filesBelow(folders.destination), QStringList());

    QDir(folders.destination).mkdir("Trip");
    QDir(folders.destination).mkdir("Trip (1)");
    QElapsedTimer clock;
    clock.start();
    const Messages empty = importBytes(archiveBytes("Trip", {}));
    EXPECT_GE(clock.elapsed(), 1000) << "an import shows itself for a second at least";
    ASSERT_EQ(empty.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(empty.size(), 2u) << "begin and done, no progress";
    EXPECT_EQ(filesBelow(folders.destination), (QStringList{"Trip", "Trip (1)", "Trip (2)"}));

    // Cancelled while the finished import is still shown: the new folder goes again.
    ArchiveImporter shown(folders.root.filePath("test.vidornaproject"), folders.destination);
    QTimer::singleShot(300, &shown, &ArchiveImporter::cancel);
    EXPECT_EQ(runToEnd(shown).back().code, ArchiveMessageCode::ImportCancelled);
    EXPECT_EQ(filesBelow(folders.destination), (QStringList{"Trip", "Trip (1)", "Trip (2)"}));
}

TEST(ArchiveImport, RefusesHostileAndCutArchivesWithoutWritingOutsideOrKeepingAnything)
{
    Folders folders;
    const QByteArray data = "payload";
    const QByteArray safe = lengthPrefixed("Safe");
    const QByteArray good = archiveBytes("Safe", {{"properties.xml", kProperties}, {"clip.mp4", data}});
    std::vector<QByteArray> archives = {
        archiveBytes("Safe", {{"ok.txt", data}, {"../outside.txt", data}}),
        archiveBytes("Safe", {{folders.root.filePath("outside.txt").toUtf8(), data}}),
        archiveBytes("Safe", {{"..\\outside.txt", data}}),
        archiveBytes("Safe", {{"..", data}}),
        archiveBytes("Safe", {{"luts/../../outside.txt", data}}),
        archiveBytes("Safe", {{"luts//outside.txt", data}}),
        archiveBytes("Safe", {{"luts/", data}}),
        archiveBytes("Safe", {{".", data}}),
        archiveBytes("../Escaped", {{"a.txt", data}}),
        archiveBytes(folders.root.filePath("Escaped").toUtf8(), {{"a.txt", data}}),
        archiveBytes("..\\Escaped", {{"a.txt", data}}),
        // Names that are not what their bytes say: cut at a NUL, or no UTF-8.
        archiveBytes("Safe", {{QByteArray("a\0b", 3), data}}),
        archiveBytes("Safe", {{"properties.xml", kProperties}, {QByteArray("project.xml\0x", 13), data}}),
        archiveBytes("Safe", {{"clip\xff.mp4", data}}),
        archiveBytes("Safe", {{"\xc0\xafoutside.txt", data}}),
        archiveBytes("Safe", {{"clip\xc3", data}}),
        archiveBytes(QByteArray("Sa\0fe", 5), {{"a.txt", data}}),
        archiveBytes("Sa\xfe", {{"a.txt", data}}),
        "vidorna " + le<qint32>(3) + safe + le<qint32>(0x7fffffff) + "x",
        "vidorna " + le<qint32>(3) + le<qint32>(0x7fffffff) + "Safe",
        "vidorna " + le<qint32>(3) + safe + lengthPrefixed("a.txt") + le<qint64>(-5),
        "vidorna " + le<qint32>(3) + safe + lengthPrefixed("a.txt") + le<qint64>(qint64(3) << 40) + data,
    };
    // Cut inside each field: version, name length, name, then each entry's
    // name length, name, size and data.
    for (const int cut : {10, 14, 18, 22, 28, 40, 70, good.size() - 10, good.size() - 3})
        archives.push_back(good.left(cut));

    const QString path = folders.root.filePath("hostile.vidornaproject");
    for (size_t i = 0; i < archives.size(); ++i) {
        writeFile(path, archives[i]);
        EXPECT_EQ(importArchive(path, folders.destination).back().code, ArchiveMessageCode::ImportDamaged) << i;
        EXPECT_EQ(filesBelow(folders.root.path()), (QStringList{"dest", "hostile.vidornaproject", "out"})) << i;
    }
    writeFile(path, good);
    EXPECT_EQ(importArchive(path, folders.destination).back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(readFile(folders.destination + "/Safe/clip.mp4"), data);
    // A byte-order mark is a character of the name it begins, not dropped from it.
    writeFile(path, archiveBytes("Marked", {{"\xef\xbb\xbfproject.xml", data}}));
    EXPECT_EQ(importArchive(path, folders.destination).back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(filesBelow(folders.destination + "/Marked"), QStringList{QChar(0xfeff) + QStringLiteral("project.xml")});
}

// Another process keeps putting links to a user's file at the names of the
// entries in the folder of the project being unpacked: each entry becomes a
// file of its own there, and the user's file stays as it was.
TEST(ArchiveImport, EntriesNeverWriteThroughLinksPutAtTheirNames)
{
    Folders folders;
    const QString letter = folders.root.filePath("letter.txt");
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    writeFile(letter, letterBytes);
    std::vector<std::pair<QByteArray, QByteArray>> entries;
    QStringList names;
    for (int index = 0; index < 200; ++index) {
        const QByteArray name = "media/clip" + QByteArray::number(index) + ".mp4";
        entries.emplace_back(name, "clip " + QByteArray::number(index));
        names << QString::fromUtf8(name);
    }
    const QString path = folders.root.filePath("trip.vidornaproject");
    writeFile(path, archiveBytes("Trip", entries));
    std::atomic<bool> done{false};
    // In whatever folder the import unpacks into, under whatever name.
    std::thread planter([&] {
        const QByteArray target = QFile::encodeName(letter);
        while (!done) {
            const QDir destination(folders.destination);
            for (const QString& folder : destination.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
                for (const QString& name : qAsConst(names))
                    ::symlink(target.constData(),
                              QFile::encodeName(destination.filePath(folder + "/" + name)).constData());
            }
        }
    });

    const Messages imported = importArchive(path, folders.destination);
    done = true;
    planter.join();

    ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done);
    EXPECT_TRUE(readFile(letter) == letterBytes) << "the user's file was written through a link";
    for (size_t index = 0; index < entries.size(); ++index) {
        const QFileInfo entry(folders.destination + "/Trip/" + names[int(index)]);
        EXPECT_TRUE(entry.isFile() && !entry.isSymLink()) << qPrintable(entry.filePath()) << " is no file of its own";
        EXPECT_EQ(readFile(entry.filePath()), entries[index].second) << qPrintable(entry.filePath());
    }
}

// Another process puts links to a user's folder at the names of the folders
// that the entries of the project being unpacked go to, once its first
// entry is unpacked: each entry becomes a file in a folder of the
// project's own, and the user's folder stays as it was.
TEST(ArchiveImport, EntriesNeverGoThroughLinksPutAtTheirFoldersNames)
{
    Folders folders;
    const QString user = folders.root.filePath("user");
    ASSERT_TRUE(QDir().mkpath(user));
    writeFile(user + "/clip.mp4", "the user's own clip");
    const std::vector<std::pair<QByteArray, QByteArray>> entries{
        {"project.xml", "<Project/>"}, {"media/clip.mp4", "clip one"}, {"media/deep/clip.mp4", "clip two"},
        {"luts/clip.mp4", "clip three"}};
    const QString path = folders.root.filePath("trip.vidornaproject");
    writeFile(path, archiveBytes("Trip", entries));
    const QString project = folders.destination + "/Trip";
    bool linked = false;
    // In the folder the import unpacks into, whatever its name.
    const auto linkAtFirstProgress = [&](ArchiveImporter&, int code) {
        if (code != ArchiveMessageCode::Progress || linked)
            return;
        linked = true;
        const QStringList unpacking =
            QDir(folders.destination).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        ASSERT_EQ(unpacking.size(), 1);
        EXPECT_TRUE(QFile::link(user, folders.destination + "/" + unpacking[0] + "/media"));
        EXPECT_TRUE(QFile::link(user, folders.destination + "/" + unpacking[0] + "/luts"));
    };

    const Messages imported = importArchive(path, folders.destination, linkAtFirstProgress);
    ASSERT_TRUE(linked) << "the import reported no progress";
    ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(filesBelow(user).join(" | ").toStdString(), "clip.mp4");
    EXPECT_EQ(readFile(user + "/clip.mp4"), "the user's own clip") << "the user's folder was written through a link";
    for (const auto& [name, data] : entries) {
        const QFileInfo entry(project + "/" + QString::fromUtf8(name));
        EXPECT_FALSE(QFileInfo(entry.path()).isSymLink()) << qPrintable(entry.path());
        EXPECT_EQ(readFile(entry.filePath()), data) << qPrintable(entry.filePath());
    }
}

// How an import ends while the folders of the project are swapped for links.
struct ImportRace {
    const char* what;
    bool damaged;
    bool cancelledHalfWay;
};

// Another process keeps swapping the folders of the project being unpacked,
// its own folder and its sub-folders, for links to a user's folder and
// back: whether the import ends whole, refused as damaged or cancelled, and
// its files removed again, the user's folder stays byte for byte as it was
// and nothing is written outside the destination.
TEST(ArchiveImport, FoldersSwappedForLinksNeverLeadTheImportOrItsRemovalIntoAUsersFolder)
{
    std::vector<std::pair<QByteArray, QByteArray>> entries{
        {"properties.xml", kProperties},
        {"notes.txt", "the project's notes"},
        {"holiday/clip.mp4", "the project's clip"}};
    for (int index = 0; index < 60; ++index)
        entries.emplace_back("media/" + QByteArray::number(index % 6) + "/clip" + QByteArray::number(index) + ".mp4",
                             "clip " + QByteArray::number(index));
    entries.emplace_back("project.xml", projectDocument({}));
    const QByteArray whole = archiveBytes("Trip", entries);
    const ImportRace races[] = {{"whole", false, false}, {"damaged", true, false}, {"cancelled", false, true}};
    constexpr int kRounds = 3;
    for (const ImportRace& race : races) {
        for (int round = 0; round < kRounds; ++round) {
            Folders folders;
            const UserFolder user(folders.root.filePath("user"));
            const QString archive = folders.root.filePath("trip.vidornaproject");
            writeFile(archive, race.damaged ? whole.left(whole.size() - 3) : whole);
            // Each entry reports its progress once.
            int progress = 0;
            const auto cancelHalfWay = [&](ArchiveImporter& importer, int code) {
                if (race.cancelledHalfWay && code == ArchiveMessageCode::Progress
                    && ++progress == int(entries.size()) / 2)
                    importer.cancel();
            };
            FolderSwapper swapper(folders.destination, user.path);
            const Messages imported = importArchive(archive, folders.destination, cancelHalfWay);
            swapper.stop();

            ASSERT_FALSE(imported.empty());
            EXPECT_GT(swapper.swaps(), 0) << race.what;
            ASSERT_TRUE(user.isUnchanged()) << race.what << " round " << round << ": the user's folder changed";
            EXPECT_EQ(QDir(folders.root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                      (QStringList{"dest", "out", "trip.vidornaproject", "user"}))
                << race.what;
            if (race.damaged || race.cancelledHalfWay) {
                EXPECT_NE(imported.back().code, ArchiveMessageCode::Done) << race.what;
            }
        }
    }
}

// Two imports into one folder at once, as two instances of the program may
// run them: the one that begins second clears only what imports killed
// before the end left there, never the folder that the first one still
// unpacks into. Both projects come out whole.
TEST(ArchiveImport, AnImportNeverClearsTheFolderOfAnotherStillRunning)
{
    Folders folders;
    const QString first = folders.root.filePath("first.vidornaproject");
    const QString second = folders.root.filePath("second.vidornaproject");
    writeFile(first, archiveBytes("Trip", {{"a.txt", "first a"}, {"b.txt", "first b"}}));
    writeFile(second, archiveBytes("Beach", {{"c.txt", "second c"}}));
    bool ran = false;
    const auto importTheOtherMeanwhile = [&](ArchiveImporter&, int code) {
        if (code != ArchiveMessageCode::Progress || ran)
            return;
        ran = true;
        ArchiveImporter other(second, folders.destination);
        other.start();
        EXPECT_TRUE(other.wait(60000));
    };

    ASSERT_EQ(importArchive(first, folders.destination, importTheOtherMeanwhile).back().code,
              ArchiveMessageCode::Done);
    ASSERT_TRUE(ran) << "the import reported no progress";
    EXPECT_EQ(filesBelow(folders.destination).join(" | ").toStdString(),
              "Beach | Beach/c.txt | Trip | Trip/a.txt | Trip/b.txt");
    EXPECT_EQ(readFile(folders.destination + "/Trip/b.txt"), "first b");
}

// A file that only an element beside the records names, in a sub-folder,
// counts in the room the archive needs: an output disk it does not fit
// refuses the export before it begins, with the whole shortfall.
TEST(ArchiveSpace, AFileOnlyAnElementNamesCountsInTheRoomNeeded)
{
    TemporaryProduct product;
    Folders folders;
    const SmallFileSystem disk(folders.output, QStringLiteral("1m"));
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted over the output folder here (not root?)";
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/project.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>"
                                    "<Extension lut=\"luts/grade.cube\"/></Project>\n");
    QDir(dir).mkpath("luts");
    writeFile(dir + "/luts/grade.cube", QByteArray(2 * 1024 * 1024, 'x'));
    const qint64 estimate = QFileInfo(dir + "/properties.xml").size() + QFileInfo(dir + "/project.xml").size()
        + QFileInfo(dir + "/luts/grade.cube").size();
    const qint64 available = QStorageInfo(folders.output).bytesAvailable();

    const Messages exported = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(exported.size(), 1u) << "refused before it begins";
    EXPECT_EQ(exported[0].code, ArchiveMessageCode::ExportNoSpace);
    EXPECT_EQ(exported[0].data.toLongLong(), estimate - available);
    EXPECT_TRUE(QDir(folders.output).isEmpty());
}

// Sizes beyond any free space, in sparse files that take no room.
TEST(ArchiveSpace, NotEnoughRoomIsReportedWithTheShortfallAndNothingIsWritten)
{
    TemporaryProduct product;
    Folders folders;
    const qint64 huge = qint64(1) << 40;
    const QString dir = product.projectDir("Huge");
    writeFile(dir + "/project.xml", projectDocument({}));
    QFile sparse(dir + "/huge.bin");
    if (!sparse.open(QIODevice::WriteOnly) || !sparse.resize(huge))
        GTEST_SKIP() << "this file system holds no sparse file of 1 TiB";
    sparse.close();
    const qint64 available = QStorageInfo(folders.output).bytesAvailable();
    if (available >= huge)
        GTEST_SKIP() << "the volume has more than 1 TiB free";
    // Other processes change the free space meanwhile: a gigabyte of slack.
    const double slack = double(1 << 30);

    const Messages exported = exportProject("Huge", QString(), folders.output);
    ASSERT_EQ(exported.size(), 1u) << "refused before it begins";
    EXPECT_EQ(exported[0].code, ArchiveMessageCode::ExportNoSpace);
    const qint64 estimate = huge + projectDocument({}).size();
    EXPECT_NEAR(double(exported[0].data.toLongLong()), double(estimate - available), slack);

    const QString archive = folders.root.filePath("huge.vidornaproject");
    QFile::rename(dir + "/huge.bin", archive);
    const Messages imported = importArchive(archive, folders.destination);
    ASSERT_EQ(imported.size(), 1u);
    EXPECT_EQ(imported[0].code, ArchiveMessageCode::ImportNoSpace);
    EXPECT_NEAR(double(imported[0].data.toLongLong()), double(huge - available), slack);
    EXPECT_EQ(filesBelow(folders.root.path()), (QStringList{"dest", "huge.vidornaproject", "out"}));
}

} // namespace
