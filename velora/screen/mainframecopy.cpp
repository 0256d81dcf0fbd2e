// The main frame's page commands: the whole page from the display lists onto the clipboard or
// into a PNG or EMF file, from the system menu, Ctrl+C, the Save dialog and the client's calls.
#include "screen/mainframe.h"

#include "screen/pageclipboard.h"
#include "screen/pagefile.h"
#include "screen/pagepicture.h"
#include "screen/printer.h"
#include "screen/savedialog.h"

#include <string>

namespace {

const char saveFailedCaption[] = "Velora : Fehler aufgetreten !";

// The position of the menu entry with the command, or -1.
int positionOf(HMENU menu, UINT command) {
    const int count = GetMenuItemCount(menu);
    for (int k = 0; k < count; ++k)
        if (GetMenuItemID(menu, k) == command) return k;
    return -1;
}

} // namespace

void MainFrame::addPageCommands(HWND hwnd) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu) return;
    // Behind the printing entries; at the end when there are none.
    const int print = positionOf(menu, Printer::printCommand);
    const UINT at = print >= 0 ? static_cast<UINT>(print + 1) : static_cast<UINT>(-1);
    InsertMenuA(menu, at, MF_BYPOSITION | MF_STRING, copyCommand, "Kopieren");
    InsertMenuA(menu, at == static_cast<UINT>(-1) ? at : at + 1, MF_BYPOSITION | MF_STRING,
                saveCommand, "Speichern unter ...");
}

// The scales follow the client area as at a repaint: a page copied right after a resize has
// the new size throughout.
bool MainFrame::copyFkt(HWND hwnd, MainFrameData& d) {
    setScales(hwnd, d);
    return copyPageToClipboard(hwnd, PagePicture(hwnd, d));
}

bool MainFrame::saveFkt(HWND hwnd, MainFrameData& d, const char* name) {
    if (!name) return false;
    setScales(hwnd, d);
    return savePageFile(name, PagePicture(hwnd, d));
}

void MainFrame::saveAsFkt(HWND hwnd, MainFrameData& d) {
    std::string name;
    if (!askPageFileName(hwnd, name) || saveFkt(hwnd, d, name.c_str())) return;
    const std::string text = "Die Datei konnte nicht geschrieben werden:\n" + name;
    MessageBoxA(hwnd, text.c_str(), saveFailedCaption, MB_OK | MB_ICONHAND);
}

bool MainFrame::sendPageRequest(UINT message, const char* name) {
    HWND hwnd = record.hwnd;
    if (!hwnd || !IsWindow(hwnd)) return false;
    PageRequest request{name, false};
    SendMessageA(hwnd, message, 0, reinterpret_cast<LPARAM>(&request));
    return request.done;
}

bool MainFrame::copyPage() {
    return sendPageRequest(copyPageMessage, nullptr);
}

bool MainFrame::savePage(const char* name) {
    return sendPageRequest(savePageMessage, name);
}
