// Printing on a real printer: the frame's "Drucken" (command 2) sends the page to the first
// printer Windows knows, here CUPS's PDF printer behind Wine; the PDF that arrives is rendered
// and the drawing found where the printer mapping puts it. "Drucker einrichten ..." (command 1)
// shows the print dialog, and printing still works after it was confirmed.
#include "devices/selector/winscr.h"
#include "support/windows/hostcommand.h"
#include "support/windows/windowchecks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace window_checks;

namespace {

// Where CUPS-PDF puts what this user prints: VELORA_PDF_DIR, else ~/PDF (a Linux path).
std::string pdfFolder() {
    if (const char* dir = std::getenv("VELORA_PDF_DIR")) return dir;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/root") + "/PDF";
}

// The same folder as Windows programs see it under Wine.
std::string windowsPath(const std::string& linuxPath) {
    return "Z:" + linuxPath;
}

// The PDFs whose names hold `part` (CUPS-PDF names them after the document).
std::vector<std::string> filesNaming(const std::string& folder, const std::string& part) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((windowsPath(folder) + "/*" + part + "*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string firstPrinter() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, nullptr, 0, &needed, &count);
    if (needed == 0) return "";
    std::vector<BYTE> list(needed);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, list.data(), needed, &needed, &count) ||
        count == 0)
        return "";
    return reinterpret_cast<const PRINTER_INFO_5A*>(list.data())->pPrinterName;
}

// A rendered page: 8-bit red, green, blue, rows from the top.
struct Rendered {
    int width = 0, height = 0;
    std::string rgb;
    const unsigned char* at(int x, int y) const {
        return reinterpret_cast<const unsigned char*>(rgb.data()) + 3 * (y * width + x);
    }
    bool dark(int x, int y) const {
        const unsigned char* p = at(x, y);
        return p[0] < 90 && p[1] < 90 && p[2] < 90;
    }
    bool red(int x, int y) const {
        const unsigned char* p = at(x, y);
        return p[0] > 200 && p[1] < 90 && p[2] < 90;
    }
    bool blue(int x, int y) const {
        const unsigned char* p = at(x, y);
        return p[0] < 90 && p[1] < 90 && p[2] > 200;
    }
};

constexpr int renderDpi = 100;

// Waits for the PDF of the document `name`, renders it with pdftoppm (no smoothing, so lines
// keep their colours) and removes it.
bool receive(const std::string& name, Rendered& page) {
    const std::string folder = pdfFolder();
    std::vector<std::string> names;
    if (!waitUntil([&] { return !(names = filesNaming(folder, name)).empty(); }, 90000))
        return false;
    const std::string pdf = folder + "/" + names.front();
    const std::string out = name + "-page";
    std::remove((out + ".ppm").c_str());
    std::remove((out + ".done").c_str());
    // CUPS-PDF may still be writing: pdftoppm is retried until it reads the whole file.
    const std::string command = "for k in 1 2 3 4 5 6 7 8 9 10; do pdftoppm -r " +
                                std::to_string(renderDpi) + " -aa no -aaVector no -singlefile '" +
                                pdf + "' " + out + " 2>/dev/null && break; sleep 1; done; touch " +
                                out + ".done";
    if (!runOnHost(command, (out + ".done").c_str())) return false;
    std::ifstream file(out + ".ppm", std::ios::binary);
    std::string magic;
    int maximum = 0;
    file >> magic >> page.width >> page.height >> maximum;
    file.get();
    page.rgb.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    DeleteFileA((windowsPath(folder) + "/" + names.front()).c_str());
    return magic == "P6" && maximum == 255 && page.width > 0 &&
           page.rgb.size() == 3u * page.width * page.height;
}

// A frame round the whole page in black, a red line across its middle, a blue one down it.
void drawFigure(WinScr& screen) {
    screen.setColor(0);
    screen._moveTo(0, 0);
    screen._lineTo(1279, 0);
    screen._lineTo(1279, 959);
    screen._lineTo(0, 959);
    screen._lineTo(0, 0);
    screen.setColor(1);
    screen._moveTo(0, 479.5f);
    screen._lineTo(1279, 479.5f);
    screen.setColor(3);
    screen._moveTo(639.5f, 0);
    screen._lineTo(639.5f, 959);
}

