// VelFont: the open stroke font file. sharedFont is the one object of it in the library; every
// text renderer reads its widths and glyph programs from there.
#pragma once

#include "common/api.h"

#include <fstream>

class VELORA_API VelFont {
public:
    VelFont();
    ~VelFont();
    VelFont(const VelFont&) = delete;
    VelFont& operator=(const VelFont&) = delete;

    // Makes `name` the open font file; the same name again does nothing. A file that cannot be
    // opened ends the process after a message.
    void setFileName(const char* name);
    // Nonzero once a seek or read has failed; nothing resets it but opening another file.
    int operator!();
    operator std::ifstream&();

    // Reads `count` bytes at `offset` into `out`; false when they could not all be read.
    bool read(long offset, unsigned char* out, int count);
    // The 256-byte stroke program of `slot` (32 ... 127) in `font` (0 ... 2), or null when its
    // record cannot be read in full. Each record is read from the file once per open file and
    // kept, since text draws the same few characters many times over.
    const unsigned char* program(int font, int slot);

private:
    void forgetPrograms();

    char* fileName;
    std::ifstream stream;
    unsigned char* programs; // fontCount x slotCount records, allocated on first use
    bool* programRead;
};

// The font file of the library, shared by every text renderer.
extern VELORA_API VelFont sharedFont;
