// The stroke font file: its width tables and the stroke programs of its glyphs. The input after
// its first three bytes, repeated to the length of the file, becomes Velfont.bin; when the first
// byte is odd, the file is cut to the share of its length that bytes 2 and 3 give. A text with
// every character and all of the markup is then written and measured in the font and with the
// pen that bits 1 to 4 of the first byte choose, and a short one upwards.
#include "desk/desk.h"
#include "text/fontclass.h"
#include "text/strokeprogram.h"

#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

const char sample[] = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                      "abcdefghijklmnopqrstuvwxyz{|}~ x^2_{i+1} $abg$ /$ a^{b_c} ^";

const int pens[] = {0, FONT_THIN, FONT_BOLD, FONT_THIN | FONT_BOLD};

// The shared font object opens a file again only under another name: the inputs take turns
// between two folders.
bool firstFolder = true;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::prepare("font");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::size_t fileBytes = static_cast<std::size_t>(velfont::fileBytes);
    std::string file;
    file.reserve(fileBytes + size);
    while (file.size() < fileBytes)
        file.append(reinterpret_cast<const char*>(data) + 3, size - 3);
    file.resize(data[0] & 1 ? fileBytes * (data[1] << 8 | data[2]) / 65536 : fileBytes);
    const int font = (data[0] >> 1) % 3 | pens[(data[0] >> 3) & 3];
    const char* folder = firstFolder ? "fonts-a" : "fonts-b";
    firstFolder = !firstFolder;
    fuzz::run([&] {
        std::filesystem::create_directories(folder);
        fuzz::writeFile(std::string(folder) + "/Velfont.bin",
                        reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
        desk d;
        // The writers have harnesses of their own; the plot file is the cheapest device.
        d.open(PLT, "output");
        d.setfontpath(folder);
        fontclass text(d);
        text.hwrite(5, 50, sample, 1, font, 2, 1, 1);
        text.getlength(sample, font, 3);
        text.vwrite(100, 5, "Upwards x^2_{i}", 2, font, 1.5f, 0, 0);
        d.close();
    });
    return 0;
}
