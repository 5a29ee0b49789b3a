// Project folders as a user gets them from an older version, another
// machine or a damaged disk, written at test time: numbers that are no
// numbers or too large for any movie, a segment type this version does not
// know, lengths of zero and below. Each opens, shows its valid segments,
// exports to an end and closes without deleting a file a record names; the
// records and elements it does not use are saved back as they were read.
#include "OpeningWindow.h"

#include "AssetLoadingThreadPool.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "LogRecorder.h"
#include "MenuEntries.h"
#include "PopupMovieExportingWidget.h"
#include "ProjectTestSupport.h"
#include "ProjectXml.h"
#include "RaisedUnder.h"
#include "TestMedia.h"
#include "TimelineMetrics.h"
#include "WatchedPipe.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <gtest/gtest.h>

#include <cmath>

#include <sys/stat.h>

namespace {

const QString kName = QStringLiteral("Found");
constexpr int kLoadWaitMs = 60000;
constexpr int kExportWaitMs = 120000;
// Renderer wait (5 s), the closing finish (1 s) and a loaded machine.
constexpr int kCloseWaitMs = 20000;

class HostileWindow : public OpeningWindow
{
public:
    HostileWindow() : OpeningWindow(kName, QSize(320, 180)) {}

    using MainWindow::exportMovie;
    using MainWindow::exporter;

    void chooseExport(const QString& folder)
    {
        _exportSizeLevel = 0;
        _exportName = kName;
        _exportFolder = folder;
    }
    PopupMovieExportingWidget* popup() const { return qobject_cast<PopupMovieExportingWidget*>(_currentPopup); }

    QList<SegmentWidget*> tiles() const
    {
        QList<SegmentWidget*> all;
        for (int index = 0; index < _timeline->trackWidgetCount(); ++index)
            all += _timeline->trackWidgetAt(index)->segmentWidgets();
        return all;
    }
    SegmentWidget* tileOf(const QString& type, const QString& text = QString()) const
    {
        for (SegmentWidget* tile : tiles()) {
            const Segment* segment = tile->segment();
            if (segment && segment->type() == type && (text.isEmpty() || segment->text() == text))
                return tile;
        }
        return nullptr;
    }
};

// The stream durations and the length of a movie, from ffprobe.
QJsonObject probe(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-show_entries", "stream=codec_type,duration:format=duration", "-of", "json", path});
    if (!ffprobe.waitForFinished(30000))
        return {};
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

double streamDuration(const QJsonObject& info, const QString& type)
{
    for (const QJsonValue& stream : info.value("streams").toArray()) {
        if (stream.toObject().value("codec_type").toString() == type)
            return stream.toObject().value("duration").toString().toDouble();
    }
    return -1.0;
}

// Each record of a project file as the model writes a record, compact: the
// same text for the same attributes and children, whatever the indentation.
QStringList recordsXml(const QString& path)
{
    SegmentRecords records;
    ProjectXml::readSegmentsFile(path, records, "The project written cannot be read");
    QStringList xml;
    for (const auto& record : records) {
        QString text;
        QXmlStreamWriter writer(&text);
        Segment::saveToXml(*record, writer);
        xml << text;
    }
    return xml;
}

// Each element of the name in a project file (not those inside one), as
// compact XML: the same text for the same names, attributes, text and
// children, whatever the indentation.
QStringList elementsXml(const QString& path, const QString& name)
{
    QXmlStreamReader reader(readFile(path));
    QStringList found;
    QString text;
    QXmlStreamWriter writer(&text);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (depth == 0 && !(reader.isStartElement() && reader.name() == name))
            continue;
        depth += reader.isStartElement() ? 1 : reader.isEndElement() ? -1 : 0;
        if (!reader.isWhitespace())
            writer.writeCurrentToken(reader);
        if (depth == 0) {
            found << text;
            text.clear();
        }
    }
    return reader.hasError() ? QStringList{reader.errorString()} : found;
}

// The names of the elements directly inside the root of a project file.
QString rootChildren(const QString& path)
{
    QXmlStreamReader reader(readFile(path));
    QStringList names;
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && ++depth == 2)
            names << reader.name().toString();
        else if (reader.isEndElement())
            --depth;
    }
    return names.join(' ');
}

class HostileProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A help tip in front would turn the presses on the tiles away.
        markHelpTipsSeen();
        dir = product.projectDir(kName);
        ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
        ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("tone440.wav")), dir + "/tone.wav"));
        ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("picture.png")), dir + "/picture.png"));
        ASSERT_TRUE(target.isValid());
    }

    // Writes the records, opens the window on them and waits until every segment loaded.
    bool open(HostileWindow& window, std::vector<RecordBuilder>& records, const QByteArray& duration = "0")
    {
        writeProject(dir, records);
        if (duration != "0") {
            QByteArray properties = readFile(dir + "/properties.xml");
            properties.replace("duration=\"0\"", "duration=\"" + duration + "\"");
            writeFile(dir + "/properties.xml", properties);
        }
        return openAsStored(window);
    }

    // Opens the window on the project as the folder holds it.
    bool openAsStored(HostileWindow& window)
    {
        window.show();
        if (!window._openProject() || !waitFor([&] { return window.preview() != nullptr; }, 5000)
            || !window.preview()->isValid())
            return false;
        return waitFor([&] { return window.loaderMessages.contains(ProjectLoaderAllLoaded); }, kLoadWaitMs);
    }

    // Exports at the smallest size; the movie's path, empty when it did not end well.
    QString exportMovie(HostileWindow& window)
    {
        QSignalSpy finished(&window, &MainWindow::avexporterFinished);
        window.chooseExport(target.path());
        // Thumbnails still loading turn the export away with a message.
        if (!waitFor([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; }, kLoadWaitMs))
            return QString();
        window.exportMovie();
        if (!window.popup())
            return QString();
        window.popup()->shareOperationButtonOnClicked();
        // The spy hears the exporter's thread; the window copies the movie
        // to the folder and lets the exporter go later, in its own loop.
        if (!waitFor([&] { return !finished.isEmpty() && !window.exporter(); }, kExportWaitMs)
            || finished.first().first().toInt() != 0)
            return QString();
        window.popup()->dismiss();
        return target.filePath(kName + QStringLiteral(".mp4"));
    }

    // Closes the window as its close button does and waits until it is gone.
    static bool closeWindow(HostileWindow& window)
    {
        window.close();
        return waitFor([&] { return !window.isVisible(); }, kCloseWaitMs);
    }

    // Twice opens the project, adds a text and saves it on closing; each
    // time the record of each index of kept is saved back as it was read,
    // in its place, and every file stays. The records must be written.
    void expectKeptThroughEditsAndReopens(const QMap<int, QString>& kept, const QStringList& files)
    {
        const int records = recordsXml(dir + "/project.xml").size();
        for (int round = 1; round <= 2; ++round) {
            HostileWindow window;
            if (!openAsStored(window))
                GTEST_SKIP() << "no OpenGL context for the preview";
            const int tiles = window.tiles().size();
            ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
            ASSERT_EQ(window.tiles().size(), tiles + 1) << "round " << round;
            ASSERT_TRUE(closeWindow(window)) << "round " << round;
            const QStringList saved = recordsXml(dir + "/project.xml");
            EXPECT_EQ(saved.size(), records + round);
            for (auto record = kept.cbegin(); record != kept.cend(); ++record)
                EXPECT_EQ(saved.value(record.key()).toStdString(), record.value().toStdString()) << "round " << round;
            for (const QString& file : files)
                EXPECT_TRUE(QFileInfo::exists(dir + "/" + file)) << qPrintable(file) << ", round " << round;
        }
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QTemporaryDir target;
    QString dir;
};

void expectTileAt(SegmentWidget* tile, float start, float length)
{
    ASSERT_NE(tile, nullptr);
    // The tiles slide and grow to their places after loading.
    waitFor([&] {
        return tile->geometry().x() == TimelineMetrics::tileX(start, 1.0f)
               && std::abs(tile->width() - TimelineMetrics::tileWidth(length, 1.0f)) <= 1;
    }, 5000);
    EXPECT_TRUE(tile->isVisible());
    EXPECT_EQ(tile->geometry().x(), TimelineMetrics::tileX(start, 1.0f)) << qPrintable(tile->segment()->type());
    EXPECT_NEAR(tile->width(), TimelineMetrics::tileWidth(length, 1.0f), 1) << qPrintable(tile->segment()->type());
    const Segment* segment = tile->segment();
    EXPECT_FLOAT_EQ(segment->rangeStart(), start);
    EXPECT_NEAR(segment->duration(), length, 0.05);
}

} // namespace

