#pragma once

#include <cstdint>
#include <string>

// Compiled-in text resources (the GLSL sources) are stored as base64 of the
// bytes XORed with a repeating 4-byte key, so they do not sit in the binary
// as plain text.

// The key used when the caller passes none: the bytes 5e 71 c2 08.
extern const uint8_t kAVDefaultResourceKey[4];

// Decodes `text` (length bytes; a trailing NUL inside the length is ignored).
// With a null `output` it only returns the number of bytes the decoding
// produces; with an output it writes exactly that many bytes and returns the
// count. Sizing and decoding run the same loop, so a buffer sized by the
// first call is never overrun by the second. `key` may be null (default key).
int32_t base64XorDecode(const char* text, int length, uint8_t* output, const uint8_t* key);

// The inverse: XOR with the repeating key from key position 0, then standard
// base64 with padding and without line breaks.
std::string base64XorEncode(const uint8_t* data, size_t length, const uint8_t* key);
