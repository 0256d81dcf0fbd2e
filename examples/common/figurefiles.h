// How the figure examples run: `example [name [font folder]]` draws one figure into name.eps,
// name.pdf and name.svg and, on Windows, on the screen too, saved as name-screen.png.
#pragma once

#include "fontfolder.h"

#include <velora.h>

#include <string>

namespace velora_examples {

template <typename Draw>
int drawFigureFiles(int argc, char** argv, const char* defaultName, const char* fontDir,
                    Draw draw) {
    const std::string name = argc > 1 ? argv[1] : defaultName;
    const std::string fonts = argc > 2 ? argv[2] : fontFolder(argv[0], fontDir);
    desk page;
    page.setfontpath(fonts.c_str());
#ifdef VELORA_HAS_SCREEN
    page.open(SCREEN | EPS | PDF | SVG, name.c_str());
#else
    page.open(EPS | PDF | SVG, name.c_str());
#endif
    draw(page);
#ifdef VELORA_HAS_SCREEN
    page.savescreen((name + "-screen.png").c_str());
#endif
    page.close();
    return 0;
}

} // namespace velora_examples