TEST_F(HostileProject, ValuesNoModelCanHoldAreRepairedOrLeftOutAndTheMovieExports)
{
    const QString nan = QStringLiteral("nan");
    std::vector<RecordBuilder> records;
    // The good one: the whole clip from 0.
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    // Beyond any movie: left out.
    records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 2)
                                    .set("RangeStart", 3e38).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "far").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 1e38)));
    // No numbers: a start of 0 and a picture's own length.
    records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 2147483647)
                                    .set("RangeStart", nan).set("RangeDuration", "inf")));
    // A trim that is no number plays the sound from its start for the range's length.
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("TrackId", 4)
                                    .set("RangeStart", "-inf").set("RangeDuration", 1.5).set("TrimStart", nan)
                                    .set("TrimDuration", "inf")));
    // Transitions whose fractions are out of range or no numbers.
    RecordBuilder text("TEXT");
    text.set("Text", "Title").set("TrackId", 5).set("RangeStart", 0.5).set("RangeDuration", 1);
    SegmentAttributes::TransitionList& transitions = text.attributes->resetTransitions();
    for (const auto& [start, length] : {std::pair<const char*, const char*>{"1e30", "-5"}, {"nan", "nan"},
                                        {"-5", "1e30"}}) {
        auto entry = std::make_unique<SegmentAttributes>();
        entry->setText(QStringLiteral("TStart"), QString::fromLatin1(start));
        entry->setText(QStringLiteral("TDuration"), QString::fromLatin1(length));
        transitions.push_back(std::move(entry));
    }
    records.push_back(std::move(text));
    // A type of a newer version, whose file stays.
    writeFile(dir + "/sticker.png", readFile(dir + "/picture.png"));
    records.push_back(std::move(RecordBuilder("STICKER").set("File", "sticker.png").set("TrackId", 6)
                                    .set("RangeStart", "nan").set("RangeDuration", 1)));

    HostileWindow window;
    if (!open(window, records, "1e38"))
        GTEST_SKIP() << "no OpenGL context for the preview";

    EXPECT_EQ(window.tiles().size(), 4);
    expectTileAt(window.tileOf("MOVIE"), 0.0f, 2.0f);
    expectTileAt(window.tileOf("IMAGE"), 0.0f, 2.0f);
    expectTileAt(window.tileOf("MUSIC"), 0.0f, 1.5f);
    SegmentWidget* title = window.tileOf("TEXT", QStringLiteral("Title"));
    expectTileAt(title, 0.5f, 1.0f);
    EXPECT_EQ(window.tileOf("TEXT", QStringLiteral("far")), nullptr);
    ASSERT_NE(title, nullptr);
    const Segment* segment = title->segment();
    ASSERT_EQ(segment->transitionCount(), 3);
    for (int id = 1; id <= 3; ++id) {
        const float start = segment->transitionStart(id);
        const float length = segment->transitionDuration(id);
        EXPECT_TRUE(start >= 0.0f && length >= 0.0f && start + length <= segment->duration() + 1e-4f)
            << id << ": " << start << " + " << length;
    }
    EXPECT_FLOAT_EQ(window.projectManager()->duration(), 2.0f);

    const QString movie = exportMovie(window);
    ASSERT_FALSE(movie.isEmpty()) << "the export did not end";
    const QJsonObject info = probe(movie);
    EXPECT_NEAR(info.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.05);
    EXPECT_NEAR(streamDuration(info, "video"), 2.0, 0.001);
    EXPECT_TRUE(closeWindow(window));
    for (const char* file : {"/clip.mp4", "/tone.wav", "/picture.png", "/sticker.png"})
        EXPECT_TRUE(QFileInfo::exists(dir + file)) << file;
}

TEST_F(HostileProject, ZeroAndNegativeLengthsGetVisibleTilesThatAPressSelects)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 0)));
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("TrackId", 2)
                                    .set("RangeStart", 0).set("RangeDuration", 0)));
    records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 3)
                                    .set("RangeStart", -1).set("RangeDuration", -2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "Below").set("TrackId", 4)
                                    .set("RangeStart", 0.5).set("RangeDuration", -1)));
    HostileWindow window;
    if (!open(window, records))
        GTEST_SKIP() << "no OpenGL context for the preview";
    QApplication::setActiveWindow(&window);

    expectTileAt(window.tileOf("MOVIE"), 0.0f, 2.0f);
    expectTileAt(window.tileOf("MUSIC"), 0.0f, 3.0f);
    expectTileAt(window.tileOf("IMAGE"), 0.0f, 2.0f);
    expectTileAt(window.tileOf("TEXT"), 0.5f, 2.0f);
    for (const char* type : {"IMAGE", "TEXT"}) {
        SegmentWidget* tile = window.tileOf(type);
        ASSERT_NE(tile, nullptr);
        ASSERT_TRUE(waitFor([&] { return !window.timeline()->isAnimatingTracks(); }, 5000)) << type;
        const QPoint centre = window.mapFromGlobal(tile->mapToGlobal(tile->rect().center()));
        ASSERT_TRUE(raiseUntilShownAt(tile, tile->rect().center())) << type;
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        EXPECT_TRUE(waitFor([&] { return window.timeline()->selectedSegmentWidget() == tile; }, 5000)) << type;
    }
    EXPECT_FALSE(exportMovie(window).isEmpty()) << "the export did not end";
    EXPECT_TRUE(closeWindow(window));
}

