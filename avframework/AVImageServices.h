#pragma once

#include "AVPixelBuffer.h"

#include <cstdint>

class QImageReader;

// Pictures for the engine from files and from the application. Every buffer
// returned has format 1: BGRA bytes, premultiplied, top row first.

// The application's picture source (the main window's segment pictures):
// returns malloc'ed premultiplied BGRA rows, top row first, fitted into the
// maximum size, and their size; null when it has none. The engine frees the
// bytes with free.
using AVImageRequestCallback = uint8_t* (*)(void* owner, int32_t segmentId, int32_t timeMs, int32_t maxWidth,
                                            int32_t maxHeight, int32_t* outWidth, int32_t* outHeight);

// Registered by the main window; null unregisters.
void avSetImageRequestCallback(AVImageRequestCallback callback, void* owner);

// The size of the current composition, which pictures are fitted to. The
// engine sets it whenever its composition's size changes; 0 x 0 (the start)
// fits nothing.
void avSetImageServicesCompositionSize(int32_t width, int32_t height);

// Reads a picture file, upright (the file's orientation applied, so the out
// rotation is always 0), in sRGB, decoded at most at the size that fits into
// a square of the composition's larger side. With scaleAfterDecoding the
// full picture is decoded and then scaled smoothly, otherwise the decoder
// decodes at the fitted size. Null with error 2 when the file cannot be read
// as a picture, 1 when decoding fails.
AVPixelBuffer* avReadImageFile(const char* path, int32_t* outRotation, int32_t* outError, bool scaleAfterDecoding);

// Logs why the reader could not read its picture file: its error code, its
// reason and the file. The picture's segment then reports a load error.
void avLogUnreadableImage(const QImageReader& reader);

// Asks the registered callback for a segment's picture at a time, with the
// composition's size as the limit. Null with error 2 when it gives nothing,
// 1 when the size it gives is not positive (the bytes are freed).
AVPixelBuffer* avRequestImage(int32_t segmentId, int32_t timeMs, int32_t* outError);
