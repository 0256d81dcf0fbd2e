// The EPS import: the input is an EPS file, read onto a desk opened on EPS and HPGL, so that
// whatever the import draws also goes through both writers (and its pictures through the EPS
// writer's BMP reader).
#include "desk/desk.h"

#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::prepare("eps");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::run([&] {
        fuzz::writeFile("input.eps", data, size);
        desk d;
        d.open(EPS | PLT, "output");
        d.showeps("input");
        d.close();
    });
    return 0;
}
