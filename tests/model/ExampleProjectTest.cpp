// The built-in example project, read from the compiled-in resource folder the
// way the editor reads a project: through the segment model's own reader.
#include "Segment.h"
#include "SegmentKeys.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QString kFolder = QStringLiteral(":/examples/5-4-3-2-1-0/");
constexpr int kSampleRate = 44100;

QByteArray resource(const QString& name)
{
    QFile file(kFolder + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Segments = std::vector<std::unique_ptr<Segment>>;

// The records of "project.xml" as segments, in file order; *error is the
// first reader failure.
Segments readSegments(const QByteArray& bytes, int* error)
{
    Segments segments;
    QXmlStreamReader reader(bytes);
    *error = 0;
    while (!reader.atEnd() && *error == 0) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Segment")) {
            auto attributes = std::make_unique<SegmentAttributes>();
            *error = Segment::loadFromXml(*attributes, reader);
            segments.push_back(std::make_unique<Segment>(std::move(attributes), nullptr));
        }
    }
    if (*error == 0 && reader.hasError())
        *error = reader.error();
    return segments;
}

QString text(const Segment& segment, const QString& key)
{
    return Segment::stringAttribute(segment.attributes(), key);
}

class ExampleProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        int error = -1;
        segments = readSegments(resource(QStringLiteral("project.xml")), &error);
        ASSERT_EQ(error, 0);
        ASSERT_FALSE(segments.empty());
    }

    std::vector<const Segment*> ofType(const QString& type) const
    {
        std::vector<const Segment*> found;
        for (const auto& segment : segments)
            if (segment->type() == type)
                found.push_back(segment.get());
        return found;
    }

    Segments segments;
};

TEST_F(ExampleProject, CountsDownFromFiveOverTheDialWithABeepOnEveryNumber)
{
    const auto texts = ofType(QStringLiteral("TEXT"));
    const auto beeps = ofType(QStringLiteral("MUSIC"));
    const auto drawings = ofType(QStringLiteral("DRAWING"));
    ASSERT_EQ(texts.size(), 6u);
    ASSERT_EQ(beeps.size(), 6u);
    ASSERT_EQ(drawings.size(), 1u);
    EXPECT_EQ(segments.size(), 13u);

    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(text(*texts[i], QStringLiteral("Text")), QString::number(5 - i));
        EXPECT_FLOAT_EQ(texts[i]->rangeStart(), i);
        EXPECT_FLOAT_EQ(texts[i]->duration(), 1.0f);
        EXPECT_FLOAT_EQ(beeps[i]->rangeStart(), i);
        EXPECT_GT(beeps[i]->duration(), 0.0f);
        EXPECT_LT(beeps[i]->duration(), 1.0f);
        // Each number grows in from a larger, invisible start to its own look.
        ASSERT_EQ(texts[i]->transitionCount(), 1);
        EXPECT_GT(texts[i]->transitionUserScale(1, true).x(), texts[i]->transitionUserScale(1, false).x());
        EXPECT_FLOAT_EQ(texts[i]->transitionUserTransparency(1, true), 1.0f);
        EXPECT_EQ(texts[i]->transitionUserScale(1, false), texts[i]->userScale());
        EXPECT_FLOAT_EQ(texts[i]->transitionUserTransparency(1, false), texts[i]->userTransparency());
    }
    // The dial lies under the numbers for the whole countdown.
    EXPECT_FLOAT_EQ(drawings[0]->rangeStart(), 0.0f);
    EXPECT_FLOAT_EQ(drawings[0]->duration(), texts.back()->rangeStart() + texts.back()->duration());
    EXPECT_LT(drawings[0]->trackId(), texts[0]->trackId());
    EXPECT_GT(drawings[0]->trackId(), 0);
}

TEST_F(ExampleProject, RecordsAreUniqueAndTheirMediaLieInTheFolder)
{
    QSet<QString> uids;
    int mediaSegments = 0;
    for (const auto& segment : segments) {
        uids.insert(segment->uid());
        const QString file = text(*segment, QStringLiteral("File"));
        if (segment->type() == QLatin1String("TEXT")) {
            EXPECT_TRUE(file.isEmpty());
            continue;
        }
        ++mediaSegments;
        // A bare name: the editor resolves it against the project's own folder.
        EXPECT_FALSE(file.contains('/') || file.contains('\\')) << qPrintable(file);
        EXPECT_TRUE(QFile::exists(kFolder + file)) << qPrintable(file);
    }
    EXPECT_EQ(mediaSegments, 7);
    EXPECT_EQ(uids.size(), int(segments.size()));
    EXPECT_FALSE(uids.contains(QString()));
}

