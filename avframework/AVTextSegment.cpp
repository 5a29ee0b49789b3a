#include "AVTextSegment.h"

#include "AVPixelBuffer.h"
#include "AVTextRaster.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstring>

namespace {

constexpr size_t kFontNameLimit = 128;
constexpr size_t kFontStyleLimit = 32;

} // namespace

AVTextSegment::AVTextSegment(double start, double duration, const char* text, uint32_t boxWidth,
                             uint32_t boxHeight, uint32_t layerWidth, uint32_t layerHeight)
    : AVLayerSegment(start, duration, layerWidth, layerHeight)
    , _textMutex(avMutexCreate())
    , _boxWidth(boxWidth)
    , _boxHeight(boxHeight)
{
    if (text)
        _style.text = text;
}

AVTextSegment::~AVTextSegment() = default;

template <typename Change>
void AVTextSegment::_changeStyle(Change change)
{
    QMutexLocker lock(_textMutex.get());
    change(_style);
    _dirty = true;
}

void AVTextSegment::setText(const char* text)
{
    _changeStyle([text](Style& style) { style.text = text ? text : ""; });
}

void AVTextSegment::setFont(const char* name, const char* style)
{
    if (!name || std::strlen(name) >= kFontNameLimit)
        return;
    _changeStyle([name, style](Style& s) {
        s.fontName = name;
        if (!style)
            s.fontStyle.clear();
        else if (std::strlen(style) < kFontStyleLimit)
            s.fontStyle = style;
    });
}

void AVTextSegment::setFontScale(float scale)
{
    _changeStyle([scale](Style& style) { style.fontScale = scale; });
}

float AVTextSegment::fontScale() const
{
    QMutexLocker lock(_textMutex.get());
    return _style.fontScale;
}

void AVTextSegment::setTextColor(const AVVec4& color)
{
    _changeStyle([color](Style& style) { style.textColor = color; });
}

void AVTextSegment::setAlignment(uint32_t alignment)
{
    _changeStyle([alignment](Style& style) { style.alignment = alignment; });
}

void AVTextSegment::setOutlineWidth(float percent)
{
    _changeStyle([percent](Style& style) { style.outlineWidth = percent; });
}

void AVTextSegment::setOutlineColor(const AVVec4& color)
{
    _changeStyle([color](Style& style) { style.outlineColor = color; });
}

void AVTextSegment::setBackColor(const AVVec4& color)
{
    _changeStyle([color](Style& style) { style.backColor = color; });
}

void AVTextSegment::setBackInset(float inset)
{
    _changeStyle([inset](Style& style) { style.backInset = inset; });
}

void AVTextSegment::setBackCorner(float corner)
{
    _changeStyle([corner](Style& style) { style.backCorner = corner; });
}

void AVTextSegment::setBorderWidth(float width)
{
    setOutlineWidth(width);
}

void AVTextSegment::setBorderColor(const AVVec4& color)
{
    setOutlineColor(color);
}

void AVTextSegment::setScale(float x, float y)
{
    // The raster is made at the box size times the scale.
    AVLayerSegment::setScale(x, y);
    _dirty = true;
}

void AVTextSegment::setSize(uint32_t boxWidth, uint32_t boxHeight)
{
    _boxWidth = boxWidth;
    _boxHeight = boxHeight;
    _dirty = true;
}

void AVTextSegment::setImage(AVPixelBuffer* buffer)
{
    QMutexLocker lock(_textMutex.get());
    AVLayerSegment::setImage(buffer);
}

// ---- rasterising -------------------------------------------------------------------

void AVTextSegment::wake()
{
    AVSegment::wake();
    Style style;
    {
        QMutexLocker lock(_textMutex.get());
        if (!_dirty && (image() || texture()))
            return;
        AVLayerSegment::setImage(nullptr);
        // A setter called while the raster is made marks it dirty again.
        _dirty = false;
        style = _style;
    }
    // Rasterised outside the lock: setters do not wait for it.
    AVPixelBuffer* picture = style.text.empty() ? nullptr : _render(style);
    QMutexLocker lock(_textMutex.get());
    AVLayerSegment::setImage(picture);
    if (!style.text.empty())
        setStatus(picture ? AVSegmentReady : AVSegmentTextRasterFailed);
    _picturePending = true;
}

