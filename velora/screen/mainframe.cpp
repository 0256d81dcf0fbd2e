// The main frame's construction, its placement text and title, and its window procedure with
// the handlers of the mouse, the scroll bar, the size, the point windows and the zoom lens.
#include "screen/mainframe.h"

#include "screen/displayscaling.h"

#include "screen/printer.h"
#include "screen/screenresources.h"
#include "screen/zoomwnd.h"

#include <scrollstep.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char frameCaption[] = "Velora";
constexpr std::size_t titleSize = 1000;
const char errorCaption[] = "Velora : Fehler aufgetreten !";
// Where a shown message window is put back: the desk's under the box's.
constexpr int deskMessageTop = 65;

HWND handleOf(MessageWnd* window) {
    return window ? static_cast<HWND>(*window) : nullptr;
}

bool isShown(MessageWnd* window) {
    HWND hwnd = handleOf(window);
    return hwnd && IsWindow(hwnd) && IsWindowVisible(hwnd);
}

void moveKeepingSize(HWND hwnd, int x, int y) {
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class Action> void forEachPointWnd(MainFrameData& d, Action action) {
    for (NumberedList<PointWnd>* node = d.pointWnds; node; node = node->getNext())
        action(node->payload());
}

} // namespace

MainFrame::MainFrame(const char* title, HINSTANCE instance, char* parameters)
    : firstPen(0, 0), deskMsgWnd(0, 0, nullptr), tupelMsgWnd(0, 0, nullptr) {
    setWndProc(WndProc);
    setCreateWndFkt(createScaledWindow);
    *this << Flag(6) << frameCaption << Flag(5) << "VeloraMainFrame";
    *this << Flag(9) << 0x02CF0000ul;  // overlapped window, clip children
    *this << Flag(13) << 0x00020000ul; // static edge
    if (parameters) {
        for (int flag = 1; flag <= 4; ++flag) {
            const int value = get(flag, parameters);
            if (value >= 0) *this << Flag(flag) << value;
        }
    } else {
        *this << Flag(3) << 640 << Flag(4) << 480;
    }
    if (instance) {
        record.hInstance = instance;
        record.classRecord.hInstance = instance;
    }

    std::memset(&data, 0, sizeof data);
    data.pens = &firstPen;
    data.currentPuffer = &layers.payload();
    data.layers = &layers;
    data.pointWnds = &pointWnds;
    data.xscale = 1.0f;
    data.yscale = 1.0f;
    data.listScale = 4.0f;
    data.penExtra = 0;
    data.penScale = 1.0f;
    data.scrollInfo.cbSize = sizeof data.scrollInfo;
    data.scrollInfo.fMask = SIF_ALL;
    data.deskMsgWnd = &deskMsgWnd;
    data.tupelMsgWnd = &tupelMsgWnd;
    data.titleText = new char[titleSize]();
    exData.classData = &data;

    WndBase::open();

    HWND frame = record.hwnd;
    for (MessageWnd* window : {&deskMsgWnd, &tupelMsgWnd}) {
        *window << Flag(8) << static_cast<void*>(&frame);
        *window << Flag(1) << 0 << Flag(2) << -65;
        *window << Flag(15) << "";
        ShowWindow(*window, SW_HIDE);
    }

    std::snprintf(data.titleText, titleSize, "%s", frameCaption);
    if (title) {
        if (*title && std::strstr(title, "velora"))
            std::snprintf(data.titleText, titleSize, "%s", title);
        else
            std::snprintf(data.titleText, titleSize, "%s  %s", frameCaption, title);
    }
    if (frame) SetWindowTextA(frame, data.titleText);
}

MainFrame::~MainFrame() {
    wait();
    delete[] data.titleText;
    data.titleText = nullptr;
}