TEST_F(HostileProject, ClosingKeepsTheFileOfASegmentTypeThisVersionDoesNotKnow)
{
    writeFile(dir + "/sticker.png", readFile(dir + "/picture.png"));
    writeFile(dir + "/stray.png", readFile(dir + "/picture.png"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("STICKER").set("File", "sticker.png").set("TrackId", 2)
                                    .set("RangeStart", 0).set("RangeDuration", 1)));
    HostileWindow window;
    if (!open(window, records))
        GTEST_SKIP() << "no OpenGL context for the preview";
    EXPECT_EQ(window.tiles().size(), 1);
    ASSERT_TRUE(closeWindow(window));
    EXPECT_TRUE(QFileInfo::exists(dir + "/sticker.png")) << "a record of project.xml names it";
    EXPECT_TRUE(readFile(dir + "/project.xml").contains("STICKER"));
    EXPECT_TRUE(QFileInfo::exists(dir + "/clip.mp4"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/stray.png")) << "no record names it";
}

TEST_F(HostileProject, ARecordOfANewerTypeAndItsFileSurviveAnEditTheSaveAndAReopen)
{
    writeFile(dir + "/sticker-sound.wav", readFile(dir + "/tone.wav"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    RecordBuilder sticker("STICKER");
    sticker.set("File", "sticker-sound.wav").set("TrackId", 2).set("RangeStart", "0.50").set("RangeDuration", 1)
        .set("Wobble", "1e38").set("UId", "sticker");
    auto entry = std::make_unique<SegmentAttributes>();
    entry->setText(QStringLiteral("TStart"), QStringLiteral("7"));
    entry->resetState(true).setText(QStringLiteral("Spin"), QStringLiteral("2"));
    sticker.attributes->resetTransitions().push_back(std::move(entry));
    records.push_back(std::move(sticker));
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 1.5)));
    writeProject(dir, records);
    const QString asRead = recordsXml(dir + "/project.xml").value(1);
    ASSERT_TRUE(asRead.contains("STICKER"));

    LogRecorder log;
    expectKeptThroughEditsAndReopens({{1, asRead}}, {"sticker-sound.wav", "clip.mp4", "tone.wav"});
    if (IsSkipped())
        return;
    EXPECT_EQ(log.lines().filter("STICKER").filter("sticker-sound.wav").filter("kept").size(), 2)
        << "each opening names the record it keeps";
}

TEST_F(HostileProject, RecordsBeyondTheLongestMovieAndTheirFilesSurviveAnEditTheSaveAndAReopen)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/movie.mp4"));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("audio_only.m4a")), dir + "/music.m4a"));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("exif_rotated.jpg")), dir + "/pic.jpg"));
    std::vector<RecordBuilder> records;
    for (const auto& [type, file] : {std::pair<const char*, const char*>{"MOVIE", "movie.mp4"},
                                     {"MUSIC", "music.m4a"}, {"IMAGE", "pic.jpg"}}) {
        RecordBuilder record{QString::fromLatin1(type)};
        record.set("File", file);
        for (const char* field : {"TrackId", "RangeStart", "RangeDuration", "TrimStart", "TrimDuration", "Volume"})
            record.set(field, "1e38");
        records.push_back(std::move(record));
    }
    writeProject(dir, records);
    const QStringList asRead = recordsXml(dir + "/project.xml");
    ASSERT_EQ(asRead.size(), 3);

    LogRecorder log;
    expectKeptThroughEditsAndReopens({{0, asRead[0]}, {1, asRead[1]}, {2, asRead[2]}},
                                     {"movie.mp4", "music.m4a", "pic.jpg"});
    if (IsSkipped())
        return;
    for (const char* file : {"movie.mp4", "music.m4a", "pic.jpg"})
        EXPECT_EQ(log.lines().filter(file).filter("kept").size(), 2) << file;
}

