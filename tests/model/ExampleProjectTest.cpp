// The built-in example project, read from the compiled-in resource folder the
// way the editor reads a project: through the segment model's own reader.
#include "Segment.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <gtest/gtest.h>

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

QString text(const Segment* segment, const char* key)
{
    return Segment::stringAttribute(segment->attributes(), QString::fromLatin1(key));
}

class ExampleProject : public ::testing::Test
{
protected:
    // The records of "project.xml" in file order.
    void SetUp() override
    {
        QXmlStreamReader reader(resource(QStringLiteral("project.xml")));
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("Segment"))
                continue;
            auto attributes = std::make_unique<SegmentAttributes>();
            ASSERT_EQ(Segment::loadFromXml(*attributes, reader), 0);
            segments.push_back(std::make_unique<Segment>(std::move(attributes), nullptr));
            byType[segments.back()->type()].push_back(segments.back().get());
        }
        ASSERT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    }

    std::vector<std::unique_ptr<Segment>> segments;
    QHash<QString, std::vector<const Segment*>> byType;
};

TEST_F(ExampleProject, CountsDownFromFiveOverTheDialWithABeepOnEveryNumber)
{
    const auto& texts = byType["TEXT"];
    const auto& beeps = byType["MUSIC"];
    ASSERT_EQ(texts.size(), 6u);
    ASSERT_EQ(beeps.size(), 6u);
    ASSERT_EQ(byType["DRAWING"].size(), 1u);
    ASSERT_EQ(segments.size(), 13u);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(text(texts[i], "Text"), QString::number(5 - i));
        EXPECT_FLOAT_EQ(texts[i]->rangeStart(), i);
        EXPECT_FLOAT_EQ(texts[i]->duration(), 1.0f);
        EXPECT_FLOAT_EQ(beeps[i]->rangeStart(), i);
        EXPECT_GT(beeps[i]->duration(), 0.0f);
        EXPECT_LT(beeps[i]->duration(), 1.0f);
        // Each number grows in from a larger, invisible start to its own look.
        ASSERT_EQ(texts[i]->transitionCount(), 1);
        EXPECT_GT(texts[i]->transitionUserScale(1, true).x(), texts[i]->transitionUserScale(1, false).x());
        EXPECT_FLOAT_EQ(texts[i]->transitionUserTransparency(1, true), 1.0f);
        EXPECT_FLOAT_EQ(texts[i]->transitionUserTransparency(1, false), texts[i]->userTransparency());
    }
    // The dial lies under the numbers (layers draw in track order) for the whole countdown.
    const Segment* dial = byType["DRAWING"].front();
    EXPECT_FLOAT_EQ(dial->rangeStart(), 0.0f);
    EXPECT_FLOAT_EQ(dial->duration(), texts.back()->rangeStart() + texts.back()->duration());
    EXPECT_GT(dial->trackId(), 0);
    EXPECT_LT(dial->trackId(), texts[0]->trackId());

    QSet<QString> uids;
    for (const auto& segment : segments) {
        uids.insert(segment->uid());
        const QString file = text(segment.get(), "File");
        // Media files by bare name, which the editor resolves in the project's own folder.
        EXPECT_EQ(file.isEmpty(), segment->type() == QLatin1String("TEXT")) << qPrintable(segment->type());
        EXPECT_FALSE(file.contains('/') || file.contains('\\')) << qPrintable(file);
        EXPECT_TRUE(file.isEmpty() || QFile::exists(kFolder + file)) << qPrintable(file);
    }
    EXPECT_EQ(uids.size(), int(segments.size()));
}

TEST_F(ExampleProject, FilesAreWhatTheEditorWritesWithFormatVersionFive)
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

    QXmlStreamReader reader(resource(QStringLiteral("properties.xml")));
    ASSERT_TRUE(reader.readNextStartElement());
    ASSERT_EQ(reader.name(), QLatin1String("Properties"));
    QStringList names;
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        names << attribute.name().toString();
    EXPECT_EQ(names, QStringList({"version", "direction", "resolution", "frameRate", "duration", "fixCoverImage",
                                  "imageScale", "edit", "backgroundColor", "segmentMode"}));
    EXPECT_EQ(reader.attributes().value("version"), QLatin1String("5"));
    float end = 0;
    for (const auto& segment : segments)
        end = std::max(end, segment->rangeStart() + segment->duration());
    EXPECT_FLOAT_EQ(reader.attributes().value("duration").toFloat(), end);

    EXPECT_EQ(resource(QStringLiteral("example.dat")), QByteArray("<example-project/>"));
}

TEST_F(ExampleProject, DrawingAndCoverDecodeAsTheProjectsPictures)
{
    const Segment* drawing = byType["DRAWING"].front();
    const QImage dial(kFolder + text(drawing, "File"));
    ASSERT_FALSE(dial.isNull());
    EXPECT_EQ(QSizeF(dial.size()), Segment::sizeAttribute(drawing->attributes(), "DrawSize", QSizeF()));
    // A transparent canvas with something drawn on it.
    EXPECT_EQ(qAlpha(dial.pixel(0, 0)), 0);
    int opaque = 0;
    for (int x = 0; x < dial.width(); ++x)
        opaque += qAlpha(dial.pixel(x, dial.height() / 2)) == 255;
    EXPECT_GT(opaque, 0);

    // The preview as the editor keeps it: within 640 pixels, the background
    // colour in the corner and the white first number in the middle.
    const QImage cover(kFolder + QStringLiteral("shot.jpg"), "JPEG");
    ASSERT_FALSE(cover.isNull());
    EXPECT_NEAR(double(cover.width()) / cover.height(), 16.0 / 9.0, 0.01);
    EXPECT_LE(cover.width(), 640);
    QXmlStreamReader properties(resource(QStringLiteral("properties.xml")));
    ASSERT_TRUE(properties.readNextStartElement());
    const QColor background(properties.attributes().value("backgroundColor").toString());
    ASSERT_TRUE(background.isValid());
    EXPECT_NEAR(qGray(cover.pixel(2, 2)), qGray(background.rgb()), 8);
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
    const Segment* beep = byType["MUSIC"].front();
    QTemporaryDir folder;
    const QString copy = folder.filePath(text(beep, "File"));
    ASSERT_TRUE(QFile::copy(kFolder + text(beep, "File"), copy));
    QProcess process;
    process.start(ffmpeg, {"-nostdin", "-v", "error", "-i", copy, "-f", "s16le", "-ac", "1", "-ar",
                           QString::number(kSampleRate), "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QByteArray pcm = process.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
    const int count = pcm.size() / 2;

    EXPECT_NEAR(count, Segment::floatAttribute(beep->attributes(), "TrimDuration", 0) * kSampleRate,
                0.02 * kSampleRate);
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
