#include "devices/selector/deviceselect.h"

#include "common/filename.h"
#include "devices/files/corel.h"
#include "devices/files/pdfwriter.h"
#include "devices/files/postscript.h"
#include "devices/files/svgwriter.h"
#include "devices/selector/errortexts.h"
#ifdef VELORA_HAS_SCREEN
#include "devices/selector/winscr.h"
#else
// Builds without the screen windows have no screen: the selector never makes one, so these are
// never called.
class WinScr {
public:
    int close() { return 0; }
    void setdoublesize() {}
    void setmaximize() {}
    void setsmooth() {}
    void _moveTo(float, float) {}
    void _lineTo(float, float) {}
    void setPenWidth(float) {}
    void setColor(unsigned) {}
    void fill(const float*, const float*, int, int, unsigned) {}
    void clearrec(float, float, float, float, ClearFlag) {}
    void showbmp(float, float, float, float, const char*) {}
    void putbmp(float, float, float, float, bitmap&) {}
    void putbmp(float, float, float, float, bitmap24&) {}
    void setviewportbegin() {}
    PlotPuffer* setPlotPuffer(unsigned) { return nullptr; }
    unsigned getPlotPufferEbenen() { return 0; }
    void setdeskposition(int, int) {}
    void pointBox(float, float, float, float, unsigned short) {}
    void pointBoxDim(float, float, float, float, unsigned short) {}
    void pointBoxScale(bool, bool, unsigned short) {}
    void errorHandel(unsigned short) {}
    bool copyscreen() { return false; }
    bool savescreen(const char*) { return false; }
};
#endif

#include <cmath>
#include <iostream>
#include <string>

namespace {

// Every device maps page units by at most 72 (the plotter's units): a coordinate or width beyond
// this would overflow a float in some file, and NaN has no place at all. Such values are left out.
constexpr float farthestValue = 1e36f;

bool usable(float value) {
    return std::fabs(value) <= farthestValue;
}

// A device is deleted only once its pointer is cleared: a device that fails while finishing its
// file ends the process, and the exit may come back here through the desk's destructor.
template <class Device> void deleteDevice(Device*& device) {
    Device* going = device;
    device = nullptr;
    delete going;
}

// The open PDF and SVG writers, for a range-for; they take the EPS writer's commands.
struct VectorPages {
    VectorPage* items[2];
    int count;
    VectorPage** begin() { return items; }
    VectorPage** end() { return items + count; }
};
VectorPages pagesOf(pdfwriter* pdf, svgwriter* svg) {
    VectorPages pages{{nullptr, nullptr}, 0};
    if (pdf) pages.items[pages.count++] = pdf;
    if (svg) pages.items[pages.count++] = svg;
    return pages;
}

// The plotter's units: 72 per page unit.
float plotterUnits(float pageValue) {
    return static_cast<float>(72.0 * pageValue);
}

// The screen's virtual units: the selector's scale for the axis.
float screenUnits(float pageValue, float scale) {
    return static_cast<float>(static_cast<double>(pageValue) * scale);
}

} // namespace

deviceselect::deviceselect(HINSTANCE instance)
    : flags(0), devx(0.0f), devy(0.0f), xscale(0.0f), yscale(0.0f), pendown(0), winscr(nullptr),
      instance(instance), psfile(nullptr), pltfile(nullptr), pdffile(nullptr), svgfile(nullptr),
      pausedPsfile(nullptr), pausedPltfile(nullptr), pausedPdffile(nullptr), pausedSvgfile(nullptr),
      paused(false), pausedX(0.0f), pausedY(0.0f), pausedPen(0), lineBroken(false) {}

deviceselect::~deviceselect() {
    cl();
}

void deviceselect::in(DEVICE dev, char name[], char* posSize) {
    resumeFiles();
    flags = dev;
    pendown = 0;
    lineBroken = false;
    if ((dev & SCREEN) && !winscr) openScreen(name, posSize);
    if ((dev & EPS) && !psfile) {
        std::string file = velora::withExtension(name, ".eps");
        psfile = new postscript(file.data());
    }
    if ((dev & PLT) && !pltfile) {
        std::string file = velora::withExtension(name, ".plt");
        pltfile = new corel(file.data());
    }
    if ((dev & PDF) && !pdffile) {
        std::string file = velora::withExtension(name, ".pdf");
        pdffile = new pdfwriter(file.data());
    }
    if ((dev & SVG) && !svgfile) {
        std::string file = velora::withExtension(name, ".svg");
        svgfile = new svgwriter(file.data());
    }
    if (dev & DOUBLESIZE) setdoublesize();
    if (dev & MAXIMIZE) setmaximize();
    if ((dev & SMOOTH) && winscr) winscr->setsmooth();
    sp(0);
    pw(0.3f);
}

