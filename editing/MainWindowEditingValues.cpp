// The property value slots: every value of a segment's editing popups
// becomes a segment property here. Moving values reach the engine only;
// final values are recorded for undo, written to the model and sent as the
// model keeps them.
#include "AVComposition.h"
#include "AVEngine.h"
#include "CommonSliderColorPopup.h"
#include "EditScrollArea.h"
#include "MainWindow.h"
#include "PopupChromaKeyWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "Segment.h"
#include "SegmentStyleDefaults.h"
#include "SegmentWidget.h"
#include "SliderPopupKind.h"
#include "TextEditWidget.h"
#include "TextSegment.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

using namespace SliderPopupKind;

// Engine property ids.
enum Property {
    kPropTransparency = 1,
    kPropBorderWidth = 10,
    kPropBorderColor = 11,
    kPropCornerRadius = 12,
    kPropShadowOpacity = 13,
    kPropShadowOffset = 14,
    kPropVolume = 15,
    kPropTextSize = 16,
    kPropTextColor = 17,
    kPropBackColor = 30,
    kPropBackInset = 31,
    kPropBackCorner = 32,
    kPropStroke = 40,
    kPropStrokeTolerance = 41,
    kPropStrokeStrength = 42,
    kPropKey = 50,
    kPropKeySensitivity = 51,
    kPropKeySmoothing = 52,
    kPropKeyColor = 53,
    kPropShadowRadius = 60,
    kPropShadowColor = 61,
    kPropPitch = 65,
};


template <typename Arg>
using DefaultSetter = void (SegmentStyleDefaults::*)(Arg);
// Keeps a parameter out of template deduction, so that it may be null.
template <typename T>
struct NotDeduced {
    using type = T;
};

// Sets the default of the segment's type through the matching setter; a
// type without one (or a null setter) keeps every default.
template <typename Arg, typename Value>
void setDefaultByType(const Segment* segment, Value value, typename NotDeduced<DefaultSetter<Arg>>::type text,
                      DefaultSetter<Arg> image, DefaultSetter<Arg> drawing, DefaultSetter<Arg> movie)
{
    SegmentStyleDefaults* defaults = MainWindow::habitStyleDefaults();
    const QString type = segment->type();
    DefaultSetter<Arg> setter = type == QLatin1String("TEXT")      ? text
                                                : type == QLatin1String("IMAGE")   ? image
                                                : type == QLatin1String("DRAWING") ? drawing
                                                : type == QLatin1String("MOVIE")   ? movie
                                                                                   : nullptr;
    if (defaults && setter)
        (defaults->*setter)(value);
}

template <typename Arg, typename Value>
void setDefault(Value value, void (SegmentStyleDefaults::*setter)(Arg))
{
    if (SegmentStyleDefaults* defaults = MainWindow::habitStyleDefaults())
        (defaults->*setter)(value);
}

void appendFingerprint(const SegmentAttributes* attributes, QStringList* out)
{
    if (!attributes) {
        out->append(QString());
        return;
    }
    for (auto it = attributes->texts().cbegin(); it != attributes->texts().cend(); ++it)
        out->append(it.key() + QLatin1Char('=') + it.value());
    if (const SegmentAttributes::TransitionList* transitions = attributes->transitions()) {
        for (const auto& entry : *transitions)
            appendFingerprint(entry.get(), out);
    }
    appendFingerprint(attributes->state(true), out);
    appendFingerprint(attributes->state(false), out);
}

// Every value of the segment, its transitions and their states, in a fixed order.
QStringList fingerprint(const Segment* segment)
{
    QStringList values;
    appendFingerprint(segment->attributes(), &values);
    return values;
}

TextSegment* asText(Segment* segment)
{
    return segment->type() == QLatin1String("TEXT") ? static_cast<TextSegment*>(segment) : nullptr;
}

// Volume and pitch of a movie play under the engine id of its sound track.
int32_t soundEngineId(const Segment* segment)
{
    return segment->type() == QLatin1String("MOVIE") ? segment->secondEngineId() : segment->serialNumber();
}

int truncated(float value)
{
    return static_cast<int>(value);
}

} // namespace

// --- Shared steps ------------------------------------------------------------

Segment* MainWindow::_valueSlotSegment() const
{
    return _valueSlotsPaused ? nullptr : _editingSegment();
}

