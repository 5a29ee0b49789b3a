// draw-layer: one picture drawn as a layer with every layer property, for a
// reviewer to look at.

#include "DemoCommands.h"
#include "DemoSupport.h"

#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVImageServices.h"
#include "AVLayerDrawState.h"

#include <QColor>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: engine-demo draw-layer --image FILE --size WxH [options] --out PNG\n"
    "placement: --source-rotation 0|90|180|270 --position X,Y --anchor X,Y --scale S|SX,SY\n"
    "           --rotate DEG --rotate-x DEG --rotate-y DEG --perspective --opacity F\n"
    "           --crop X0,Y0,X1,Y1 --feathering L,T,R,B --corners DX0,DY0,DX1,DY1,DX2,DY2,DX3,DY3\n"
    "outline:   --corner-radius PX --border PX --border-color RRGGBB[AA]\n"
    "           --stroke TEXELS --stroke-color RRGGBB[AA] --stroke-tolerance F --stroke-strength F\n"
    "shadow:    --shadow-opacity F --shadow-color RRGGBB[AA] --shadow-offset X,Y --shadow-blur SIGMA\n"
    "chroma:    --chroma RRGGBB --chroma-threshold F --chroma-smoothing F\n"
    "colours (-100..100): --saturation --brightness --contrast --white-balance --exposure --hue\n"
    "           --red --green --blue;  effects: --blur RADIUS --invert\n"
    "           --background RRGGBB[AA] (default transparent)\n";

// The options given, each read once; a malformed value is remembered.
class Options {
public:
    explicit Options(const QStringList& arguments) : _arguments(arguments) {}

    bool has(const QString& name) const { return _arguments.contains(name); }
    QString text(const QString& name) const { return optionText(_arguments, name, QString()); }
    // count numbers separated by commas into out; untouched when absent.
    void numbers(const QString& name, float* out, int count)
    {
        if (!has(name))
            return;
        const QStringList parts = text(name).split(',');
        if (parts.size() != count) {
            fail(name);
            return;
        }
        for (int i = 0; i < count; ++i) {
            bool ok = false;
            const float value = parts.at(i).toFloat(&ok);
            if (!ok || !std::isfinite(value))
                fail(name);
            else
                out[i] = value;
        }
    }
    float number(const QString& name, float fallback)
    {
        numbers(name, &fallback, 1);
        return fallback;
    }
    // RRGGBB or RRGGBBAA into red, green, blue (and alpha when out has 4).
    void colour(const QString& name, float* out, int components)
    {
        if (!has(name))
            return;
        const QString value = text(name);
        const QColor parsed(value.size() == 8 ? "#" + value.right(2) + value.left(6) : "#" + value);
        if (!parsed.isValid() || (value.size() != 6 && value.size() != 8)) {
            fail(name);
            return;
        }
        const float rgba[4] = {float(parsed.redF()), float(parsed.greenF()), float(parsed.blueF()),
                               float(parsed.alphaF())};
        std::copy(rgba, rgba + components, out);
    }
    bool valid() const { return _bad.isEmpty(); }
    const QString& bad() const { return _bad; }

private:
    void fail(const QString& name)
    {
        if (_bad.isEmpty())
            _bad = name;
    }
    QStringList _arguments;
    QString _bad;
};

float degrees(float value)
{
    return value * float(M_PI) / 180.0f;
}

