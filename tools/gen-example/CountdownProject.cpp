#include "CountdownProject.h"

#include "LayerSegment.h"
#include "SegmentKeys.h"

#include <QColor>
#include <QSaveFile>
#include <QUuid>
#include <QXmlStreamWriter>

#include <functional>
#include <memory>
#include <vector>

namespace Countdown {

namespace {

// Keys of the leaf segment types, as the editor stores them.
const QString kFileKey = QStringLiteral("File");
const QString kDrawSizeKey = QStringLiteral("DrawSize");
const QString kTextKey = QStringLiteral("Text");
const QString kFontNameKey = QStringLiteral("FontName");
const QString kFontStyleKey = QStringLiteral("FontStyle");
const QString kFontSizeKey = QStringLiteral("FontSize");
const QString kVideoSizeKey = QStringLiteral("VideoSize");
const QString kColorKey = QStringLiteral("Color");
const QString kTitleKey = QStringLiteral("Title");
const QString kTrimStartKey = QStringLiteral("TrimStart");
const QString kTrimDurationKey = QStringLiteral("TrimDuration");

// Layers are drawn in track order, so the dial lies under the numbers.
constexpr int kDrawingTrack = 1;
constexpr int kTextTrack = 2;
constexpr int kSoundTrack = 3;

// Each number grows into place from a larger, transparent start.
constexpr float kZoomSeconds = 0.3f;
constexpr QPointF kZoomStartScale{1.6, 1.6};
constexpr int kSmoothOutEasing = 3;

using Segments = std::vector<std::unique_ptr<Segment>>;

// Identities are derived from names rather than drawn at random, so that
// every build writes the same bytes.
std::unique_ptr<SegmentAttributes> identity(const QString& name)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    attributes->setText(SegmentKey::UId, QUuid::createUuidV5(QUuid(), kProjectName + '/' + name).toString());
    return attributes;
}

void place(Segment& segment, const QString& type, int track, float start, float duration)
{
    segment.setType(type);
    segment.setTrackId(track);
    segment.setRangeStart(start);
    segment.setRangeDuration(duration);
}

std::unique_ptr<Segment> dialDrawing()
{
    auto drawing = std::make_unique<LayerSegment>(identity(QStringLiteral("dial")), nullptr);
    place(*drawing, QStringLiteral("DRAWING"), kDrawingTrack, 0.0f, totalSeconds());
    Segment::setStringAttribute(drawing->attributes(), kFileKey, kDrawingFile);
    Segment::setSizeAttribute(drawing->attributes(), kDrawSizeKey, QSizeF(kCanvas));
    return drawing;
}

std::unique_ptr<Segment> numberText(int number, float start)
{
    const QString text = QString::number(number);
    auto segment = std::make_unique<LayerSegment>(identity("text/" + text), nullptr);
    place(*segment, QStringLiteral("TEXT"), kTextTrack, start, kNumberSeconds);
    SegmentAttributes* attributes = segment->attributes();
    Segment::setStringAttribute(attributes, kTextKey, text);
    Segment::setStringAttribute(attributes, kFontNameKey, kFontFamily);
    Segment::setStringAttribute(attributes, kFontStyleKey, kFontStyle);
    Segment::setFloatAttribute(attributes, kFontSizeKey, kFontSize);
    Segment::setSizeAttribute(attributes, kVideoSizeKey, QSizeF(kCanvas));
    Segment::setColorAttribute(attributes, kColorKey, kTextColor);

    const int zoom = segment->addTransitionAtTime(kZoomSeconds, start);
    segment->setTransitionEasingFunction(zoom, kSmoothOutEasing);
    segment->setTransitionUserScale(zoom, true, kZoomStartScale);
    segment->setTransitionUserTransparency(zoom, true, 1.0f);
    return segment;
}

std::unique_ptr<Segment> beep(int number, float start)
{
    auto segment = std::make_unique<Segment>(identity("beep/" + QString::number(number)), nullptr);
    place(*segment, QStringLiteral("MUSIC"), kSoundTrack, start, kBeepSeconds);
    SegmentAttributes* attributes = segment->attributes();
    Segment::setStringAttribute(attributes, kFileKey, kBeepFile);
    Segment::setStringAttribute(attributes, kTitleKey, QStringLiteral("Beep"));
    Segment::setFloatAttribute(attributes, kTrimStartKey, 0.0f);
    Segment::setFloatAttribute(attributes, kTrimDurationKey, kBeepSeconds);
    return segment;
}

// In the order a project keeps them: by track, then by start.
Segments countdownSegments()
{
    Segments segments;
    segments.push_back(dialDrawing());
    for (int number = kFirstNumber; number >= 0; --number)
        segments.push_back(numberText(number, (kFirstNumber - number) * kNumberSeconds));
    for (int number = kFirstNumber; number >= 0; --number)
        segments.push_back(beep(number, (kFirstNumber - number) * kNumberSeconds));
    return segments;
}

// Writes an XML document the way the editor writes its project files.
bool writeDocument(const QString& path, const std::function<void(QXmlStreamWriter&)>& body, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    body(writer);
    writer.writeEndDocument();
    if (writer.hasError() || !file.commit()) {
        *error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    return true;
}

QString number(float value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

bool writeSegments(const QString& path, QString* error)
{
    const Segments segments = countdownSegments();
    return writeDocument(path, [&segments](QXmlStreamWriter& writer) {
        writer.writeStartElement(QStringLiteral("Project"));
        for (const auto& segment : segments)
            segment->saveTo(writer);
        writer.writeEndElement();
    }, error);
}

bool writeProperties(const QString& path, QString* error)
{
    // Format version 5: an older project, which the editor opens as it is.
    return writeDocument(path, [](QXmlStreamWriter& writer) {
        writer.writeStartElement(QStringLiteral("Properties"));
        writer.writeAttribute(QStringLiteral("version"), number(5.0f));
        writer.writeAttribute(QStringLiteral("direction"), QStringLiteral("1"));
        writer.writeAttribute(QStringLiteral("resolution"), QStringLiteral("1"));
        writer.writeAttribute(QStringLiteral("frameRate"), number(30.0f));
        writer.writeAttribute(QStringLiteral("duration"), number(totalSeconds()));
        writer.writeAttribute(QStringLiteral("fixCoverImage"), QStringLiteral("0"));
        writer.writeAttribute(QStringLiteral("imageScale"), number(1.0f));
        writer.writeAttribute(QStringLiteral("edit"), QStringLiteral("0"));
        writer.writeAttribute(QStringLiteral("backgroundColor"),
                              QColor::fromRgba(kBackgroundColor).name(QColor::HexArgb));
        writer.writeAttribute(QStringLiteral("segmentMode"), QStringLiteral("0"));
        writer.writeEndElement();
    }, error);
}

bool writeMarker(const QString& path, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write("<example-project/>") >= 0 && file.commit())
        return true;
    *error = "cannot write " + path + ": " + file.errorString();
    return false;
}

} // namespace Countdown