bool MainWindow::_shownTransitionState(int* transitionId, bool* begin) const
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (!widget || widget->transitionId() <= 0 || _editingTransitionState < 0)
        return false;
    *transitionId = widget->transitionId();
    *begin = _editingTransitionState == 1;
    return true;
}

bool MainWindow::_commitSegmentChange(Segment* segment, const std::function<void()>& write)
{
    const QStringList before = fingerprint(segment);
    _recordOperation();
    write();
    if (fingerprint(segment) == before) {
        _projectManager->dropLastSnapshot();
        return false;
    }
    _projectManager->setModified(true);
    return true;
}

void MainWindow::_sendValue(const Segment* segment, int propertyId, float a, float b)
{
    if (_engine)
        _engine->setSegmentProperty(segment->serialNumber(), propertyId, a, b, 0.0f, 0.0f);
}

void MainWindow::_sendColor(const Segment* segment, int propertyId, QRgb color, float opacity)
{
    if (_engine)
        _engine->setSegmentProperty(segment->serialNumber(), propertyId, qRed(color) / 255.0f,
                                    qGreen(color) / 255.0f, qBlue(color) / 255.0f, opacity);
}

void MainWindow::_sendSoundValue(const Segment* segment, int propertyId, float value)
{
    if (_engine)
        _engine->setSegmentProperty(soundEngineId(segment), propertyId, value, 0.0f, 0.0f, 0.0f);
}

void MainWindow::_sendStateValue(const Segment* segment, int transitionId, bool begin, int propertyId, float value)
{
    if (!_engine)
        return;
    const int32_t id = propertyId == kPropVolume ? soundEngineId(segment) : segment->serialNumber();
    _engine->setAnimationState(id, transitionId, begin, propertyId, value, 0.0f);
}

QSizeF MainWindow::_compositionSize() const
{
    if (!_composition)
        return QSizeF(1.0, 1.0);
    return QSizeF(std::max(1, _composition->width()), std::max(1, _composition->height()));
}

void MainWindow::_redrawAfterValue()
{
    if (_engine)
        _engine->requestRedraw();
}

// --- Main value ----------------------------------------------------------------

bool MainWindow::_liveMainValue(Segment* segment, int kind, float value, QColor color)
{
    const float width = float(_compositionSize().width());
    int transitionId = 0;
    bool begin = false;
    switch (kind) {
    case kTransparency:
        _sendValue(segment, kPropTransparency, value);
        return true;
    case kTransitionTransparency:
        if (!_shownTransitionState(&transitionId, &begin))
            return false;
        _sendStateValue(segment, transitionId, begin, kPropTransparency, value);
        return true;
    case kTextBorder:
    case kStrokeBorder:
        _sendValue(segment, kPropBorderWidth, kind == kTextBorder ? value : value / width);
        if (value > 0.0f && color.isValid())
            _sendColor(segment, kPropBorderColor, color.rgb());
        return true;
    case kRoundCorner:
        _sendValue(segment, kPropCornerRadius, value / width);
        return true;
    case kShadow:
        _sendValue(segment, kPropShadowOpacity, value);
        return true;
    case kTextSize:
        if (TextSegment* text = asText(segment))
            _sendValue(segment, kPropTextSize, value / float(text->referenceSize().width()));
        return true;
    case kTextBackground:
        _sendColor(segment, kPropBackColor, color.isValid() ? color.rgb() : qRgb(0, 0, 0), value);
        return true;
    default:
        return false;
    }
}

void MainWindow::_liveTextSize(Segment* segment, float value)
{
    TextSegment* text = asText(segment);
    if (!text)
        return;
    // The inline editor shows the model, so the drag writes it: the state
    // before the drag is recorded once, at its first step.
    if (!_textSizeDragRecorded) {
        _recordOperation();
        _textSizeDragRecorded = true;
        _projectManager->setModified(true);
    }
    text->setFontSizeForVideoSize(value, text->referenceSize());
    _applyTextStyleToWholeText(_textEditor, text);
}

void MainWindow::sliderColorPopup_onValueChanging(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    if (popup->tag() == kTextSize && _textEditor) {
        _liveTextSize(segment, value);
        return;
    }
    if (_liveMainValue(segment, popup->tag(), value, popup->color()))
        _redrawAfterValue();
}

void MainWindow::sliderColorPopup_onValueChanged(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    if (popup->tag() == kSpeed) {
        _commitSpeed(segment, value);
        return;
    }
    _commitMainValue(segment, popup->tag(), value, popup->color());
}

