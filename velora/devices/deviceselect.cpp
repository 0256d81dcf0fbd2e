#include "devices/deviceselect.h"

#include "devices/corel.h"
#include "devices/errortexts.h"
#include "devices/postscript.h"

#include <iostream>
#include <string>

namespace {

// The file devices name their file after the text before its first '.'.
std::string deviceFileName(const char* name, const char* extension) {
    std::string result = name ? name : "";
    const std::size_t dot = result.find('.');
    if (dot != std::string::npos) result.erase(dot);
    return result + extension;
}

// The plotter's units: 72 per page unit.
float plotterUnits(float pageValue) {
    return static_cast<float>(72.0 * pageValue);
}

} // namespace

deviceselect::deviceselect(HINSTANCE instance)
    : flags(0), devx(0.0f), devy(0.0f), xscale(0.0f), yscale(0.0f), pendown(0), winscr(nullptr),
      instance(instance), psfile(nullptr), pltfile(nullptr) {}

deviceselect::~deviceselect() {
    cl();
}

void deviceselect::in(DEVICE dev, char name[], char* posSize) {
    flags = dev;
    pendown = 0;
    if ((dev & SCREEN) && !winscr) openScreen(name, posSize);
    if ((dev & EPS) && !psfile) {
        std::string file = deviceFileName(name, ".eps");
        psfile = new postscript(file.data());
    }
    if ((dev & PLT) && !pltfile) {
        std::string file = deviceFileName(name, ".plt");
        pltfile = new corel(file.data());
    }
    if (dev & DOUBLESIZE) setdoublesize();
    if (dev & MAXIMIZE) setmaximize();
    sp(0);
    pw(0.3f);
}

void deviceselect::openScreen(char[], char*) {
    std::cerr << "deviceselect : diese Ausgabe der Bibliothek hat keinen Bildschirm, SCREEN wird "
                 "ignoriert\n";
}

void deviceselect::setdoublesize() {
    if (psfile) psfile->setdoublesize();
}

void deviceselect::setmaximize() {}

void deviceselect::cl() {
    winscr = nullptr;
    delete psfile;
    psfile = nullptr;
    delete pltfile;
    pltfile = nullptr;
}

void deviceselect::cl1() {
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
}

void deviceselect::pa(float x, float y) {
    devx = x;
    devy = y;
    if (psfile) {
        if (pendown)
            psfile->lineto(x, y);
        else
            psfile->moveto(x, y);
    }
    if (pltfile) pltfile->pa(plotterUnits(x), plotterUnits(y));
}

void deviceselect::pw(float w) {
    if (psfile) psfile->pw(w);
    if (pltfile) pltfile->pw(w);
}

void deviceselect::sp(int col) {
    if (psfile) psfile->setColor(col);
    if (pltfile) pltfile->sp(col);
}

void deviceselect::cr(float, float, float, float, ClearFlag) {
    // A file cannot be cleared: clearing ends it.
    delete psfile;
    psfile = nullptr;
    delete pltfile;
    pltfile = nullptr;
}

void deviceselect::sb(float x1, float y1, float x2, float y2, char name[]) {
    if (psfile) psfile->sb(x1, y1, x2, y2, name);
    if (pltfile)
        pltfile->sb(plotterUnits(x1), plotterUnits(y1), plotterUnits(x2), plotterUnits(y2), name);
}

void deviceselect::pb(float x1, float y1, float x2, float y2, bitmap& b) {
    if (psfile) psfile->pb(x1, y1, x2, y2, b);
    if (pltfile)
        pltfile->pb(plotterUnits(x1), plotterUnits(y1), plotterUnits(x2), plotterUnits(y2), b);
}

void deviceselect::pb(float x1, float y1, float x2, float y2, bitmap24& b) {
    if (psfile) psfile->pb(x1, y1, x2, y2, b);
    if (pltfile)
        pltfile->pb(plotterUnits(x1), plotterUnits(y1), plotterUnits(x2), plotterUnits(y2), b);
}

void deviceselect::np() {
    if (psfile) psfile->np();
}

void deviceselect::cp() {
    if (psfile) psfile->cp();
}

void deviceselect::st() {
    if (psfile) psfile->st();
}

void deviceselect::st_cp() {
    if (psfile) psfile->st_cp();
}

void deviceselect::svb() {}

PlotPuffer* deviceselect::spp(unsigned int) {
    return nullptr;
}

unsigned int deviceselect::gsppe() {
    return 0;
}

void deviceselect::sdp(int, int) {}

void deviceselect::pointBox(float, float, float, float, unsigned short) {}

void deviceselect::pointBoxDim(float, float, float, float, unsigned short) {}

void deviceselect::errorHandel(unsigned short id) {
    // Without a window the report goes to the error stream, with the text a message box would
    // show; the caller decides what follows.
    std::cerr << "Velora : Fehler aufgetreten ! (" << id << ") " << velora::errorText(id) << "\n";
}
