#include "text/velfont.h"

#include "common/endprocess.h"
#include "text/strokeprogram.h"

#include <cstring>
#include <iostream>

VelFont sharedFont;

namespace {
constexpr int cachedRecords = velfont::fontCount * velfont::slotCount;
}

VelFont::VelFont() : fileName(nullptr), programs(nullptr), programRead(nullptr) {}

VelFont::~VelFont() {
    if (stream.is_open() && stream.good()) stream.close();
    delete[] fileName;
    fileName = nullptr;
    delete[] programs;
    delete[] programRead;
}

void VelFont::setFileName(const char* name) {
    if (!name) name = "";
    if (fileName && std::strcmp(fileName, name) == 0) return;
    const std::size_t length = std::strlen(name);
    char* copy = new char[length + 1];
    std::memcpy(copy, name, length + 1);
    delete[] fileName;
    fileName = copy;

    if (stream.is_open()) stream.close();
    forgetPrograms();
    stream.open(fileName, std::ios::in | std::ios::binary);
    if (stream.fail()) {
        std::cout << "# VelFont::setFontPath(" << fileName << ") error : can't open file "
                  << fileName << "\n";
        std::cout.flush();
        velora::endProcess();
    }
}

int VelFont::operator!() {
    return stream.fail() ? 1 : 0;
}

VelFont::operator std::ifstream&() {
    return stream;
}

bool VelFont::read(long offset, unsigned char* out, int count) {
    stream.seekg(offset, std::ios::beg);
    stream.read(reinterpret_cast<char*>(out), count);
    return !stream.fail() && stream.gcount() == count;
}

const unsigned char* VelFont::program(int font, int slot) {
    if (font < 0 || font >= velfont::fontCount || slot < velfont::firstSlot ||
        slot > velfont::lastSlot)
        return nullptr;
    // A failed stream reads nothing more, kept records included: the text comes out as if
    // every record were read from the file each time.
    if (stream.fail()) return nullptr;
    if (!programs) {
        programs = new unsigned char[cachedRecords * velfont::recordBytes];
        programRead = new bool[cachedRecords]();
    }
    const int index = font * velfont::slotCount + slot - velfont::firstSlot;
    unsigned char* record = programs + index * velfont::recordBytes;
    if (!programRead[index]) {
        if (!read(velfont::programOffset(font, slot), record, velfont::recordBytes)) return nullptr;
        programRead[index] = true;
    }
    return record;
}

void VelFont::forgetPrograms() {
    if (programRead) std::memset(programRead, 0, cachedRecords * sizeof(bool));
}
