/* The shared figure from a program built for Visual C++'s runtime and linked through velora.lib:
 * it uses nothing but the C interface (no C library of its own), so it builds with clang's MSVC
 * target without MSVC's headers. */
#include "figure.h"

/* The C library would define it: the linker's sign that the program uses floating point. */
int _fltused = 0;

int main(void) {
    return draw_figure("msvc_figure", VELORA_FONT_DIR);
}
