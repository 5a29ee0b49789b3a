#pragma once

#include <QStringList>

// Each command takes its own arguments (without the command name) and
// returns the process exit code.

// easing [TYPE] [--steps N]: samples one curve, or all thirty.
int runEasing(const QStringList& arguments);
// animate: evaluates one animation group on a segment over its duration.
int runAnimate(const QStringList& arguments);
// gl-info: the engine context's OpenGL version, limits and program build time.
int runGlInfo(const QStringList& arguments);
// fill IN OUT: uploads a picture, draws it into a framebuffer, reads it back.
int runFill(const QStringList& arguments);
// probe FILE [--out DIR]: media facts of a file and its 16 thumbnails as PNG.
int runProbe(const QStringList& arguments);
// decode-audio IN [--scale S] [--pitch P] --out OUT.wav: the engine's sound output as a WAV file.
int runDecodeAudio(const QStringList& arguments);
// segment-frames FILE [--in S] [--length S] [--duration S] --times T,...:
// the frame a video segment shows at each composition time.
int runSegmentFrames(const QStringList& arguments);
// draw-layer --image FILE --size WxH [options] --out PNG: a picture drawn as one layer with its properties.
int runDrawLayer(const QStringList& arguments);
// tone [--seconds N]: a generated tone played through the sound output, printing its states.
int runTone(const QStringList& arguments);
// compose --video FILE [--image FILE] [--text TEXT] --at S --size WxH --out PNG:
// the composition of a movie, a picture and a text at a time.
int runCompose(const QStringList& arguments);
// mix --audio FILE [--audio FILE ...] [--video FILE] [--volume V] --duration S --out WAV:
// the composition's mixed sound.
int runMix(const QStringList& arguments);
// export --video FILE [--music FILE] --size WxH --fps N --codec C [--at S] OUT:
// the composition of a placed movie (and music) exported as a movie file.
int runExport(const QStringList& arguments);
// play --video FILE [--music FILE] --seconds N --screenshot PNG: the engine set
// up as the editor sets it up, playing in a window; saves a screenshot.
int runPlay(const QStringList& arguments);
