#include "screen/pagepicture.h"

#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "screen/buffertarget.h"
#include "screen/devicecontexttarget.h"
#include "screen/pagebuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Page units per virtual unit across and down, and points per page unit (as the EPS files).
constexpr double unitsAcross = 133.3 / 1280.0;
constexpr double unitsDown = 100.0 / 960.0;
constexpr double pointsPerUnit = 4.0;
constexpr double hundredthsMmPerPoint = 2540.0 / 72.0;

// The reference device's resolution as the metafile will record it; 96 dots per inch when the
// device does not say.
double pixelsPerMm(HDC reference, int pixelsIndex, int millimetresIndex) {
    const int pixels = GetDeviceCaps(reference, pixelsIndex);
    const int millimetres = GetDeviceCaps(reference, millimetresIndex);
    return pixels > 0 && millimetres > 0 ? static_cast<double>(pixels) / millimetres : 96 / 25.4;
}

} // namespace

PagePicture::PagePicture(HWND window, MainFrameData& data)
    : window(window), data(data), pageWidth(0), pageHeight(0), scroll(0) {
    RECT client{};
    if (window) GetClientRect(window, &client);
    // A double page is shown half at a time; nPage is the height of the half above.
    const int above = static_cast<int>(data.scrollInfo.nPage);
    pageWidth = client.right;
    pageHeight = client.bottom > 0 ? client.bottom + above : 0;
    scroll = -above;
}

void PagePicture::replay(ReplayTarget& target) const {
    PlotReplay::run(*data.layers,
                    ReplayMapping::window(data.xscale, data.yscale, data.listScale, data.penExtra,
                                          scroll, data.penScale),
                    target);
}

bool PagePicture::renderPixels(std::vector<unsigned char>& pixels) const {
    if (pageWidth <= 0 || pageHeight <= 0) return false;
    // Drawn as the window draws its own page buffer, so that the copy has the window's pixels.
    PageBuffer page;
    if (!page.resize(pageWidth, pageHeight)) return false;
    page.raster().setSmooth(data.smooth);
    {
        BufferTarget target(page);
        replay(target);
    }
    GdiFlush();
    const std::size_t row = static_cast<std::size_t>(stride());
    pixels.assign(row * pageHeight, 0);
    const std::uint32_t* from = page.rows();
    for (int y = 0; y < pageHeight; ++y) {
        unsigned char* to = pixels.data() + row * y;
        for (int x = 0; x < pageWidth; ++x, ++from, to += 3) {
            to[0] = static_cast<unsigned char>(*from);
            to[1] = static_cast<unsigned char>(*from >> 8);
            to[2] = static_cast<unsigned char>(*from >> 16);
        }
    }
    return true;
}

bool PagePicture::renderPackedDib(std::vector<unsigned char>& dib) const {
    std::vector<unsigned char> pixels;
    if (!renderPixels(pixels)) return false;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = pageWidth;
    header.biHeight = pageHeight; // rows from the bottom, as every reader expects
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    dib.resize(sizeof header + pixels.size());
    std::memcpy(dib.data(), &header, sizeof header);
    const std::size_t row = static_cast<std::size_t>(stride());
    for (int y = 0; y < pageHeight; ++y)
        std::memcpy(dib.data() + sizeof header + row * (pageHeight - 1 - y),
                    pixels.data() + row * y, row);
    return true;
}

HENHMETAFILE PagePicture::renderMetafile() const {
    if (pageWidth <= 0 || pageHeight <= 0) return nullptr;
    HDC reference = GetDC(window);
    if (!reference) return nullptr;
    // The page at 4 points per unit, in reference pixels (whole ones, so that the frame below
    // says exactly what the drawing spans) and in hundredths of a millimetre.
    const double pixelsPerMmX = pixelsPerMm(reference, HORZRES, HORZSIZE);
    const double pixelsPerMmY = pixelsPerMm(reference, VERTRES, VERTSIZE);
    const double widthPoints = pageWidth / data.xscale * unitsAcross * pointsPerUnit;
    const double heightPoints = pageHeight / data.yscale * unitsDown * pointsPerUnit;
    const int across = std::max(1, static_cast<int>(std::lround(widthPoints * hundredthsMmPerPoint /
                                                                100.0 * pixelsPerMmX)));
    const int down = std::max(1, static_cast<int>(std::lround(heightPoints * hundredthsMmPerPoint /
                                                              100.0 * pixelsPerMmY)));
    const RECT frame{0, 0, static_cast<LONG>(std::lround(across * 100.0 / pixelsPerMmX)),
                     static_cast<LONG>(std::lround(down * 100.0 / pixelsPerMmY))};
    HDC dc = CreateEnhMetaFileA(reference, nullptr, &frame, "Velora\0Seite\0");
    ReleaseDC(window, reference);
    if (!dc) return nullptr;
    // Drawn in the window's pixels, scaled onto the frame.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, pageWidth, pageHeight, nullptr);
    SetViewportExtEx(dc, across, down, nullptr);
    RECT all{0, 0, pageWidth, pageHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        DeviceContextTarget target(dc, *data.pens, data.penTablePtr);
        replay(target);
    }
    return CloseEnhMetaFile(dc);
}
