// The colour adjustments of the colours popup: nine values of the edited
// segment, or of the transition state the preview shows.
#include "AVEngine.h"
#include "MainWindow.h"
#include "PopupColorsScrollWidget.h"
#include "ProgressHUD.h"
#include "Segment.h"

namespace {

constexpr int kAdjustmentCount = 9;
constexpr int kFirstAdjustmentProperty = 20;
constexpr int kMessageMs = 2000;

struct Adjustment {
    void (Segment::*set)(int);
    int (Segment::*get)() const;
    void (Segment::*setState)(int, bool, int);
    int (Segment::*getState)(int, bool) const;
};

// In the order of the popup's rows and of the engine's property ids 20 to 28.
const Adjustment kAdjustments[kAdjustmentCount] = {
    {&Segment::setClrSaturation, &Segment::clrSaturation, &Segment::setTransitionClrSaturation,
     &Segment::transitionClrSaturation},
    {&Segment::setClrBrightness, &Segment::clrBrightness, &Segment::setTransitionClrBrightness,
     &Segment::transitionClrBrightness},
    {&Segment::setClrContrast, &Segment::clrContrast, &Segment::setTransitionClrContrast,
     &Segment::transitionClrContrast},
    {&Segment::setClrWhiteBalance, &Segment::clrWhiteBalance, &Segment::setTransitionClrWhiteBalance,
     &Segment::transitionClrWhiteBalance},
    {&Segment::setClrExposure, &Segment::clrExposure, &Segment::setTransitionClrExposure,
     &Segment::transitionClrExposure},
    {&Segment::setClrHue, &Segment::clrHue, &Segment::setTransitionClrHue, &Segment::transitionClrHue},
    {&Segment::setClrRed, &Segment::clrRed, &Segment::setTransitionClrRed, &Segment::transitionClrRed},
    {&Segment::setClrGreen, &Segment::clrGreen, &Segment::setTransitionClrGreen, &Segment::transitionClrGreen},
    {&Segment::setClrBlue, &Segment::clrBlue, &Segment::setTransitionClrBlue, &Segment::transitionClrBlue},
};

enum AdjustmentIndex { kSaturation, kBrightness, kContrast, kWhiteBalance, kExposure, kHue, kRed, kGreen, kBlue };

} // namespace

void MainWindow::_liveColorAdjustment(int index, int value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment || !_engine)
        return;
    int transitionId = 0;
    bool begin = false;
    const int property = kFirstAdjustmentProperty + index;
    if (_shownTransitionState(&transitionId, &begin))
        _engine->setAnimationState(segment->serialNumber(), transitionId, begin, property, float(value), 0.0f);
    else
        _engine->setSegmentProperty(segment->serialNumber(), property, float(value), 0.0f, 0.0f, 0.0f);
    _engine->requestRedraw();
}

// Writes the values (all nine, or the one at index when values holds one)
// to the segment or the shown transition state and sends what the model kept.
void MainWindow::_writeColorAdjustments(Segment* segment, const int* values, int first, int count)
{
    int transitionId = 0;
    bool begin = false;
    const bool toState = _shownTransitionState(&transitionId, &begin);
    _commitSegmentChange(segment, [&] {
        for (int i = 0; i < count; ++i) {
            const Adjustment& adjustment = kAdjustments[first + i];
            if (toState)
                (segment->*adjustment.setState)(transitionId, begin, values[i]);
            else
                (segment->*adjustment.set)(values[i]);
        }
    });
    if (!_engine)
        return;
    for (int i = first; i < first + count; ++i) {
        const Adjustment& adjustment = kAdjustments[i];
        const int property = kFirstAdjustmentProperty + i;
        if (toState)
            _engine->setAnimationState(segment->serialNumber(), transitionId, begin, property,
                                       float((segment->*adjustment.getState)(transitionId, begin)), 0.0f);
        else
            _engine->setSegmentProperty(segment->serialNumber(), property, float((segment->*adjustment.get)()),
                                        0.0f, 0.0f, 0.0f);
    }
    _engine->requestRedraw();
}

void MainWindow::_commitColorAdjustment(int index, int value)
{
    if (Segment* segment = _valueSlotSegment())
        _writeColorAdjustments(segment, &value, index, 1);
}

#define VIDORNA_COLOR_SLOTS(Stem, Index)                                                                 \
    void MainWindow::scrollColorsPopup_on##Stem##Changing(PopupColorsScrollWidget*, int value)        \
    {                                                                                                  \
        _liveColorAdjustment(Index, value);                                                            \
    }                                                                                                  \
    void MainWindow::scrollColorsPopup_on##Stem##Changed(PopupColorsScrollWidget*, int value)         \
    {                                                                                                  \
        _commitColorAdjustment(Index, value);                                                          \
    }

VIDORNA_COLOR_SLOTS(Saturation, kSaturation)
VIDORNA_COLOR_SLOTS(Brightness, kBrightness)
VIDORNA_COLOR_SLOTS(Contrast, kContrast)
VIDORNA_COLOR_SLOTS(WhiteBalance, kWhiteBalance)
VIDORNA_COLOR_SLOTS(Exposure, kExposure)
VIDORNA_COLOR_SLOTS(Hue, kHue)
VIDORNA_COLOR_SLOTS(Red, kRed)
VIDORNA_COLOR_SLOTS(Green, kGreen)
VIDORNA_COLOR_SLOTS(Blue, kBlue)

#undef VIDORNA_COLOR_SLOTS

void MainWindow::scrollColorsPopup_onSchemeChanged(PopupColorsScrollWidget*, int saturation, int brightness,
                                                   int contrast, int whiteBalance, int exposure, int hue, int red,
                                                   int green, int blue)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    const int values[kAdjustmentCount] = {saturation, brightness, contrast, whiteBalance, exposure,
                                          hue,        red,        green,    blue};
    _writeColorAdjustments(segment, values, 0, kAdjustmentCount);
}

void MainWindow::scrollColorsPopup_onApplyToAllSegmentsRequested(PopupColorsScrollWidget*, int saturation,
                                                                 int brightness, int contrast, int whiteBalance,
                                                                 int exposure, int hue, int red, int green,
                                                                 int blue)
{
    Segment* editing = _valueSlotSegment();
    if (!editing)
        return;
    const QString type = editing->type();
    const int values[kAdjustmentCount] = {saturation, brightness, contrast, whiteBalance, exposure,
                                          hue,        red,        green,    blue};
    _recordOperation();
    _projectManager->setModified(true);
    // The count is asked again after every segment: the list may change under us.
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        Segment* segment = _projectManager->segmentAt(index);
        if (!segment || segment->type() != type)
            continue;
        for (int i = 0; i < kAdjustmentCount; ++i) {
            (segment->*kAdjustments[i].set)(values[i]);
            if (_engine)
                _engine->setSegmentProperty(segment->serialNumber(), kFirstAdjustmentProperty + i, float(values[i]),
                                            0.0f, 0.0f, 0.0f);
        }
    }
    if (_engine)
        _engine->requestRedraw();
    ProgressHUD::showMessage(tr("Color settings applied to all %1 segments").arg(_segmentKindWord(type)), this,
                             kMessageMs);
}

void MainWindow::scrollColorsPopup_onNeedToDisplayMessage(PopupColorsScrollWidget*, QString message)
{
    ProgressHUD::showMessage(message, this, kMessageMs);
}
