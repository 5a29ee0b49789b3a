// shader-scrambler IN OUT: writes IN as base64 of its bytes XORed with the
// engine's default resource key, the form in which shaders are compiled in.

#include "AVResourceText.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN OUT\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "shader-scrambler: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string text =
        base64XorEncode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), nullptr);

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "shader-scrambler: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
