#include "AVLayerSegment.h"

#include "AVClock.h"
#include "AVGLTexture.h"
#include "AVPixelBuffer.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

AVLayerSegment::AVLayerSegment(double start, uint32_t width, uint32_t height)
    : AVLayerSegment(start, 0.0, width, height)
{
}

AVLayerSegment::AVLayerSegment(double start, double duration, uint32_t width, uint32_t height)
    : AVSegment(start, duration), _mutex(avMutexCreate()), _width(width), _height(height)
{
    _guardAnimationsWith(_mutex.get());
}

AVLayerSegment::~AVLayerSegment()
{
    avPixelBufferFree(_image);
    _freeTexture();
    setChangeTime(0);
}

int AVLayerSegment::seekTo(double, bool)
{
    return 0;
}

AVPixelBuffer* AVLayerSegment::image() const
{
    return _image;
}

void AVLayerSegment::setImage(AVPixelBuffer* buffer)
{
    if (buffer != _image)
        avPixelBufferFree(_image);
    _image = buffer;
    if (buffer)
        _setImageSize(buffer->width, buffer->height);
}

void AVLayerSegment::setPixels(const uint8_t* data, uint32_t width, uint32_t height, uint32_t, uint64_t stamp)
{
    if (data && width > 0 && height > 0) {
        _setImageSize(width, height);
        _dropTextureUnlessSized(width, height);
        if (!_texture)
            _texture = avTextureCreateRGBA(int32_t(width), int32_t(height));
        avTextureUploadBGRA(_texture, data, int32_t(width), int32_t(height), false);
    } else {
        _setImageSize(0, 0);
        _freeTexture();
    }
    setChangeTime(stamp);
}

void AVLayerSegment::uploadImage()
{
    // Every picture the engine makes is 32-bit BGRA; another layout has no
    // upload and counts as no picture.
    if (_image && _image->data && avPixelBufferBitsPerPixel(_image) == 32) {
        const uint32_t width = _image->width;
        const uint32_t height = _image->height;
        _setImageSize(width, height);
        _dropTextureUnlessSized(width, height);
        if (!_texture)
            _texture = avTextureCreateRGBA(int32_t(width), int32_t(height));
        avTextureUploadBGRA(_texture, _image->data, int32_t(width), int32_t(height), false);
    } else {
        _setImageSize(0, 0);
        _freeTexture();
    }
    setChangeTime(0);
}

uint32_t AVLayerSegment::pictureRotation() const
{
    return 0;
}

void AVLayerSegment::setChangeTime(uint64_t stamp)
{
    _changeTime = stamp != 0 ? stamp : uint64_t(avCurrentTimeMicroseconds());
}

void AVLayerSegment::setSize(uint32_t width, uint32_t height)
{
    _width = width;
    _height = height;
}

void AVLayerSegment::_setImageSize(uint32_t width, uint32_t height)
{
    _imageWidth = width;
    _imageHeight = height;
}

void AVLayerSegment::_dropTextureUnlessSized(uint32_t width, uint32_t height)
{
    if (_texture && (_texture->format != AVTextureFormatRGBA || _texture->width != int32_t(width)
                     || _texture->height != int32_t(height)))
        _freeTexture();
}

void AVLayerSegment::_freeTexture()
{
    avTextureFree(_texture);
    _texture = nullptr;
}

// ---- preparation ---------------------------------------------------------------

bool AVLayerSegment::_isPreparableAt(double time) const
{
    return _texture && coversTime(time) && _imageWidth > 0 && _imageHeight > 0;
}

void AVLayerSegment::prepareAt(double time, bool, bool)
{
    if (_isPreparableAt(time))
        _evaluateAt(time);
}

void AVLayerSegment::_evaluateAt(double time)
{
    QMutexLocker lock(_mutex.get());
    _resetCurrentValues();
    _evaluateTransitions(time - startTime());
}

void AVLayerSegment::_resetCurrentValues()
{
    _current = _static;
}

// ---- properties ----------------------------------------------------------------

template <typename Value>
void AVLayerSegment::_setLocked(Value& field, const Value& value)
{
    QMutexLocker lock(_mutex.get());
    field = value;
}

void AVLayerSegment::setTransparency(float transparency)
{
    _setLocked(_static.transparency, std::clamp(transparency, 0.0f, 1.0f));
}

