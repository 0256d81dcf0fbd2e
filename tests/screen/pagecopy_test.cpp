// The page on the clipboard and in files: the metafile and the bitmap of "Kopieren" (command 3,
// Ctrl+C, desk::copyscreen), PNG and EMF files of desk::savescreen and of the Save dialog
// (command 4), compared pixel by pixel with what the window shows.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/boxclass.h"
#include "screen/savedialog.h"

#include "screentesting.h"
#include "support/testfiles.h"
#include "support/windows/hostcommand.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace screen_testing;

namespace {

const COLORREF white = RGB(255, 255, 255);

// Pixels as COLORREF values, rows from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> at;
    COLORREF operator()(int x, int y) const { return at[static_cast<std::size_t>(y) * width + x]; }
};

// A 32-bit bitmap with a context, white, for drawing into and reading back.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* bits = nullptr;
    int width, height;
    Canvas(int w, int h) : width(w), height(h) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        RECT all{0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Pixels read() const {
        GdiFlush();
        Pixels p{width, height, {}};
        const auto* quad = static_cast<const unsigned char*>(bits);
        for (int k = 0; k < width * height; ++k, quad += 4)
            p.at.push_back(RGB(quad[2], quad[1], quad[0]));
        return p;
    }
};

Pixels windowPixels(HWND hwnd) {
    const SIZE size = clientSize(hwnd);
    Canvas canvas(size.cx, size.cy);
    HDC dc = GetDC(hwnd);
    BitBlt(canvas.dc, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    return canvas.read();
}

Pixels played(HENHMETAFILE metafile, int width, int height) {
    Canvas canvas(width, height);
    RECT all{0, 0, width, height};
    PlayEnhMetaFile(canvas.dc, metafile, &all);
    return canvas.read();
}

// A packed 24-bit bitmap, rows from the bottom.
Pixels fromPackedDib(const unsigned char* dib) {
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(dib);
    Pixels p{header.biWidth, header.biHeight, {}};
    if (header.biBitCount != 24) return p;
    const int stride = (p.width * 3 + 3) & ~3;
    for (int y = 0; y < p.height; ++y) {
        const unsigned char* row = dib + header.biSize + stride * (p.height - 1 - y);
        for (int x = 0; x < p.width; ++x, row += 3)
            p.at.push_back(RGB(row[2], row[1], row[0]));
    }
    return p;
}

// The share of pixels of `page` (from row `top` on) that equal the window's; 0 on another size.
double sameShare(const Pixels& window, const Pixels& page, int top = 0) {
    if (page.width != window.width || page.height < top + window.height) return 0.0;
    long same = 0;
    for (int y = 0; y < window.height; ++y)
        for (int x = 0; x < window.width; ++x)
            same += window(x, y) == page(x, y + top);
    return static_cast<double>(same) / (window.width * window.height);
}

long inkOf(const Pixels& p) {
    long ink = 0;
    for (COLORREF c : p.at)
        ink += c != white;
    return ink;
}

// A page with lines in every colour and several widths, a plot box with symbols and text, and
// an 8-bit picture, on a window of 640 x 480 client pixels, shown as repainted from its lists.
struct TestPage {
    bitmap picture{64, 32};
    desk page;
    HWND hwnd = nullptr;

    explicit TestPage(const std::string& title, int device = SCREEN) {
        for (int y = 0; y < picture.getheight(); ++y)
            for (int x = 0; x < picture.getwidth(); ++x)
                picture[y][x] = static_cast<unsigned char>(x * 2 + y * 3);
        page.setfontpath(testing_support::fontDirectory().c_str());
        const std::string placement = placementForClient(20, 20, 640, 480);
        page.open(device, title.c_str(), placement.c_str());
        for (int c = 0; c < 16; ++c) {
            page.setpenwidth(0.3f + 0.2f * (c % 4));
            page.line(4, 4 + 2.5f * c, 60, 8 + 2.5f * c, c);
        }
        {
            boxclass box(page);
            box.init(70, 12, 128, 62, 0.8f, 0.8f);
            box.dim(0, 10, 0, 10, 2, 2, 1, boxclass::TICKS_INSIDE);
            box.label("Zeit", "Weg", 0.6f, 0, 0, 0);
            const float x[] = {1, 3, 5, 7, 9}, y[] = {2, 6, 4, 8, 5};
            box.showpoints(x, y, 5, 1, 0x11, 1);
            box.connectpoints(x, y, 5, 3, 1);
        } // the box draws its frame once more as it goes
        page.putbmp(8, 50, 56, 90, picture);
        hwnd = FindWindowA("VeloraMainFrame", ("Velora  " + title).c_str());
        if (hwnd) repaint(hwnd);
    }
    ~TestPage() { page.close(); }
};

struct Clipboard {
    explicit Clipboard(HWND owner) {
        opened = waitUntil([&] { return OpenClipboard(owner) != 0; });
    }
    ~Clipboard() {
        if (opened) CloseClipboard();
    }
    bool opened;
};

void emptyClipboard() {
    Clipboard board(nullptr);
    if (board.opened) EmptyClipboard();
}

} // namespace

