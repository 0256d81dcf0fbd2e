// The threaded window base: a default window on its own thread, opening and closing, properties,
// children created in the parent's thread, the destructor that waits for the user, the
// process-wide style switches and the missing base library.
#include "windowtesting.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>

using namespace window_testing;

namespace {

HINSTANCE baseLibrary() {
    return GetModuleHandleA("base");
}

int windowsOfClassInThisProcess(const char* className) {
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process == GetCurrentProcessId()) ++count;
    }
    return count;
}

// Records what its windows receive at creation and when closing, for the tests that need to see
// the order of things or the style a window was created with.
class ObservedWindow : public WndExClass {
public:
    struct Seen {
        DWORD createStyle = 0;
        DWORD createExStyle = 0;
        bool closed = false;
        bool parentAliveWhenClosed = false;
    };

    explicit ObservedWindow(const char* className) {
        *this << Flag(5) << className;
        exData.classData = &seen;
        setWndProc(WndProc);
    }
    ~ObservedWindow() override { wait(); }
    Seen seen;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            // Not bound yet: the record arrives with the creation parameters.
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* record = static_cast<WndBaseData*>(create->lpCreateParams);
            auto* s = static_cast<Seen*>(record->extData->classData);
            s->createStyle = static_cast<DWORD>(create->style);
            s->createExStyle = create->dwExStyle;
        }
        auto* s = static_cast<Seen*>(getClassData(hwnd));
        switch (message) {
        case WM_CLOSE:
            if (s) {
                s->closed = true;
                s->parentAliveWhenClosed = IsWindow(GetParent(hwnd)) != FALSE;
            }
            WM_CLOSE_FKT(hwnd);
            break;
        case WM_DESTROY:
            WM_DESTROY_FKT(hwnd);
            break;
        }
        return WndRetFkt(hwnd, message, wParam, lParam);
    }
};

} // namespace

TEST(PaneKitWindow, DefaultWindowIsShownOnItsOwnThreadWhenOpenReturns) {
    Closing<PaneKit> window;
    ASSERT_EQ(window.open(), 1);
    HWND hwnd = window;
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(classOf(hwnd), "WND_BASE_CLASS");
    EXPECT_EQ(windowText(hwnd), "");
    EXPECT_EQ(windowSize(hwnd).cx, 640);
    EXPECT_EQ(windowSize(hwnd).cy, 480);
    EXPECT_NE(threadOf(hwnd), GetCurrentThreadId());
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)), baseLibrary());
    EXPECT_EQ(static_cast<HINSTANCE>(window), baseLibrary());

    // Open again while it stands: nothing new.
    EXPECT_EQ(window.open(), 0);
    EXPECT_EQ(static_cast<HWND>(window), hwnd);
    EXPECT_EQ(windowsOfClassInThisProcess("WND_BASE_CLASS"), 1);

    EXPECT_EQ(window.close(), 1);
    EXPECT_FALSE(IsWindow(hwnd));
    WNDCLASSA registered;
    EXPECT_FALSE(GetClassInfoA(baseLibrary(), "WND_BASE_CLASS", &registered));
    EXPECT_EQ(window.close(), 0);
}

TEST(PaneKitWindow, OpensAgainAfterItHasEnded) {
    Closing<PaneKit> window;
    ASSERT_EQ(window.open(), 1);
    HWND first = window;
    // Closed by the user this time.
    PostMessageA(first, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(first); }));
    ASSERT_EQ(window.open(), 1);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window.close(), 1);
}

TEST(PaneKitWindow, PropertiesShapeTheWindow) {
    Closing<PaneKit> window;
    window << Values::Flag(1) << 30 << Values::Flag(2) << 40 << Values::Flag(3) << 320;
    window << Values::Flag(4) << 200 << Values::Flag(6) << "Eigenschaften";
    window << Values::Flag(5) << "PropertiesWindow" << Values::Flag(7) << 0x123456UL;
    ASSERT_EQ(window.open(), 1);
    HWND hwnd = window;
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(windowSize(hwnd).cx, 320);
    EXPECT_EQ(windowSize(hwnd).cy, 200);
    EXPECT_EQ(windowText(hwnd), "Eigenschaften");
    EXPECT_EQ(classOf(hwnd), "PropertiesWindow");
    LOGBRUSH brush = {};
    GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND)), sizeof brush,
               &brush);
    EXPECT_EQ(brush.lbColor, 0x123456u);
    HDC dc = window; // a device context of the window, for the caller to release
    ASSERT_NE(dc, nullptr);
    ReleaseDC(hwnd, dc);
    window.close();
    HDC none = window;
    EXPECT_EQ(none, nullptr);
}