bool MainWindow::_commitMainValue(Segment* segment, int kind, float value, QColor color)
{
    switch (kind) {
    case kTransparency:
        _commitSegmentChange(segment, [&] { segment->setUserTransparency(value); });
        _sendValue(segment, kPropTransparency, segment->userTransparency());
        break;
    case kVolume:
        _commitSegmentChange(segment, [&] { segment->setUserVolume(value); });
        _sendSoundValue(segment, kPropVolume, segment->userVolume());
        _seekToScrollPosition(true);
        return true;
    case kPitch:
        _commitSegmentChange(segment, [&] { segment->setPitch(value); });
        _sendSoundValue(segment, kPropPitch, segment->pitch());
        _seekToScrollPosition(true);
        return true;
    case kTransitionTransparency:
    case kTransitionVolume:
        return _commitTransitionValue(segment, kind, value);
    case kTextBorder:
    case kStrokeBorder:
    case kRoundCorner:
        if (!_commitLengthValue(segment, kind, value, color))
            return false;
        break;
    case kShadow:
        _commitSegmentChange(segment, [&] { segment->setShadowOpacity(value); });
        _sendValue(segment, kPropShadowOpacity, segment->shadowOpacity());
        setDefaultByType(segment, segment->shadowOpacity(), &SegmentStyleDefaults::setTextShadowOpacity,
                         &SegmentStyleDefaults::setImageShadowOpacity, &SegmentStyleDefaults::setDrawingShadowOpacity,
                         &SegmentStyleDefaults::setMovieShadowOpacity);
        break;
    case kTextSize:
    case kTextBackground:
        return _commitTextValue(segment, kind, value);
    default:
        return false;
    }
    _redrawAfterValue();
    return true;
}

bool MainWindow::_commitTransitionValue(Segment* segment, int kind, float value)
{
    int transitionId = 0;
    bool begin = false;
    if (!_shownTransitionState(&transitionId, &begin))
        return false;
    if (kind == kTransitionTransparency) {
        _commitSegmentChange(segment, [&] { segment->setTransitionUserTransparency(transitionId, begin, value); });
        _sendStateValue(segment, transitionId, begin, kPropTransparency,
                        segment->transitionUserTransparency(transitionId, begin));
        _redrawAfterValue();
        return true;
    }
    _commitSegmentChange(segment, [&] { segment->setTransitionUserVolume(transitionId, begin, value); });
    _sendStateValue(segment, transitionId, begin, kPropVolume, segment->transitionUserVolume(transitionId, begin));
    _seekToScrollPosition(true);
    return true;
}

bool MainWindow::_commitLengthValue(Segment* segment, int kind, float value, QColor color)
{
    const float fraction = value / float(_compositionSize().width());
    if (kind == kRoundCorner) {
        _commitSegmentChange(segment, [&] {
            segment->setCornerRadiusFraction(fraction);
            segment->setCornerRadius(0.0f);
        });
        _sendValue(segment, kPropCornerRadius, segment->cornerRadiusFraction());
        setDefaultByType(segment, segment->cornerRadiusFraction(), nullptr,
                         &SegmentStyleDefaults::setImageCornerRadiusFraction,
                         &SegmentStyleDefaults::setDrawingCornerRadiusFraction,
                         &SegmentStyleDefaults::setMovieCornerRadiusFraction);
        return true;
    }
    _commitSegmentChange(segment, [&] {
        if (kind == kTextBorder) {
            segment->setBorderWidth(value);
        } else {
            segment->setBorderWidthFraction(fraction);
            segment->setBorderWidth(0.0f);
        }
        if (color.isValid())
            segment->setBorderColor(color.rgb());
    });
    _sendValue(segment, kPropBorderWidth, kind == kTextBorder ? segment->borderWidth() : segment->borderWidthFraction());
    if (value > 0.0f)
        _sendColor(segment, kPropBorderColor, segment->borderColor());
    if (kind == kTextBorder)
        setDefault(segment->borderWidth(), &SegmentStyleDefaults::setTextBorderSize);
    else
        setDefaultByType(segment, segment->borderWidthFraction(), nullptr,
                         &SegmentStyleDefaults::setImageBorderSizeFraction,
                         &SegmentStyleDefaults::setDrawingBorderSizeFraction,
                         &SegmentStyleDefaults::setMovieBorderSizeFraction);
    return true;
}

