// The effect-colour pass: the layer's input (sampleInput) with the switched
// effects applied, the chroma key, the outline stroke and the layer mask.
// Needs the switches, one input, stroke.glsl, layer_mask.glsl and, with
// the green screen on, chroma_key.glsl before it.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;
uniform vec4 strokeColor;

const vec3 kLuma = vec3(0.2125, 0.7154, 0.0721);

#if SATURATION_COLOR
uniform float saturation;
#endif
#if BRIGHTNESS_COLOR
uniform float brightness;
#endif
#if CONTRAST_COLOR
uniform float contrast;
#endif
#if WHITEBALANCE_COLOR
uniform float temperature;
#endif
#if EXPOSURE_COLOR
uniform float exposure;
#endif
#if HUE_COLOR
uniform float hueAdjust;
#endif
#if RGB_COLOR
uniform float redAdjustment;
uniform float greenAdjustment;
uniform float blueAdjustment;
#endif
#if HIGHLIGHT_SHADOW_COLOR
uniform float shadows;
uniform float highlights;
#endif
#if GAUSSIAN_BLUR_RADIUS > 0
in vec2 blurStepY;
#endif
#if PIXELLATE_EFFECT
uniform float fractionalWidthOfPixel;
uniform float aspectRatio;
#endif
#if REDBLUE_STEREO_EFFECT
uniform float redBlueStereoOffsetX;
uniform float redBlueStereoOffsetY;
#endif
#if VIGNETTE_EFFECT
uniform vec2 vignetteCenter;
uniform vec3 vignetteColor;
uniform float vignetteStart;
uniform float vignetteEnd;
#endif
#if WAVE_EFFECT
uniform float wavePhase;
uniform vec2 waveAmplitude;
uniform float waveIntensity;
#endif
#if NOISE_EFFECT
uniform float noiseTime;
#endif
#if NOISE_2_EFFECT
uniform float noise2Time;
#endif
#if SHARPEN_EFFECT
uniform float sharpness;
in vec2 sharpenLeft;
in vec2 sharpenRight;
in vec2 sharpenTop;
in vec2 sharpenBottom;
#endif

// Effects that move where the picture is read.
vec2 effectCoordinate(vec2 tc)
{
#if WAVE_EFFECT
    tc += vec2(sin(tc.y * waveIntensity + wavePhase), cos(tc.x * waveIntensity + wavePhase)) * waveAmplitude;
#endif
#if PIXELLATE_EFFECT
    vec2 cell = max(vec2(fractionalWidthOfPixel, fractionalWidthOfPixel / max(aspectRatio, 1.0e-4)), vec2(1.0e-4));
    tc = (floor(tc / cell) + 0.5) * cell;
#endif
    return tc;
}

// The input, blurred when the blur is on: a Gaussian over a grid of up to
// 9 x 9 taps spread across the radius.
vec4 sampleFiltered(vec2 tc)
{
#if GAUSSIAN_BLUR_RADIUS > 0
    const int taps = GAUSSIAN_BLUR_RADIUS < 4 ? GAUSSIAN_BLUR_RADIUS : 4;
    const float sigma = float(taps) * 0.5 + 0.5;
    // Across: the step down turned a quarter, as many texels long, so that
    // a picture wider than high is not blurred wider across than down.
    vec2 texels = inputTextureSize();
    vec2 blurStepX = vec2(blurStepY.y * texels.y / texels.x, -blurStepY.x * texels.x / texels.y);
    vec4 sum = vec4(0.0);
    float total = 0.0;
    for (int j = -taps; j <= taps; ++j) {
        for (int i = -taps; i <= taps; ++i) {
            float weight = exp(-float(i * i + j * j) / (2.0 * sigma * sigma));
            sum += sampleInput(tc + float(i) * blurStepX + float(j) * blurStepY) * weight;
            total += weight;
        }
    }
    return sum / total;
#else
    return sampleInput(tc);
#endif
}

vec4 sampleEffects(vec2 tc)
{
#if REDBLUE_STEREO_EFFECT
    vec2 offset = vec2(redBlueStereoOffsetX, redBlueStereoOffsetY);
    vec4 left = sampleFiltered(tc - offset);
    vec4 right = sampleFiltered(tc + offset);
    vec4 colour = vec4(left.r, right.g, right.b, max(left.a, right.a));
#else
    vec4 colour = sampleFiltered(tc);
#endif
#if SHARPEN_EFFECT
    vec4 around = sampleFiltered(sharpenLeft) + sampleFiltered(sharpenRight) + sampleFiltered(sharpenTop)
        + sampleFiltered(sharpenBottom);
    colour = clamp(colour * (1.0 + 4.0 * sharpness) - around * sharpness, 0.0, 1.0);
#endif
    return colour;
}

