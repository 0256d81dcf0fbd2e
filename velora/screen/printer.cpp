#include "screen/printer.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

const char defaultDocName[] = "Printer Output";
// The drawing begins this share of the printable width from the left edge.
constexpr double leftMargin = 0.037142857142857144;

std::unique_ptr<Printer>& sharedPrinter() {
    static std::unique_ptr<Printer> printer;
    return printer;
}

} // namespace

Printer::Printer()
    : owner(nullptr), instance(nullptr), printerDC(nullptr), systemMenu(nullptr), printerWidth(0),
      ownsDC(false), documentStarted(false) {
    std::memset(&docInfo, 0, sizeof docInfo);
    std::memset(&printDlg, 0, sizeof printDlg);
    docInfo.cbSize = sizeof docInfo;
    printDlg.lStructSize = sizeof printDlg;
    setDocName(defaultDocName);

    DWORD needed = 0, found = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, nullptr, 0, &needed, &found);
    if (needed == 0) return;
    std::vector<BYTE> list(needed);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, list.data(), needed, &needed, &found) ||
        found == 0)
        return;
    const auto* first = reinterpret_cast<const PRINTER_INFO_5A*>(list.data());
    choose(CreateDCA(nullptr, first->pPrinterName, nullptr, nullptr), true);
}

Printer::~Printer() {
    if (ownsDC && printerDC) DeleteDC(printerDC);
}

Printer& Printer::shared() {
    auto& printer = sharedPrinter();
    if (!printer) printer.reset(new Printer());
    return *printer;
}

Printer* Printer::sharedIfMade() {
    return sharedPrinter().get();
}

void Printer::choose(HDC dc, bool owned) {
    if (ownsDC && printerDC && printerDC != dc) DeleteDC(printerDC);
    printerDC = dc;
    ownsDC = owned;
    printerWidth = printerDC ? GetDeviceCaps(printerDC, HORZRES) : 0;
    setMapping();
}

void Printer::attach(HWND window) {
    owner = window;
    systemMenu = GetSystemMenu(window, FALSE);
    instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    if (systemMenu) {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(systemMenu, MF_STRING, setupCommand, "Drucker &einrichten ...");
        AppendMenuA(systemMenu, MF_STRING, printCommand, "&Drucken");
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    }
    printerWidth = printerDC ? GetDeviceCaps(printerDC, HORZRES) : 0;
    setMapping();
}

void Printer::setup() {
    printDlg.hwndOwner = owner;
    printDlg.hInstance = instance;
    printDlg.Flags = PD_RETURNDC;
    if (!PrintDlgA(&printDlg)) return;
    choose(printDlg.hDC, true);
}

void Printer::usePrinterDC(HDC dc) {
    choose(dc, false);
}

void Printer::setMapping() {
    if (!printerDC) return;
    SetMapMode(printerDC, MM_ANISOTROPIC);
    SetViewportExtEx(printerDC, 1, 1, nullptr);
    SetWindowExtEx(printerDC, 1, 1, nullptr);
    SetWindowOrgEx(printerDC, -static_cast<int>(printerWidth * leftMargin), 0, nullptr);
}

void Printer::setDocName(const char* name) {
    std::strncpy(docName, name ? name : "", sizeof docName - 1);
    docName[sizeof docName - 1] = '\0';
    docInfo.lpszDocName = docName;
}

bool Printer::startDoc() {
    documentStarted = printerDC && StartDocA(printerDC, &docInfo) > 0;
    if (documentStarted) StartPage(printerDC);
    return documentStarted;
}

void Printer::endDoc() {
    if (!documentStarted) return;
    EndPage(printerDC);
    EndDoc(printerDC);
    documentStarted = false;
}
