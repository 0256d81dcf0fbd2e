// A window with a Slider and a BitmapWnd: the slider sets the number of rings in a picture drawn
// in memory; every step redraws the picture and shows the value in the window title at once.
// An optional argument closes the window after that many seconds (for unattended screenshots).
#include <panekit.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int SLIDER_ID = 1;
const int PICTURE_WIDTH = 400, PICTURE_HEIGHT = 300;
const UINT_PTR CLOSE_TIMER = 1;

class RingsWindow : public WndExClass {
public:
    explicit RingsWindow(int closeAfterSeconds) : closeAfter(closeAfterSeconds) {
        *this << Flag(5) << "SliderPictureWindow" << Flag(6) << "Panekit";
        *this << Flag(3) << 448 << Flag(4) << 436 << Flag(1) << 40 << Flag(2) << 40;

        // The caption is given seven pixels a character; a blank leaves the system font room.
        slider << Flag(11) << reinterpret_cast<void*>(SLIDER_ID) << Flag(15) << "Ringe ";
        slider << Flag(1) << 20 << Flag(2) << 15 << Flag(3) << PICTURE_WIDTH << Flag(4) << 60;
        slider << Flag(16) << 1 << Flag(17) << 40 << Flag(18) << 12;

        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = PICTURE_WIDTH;
        info.bmiHeader.biHeight = PICTURE_HEIGHT;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        pixels.resize(PICTURE_WIDTH * 3 * PICTURE_HEIGHT); // rows of 1200 bytes: no padding
        draw(12);
        picture << Flag(1) << 20 << Flag(2) << 90;
        picture << Flag(15) << &info << Flag(16) << pixels.data();

        *this <= slider <= picture;
        exData.classData = this;
        setWndProc(WndProc);
    }
    ~RingsWindow() override { wait(); }

private:
    // Concentric rings around the centre, `rings` of them from the centre to a corner.
    void draw(int rings) {
        const double cx = PICTURE_WIDTH / 2.0, cy = PICTURE_HEIGHT / 2.0;
        const double corner = std::sqrt(cx * cx + cy * cy);
        const double pi = 3.14159265358979;
        for (int row = 0; row < PICTURE_HEIGHT; ++row) {
            for (int x = 0; x < PICTURE_WIDTH; ++x) {
                double r = std::hypot(x - cx, row - cy) / corner;
                double phase = 2 * pi * rings * r;
                unsigned char* p = &pixels[(row * PICTURE_WIDTH + x) * 3];
                p[0] = static_cast<unsigned char>(127.5 + 127.5 * std::cos(phase + 4 * pi / 3));
                p[1] = static_cast<unsigned char>(127.5 + 127.5 * std::cos(phase + 2 * pi / 3));
                p[2] = static_cast<unsigned char>(127.5 + 127.5 * std::cos(phase));
            }
        }
    }

    void show(HWND hwnd, int rings) {
        draw(rings);
        picture.update();
        char title[64];
        std::snprintf(title, sizeof title, "Panekit - Ringe: %i", rings);
        SetWindowTextA(hwnd, title);
    }

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<RingsWindow*>(getClassData(hwnd));
        switch (message) {
        case WM_CLOSE:
            WM_CLOSE_FKT(hwnd);
            break;
        case WM_DESTROY:
            WM_DESTROY_FKT(hwnd);
            break;
        case WM_COMMAND:
            // Every slider value, tracked or committed: identifier in the high word.
            if (self && HIWORD(wParam) == SLIDER_ID) self->show(hwnd, static_cast<int>(lParam));
            break;
        case WM_SHOWWINDOW:
            if (self && self->closeAfter > 0)
                SetTimer(hwnd, CLOSE_TIMER, self->closeAfter * 1000u, nullptr);
            break;
        case WM_TIMER:
            if (wParam == CLOSE_TIMER) PostMessageA(hwnd, WM_CLOSE, 0, 0);
            break;
        }
        return WndRetFkt(hwnd, message, wParam, lParam);
    }

    int closeAfter;
    Slider slider;
    BitmapWnd picture;
    BITMAPINFO info = {};
    std::vector<unsigned char> pixels;
};

} // namespace

int main(int argc, char** argv) {
    RingsWindow window(argc > 1 ? std::atoi(argv[1]) : 0);
    if (!window.open()) return 1;
    return 0; // the window's destructor waits until it is closed
}
