// Window classes the library does not own: the system's classes outlive every control object,
// opened or not.
#include "windowtesting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
