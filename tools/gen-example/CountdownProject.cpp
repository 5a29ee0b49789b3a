#include "CountdownProject.h"

#include "LayerSegment.h"
#include "ProjectManager.h"
#include "SegmentKeys.h"

#include <QSaveFile>
#include <QUuid>

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

} // namespace

bool writeProjectFiles(QString* error)
{
    const Segments segments = countdownSegments();
    ProjectManager manager;
    for (const auto& segment : segments)
        manager.appendSegment(segment.get(), nullptr);
    // Format version 5: an older project, which the editor opens as it is.
    manager.setVersion(5.0f);
    manager.setResolution(ProjectManager::Aspect16x9);
    manager.setDirection(true);
    manager.setFrameRate(30.0f);
    manager.setDuration(totalSeconds());
    manager.setBackgroundColor(kBackgroundColor);
    QString path = ProjectManager::projectXmlPath(kProjectName, QString());
    int result = manager.saveSegments(kProjectName, QString());
    if (result == 0) {
        path = ProjectManager::propertiesXmlPath(kProjectName, QString());
        result = manager.saveProperties(kProjectName, QString());
    }
    // The segments stay this function's own.
    manager.clearSegments();
    if (result != 0)
        *error = QString("cannot write %1 (error %2)").arg(path).arg(result);
    return result == 0;
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
