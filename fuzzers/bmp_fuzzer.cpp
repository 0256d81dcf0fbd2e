// BMP files, built once for each picture class (FUZZ_PICTURE is bitmap or bitmap24, FUZZ_KIND
// the matching corpus name): the input is loaded into a picture of the size its header names (a
// size no image of the library can have gives 8 x 8, which the loader then refuses), and placed
// on a desk opened on EPS and HPGL; then the EPS writer reads the same file on its own (showbmp).
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

namespace {
// Sides up to 1,024 keep every input fast; widths must be multiples of 8.
int side(long long value, bool width) {
    if (value <= 0 || value > 1024 || (width && value % 8 != 0)) return 8;
    return static_cast<int>(value);
}
char inputName[] = "input.bmp";
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::prepare(FUZZ_KIND);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int width = side(fuzz::field32(data, size, 18, 8), true);
    const int height = side(fuzz::field32(data, size, 22, 8), false);
    fuzz::run([&] {
        fuzz::writeFile(inputName, data, size);
        FUZZ_PICTURE picture(width, height);
        picture.load(inputName);
        desk d;
        d.open(EPS | PLT, "output");
        d.putbmp(10, 10, 50, 40, picture);
        d.close();
    });
    fuzz::run([&] {
        fuzz::writeFile(inputName, data, size);
        desk d;
        d.open(EPS | PLT, "output");
        d.showbmp(10, 10, 50, 40, inputName);
        d.close();
    });
    return 0;
}
