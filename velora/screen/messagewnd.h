// MessageWnd: the small captioned tool window of a screen window that shows a title and an X and
// a Y value: the mouse position in desk units, or in the units of a plot box. Its text is set
// through flag 15 as "title\nX:Y"; the window opens with its first text and only ever grows.
#pragma once

#include "common/api.h"

#include <static.h>
#include <wndexclass.h>

class VELORA_API MessageWnd : public WndExClass {
public:
    // A position of (0, 0) leaves the placement to the window base.
    explicit MessageWnd(int x = 0, int y = 0, HWND parent = nullptr);
    ~MessageWnd() override;
    MessageWnd(const MessageWnd&) = delete;
    MessageWnd& operator=(const MessageWnd&) = delete;

    // The width the window was last given; 0 until it shows a text.
    int getShownWidth() const { return shownWidth; }

protected:
    // Flag 15: shows a text; every other flag goes to the window base.
    void setValue(void* value) override;

private:
    void showMessage(const char* text);

    Static xLine;
    Static yLine;
    int shownWidth;
};
