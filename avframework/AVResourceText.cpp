#include "AVResourceText.h"

const uint8_t kAVDefaultResourceKey[4] = {0x5e, 0x71, 0xc2, 0x08};

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A character code of 123 ('{') or above ends the input.
bool endsInput(unsigned char c) { return c >= 123; }

// Characters outside the alphabet (line breaks among them) count as 0.
uint32_t sextet(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return 0;
}

} // namespace

int32_t base64XorDecode(const char* text, int length, uint8_t* output, const uint8_t* key)
{
    if (!text || length <= 0)
        return 0;
    if (text[length - 1] == '\0')
        --length;
    if (!key)
        key = kAVDefaultResourceKey;

    const auto* in = reinterpret_cast<const unsigned char*>(text);
    if (length == 0 || in[0] == '=')
        return 0;

    int32_t written = 0;
    int pos = 0;
    int keyPos = 0;
    while (pos < length && in[pos] != '=' && !endsInput(in[pos])) {
        uint32_t acc = 0;
        int n = 0;
        while (n < 4 && pos < length && in[pos] != '=' && !endsInput(in[pos])) {
            acc = (acc << 6) | sextet(in[pos]);
            ++n;
            ++pos;
        }
        // A short group (ended by '=' or by the end of the input) carries
        // n - 1 bytes; align its bits at the top of the 24-bit group.
        acc <<= 6 * (4 - n);
        const int bytes = n - 1;
        for (int i = 0; i < bytes; ++i) {
            if (output)
                output[written] = static_cast<uint8_t>((acc >> (16 - 8 * i)) & 0xff) ^ key[keyPos];
            keyPos = (keyPos + 1) % 4;
            ++written;
        }
        if (n < 4)
            break;
    }
    return written;
}

std::string base64XorEncode(const uint8_t* data, size_t length, const uint8_t* key)
{
    if (!key)
        key = kAVDefaultResourceKey;
    std::string out;
    out.reserve((length + 2) / 3 * 4);
    for (size_t i = 0; i < length; i += 3) {
        const size_t n = length - i < 3 ? length - i : 3;
        uint32_t acc = 0;
        for (size_t k = 0; k < 3; ++k) {
            const uint32_t byte = k < n ? (data[i + k] ^ key[(i + k) % 4]) : 0;
            acc = (acc << 8) | byte;
        }
        for (size_t k = 0; k < 4; ++k)
            out += k <= n ? kAlphabet[(acc >> (18 - 6 * k)) & 0x3f] : '=';
    }
    return out;
}
