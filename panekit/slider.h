// Slider: a labelled numeric control. A caption, a colon and a number field share the first
// row, a scroll bar takes the rest; the parts are kept in step, and every new value reaches the
// parent as WM_COMMAND with wParam = identifier x 65536 and lParam = the value (a committed value,
// by Enter, Tab or releasing the thumb, with wParam = identifier x 65536 + 13).
#pragma once

#include "edit.h"
#include "panekitapi.h"
#include "scrollbar.h"
#include "static.h"
#include "wndexclass.h"

struct SliderData {
    Edit numberField;
    Static caption;
    Static colon;
    ScrollBar bar;
    int resizePending; // 1: lay the parts out at the next chance
};

class PANEKIT_API Slider : public WndExClass {
public:
    Slider();
    ~Slider() override;

protected:
    // Flags: 15 caption text (reads give the slider's own window text), 16 minimum, 17 highest
    // position (reads give highest position + page - 1), 18 position, 19 page (write only).
    void setValue(void* value) override;
    void* getValue() override;

private:
    static SliderData* getSliderData(HWND hwnd);
    static void resize(HWND hwnd);
    static void scrollBarFkt(HWND hwnd, int position);
    static void editFkt(HWND hwnd, UINT key);
    static void upFkt(HWND hwnd, UINT key);
    static void downFkt(HWND hwnd, UINT key);
    static void stepBy(HWND hwnd, int step);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    SliderData sliderData;
};