TEST(PaneKitWindow, ChildrenAreCreatedInTheParentsThreadAndClosedBeforeIt) {
    ObservedWindow first("ObservedChildA");
    ObservedWindow second("ObservedChildB");
    Closing<PaneKit> parent;
    first << Values::Flag(3) << 100 << Values::Flag(4) << 30;
    second << Values::Flag(3) << 100 << Values::Flag(4) << 30 << Values::Flag(2) << 40;
    parent <= first <= second;
    ASSERT_EQ(parent.open(), 1);
    HWND p = parent;
    std::vector<HWND> children = childrenOf(p);
    ASSERT_EQ(children.size(), 2u);
    for (HWND child : {static_cast<HWND>(first), static_cast<HWND>(second)}) {
        ASSERT_TRUE(IsWindow(child));
        EXPECT_EQ(GetParent(child), p);
        EXPECT_TRUE(IsWindowVisible(child));
        EXPECT_EQ(styleOf(child) & (WS_CHILD | WS_VISIBLE), DWORD(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(threadOf(child), threadOf(p));
        EXPECT_EQ(GetWindowLongPtrA(child, GWLP_HINSTANCE), GetWindowLongPtrA(p, GWLP_HINSTANCE));
    }

    ASSERT_EQ(parent.close(), 1);
    EXPECT_TRUE(first.seen.closed);
    EXPECT_TRUE(first.seen.parentAliveWhenClosed);
    EXPECT_TRUE(second.seen.closed);
    EXPECT_TRUE(second.seen.parentAliveWhenClosed);
    EXPECT_FALSE(IsWindow(first));
}

TEST(PaneKitWindow, DestroyingTheObjectOfAnOpenWindowWaitsForTheUserToCloseIt) {
    auto window = std::make_unique<PaneKit>();
    ASSERT_EQ(window->open(), 1);
    HWND hwnd = *window;
    HANDLE destroyed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread destroyer([&] {
        window.reset();
        SetEvent(destroyed);
    });
    // Still blocked while the window stands.
    EXPECT_EQ(WaitForSingleObject(destroyed, 200), DWORD(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindow(hwnd));
    PostMessageA(hwnd, WM_CLOSE, 0, 0); // the user closes it
    EXPECT_EQ(WaitForSingleObject(destroyed, TIMEOUT_MS), DWORD(WAIT_OBJECT_0));
    destroyer.join();
    CloseHandle(destroyed);
}

TEST(PaneKitWindow, DirectWindowIsCreatedInTheCallersThreadAndMayBeClosedThenDestroyed) {
    Closing<PaneKit> window;
    window << Values::Flag(10) << 0;
    ASSERT_EQ(window.open(), 1);
    EXPECT_EQ(threadOf(window), GetCurrentThreadId());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window.close(), 1);
    EXPECT_FALSE(IsWindow(window));
    // The destructor at the end of the test must not wait for a window that has already gone.
}

TEST(PaneKitWindow, SystemButtonClassIsSubclassedAndStillWorks) {
    Button button;
    RecordingWindow parent;
    button << Values::Flag(6) << "Press" << Values::Flag(3) << 80 << Values::Flag(4) << 24;
    button << Values::Flag(11) << reinterpret_cast<void*>(7);
    parent <= button;
    ASSERT_EQ(parent.open(), 1);
    HWND b = button;
    ASSERT_TRUE(IsWindow(b));
    EXPECT_EQ(
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, classOf(b).c_str(), -1, "BUTTON", -1),
        CSTR_EQUAL);
    // The window runs the library's procedure, not the class's.
    EXPECT_NE(GetWindowLongPtrA(b, GWLP_WNDPROC), GetClassLongPtrA(b, GCLP_WNDPROC));
    // Unhandled messages reach the system button: its text, and a click notified to the parent.
    EXPECT_EQ(windowText(b), "Press");
    SendMessageA(b, BM_CLICK, 0, 0);
    ASSERT_TRUE(parent.waitForCount(1));
    Message click = parent.messages()[0];
    EXPECT_EQ(click.message, UINT(WM_COMMAND));
    EXPECT_EQ(LOWORD(click.wParam), 7);
    EXPECT_EQ(HIWORD(click.wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(click.lParam), b);
    parent.close();
    // A system class is never unregistered.
    WNDCLASSA registered;
    EXPECT_TRUE(GetClassInfoA(baseLibrary(), "BUTTON", &registered));
}

// The style rules are process-wide, so they are checked in a process of their own.
TEST(StyleSwitches, FirstStyleWriteInTheProcessReplacesEveryLaterOneAdds) {
    EXPECT_EXIT(
        {
            ObservedWindow first("StyleFirst");
            ObservedWindow second("StyleSecond");
            first << Values::Flag(9) << (WS_POPUP | WS_BORDER); // replaces WS_VISIBLE
            second << Values::Flag(9) << WS_BORDER;             // added to WS_VISIBLE
            first << Values::Flag(13) << WS_EX_TOOLWINDOW;
            first << Values::Flag(13) << WS_EX_CLIENTEDGE; // added
            second << Values::Flag(13) << WS_EX_CLIENTEDGE;
            first.open();
            second.open();
            int failures = 0;
            if (first.seen.createStyle & WS_VISIBLE) failures |= 1;
            if ((first.seen.createStyle & (WS_POPUP | WS_BORDER)) != (WS_POPUP | WS_BORDER))
                failures |= 2;
            if ((second.seen.createStyle & (WS_VISIBLE | WS_BORDER)) != (WS_VISIBLE | WS_BORDER))
                failures |= 4;
            if ((first.seen.createExStyle & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE)) !=
                (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE))
                failures |= 8;
            if (second.seen.createExStyle & WS_EX_TOOLWINDOW) failures |= 16;
            first.close();
            second.close();
            std::exit(failures);
        },
        testing::ExitedWithCode(0), "");
}

// Without base.dll a window cannot be made: the user is told, and the process ends as failed.
TEST(MissingBaseLibrary, MessageBoxThenTheProcessEndsWithStatusOne) {
    // Only the watching process looks for the box; the ending one shows it.
    std::unique_ptr<WindowCloser> closer;
    if (!testing::internal::InDeathTestChild())
        closer =
            std::make_unique<WindowCloser>(MESSAGE_BOX_CLASS, "Bibliothek nicht gefunden", IDOK);
    EXPECT_EXIT(
        {
            // Where the process looks for libraries, base.dll is now missing.
            SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
            PaneKit window;
        },
        testing::ExitedWithCode(1), "");
    closer->join();
    EXPECT_TRUE(closer->found());
    EXPECT_EQ(closer->text(), "base.dll nicht gefunden");
}