// Elements of a newer version or an extension: inside a record kept unbuilt
// (with a transition at its start and one at its end), inside a built text
// and beside the records, one naming a file of the folder. A second kept
// record lies on the track after the first one's.
TEST_F(HostileProject, ElementsThisVersionDoesNotUseSurviveAnEditAnUndoTheSaveAndAReopen)
{
    writeFile(dir + "/sticker.png", readFile(dir + "/picture.png"));
    writeFile(dir + "/grade.cube", "LUT_3D_SIZE 2\n");
    // A fresh program numbers its tracks from 1: here the movie's, the
    // title's, then the trailing empty one, which takes the new text. The
    // kept record names the id that track takes after the ids this
    // process already gave out.
    const QByteArray stickerTrack = QByteArray::number(GutterScrollArea(nullptr).addTrackButton() + 3);
    const QSet<int> keptTracks{stickerTrack.toInt(), stickerTrack.toInt() + 1};
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
              "  <Extension lut=\"grade.cube\"><Note>graded &amp; kept</Note></Extension>\n"
              "  <Segment File=\"clip.mp4\" RangeDuration=\"2\" RangeStart=\"0\" TrackId=\"1\" Type=\"MOVIE\" UId=\"movie\"/>\n"
              "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0.5\" TrackId=\"" + stickerTrack
                  + "\" Type=\"STICKER\" UId=\"sticker\">\n"
              "    <Keyframes><Key t=\"0.25\" x=\"10\"/></Keyframes>\n"
              "    <Transitions>\n"
              "      <Transition TDuration=\"0.25\" TStart=\"0\"><TBegin Spin=\"0\"/><TEnd Spin=\"1\"/></Transition>\n"
              "      <Transition TDuration=\"0.25\" TStart=\"0.75\"><TBegin Spin=\"1\"/><TEnd Spin=\"2\"/></Transition>\n"
              "    </Transitions>\n"
              "  </Segment>\n"
              "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0\" TrackId=\""
                  + QByteArray::number(stickerTrack.toInt() + 1) + "\" Type=\"STICKER\" UId=\"sticker2\"/>\n"
              "  <Segment RangeDuration=\"1\" RangeStart=\"0\" Text=\"Title\" TrackId=\"2\" Type=\"TEXT\" UId=\"title\">\n"
              "    <Style font=\"Serif\"><Shadow blur=\"2\"/></Style>\n"
              "  </Segment>\n"
              "  <Watermark corner=\"right\"/>\n"
              "</Project>\n");
    const QString path = dir + "/project.xml";
    const QStringList unused{"Extension", "Keyframes", "Style", "Watermark"};
    QMap<QString, QStringList> asRead;
    for (const QString& name : unused)
        asRead[name] = elementsXml(path, name);
    const QStringList sticker = elementsXml(path, "Segment").filter("STICKER");
    ASSERT_EQ(sticker.size(), 2);

    for (int round = 1; round <= 2; ++round) {
        HostileWindow window;
        if (!openAsStored(window))
            GTEST_SKIP() << "no OpenGL context for the preview";
        const int tiles = window.tiles().size();
        ASSERT_EQ(tiles, 1 + round) << "the movie, the title and the texts added";
        ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
        ASSERT_EQ(window.tiles().size(), tiles + 1) << "round " << round;
        for (const SegmentWidget* tile : window.tiles())
            EXPECT_FALSE(keptTracks.contains(tile->segment()->trackId()))
                << qPrintable(tile->segment()->text()) << " is on a kept record's track, round " << round;
        ASSERT_TRUE(window.stepHistory(true)) << "round " << round;
        ASSERT_TRUE(window.stepHistory(false)) << "round " << round;
        ASSERT_TRUE(closeWindow(window)) << "round " << round;

        for (const QString& name : unused)
            EXPECT_EQ(elementsXml(path, name).join('\n').toStdString(), asRead[name].join('\n').toStdString())
                << qPrintable(name) << ", round " << round;
        EXPECT_EQ(elementsXml(path, "Segment").filter("STICKER").join('\n').toStdString(),
                  sticker.join('\n').toStdString())
            << "round " << round;
        EXPECT_EQ(rootChildren(path).toStdString(),
                  "Extension " + QString("Segment ").repeated(4 + round).toStdString() + "Watermark")
            << "round " << round;
        SegmentRecords saved;
        ASSERT_EQ(ProjectXml::readSegmentsFile(path, saved, "The project written cannot be read"), 0);
        for (const auto& record : saved) {
            const QString type = Segment::stringAttribute(record.get(), QStringLiteral("Type"));
            if (type != "STICKER") {
                EXPECT_FALSE(keptTracks.contains(Segment::intAttribute(record.get(), QStringLiteral("TrackId"), 0)))
                    << qPrintable(type) << " on a kept record's track, round " << round;
            }
        }
        EXPECT_TRUE(QFileInfo::exists(dir + "/grade.cube")) << "an element beside the records names it";
        EXPECT_TRUE(QFileInfo::exists(dir + "/sticker.png"));
    }
}

