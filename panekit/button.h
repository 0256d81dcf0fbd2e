// Button: the system "BUTTON" control as a window of the library. Tab goes to the parent, which
// moves the focus; clicks reach the parent as the system's WM_COMMAND notifications.
#pragma once

#include "panekitapi.h"
#include "wndexclass.h"

class PANEKIT_API Button : public WndExClass {
public:
    Button();
    ~Button() override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