TEST(PageCopy, ClipboardHoldsTheMetafileAndTheBitmapOfTheWindowsPixels) {
    TestPage page("kopieren");
    ASSERT_NE(page.hwnd, nullptr);
    const Pixels window = windowPixels(page.hwnd);
    EXPECT_GT(inkOf(window), 5000); // a page with something on it
    // The menu command, Ctrl+C and the desk's call each fill the emptied clipboard.
    const std::function<void()> copies[] = {
        [&] { SendMessageA(page.hwnd, WM_SYSCOMMAND, MainFrame::copyCommand, 0); },
        [&] { SendMessageA(page.hwnd, WM_CHAR, 3, 0); },
        [&] { EXPECT_TRUE(page.page.copyscreen()); },
    };
    for (const auto& copy : copies) {
        emptyClipboard();
        copy();
        Clipboard board(nullptr);
        ASSERT_TRUE(board.opened);
        ASSERT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
        ASSERT_TRUE(IsClipboardFormatAvailable(CF_DIB));
        auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        EXPECT_GE(sameShare(window, played(metafile, window.width, window.height)), 0.99);
        HGLOBAL dib = GetClipboardData(CF_DIB);
        ASSERT_NE(dib, nullptr);
        const Pixels bitmap = fromPackedDib(static_cast<const unsigned char*>(GlobalLock(dib)));
        GlobalUnlock(dib);
        EXPECT_GE(sameShare(window, bitmap), 0.99);
    }
}

TEST(PageCopy, MetafilePastesAtTheSizeOfThePrintedPage) {
    TestPage page("metadatei");
    ASSERT_TRUE(page.page.copyscreen());
    Clipboard board(nullptr);
    ASSERT_TRUE(board.opened);
    auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    ENHMETAHEADER header{};
    ASSERT_TRUE(GetEnhMetaFileHeader(metafile, sizeof header, &header));
    // 1279 x 959 virtual units at 4 points per page unit, in hundredths of a millimetre.
    const double width = 1279 * 133.3 / 1280 * 4 * 2540 / 72,
                 height = 959 * 100 / 960.0 * 4 * 2540 / 72;
    EXPECT_NEAR(header.rclFrame.right - header.rclFrame.left, width, width * 0.005);
    EXPECT_NEAR(header.rclFrame.bottom - header.rclFrame.top, height, height * 0.005);

    // Pasted twice as large, as a report would: the picture of the README.
    const Pixels pasted = played(metafile, 1280, 960);
    EXPECT_GT(inkOf(pasted), 4 * 5000);
    bitmap24 picture(1280, 960);
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x) {
            unsigned char* bgr = picture(static_cast<short>(959 - y), static_cast<short>(x));
            bgr[0] = GetBValue(pasted(x, y));
            bgr[1] = GetGValue(pasted(x, y));
            bgr[2] = GetRValue(pasted(x, y));
        }
    char name[] = "pasted-metafile.bmp";
    picture.save(name);
}

