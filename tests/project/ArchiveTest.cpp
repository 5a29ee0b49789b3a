#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "ProjectArchiveFormat.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"

#include <QDataStream>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtEndian>

#include <array>
#include <functional>
#include <map>

namespace {

struct Message {
    int code;
    QVariant data;
};

// Runs an archive thread to its end, collecting its messages as a window
// would (queued to this thread). onDirect, when given, sees every message on
// the worker's own thread as it is sent.
template <typename Worker>
std::vector<Message> runWorker(Worker& worker, const std::function<void(const Message&)>& onDirect = {})
{
    std::vector<Message> messages;
    QEventLoop loop;
    QObject::connect(
        &worker, &Worker::onMessage, &loop,
        [&messages](Worker*, int code, const QVariant& data) { messages.push_back({code, data}); },
        Qt::QueuedConnection);
    if (onDirect)
        QObject::connect(
            &worker, &Worker::onMessage, &loop,
            [&onDirect](Worker*, int code, const QVariant& data) { onDirect({code, data}); }, Qt::DirectConnection);
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    worker.start();
    loop.exec();
    EXPECT_TRUE(worker.wait(10000)) << "the archive thread did not end";
    return messages;
}

std::vector<int> progressOf(const std::vector<Message>& messages)
{
    std::vector<int> percents;
    for (const Message& message : messages) {
        if (message.code == ArchiveMessageCode::Progress)
            percents.push_back(message.data.toInt());
    }
    return percents;
}

std::vector<Message> exportProject(const QString& name, const QString& folder, const QString& output,
                                   const std::function<void(const Message&)>& onDirect = {})
{
    ArchiveExporter exporter(name, folder, output);
    return runWorker(exporter, onDirect);
}

std::vector<Message> importArchive(const QString& archive, const QString& destination,
                                   const std::function<void(const Message&)>& onDirect = {})
{
    ArchiveImporter importer(archive, destination);
    return runWorker(importer, onDirect);
}

// --- An archive read and written independently of the code under test -------

QByteArray le32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le64(qint64 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray lengthPrefixed(const QByteArray& text)
{
    return le32(qint32(text.size())) + text;
}

QByteArray archiveBytes(const QByteArray& projectName, const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    QByteArray bytes = "vidorna " + le32(3) + lengthPrefixed(projectName);
    for (const auto& [name, data] : entries)
        bytes += lengthPrefixed(name) + le64(data.size()) + data;
    return bytes;
}

struct ParsedArchive {
    QByteArray magic;
    qint32 version = 0;
    QString projectName;
    std::vector<std::pair<QString, QByteArray>> entries;
    bool whole = false;
};

ParsedArchive parseArchive(const QString& path)
{
    ParsedArchive archive;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return archive;
    QDataStream stream(&file);
    stream.setByteOrder(QDataStream::LittleEndian);
    const auto readString = [&stream]() {
        qint32 length = 0;
        stream >> length;
        QByteArray bytes(std::max(length, 0), '\0');
        stream.readRawData(bytes.data(), bytes.size());
        return QString::fromUtf8(bytes);
    };
    archive.magic = file.read(8);
    stream >> archive.version;
    archive.projectName = readString();
    while (!file.atEnd() && stream.status() == QDataStream::Ok) {
        const QString name = readString();
        qint64 size = 0;
        stream >> size;
        archive.entries.emplace_back(name, file.read(size));
    }
    archive.whole = stream.status() == QDataStream::Ok;
    return archive;
}

std::vector<QString> entryNames(const ParsedArchive& archive)
{
    std::vector<QString> names;
    for (const auto& entry : archive.entries)
        names.push_back(entry.first);
    return names;
}

// The "File", "URL" and "Type" values of each record of a project document.
std::vector<std::map<QString, QString>> recordsOf(const QByteArray& document)
{
    std::vector<std::map<QString, QString>> records;
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("Segment"))
            continue;
        std::map<QString, QString> record;
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            record[attribute.name().toString()] = attribute.value().toString();
        records.push_back(record);
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    return records;
}

// "project.xml" with one record per (type, key, value) triple.
QByteArray projectDocument(const std::vector<std::array<QString, 3>>& records)
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n";
    int index = 0;
    for (const auto& [type, key, value] : records) {
        document += QStringLiteral("    <Segment Type=\"%1\" UId=\"record-%2\" %3=\"%4\"/>\n")
                        .arg(type)
                        .arg(++index)
                        .arg(key, value.toHtmlEscaped())
                        .toUtf8();
    }
    return document + "</Project>\n";
}