bool MainWindow::_commitTextValue(Segment* segment, int kind, float value)
{
    TextSegment* text = asText(segment);
    if (!text)
        return false;
    if (kind == kTextBackground) {
        _commitSegmentChange(segment, [&] { text->setBackOpacity(value); });
        _sendColor(segment, kPropBackColor, text->backColorRgba(), text->backOpacity());
        setDefault(text->backOpacity(), &SegmentStyleDefaults::setTextBackColorAlpha);
        _redrawAfterValue();
        return true;
    }
    // The slider shows the size in the text's own reference frame.
    const QSizeF size = text->referenceSize();
    // A drag in the inline editor recorded the state before it at its first
    // step; a release without such a drag records here.
    if (std::exchange(_textSizeDragRecorded, false))
        text->setFontSizeForVideoSize(value, size);
    else
        _commitSegmentChange(segment, [&] { text->setFontSizeForVideoSize(value, size); });
    if (SegmentStyleDefaults* defaults = MainWindow::habitStyleDefaults())
        defaults->setTextSize(value, size);
    _sendValue(segment, kPropTextSize, value / float(size.width()));
    _finishTextStyleChange(segment);
    return true;
}

// The inline editor shows the new style at once and gets the keys back;
// without it the preview draws the change.
void MainWindow::_finishTextStyleChange(Segment* segment)
{
    if (!_textEditor) {
        _redrawAfterValue();
        return;
    }
    _applyTextStyleToWholeText(_textEditor, asText(segment));
    _textEditor->setFocus();
}

// --- Speed -----------------------------------------------------------------------

void MainWindow::_commitSpeed(Segment* segment, float step)
{
    _recordOperation();
    if (_engine)
        _engine->pause();
    // The wait pumps events; value signals arriving meanwhile are dropped.
    _valueSlotsPaused = true;
    _waitWhileBusy();
    _valueSlotsPaused = false;
    // The wait may have ended the editing (and the segment with it).
    if (_editingSegment() != segment) {
        _projectManager->dropLastSnapshot();
        return;
    }
    const float oldSpeed = segment->speed();
    segment->setSpeed(float(double(step) * 0.25 + 0.25));
    const float newSpeed = segment->speed();
    if (newSpeed == oldSpeed) {
        _projectManager->dropLastSnapshot();
        return;
    }
    _projectManager->setModified(true);
    if (SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr)
        widget->setScale(_timelineScale, false);
    if (!_applySegmentTiming(segment, false))
        _projectManager->dropLastSnapshot();
    if (_timeline)
        _timeline->updateTrimBarPositions();
    const float start = segment->rangeStart();
    const float time = start + (_currentScrollTime() - start) * oldSpeed / newSpeed;
    _scrollToTime(time, false);
    _seekPreview(time, true);
    QCoreApplication::processEvents();
}

// --- Second and third values ---------------------------------------------------------

void MainWindow::sliderColorPopup_onValue2Changing(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    const float width = float(_compositionSize().width());
    switch (popup->tag()) {
    case kTextBackground: _sendValue(segment, kPropBackInset, value / width); break;
    case kStrokeBorder: _sendValue(segment, kPropStrokeTolerance, value); break;
    case kChromaKey: _sendValue(segment, kPropKeySensitivity, value); break;
    case kShadow: _sendValue(segment, kPropShadowRadius, value / width); break;
    default: return;
    }
    _redrawAfterValue();
}

void MainWindow::sliderColorPopup_onValue2Changed(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (segment && _commitSecondValue(segment, popup->tag(), value))
        _redrawAfterValue();
}

