// PenStack: one cached GDI pen of a window and, through its link, the window's whole pen list.
// Live drawing and every replay (window, printer, zoom lens) take their pens from here through
// one rule, so each pen is made once per colour and total width and kept for the window's life.
#pragma once

#include "common/api.h"

#include <windows.h>

class VELORA_API PenStack {
public:
    // The slots of a pen table: 16 colours x 64 total width steps.
    static constexpr int tableSlots = 1024;
    static constexpr unsigned tableWidths = 64;

    // A solid pen `width` + 1 pixels wide in palette colour `colorIndex` (or a true colour of
    // common/colour.h), numbered from a counter shared by the whole library.
    PenStack(unsigned colorIndex, unsigned width);
    // Deletes the pens of the rest of the list, then its own.
    ~PenStack();
    PenStack(const PenStack&) = delete;
    PenStack& operator=(const PenStack&) = delete;

    // Appends `p` (owned from now on) at the end of the list.
    void operator<<(PenStack* p);
    // The element numbered `id`; the first for a negative id; the last when none has it.
    PenStack& operator[](int id);
    // The number of the last element.
    operator unsigned int();
    operator HPEN() { return pen; }
    operator PenStack*() { return this; }

    // The pen of this list for `colour` and total width step `width`, made on first use. Slots of
    // `penTable` (1024 entries, -1 where no pen was made; may be null) remember the pen's number;
    // widths of 64 and more have no slot and are found by their width in the list. Safe to call
    // from the client's thread and the window's thread at once.
    HPEN penFor(int* penTable, unsigned colour, unsigned width);

    unsigned getColorIndex() const { return colorIndex; }
    unsigned getWidth() const { return width; }
    unsigned getId() const { return id; }

private:
    PenStack& last();

    unsigned int colorIndex;
    unsigned int width;
    unsigned int id;
    HPEN pen;
    PenStack* next;
};