const QByteArray kProperties = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties version=\"7\" direction=\"1\" "
                               "resolution=\"1\" frameRate=\"30\"/>\n";

void copyInto(const QString& source, const QString& target)
{
    writeFile(target, readFile(source));
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A temporary root holding an output folder and a destination folder.
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

// --- Export -------------------------------------------------------------------

TEST(ArchiveExport, WritesTheHeaderEntriesAndNumberedNamesOfATripProject)
{
    TemporaryProduct product;
    Folders folders;
    const QString external = folders.root.filePath("clips/Beach.MP4");
    QDir().mkpath(QFileInfo(external).path());
    copyInto(TestMedia::path("clip_h264_aac.mp4"), external);
    const QString dir = product.projectDir("Trip");
    writeFile(dir + "/properties.xml", kProperties);
    writeFile(dir + "/project.xml", projectDocument({{"MOVIE", "File", external}}));

    const std::vector<Message> first = exportProject("Trip", QString(), folders.output);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front().code, ArchiveMessageCode::Begin);
    ASSERT_EQ(first.back().code, ArchiveMessageCode::Done);
    const QString archivePath = folders.output + "/Trip.vidornaproject";
    EXPECT_EQ(first.back().data.toString(), archivePath);

    const QByteArray bytes = readFile(archivePath);
    EXPECT_EQ(bytes.left(20).toHex(' '), QByteArray("76 69 64 6f 72 6e 61 20 03 00 00 00 04 00 00 00 54 72 69 70"));
    const ParsedArchive archive = parseArchive(archivePath);
    ASSERT_TRUE(archive.whole);
    EXPECT_EQ(entryNames(archive), (std::vector<QString>{"properties.xml", "sharingMovie-1.mp4", "project.xml"}));
    EXPECT_EQ(archive.entries[0].second, kProperties);
    EXPECT_EQ(archive.entries[1].second, readFile(external));
    const auto records = recordsOf(archive.entries[2].second);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].at("File"), "sharingMovie-1.mp4");
    EXPECT_TRUE(archive.entries[2].second.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n    "));
    // The project on disk still points at the original.
    EXPECT_EQ(recordsOf(readFile(dir + "/project.xml"))[0].at("File"), external);

    const std::vector<Message> second = exportProject("Trip", QString(), folders.output);
    ASSERT_EQ(second.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(second.back().data.toString(), folders.output + "/Trip (1).vidornaproject");
    EXPECT_EQ(readFile(second.back().data.toString()), bytes) << "an unchanged project archives to the same bytes";
}

TEST(ArchiveExport, FailuresLeaveNoArchiveBehind)
{
    TemporaryProduct product;
    Folders folders;
    const QString dir = product.projectDir("Broken");
    writeFile(dir + "/properties.xml", kProperties);
    EXPECT_EQ(exportProject("Broken", QString(), folders.output).back().code,
              ArchiveMessageCode::ExportEstimateFailed);

    writeFile(dir + "/project.xml", projectDocument({{"TEXT", "Text", "hello"}}));
    // Elsewhere a backslash separates folders: such a name cannot travel.
    writeFile(dir + "/odd\\name.png", "picture");
    const std::vector<Message> copyFailed = exportProject("Broken", QString(), folders.output);
    EXPECT_EQ(copyFailed.front().code, ArchiveMessageCode::Begin);
    EXPECT_EQ(copyFailed.back().code, ArchiveMessageCode::ExportCopyFailed);
    EXPECT_EQ(filesBelow(folders.output), QStringList()) << "the partial archive is gone";

    EXPECT_EQ(exportProject("Broken", QString(), folders.root.filePath("missing")).back().code,
              ArchiveMessageCode::ExportCreateFailed);
    EXPECT_EQ(filesBelow(folders.root.path()), (QStringList{"dest", "out"}));
}

// --- Round trip ---------------------------------------------------------------

TEST(ArchiveRoundTrip, EveryEntryComesBackByteIdenticalWithRecordsOnTheCopies)
{
    TemporaryProduct product;
    Folders folders;
    const QString media = folders.root.filePath("media");
    QDir().mkpath(media);
    const QString picture = media + "/Sunset.PNG";
    const QString clip = media + "/clip & more.mp4";
    const QString tone = media + "/tone.wav";
    copyInto(TestMedia::path("picture.png"), picture);
    copyInto(TestMedia::path("clip_h264_aac.mp4"), clip);
    copyInto(TestMedia::path("tone440.wav"), tone);

    const QString dir = product.projectDir("Holiday", "Group");
    writeFile(dir + "/properties.xml", kProperties);
    copyInto(TestMedia::path("picture.png"), dir + "/shot.jpg");
    copyInto(TestMedia::path("clip_h264_aac.mp4"), dir + "/own clip.mp4");
    copyInto(TestMedia::path("picture.png"), dir + "/sharingImage-1.png");
    writeFile(dir + "/line\rbreak.txt", "a carriage return in a name");
    // Left out: machine-local files, empty and hidden files, sub-folders.
    writeFile(dir + "/layout.xml", "<?xml version=\"1.0\"?><Layout/>");
    writeFile(dir + "/media.config", "local");
    writeFile(dir + "/empty.dat", QByteArray());
    writeFile(dir + "/.hidden", "hidden");
    QDir().mkpath(dir + "/history");
    writeFile(dir + "/history/project000.xml", "<Project/>");
    writeFile(dir + "/project.xml", projectDocument({
                                        {"IMAGE", "File", picture},
                                        {"MOVIE", "File", clip},
                                        {"MOVIE", "File", clip},
                                        {"MUSIC", "URL", tone},
                                        {"MUSIC", "File", clip},
                                        {"IMAGE", "File", "sharingImage-1.png"},
                                        {"IMAGE", "File", media + "/gone.png"},
                                        {"TEXT", "Text", "Day one"},
                                    }));

    const std::vector<Message> exported = exportProject("Holiday", "Group", folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    const QString archive = exported.back().data.toString();
    const std::vector<int> exportProgress = progressOf(exported);
    EXPECT_TRUE(std::is_sorted(exportProgress.begin(), exportProgress.end()));

    for (const QString expectedFolder : {"Holiday", "Holiday (1)"}) {
        const std::vector<Message> imported = importArchive(archive, folders.destination);
        ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done) << qPrintable(expectedFolder);
        const QString copy = folders.destination + "/" + expectedFolder;
        EXPECT_EQ(filesBelow(copy),
                  (QStringList{"line_break.txt", "own clip.mp4", "project.xml", "properties.xml", "sharingImage-1.png",
                               "sharingImage-2.png", "sharingMovie-1.mp4", "sharingMusic-1.wav", "shot.jpg"}));
        const std::map<QString, QString> sources = {
            {"line_break.txt", dir + "/line\rbreak.txt"}, {"own clip.mp4", dir + "/own clip.mp4"},
            {"properties.xml", dir + "/properties.xml"},  {"sharingImage-1.png", dir + "/sharingImage-1.png"},
            {"sharingImage-2.png", picture},              {"sharingMovie-1.mp4", clip},
            {"sharingMusic-1.wav", tone},                 {"shot.jpg", dir + "/shot.jpg"},
        };
        for (const auto& [entry, source] : sources)
            EXPECT_EQ(readFile(copy + "/" + entry), readFile(source)) << qPrintable(entry);
        const auto records = recordsOf(readFile(copy + "/project.xml"));
        ASSERT_EQ(records.size(), 8u);
        EXPECT_EQ(records[0].at("File"), "sharingImage-2.png");
        EXPECT_EQ(records[1].at("File"), "sharingMovie-1.mp4");
        EXPECT_EQ(records[2].at("File"), "sharingMovie-1.mp4");
        EXPECT_EQ(records[3].at("File"), "sharingMusic-1.wav") << "music named only by URL uses its copy";
        EXPECT_EQ(records[3].at("URL"), tone);
        EXPECT_EQ(records[4].at("File"), "sharingMovie-1.mp4") << "music on a movie's file uses the same copy";
        EXPECT_EQ(records[5].at("File"), "sharingImage-1.png");
        EXPECT_EQ(records[6].at("File"), media + "/gone.png");
        EXPECT_EQ(records[7].at("Text"), "Day one");
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
    QRandomGenerator generator(17);
    generator.fillRange(reinterpret_cast<quint32*>(big.data()), big.size() / 4);
    writeFile(dir + "/big.bin", big);
    const qint64 total = big.size() + kProperties.size() + readFile(dir + "/project.xml").size();
    const auto percent = [total](qint64 bytes) { return int(bytes * 100 / total); };

    const std::vector<Message> exported = exportProject("Big", QString(), folders.output);
    ASSERT_EQ(exported.back().code, ArchiveMessageCode::Done);
    const QString archive = exported.back().data.toString();
    const std::vector<Message> imported = importArchive(archive, folders.destination);
    ASSERT_EQ(imported.back().code, ArchiveMessageCode::Done);

    // After 10 MiB, 20 MiB and the end of the large entry, then after each small one.
    const qint64 written = big.size() + kProperties.size();
    const qint64 generated = QFileInfo(folders.destination + "/Big/project.xml").size();
    EXPECT_EQ(progressOf(exported), (std::vector<int>{percent(10 * 1048576), percent(20 * 1048576),
                                                      percent(big.size()), percent(written),
                                                      percent(written + generated)}));
    const std::vector<int> importProgress = progressOf(imported);
    // 25 chunks of the large entry, one each for the small ones.
    EXPECT_EQ(importProgress.size(), 27u);
    EXPECT_TRUE(std::is_sorted(importProgress.begin(), importProgress.end()));
    EXPECT_EQ(importProgress.front(), int(1048576 * 100 / QFileInfo(archive).size()));
    EXPECT_EQ(readFile(folders.destination + "/Big/big.bin"), big);

    // Cancelled right after the first progress report, on the worker's thread.
    ArchiveImporter importer(archive, folders.destination);
    const auto cancelImport = [&importer](const Message& message) {
        if (message.code == ArchiveMessageCode::Progress)
            importer.cancel();
    };
    const std::vector<Message> cancelledImport = runWorker(importer, std::function<void(const Message&)>(cancelImport));
    EXPECT_EQ(cancelledImport.back().code, ArchiveMessageCode::ImportCancelled);
    EXPECT_EQ(progressOf(cancelledImport).size(), 1u) << "no chunk is copied after the cancel";
    EXPECT_EQ(filesBelow(folders.destination).filter(QRegularExpression("^Big[^/]*$")), QStringList{"Big"});

    ArchiveExporter exporter("Big", QString(), folders.output);
    const auto cancelExport = [&exporter](const Message& message) {
        if (message.code == ArchiveMessageCode::Progress)
            exporter.cancel();
    };
    const std::vector<Message> cancelledExport = runWorker(exporter, std::function<void(const Message&)>(cancelExport));
    EXPECT_EQ(cancelledExport.back().code, ArchiveMessageCode::ExportCancelled);
    EXPECT_EQ(progressOf(cancelledExport).size(), 1u);
    EXPECT_EQ(filesBelow(folders.output), QStringList{"Big.vidornaproject"}) << "the cancelled archive is gone";
}

// --- Import ---------------------------------------------------------------------

TEST(ArchiveImport, ChecksTheHeaderAndUnpacksAnEmptyProjectIntoAFreeName)
{
    Folders folders;
    const auto importBytes = [&folders](const QByteArray& bytes) {
        const QString path = folders.root.filePath("test.vidornaproject");
        writeFile(path, bytes);
        return importArchive(path, folders.destination);
    };
    EXPECT_EQ(importArchive(folders.root.filePath("none.vidornaproject"), folders.destination).back().code,
              ArchiveMessageCode::ImportMissing);
    EXPECT_EQ(importBytes("VIDORNA " + le32(3) + lengthPrefixed("Trip")).back().code,
              ArchiveMessageCode::ImportBadMagic);
    EXPECT_EQ(importBytes("vidorna " + le32(4) + lengthPrefixed("Trip")).back().code, ArchiveMessageCode::ImportTooNew);
    EXPECT_EQ(importBytes("vidorna " + le32(-1) + lengthPrefixed("Trip")).back().code, ArchiveMessageCode::ImportTooNew);
    EXPECT_EQ(importBytes("vidorna " + le32(3) + le32(0)).back().code, ArchiveMessageCode::ImportDamaged);
    EXPECT_EQ(filesBelow(folders.destination), QStringList());

    QDir(folders.destination).mkdir("Trip");
    QDir(folders.destination).mkdir("Trip (1)");
    QElapsedTimer clock;
    clock.start();
    const std::vector<Message> empty = importBytes(archiveBytes("Trip", {}));
    EXPECT_GE(clock.elapsed(), 1000) << "the import shows itself for a second at least";
    ASSERT_EQ(empty.back().code, ArchiveMessageCode::Done);
    EXPECT_EQ(empty.front().code, ArchiveMessageCode::Begin);
    EXPECT_TRUE(progressOf(empty).empty());
    EXPECT_EQ(filesBelow(folders.destination), (QStringList{"Trip", "Trip (1)", "Trip (2)"}));
}

TEST(ArchiveImport, RefusesHostileAndCutArchivesWithoutWritingOutsideOrKeepingAnything)
{
    Folders folders;
    const QString outside = folders.root.filePath("outside.txt");
    const QByteArray data = "payload";
    const QByteArray good = archiveBytes("Safe", {{"properties.xml", kProperties}, {"clip.mp4", data}});
    const std::vector<std::pair<const char*, QByteArray>> hostile = {
        {"parent entry", archiveBytes("Safe", {{"ok.txt", data}, {"../outside.txt", data}})},
        {"absolute entry", archiveBytes("Safe", {{outside.toUtf8(), data}})},
        {"backslash entry", archiveBytes("Safe", {{"..\\outside.txt", data}})},
        {"dot-dot entry", archiveBytes("Safe", {{"..", data}})},
        {"dot entry", archiveBytes("Safe", {{".", data}})},
        {"parent project", archiveBytes("../Escaped", {{"a.txt", data}})},
        {"absolute project", archiveBytes(folders.root.filePath("Escaped").toUtf8(), {{"a.txt", data}})},
        {"backslash project", archiveBytes("..\\Escaped", {{"a.txt", data}})},
        {"huge entry name", "vidorna " + le32(3) + lengthPrefixed("Safe") + le32(0x7fffffff) + "x"},
        {"huge project name", "vidorna " + le32(3) + le32(0x7fffffff) + "Safe"},
        {"negative size", "vidorna " + le32(3) + lengthPrefixed("Safe") + lengthPrefixed("a.txt") + le64(-5)},
        {"size beyond the end", "vidorna " + le32(3) + lengthPrefixed("Safe") + lengthPrefixed("a.txt")
                                    + le64(qint64(3) << 40) + data},
    };
    std::vector<std::pair<QString, QByteArray>> cases(hostile.begin(), hostile.end());
    // Cut inside every field of the archive: the name's length, the name,
    // each entry's name length, name, size and data.
    for (const int cut : {10, 14, 18, 22, 28, 35, 40, good.size() - 120, good.size() - 10, good.size() - 3})
        cases.emplace_back(QStringLiteral("cut at %1").arg(cut), good.left(cut));

    for (const auto& [label, bytes] : cases) {
        const QString path = folders.root.filePath("hostile.vidornaproject");
        writeFile(path, bytes);
        const std::vector<Message> messages = importArchive(path, folders.destination);
        EXPECT_EQ(messages.back().code, ArchiveMessageCode::ImportDamaged) << qPrintable(label);
        EXPECT_EQ(filesBelow(folders.root.path()), (QStringList{"dest", "hostile.vidornaproject", "out"}))
            << qPrintable(label);
    }
    EXPECT_FALSE(QFileInfo::exists(folders.root.filePath("Escaped")));

    // The same archive whole is fine.
    writeFile(folders.root.filePath("good.vidornaproject"), good);
    EXPECT_EQ(importArchive(folders.root.filePath("good.vidornaproject"), folders.destination).back().code,
              ArchiveMessageCode::Done);
    EXPECT_EQ(readFile(folders.destination + "/Safe/clip.mp4"), data);
    EXPECT_EQ(readFile(folders.destination + "/Safe/properties.xml"), kProperties);
}

// Sizes beyond any free space, made with sparse files that take no room.
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

    const std::vector<Message> exported = exportProject("Huge", QString(), folders.output);
    ASSERT_EQ(exported.size(), 1u) << "refused before it begins";
    EXPECT_EQ(exported.back().code, ArchiveMessageCode::ExportNoSpace);
    const qint64 estimate = huge + QFileInfo(dir + "/project.xml").size();
    // Other processes change the free space meanwhile; a gigabyte of slack.
    EXPECT_NEAR(double(exported.back().data.toLongLong()), double(estimate - available), double(1 << 30));

    const QString archive = folders.root.filePath("huge.vidornaproject");
    QFile::rename(dir + "/huge.bin", archive);
    const std::vector<Message> imported = importArchive(archive, folders.destination);
    ASSERT_EQ(imported.size(), 1u);
    EXPECT_EQ(imported.back().code, ArchiveMessageCode::ImportNoSpace);
    EXPECT_NEAR(double(imported.back().data.toLongLong()), double(huge - available), double(1 << 30));
    EXPECT_EQ(filesBelow(folders.output), QStringList());
    EXPECT_EQ(filesBelow(folders.destination), QStringList());
}

} // namespace
