#include "support/testfiles.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testing_support {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

unsigned long readLe32(const std::string& bytes, std::size_t at) {
    unsigned long value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

std::string dataPath(const std::string& name) {
    return std::string(VELORA_TEST_DATA) + "/" + name;
}

std::string processFolder(const std::string& name) {
#ifdef _WIN32
    const std::string folder = name + "-" + std::to_string(_getpid());
    _mkdir(folder.c_str());
#else
    const std::string folder = name + "-" + std::to_string(getpid());
    mkdir(folder.c_str(), 0755);
#endif
    return folder;
}

std::string fontDirectory() {
    return VELORA_FONT_DIR;
}

#ifdef _WIN32
bool hasTool(const char*) {
    return false;
}
int runCommand(const std::string&, std::string*) {
    return -1;
}
#else
bool hasTool(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

int runCommand(const std::string& command, std::string* output) {
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        text.append(chunk, got);
    const int status = pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

std::string ghostscriptProblems(const std::string& epsPath, bool cropped) {
    if (!hasTool("gs")) return "";
    std::string output;
    const int status =
        runCommand(std::string("gs -q -dSAFER -dBATCH -dNOPAUSE ") + (cropped ? "-dEPSCrop " : "") +
                       "-sDEVICE=bbox '" + epsPath + "'",
                   &output);
    if (status == 0 && output.find("Error") == std::string::npos) return "";
    return output.empty() ? "gs failed" : output;
}

namespace {
// The number hp2xx reports after `label`, or -1 when the label is missing.
long countAfter(const std::string& report, const std::string& label) {
    const std::size_t at = report.find(label);
    if (at == std::string::npos) return -1;
    return std::strtol(report.c_str() + at + label.size(), nullptr, 10);
}
} // namespace

std::string hp2xxProblems(const std::string& pltPath) {
    if (!hasTool("hp2xx")) return "";
    std::string output;
    const int status =
        runCommand("hp2xx -m eps -f '" + pltPath + ".hp2xx.eps' '" + pltPath + "'", &output);
    // Pens above 8 and dots are reported as unexpected events: limits of hp2xx, not faults of
    // the file. An empty drawing is converted without a report.
    if (status == 0 && countAfter(output, "command(s) ignored:") <= 0) return "";
    return output.empty() ? "hp2xx failed" : output;
}

} // namespace testing_support
