// shader-scrambler IN OUT: writes IN as base64 of its bytes XORed with the
// engine's default resource key, the form in which shaders are compiled in.
// A line `#include "NAME"` is replaced by the file NAME beside IN, so that
// functions several shaders share are written once.

#include "AVResourceText.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

bool readFile(const std::string& path, std::string* bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The source with every include line replaced by the named file's text.
bool expandIncludes(const std::string& source, const std::string& folder, std::string* expanded)
{
    const std::string directive = "#include \"";
    if (source.find(directive) == std::string::npos) {
        *expanded = source;
        return true;
    }
    std::istringstream lines(source);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t close = line.rfind('"');
        if (line.compare(0, directive.size(), directive) != 0 || close < directive.size()) {
            *expanded += line + "\n";
            continue;
        }
        const std::string name = line.substr(directive.size(), close - directive.size());
        std::string included;
        if (!readFile(folder + name, &included)) {
            std::fprintf(stderr, "shader-scrambler: cannot read included %s%s\n", folder.c_str(), name.c_str());
            return false;
        }
        *expanded += included;
        // An included file's last line must not run into the next line.
        if (!included.empty() && included.back() != '\n')
            *expanded += '\n';
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN OUT\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    std::string source;
    if (!readFile(path, &source)) {
        std::fprintf(stderr, "shader-scrambler: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string bytes;
    if (!expandIncludes(source, path.substr(0, path.find_last_of('/') + 1), &bytes))
        return 1;
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