AVPixelBuffer* AVTextSegment::_render(const Style& style) const
{
    const AVFloatPair scale = staticValues().scale;
    const double layerWidth = AVLayerSegment::width();
    return avRenderText(int32_t(width() * double(scale.x)), int32_t(height() * double(scale.y)),
                        style.text.c_str(), int32_t(layerWidth * style.fontScale), style.textColor,
                        style.fontName.c_str(), style.fontStyle.c_str(), int32_t(style.alignment), style.outlineWidth,
                        style.outlineColor, style.backColor, float(style.backInset * layerWidth), style.backCorner);
}

void AVTextSegment::sleep(bool exporting)
{
    AVSegment::sleep(exporting);
    QMutexLocker lock(_textMutex.get());
    AVLayerSegment::setImage(nullptr);
    uploadImage();
}

// ---- preparation ---------------------------------------------------------------------

void AVTextSegment::prepareAt(double time, bool, bool)
{
    {
        QMutexLocker lock(_textMutex.get());
        if (_picturePending) {
            AVLayerSegment::setPixels(nullptr, 0, 0, 0, 0);
            _picturePending = false;
        }
        if (!texture() && image()) {
            uploadImage();
            // The texture holds it now; the image size stays.
            AVLayerSegment::setImage(nullptr);
        }
    }
    if (_isPreparableAt(time))
        _evaluateAt(time);
}

bool AVTextSegment::fittedSize(double* fitWidth, double* fitHeight) const
{
    const AVFloatPair scale = *scalePtr();
    const int32_t rasterWidth = int32_t(width() * double(scale.x));
    const int32_t rasterHeight = int32_t(height() * double(scale.y));
    AVVec4 fitted{};
    avRectAspectFit(&fitted, float(rasterWidth), float(rasterHeight),
                    AVVec4{0.0f, 0.0f, float(AVLayerSegment::width()), float(AVLayerSegment::height())});
    if (!(fitted.z > 0.0f) || !(fitted.w > 0.0f))
        return false;
    *fitWidth = fitted.z;
    *fitHeight = fitted.w;
    return true;
}

AVFloatPair AVTextSegment::convertedScale(AVFloatPair scale) const
{
    double fitWidth = 0.0, fitHeight = 0.0;
    if (!fittedSize(&fitWidth, &fitHeight))
        return scale;
    return {float(scale.x * double(width()) / fitWidth), float(scale.y * double(height()) / fitHeight)};
}

AVFloatPair AVTextSegment::anchoredPosition(AVFloatPair position, AVFloatPair anchor) const
{
    double fitWidth = 0.0, fitHeight = 0.0;
    if (!fittedSize(&fitWidth, &fitHeight))
        return position;
    const double layerWidth = AVLayerSegment::width();
    const double layerHeight = AVLayerSegment::height();
    const double ax = 0.5 - double(anchor.x);
    const double ay = 0.5 - double(anchor.y);
    // The vertical share is taken of half the layer height, as the draw's
    // placement of text expects.
    return {float(position.x - (layerWidth * ax - fitWidth * ax) / layerWidth),
            float(position.y - (0.5 * layerHeight * ay - fitHeight * ay) / layerHeight)};
}

void AVTextSegment::_resetCurrentValues()
{
    AVLayerSegment::_resetCurrentValues();
    double fitWidth = 0.0, fitHeight = 0.0;
    if (!fittedSize(&fitWidth, &fitHeight))
        return;
    const AVFloatPair scale = _static.scale;
    // Drawn at the raster's own pixel size.
    _current.scale = {float(int32_t(width() * double(scale.x)) / fitWidth),
                      float(int32_t(height() * double(scale.y)) / fitHeight)};
    _current.position = anchoredPosition(_static.position, _static.anchor);
}