AVLayerDrawState stateFrom(Options& options, int outputWidth)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(uint32_t(options.number("--source-rotation", 0)));
    options.numbers("--position", &state.positionX, 2);
    options.numbers("--anchor", &state.anchorX, 2);
    if (options.text("--scale").contains(','))
        options.numbers("--scale", &state.scaleX, 2);
    else
        state.scaleX = state.scaleY = options.number("--scale", 1.0f);
    state.rotationZ = degrees(options.number("--rotate", 0));
    state.rotationX = degrees(options.number("--rotate-x", 0));
    state.rotationY = degrees(options.number("--rotate-y", 0));
    state.perspective3D = options.has("--perspective") ? 1 : 0;
    state.opacity = options.number("--opacity", 1.0f);
    options.numbers("--crop", state.crop, 4);
    options.numbers("--feathering", state.feathering, 4);
    options.numbers("--corners", state.cornerOffsets, 8);
    state.cornerRadius = options.number("--corner-radius", 0);
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    if (options.has("--stroke")) {
        state.outlineIsStroke = 1;
        state.outlineWidth = options.number("--stroke", 0);  // texels; made a fraction once the size is known
        options.colour("--stroke-color", state.outlineColor, 4);
        state.strokeTolerance = options.number("--stroke-tolerance", 0);
        state.strokeStrength = options.number("--stroke-strength", 0);
    } else {
        state.outlineWidth = options.number("--border", 0) / float(outputWidth);
        options.colour("--border-color", state.outlineColor, 4);
    }
    state.shadowOpacity = options.number("--shadow-opacity", options.has("--shadow-offset") ? 1.0f : 0.0f);
    state.shadowColor[3] = 1.0f;
    options.colour("--shadow-color", state.shadowColor, 4);
    options.numbers("--shadow-offset", &state.shadowOffsetX, 2);
    state.shadowBlur = options.number("--shadow-blur", 0);
    if (options.has("--chroma")) {
        options.colour("--chroma", state.chromaColor, 3);
        state.chromaThreshold = options.number("--chroma-threshold", 0.3f);
        state.chromaSmoothing = options.number("--chroma-smoothing", 0.1f);
    }
    // The nine adjustments of -100..100 as the editor stores them.
    const char* adjustments[9] = {"--saturation", "--brightness", "--contrast", "--white-balance", "--exposure",
                                  "--hue", "--red", "--green", "--blue"};
    int32_t values[9] = {};
    for (int i = 0; i < 9; ++i)
        values[i] = int32_t(options.number(adjustments[i], 0.0f));
    avApplyColourAdjustments(&state, values);
    if (options.has("--blur")) {
        state.effectSwitches.on[kAVEffectBlur] = 1;
        state.effectParams.groups[kAVEffectBlur][0] = options.number("--blur", 0);
    }
    state.effectSwitches.on[8] = options.has("--invert") ? 1 : 0;
    return state;
}

} // namespace

int runDrawLayer(const QStringList& arguments)
{
    Options options(arguments);
    int width = 0, height = 0;
    const QString image = options.text("--image"), out = options.text("--out");
    if (image.isEmpty() || out.isEmpty() || !parseSize(options.text("--size"), &width, &height)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    AVLayerDrawState state = stateFrom(options, width);
    float background[4] = {0, 0, 0, 0};
    options.colour("--background", background, 4);
    if (!options.valid()) {
        std::fprintf(stderr, "engine-demo: bad value for %s\n%s", qPrintable(options.bad()), kUsage);
        return 2;
    }
    int32_t rotation = 0, error = 0;
    AVPixelBuffer* picture = avReadImageFile(image.toUtf8().constData(), &rotation, &error, false);
    if (!picture) {
        std::fprintf(stderr, "engine-demo: cannot read %s (error %d)\n", qPrintable(image), error);
        return 1;
    }
    DemoDrawing drawing;
    const int pictureWidth = int(picture->width), pictureHeight = int(picture->height);
    if (!drawing.isDrawing() || pictureWidth > drawing.renderer()->maxTextureSize
        || pictureHeight > drawing.renderer()->maxTextureSize || width > drawing.renderer()->maxTextureSize
        || height > drawing.renderer()->maxTextureSize) {
        if (drawing.isDrawing())
            std::fprintf(stderr, "engine-demo: larger than the largest texture\n");
        avPixelBufferFree(picture);
        return 1;
    }
    if (state.outlineIsStroke)
        state.outlineWidth /= float(pictureWidth);
    AVGLTexture* texture = avTextureCreateRGBA(pictureWidth, pictureHeight);
    avTextureUploadBGRA(texture, picture->data, pictureWidth, pictureHeight, false);
    avPixelBufferFree(picture);
    AVGLFramebuffer* framebuffer = avFramebufferCreate(width, height, false);
    AVGLRenderer::bindFramebuffer(drawing.renderer(), framebuffer);
    AVGLRenderer::clear(drawing.renderer(), background[0] * background[3], background[1] * background[3],
                        background[2] * background[3], background[3]);
    AVGLRenderer::drawLayerTexture(drawing.renderer(), 1, 1, texture, 0, 0, &state, true);
    int32_t stride = 0;
    uint8_t* pixels = avReadPixels(framebuffer->color, &stride);
    avFramebufferFree(framebuffer);
    avTextureFree(texture);
    // The layer pass keeps the picture's top in framebuffer row 0, the
    // first row read back.
    const bool saved = pixels
        && QImage(pixels, width, height, stride, QImage::Format_ARGB32_Premultiplied, std::free, pixels).save(out);
    if (!saved) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("drew %s as a layer into %dx%d %s\n", qPrintable(image), width, height, qPrintable(out));
    return 0;
}
