// Colour maps on the screen: the page buffer's own stretch of 8-bit pictures against the window
// system's, and a map whose cells show their colours live, after a repaint and when redrawn
// after a clear, which takes the same picture over.
#include "desk/desk.h"
#include "devices/raster/rastercanvas.h"
#include "plot/boxclass.h"

#include "screentesting.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace screen_testing;

namespace {

// An 8-bit picture as a device-independent bitmap: its info header with a palette of 256
// made-up colours, and rows of made-up entries, 4-byte aligned.
struct PalettePicture {
    std::vector<unsigned char> info = std::vector<unsigned char>(40 + 4 * 256);
    std::vector<unsigned char> rows;

    PalettePicture(int width, int height, bool topDown, unsigned seed) {
        BITMAPINFOHEADER header{
            sizeof header, width, topDown ? -height : height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
        std::memcpy(info.data(), &header, sizeof header);
        unsigned state = seed;
        const auto next = [&] { return (state = state * 1664525u + 1013904223u) >> 24; };
        for (std::size_t k = 40; k < info.size(); ++k)
            info[k] = static_cast<unsigned char>(next());
        rows.resize(static_cast<std::size_t>((width + 3) & ~3) * height);
        for (unsigned char& entry : rows)
            entry = static_cast<unsigned char>(next());
    }
};

} // namespace

TEST(PaletteStretch, GivesThePixelsOfTheWindowSystemsColourOnColourMode) {
    constexpr int pageWidth = 200, pageHeight = 150;
    constexpr std::uint32_t background = 0x00abcdef;
    struct Case {
        int columns, rows;
        bool topDown;
        int left, top, width, height;
    };
    // Stretched and shrunk each way, the same size, rows with padding, and pictures reaching
    // beyond every side of the page.
    const Case cases[] = {
        {4, 3, false, 10, 12, 97, 61},    {64, 40, false, 3, 5, 37, 23},
        {40, 64, true, 20, 30, 120, 30},  {64, 16, false, 50, 2, 30, 90},
        {17, 9, true, 0, 0, 17, 9},       {1024, 512, false, 1, 1, 197, 143},
        {33, 21, false, -13, -7, 91, 70}, {33, 21, true, 150, 120, 100, 80},
    };
    BITMAPINFO pageInfo{};
    pageInfo.bmiHeader = {
        sizeof pageInfo.bmiHeader, pageWidth, -pageHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP section = CreateDIBSection(dc, &pageInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    HGDIOBJ previous = SelectObject(dc, section);
    auto* systems = static_cast<std::uint32_t*>(bits);
    std::vector<std::uint32_t> ours(pageWidth * pageHeight);
    RasterCanvas canvas;
    canvas.attach(ours.data(), pageWidth, pageHeight, pageWidth);
    unsigned seed = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.columns << " x " << c.rows << " into " << c.width << " x " << c.height
                     << " at " << c.left << ", " << c.top << (c.topDown ? " top-down" : ""));
        const PalettePicture picture(c.columns, c.rows, c.topDown, seed++);
        std::fill(ours.begin(), ours.end(), background);
        std::fill(systems, systems + ours.size(), background);
        EXPECT_TRUE(canvas.palettePicture(c.left, c.top, c.width, c.height, c.columns, c.rows,
                                          picture.rows.data(), picture.info.data()));
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, c.left, c.top, c.width, c.height, 0, 0, c.columns, c.rows,
                      picture.rows.data(), reinterpret_cast<const BITMAPINFO*>(picture.info.data()),
                      DIB_RGB_COLORS, SRCCOPY);
        GdiFlush();
        EXPECT_TRUE(std::equal(ours.begin(), ours.end(), systems));
    }
    // What it does not take is left to the window system: a mirrored rectangle, and a
    // true-colour picture.
    PalettePicture picture(8, 8, false, 99);
    EXPECT_FALSE(
        canvas.palettePicture(50, 0, -20, 20, 8, 8, picture.rows.data(), picture.info.data()));
    picture.info[14] = 24;
    EXPECT_FALSE(
        canvas.palettePicture(0, 0, 20, 20, 8, 8, picture.rows.data(), picture.info.data()));
    SelectObject(dc, previous);
    DeleteObject(section);
    DeleteDC(dc);
}

