// ScrollBar: a window holding a system scroll bar control, with range, page and position as
// properties, reporting every position change to its parent with a message of the caller's
// choice. Positions run from the minimum to the highest position; the stored maximum is the
// highest position + page - 1, as the system counts it.
#pragma once

#include "panekitapi.h"
#include "wndexclass.h"

struct ScrollBarData {
    SCROLLINFO info;
    WndExClass control; // the system "SCROLLBAR" control, the only child
    int resizePending;  // 1: fit the control and apply info at the next chance
    int notifyMessage;  // sent to the parent after every change, with the position; 0: none
};

class PANEKIT_API ScrollBar : public WndExClass {
public:
    ScrollBar();
    ~ScrollBar() override;

protected:
    // Flags: 15 notify message, 16 minimum, 17 highest position (reads give the stored maximum),
    // 18 page, 19 position.
    void setValue(void* value) override;
    void* getValue() override;

private:
    static ScrollBarData* getScrollBarData(HWND hwnd);
    static void resize(HWND hwnd);
    // A scrolling request of either direction: the bar is one-dimensional.
    static void scroll(HWND hwnd, UINT request);
    static void notifyParent(HWND hwnd, ScrollBarData& data);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    ScrollBarData barData;
};