void deviceselect::openScreen(char name[], char* posSize) {
#ifdef VELORA_HAS_SCREEN
    winscr = new WinScr(name, instance, posSize);
    // 1280 / 133.3, not the page width 133.33: the screen's own scale.
    xscale = static_cast<float>(winscr->getwidth() / 133.3);
    yscale = static_cast<float>(winscr->getheight() / 100.0);
#else
    (void)name;
    (void)posSize;
    std::cerr << "deviceselect : diese Ausgabe der Bibliothek hat keinen Bildschirm, SCREEN wird "
                 "ignoriert\n";
#endif
}

void deviceselect::setdoublesize() {
    if (winscr) winscr->setdoublesize();
    if (psfile) psfile->setdoublesize();
    if (pdffile) pdffile->setdoublesize();
    if (svgfile) svgfile->setdoublesize();
}

void deviceselect::setmaximize() {
    if (winscr) winscr->setmaximize();
}

void deviceselect::pauseFiles() {
    if (paused) return;
    paused = true;
    pausedPsfile = psfile;
    pausedPltfile = pltfile;
    pausedPdffile = pdffile;
    pausedSvgfile = svgfile;
    psfile = nullptr;
    pltfile = nullptr;
    pdffile = nullptr;
    svgfile = nullptr;
    pausedX = devx;
    pausedY = devy;
    pausedPen = pendown;
}

void deviceselect::resumeFiles() {
    if (!paused) return;
    paused = false;
    psfile = pausedPsfile;
    pltfile = pausedPltfile;
    pdffile = pausedPdffile;
    svgfile = pausedSvgfile;
    pausedPsfile = nullptr;
    pausedPltfile = nullptr;
    pausedPdffile = nullptr;
    pausedSvgfile = nullptr;
    // The files never saw the pen move: the selector takes up their state again, and a screen
    // with the pen down goes back to the point the next line starts from.
    devx = pausedX;
    devy = pausedY;
    pendown = pausedPen;
    if (winscr && pendown) winscr->_moveTo(screenUnits(devx, xscale), screenUnits(devy, yscale));
}

void deviceselect::cl() {
    resumeFiles();
    deleteDevice(winscr);
    deleteDevice(psfile);
    deleteDevice(pltfile);
    endVectorFiles();
}

void deviceselect::cl1() {
    // The window is asked to close and gone before its device is deleted.
    if (winscr) winscr->close();
    cl();
}

void deviceselect::pu() {
    if (!pendown) return;
    pendown = 0;
    if (pltfile) pltfile->pu();
}

void deviceselect::pd() {
    if (pendown) return;
    pendown = -1;
    if (pltfile) pltfile->pd();
    // The screen draws from the last point only now: a pen-up pa only moves.
    if (winscr) winscr->_moveTo(screenUnits(devx, xscale), screenUnits(devy, yscale));
}

void deviceselect::pa(float x, float y) {
    if (!usable(x) || !usable(y)) {
        // The line breaks here: it goes on from the next usable point, never through a
        // made-up one.
        lineBroken = true;
        return;
    }
    if (lineBroken && pendown) {
        lineBroken = false;
        resumeLineAt(x, y);
        return;
    }
    lineBroken = false;
    devx = x;
    devy = y;
    if (psfile) {
        if (pendown)
            psfile->lineto(x, y);
        else
            psfile->moveto(x, y);
    }
    for (VectorPage* page : pagesOf(pdffile, svgfile)) {
        if (pendown)
            page->lineto(x, y);
        else
            page->moveto(x, y);
    }
    if (pltfile) pltfile->pa(plotterUnits(x), plotterUnits(y));
    if (winscr && pendown) winscr->_lineTo(screenUnits(x, xscale), screenUnits(y, yscale));
}

void deviceselect::resumeLineAt(float x, float y) {
    devx = x;
    devy = y;
    if (psfile) psfile->moveto(x, y);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->moveto(x, y);
    if (pltfile) {
        pltfile->pu();
        pltfile->pa(plotterUnits(x), plotterUnits(y));
        pltfile->pd();
    }
    if (winscr) winscr->_moveTo(screenUnits(x, xscale), screenUnits(y, yscale));
}

void deviceselect::pw(float w) {
    // A width that is no usable number keeps the last one on every device.
    if (!usable(w)) return;
    if (psfile) psfile->pw(w);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->pw(w);
    if (pltfile) pltfile->pw(w);
    if (winscr) winscr->setPenWidth(w);
}

bool deviceselect::usableWidth(float w) {
    return usable(w);
}

void deviceselect::sp(int col) {
    if (psfile) psfile->setColor(col);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->setColor(col);
    if (pltfile) pltfile->sp(col);
    if (winscr) winscr->setColor(static_cast<unsigned>(col));
}

