// The bridge between a segment's transitions in the model and the engine's
// animation groups: a transition's group carries its transition id, and a
// movie's groups live on both of its engine ids (picture and sound).
#include "MainWindow.h"

#include "AVEngine.h"
#include "Segment.h"
#include "SegmentKeys.h"

#include <QPointF>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kMusic = QStringLiteral("MUSIC");
const QString kVoice = QStringLiteral("VOICE");

constexpr int32_t kVolumeId = 15;

// A state value as the engine takes it: x, and y for points and sizes.
using StateValue = QPointF (*)(const Segment& segment, int tId, bool begin);

struct StateRow {
    int32_t propertyId;
    StateValue value;
};

#define SINGLE(getter) [](const Segment& s, int tId, bool begin) { return QPointF(double(s.getter(tId, begin)), 0.0); }
#define PAIR(getter) [](const Segment& s, int tId, bool begin) { return s.getter(tId, begin); }

// What a picture's transition animates, in the order the engine receives it.
const StateRow kVisualRows[] = {
    {1, SINGLE(transitionUserTransparency)},
    {2, PAIR(transitionUserTranslation)},
    {3, PAIR(transitionUserScale)},
    {4, SINGLE(transitionUserRotation)},
    {5, SINGLE(transitionUserRotationX)},
    {6, SINGLE(transitionUserRotationY)},
    {7, PAIR(transitionUserAnchorPoint)},
    {66, PAIR(transitionUserPoint0Offset)},
    {67, PAIR(transitionUserPoint1Offset)},
    {68, PAIR(transitionUserPoint2Offset)},
    {69, PAIR(transitionUserPoint3Offset)},
    {8, PAIR(transitionCropTopLeft)},
    {9, PAIR(transitionCropBottomRight)},
    {71, SINGLE(transitionFeatheringX0)},
    {72, SINGLE(transitionFeatheringY0)},
    {73, SINGLE(transitionFeatheringX1)},
    {74, SINGLE(transitionFeatheringY1)},
    {20, SINGLE(transitionClrSaturation)},
    {21, SINGLE(transitionClrBrightness)},
    {22, SINGLE(transitionClrContrast)},
    {23, SINGLE(transitionClrWhiteBalance)},
    {24, SINGLE(transitionClrExposure)},
    {25, SINGLE(transitionClrHue)},
    {26, SINGLE(transitionClrRed)},
    {27, SINGLE(transitionClrGreen)},
    {28, SINGLE(transitionClrBlue)},
};

const StateRow kVolumeRow = {kVolumeId, SINGLE(transitionUserVolume)};

#undef PAIR
#undef SINGLE

void sendRow(AVEngine* engine, int32_t id, const Segment& segment, int tId, const StateRow& row)
{
    for (bool begin : {true, false}) {
        const QPointF value = row.value(segment, tId, begin);
        engine->setAnimationState(id, tId, begin, row.propertyId, float(value.x()), float(value.y()));
    }
}

// The played part of a movie's or a sound's media, in media seconds as stored.
void sendTrims(AVEngine* engine, int32_t id, const Segment& segment)
{
    const SegmentAttributes* attributes = segment.attributes();
    engine->setSegmentTrimStart(id, Segment::floatAttribute(attributes, SegmentKey::TrimStart, 0.0f));
    engine->setSegmentTrimDuration(id, Segment::floatAttribute(attributes, SegmentKey::TrimDuration, 0.0f));
}

} // namespace

void MainWindow::_syncTransitionToEngine(Segment* segment, int tId)
{
    if (!_engine)
        return;
    const int32_t id = segment->serialNumber();
    const QString type = segment->type();
    if (segment->isVisualLayer()) {
        for (const StateRow& row : kVisualRows)
            sendRow(_engine, id, *segment, tId, row);
        if (type == kMovie)
            sendRow(_engine, segment->secondEngineId(), *segment, tId, kVolumeRow);
    } else if (type == kMusic || type == kVoice) {
        sendRow(_engine, id, *segment, tId, kVolumeRow);
    }
}

void MainWindow::_shiftEngineAnimationIds(Segment* segment, int tId)
{
    if (!_engine)
        return;
    const int32_t ids[] = {segment->serialNumber(), segment->secondEngineId()};
    // From the highest down, so that no two groups ever carry the same id.
    for (int index = segment->transitionCount() - 1; index >= 0; --index) {
        const int id = segment->isValidTransitionIndex(index);
        if (id <= tId)
            continue;
        for (int32_t engineId : ids)
            if (engineId != 0)
                _engine->changeAnimationId(engineId, id - 1, id);
    }
}

void MainWindow::_syncSegmentTrimToEngine(const Segment* segment)
{
    if (!_engine)
        return;
    const int32_t id = segment->serialNumber();
    const int32_t secondId = segment->secondEngineId();
    const QString type = segment->type();
    if (type == kMovie) {
        sendTrims(_engine, id, *segment);
        sendTrims(_engine, secondId, *segment);
    } else if (type == kMusic || type == kVoice) {
        sendTrims(_engine, id, *segment);
    }
    _engine->setSegmentDuration(id, segment->duration());
    if (secondId != 0)
        _engine->setSegmentDuration(secondId, segment->duration());
}