TEST(PageCopy, DoublePageCopiesBothHalves) {
    TestPage page("doppelseite", SCREEN | DOUBLESIZE);
    ASSERT_NE(page.hwnd, nullptr);
    page.page.line(10, 150, 120, 150, 2); // in the upper half
    repaint(page.hwnd);
    const Pixels lower = windowPixels(page.hwnd);
    ASSERT_TRUE(page.page.copyscreen());
    Clipboard board(nullptr);
    ASSERT_TRUE(board.opened);
    HGLOBAL dib = GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const Pixels bitmap = fromPackedDib(static_cast<const unsigned char*>(GlobalLock(dib)));
    GlobalUnlock(dib);
    ASSERT_EQ(bitmap.height, 2 * lower.height);
    EXPECT_GE(sameShare(lower, bitmap, lower.height), 0.99);
    // The green line of the upper half: y 150 of 200 units, a quarter down the whole page.
    const int lineY = static_cast<int>((959 - 150 * 9.6) * 480 / 959.0) + 480;
    bool green = false;
    for (int y = lineY - 3; y <= lineY + 3; ++y)
        green = green || bitmap(320, y) == RGB(0, 255, 0);
    EXPECT_TRUE(green);

    auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    EXPECT_GE(sameShare(lower, played(metafile, lower.width, 2 * lower.height), lower.height),
              0.99);
}

TEST(PageFile, SavedPngAndEmfShowTheWindowsPixels) {
    TestPage page("speichern");
    ASSERT_NE(page.hwnd, nullptr);
    const Pixels window = windowPixels(page.hwnd);
    std::remove("savescreen.png");
    std::remove("savescreen.emf");
    ASSERT_TRUE(page.page.savescreen("savescreen.png"));
    ASSERT_TRUE(page.page.savescreen("SaveScreen.EMF"));

    HENHMETAFILE metafile = GetEnhMetaFileA("savescreen.emf");
    ASSERT_NE(metafile, nullptr);
    EXPECT_GE(sameShare(window, played(metafile, window.width, window.height)), 0.99);
    DeleteEnhMetaFile(metafile);

    // ImageMagick reads the PNG: its size, and its pixels as raw red-green-blue bytes.
    for (const char* old : {"savescreen.rgb", "savescreen.size", "savescreen.done"})
        std::remove(old);
    if (!runOnHost("identify -format %wx%h savescreen.png > savescreen.size && "
                   "convert savescreen.png -depth 8 rgb:savescreen.rgb; touch savescreen.done",
                   "savescreen.done"))
        GTEST_SKIP() << "ImageMagick cannot be run from here";
    EXPECT_EQ(testing_support::readFile("savescreen.size"), "640x480");
    const std::string rgb = testing_support::readFile("savescreen.rgb");
    ASSERT_EQ(rgb.size(), 640u * 480 * 3);
    Pixels png{640, 480, {}};
    for (std::size_t k = 0; k < rgb.size(); k += 3)
        png.at.push_back(RGB(static_cast<unsigned char>(rgb[k]),
                             static_cast<unsigned char>(rgb[k + 1]),
                             static_cast<unsigned char>(rgb[k + 2])));
    EXPECT_GE(sameShare(window, png), 0.99);
    // Inside the 8-bit picture, every pixel is kept exactly.
    long differ = 0;
    for (int y = 60; y < 230; ++y)
        for (int x = 45; x < 260; ++x)
            differ += png(x, y) != window(x, y);
    EXPECT_EQ(differ, 0);
}

TEST(PageFile, FailuresLeaveNoFile) {
    {
        desk alone;
        EXPECT_FALSE(alone.copyscreen());
        EXPECT_FALSE(alone.savescreen("alone.png"));
        EXPECT_FALSE(testing_support::fileExists("alone.png"));
    }
    TestPage page("fehler");
    EXPECT_FALSE(page.page.savescreen("no-such-folder/page.png"));
    EXPECT_FALSE(page.page.savescreen("page.bmp"));
    EXPECT_FALSE(page.page.savescreen(nullptr));
    EXPECT_FALSE(testing_support::fileExists("page.bmp"));
    // A name the system refuses leaves neither the file nor the temporary one beside it.
    EXPECT_FALSE(page.page.savescreen("bad|name.png"));
    EXPECT_FALSE(testing_support::fileExists("bad|name.png.velora-part"));
}

