// Shared by the text tests: font files made byte by byte, and a reader of stroke programs that
// turns them into polylines.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace font_test {

// The font file the build generated.
std::string generatedFontPath();

// A font file of three blocks, zero except for what is set.
struct FontFile {
    FontFile();
    void setWidth(int font, int slot, int width);
    // Pairs (a, b) from the start of the record; the rest of the record stays zero.
    void setProgram(int font, int slot, const std::vector<unsigned char>& pairs);
    void save(const std::string& path) const;
    std::string bytes;
};

using Point = std::pair<int, int>;

// What a program draws: the polylines drawn with the pen down (each starting at the point the
// pen was at), the number of pairs taken, and whether an end pair stopped it.
struct Drawing {
    std::vector<std::vector<Point>> lines;
    int pairs = 0;
    bool ended = false;
};
Drawing drawingOf(const unsigned char* program);

} // namespace font_test
