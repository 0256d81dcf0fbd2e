#include "common/outputfile.h"

namespace velora {

OutputFile::~OutputFile() {
    close();
}

bool OutputFile::open(const char* name) {
    close();
    file = std::fopen(name, "wb");
    if (!file) return false;
    used = 0;
    return true;
}

void OutputFile::makeRoom(std::size_t) {
    if (used > 0 && file) std::fwrite(buffer, 1, used, file);
    used = 0;
}

void OutputFile::seek(long offset) {
    makeRoom(0);
    if (file) std::fseek(file, offset, SEEK_SET);
}

void OutputFile::close() {
    if (!file) return;
    makeRoom(0);
    std::fclose(file);
    file = nullptr;
}

} // namespace velora
