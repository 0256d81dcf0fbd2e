// fontclass: text on a desk in the stroke fonts of the font file. Three fonts with a thin, normal
// or bold pen, any size, horizontal or running upwards, aligned about a point, with a small
// markup: $ switches to the Greek font and back, / takes the next character literally, ^ and _
// raise or lower the next character or {group} at two thirds of the size. Texts are read in
// UTF-8 or in the DOS and Windows code pages alike. Also measures text.
#pragma once

#include "common/api.h"
#include "text/fontflags.h"

#include <cstddef>

class desk;

class VELORA_API fontclass {
public:
    // Opens the desk's font file in sharedFont; a missing file ends the process.
    explicit fontclass(desk& d);
    ~fontclass();
    // Copies every member, the desk included.
    fontclass(const fontclass&) = default;
    fontclass& operator=(const fontclass&) = default;

    // Sets the desk's font folder; renderers built later open the file there.
    void setpath(const char* dir);
    // |angle| up to 0.5 radians: horizontal; beyond: running upwards. There is no other direction.
    void setangle(float angle);
    // Reads the advance widths of the three fonts.
    void open();

    // One character with its origin at (x, y); (x, y) advances along the line. `rise` lifts the
    // glyph by that many font units of this size.
    void putcharakter(float& x, float& y, char c, int color, int font, float size, float rise);
    // A text with markup from (x, y); (x, y) is left after its last character.
    void puttext(float& x, float& y, const char* text, int color, int font, float size, float rise);
    // hAlign 1 starts the text at (x, y), 0 centres it, -1 ends it there; vAlign 1 puts the
    // baseline on the point, 0 the middle of the nominal height, -1 its top.
    void write(float x, float y, const char* text, int color, int font, float size, float angle,
               float hAlign, float vAlign);
    void hwrite(float x, float y, const char* text, int color, int font, float size, float hAlign,
                float vAlign);
    void vwrite(float x, float y, const char* text, int color, int font, float size, float hAlign,
                float vAlign);
    // The distance from the start of the text to where it leaves the pen, in desk units.
    float getlength(const char* text, int font, float size);
    // The nominal text height, 24 font units, in desk units; the text does not enter.
    float getheight(const char* text, int font, float size);

private:
    void puttext(float& x, float& y, const char* text, std::size_t length, int color, int font,
                 float size, float rise);
    // Draws the character at the start of the text (a UTF-8 sequence or one code-page byte) and
    // returns the bytes it took.
    std::size_t putCharacter(float& x, float& y, const char* text, std::size_t length, int color,
                             int font, float size, float rise);
    void drawGlyph(float x, float y, const unsigned char* program, int color, float s, float rise);
    void refreshUnitScale();

    int loaded;
    float unitScale;
    unsigned char widths[3][96];
    float m00, m01, m10, m11;
    int measureOnly;
    desk* theDesk; // a pointer, so that assignment copies it like every other member
};