bool MainWindow::_commitSecondValue(Segment* segment, int kind, float value)
{
    const float width = float(_compositionSize().width());
    if (kind == kTextBackground) {
        TextSegment* text = asText(segment);
        if (!text)
            return false;
        _commitSegmentChange(segment, [&] { text->setBackInset(value / width); });
        _sendValue(segment, kPropBackInset, text->backInset());
        setDefault(text->backInset(), &SegmentStyleDefaults::setTextBackInset);
    } else if (kind == kStrokeBorder) {
        _commitSegmentChange(segment, [&] { segment->setBorderStrokeTolerance(truncated(value)); });
        _sendValue(segment, kPropStrokeTolerance, float(segment->borderStrokeTolerance()));
        setDefault(segment->borderStrokeTolerance(), &SegmentStyleDefaults::setBorderStrokeTolerance);
    } else if (kind == kChromaKey) {
        _commitSegmentChange(segment, [&] { segment->setKeySensitivity(truncated(value)); });
        _sendValue(segment, kPropKeySensitivity, float(segment->keySensitivity()));
        setDefault(segment->keySensitivity(), &SegmentStyleDefaults::setChromaKeySensitivity);
    } else if (kind == kShadow) {
        _commitSegmentChange(segment, [&] { segment->setShadowRadius(value, width); });
        _sendValue(segment, kPropShadowRadius, segment->shadowRadiusFraction());
        setDefaultByType(segment, segment->shadowRadiusFraction(), &SegmentStyleDefaults::setTextShadowRadiusFraction,
                         &SegmentStyleDefaults::setImageShadowRadiusFraction,
                         &SegmentStyleDefaults::setDrawingShadowRadiusFraction,
                         &SegmentStyleDefaults::setMovieShadowRadiusFraction);
    } else {
        return false;
    }
    return true;
}

void MainWindow::sliderColorPopup_onValue3Changing(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    switch (popup->tag()) {
    case kTextBackground: _sendValue(segment, kPropBackCorner, value / 100.0f); break;
    case kStrokeBorder: _sendValue(segment, kPropStrokeStrength, value); break;
    case kChromaKey: _sendValue(segment, kPropKeySmoothing, value); break;
    default: return;
    }
    _redrawAfterValue();
}

void MainWindow::sliderColorPopup_onValue3Changed(CommonSliderColorPopup* popup, float value)
{
    Segment* segment = _valueSlotSegment();
    if (segment && _commitThirdValue(segment, popup->tag(), value))
        _redrawAfterValue();
}

bool MainWindow::_commitThirdValue(Segment* segment, int kind, float value)
{
    if (kind == kTextBackground) {
        TextSegment* text = asText(segment);
        if (!text)
            return false;
        _commitSegmentChange(segment, [&] { text->setBackCorner(float(double(value) / 100.0)); });
        _sendValue(segment, kPropBackCorner, text->backCorner());
        setDefault(text->backCorner(), &SegmentStyleDefaults::setTextBackCornerRadius);
    } else if (kind == kStrokeBorder) {
        _commitSegmentChange(segment, [&] { segment->setBorderStrokeStrength(truncated(value)); });
        _sendValue(segment, kPropStrokeStrength, float(segment->borderStrokeStrength()));
        setDefault(segment->borderStrokeStrength(), &SegmentStyleDefaults::setBorderStrokeStrength);
    } else if (kind == kChromaKey) {
        _commitSegmentChange(segment, [&] { segment->setKeySmoothing(truncated(value)); });
        _sendValue(segment, kPropKeySmoothing, float(segment->keySmoothing()));
        setDefault(segment->keySmoothing(), &SegmentStyleDefaults::setChromaKeySmoothing);
    } else {
        return false;
    }
    return true;
}

// --- Colour, switch, shadow offset and chroma key values ------------------------------

void MainWindow::sliderColorPopup_onColorChanged(CommonSliderColorPopup* popup, QColor color)
{
    Segment* segment = _valueSlotSegment();
    if (!segment || !_commitColor(segment, popup->tag(), color.rgb()))
        return;
    if (popup->tag() == kTextSize)
        _finishTextStyleChange(segment);
    else
        _redrawAfterValue();
}