void deviceselect::fp(const float* x, const float* y, int n, int col, unsigned alpha) {
    if (!x || !y || n < 3) return;
    for (int i = 0; i < n; ++i)
        if (!usable(x[i]) || !usable(y[i])) return;
    if (alpha > 255) alpha = 255;
    if (psfile) psfile->fill(x, y, n, col, alpha);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->fill(x, y, n, col, alpha);
    const auto mapped = [&](auto units) {
        unitsX.resize(static_cast<std::size_t>(n));
        unitsY.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            unitsX[i] = units(x[i], xscale);
            unitsY[i] = units(y[i], yscale);
        }
    };
    if (pltfile) {
        mapped([](float v, float) { return plotterUnits(v); });
        pltfile->fill(unitsX.data(), unitsY.data(), n, col, alpha);
        // The plotter's pen is back where the selector left it, up.
        pendown = 0;
        pltfile->pa(plotterUnits(devx), plotterUnits(devy));
    }
    if (winscr) {
        mapped([](float v, float scale) { return screenUnits(v, scale); });
        winscr->fill(unitsX.data(), unitsY.data(), n, col, alpha);
    }
}

void deviceselect::cr(float x1, float y1, float x2, float y2, ClearFlag f) {
    if (winscr)
        winscr->clearrec(screenUnits(x1, xscale), screenUnits(y1, yscale), screenUnits(x2, xscale),
                         screenUnits(y2, yscale), f);
    // A file cannot be cleared: clearing ends it.
    deleteDevice(psfile);
    deleteDevice(pltfile);
    endVectorFiles();
}

void deviceselect::endVectorFiles() {
    deleteDevice(pdffile);
    deleteDevice(svgfile);
}

void deviceselect::sb(float x1, float y1, float x2, float y2, char name[]) {
    // A picture is placed only where every device can say where.
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2)) return;
    if (psfile) psfile->sb(x1, y1, x2, y2, name);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->sb(x1, y1, x2, y2, name);
    if (pltfile)
        pltfile->sb(plotterUnits(x1), plotterUnits(y1), plotterUnits(x2), plotterUnits(y2), name);
    if (winscr)
        winscr->showbmp(screenUnits(x1, xscale), screenUnits(y1, yscale), screenUnits(x2, xscale),
                        screenUnits(y2, yscale), name);
}

template <class Picture>
void deviceselect::placePicture(float x1, float y1, float x2, float y2, Picture& b) {
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2)) return;
    if (psfile) psfile->pb(x1, y1, x2, y2, b);
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->pb(x1, y1, x2, y2, b);
    if (pltfile)
        pltfile->pb(plotterUnits(x1), plotterUnits(y1), plotterUnits(x2), plotterUnits(y2), b);
    if (winscr)
        winscr->putbmp(screenUnits(x1, xscale), screenUnits(y1, yscale), screenUnits(x2, xscale),
                       screenUnits(y2, yscale), b);
}

void deviceselect::pb(float x1, float y1, float x2, float y2, bitmap& b) {
    placePicture(x1, y1, x2, y2, b);
}

void deviceselect::pb(float x1, float y1, float x2, float y2, bitmap24& b) {
    placePicture(x1, y1, x2, y2, b);
}

void deviceselect::np() {
    if (psfile) psfile->np();
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->np();
}

void deviceselect::cp() {
    if (psfile) psfile->cp();
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->cp();
}

void deviceselect::st() {
    if (psfile) psfile->st();
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->st();
}

void deviceselect::st_cp() {
    if (psfile) psfile->st_cp();
    for (VectorPage* page : pagesOf(pdffile, svgfile))
        page->st_cp();
}

void deviceselect::svb() {
    if (winscr) winscr->setviewportbegin();
}

PlotPuffer* deviceselect::spp(unsigned int n) {
    return winscr ? winscr->setPlotPuffer(n) : nullptr;
}

unsigned int deviceselect::gsppe() {
    return winscr ? winscr->getPlotPufferEbenen() : 0;
}

void deviceselect::sdp(int x, int y) {
    if (winscr) winscr->setdeskposition(x, y);
}

void deviceselect::pointBox(float x1, float y1, float x2, float y2, unsigned short id) {
    if (winscr)
        winscr->pointBox(screenUnits(x1, xscale), screenUnits(y1, yscale), screenUnits(x2, xscale),
                         screenUnits(y2, yscale), id);
}

void deviceselect::pointBoxDim(float x1, float y1, float x2, float y2, unsigned short id) {
    if (winscr) winscr->pointBoxDim(x1, y1, x2, y2, id);
}

void deviceselect::pointBoxScale(bool logX, bool logY, unsigned short id) {
    if (winscr) winscr->pointBoxScale(logX, logY, id);
}

bool deviceselect::copyscreen() {
    return winscr && winscr->copyscreen();
}

bool deviceselect::savescreen(const char* name) {
    return winscr && winscr->savescreen(name);
}

void deviceselect::errorHandel(unsigned short id) {
    if (winscr) {
        winscr->errorHandel(id);
        return;
    }
    // Without a window the report goes to the error stream, with the text a message box would
    // show; the caller decides what follows.
    std::cerr << "Velora : Fehler aufgetreten ! (" << id << ") " << velora::errorText(id) << "\n";
}