// A project written with namespaces: the root declares a prefix that
// elements beside the records and inside a caption use, the caption
// declares its own, and an element and attributes in a namespace bear the
// names of the program's own. None of them is the program's: each is saved
// back as read, with the declarations it needs, as are the root's
// attributes and the comments and instructions among the records.
TEST_F(HostileProject, ElementsAndAttributesInANamespaceAreKeptAsReadAndEveryFileWrittenReadsWhole)
{
    writeFile(dir + "/sticker.png", readFile(dir + "/picture.png"));
    writeFile(dir + "/grade.cube", "LUT_3D_SIZE 2\n");
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    const QString path = dir + "/project.xml";
    writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<Project xmlns:vx=\"urn:x-root\" generator=\"Hand 2\" xml:lang=\"de\">\n"
                    "  <!-- made by hand -->\n"
                    "  <vx:Extension vx:level=\"2\"/>\n"
                    "  <Extension lut=\"grade.cube\"/>\n"
                    "  <?render draft?>\n"
                    "  <Segment File=\"clip.mp4\" RangeDuration=\"2\" RangeStart=\"0\" TrackId=\"1\" Type=\"MOVIE\"/>\n"
                    "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0\" TrackId=\"3\" Type=\"STICKER\"/>\n"
                    "  <ext:Segment xmlns:ext=\"urn:x-ext\" RangeDuration=\"1\" RangeStart=\"0\" Text=\"Forged\""
                    " TrackId=\"2\" Type=\"TEXT\"/>\n"
                    "  <Segment xmlns:p=\"urn:x-p\" xmlns:tx=\"urn:x-tx\" RangeDuration=\"1\" RangeStart=\"0\""
                    " Text=\"Mine\" p:Text=\"Theirs\" TrackId=\"2\" Type=\"TEXT\">\n"
                    "    <!-- the title -->\n"
                    "    <vx:Look vx:tone=\"warm\"/>\n"
                    "    <tx:Transitions><Transition TDuration=\"0.5\" TStart=\"0\"/></tx:Transitions>\n"
                    "    <?spell checked?>\n"
                    "  </Segment>\n"
                    "</Project>\n");
    const QStringList asRead = namespacedNames(readFile(path));
    const QString history = ProjectManager::historyDirectory(kName, QString());

    for (int round = 1; round <= 2; ++round) {
        HostileWindow window;
        if (!openAsStored(window))
            GTEST_SKIP() << "no OpenGL context for the preview";
        EXPECT_FALSE(window.loaderMessages.contains(ProjectLoaderNoProject)) << "round " << round;
        EXPECT_EQ(window.tiles().size(), round + 1) << "the movie, the title and the texts added, round " << round;
        EXPECT_EQ(window.tileOf("TEXT", "Forged"), nullptr) << "round " << round;
        const SegmentWidget* title = window.tileOf("TEXT", "Mine");
        EXPECT_NE(title, nullptr) << "round " << round;
        if (title)
            EXPECT_EQ(title->segment()->transitionCount(), 0) << "round " << round;
        const int tiles = window.tiles().size();
        ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
        ASSERT_EQ(window.tiles().size(), tiles + 1) << "round " << round;
        const QStringList snapshots = QDir(history).entryList({"*.xml"}, QDir::Files);
        EXPECT_FALSE(snapshots.isEmpty()) << "round " << round;
        for (const QString& snapshot : snapshots)
            EXPECT_EQ(namespaceReadError(readFile(history + "/" + snapshot)).toStdString(), "") << qPrintable(snapshot);
        ASSERT_TRUE(window.stepHistory(true)) << "round " << round;
        EXPECT_EQ(window.tiles().size(), tiles) << "the undo took the text away, round " << round;
        ASSERT_TRUE(window.stepHistory(false)) << "round " << round;
        ASSERT_EQ(window.tiles().size(), tiles + 1) << "round " << round;
        ASSERT_TRUE(closeWindow(window)) << "round " << round;

        const QByteArray saved = readFile(path);
        EXPECT_EQ(namespacedNames(saved).join(' ').toStdString(), asRead.join(' ').toStdString()) << "round " << round;
        for (const char* kept : {"generator=\"Hand 2\"", "<!-- made by hand -->", "<?render draft?>",
                                 "<!-- the title -->", "<?spell checked?>", "p:Text=\"Theirs\"", "Text=\"Mine\""})
            EXPECT_EQ(saved.count(kept), 1) << kept << ", round " << round;
        expectInOrder(saved, {"<!-- made by hand -->", "<vx:Extension", "<Extension lut=", "<?render draft?>",
                              "<Segment"});
        expectInOrder(saved, {"Text=\"Mine\"", "<!-- the title -->", "<vx:Look", "<tx:Transitions",
                              "<?spell checked?>", "</Segment>"});
        EXPECT_TRUE(QFileInfo::exists(dir + "/grade.cube")) << "round " << round;
        EXPECT_TRUE(QFileInfo::exists(dir + "/sticker.png")) << "round " << round;
        // The reopen would wait on the box that tells a damaged project.
        ASSERT_EQ(namespaceReadError(saved).toStdString(), "") << "round " << round;
    }
}

