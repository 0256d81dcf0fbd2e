// Window classes the library does not own: the system's classes outlive every control object,
// opened or not, and the controls live in windows of a class the client registered itself.
#include "windowtesting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

using namespace window_testing;

namespace {

// A window handle that no longer names a window.
HWND destroyedWindow() {
    HWND hwnd = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(hwnd);
    return hwnd;
}

// The checks run in a process of their own: a class lost there cannot spoil the other tests.
int systemClassesStillWork() {
    int failures = 0;
    const auto check = [&](bool holds, const char* what) {
        if (holds) return;
        std::fprintf(stderr, "failed: %s\n", what);
        failures = 1;
    };
    for (const char* name : {"Edit", "Static", "ScrollBar", "Button"}) {
        WNDCLASSA found;
        check(GetClassInfoA(nullptr, name, &found) != 0, name);
    }
    {
        Edit field;
        field.open();
        check(IsWindow(field) && SendMessageA(field, EM_GETLIMITTEXT, 0, 0) != 0,
              "a new Edit is an edit control");
        field.close();
    }
    WindowCloser closer(MESSAGE_BOX_CLASS, "Klassen");
    check(MessageBoxA(nullptr, "Meldung", "Klassen", MB_OK) == IDOK, "message box answered");
    closer.join();
    check(closer.found() && closer.text() == "Meldung", "message box shown");
    return failures;
}

const int SLIDER_ID = 7;

// A top-level window of a class this program registers under its own instance, run with its own
// message loop on a thread of its own. `fill` runs in that thread once the window exists, so that
// controls opened there become its children in the thread that owns it. WM_COMMAND and WM_KEYDOWN
// sent to the window are recorded.
class ClientWindow {
public:
    explicit ClientWindow(std::function<void(HWND)> fill) : filler(std::move(fill)) {
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        worker = std::thread([this, ready] { run(ready); });
        WaitForSingleObject(ready, TIMEOUT_MS);
        CloseHandle(ready);
    }
    ~ClientWindow() {
        if (hwnd) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        worker.join();
    }
    std::vector<Message> messages() {
        std::lock_guard<std::mutex> guard(lock);
        return recorded;
    }

    HWND hwnd = nullptr;

private:
    static const char* className() {
        static const bool registered = [] {
            WNDCLASSA c = {};
            c.lpfnWndProc = WndProc;
            c.hInstance = GetModuleHandleA(nullptr);
            c.hCursor = LoadCursor(nullptr, IDC_ARROW);
            c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            c.lpszClassName = "ClientOwnWindow";
            return RegisterClassA(&c) != 0;
        }();
        return registered ? "ClientOwnWindow" : "";
    }

    void run(HANDLE ready) {
        hwnd = CreateWindowA(className(), "Client", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700,
                             500, nullptr, nullptr, GetModuleHandleA(nullptr), this);
        if (hwnd) filler(hwnd);
        SetEvent(ready);
        MSG msg;
        while (hwnd && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<ClientWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && (message == WM_COMMAND || message == WM_KEYDOWN)) {
            std::lock_guard<std::mutex> guard(self->lock);
            self->recorded.push_back({message, wParam, lParam});
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    std::function<void(HWND)> filler;
    std::thread worker;
    std::mutex lock;
    std::vector<Message> recorded;
};

// Opens `control` as a child of `parent`, in the caller's thread, as a parent window would.
int openInside(WndBase& control, HWND parent) {
    control << Values::Flag(8) << static_cast<void*>(&parent) << Values::Flag(10) << 0;
    return control.open();
}

} // namespace

TEST(SystemClasses, OutliveControlsNeverOpenedOrWhoseOpeningFailed) {
    EXPECT_EXIT(
        {
            { Edit neverOpened; }
            {
                Edit coloured; // a new background changes only a class of its own
                coloured << Values::Flag(7) << 0x00FF00UL;
            }
            {
                Slider failed;
                HWND gone = destroyedWindow();
                if (openInside(failed, gone) != 0) std::exit(2);
            }
            {
                Static topLevel; // its own thread, which ends inside the destroy message
                topLevel.open();
                topLevel.close();
            }
            std::exit(systemClassesStillWork());
        },
        testing::ExitedWithCode(0), "");
}

TEST(ControlsInClientWindow, SliderAndBitmapWindowLiveInAWindowOfTheClientsClass) {
    Slider slider;
    BitmapWnd picture;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 4, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<unsigned char> red(4 * 3 * 2);
    for (std::size_t i = 2; i < red.size(); i += 3)
        red[i] = 255;
    slider << Values::Flag(11) << reinterpret_cast<void*>(SLIDER_ID);
    slider << Values::Flag(3) << 300 << Values::Flag(4) << 60;
    slider << Values::Flag(16) << 0 << Values::Flag(17) << 50;
    picture << Values::Flag(2) << 100 << Values::Flag(15) << &info << Values::Flag(16)
            << red.data();
    int sliderOpened = 0, pictureOpened = 0;
    ClientWindow client([&](HWND hwnd) {
        sliderOpened = openInside(slider, hwnd);
        pictureOpened = openInside(picture, hwnd);
    });
    ASSERT_TRUE(client.hwnd);
    EXPECT_EQ(sliderOpened, 1);
    EXPECT_EQ(pictureOpened, 1);
    for (HWND control : {static_cast<HWND>(slider), static_cast<HWND>(picture)}) {
        ASSERT_TRUE(IsWindow(control)) << GetLastError();
        EXPECT_EQ(GetParent(control), client.hwnd);
        EXPECT_EQ(threadOf(control), threadOf(client.hwnd));
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(classOf(slider), "Slider");
    EXPECT_EQ(classOf(picture), "BitmapWnd");

    // The slider's parts are laid out as in any parent, and a key in its number field reaches
    // the client window as the slider's command.
    HWND field = FindWindowExA(slider, nullptr, "Edit", nullptr);
    HWND bar = FindWindowExA(slider, nullptr, "SCROLLBARWND", nullptr);
    ASSERT_TRUE(field && bar);
    EXPECT_TRUE(waitUntil([&] { return windowText(field) == "0"; }));
    EXPECT_TRUE(waitUntil([&] {
        RECT f, b;
        GetWindowRect(field, &f);
        GetWindowRect(bar, &b);
        return b.top == f.bottom && clientSize(bar).cx == clientSize(slider).cx;
    }));
    SendMessageA(field, WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(waitUntil([&] { return windowText(field) == "1"; }));
    bool commanded = false;
    for (const Message& m : client.messages())
        commanded |= m.message == WM_COMMAND && m.wParam == SLIDER_ID * 65536 && m.lParam == 1;
    EXPECT_TRUE(commanded);

    // The picture window fits itself to the picture, shows it, and passes other keys on.
    EXPECT_TRUE(waitUntil([&] {
        SIZE s = clientSize(picture);
        return s.cx == 4 && s.cy == 2;
    }));
    EXPECT_TRUE(waitUntil([&] {
        HDC dc = GetDC(picture);
        COLORREF seen = GetPixel(dc, 1, 1);
        ReleaseDC(picture, dc);
        return seen == RGB(255, 0, 0);
    }));
    SendMessageA(picture, WM_KEYDOWN, VK_F5, 0);
    bool passedOn = false;
    for (const Message& m : client.messages())
        passedOn |= m.message == WM_KEYDOWN && m.wParam == VK_F5;
    EXPECT_TRUE(passedOn);
}
