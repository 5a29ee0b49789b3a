#pragma once

// How decoded pictures are laid out in video frame entries, and the picture
// operations of the video stream: conversion to BGRA, quarter turns and the
// rotation a file asks for.

#include "AVFFmpegPointers.h"
#include "AVStreamBase.h"

#include <cstdint>

// Format codes of video frame entries: the decoded layouts the renderer takes
// as they are, and BGRA for everything else. An entry of the first kind
// holds the decoded picture itself, each plane at the decoder's line size;
// the layouts below are those of the one block popFrame packs it into.
enum AVVideoFrameFormat : uint32_t {
    AVVideoFrameBGRA = 0,       // premultiplied BGRA at the output size; stride in pixels
    AVVideoFrameYUV420P = 1,    // Y, then U and V planes of pitch stride / 2
    AVVideoFrameUYVY422 = 2,    // one packed plane; stride in pixels
    AVVideoFrameNV12 = 3,       // Y, then interleaved UV of pitch stride
    AVVideoFrameP010 = 7,       // as NV12 with 16-bit samples
    AVVideoFrameYUV420P10 = 8,  // as YUV420P with 16-bit samples
};
// Chroma planes hold (height + 1) / 2 rows.

// Colour codes of video frame entries, added up: the units digit is the
// transfer, the tens digit the range and the hundreds digit the matrix
// (BT.709 unless it is set; HDR pictures keep their own).
enum AVVideoFrameColour : uint32_t {
    AVVideoColourDefault = 0,
    AVVideoTransferPQ = 1,      // SMPTE ST 2084
    AVVideoTransferHLG = 2,     // ARIB STD-B67
    AVVideoColourFullRange = 10,
    AVVideoMatrixBT601 = 100,
};

// Whether the frame's Y'CbCr is BT.601: tagged so, or untagged at standard
// definition (up to 576 lines), as players read such files.
bool avUsesBT601(const AVFrame* frame);

// Fills entry's size, stride, width, height, format and colour for a decoded
// frame, and either its picture or its data. A frame in one of the layouts
// above whose planes the textures can take as they lie goes itself: its
// reference moves into the picture, leaving frame blank. Any other becomes
// BGRA data at outputWidth x outputHeight through scaler (made or remade as
// needed). False, and the frame dropped, when neither can be made.
bool avBuildVideoEntry(AVFrame* frame, int outputWidth, int outputHeight, SwsContextPtr& scaler,
                       AVStreamFrame& entry);
// The planes of an entry's picture in one malloc'ed block of the entry's
// size, laid out as the codes above describe (chroma rows of half the luma
// pitch, or of all of it when interleaved); null on failure.
uint8_t* avPackPicture(const AVFrame* picture);
// The frame as premultiplied BGRA rows at width x height (bilinear), malloc'ed;
// null on failure.
uint8_t* avConvertToBGRA(const AVFrame* frame, int width, int height, SwsContextPtr& scaler);
// Turns BGRA pixels clockwise by rotation degrees (90, 180 or 270; others
// leave them), swapping width and height for quarter turns. Frees the input;
// null stays null.
uint8_t* avRotateBGRA(uint8_t* pixels, int32_t* width, int32_t* height, uint32_t rotation);
// Clockwise degrees (0, 90, 180, 270) from the stream's display matrix, else
// from its "rotate" tag.
uint32_t avStreamRotation(const AVStream* stream);
