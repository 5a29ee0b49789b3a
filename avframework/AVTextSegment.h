#pragma once

#include "AVLayerSegment.h"

#include <atomic>
#include <memory>
#include <string>

// A text on the canvas. The text and its style are rasterised into the
// layer's picture when the segment wakes after a change; the next
// preparation swaps the texture for it. The picture keeps its own pixel
// size on the canvas: the layer draw fits it into the layer, so the current
// scale and position undo that fit (and the anchor's share of it).
//
// Note the two sizes: AVTextSegment::setSize, width and height are the text
// box the raster is made at; AVLayerSegment's are the layer (canvas) size.
class AVTextSegment : public AVLayerSegment {
public:
    static constexpr float kDefaultFontScale = 0.09375f;

    AVTextSegment(double start, double duration, const char* text, uint32_t boxWidth, uint32_t boxHeight,
                  uint32_t layerWidth, uint32_t layerHeight);
    ~AVTextSegment() override;

    void sleep(bool exporting) override;
    // Rasterises the text when something changed (or nothing is left of the
    // last picture); status 0 with a picture, -113 when the rasteriser fails.
    void wake() override;
    void prepareAt(double time, bool drawFlag, bool playing) override;
    bool isText() const override { return true; }
    void setImage(AVPixelBuffer* buffer) override;
    uint32_t pictureRotation() const override { return 0; }
    void setScale(float x, float y) override;
    // A text's border is its outline; it has no rounded corners.
    void setBorderWidth(float width) override;
    void setBorderColor(const AVVec4& color) override;
    void setCornerRadius(float) override {}

    // Null or empty: nothing is drawn.
    void setText(const char* text);
    // A name of 128 bytes or more changes nothing; a style of 32 or more
    // keeps the old style.
    void setFont(const char* name, const char* style);
    void setFontScale(float scale);  // font pixel size / layer width
    float fontScale() const;
    void setTextColor(const AVVec4& color);
    void setAlignment(uint32_t alignment);  // 1 centre, 2 right, other left
    void setOutlineWidth(float percent);    // of the font pixel size
    void setOutlineColor(const AVVec4& color);
    void setBackColor(const AVVec4& color);
    void setBackInset(float inset);         // fraction of the layer width
    void setBackCorner(float corner);

    void setSize(uint32_t boxWidth, uint32_t boxHeight);
    uint32_t width() const { return _boxWidth.load(); }
    uint32_t height() const { return _boxHeight.load(); }

    // The raster's size (box x static scale) fitted into the layer, as the
    // draw fits it. False, with the sizes untouched, while either is 0. The
    // caller holds the layer mutex (the static scale is read).
    bool fittedSize(double* fitWidth, double* fitHeight) const;
    // A scale value as it must be written for the picture to appear at that
    // scale of its own pixel size. Layer mutex held.
    AVFloatPair convertedScale(AVFloatPair scale) const;
    // A position moved so that the anchor turns the picture about the same
    // point as it would on an unfitted layer. Layer mutex held.
    AVFloatPair anchoredPosition(AVFloatPair position, AVFloatPair anchor) const;

protected:
    void _resetCurrentValues() override;

private:
    // What the raster is made from; copied out under the text mutex.
    struct Style {
        std::string text;
        float fontScale = kDefaultFontScale;
        AVVec4 textColor{1.0f, 1.0f, 1.0f, 1.0f};
        std::string fontName;
        std::string fontStyle;
        uint32_t alignment = 0;
        float outlineWidth = 0.0f;
        AVVec4 outlineColor{0.0f, 0.0f, 0.0f, 1.0f};
        AVVec4 backColor{0.0f, 0.0f, 0.0f, 0.0f};
        float backInset = 0.0f;
        float backCorner = 0.0f;
    };

    // Changes the style under the text mutex and marks the text dirty.
    template <typename Change>
    void _changeStyle(Change change);
    AVPixelBuffer* _render(const Style& style) const;

    std::unique_ptr<AVMutex> _textMutex;
    Style _style;
    std::atomic<uint32_t> _boxWidth;
    std::atomic<uint32_t> _boxHeight;
    std::atomic<bool> _dirty{true};
    bool _picturePending = false;  // a new raster replaces the texture at the next preparation
};