void AVLayerSegment::setPosition(float x, float y)
{
    _setLocked(_static.position, {x, y});
}

void AVLayerSegment::setScale(float x, float y)
{
    _setLocked(_static.scale, {x, y});
}

void AVLayerSegment::setRotation(float degrees)
{
    _setLocked(_static.rotation, degrees);
}

void AVLayerSegment::setRotationX(float degrees)
{
    _setLocked(_static.rotationX, degrees);
}

void AVLayerSegment::setRotationY(float degrees)
{
    _setLocked(_static.rotationY, degrees);
}

void AVLayerSegment::setAnchor(float x, float y)
{
    _setLocked(_static.anchor, {x, y});
}

void AVLayerSegment::setCropTopLeft(float x, float y)
{
    _setLocked(_static.cropTopLeft, {x, y});
}

void AVLayerSegment::setCropBottomRight(float x, float y)
{
    _setLocked(_static.cropBottomRight, {x, y});
}

void AVLayerSegment::setEffectColor(uint32_t index, int32_t value)
{
    if (index >= uint32_t(kAVEffectColorCount))
        return;
    _setLocked(_static.effectColor[index], value);
}

void AVLayerSegment::setPointOffset(uint32_t corner, float x, float y)
{
    if (corner >= uint32_t(kAVCornerCount))
        return;
    _setLocked(_static.pointOffset[corner], {x, y});
}

void AVLayerSegment::setFeathering(uint32_t side, float value)
{
    if (side >= uint32_t(kAVFeatheringCount))
        return;
    _setLocked(_static.feathering[side], value);
}

// The style is read by the drawing thread while the interface sets it: its
// fields change under the mutex too, so a colour is never half written.

void AVLayerSegment::setBorderWidth(float width)
{
    _setLocked(_style.borderWidth, width);
}

void AVLayerSegment::setBorderColor(const AVVec4& color)
{
    _setLocked(_style.borderColor, color);
}

void AVLayerSegment::setCornerRadius(float radius)
{
    _setLocked(_style.cornerRadius, radius);
}

void AVLayerSegment::setShadowOpacity(float opacity)
{
    _setLocked(_style.shadowOpacity, opacity);
}

void AVLayerSegment::setShadowOffset(float x, float y)
{
    _setLocked(_style.shadowOffset, {x, y});
}

void AVLayerSegment::setShadowRadius(float radius)
{
    _setLocked(_style.shadowRadius, radius);
}

void AVLayerSegment::setShadowColor(const AVVec4& color)
{
    _setLocked(_style.shadowColor, color);
}

void AVLayerSegment::setBorderStroke(uint8_t on)
{
    _setLocked(_style.borderStroke, on);
}

void AVLayerSegment::setBorderStrokeTolerance(uint32_t percent)
{
    _setLocked(_style.strokeTolerance, percent);
}

void AVLayerSegment::setBorderStrokeStrength(uint32_t percent)
{
    _setLocked(_style.strokeStrength, percent);
}

void AVLayerSegment::setPerspective(uint8_t on)
{
    _setLocked(_style.perspective, on);
}

// The outline's distance field is cached by the change stamp, and keying
// changes the picture it is made from: every key setting stamps it.

void AVLayerSegment::setChromaKeyEnabled(uint8_t on)
{
    _setLocked(_style.chromaKeyEnabled, on);
    setChangeTime(0);
}

void AVLayerSegment::setChromaKeySensitivity(uint32_t percent)
{
    _setLocked(_style.chromaKeySensitivity, percent);
    setChangeTime(0);
}

void AVLayerSegment::setChromaKeySmoothing(uint32_t percent)
{
    _setLocked(_style.chromaKeySmoothing, percent);
    setChangeTime(0);
}

void AVLayerSegment::setChromaKeyColor(const AVVec4& color)
{
    _setLocked(_style.chromaKeyColor, color);
    setChangeTime(0);
}

AVAnimatedValues AVLayerSegment::current() const
{
    QMutexLocker lock(_mutex.get());
    return _current;
}

AVAnimatedValues AVLayerSegment::staticValues() const
{
    QMutexLocker lock(_mutex.get());
    return _static;
}

AVLayerStyle AVLayerSegment::style() const
{
    QMutexLocker lock(_mutex.get());
    return _style;
}