// The print dialog of the frame: a dialog it owns.
HWND dialogOwnedBy(HWND owner) {
    HWND found = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr))
        if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w)) found = w;
    return found;
}

} // namespace

TEST(RealPrinter, PrintedPageShowsTheDrawingWhereTheMappingPutsIt) {
    const std::string printer = firstPrinter();
    if (printer.empty())
        GTEST_SKIP() << "Wine knows no printer: CUPS with a printer is needed "
                        "(scripts/print-test.sh sets one up)";
    // The document is named after the window title; unique, so the PDF is this test's.
    const std::string title = "druckprobe" + std::to_string(GetCurrentProcessId());
    char placement[] = "pos=(10,10) size=(660,520)";
    WinScr screen(title.c_str(), nullptr, placement);
    HWND hwnd = screen;
    ASSERT_NE(hwnd, nullptr);
    drawFigure(screen);

    // Where the printer mapping puts the page, in rendered pixels.
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    const double toRender = static_cast<double>(renderDpi) / GetDeviceCaps(dc, LOGPIXELSX);
    const int printable = GetDeviceCaps(dc, HORZRES);
    const double left =
        (GetDeviceCaps(dc, PHYSICALOFFSETX) + static_cast<int>(printable * 0.037142857142857144)) *
        toRender;
    const double top = GetDeviceCaps(dc, PHYSICALOFFSETY) * toRender;
    const double width = printable / 1279.0 * 0.94 * 1279 * toRender;
    DeleteDC(dc);

    SendMessageA(hwnd, WM_SYSCOMMAND, 2, 0);
    Rendered page;
    ASSERT_TRUE(receive(title, page)) << "no PDF arrived in " << pdfFolder();

    // The frame's edges along the red line's row and the blue line's column.
    int row = -1, column = -1;
    for (int y = 0; y < page.height && row < 0; ++y)
        for (int x = 0; x < page.width && row < 0; ++x)
            if (page.red(x, y)) row = y;
    for (int x = 0; x < page.width && column < 0; ++x)
        for (int y = 0; y < page.height && column < 0; ++y)
            if (page.blue(x, y)) column = x;
    ASSERT_GE(row, 0);
    ASSERT_GE(column, 0);
    int first = -1, last = -1, upper = -1, lower = -1;
    for (int x = 0; x < page.width; ++x)
        if (page.dark(x, row - 3) || page.dark(x, row + 3)) {
            if (first < 0) first = x;
            last = x;
        }
    for (int y = 0; y < page.height; ++y)
        if (page.dark(column - 3, y) || page.dark(column + 3, y)) {
            if (upper < 0) upper = y;
            lower = y;
        }
    const double slack = page.width * 0.01;
    EXPECT_NEAR(first, left, slack);
    EXPECT_NEAR(last - first, width, slack);
    EXPECT_NEAR(upper, top, slack);
    // The page's proportions: as high as 959 of its 1279 units across.
    EXPECT_NEAR(lower - upper, (last - first) * 959.0 / 1279.0, slack);
    EXPECT_NEAR(row, (upper + lower) / 2.0, 3);
    EXPECT_NEAR(column, (first + last) / 2.0, 3);

    // The print dialog of command 1, confirmed from here; printing goes on afterwards.
    bool confirmed = false;
    std::thread helper([&] {
        HWND dialog = nullptr;
        confirmed = waitUntil([&] { return (dialog = dialogOwnedBy(hwnd)) != nullptr; });
        if (confirmed) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(hwnd, WM_SYSCOMMAND, 1, 0);
    helper.join();
    EXPECT_TRUE(confirmed);
    SendMessageA(hwnd, WM_SYSCOMMAND, 2, 0);
    Rendered again;
    ASSERT_TRUE(receive(title, again));
    EXPECT_EQ(again.width, page.width);
    EXPECT_EQ(again.rgb, page.rgb);
    screen.close();
}