int MainFrame::get(int flag, const char* parameters) {
    if (!parameters) return -1;
    const char* key = nullptr;
    if (flag == 1 || flag == 2) key = "pos=";
    if (flag == 3 || flag == 4) key = "size=";
    if (!key) return -1;
    const char* part = std::strstr(parameters, key);
    if (!part) return -1;
    const char* mark = std::strchr(part, flag == 1 || flag == 3 ? '(' : ',');
    if (!mark) return -1;
    const long value = std::strtol(mark + 1, nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

MainFrameData* MainFrame::getMainFrameData(HWND hwnd) {
    return static_cast<MainFrameData*>(getClassData(hwnd));
}

void MainFrame::pointBox(float x1, float y1, float x2, float y2, unsigned short id) {
    HWND hwnd = record.hwnd;
    if (!hwnd) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int height = client.bottom;
    RECT frame{static_cast<LONG>(static_cast<double>(x1) * data.xscale),
               height - static_cast<LONG>(static_cast<double>(y1) * data.yscale),
               static_cast<LONG>(static_cast<double>(x2) * data.xscale),
               height - static_cast<LONG>(static_cast<double>(y2) * data.yscale)};
    SendMessageA(hwnd, pointBoxMessage, id, reinterpret_cast<LPARAM>(&frame));
}

void MainFrame::pointBoxDim(float xLeft, float xRight, float yLow, float yHigh, unsigned short id) {
    if (!record.hwnd) return;
    FLOAT_RECT range{xLeft, xRight, yLow, yHigh};
    SendMessageA(record.hwnd, pointBoxDimMessage, id, reinterpret_cast<LPARAM>(&range));
}

void MainFrame::pointBoxScale(bool logX, bool logY, unsigned short id) {
    if (!record.hwnd) return;
    SendMessageA(record.hwnd, pointBoxScaleMessage, id, (logX ? 1 : 0) | (logY ? 2 : 0));
}

void MainFrame::errorHandel(unsigned short id) {
    char text[81] = "";
    HMODULE library = LoadLibraryA("velorares");
    if (!library || LoadStringA(library, id, text, sizeof text) <= 0)
        std::snprintf(text, sizeof text, "Fehler %u (velorares.dll fehlt oder kennt ihn nicht)",
                      static_cast<unsigned>(id));
    MessageBoxA(record.hwnd, text, errorCaption, MB_OK | MB_ICONHAND);
    if (library) FreeLibrary(library);
}

void MainFrame::setdoublesize() {
    HWND hwnd = record.hwnd;
    if (!hwnd) return;
    RECT client;
    GetClientRect(hwnd, &client);
    SCROLLINFO& s = data.scrollInfo;
    s.fMask = SIF_ALL;
    s.nMin = 0;
    s.nMax = 2 * client.bottom;
    s.nPage = static_cast<UINT>(s.nMax / 2.0);
    s.nPos = static_cast<int>(s.nPage);
    SetScrollInfo(hwnd, SB_VERT, &s, TRUE);
}

void MainFrame::setmaximize() {
    if (record.hwnd) ShowWindow(record.hwnd, SW_MAXIMIZE);
}

void MainFrame::setdeskposition(int x, int y) {
    if (record.hwnd)
        SetWindowPos(record.hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainFrame::setScales(HWND hwnd, MainFrameData& d) {
    RECT client;
    GetClientRect(hwnd, &client);
    d.xscale = static_cast<float>(client.right / 1279.0);
    d.yscale = static_cast<float>(client.bottom / 959.0);
    // The pens grow with the window as it would be at 96 DPI, and then with the monitor's DPI.
    d.penScale = static_cast<float>(displayscaling::dpiOf(hwnd) /
                                    static_cast<double>(displayscaling::baseDpi));
    d.penExtra = std::max(
        0, static_cast<int>(std::max(d.xscale, d.yscale) / static_cast<double>(d.penScale) / 0.5));
}

bool MainFrame::clickIgnored(MainFrameData& d) {
    if (!d.ignoreClick) return false;
    d.ignoreClick = 0;
    return true;
}

LRESULT CALLBACK MainFrame::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MainFrameData* d = getMainFrameData(hwnd);
    if (d) flushLive(*d);
    switch (message) {
    case WM_CREATE:
        createFkt(hwnd, lParam);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_SIZE:
        if (d) sizeFkt(hwnd, *d);
        break;
    case WM_DPICHANGED:
        // Moved to a monitor of another DPI: the size the system suggests keeps the window as
        // large to the eye; the resize scales page and pens and draws the page afresh.
        if (const auto* suggested = reinterpret_cast<const RECT*>(lParam))
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case WM_SETFOCUS:
        if (d && reinterpret_cast<HWND>(wParam) != hwnd) d->ignoreClick = 1;
        break;
    case WM_ERASEBKGND:
        // The paint copies the whole of its area from the page buffer: erasing first would only
        // show white between the two.
        if (d && d->live && d->page) return 1;
        break;
    case WM_PAINT:
        if (d) paintFkt(hwnd, *d);
        break;
    case WM_SYSCOMMAND:
        if (d && wParam == Printer::setupCommand) Printer::shared().setup();
        if (d && wParam == Printer::printCommand) printFkt(hwnd, *d);
        if (d && wParam == copyCommand) copyFkt(hwnd, *d);
        if (d && wParam == saveCommand) saveAsFkt(hwnd, *d);
        break;
    case WM_CHAR:
        if (d && wParam == 3) copyFkt(hwnd, *d); // Ctrl+C
        break;
    case copyPageMessage:
        if (d && lParam) reinterpret_cast<PageRequest*>(lParam)->done = copyFkt(hwnd, *d);
        break;
    case savePageMessage:
        if (d && lParam) {
            auto* request = reinterpret_cast<PageRequest*>(lParam);
            request->done = saveFkt(hwnd, *d, request->name);
        }
        break;
    case WM_VSCROLL:
        if (d) scrollFkt(hwnd, *d, wParam);
        break;
    case WM_LBUTTONDOWN:
        if (d && !clickIgnored(*d)) deskWindowFkt(*d);
        break;
    case WM_RBUTTONDOWN:
        if (d && !clickIgnored(*d))
            zoomFkt(hwnd, *d, lParam, (wParam & MK_CONTROL) ? 3 : (wParam & MK_SHIFT) ? 2 : 1);
        break;
    case WM_MBUTTONDOWN:
        if (d && !clickIgnored(*d)) {
            zoomFkt(hwnd, *d, lParam, (wParam & MK_SHIFT) ? 3 : 2);
            // As the right button: the lens is open, so this only sets its cursor.
            zoomFkt(hwnd, *d, lParam, (wParam & MK_CONTROL) ? 3 : (wParam & MK_SHIFT) ? 2 : 1);
        }
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (d) buttonUpFkt(hwnd, *d);
        mouseMoveFkt(hwnd, d, lParam);
        break;
    case WM_MOUSEMOVE:
        mouseMoveFkt(hwnd, d, lParam);
        break;
    case pointBoxMessage:
        if (d && lParam) pointWndFkt(hwnd, *d, *reinterpret_cast<const RECT*>(lParam));
        break;
    case pointBoxDimMessage:
        if (d && lParam) {
            const auto& range = *reinterpret_cast<const FLOAT_RECT*>(lParam);
            d->pointWnds->find(wParam).payload().dim(range.xLeft, range.xRight, range.yLow,
                                                     range.yHigh);
        }
        break;
    case pointBoxScaleMessage:
        if (d) d->pointWnds->find(wParam).payload().setLogScales(lParam & 1, lParam & 2);
        break;
    case liveBatchMessage:
        if (d) {
            d->live = reinterpret_cast<LiveBatch*>(lParam);
            d->page = reinterpret_cast<PageBuffer*>(wParam);
            SetTimer(hwnd, liveTimer, liveTimerMilliseconds, nullptr);
        }
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}

void MainFrame::createScaledWindow(WndBaseData& d) {
    // On the window's thread, before its window exists: the window and everything it draws
    // then count in the monitor's pixels.
    displayscaling::declarePerMonitorAware();
    const unsigned dpi = displayscaling::dpiOf(nullptr);
    const auto scaled = [dpi](int value) {
        return value == CW_USEDEFAULT ? value : displayscaling::scaled(value, dpi);
    };
    d.hwnd = CreateWindowExA(d.extData ? d.extData->exStyle : 0, d.className, d.title, d.style,
                             scaled(d.x), scaled(d.y), scaled(d.width), scaled(d.height), d.parent,
                             d.menu, d.hInstance, &d);
    // A window that opens on a monitor of another DPI than the system's takes that one's.
    const unsigned own = d.hwnd ? displayscaling::dpiOf(d.hwnd) : dpi;
    if (own != dpi) {
        RECT frame;
        GetWindowRect(d.hwnd, &frame);
        SetWindowPos(d.hwnd, nullptr, 0, 0, MulDiv(frame.right - frame.left, own, dpi),
                     MulDiv(frame.bottom - frame.top, own, dpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainFrame::createFkt(HWND hwnd, LPARAM creation) {
    auto* base =
        static_cast<WndBaseData*>(reinterpret_cast<const CREATESTRUCTA*>(creation)->lpCreateParams);
    if (!base || !base->extData || !base->extData->classData) return;
    MainFrameData& d = *static_cast<MainFrameData*>(base->extData->classData);
    for (MessageWnd* window : {d.deskMsgWnd, d.tupelMsgWnd}) {
        HWND message = handleOf(window);
        if (message && IsWindow(message)) ShowWindow(message, SW_HIDE);
    }
    SetScrollInfo(hwnd, SB_VERT, &d.scrollInfo, TRUE);
    d.ignoreClick = 0;
    SetForegroundWindow(hwnd);
    setScales(hwnd, d);
    RECT client;
    GetClientRect(hwnd, &client);
    d.lastScrollPos = 2 * client.bottom;
    if (HDC dc = GetDC(hwnd)) {
        SelectObject(dc, static_cast<HPEN>(*d.pens));
        ReleaseDC(hwnd, dc);
    }
    if (ScreenResources::load()) {
        SetClassLongPtrA(hwnd, GCLP_HICON,
                         reinterpret_cast<LONG_PTR>(ScreenResources::icon("orinicon")));
        SetClassLongPtrA(hwnd, GCLP_HCURSOR,
                         reinterpret_cast<LONG_PTR>(ScreenResources::cursor("orincursor")));
    } else {
        MessageBoxA(nullptr,
                    "Velorares.dll fehlt, oder nicht zu finden!\nBitte PATH \xFC"
                    "berpr\xFC"
                    "fen!",
                    "Velora Error", MB_OK | MB_SYSTEMMODAL);
    }
    ZoomWnd::shared();
    Printer::shared().attach(hwnd);
    addPageCommands(hwnd);
}

void MainFrame::sizeFkt(HWND hwnd, MainFrameData& d) {
    SCROLLINFO& s = d.scrollInfo;
    if (s.nPage != 0) {
        RECT client;
        GetClientRect(hwnd, &client);
        const double ratio = static_cast<double>(s.nPos) / s.nPage;
        s.fMask = SIF_ALL;
        s.nMax = 2 * client.bottom;
        s.nPage = static_cast<UINT>(s.nMax / 2.0);
        s.nPos = static_cast<int>(s.nPage * ratio);
        SetScrollInfo(hwnd, SB_VERT, &s, TRUE);
    }
    forEachPointWnd(d, [](PointWnd& window) { window.Size(); });
    bufferOutOfStep(d);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MainFrame::paintFkt(HWND hwnd, MainFrameData& d) {
    d.lastScrollPos = d.scrollInfo.nPos;
    if (GetForegroundWindow() == hwnd) d.ignoreClick = 0;
    setScales(hwnd, d);
    Paint(hwnd);
}

void MainFrame::scrollFkt(HWND hwnd, MainFrameData& d, WPARAM request) {
    SCROLLINFO& s = d.scrollInfo;
    s.fMask = SIF_ALL;
    GetScrollInfo(hwnd, SB_VERT, &s);
    stepScrollPos(s, LOWORD(request));
    s.fMask = SIF_ALL;
    SetScrollInfo(hwnd, SB_VERT, &s, TRUE);
    GetScrollInfo(hwnd, SB_VERT, &s);
    if (s.nPos == d.lastScrollPos) return;
    bufferOutOfStep(d);
    ScrollWindow(hwnd, 0, d.lastScrollPos - s.nPos, nullptr, nullptr);
    // Scrolling took the child windows along: the message windows go back to their places.
    if (isShown(d.tupelMsgWnd)) moveKeepingSize(handleOf(d.tupelMsgWnd), 0, 0);
    if (isShown(d.deskMsgWnd)) moveKeepingSize(handleOf(d.deskMsgWnd), 0, deskMessageTop);
    d.lastScrollPos = s.nPos;
}

void MainFrame::deskWindowFkt(MainFrameData& d) {
    HWND desk = handleOf(d.deskMsgWnd);
    if (!desk || !IsWindow(desk)) return;
    const bool show = !IsWindowVisible(desk);
    ShowWindow(desk, show ? SW_SHOW : SW_HIDE);
    if (show) moveKeepingSize(desk, 0, deskMessageTop);
}

void MainFrame::zoomFkt(HWND hwnd, MainFrameData& d, LPARAM point, int level) {
    ZoomWnd& lens = ZoomWnd::shared();
    lens << Flag(8) << static_cast<void*>(&hwnd);
    lens << Flag(15) << static_cast<void*>(&d.xscale) << Flag(16) << static_cast<void*>(&d.yscale);
    lens << Flag(17) << static_cast<void*>(&d.listScale) << Flag(18)
         << static_cast<void*>(&d.penExtra);
    lens << Flag(19) << static_cast<void*>(&d.scrollInfo) << Flag(20)
         << static_cast<void*>(d.layers);
    lens << Flag(21) << static_cast<void*>(d.penTablePtr) << Flag(22) << static_cast<void*>(d.pens);
    lens << Flag(23) << static_cast<void*>(&d.smooth);
    lens.open(point, level);
    static const char* const cursors[] = {"OrinCursorLupe2", "OrinCursorLupe4", "OrinCursorLupe8"};
    const int shown = std::clamp(lens.getLevel(), 1, 3);
    HWND window = lens;
    if (window && IsWindow(window))
        SetClassLongPtrA(window, GCLP_HCURSOR,
                         reinterpret_cast<LONG_PTR>(ScreenResources::cursor(cursors[shown - 1])));
}

void MainFrame::buttonUpFkt(HWND hwnd, MainFrameData& d) {
    SetClassLongPtrA(hwnd, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(ScreenResources::icon("OrinIcon")));
    HCURSOR arrow = ScreenResources::cursor("OrinCursor");
    forEachPointWnd(d, [arrow](PointWnd& window) { window.setHCOURSOR(arrow); });
}

void MainFrame::mouseMoveFkt(HWND hwnd, MainFrameData* d, LPARAM position) {
    if (d && isShown(d->deskMsgWnd)) {
        RECT client;
        GetClientRect(hwnd, &client);
        const double mx = static_cast<short>(LOWORD(position));
        const double my = static_cast<short>(HIWORD(position));
        const double right = client.right - 1, bottom = client.bottom - 1;
        const int scroll = d->scrollInfo.nPos - static_cast<int>(d->scrollInfo.nPage);
        const double x = mx / right * 133.3;
        const double y = (bottom - (my + scroll)) / bottom * 100.0;
        char text[64];
        std::snprintf(text, sizeof text, "Desk\n%3g:%3g", x, y);
        *d->deskMsgWnd << Flag(15) << text;
    }
    ZoomWnd& lens = ZoomWnd::shared();
    if (lens.exists()) DestroyWindow(lens);
}

void MainFrame::pointWndFkt(HWND hwnd, MainFrameData& d, const RECT& frame) {
    PointWnd& spare = d.pointWnds->find(d.pointWnds->lastIndex()).payload();
    spare << Flag(10) << 0;
    spare.setParentHWND(hwnd);
    spare.setTupelWnd(*d.tupelMsgWnd);
    spare.open(static_cast<short>(frame.left), static_cast<short>(frame.bottom),
               static_cast<short>(frame.right), static_cast<short>(frame.top));
    HCURSOR arrow = ScreenResources::cursor("OrinCursor");
    forEachPointWnd(d, [arrow](PointWnd& window) { window.setHCOURSOR(arrow); });
    d.pointWnds->append();
}