namespace {

// The colour of the entries from 21 k on: twelve that tell the twelve cells apart, the
// last four entries with the twelfth.
COLORREF bandColour(int k) {
    return RGB(20 * k, 255 - 20 * k, (90 * k) % 256);
}

velora::ColourMap bandedMap() {
    unsigned char table[3 * velora::ColourMap::entries];
    for (int e = 0; e < velora::ColourMap::entries; ++e) {
        const COLORREF c = bandColour(std::min(e / 21, 11));
        table[3 * e] = GetRValue(c);
        table[3 * e + 1] = GetGValue(c);
        table[3 * e + 2] = GetBValue(c);
    }
    return velora::ColourMap(table);
}

// A desk whose screen the test reads.
class MapDesk : public desk {
public:
    HWND window() { return winscr ? static_cast<HWND>(*winscr) : nullptr; }
};

} // namespace

TEST(ScreenMap, CellsShowLiveRepaintedAndRedrawnInTheSamePicture) {
    MapDesk page;
    page.setfontpath(testing_support::fontDirectory().c_str());
    const std::string placement = placementForClient(30, 30, 640, 480);
    page.open(SCREEN, "map", placement.c_str());
    HWND hwnd = page.window();
    ASSERT_NE(hwnd, nullptr);
    // 4 x 3 cells over the box's frame (20, 20) - (100, 80): z = 0.5 ... 11.5 lie in the twelve
    // bands of the map, one cell is not a number.
    constexpr int nx = 4, ny = 3;
    const COLORREF invalid = RGB(9, 99, 199);
    std::vector<float> z(nx * ny);
    const auto fill = [&](bool reversed) {
        for (int k = 0; k < nx * ny; ++k)
            z[k] = (reversed ? nx * ny - 1 - k : k) + 0.5f;
        z[6] = std::numeric_limits<float>::quiet_NaN();
    };
    const auto expected = [&] {
        std::vector<COLORREF> colours;
        for (float v : z)
            colours.push_back(std::isnan(v) ? invalid : bandColour(static_cast<int>(v)));
        return colours;
    };
    const SIZE size = clientSize(hwnd);
    const auto shown = [&] {
        std::vector<COLORREF> colours;
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                const double vx = (20 + 20 * (i + 0.5)) * (1280 / 133.3);
                const double vy = 959 - (20 + 20 * (j + 0.5)) * (960 / 100.0);
                colours.push_back(pixel(hwnd, static_cast<int>(vx * size.cx / 1279.0),
                                        static_cast<int>(vy * size.cy / 959.0)));
            }
        return colours;
    };
    boxclass box(page);
    box.init(20, 20, 100, 80, 1, 1);
    box.dim(0, nx, 0, ny, -1, -1, 1, boxclass::TICKS_INSIDE);
    box.setinvalidcolor(velora::rgb(GetRValue(invalid), GetGValue(invalid), GetBValue(invalid)));
    const velora::ColourMap map = bandedMap();
    fill(false);
    box.showmap(0, 0, nx, ny, z.data(), nx, ny, 0, nx * ny, map);
    EXPECT_EQ(shown(), expected()) << "drawn live";
    wipe(hwnd);
    repaint(hwnd);
    EXPECT_EQ(shown(), expected()) << "repainted";

    // Redrawn after a clear, frame after frame: the same records, the same picture.
    PlotPuffer* layer = page.setPlotPuffer(1);
    page.setPlotPuffer(0);
    std::vector<int> records[2];
    for (int frame = 0; frame < 2; ++frame) {
        fill(frame == 0);
        box.clear(CLEAR_TO_VIEWPORT);
        box.showmap(0, 0, nx, ny, z.data(), nx, ny, 0, nx * ny, map);
        records[frame] = itemsOf(*layer);
        EXPECT_EQ(shown(), expected()) << "redrawn, frame " << frame;
    }
    EXPECT_EQ(records[0], records[1]);
    repaint(hwnd);
    EXPECT_EQ(shown(), expected()) << "redrawn and repainted";
    page.close();
}
