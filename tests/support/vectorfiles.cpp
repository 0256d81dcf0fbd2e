#include "support/vectorfiles.h"

#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace testing_support {

namespace {

struct InkMask {
    int width = 0, height = 0;
    std::vector<unsigned char> cells;
    bool at(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x] != 0; }
};

// A binary PPM (P6, maxval 255) reduced to 3 x 3 cells of ink.
bool readInkMask(const std::string& path, InkMask& mask) {
    const std::string bytes = readFile(path);
    // The header: "P6", width, height, maxval, separated by blanks and "#" comment lines.
    std::size_t at = 2;
    long values[3] = {};
    for (long& value : values) {
        while (at < bytes.size() &&
               (std::isspace(static_cast<unsigned char>(bytes[at])) || bytes[at] == '#')) {
            if (bytes[at] == '#')
                at = bytes.find('\n', at);
            else
                ++at;
        }
        value = std::strtol(bytes.c_str() + at, nullptr, 10);
        while (at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at])))
            ++at;
    }
    const int width = static_cast<int>(values[0]), height = static_cast<int>(values[1]);
    if (bytes.compare(0, 2, "P6") != 0 || values[2] != 255 || width <= 0 || height <= 0)
        return false;
    const std::size_t start = at + 1;
    if (bytes.size() < start + 3ull * width * height) return false;
    mask.width = (width + 2) / 3;
    mask.height = (height + 2) / 3;
    mask.cells.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    const auto* pixel = reinterpret_cast<const unsigned char*>(bytes.data() + start);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, pixel += 3)
            if (pixel[0] < 230 || pixel[1] < 230 || pixel[2] < 230)
                mask.cells[static_cast<std::size_t>(y / 3) * mask.width + x / 3] = 1;
    return true;
}

// Whether a cell of `a` finds its state within one cell in `b`.
bool matched(const InkMask& a, const InkMask& b, int x, int y) {
    const bool state = a.at(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int bx = x + dx, by = y + dy;
            if (bx >= 0 && by >= 0 && bx < b.width && by < b.height && b.at(bx, by) == state)
                return true;
        }
    return false;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

} // namespace

bool haveVectorTools() {
    for (const char* tool : {"qpdf", "xmllint", "rsvg-convert", "pdftoppm", "gs", "convert"})
        if (!hasTool(tool)) return false;
    return true;
}

std::string pdfProblems(const std::string& pdfPath) {
    std::string output;
    if (runCommand("qpdf --check " + quoted(pdfPath), &output) != 0 ||
        output.find("No syntax or stream encoding errors") == std::string::npos)
        return output.empty() ? "qpdf failed" : output;
    // qpdf checks the structure; a viewer's parser also reads the content stream, and warns of
    // any word that is no operator (the tail of a number in exponent form).
    const int status =
        runCommand("(pdftoppm -r 10 " + quoted(pdfPath) + " 2>&1 >/dev/null)", &output);
    if (status != 0 || !output.empty()) return "pdftoppm: " + output;
    return "";
}

std::string svgProblems(const std::string& svgPath) {
    std::string output;
    if (runCommand("xmllint --noout " + quoted(svgPath), &output) != 0 || !output.empty())
        return "xmllint: " + output;
    const std::string png = svgPath + ".check.png";
    const int status =
        runCommand("rsvg-convert -o " + quoted(png) + ' ' + quoted(svgPath), &output);
    std::remove(png.c_str());
    if (status != 0 || !output.empty()) return "rsvg-convert: " + output;
    return "";
}

double inkDifference(const std::string& epsPath, const std::string& otherPath) {
    const std::string epsPpm = otherPath + ".eps-render.ppm", otherPpm = otherPath + ".ppm";
    if (runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r300 -sDEVICE=ppmraw "
                   "-sOutputFile=" +
                   quoted(epsPpm) + ' ' + quoted(epsPath)) != 0)
        return -1;
    const bool isPdf =
        otherPath.size() > 4 && otherPath.compare(otherPath.size() - 4, 4, ".pdf") == 0;
    const std::string render =
        // pdftoppm appends ".ppm" to the root it is given.
        isPdf ? "pdftoppm -r 300 -singlefile " + quoted(otherPath) + ' ' + quoted(otherPath)
              : "rsvg-convert -d 300 -p 300 -b white -o " + quoted(otherPath + ".png") + ' ' +
                    quoted(otherPath) + " && convert " + quoted(otherPath + ".png") +
                    " -alpha off " + quoted(otherPpm);
    if (runCommand(render) != 0) return -1;
    InkMask a, b;
    if (!readInkMask(epsPpm, a) || !readInkMask(otherPpm, b)) return -1;
    long long differing = 0, cells = 0;
    // The renderers may round the page's size differently by a pixel.
    const int width = std::min(a.width, b.width), height = std::min(a.height, b.height);
    if (std::abs(a.width - b.width) > 1 || std::abs(a.height - b.height) > 1) return 1.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            ++cells;
            if (!matched(a, b, x, y) || !matched(b, a, x, y)) ++differing;
        }
    std::remove(epsPpm.c_str());
    std::remove(otherPpm.c_str());
    std::remove((otherPath + ".png").c_str());
    return static_cast<double>(differing) / static_cast<double>(cells);
}

} // namespace testing_support

void testing_support::expectSameInkAsEps(const std::string& base) {
    if (!haveVectorTools()) GTEST_SKIP() << "PDF and SVG tools not installed";
    EXPECT_EQ(pdfProblems(base + ".pdf"), "");
    EXPECT_EQ(svgProblems(base + ".svg"), "");
    const double pdf = inkDifference(base + ".eps", base + ".pdf");
    const double svg = inkDifference(base + ".eps", base + ".svg");
    EXPECT_GE(pdf, 0.0);
    EXPECT_LT(pdf, 0.01);
    EXPECT_GE(svg, 0.0);
    EXPECT_LT(svg, 0.01);
    std::printf("%s: cells whose ink differs from the EPS file's: PDF %.3f %%, SVG %.3f %%\n",
                base.c_str(), 100 * pdf, 100 * svg);
}
