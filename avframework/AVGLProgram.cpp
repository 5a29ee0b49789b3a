#include "AVGLProgram.h"

#include "AVGLContext.h"

#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Room for a source rewritten for medium precision.
constexpr size_t kRewrittenSourceCapacity = 131072;

const char* const kUniformNames[kAVUniformSlotCount] = {
    "Sampler", "SamplerY", "SamplerU", "SamplerV", "shadowSampler", "depthSampler", "renderTransform",
    "projectionTransform", "opacity", nullptr, "drawBorderColor", nullptr, nullptr, nullptr, "drawShadowOpacity",
    "drawShadowColor", "width", "height", nullptr, nullptr, "rt_w", "rt_h", "saturation", "brightness",
    "contrast", "temperature", "exposure", "hueAdjust", "redAdjustment", "greenAdjustment", "blueAdjustment",
    "shadows", "highlights", "texelWidthOffset", "texelHeightOffset", "fractionalWidthOfPixel", "aspectRatio",
    "redBlueStereoOffsetX", "redBlueStereoOffsetY", "vignetteCenter", "vignetteColor", "vignetteStart",
    "vignetteEnd", "wavePhase", "waveAmplitude", "waveIntensity", "noiseTime", "noise2Time", "imageWidthFactor",
    "imageHeightFactor", "sharpness", "thresholdSensitivity", "smoothing", "colorToReplace", nullptr, nullptr,
    "strokeTolerance", "strokeColor", "strokeStrength", "sdfTexture", "strokeWidth", "maxDistance",
    "sdfDownsampleFactor", "inputTexture", "seedTexture", "originalTexture", "textureSize", "stepSize",
    "colorRange", "colorSpace", "isSt2084", "isAribB67", "feathering", "texCoordBounds", "cornerRadius",
};

std::string withMediumPrecision(const char* source)
{
    std::string text(source);
    for (size_t at = text.find("highp"); at != std::string::npos; at = text.find("highp", at + 7))
        text.replace(at, 5, "mediump");
    return text;
}

bool compiles(QOpenGLFunctions_3_2_Core* gl, GLuint shader, const char* source)
{
    gl->glShaderSource(shader, 1, &source, nullptr);
    gl->glCompileShader(shader);
    GLint status = GL_FALSE;
    gl->glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    return status == GL_TRUE;
}

void setProjection(const int32_t* locations, const double matrix[16])
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return;
    GLfloat values[16];
    for (int i = 0; i < 16; ++i)
        values[i] = GLfloat(matrix[i]);
    gl->glUniformMatrix4fv(locations[AVUniformProjectionTransform], 1, GL_FALSE, values);
}

} // namespace

const char* avUniformName(int slot)
{
    return slot >= 0 && slot < kAVUniformSlotCount ? kUniformNames[slot] : nullptr;
}

bool avCompileShader(uint32_t* shader, uint32_t type, const char* source, AVTraceHook report)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const char* kind = type == GL_VERTEX_SHADER ? "vertex" : "fragment";
    if (!gl || !source) {
        avTraceTo(report, "Failed to load %s shader: Empty source string", kind);
        return false;
    }
    *shader = gl->glCreateShader(type);
    if (compiles(gl, *shader, source))
        return true;
    const std::string rewritten = withMediumPrecision(source);
    if (rewritten.size() < kRewrittenSourceCapacity && compiles(gl, *shader, rewritten.c_str()))
        return true;
    avTraceTo(report, "Failed to compile %s shader", kind);
    gl->glDeleteShader(*shader);
    *shader = 0;
    return false;
}

int avLinkProgram(uint32_t program)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return GL_FALSE;
    gl->glLinkProgram(program);
    GLint status = GL_FALSE;
    gl->glGetProgramiv(program, GL_LINK_STATUS, &status);
    return status;
}

uint32_t avBuildProgram(const char* vertexSource, const char* fragmentSource, const AVUniformRequest* uniforms,
                        size_t uniformCount, int32_t* locations, bool bindTexCoord, AVTraceHook report)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return 0;
    // Location 0 is a real uniform of the program; a slot it does not ask
    // for holds -1, which GL ignores, so that setting it changes nothing.
    std::fill(locations, locations + kAVUniformSlotCount, -1);
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    if (!avCompileShader(&vertexShader, GL_VERTEX_SHADER, vertexSource, report))
        return 0;
    if (!avCompileShader(&fragmentShader, GL_FRAGMENT_SHADER, fragmentSource, report)) {
        gl->glDeleteShader(vertexShader);
        return 0;
    }
    GLuint program = gl->glCreateProgram();
    gl->glAttachShader(program, vertexShader);
    gl->glAttachShader(program, fragmentShader);
    gl->glBindAttribLocation(program, 0, "position");
    if (bindTexCoord)
        gl->glBindAttribLocation(program, 1, "texCoord");
    if (avLinkProgram(program) == GL_TRUE) {
        for (size_t i = 0; i < uniformCount; ++i) {
            const char* name = uniforms[i].name ? uniforms[i].name : avUniformName(uniforms[i].slot);
            locations[uniforms[i].slot] = gl->glGetUniformLocation(program, name);
        }
        gl->glDetachShader(program, vertexShader);
        gl->glDetachShader(program, fragmentShader);
    } else {
        avTraceTo(report, "Failed to link program: %u", program);
        gl->glDeleteProgram(program);
        program = 0;
    }
    gl->glDeleteShader(vertexShader);
    gl->glDeleteShader(fragmentShader);
    return program;
}

void avSetOrthoProjection(const int32_t* locations, float width, float height)
{
    const double left = -width / 2.0, right = width / 2.0;
    const double bottom = -height / 2.0, top = height / 2.0;
    const double nearPlane = -double(width), farPlane = 1.001 * width;
    const double matrix[16] = {
        2.0 / (right - left), 0, 0, 0,
        0, 2.0 / (top - bottom), 0, 0,
        0, 0, -2.0 / (farPlane - nearPlane), 0,
        0, 0, -(farPlane + nearPlane) / (farPlane - nearPlane), 1,
    };
    setProjection(locations, matrix);
}

void avSetPerspectiveProjection(const int32_t* locations, float width, float height)
{
    const double halfFieldOfView = 0.17453292;  // 10 degrees
    const double focal = 1.0 / std::tan(halfFieldOfView);
    const double distance = (height / 2.0) * focal;
    const double nearPlane = 0.1 * distance, farPlane = 3.0 * distance;
    const double aspect = double(width) / height;
    const double matrix[16] = {
        focal / aspect, 0, 0, 0,
        0, focal, 0, 0,
        0, 0, (farPlane + nearPlane) / (nearPlane - farPlane), -1,
        0, 0, 2.0 * farPlane * nearPlane / (nearPlane - farPlane), 0,
    };
    setProjection(locations, matrix);
}
