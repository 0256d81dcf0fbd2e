#include "text/fontclass.h"

#include "common/numberformat.h"
#include "desk/desk.h"
#include "text/charactermap.h"
#include "text/strokeprogram.h"
#include "text/velfont.h"

#include <cmath>
#include <cstring>

namespace {

// Font units per nominal text height; at size 1 the height is the viewport's height / 880 * 24.
constexpr double unitsPerViewportHeight = 880.0;
constexpr double nominalHeight = 24.0;
// Pen width per desk unit of glyph scale.
constexpr double penPerScale = 3.5;
constexpr float plainPenWidth = 0.3f;
constexpr unsigned short fontStreamFailed = 4096;

// Scripts: two thirds of the size, lifted or lowered by these many font units of their size.
constexpr float superscriptRise = 25.0f;
constexpr float subscriptRise = -10.0f;

// A glyph point's offset in font units, truncated toward zero. Offsets are small; anything else
// (a rise of any size may be passed in) saturates instead of overflowing.
inline int truncatedOffset(double units) {
    if (units > -1e6 && units < 1e6) return static_cast<int>(units);
    return velora::truncateToInt(units);
}

double penFactor(int font) {
    if (font & FONT_THIN) return 0.6;
    if (font & FONT_BOLD) return 2.0;
    return 1.0;
}

} // namespace

fontclass::fontclass(desk& d)
    : loaded(0), unitScale(0.11363637f), widths(), m00(1.0f), m01(0.0f), m10(0.0f), m11(1.0f),
      measureOnly(0), theDesk(&d) {
    sharedFont.setFileName(d.getfontpath());
}

fontclass::~fontclass() {}

void fontclass::setpath(const char* dir) {
    theDesk->setfontpath(dir);
}

void fontclass::setangle(float angle) {
    if (std::fabs(angle) <= 0.5f) {
        m00 = 1.0f, m01 = 0.0f, m10 = 0.0f, m11 = 1.0f;
    } else {
        m00 = 0.0f, m01 = -1.0f, m10 = 1.0f, m11 = 0.0f;
    }
}

void fontclass::open() {
    for (int n = 0; n < velfont::fontCount; ++n) {
        // Bytes that cannot be read stay zero: a font cut short advances by nothing.
        unsigned char table[velfont::widthTableBytes] = {};
        sharedFont.read(velfont::widthTableOffset(n), table, velfont::widthTableBytes);
        for (int k = 0; k < velfont::slotCount; ++k)
            widths[n][k] = table[2 * k + 1];
    }
    // Checked after reading, so that a file too short for its width tables is reported too.
    if (!sharedFont) theDesk->errorHandel(fontStreamFailed);
    loaded = -1;
}

void fontclass::putcharakter(float& x, float& y, char c, int color, int font, float size,
                             float rise) {
    const float s = static_cast<float>(static_cast<double>(size) * unitScale);
    int n = font & 15;
    if (n >= velfont::fontCount)
        n = 0; // the file holds three fonts; the others would read outside them
    if (!measureOnly) theDesk->setpenwidth(static_cast<float>(s * penPerScale * penFactor(font)));
    const int slot = velfont::slotOf(static_cast<unsigned char>(c));
    if (slot < velfont::firstSlot || slot > velfont::lastSlot) {
        if (!measureOnly) theDesk->setpenwidth(plainPenWidth);
        return;
    }
    if (!loaded) open();
    if (!measureOnly && slot != ' ') drawGlyph(x, y, sharedFont.program(n, slot), color, s, rise);
    const double advance =
        static_cast<double>(widths[n][slot - velfont::firstSlot]) * size * unitScale;
    x = static_cast<float>(x + advance * m00);
    y = static_cast<float>(y + advance * m10);
    if (!measureOnly) theDesk->setpenwidth(plainPenWidth);
}

void fontclass::drawGlyph(float x, float y, const unsigned char* program, int color, float s,
                          float rise) {
    if (!program) return; // a record that cannot be read in full draws nothing
    desk& d = *theDesk;
    d.np();
    d.move(x, y);
    d.setcolor(color);
    bool penDown = false;
    float lastx = x, lasty = y;
    // Locals in double, exactly as the members convert: each desk call below could change the
    // members as far as the compiler knows, which would reload and convert them at every point.
    const double a00 = m00, a01 = m01, a10 = m10, a11 = m11;
    const double originX = x, originY = y, scale = s, lift = rise;
    for (int i = 0; i < velfont::maxPairs; ++i) {
        const unsigned char a = program[2 * i];
        const unsigned char b = program[2 * i + 1];
        if (a == velfont::command) {
            if (b == velfont::end) break;
            if (b == velfont::penUp)
                penDown = false;
            else if (b == velfont::penDown)
                penDown = true;
            continue;
        }
        const double u = velfont::decode(a);
        const double v = velfont::decode(b) + lift;
        const int offsetX = truncatedOffset(u * a00 + v * a01);
        const int offsetY = truncatedOffset(u * a10 + v * a11);
        const float px = static_cast<float>(originX + static_cast<double>(offsetX) * scale);
        const float py = static_cast<float>(originY + static_cast<double>(offsetY) * scale);
        if (penDown) {
            d.draw(px, py, -1);
            lastx = px;
            lasty = py;
        } else {
            d.move(px, py);
        }
    }
    d.move(lastx, lasty);
    d.st_cp();
}

