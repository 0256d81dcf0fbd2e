// The main frame's two replays: the repaint of the window and the printout, both from the
// display lists through one reader. The repaint draws the page buffer afresh (the pixels live
// drawing draws too) and copies it to the window; the printout draws on the printer's context
// at its scales.
#include "screen/mainframe.h"

#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/raster/livebatch.h"
#include "screen/buffertarget.h"
#include "screen/devicecontexttarget.h"
#include "screen/pagebuffer.h"
#include "screen/printer.h"

namespace {

// The printed page spans this share of the printable width.
constexpr double printedWidth = 0.94;

void replayOnto(ReplayTarget& target, MainFrameData& d, float xscale, float yscale, int penExtra,
                float penScale) {
    const int scroll = d.scrollInfo.nPos - static_cast<int>(d.scrollInfo.nPage);
    PlotReplay::run(*d.layers,
                    ReplayMapping::window(xscale, yscale, d.listScale, penExtra, scroll, penScale),
                    target);
}

} // namespace

void MainFrame::replay(HDC dc, MainFrameData& d, float xscale, float yscale, int penExtra,
                       float penScale) {
    DeviceContextTarget target(dc, *d.pens, d.penTablePtr);
    replayOnto(target, d, xscale, yscale, penExtra, penScale);
}

void MainFrame::Paint(HWND hwnd) {
    MainFrameData* d = getMainFrameData(hwnd);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (d && dc && !paintBuffer(hwnd, dc, paint.rcPaint, *d)) {
        // The window declined to erase, counting on the page buffer (see WM_ERASEBKGND).
        if (d->live && d->page) {
            auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND));
            FillRect(dc, &paint.rcPaint,
                     brush ? brush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        replay(dc, *d, d->xscale, d->yscale, d->penExtra, d->penScale);
    }
    EndPaint(hwnd, &paint);
}

bool MainFrame::paintBuffer(HWND hwnd, HDC dc, const RECT& area, MainFrameData& d) {
    if (!d.live || !d.page) return false;
    const auto guard = d.live->hold();
    PageBuffer& page = *d.page;
    RECT client{};
    GetClientRect(hwnd, &client);
    // What live drawing put in the buffer and the window has not been shown yet goes to the
    // window too, wherever it lies; all of the page when the window moved away from it.
    const PixelBounds unshown = page.raster().takeChanged();
    const bool inStep =
        page.inStep() && page.width() == client.right && page.height() == client.bottom;
    if (!page.resize(client.right, client.bottom)) return false;
    {
        BufferTarget target(page);
        replayOnto(target, d, d.xscale, d.yscale, d.penExtra, d.penScale);
    }
    GdiFlush();
    page.raster().takeChanged();
    page.copyTo(dc, area);
    page.setInStep(true);
    page.raster().markChanged(inStep ? unshown : PixelBounds{0, 0, page.width(), page.height()});
    page.present();
    d.live->shown();
    return true;
}

void MainFrame::bufferOutOfStep(MainFrameData& d) {
    if (!d.live || !d.page) return;
    const auto guard = d.live->hold();
    d.page->setInStep(false);
}

void MainFrame::Print(HDC printer, HWND hwnd) {
    MainFrameData* d = getMainFrameData(hwnd);
    if (d && printer) replay(printer, *d, d->xscale, d->yscale, d->penExtra);
}

void MainFrame::printFkt(HWND hwnd, MainFrameData& d) {
    Printer& printer = Printer::shared();
    char title[1000] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    printer.setDocName(title);
    HDC dc = printer.getPrinterDC();
    if (!dc) return; // no printer: nothing is printed, nothing is said
    // The printer's scales go straight to this replay; the window's own stay untouched, so live
    // drawing on the client's thread never sees them.
    const float scale = static_cast<float>(printer.getWidth() / 1279.0 * printedWidth);
    const int penExtra = static_cast<int>(scale / 0.5);
    printer.startDoc();
    replay(dc, d, scale, scale, penExtra);
    printer.endDoc();
}
