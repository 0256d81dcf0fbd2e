// A font sheet of the stroke fonts, for a person to judge the letters: every slot of the
// three fonts, the pen weights, scripts, Greek, umlauts, text in UTF-8, alignment and vertical
// text.
// Usage: fontsheet [name [font folder]] writes name.eps (default fontsheet.eps).
#include <velora.h>

#include "../common/fontfolder.h"

#include <string>

namespace {

// The byte that draws a slot: the slots of Ä and Ü are reached by their code-page bytes, since
// [ and ] draw the brackets.
char byteForSlot(int slot) {
    if (slot == 0x5B) return '\xC4';
    if (slot == 0x5D) return '\xDC';
    return static_cast<char>(slot);
}

// Every slot of a font in three rows of 32, each row led by its first code.
void slotTable(fontclass& text, float left, float top, int font, const char* title) {
    text.hwrite(left, top + 4.5f, title, 0, 1, 0.9f, 1, 1);
    const float pitch = 3.6f;
    for (int row = 0; row < 3; ++row) {
        const int first = 32 + 32 * row;
        const float y = top - 4.2f * row;
        const std::string code = "0x" + std::string(1, "234567"[row * 2]) + "0";
        text.hwrite(left + 5.0f, y, code.c_str(), 10, 0, 0.6f, -1, 1);
        text.getheight("", font, 1.0f); // brings the unit up to date for putcharakter
        text.setangle(0.0f);
        for (int k = 0; k < 32; ++k) {
            float x = left + 7.0f + pitch * k;
            float baseline = y;
            text.putcharakter(x, baseline, byteForSlot(first + k), 3, font, 1.0f, 0.0f);
        }
    }
}

// A small cross at the point that text is aligned about.
void mark(desk& page, float x, float y) {
    page.line(x - 1.0f, y, x + 1.0f, y, 1);
    page.line(x, y - 1.0f, x, y + 1.0f, 1);
}

} // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "fontsheet";
    desk page;
    const std::string fonts =
        argc > 2 ? argv[2] : velora_examples::fontFolder(argv[0], VELORA_FONT_DIR);
    page.setfontpath(fonts.c_str());
    page.open(EPS, name.c_str());
    fontclass text(page);

    text.hwrite(66.0f, 97.0f, "Velora stroke fonts", 0, FONT_ROMAN | FONT_BOLD, 1.6f, 0, 0);

    slotTable(text, 2.0f, 85.0f, FONT_SANS, "Font 0: sans (simplex Roman)");
    slotTable(text, 2.0f, 68.5f, FONT_ROMAN, "Font 1: Roman for captions (duplex Roman)");
    slotTable(text, 2.0f, 52.0f, FONT_GREEK, "Font 2: Greek (simplex Greek)");

    // Sample lines, a label in grey before each.
    const struct {
        const char* label;
        const char* text;
        int font;
    } samples[] = {
        {"Scripts:", "x_i^2 + y_{ij}^{n+1}   10^{-3}   e^{-E_a//kT}   A_{$a$}   H_2O", FONT_SANS},
        {"Greek:", "$abgdezhqiklmnxoprstufcyw$ ($a$ is a)", FONT_SANS},
        {"", "$ABGDEZHQIKLMNXOPRSTUFCYW$", FONT_SANS},
        {"German:",
         "\xC4nderung der Gr\xF6\xDF"
         "e \xFC"
         "ber F\xFC\xDF"
         "e, \xD6l, \xDC"
         "bung",
         FONT_ROMAN},
        {"", "DOS code page: \x8E\x99\x9A\x84\x94\x81\xE1", FONT_ROMAN},
        {"Literal:",
         "/$5, a//b, [0, 1], 20\x7F"
         "C",
         FONT_SANS},
        // Written in UTF-8, as this file is.
        {"UTF-8:", "Intensität bei 20 °C, λ = 5 µm, ΔT, α + β = γ, Ω", FONT_SANS},
    };
    float y = 37.0f;
    for (const auto& sample : samples) {
        text.hwrite(2.0f, y, sample.label, 10, FONT_SANS, 0.9f, 1, 1);
        text.hwrite(20.0f, y, sample.text, 0, sample.font, 1.0f, 1, 1);
        y -= 4.0f;
    }
    text.hwrite(2.0f, y, "Pens:", 10, FONT_SANS, 0.9f, 1, 1);
    text.hwrite(20.0f, y, "thin (16)", 0, FONT_THIN, 1.0f, 1, 1);
    text.hwrite(42.0f, y, "normal (0)", 0, FONT_SANS, 1.0f, 1, 1);
    text.hwrite(66.0f, y, "bold (32)", 0, FONT_BOLD, 1.0f, 1, 1);
    text.hwrite(88.0f, y, "Roman bold (33)", 0, FONT_ROMAN | FONT_BOLD, 1.0f, 1, 1);

    // Alignment about the red crosses: start, centre and end; baseline, middle and top.
    const float ax = 28.0f, ay = 3.5f;
    mark(page, ax, ay);
    text.hwrite(ax, ay, "start", 0, 0, 1.0f, 1, 1);
    mark(page, ax + 32.0f, ay);
    text.hwrite(ax + 32.0f, ay, "centre", 0, 0, 1.0f, 0, 0);
    mark(page, ax + 64.0f, ay);
    text.hwrite(ax + 64.0f, ay, "end, top", 0, 0, 1.0f, -1, -1);
    text.hwrite(2.0f, ay, "Alignment:", 10, FONT_SANS, 0.9f, 1, 1);

    // Vertical text, as a y axis caption: running upwards, centred on the cross.
    mark(page, 128.0f, 20.0f);
    text.vwrite(128.0f, 20.0f, "Intensit\xE4t I_{$l$} (a.u.)", 2, FONT_ROMAN, 1.0f, 0, 0);
    page.close();
    return 0;
}