TEST_F(HostileProject, TwentyThousandNestedElementsOpenAndAreSavedBackWhole)
{
    const QByteArray nested =
        QByteArray("<Layer>").repeated(20000) + "deepest" + QByteArray("</Layer>").repeated(20000);
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    const QString path = dir + "/project.xml";
    writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
                    "  <Segment RangeDuration=\"1\" RangeStart=\"0\" Text=\"Deep\" TrackId=\"1\" Type=\"TEXT\">"
                    + nested + "</Segment>\n</Project>\n");
    const QStringList asRead = elementsXml(path, "Layer");
    ASSERT_EQ(asRead.size(), 1);
    ASSERT_TRUE(asRead.first().contains("deepest"));

    HostileWindow window;
    if (!openAsStored(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_EQ(window.tiles().size(), 1);
    ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
    ASSERT_EQ(window.tiles().size(), 2);
    ASSERT_TRUE(closeWindow(window));
    const QStringList saved = elementsXml(path, "Layer");
    ASSERT_EQ(saved.size(), 1) << "the element and all inside it";
    EXPECT_TRUE(saved.first() == asRead.first());
}

// Files named only by elements beside the records, by a record of an
// unknown type and by the text of an element survive the close; a file
// nothing names goes. When the project file cannot be read whole at the
// close (here another program cut it while the window had it open), what
// it names cannot be told, and nothing is deleted.
TEST_F(HostileProject, TheCloseKeepsWhatTheProjectNamesAndDeletesNothingWhenItCannotReadTheProject)
{
    QDir(dir).mkpath("luts");
    for (const char* file : {"/grade.cube", "/luts/extra.cube", "/notes.txt", "/sticker.png", "/stray.png"})
        writeFile(dir + file, "kept\n");
    const QByteArray project =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
        "  <Extension lut=\"grade.cube\" extra=\"luts/extra.cube\"/>\n"
        "  <Segment File=\"clip.mp4\" RangeDuration=\"2\" RangeStart=\"0\" TrackId=\"1\" Type=\"MOVIE\"/>\n"
        "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0\" TrackId=\"9\" Type=\"STICKER\"/>\n"
        "  <Asset>\n    notes.txt\n  </Asset>\n"
        "</Project>\n";
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/project.xml", project);
    const QStringList named{"clip.mp4", "grade.cube", "luts/extra.cube", "notes.txt", "sticker.png"};
    {
        HostileWindow window;
        if (!openAsStored(window))
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
        ASSERT_TRUE(closeWindow(window));
    }
    for (const QString& file : named)
        EXPECT_TRUE(QFileInfo::exists(dir + "/" + file)) << qPrintable(file) << " is named by the project";
    EXPECT_FALSE(QFileInfo::exists(dir + "/stray.png")) << "nothing names it";

    writeFile(dir + "/stray.png", "kept\n");
    HostileWindow window;
    ASSERT_TRUE(openAsStored(window));
    ASSERT_FALSE(window.projectManager()->isModified()) << "the close would save the file whole again";
    const QByteArray saved = readFile(dir + "/project.xml");
    writeFile(dir + "/project.xml", saved.left(saved.indexOf("<Asset>") + 10));
    ASSERT_TRUE(closeWindow(window));
    for (const QString& file : named + QStringList{"stray.png"})
        EXPECT_TRUE(QFileInfo::exists(dir + "/" + file)) << qPrintable(file) << ": the tidy could not tell";
}

// A prefix declared on the root and used by an element beside the records.
// Whether or not the saved file parses, nothing the project names goes.
TEST_F(HostileProject, TheCloseKeepsTheFilesOfAProjectWithNamespaces)
{
    for (const char* file : {"/grade.cube", "/notes.txt", "/sticker.png"})
        writeFile(dir + file, "kept\n");
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project xmlns:vx=\"urn:x-root\">\n"
              "  <vx:Extension vx:level=\"2\"/>\n"
              "  <Extension lut=\"grade.cube\"/>\n"
              "  <Segment File=\"clip.mp4\" RangeDuration=\"2\" RangeStart=\"0\" TrackId=\"1\" Type=\"MOVIE\"/>\n"
              "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0\" TrackId=\"9\" Type=\"STICKER\"/>\n"
              "  <Asset>notes.txt</Asset>\n"
              "</Project>\n");
    HostileWindow window;
    if (!openAsStored(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
    ASSERT_TRUE(closeWindow(window));
    for (const char* file : {"clip.mp4", "grade.cube", "notes.txt", "sticker.png"})
        EXPECT_TRUE(QFileInfo::exists(dir + "/" + file)) << file;
}

// What a newer version wrote into the properties (an attribute in a
// namespace and an element of its own) names files as the project does:
// they survive the edit and the close, a file nothing names goes.
TEST_F(HostileProject, TheCloseKeepsTheFilesThatThePropertiesName)
{
    for (const char* file : {"/mark.png", "/cover.png", "/stray.png"})
        writeFile(dir + file, "kept\n");
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/properties.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties xmlns:e=\"urn:x-e\" version=\"7\" "
              "e:mark=\"mark.png\">\n  <e:Cover>cover.png</e:Cover>\n</Properties>\n");
    HostileWindow window;
    if (!openAsStored(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(triggerEntry(&window, QStringLiteral("Add Text")));
    ASSERT_TRUE(closeWindow(window));
    const QByteArray properties = readFile(dir + "/properties.xml");
    EXPECT_TRUE(properties.contains("e:mark=\"mark.png\"")) << properties.constData();
    EXPECT_TRUE(properties.contains("<e:Cover>cover.png</e:Cover>")) << properties.constData();
    EXPECT_TRUE(QFileInfo::exists(dir + "/mark.png"));
    EXPECT_TRUE(QFileInfo::exists(dir + "/cover.png"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/stray.png")) << "nothing names it";
}

// Another program replaces the project file, while the window has the
// project open, by one that names nothing: the files of the segments,
// records and elements that the window holds stay; a file neither names goes.
TEST_F(HostileProject, TheCloseKeepsWhatTheWindowHoldsWhenTheProjectFileNamesNothing)
{
    for (const char* file : {"/grade.cube", "/sticker.png", "/stray.png"})
        writeFile(dir + file, "kept\n");
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/project.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n"
              "  <Extension lut=\"grade.cube\"/>\n"
              "  <Segment File=\"picture.png\" RangeDuration=\"2\" RangeStart=\"0\" TrackId=\"1\" Type=\"IMAGE\"/>\n"
              "  <Segment File=\"sticker.png\" RangeDuration=\"1\" RangeStart=\"0\" TrackId=\"9\" Type=\"STICKER\"/>\n"
              "</Project>\n");
    HostileWindow window;
    if (!openAsStored(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_FALSE(window.projectManager()->isModified()) << "the close would save the window's project";
    writeFile(dir + "/project.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    ASSERT_TRUE(closeWindow(window));
    for (const char* file : {"picture.png", "grade.cube", "sticker.png"})
        EXPECT_TRUE(QFileInfo::exists(dir + "/" + file)) << file << " is held by the window";
    EXPECT_FALSE(QFileInfo::exists(dir + "/stray.png")) << "nothing names it";
}

// A project that holds nothing names no file, also when its project file
// went while it was open: the close tidies its folder all the same.
TEST_F(HostileProject, TheCloseTidiesAnEmptyProjectWhoseFileWentWhileItWasOpen)
{
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    HostileWindow window;
    if (!openAsStored(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(QFile::remove(dir + "/project.xml"));
    writeFile(dir + "/stray.png", "stray\n");
    ASSERT_TRUE(closeWindow(window));
    EXPECT_FALSE(QFileInfo::exists(dir + "/stray.png")) << "the window holds nothing that names it";
    EXPECT_TRUE(QFileInfo::exists(dir + "/properties.xml"));
}

// Another program replaces a file of the project while the window has it
// open, by one this version refuses: of a newer format, or a named pipe.
// What such a file names cannot be told, so the close deletes nothing, and
// it does not wait on the pipe.
TEST_F(HostileProject, TheCloseDeletesNothingWhenAProjectFileWasReplacedByOneItRefuses)
{
    const char* const files[] = {"childfile.png", "theme.wav", "poster.png", "stray.png"};
    for (const char* file : files)
        writeFile(dir + "/" + file, "kept\n");
    const std::pair<const char*, QByteArray> replacements[] = {
        {"project.xml", "<Project xmlns=\"urn:x-newer\"><Segment File=\"childfile.png\" Type=\"IMAGE\"/>"
                        "<Theme>theme.wav</Theme></Project>"},
        {"properties.xml", "<Properties xmlns=\"urn:x-newer\" version=\"9\" poster=\"poster.png\"/>"},
        {"project.xml", QByteArray()},
    };
    for (const auto& [file, bytes] : replacements) {
        std::vector<RecordBuilder> none;
        writeProject(dir, none);
        HostileWindow window;
        if (!openAsStored(window))
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_FALSE(window.projectManager()->isModified()) << "the close would save the window's project";
        const QString path = dir + "/" + file;
        if (bytes.isEmpty()) {
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            writeFile(path, bytes);
        }
        ASSERT_TRUE(closeWindow(window));
        for (const char* kept : files)
            EXPECT_TRUE(QFileInfo::exists(dir + "/" + kept)) << kept << " after " << file << " became " << bytes.constData();
        if (bytes.isEmpty()) {
            ASSERT_TRUE(QFile::remove(path));
        }
    }
}

// Named pipes that another program left where the project expects a movie,
// a sound, pictures and a drawing: opening one would wait for a writer for
// good. None is opened: their tiles load as unreadable, the window opens,
// and Save & Close closes it and leaves them.
TEST_F(HostileProject, MediaThatAreNamedPipesAreNeverWaitedOn)
{
    const char* const names[] = {"piped.mp4", "piped.wav", "piped.png", "piped.gif", "drawingImage-1.png"};
    std::vector<std::unique_ptr<WatchedPipe>> pipes;
    for (const char* name : names) {
        pipes.push_back(std::make_unique<WatchedPipe>(dir + "/" + name));
        ASSERT_TRUE(pipes.back()->isMade()) << name;
    }
    std::vector<RecordBuilder> records;
    const char* const types[] = {"MOVIE", "MUSIC", "IMAGE", "IMAGE", "DRAWING"};
    for (int track = 0; track < 5; ++track)
        records.push_back(std::move(RecordBuilder(types[track]).set("File", names[track]).set("TrackId", track + 1)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "Title").set("TrackId", 6)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    HostileWindow window;
    const bool opened = open(window, records);
    if (!window.preview() || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    EXPECT_TRUE(opened) << "the window stays on \"Opening...\"";
    ASSERT_EQ(window.tiles().size(), 6);
    for (SegmentWidget* tile : window.tiles()) {
        const Segment* segment = tile->segment();
        EXPECT_TRUE(segment->type() == "TEXT" || segment->errorCode() != 0) << qPrintable(segment->text())
                                                                             << " loaded from a named pipe";
    }
    ASSERT_TRUE(closeWindow(window)) << "Save & Close never closed the window";
    for (size_t index = 0; index < pipes.size(); ++index) {
        EXPECT_EQ(pipes[index]->readers(), 0) << names[index] << " was opened";
        EXPECT_TRUE(pipes[index]->isStillAPipe()) << names[index] << " was replaced";
    }
}