TEST(PageFile, SaveDialogOfTheSystemMenuWritesTheChosenFile) {
    TestPage page("dialog");
    ASSERT_NE(page.hwnd, nullptr);
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string name = std::string(folder) + "\\savedialog";
    std::remove((name + ".emf").c_str());
    // The dialog is found by its caption, given a name without extension and the metafile
    // type, and confirmed.
    bool found = false;
    std::thread helper([&] {
        HWND dialog = nullptr;
        found = waitUntil([&] {
            dialog = FindWindowA("#32770", saveDialogTitle);
            return dialog && IsWindowVisible(dialog);
        });
        if (!found) return;
        HWND types = GetDlgItem(dialog, cmb1);
        SendMessageA(types, CB_SETCURSEL, 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(types));
        HWND edit = GetDlgItem(dialog, edt1);
        if (!edit) edit = GetDlgItem(dialog, cmb13);
        SetWindowTextA(edit, name.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(page.hwnd, WM_SYSCOMMAND, MainFrame::saveCommand, 0);
    helper.join();
    ASSERT_TRUE(found);
    HENHMETAFILE metafile = GetEnhMetaFileA((name + ".emf").c_str());
    ASSERT_NE(metafile, nullptr);
    const Pixels window = windowPixels(page.hwnd);
    EXPECT_GE(sameShare(window, played(metafile, window.width, window.height)), 0.99);
    DeleteEnhMetaFile(metafile);
}

// Fills in palette and true colours at several opacities, a self-intersecting one and one cut
// by the viewport: live drawing, a repaint and the copied metafile show the same pixels, each
// one (the translucent fills lie on white, where the metafile's colour laid over white is
// what the page buffer blends).
TEST(PageCopy, FillsLookTheSameLiveRepaintedAndCopied) {
    desk page;
    const std::string placement = placementForClient(20, 20, 640, 480);
    page.open(SCREEN, "fills", placement.c_str());
    HWND hwnd = FindWindowA("VeloraMainFrame", "Velora  fills");
    ASSERT_NE(hwnd, nullptr);
    const COLOR colours[] = {1, 3, velora::rgb(230, 159, 0), velora::rgb(0, 114, 178), 12};
    const float opacities[] = {1.0f, 0.3f, 0.6f};
    for (int c = 0; c < 5; ++c)
        for (int a = 0; a < 3; ++a) {
            page.setfillopacity(opacities[a]);
            const float x0 = 5 + 15.5f * c, y0 = 5 + 17.3f * a;
            const float x[5] = {x0, x0 + 12.2f, x0 + 13.1f, x0 + 2.5f, x0 + 6.6f};
            const float y[5] = {y0, y0 + 1.7f, y0 + 13.4f, y0 + 10.1f, y0 + 5.2f};
            page.fill(x, y, 5, colours[c]);
        }
    page.setfillopacity(1.0f);
    const float star[5][2] = {{100, 95}, {110, 62}, {84, 83}, {116, 83}, {90, 62}};
    float sx[5], sy[5];
    for (int k = 0; k < 5; ++k) {
        sx[k] = star[k][0];
        sy[k] = star[k][1];
    }
    page.fill(sx, sy, 5, velora::rgb(204, 121, 167));
    page.setviewport(85, 10, 125, 50);
    const float big[4] = {70, 140, 100, 60}, bigY[4] = {0, 20, 70, 40};
    page.fill(big, bigY, 4, 2);
    page.resetviewport();
    paintPending(hwnd);
    const Pixels live = windowPixels(hwnd);
    EXPECT_GT(inkOf(live), 20000);
    wipe(hwnd);
    repaint(hwnd);
    const Pixels repainted = windowPixels(hwnd);
    EXPECT_EQ(sameShare(live, repainted), 1.0);
    emptyClipboard();
    EXPECT_TRUE(page.copyscreen());
    {
        Clipboard board(nullptr);
        ASSERT_TRUE(board.opened);
        auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        ASSERT_NE(metafile, nullptr);
        EXPECT_EQ(sameShare(live, played(metafile, live.width, live.height)), 1.0);
    }
    page.close();
}
