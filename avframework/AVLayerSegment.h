#pragma once

#include "AVAnimatedValues.h"
#include "AVGeometry.h"
#include "AVSegment.h"

#include <atomic>
#include <cstdint>
#include <memory>

struct AVGLTexture;
struct AVPixelBuffer;

// The layer properties that are not animated: set by property id, read by
// the composition when it builds the layer's drawing parameters.
struct AVLayerStyle {
    float borderWidth = 0.0f;             // no border while 0 or less
    AVVec4 borderColor{0.0f, 0.0f, 0.0f, 1.0f};
    float cornerRadius = 0.0f;            // fraction of the canvas dimension
    float shadowOpacity = 0.0f;           // 0..1
    AVFloatPair shadowOffset{0.0f, 0.0f}; // fractions of the canvas dimension
    float shadowRadius = 0.0f;            // fraction of the canvas dimension
    AVVec4 shadowColor{0.0f, 0.0f, 0.0f, 1.0f};
    uint8_t borderStroke = 0;             // outline the opaque content instead of the rectangle
    uint32_t strokeTolerance = 0;         // percent
    uint32_t strokeStrength = 0;          // percent
    uint8_t chromaKeyEnabled = 0;
    uint32_t chromaKeySensitivity = 0;    // percent
    uint32_t chromaKeySmoothing = 0;      // percent
    AVVec4 chromaKeyColor{0.0f, 0.0f, 0.0f, 1.0f};
    uint8_t perspective = 0;              // corner offsets apply while set
};

// Every visual item of the composition: a picture (an image buffer in memory
// and its texture) and the visual properties the user edits and animates.
// Each animated property has a static value, set by property id, and a
// current value that every preparation resets from the static one and then
// lets the transitions overwrite; the draw reads the current values.
//
// One mutex guards the properties, the animation list (handed to the base)
// and the evaluation, so a render thread never sees a half-written
// transform. Textures are made and freed only on the drawing thread
// (preparation, sleep, destruction in a drawing pass).
class AVLayerSegment : public AVSegment {
public:
    AVLayerSegment(double start, uint32_t width, uint32_t height);
    AVLayerSegment(double start, double duration, uint32_t width, uint32_t height);
    ~AVLayerSegment() override;

    void prepareAt(double time, bool drawFlag, bool playing) override;
    bool isVisual() const override { return true; }
    int seekTo(double time, bool force) override;
    AVAnimatedValues* currentValues() override { return &_current; }

    // The picture in memory (owned; may be null).
    virtual AVPixelBuffer* image() const;
    // Replaces the picture (the old one is freed); a buffer's size becomes the
    // image size, null leaves the image size as it was.
    virtual void setImage(AVPixelBuffer* buffer);
    // Uploads 32-bit pixels of width x height into the texture, or without
    // data zeroes the image size and frees the texture. The change stamp
    // becomes stamp, or now when it is 0. format is the pixels' colour code
    // for the video layer's planar frames; the layer takes BGRA only.
    virtual void setPixels(const uint8_t* data, uint32_t width, uint32_t height, uint32_t format, uint64_t stamp);
    // Uploads the picture in memory into the texture, or without one zeroes
    // the image size and frees the texture; stamps the change time.
    virtual void uploadImage();
    // Clockwise degrees the picture is stored turned by (videos).
    virtual uint32_t pictureRotation() const;
    virtual void setScale(float x, float y);
    virtual void setBorderWidth(float width);
    virtual void setBorderColor(const AVVec4& color);
    virtual void setCornerRadius(float radius);
    virtual void setShadowOpacity(float opacity);
    virtual void setShadowOffset(float x, float y);

    // Static values by property id.
    void setTransparency(float transparency);  // clamped to 0..1
    void setPosition(float x, float y);
    void setRotation(float degrees);
    void setRotationX(float degrees);
    void setRotationY(float degrees);
    void setAnchor(float x, float y);
    void setCropTopLeft(float x, float y);
    void setCropBottomRight(float x, float y);
    void setEffectColor(uint32_t index, int32_t value);  // index 20 or more ignored
    void setPointOffset(uint32_t corner, float x, float y);  // corner 4 or more ignored
    void setFeathering(uint32_t side, float value);          // X0, Y0, X1, Y1; 4 or more ignored
    void setBorderStroke(uint8_t on);
    void setBorderStrokeTolerance(uint32_t percent);
    void setBorderStrokeStrength(uint32_t percent);
    void setChromaKeyEnabled(uint8_t on);
    void setChromaKeySensitivity(uint32_t percent);
    void setChromaKeySmoothing(uint32_t percent);
    void setChromaKeyColor(const AVVec4& color);
    void setShadowRadius(float radius);
    void setShadowColor(const AVVec4& color);
    void setPerspective(uint8_t on);

    // Consistent copies, taken under the layer mutex.
    AVAnimatedValues current() const;
    AVAnimatedValues staticValues() const;
    AVLayerStyle style() const;
    // The static scale; read it while holding the layer mutex (transitions
    // do, inside an evaluation).
    const AVFloatPair* scalePtr() const { return &_static.scale; }

    uint32_t width() const { return _width.load(); }
    uint32_t height() const { return _height.load(); }
    void setSize(uint32_t width, uint32_t height);
    uint32_t imageWidth() const { return _imageWidth.load(); }
    uint32_t imageHeight() const { return _imageHeight.load(); }
    AVGLTexture* texture() const { return _texture; }
    // Microseconds of the engine clock when the texture content last changed.
    uint64_t changeTime() const { return _changeTime.load(); }
    void setChangeTime(uint64_t stamp);

protected:
    // Whether the layer is prepared at time: it has a texture and a picture
    // size, and start <= time < start + duration.
    bool _isPreparableAt(double time) const;
    // Resets the current values from the static ones and applies the
    // transitions at the time, under the layer mutex.
    void _evaluateAt(double time);
    // Copies the static values into the current ones; the caller holds the
    // layer mutex. The text layer adds its placement.
    virtual void _resetCurrentValues();
    // Frees the texture unless it is an RGBA texture made for width x height:
    // uploads never grow a storage, so a picture of another size needs a new one.
    void _dropTextureUnlessSized(uint32_t width, uint32_t height);
    void _freeTexture();
    void _setImageSize(uint32_t width, uint32_t height);

    AVAnimatedValues _static;
    AVAnimatedValues _current;
    // The picture's texture; the video layer keeps its first plane here.
    AVGLTexture* _texture = nullptr;

private:
    // Stores one property under the layer mutex.
    template <typename Value>
    void _setLocked(Value& field, const Value& value);

    std::unique_ptr<AVMutex> _mutex;
    AVLayerStyle _style;
    AVPixelBuffer* _image = nullptr;
    std::atomic<uint32_t> _imageWidth{0};
    std::atomic<uint32_t> _imageHeight{0};
    std::atomic<uint32_t> _width;
    std::atomic<uint32_t> _height;
    std::atomic<uint64_t> _changeTime{0};
};