void fontclass::puttext(float& x, float& y, const char* text, int color, int font, float size,
                        float rise) {
    if (!text) return;
    puttext(x, y, text, std::strlen(text), color, font, size, rise);
}

void fontclass::puttext(float& x, float& y, const char* text, std::size_t length, int color,
                        int font, float size, float rise) {
    if (length > 0 && text[0] == '{') {
        ++text;
        --length;
    }
    const float scriptSize = static_cast<float>(static_cast<double>(size) * 2.0 / 3.0);
    int current = font;
    int run = 0; // script groups in a row; they all start where the first one started
    bool saved = false;
    float savedx = 0.0f, savedy = 0.0f;
    // The first closing brace after the last group searched (length: none up to the end). Groups
    // only move forwards, so one search serves every group before that brace, and a text full of
    // unclosed groups takes time in proportion to its length.
    std::size_t closeAt = 0;
    std::size_t i = 0;
    while (i < length) {
        const char c = text[i];
        if (c == '$') {
            current = current == FONT_GREEK ? font : FONT_GREEK;
            ++i;
        } else if (c == '/') {
            if (i + 1 < length) {
                i += 1 +
                     putCharacter(x, y, text + i + 1, length - i - 1, color, current, size, rise);
            } else {
                putcharakter(x, y, '\0', color, current, size, rise);
                i += 2;
            }
            run = 0;
        } else if (c == '^' && i + 1 == length) {
            ++i;
        } else if (c == '^' || c == '_') {
            if (run == 0) saved = false;
            ++run;
            if (saved) {
                x = savedx;
                y = savedy;
            } else {
                savedx = x;
                savedy = y;
                saved = true;
            }
            // The group: {...} up to the first }, or the one character after the marker.
            const std::size_t start = i + 1;
            std::size_t groupLength =
                start < length ? velfont::readCharacter(text + start, length - start).length : 0;
            std::size_t next = start + (groupLength > 0 ? groupLength : 1);
            if (start < length && text[start] == '{') {
                if (closeAt <= start) {
                    const void* close = std::memchr(text + start + 1, '}', length - start - 1);
                    closeAt = close
                                  ? static_cast<std::size_t>(static_cast<const char*>(close) - text)
                                  : length;
                }
                if (closeAt < length) {
                    groupLength = closeAt - start;
                    next = closeAt + 1;
                }
            }
            puttext(x, y, text + start, groupLength, color, current, scriptSize,
                    c == '^' ? rise + superscriptRise : rise + subscriptRise);
            i = next;
        } else {
            i += putCharacter(x, y, text + i, length - i, color, current, size, rise);
            run = 0;
        }
    }
}

std::size_t fontclass::putCharacter(float& x, float& y, const char* text, std::size_t length,
                                    int color, int font, float size, float rise) {
    const velfont::TextCharacter character = velfont::readCharacter(text, length);
    putcharakter(x, y, static_cast<char>(character.byte), color,
                 character.greek ? FONT_GREEK : font, size, rise);
    return static_cast<std::size_t>(character.length);
}

void fontclass::refreshUnitScale() {
    unitScale = static_cast<float>(theDesk->getviewportheight() / unitsPerViewportHeight);
}

float fontclass::getlength(const char* text, int font, float size) {
    measureOnly = -1;
    refreshUnitScale();
    float x = 0.0f, y = 0.0f;
    puttext(x, y, text, 0, font, 1.0f, 0.0f);
    measureOnly = 0;
    return static_cast<float>(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y) *
                              size);
}

float fontclass::getheight(const char*, int, float size) {
    refreshUnitScale();
    return static_cast<float>(nominalHeight * size * unitScale);
}

void fontclass::write(float x, float y, const char* text, int color, int font, float size,
                      float angle, float hAlign, float vAlign) {
    refreshUnitScale();
    setangle(angle);
    const float dx =
        static_cast<float>(getlength(text, font, size) * (static_cast<double>(hAlign) - 1.0) / 2.0);
    const float dy =
        static_cast<float>(getheight(text, font, size) * (static_cast<double>(vAlign) - 1.0) / 2.0);
    x = static_cast<float>(x + static_cast<double>(dx) * m00 + static_cast<double>(dy) * m01);
    y = static_cast<float>(y + static_cast<double>(dx) * m10 + static_cast<double>(dy) * m11);
    puttext(x, y, text, color, font, size, 0.0f);
}

void fontclass::hwrite(float x, float y, const char* text, int color, int font, float size,
                       float hAlign, float vAlign) {
    write(x, y, text, color, font, size, 0.0f, hAlign, vAlign);
}

void fontclass::vwrite(float x, float y, const char* text, int color, int font, float size,
                       float hAlign, float vAlign) {
    write(x, y, text, color, font, size, 1.5708f, hAlign, vAlign);
}