TEST_F(ExampleProject, FileIsExactlyWhatTheModelWritesForIt)
{
    QByteArray rewritten;
    QXmlStreamWriter writer(&rewritten);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    for (const auto& segment : segments)
        segment->saveTo(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    EXPECT_EQ(rewritten, resource(QStringLiteral("project.xml")));
}

TEST_F(ExampleProject, PropertiesAreFormatVersionFiveInTheWritersOrder)
{
    QXmlStreamReader reader(resource(QStringLiteral("properties.xml")));
    ASSERT_TRUE(reader.readNextStartElement());
    ASSERT_EQ(reader.name(), QLatin1String("Properties"));
    QStringList names;
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        names << attribute.name().toString();
    EXPECT_EQ(names, QStringList({"version", "direction", "resolution", "frameRate", "duration", "fixCoverImage",
                                  "imageScale", "edit", "backgroundColor", "segmentMode"}));
    const QXmlStreamAttributes values = reader.attributes();
    EXPECT_EQ(values.value("version"), QLatin1String("5"));
    EXPECT_EQ(values.value("direction"), QLatin1String("1"));
    EXPECT_TRUE(QColor(values.value("backgroundColor").toString()).isValid());
    float end = 0;
    for (const auto& segment : segments)
        end = std::max(end, segment->rangeStart() + segment->duration());
    EXPECT_FLOAT_EQ(values.value("duration").toFloat(), end);
}

TEST_F(ExampleProject, MarkerHoldsExactlyTheExampleTag)
{
    EXPECT_EQ(resource(QStringLiteral("example.dat")), QByteArray("<example-project/>"));
}

TEST_F(ExampleProject, DrawingAndCoverDecodeAsTheProjectsPictures)
{
    const Segment* drawing = segments.front().get();
    ASSERT_EQ(drawing->type(), QLatin1String("DRAWING"));
    const QImage dial(kFolder + text(*drawing, QStringLiteral("File")));
    ASSERT_FALSE(dial.isNull());
    EXPECT_EQ(QSizeF(dial.size()),
              Segment::sizeAttribute(drawing->attributes(), QStringLiteral("DrawSize"), QSizeF()));
    ASSERT_TRUE(dial.hasAlphaChannel());
    // A transparent canvas with something drawn on it.
    EXPECT_EQ(qAlpha(dial.pixel(0, 0)), 0);
    int opaque = 0;
    for (int x = 0; x < dial.width(); ++x)
        opaque += qAlpha(dial.pixel(x, dial.height() / 2)) == 255;
    EXPECT_GT(opaque, 0);

    const QImage cover(kFolder + QStringLiteral("shot.jpg"), "JPEG");
    ASSERT_FALSE(cover.isNull());
    EXPECT_NEAR(double(cover.width()) / cover.height(), 16.0 / 9.0, 0.01);
    EXPECT_LE(std::max(cover.width(), cover.height()), 640);
    // The background in the corner and the white first number in the middle.
    QXmlStreamReader properties(resource(QStringLiteral("properties.xml")));
    ASSERT_TRUE(properties.readNextStartElement());
    const QColor background(properties.attributes().value("backgroundColor").toString());
    const QColor corner = cover.pixelColor(2, 2);
    EXPECT_NEAR(corner.red(), background.red(), 8);
    EXPECT_NEAR(corner.green(), background.green(), 8);
    EXPECT_NEAR(corner.blue(), background.blue(), 8);
    int white = 0;
    for (int y = cover.height() / 4; y < cover.height() * 3 / 4; ++y)
        for (int x = cover.width() / 4; x < cover.width() * 3 / 4; ++x)
            white += qGray(cover.pixel(x, y)) > 240;
    EXPECT_GT(white, cover.width() * cover.height() / 50);
}

TEST_F(ExampleProject, BeepDecodesToAToneAsLongAsItsSegments)
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed, so the beep cannot be decoded";
    const auto beeps = ofType(QStringLiteral("MUSIC"));
    ASSERT_FALSE(beeps.empty());
    const QString name = text(*beeps.front(), QStringLiteral("File"));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.filePath(name);
    ASSERT_TRUE(QFile::copy(kFolder + name, copy));

    QProcess process;
    process.start(ffmpeg, {"-nostdin", "-v", "error", "-i", copy, "-f", "s16le", "-ac", "1", "-ar",
                           QString::number(kSampleRate), "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QByteArray pcm = process.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
    const int count = pcm.size() / 2;

    const float seconds = Segment::floatAttribute(beeps.front()->attributes(), QStringLiteral("TrimDuration"), 0);
    EXPECT_NEAR(count, seconds * kSampleRate, 0.02 * kSampleRate);
    int peak = 0;
    int crossings = 0;
    for (int i = 0; i < count; ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
        crossings += i > 0 && (samples[i - 1] < 0) != (samples[i] < 0);
    }
    EXPECT_GT(peak, 8000);
    // A clear tone: two crossings a cycle, somewhere between 200 Hz and 4 kHz.
    const double frequency = crossings / 2.0 / (double(count) / kSampleRate);
    EXPECT_GT(frequency, 200);
    EXPECT_LT(frequency, 4000);
}

} // namespace
