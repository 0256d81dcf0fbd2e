// Writes the seed corpora of the fuzz harnesses from the library's own output: EPS files the
// desk writes, BMP files the images save, pieces of the generated font file, and the programs
// of the drawing harness (drawingseeds.cpp).
// Usage: fuzz_seeds <corpus folder> <Velfont.bin>
#include "desk/desk.h"
#include "drawingseeds.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/symbol.h"
#include "text/fontclass.h"
#include "text/strokeprogram.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>

namespace {

std::filesystem::path corpus;
std::string fontFolder;

// The EPS file a drawing makes, written as corpus/eps/<name>.eps.
void eps(const char* name, const std::function<void(desk&)>& figure, int devices = EPS) {
    const std::filesystem::path folder = corpus / "eps";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    desk d;
    d.open(devices, path.c_str());
    d.setfontpath(fontFolder.c_str());
    figure(d);
    d.close();
}

void greyPicture(desk& d, int width, int height) {
    bitmap b(width, height);
    for (int k = 0; k < width * height; ++k)
        b[k / width][k % width] = static_cast<unsigned char>(k * 37);
    d.putbmp(10, 10, 30, 25, b);
}

void colourPicture(desk& d, int width, int height) {
    bitmap24 b(width, height);
    for (short r = 0; r < height; ++r)
        for (short c = 0; c < width; ++c) {
            unsigned char* pixel = b(r, c);
            pixel[0] = static_cast<unsigned char>(40 * r);
            pixel[1] = static_cast<unsigned char>(30 * c);
            pixel[2] = static_cast<unsigned char>(255 - 20 * (r + c));
        }
    d.putbmp(40.5f, 12.25f, 70.1f, 33.3f, b);
}

void writeEpsSeeds() {
    eps("empty", [](desk&) {});
    eps("line", [](desk& d) { d.line(10, 10, 20, 20, -1); });
    eps("colours", [](desk& d) {
        for (int c = 0; c < 16; ++c)
            d.line(5 + 8 * c, 10, 5 + 8 * c, 90, c);
    });
    eps("widths", [](desk& d) {
        const float widths[] = {0.1f, 0.3f, 1.0f, 2.5f};
        for (int i = 0; i < 4; ++i) {
            d.setpenwidth(widths[i]);
            d.rec(10 + 20 * i, 10, 25 + 20 * i, 40, i + 1);
        }
    });
    eps("figures", [](desk& d) {
        d.pset(66.6f, 33.3f, 4);
        d.vector(10, 90, 40, 80, 6, 2);
        d.setviewport(20.2f, 15.7f, 110.9f, 85.3f);
        d.move(0, 0);
        d.draw(133, 100, 5);
        d.frameviewport(9);
    });
    eps("symbols", [](desk& d) {
        symbol s(d);
        for (int shape = 0; shape < 10; ++shape)
            s.put(10 + 12 * shape, 50, shape + 16 * (shape % 3), shape, 1.5f);
    });
    eps("text", [](desk& d) {
        fontclass text(d);
        text.hwrite(10, 50, "x^2 + $a$", 3, FONT_ROMAN, 3, 1, 1);
    });
    eps("grey", [](desk& d) { greyPicture(d, 8, 2); });
    eps("colour", [](desk& d) { colourPicture(d, 8, 3); });
    eps("pictures", [](desk& d) {
        greyPicture(d, 16, 3);
        d.line(1, 1, 50, 50, 2);
        colourPicture(d, 8, 2);
    });
    eps(
        "double", [](desk& d) { d.line(10, 150, 20, 160, 3); }, EPS | DOUBLESIZE);
}

void writeBmpSeeds() {
    const std::filesystem::path grey = corpus / "bitmap";
    const std::filesystem::path colour = corpus / "bitmap24";
    std::filesystem::create_directories(grey);
    std::filesystem::create_directories(colour);
    const int sizes[][2] = {{8, 1}, {8, 2}, {16, 4}, {24, 3}, {8, 8}, {0, 0}};
    for (const auto& size : sizes) {
        const std::string name = std::to_string(size[0]) + "x" + std::to_string(size[1]) + ".bmp";
        bitmap b(size[0], size[1]);
        for (int k = 0; k < size[0] * size[1]; ++k)
            b[k / size[0]][k % size[0]] = static_cast<unsigned char>(k * 11);
        // A palette that is not grey, as files of other programs have.
        unsigned char* palette = b.GetInfoHeader() + 40;
        for (int i = 0; i < 256; i += 3)
            palette[4 * i + 1] = static_cast<unsigned char>(255 - i);
        std::string path = (grey / name).string();
        b.save(&path[0]);
        bitmap24 c(size[0], size[1]);
        for (short r = 0; r < size[1]; ++r)
            for (short col = 0; col < size[0]; ++col)
                c(r, col)[col % 3] = static_cast<unsigned char>(200 - 10 * r);
        path = (colour / name).string();
        c.save(&path[0]);
    }
}

// Font seeds: a control block of three bytes (bit 0 of the first: cut the file; bits 1 to 4: the
// font and pen), then a glyph's stroke program and a font's width table, which the harness
// repeats so that the width tables fall on width tables and every second glyph on the program.
void writeFontSeeds(const std::string& fontFile) {
    std::ifstream in(fontFile, std::ios::binary);
    const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (font.size() != static_cast<std::size_t>(velfont::fileBytes)) {
        std::cerr << "fuzz_seeds: " << fontFile << " is no font file\n";
        std::exit(1);
    }
    const std::filesystem::path folder = corpus / "font";
    std::filesystem::create_directories(folder);
    const struct {
        int font;
        char glyph;
        const char* control;
        const char* name;
    } seeds[] = {{0, 'A', "\0\0\0", "sans-A"},
                 {0, 'g', "\x08\0\0", "sans-g-thin"},
                 {0, '8', "\x10\0\0", "sans-8-bold"},
                 {1, 'R', "\x02\0\0", "roman-R"},
                 {1, '&', "\x12\0\0", "roman-ampersand-bold"},
                 {1, '~', "\x0a\0\0", "roman-tilde-thin"},
                 {2, 'a', "\x04\0\0", "greek-alpha"},
                 {2, 'W', "\x14\0\0", "greek-omega-bold"},
                 {0, 'O', "\x01\x80\0", "sans-O-half-file"},
                 {2, 'p', "\x05\x01\0", "greek-pi-short-file"}};
    for (const auto& seed : seeds) {
        std::string bytes(seed.control, 3);
        bytes += font.substr(velfont::programOffset(seed.font, seed.glyph), velfont::recordBytes);
        bytes += font.substr(velfont::widthTableOffset(seed.font), velfont::recordBytes);
        std::ofstream((folder / seed.name).string(), std::ios::binary) << bytes;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_seeds <corpus folder> <Velfont.bin>\n";
        return 1;
    }
    corpus = argv[1];
    const std::string fontFile = argv[2];
    fontFolder = std::filesystem::path(fontFile).parent_path().string();
    writeEpsSeeds();
    writeBmpSeeds();
    writeFontSeeds(fontFile);
    writeDrawingSeeds(corpus);
    return 0;
}