bool MainWindow::_commitColor(Segment* segment, int kind, QRgb color)
{
    TextSegment* text = asText(segment);
    if ((kind == kTextSize || kind == kTextBackground) && !text)
        return false;
    switch (kind) {
    case kTextBorder:
    case kStrokeBorder:
        _commitSegmentChange(segment, [&] { segment->setBorderColor(color); });
        _sendColor(segment, kPropBorderColor, segment->borderColor());
        if (kind == kTextBorder)
            setDefault(color, &SegmentStyleDefaults::setTextBorderColor);
        else
            setDefaultByType(segment, color, nullptr, &SegmentStyleDefaults::setImageBorderColor,
                             &SegmentStyleDefaults::setDrawingBorderColor, &SegmentStyleDefaults::setMovieBorderColor);
        return true;
    case kTextSize:
        _commitSegmentChange(segment, [&] { text->setColor(color); });
        _sendColor(segment, kPropTextColor, text->color());
        setDefault(text->color(), &SegmentStyleDefaults::setTextColor);
        return true;
    case kTextBackground:
        _commitSegmentChange(segment, [&] { text->setBackColor(color); });
        _sendColor(segment, kPropBackColor, color, text->backOpacity());
        setDefault(text->backColorRgba(), &SegmentStyleDefaults::setTextBackColor);
        return true;
    case kChromaKey:
        _commitSegmentChange(segment, [&] { segment->setKeyColor(color); });
        _sendColor(segment, kPropKeyColor, segment->keyColor());
        setDefault(color, &SegmentStyleDefaults::setChromaKeyColor);
        return true;
    case kShadow:
        _commitSegmentChange(segment, [&] { segment->setShadowColor(color); });
        _sendColor(segment, kPropShadowColor, segment->shadowColor());
        setDefaultByType(segment, segment->shadowColor(), &SegmentStyleDefaults::setTextShadowColor,
                         &SegmentStyleDefaults::setImageShadowColor, &SegmentStyleDefaults::setDrawingShadowColor,
                         &SegmentStyleDefaults::setMovieShadowColor);
        return true;
    default:
        return false;
    }
}

void MainWindow::sliderColorPopup_onSwitchValueChanged(CommonSliderColorPopup* popup, bool value)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    if (popup->tag() == kStrokeBorder) {
        _commitSegmentChange(segment, [&] { segment->setBorderStroke(value); });
        _sendValue(segment, kPropStroke, segment->borderStroke() ? 1.0f : 0.0f);
        setDefaultByType(segment, segment->borderStroke(), nullptr, &SegmentStyleDefaults::setImageBorderStroke,
                         &SegmentStyleDefaults::setDrawingBorderStroke, &SegmentStyleDefaults::setMovieBorderStroke);
    } else if (popup->tag() == kChromaKey) {
        _commitSegmentChange(segment, [&] { segment->setKeyEnabled(value); });
        _sendValue(segment, kPropKey, segment->keyEnabled() ? 1.0f : 0.0f);
    } else {
        return;
    }
    _redrawAfterValue();
}

void MainWindow::sliderColorShadowPopup_onShadowOffsetChanging(PopupSliderColorShadowWidget*, QSizeF offset)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    const float width = float(_compositionSize().width());
    _sendValue(segment, kPropShadowOffset, float(offset.width()) / width, float(offset.height()) / width);
    _redrawAfterValue();
}

void MainWindow::sliderColorShadowPopup_onShadowOffsetChanged(PopupSliderColorShadowWidget*, QSizeF offset)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    // Both components are fractions of the width, so the offset keeps its
    // direction on any canvas shape.
    const double width = _compositionSize().width();
    const QSizeF fraction(offset.width() / width, offset.height() / width);
    _commitSegmentChange(segment, [&] {
        segment->setShadowOffsetFraction(fraction);
        segment->setShadowPixelOffset(QSizeF(0.0, 0.0));
    });
    const QSizeF stored = segment->shadowOffsetFraction();
    _sendValue(segment, kPropShadowOffset, float(stored.width()), float(stored.height()));
    setDefaultByType(segment, stored, &SegmentStyleDefaults::setTextShadowOffsetFraction,
                     &SegmentStyleDefaults::setImageShadowOffsetFraction,
                     &SegmentStyleDefaults::setDrawingShadowOffsetFraction,
                     &SegmentStyleDefaults::setMovieShadowOffsetFraction);
    _redrawAfterValue();
}

void MainWindow::chromaKeyPopup_onValuesChanged(PopupChromaKeyWidget*, int sensitivity, int smoothing, QColor color)
{
    Segment* segment = _valueSlotSegment();
    if (!segment)
        return;
    _commitSegmentChange(segment, [&] {
        segment->setKeySensitivity(sensitivity);
        segment->setKeySmoothing(smoothing);
        segment->setKeyColor(color.rgb());
    });
    _sendValue(segment, kPropKeySensitivity, float(segment->keySensitivity()));
    _sendValue(segment, kPropKeySmoothing, float(segment->keySmoothing()));
    _sendColor(segment, kPropKeyColor, segment->keyColor());
    setDefault(segment->keySensitivity(), &SegmentStyleDefaults::setChromaKeySensitivity);
    setDefault(segment->keySmoothing(), &SegmentStyleDefaults::setChromaKeySmoothing);
    setDefault(segment->keyColor(), &SegmentStyleDefaults::setChromaKeyColor);
    _redrawAfterValue();
}