float noiseAt(vec2 at)
{
    return fract(sin(dot(at, vec2(12.9898, 78.233))) * 43758.5453);
}

// The colour adjustments on straight (not premultiplied) RGB.
vec3 adjustColour(vec3 rgb, vec2 tc)
{
#if EXPOSURE_COLOR
    rgb *= exp2(exposure);
#endif
#if WHITEBALANCE_COLOR
    // Overlay with a warm tone; a negative temperature moves away from it.
    const vec3 warm = vec3(0.93, 0.54, 0.0);
    vec3 overlay = mix(2.0 * rgb * warm, 1.0 - 2.0 * (1.0 - rgb) * (1.0 - warm), step(0.5, rgb));
    rgb = mix(rgb, overlay, temperature);
#endif
#if HUE_COLOR
    float luma = dot(rgb, vec3(0.299, 0.587, 0.114));
    vec2 iq = vec2(dot(rgb, vec3(0.595716, -0.274453, -0.321263)), dot(rgb, vec3(0.211456, -0.522591, 0.311135)));
    float c = cos(hueAdjust);
    float s = sin(hueAdjust);
    iq = vec2(iq.x * c - iq.y * s, iq.x * s + iq.y * c);
    rgb = vec3(luma + 0.9563 * iq.x + 0.621 * iq.y, luma - 0.2721 * iq.x - 0.6474 * iq.y,
               luma - 1.107 * iq.x + 1.7046 * iq.y);
#endif
#if RGB_COLOR
    rgb *= vec3(redAdjustment, greenAdjustment, blueAdjustment);
#endif
#if BRIGHTNESS_COLOR
    rgb += vec3(brightness);
#endif
#if CONTRAST_COLOR
    rgb = (rgb - 0.5) * contrast + 0.5;
#endif
#if HIGHLIGHT_SHADOW_COLOR
    // shadows 0 and highlights 1 leave the picture as it is.
    float level = clamp(dot(rgb, kLuma), 0.0, 1.0);
    float lifted = level + shadows * 0.5 * (1.0 - level) * (1.0 - level) + (highlights - 1.0) * 0.5 * level * level;
    rgb = level > 1.0e-4 ? rgb * (lifted / level) : rgb + vec3(lifted);
#endif
#if SATURATION_COLOR
    rgb = mix(vec3(dot(rgb, kLuma)), rgb, saturation);
#endif
#if INVERT_COLOR_EFFECT
    rgb = 1.0 - clamp(rgb, 0.0, 1.0);
#endif
#if VIGNETTE_EFFECT
    rgb = mix(rgb, vignetteColor, smoothstep(vignetteStart, vignetteEnd, distance(tc, vignetteCenter)));
#endif
#if NOISE_EFFECT
    rgb += vec3(noiseAt(tc + vec2(noiseTime)) - 0.5) * 0.2;
#endif
#if NOISE_2_EFFECT
    // Flickering scan lines with coloured grain.
    rgb *= 0.92 + 0.08 * sin((tc.y + noise2Time) * 900.0);
    rgb += (vec3(noiseAt(tc + noise2Time), noiseAt(tc.yx + noise2Time), noiseAt(tc * 1.7 + noise2Time)) - 0.5) * 0.1;
#endif
    return clamp(rgb, 0.0, 1.0);
}

void main()
{
    vec2 tc = effectCoordinate(textureCoordinate);
    vec4 colour = sampleEffects(tc);
    vec3 rgb = colour.a > 0.0 ? colour.rgb / colour.a : vec3(0.0);
    float alpha = colour.a;
#if GREEN_SCREEN_EFFECT
    alpha *= chromaKeep(rgb);
#endif
    vec4 picture = vec4(adjustColour(rgb, tc) * alpha, alpha);
    float strokeAlpha = strokeColor.a * strokeCoverage(textureCoordinate);
    vec4 stroke = vec4(strokeColor.rgb * strokeAlpha, strokeAlpha);
    fragColor = (picture + stroke * (1.0 - picture.a)) * (opacity * layerMask(textureCoordinate));
}
