#include "screen/zoomwnd.h"

#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/selector/penstack.h"
#include "screen/buffertarget.h"
#include "screen/devicecontexttarget.h"
#include "screen/pagebuffer.h"

#include <cstring>
#include <memory>

ZoomWnd& ZoomWnd::shared() {
    static std::unique_ptr<ZoomWnd> lens(new ZoomWnd());
    return *lens;
}

ZoomWnd::ZoomWnd() {
    std::memset(&data, 0, sizeof data);
    *this << Flag(5) << "ZoomWnd";
    *this << Flag(9) << 0x10800000ul; // visible, border
    *this << Flag(13) << 0x08ul;      // topmost
    data.baseWidth = 2 * GetSystemMetrics(SM_CXEDGE) + 128;
    data.baseHeight = 2 * GetSystemMetrics(SM_CYEDGE) + 96;
    exData.classData = &data;
    setWndProc(WndProc);
}

ZoomWnd::~ZoomWnd() {
    wait();
}

void ZoomWnd::setValue(void* value) {
    switch (flag) {
    case 15:
        data.xscalePtr = static_cast<float*>(value);
        break;
    case 16:
        data.yscalePtr = static_cast<float*>(value);
        break;
    case 17:
        data.listScalePtr = static_cast<float*>(value);
        break;
    case 18:
        data.penExtraPtr = static_cast<int*>(value);
        break;
    case 19:
        data.scrollInfoPtr = static_cast<SCROLLINFO*>(value);
        break;
    case 20:
        data.layers = static_cast<NumberedList<PlotPuffer>*>(value);
        break;
    case 21:
        data.penTablePtr = static_cast<int*>(value);
        break;
    case 22:
        data.pens = static_cast<PenStack*>(value);
        break;
    case 23:
        data.smoothPtr = static_cast<bool*>(value);
        break;
    default:
        WndExClass::setValue(value);
    }
    data.complete = data.layers && data.scrollInfoPtr && data.xscalePtr && data.yscalePtr &&
                    data.penExtraPtr && data.pens;
}

bool ZoomWnd::exists() {
    HWND hwnd = *this;
    return hwnd && IsWindow(hwnd);
}

int ZoomWnd::open(LPARAM point, int level) {
    if (exists()) return 0;
    data.level = level;
    const int factor = level == 3 ? 4 : level == 2 ? 2 : 1;
    if (record.parent) *this << Flag(9) << static_cast<unsigned long>(WS_CHILD) << Flag(10) << 0;
    const int width = data.baseWidth * factor;
    const int height = data.baseHeight * factor;
    const int x = static_cast<short>(LOWORD(point)) - width / 2 + GetSystemMetrics(SM_CXEDGE);
    const int y = static_cast<short>(HIWORD(point)) - height / 2 + GetSystemMetrics(SM_CYEDGE);
    *this << Flag(1) << x << Flag(2) << y << Flag(3) << width << Flag(4) << height;
    return WndBase::open();
}

void ZoomWnd::followMouse(HWND hwnd, ZoomWndData& d, LPARAM position) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    RECT own, outer;
    GetWindowRect(hwnd, &own);
    GetWindowRect(parent, &outer);
    outer.top += d.captionOffset;
    outer.left += d.frameOffset;
    const int mx = static_cast<short>(LOWORD(position));
    const int my = static_cast<short>(HIWORD(position));
    const int left = own.left - outer.left + mx - d.clientWidth / 2;
    const int top = own.top - outer.top + my - d.clientHeight / 2;
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int cx = left + d.clientWidth / 2;
    const int cy = top + d.clientHeight / 2;
    SendMessageA(hwnd, WM_PAINT, static_cast<WPARAM>(d.clientWidth | d.clientHeight << 16),
                 MAKELPARAM(cx, cy));
}

void ZoomWnd::paint(HWND hwnd, ZoomWndData& d, WPARAM size, LPARAM centre) {
    PAINTSTRUCT paintInfo;
    HDC window = BeginPaint(hwnd, &paintInfo);
    RECT client;
    GetClientRect(hwnd, &client);
    HDC memory = CreateCompatibleDC(window);
    HBITMAP picture = CreateCompatibleBitmap(window, client.right, client.bottom);
    HGDIOBJ oldPicture = SelectObject(memory, picture);
    HGDIOBJ oldPen = SelectObject(memory, GetStockObject(WHITE_PEN));
    HGDIOBJ oldBrush = SelectObject(memory, GetStockObject(WHITE_BRUSH));
    Rectangle(memory, 0, 0, client.right, client.bottom);
    SelectObject(memory, oldBrush);
    SelectObject(memory, oldPen);

    const int w = LOWORD(size), h = HIWORD(size);
    const int halfWidth = w / 2, halfHeight = h / 2;
    const int magnification = halfWidth * 4 / 128;
    if (magnification > 0) {
        const float xs = *d.xscalePtr, ys = *d.yscalePtr;
        const float k = d.listScalePtr ? *d.listScalePtr : 4.0f;
        const int cx = static_cast<short>(LOWORD(centre));
        const int cy = static_cast<short>(HIWORD(centre));
        const int lensPen = static_cast<int>(magnification * 2.5 * xs);
        // The magnified region's upper-left corner, in (negated) display-list units.
        const int offX =
            -static_cast<int>((cx - halfWidth / magnification) / static_cast<double>(xs) * k);
        const int offY =
            -static_cast<int>((cy - halfHeight / magnification) / static_cast<double>(ys) * k);
        const int scroll = d.scrollInfoPtr->nPos - static_cast<int>(d.scrollInfoPtr->nPage);
        // The lens's pen addition stays its own: the screen window's pens are not changed.
        const ReplayMapping mapping =
            ReplayMapping::zoom(xs, ys, k, magnification, lensPen, offX, offY, scroll);
        PageBuffer smooth;
        if (d.smoothPtr && *d.smoothPtr && smooth.resize(client.right, client.bottom)) {
            // Antialiased as the window's page is, drawn as it draws its page buffer.
            smooth.raster().setSmooth(true);
            {
                BufferTarget target(smooth);
                PlotReplay::run(*d.layers, mapping, target);
            }
            GdiFlush();
            smooth.copyTo(memory, client);
        } else {
            DeviceContextTarget target(memory, *d.pens, d.penTablePtr);
            PlotReplay::run(*d.layers, mapping, target);
        }
    }
    BitBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldPicture);
    DeleteObject(picture);
    DeleteDC(memory);
    EndPaint(hwnd, &paintInfo);
}

LRESULT CALLBACK ZoomWnd::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* d = static_cast<ZoomWndData*>(getClassData(hwnd));
    switch (message) {
    case WM_CREATE: {
        auto* base =
            static_cast<WndBaseData*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        auto* created = static_cast<ZoomWndData*>(base->extData->classData);
        created->captionOffset = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) - 2;
        created->frameOffset = GetSystemMetrics(SM_CXFRAME) - 2;
        RECT client;
        GetClientRect(hwnd, &client);
        created->clientWidth = client.right;
        created->clientHeight = client.bottom;
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    }
    case WM_MOUSEMOVE:
        if (d) followMouse(hwnd, *d, lParam);
        break;
    case WM_PAINT:
        InvalidateRect(hwnd, nullptr, FALSE);
        if (d && d->complete) {
            paint(hwnd, *d, wParam, lParam);
            return 0;
        }
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        SendMessageA(GetParent(hwnd), message, wParam, lParam);
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}
