#pragma once

#include <cstdint>

struct AVGLRenderer;

// Reads the compiled-in shader ":/shaders/shaders/<name>" (stored scrambled)
// and decodes it into buffer with a terminating zero. Returns the decoded
// length, or 0 when the resource is missing or empty, or when its stored
// text is not shorter than the capacity. The renderer is not used.
int32_t avLoadShaderSource(AVGLRenderer* renderer, const char* name, char* buffer, int32_t capacity);
