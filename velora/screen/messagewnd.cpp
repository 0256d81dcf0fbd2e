#include "screen/messagewnd.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char messageCaption[] = "Velora";
const char missingPart[] = "...";
// Pixels per character when the window is sized to its longest line.
constexpr int characterWidth = 8;

} // namespace

MessageWnd::MessageWnd(int x, int y, HWND parent) : shownWidth(0) {
    *this << Flag(5) << "MessageWnd" << Flag(6) << messageCaption;
    *this << Flag(13) << 0x88ul;      // tool window, topmost
    *this << Flag(9) << 0x04C00000ul; // caption, clip siblings
    *this << Flag(3) << 50 << Flag(4) << 65;
    if (x != 0 || y != 0) *this << Flag(1) << x << Flag(2) << y;
    if (parent) *this << Flag(8) << static_cast<void*>(&parent);
    for (Static* line : {&xLine, &yLine}) {
        *line << Flag(13) << 0x200ul;     // client edge
        *line << Flag(9) << 0x50800000ul; // child, visible, border
        *line << Flag(3) << 0 << Flag(4) << 0;
    }
    *this <= xLine <= yLine;
}

MessageWnd::~MessageWnd() {
    wait();
}

void MessageWnd::setValue(void* value) {
    if (flag == 15) {
        showMessage(value ? static_cast<const char*>(value) : "");
        return;
    }
    WndExClass::setValue(value);
}

void MessageWnd::showMessage(const char* text) {
    if (open()) shownWidth = 0;
    HWND hwnd = *this;
    if (!hwnd) return;

    // "title\nX:Y": both marks are looked for in the whole text, then the text is cut at both.
    std::string parts = text;
    const std::size_t lineEnd = parts.find('\n');
    const std::size_t colon = parts.find(':');
    if (lineEnd != std::string::npos) parts[lineEnd] = '\0';
    if (colon != std::string::npos) parts[colon] = '\0';
    const auto partAfter = [&](std::size_t mark) -> std::string {
        if (mark == std::string::npos) return missingPart;
        const std::string part = parts.c_str() + mark + 1;
        return part.empty() ? missingPart : part;
    };
    const std::string title = parts.c_str();
    const std::string xText = " X = " + partAfter(lineEnd);
    const std::string yText = " Y = " + partAfter(colon);

    const int wanted =
        characterWidth * static_cast<int>(std::max({title.size(), xText.size(), yText.size()}));
    if (wanted != 0 && wanted > shownWidth) {
        RECT frame;
        GetWindowRect(hwnd, &frame);
        const HWND above = GetParent(hwnd) ? HWND_TOP : HWND_TOPMOST;
        SetWindowPos(hwnd, above, 0, 0, wanted, frame.bottom - frame.top, SWP_NOMOVE);
        RECT client;
        GetClientRect(hwnd, &client);
        const int half = client.bottom / 2;
        MoveWindow(xLine, 0, 0, client.right, half, TRUE);
        MoveWindow(yLine, 0, half, client.right, client.bottom - half, TRUE);
        shownWidth = wanted;
    }
    SetWindowTextA(hwnd, title.c_str());
    SetWindowTextA(xLine, xText.c_str());
    SetWindowTextA(yLine, yText.c_str());
}
