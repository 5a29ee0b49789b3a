// Effects of this program: the renderer turns a 0 below into 1 for each
// effect that is on, and writes the blur radius (up to two digits, after a
// space so that no radius reads as an octal number).
#define SATURATION_COLOR 0
#define BRIGHTNESS_COLOR 0
#define CONTRAST_COLOR 0
#define WHITEBALANCE_COLOR 0
#define EXPOSURE_COLOR 0
#define HUE_COLOR 0
#define RGB_COLOR 0
#define HIGHLIGHT_SHADOW_COLOR 0
#define INVERT_COLOR_EFFECT 0
#define GAUSSIAN_BLUR_RADIUS  0
#define PIXELLATE_EFFECT 0
#define REDBLUE_STEREO_EFFECT 0
#define VIGNETTE_EFFECT 0
#define WAVE_EFFECT 0
#define NOISE_EFFECT 0
#define NOISE_2_EFFECT 0
#define SHARPEN_EFFECT 0
#define GREEN_SCREEN_EFFECT 0
