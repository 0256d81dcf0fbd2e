// Printer: the printer of the screen windows, one for the whole library. It picks the first local
// printer, runs the printer setup dialog, adds the two printing entries to a screen window's
// system menu, sets the mapping that places the drawing on the page, and brackets print jobs.
#pragma once

#include "common/api.h"

#include <windows.h>

class VELORA_API Printer {
public:
    // System-menu commands of a screen window.
    enum Command : UINT { setupCommand = 1, printCommand = 2 };

    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The library's printer: made when the first screen window handles its first message.
    static Printer& shared();
    // The printer when one was made, else null.
    static Printer* sharedIfMade();

    // The window whose system menu gets the entries and who owns the setup dialog.
    void attach(HWND window);
    // The print dialog; a confirmed choice becomes the printer, a cancelled one changes nothing.
    void setup();
    // Prints onto `dc` from now on (a printer chosen elsewhere, or a memory context); the
    // printable width is read from it and the mapping set. The context stays the caller's.
    void usePrinterDC(HDC dc);

    void setDocName(const char* name);
    HDC getPrinterDC() const { return printerDC; }
    int getWidth() const { return printerWidth; }
    // True when a document was started; the page is started with it.
    bool startDoc();
    void endDoc();

private:
    void setMapping();
    void choose(HDC dc, bool owned);

    HWND owner;
    HINSTANCE instance;
    HDC printerDC;
    HMENU systemMenu;
    DOCINFOA docInfo;
    PRINTDLGA printDlg;
    int printerWidth;
    bool ownsDC;
    bool documentStarted;
    char docName[256];
};
