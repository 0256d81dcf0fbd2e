// The main frame's two replays: the repaint of the window and the printout, both from the
// display lists through one reader; they differ only in the device context and the scales.
#include "screen/mainframe.h"

#include "devices/plotreplay.h"
#include "devices/replaymapping.h"
#include "screen/devicecontexttarget.h"
#include "screen/printer.h"

namespace {

// The printed page spans this share of the printable width.
constexpr double printedWidth = 0.94;

} // namespace

void MainFrame::replay(HDC dc, MainFrameData& d, float xscale, float yscale, int penExtra) {
    const int scroll = d.scrollInfo.nPos - static_cast<int>(d.scrollInfo.nPage);
    DeviceContextTarget target(dc, *d.pens, d.penTablePtr);
    PlotReplay::run(*d.layers, ReplayMapping::window(xscale, yscale, d.listScale, penExtra, scroll),
                    target);
}

void MainFrame::Paint(HWND hwnd) {
    MainFrameData* d = getMainFrameData(hwnd);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (d && dc) replay(dc, *d, d->xscale, d->yscale, d->penExtra);
    EndPaint(hwnd, &paint);
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
