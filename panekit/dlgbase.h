// DlgBase: a modal dialog from a dialog resource, run by converting the object to int:
//     DlgBase dialog;
//     dialog << Values::Flag(1) << 100;   // the resource identifier
//     int result = dialog;                // 1 for OK, 0 for Cancel, -1 without a template
#pragma once

#include "panekitapi.h"

#include <values.h>
#include <windows.h>

struct DlgBaseData {
    int templateId;      // its low 16 bits are the dialog resource identifier
    HINSTANCE hInstance; // 0: the process's own module
    HWND parent;
    DLGPROC dlgProc;
    int (*createFkt)(DlgBaseData&);
    LPARAM initParam; // handed to the dialog procedure with WM_INITDIALOG
};

class PANEKIT_API DlgBase : public Values {
public:
    DlgBase();
    ~DlgBase() override;
    DlgBase(const DlgBase&) = delete;
    DlgBase& operator=(const DlgBase&) = delete;

    // Runs the dialog on the caller's thread and yields its result.
    operator int() override;

protected:
    // Flags: 1 template identifier (int), 2 parent (pointer to an HWND), 3 module (pointer to an
    // HINSTANCE), 4 the value for WM_INITDIALOG (the pointer itself).
    void setValue(void* value) override;

    void setDlgProc(DLGPROC proc);
    void setCreateFkt(int (*f)(DlgBaseData&));

    static int IDOK_FKT(HWND hwnd);
    static int IDCANCEL_FKT(HWND hwnd);
    static int DlgRetFkt();
    static void* WM_INITDIALOG_FKT(LPARAM lParam);

    DlgBaseData record;

private:
    static int checkDlgTemplate(DlgBaseData& d);
    static int CreateDialogFkt(DlgBaseData& d);
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
