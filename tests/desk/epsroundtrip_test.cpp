// Files the library writes (lines, figures, symbols, pictures and text), read back onto a desk
// opened on EPS: the copy holds the same paths in the same colours (colour 7 comes back as the
// black of colour 0), its pen widths are those of the original times 1.75 / 2.7, and its pictures
// lie where the original's did.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/symbol.h"
#include "text/fontclass.h"

#include "deskdrawing.h"
#include "epsimportfiles.h"
#include "support/epsfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using desk_test::Drawing;
using desk_test::drawOn;

namespace {

struct Content {
    // "m X Y", "l X Y" with the colour it is drawn in, "np", "st", "cp", and whole pictures.
    std::vector<std::string> path;
    std::vector<double> widths;
};

Content contentOf(const std::string& body) {
    Content content;
    std::string colour = "<none>";
    std::string picture;
    bool inPicture = false;
    std::size_t begin = 0;
    while (begin < body.size()) {
        std::size_t end = body.find('\n', begin);
        if (end == std::string::npos) end = body.size();
        std::string line = body.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto endsWith = [&](const char* op) {
            const std::string o = op;
            return line.size() >= o.size() &&
                   line.compare(line.size() - o.size(), o.size(), o) == 0;
        };
        if (line == "% Picture") {
            inPicture = true;
            picture.clear();
        }
        if (inPicture) {
            picture += line + "\n";
            if (line == "grestore") {
                content.path.push_back(picture);
                inPicture = false;
            }
        } else if (endsWith(" shsb")) {
            colour = line;
        } else if (endsWith(" slw")) {
            content.widths.push_back(std::stod(line));
        } else if (endsWith(" m")) {
            content.path.push_back(line);
        } else if (endsWith(" l")) {
            content.path.push_back(line + " in " + colour);
        } else if (line == "np" || line == "st" || line == "cp") {
            content.path.push_back(line);
        }
    }
    return content;
}

void drawEverything(desk& d) {
    const float widths[] = {0.1f, 0.3f, 1.0f, 2.5f};
    for (int c = 0; c < 16; ++c) {
        d.setpenwidth(widths[c % 4]);
        d.line(5 + 8 * c, 5, 5 + 8 * c, 45, c);
        d.setcolor(15 - c);
        d.np();
        d.move(5.5f + 8 * c, 50);
        d.draw(9.25f + 8 * c, 60.125f, -1);
        d.draw(5.5f + 8 * c, 70.333f, -1);
        d.st();
    }
    d.setpenwidth(0.3f);
    // Points anywhere between the hundredths of a point, and lines cut by a viewport.
    unsigned seed = 12345;
    const auto next = [&seed](float range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<float>((seed >> 8) % 1000000) / 1000000.0f * range;
    };
    d.setviewport(20.2f, 15.7f, 110.9f, 85.3f);
    d.move(next(133.33f), next(100));
    for (int i = 0; i < 300; ++i) {
        d.np();
        d.draw(next(133.33f), next(100), i % 16);
        d.st();
    }
    d.resetviewport();
    d.rec(1, 1, 132.33f, 99, 7);
    d.pset(66.6f, 33.3f, 4);
    d.vector(10, 90, 40, 80, 6, 2);
    symbol s(d);
    for (int shape = 0; shape < 10; ++shape)
        s.put(10 + 12 * shape, 95, shape + 16 * (shape % 3), shape, 1.5f);
    // An 8-bit and a 24-bit picture, at places that are no whole units.
    bitmap grey(16, 4);
    for (int k = 0; k < 64; ++k)
        grey[k / 16][k % 16] = static_cast<unsigned char>(4 * k);
    d.putbmp(12.34f, 56.78f, 43.21f, 65.43f, grey);
    bitmap24 colour(8, 8);
    for (short r = 0; r < 8; ++r)
        for (short c = 0; c < 8; ++c) {
            unsigned char* pixel = colour(r, c);
            pixel[0] = static_cast<unsigned char>(32 * r);
            pixel[1] = static_cast<unsigned char>(32 * c);
            pixel[2] = static_cast<unsigned char>(255 - 16 * (r + c));
        }
    d.putbmp(70.1f, 20.2f, 90.3f, 40.4f, colour);
    // Text in the three fonts, across and upwards, with its own pen widths.
    d.setfontpath(testing_support::fontDirectory().c_str());
    fontclass text(d);
    text.hwrite(20, 75, "Velora: x^2 + y_{k+1}", 3, FONT_ROMAN, 4, 1, 1);
    text.hwrite(20, 68, "$abg$ Greek", 9, FONT_GREEK | FONT_BOLD, 3, 1, 1);
    text.vwrite(125, 20, "upwards", 1, FONT_SANS | FONT_THIN, 2.5f, 1, 1);
}

} // namespace

TEST(EpsRoundTrip, ACopyHasThePathsColoursWidthsAndPicturesOfItsOriginal) {
    const import_test::InFolder folder("roundtrip");
    const Drawing original = drawOn("roundtrip-original", drawEverything, EPS | PLT);
    const Drawing copy = drawOn(
        "roundtrip-copy", [](desk& d) { d.showeps("roundtrip-original"); }, EPS | PLT);
    import_test::takePicture();
    import_test::takePicture();

    const Content before = contentOf(original.eps);
    const Content after = contentOf(copy.eps);
    // The original's trailer strokes and closes its path once more.
    std::vector<std::string> expectedPath = before.path;
    expectedPath.push_back("st");
    expectedPath.push_back("cp");
    ASSERT_EQ(after.path.size(), expectedPath.size());
    for (std::size_t i = 0; i < expectedPath.size(); ++i)
        ASSERT_EQ(after.path[i], expectedPath[i]) << "at " << i;

    // The copy opens with its own width, then takes the original's from its prologue on.
    std::vector<double> expectedWidths = {0.525, 1.75 * 1.0 / 2.7};
    for (double w : before.widths)
        expectedWidths.push_back(1.75 * w / 2.7);
    ASSERT_EQ(after.widths.size(), expectedWidths.size());
    for (std::size_t i = 0; i < expectedWidths.size(); ++i)
        EXPECT_NEAR(after.widths[i], expectedWidths[i], 1e-5 * expectedWidths[i]) << "at " << i;

    // The pen of colour 7 is gone from the copy's plot file: it draws in colour 0.
    EXPECT_NE(original.plt.find("SP8\r\n"), std::string::npos);
    EXPECT_EQ(copy.plt.find("SP8\r\n"), std::string::npos);
    for (int pen = 1; pen <= 16; ++pen) {
        if (pen == 8) continue;
        EXPECT_NE(copy.plt.find("SP" + std::to_string(pen) + "\r\n"), std::string::npos) << pen;
    }
}
