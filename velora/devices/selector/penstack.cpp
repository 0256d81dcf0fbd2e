#include "devices/selector/penstack.h"

#include "common/colour.h"
#include "devices/selector/palette.h"

#include <atomic>
#include <iostream>
#include <mutex>

namespace {

// Library-wide: every pen constructed takes the next number.
std::atomic<unsigned> sharedPenCounter{0};

// Pen lists are read and extended by the client's thread (live drawing) and the window's thread
// (replays) at the same time; one lock for all lists keeps both from linking a pen at once.
std::mutex& sharedPenListLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

PenStack::PenStack(unsigned colorIndex, unsigned width)
    : colorIndex(colorIndex), width(width), id(sharedPenCounter.fetch_add(1)), pen(nullptr),
      next(nullptr) {
    const PaletteColour c = Palette::of(colorIndex);
    pen = CreatePen(PS_SOLID, static_cast<int>(width) + 1, RGB(c.red, c.green, c.blue));
}

PenStack::~PenStack() {
    // The rest of the list goes first; iteratively, so that a long list cannot exhaust the stack.
    PenStack* rest = next;
    next = nullptr;
    while (rest) {
        PenStack* following = rest->next;
        rest->next = nullptr;
        delete rest;
        rest = following;
    }
    if (pen && !DeleteObject(pen))
        std::cerr << "# PenStack error : can't delete pen " << id << "\n";
    pen = nullptr;
    colorIndex = width = id = 0;
}

PenStack& PenStack::last() {
    PenStack* element = this;
    while (element->next)
        element = element->next;
    return *element;
}

void PenStack::operator<<(PenStack* p) {
    last().next = p;
}

PenStack& PenStack::operator[](int wanted) {
    if (wanted < 0) return *this;
    PenStack* element = this;
    while (element->id != static_cast<unsigned>(wanted) && element->next)
        element = element->next;
    return *element;
}

PenStack::operator unsigned int() {
    return last().id;
}

HPEN PenStack::penFor(int* penTable, unsigned colour, unsigned totalWidth) {
    const bool trueColour = velora::isTrueColour(static_cast<int>(colour));
    if (!trueColour) colour = Palette::clamp(colour);
    std::lock_guard<std::mutex> guard(sharedPenListLock());
    if (penTable && totalWidth < tableWidths && !trueColour) {
        int& slot = penTable[colour + 16 * totalWidth];
        if (slot < 0) {
            *this << new PenStack(colour, totalWidth);
            slot = static_cast<int>(static_cast<unsigned>(*this));
        }
        return (*this)[slot].pen;
    }
    // Wider pens (large windows, the printer, the zoom lens) are kept by their real width, and
    // pens of true colours by their colour.
    for (PenStack* element = this; element; element = element->next)
        if (element->colorIndex == colour && element->width == totalWidth) return element->pen;
    PenStack* made = new PenStack(colour, totalWidth);
    *this << made;
    return made->pen;
}
