// The modal dialog: properties, the template check and the default dialog procedure.
#include "dlgbase.h"

#include <cstring>

DlgBase::DlgBase() {
    std::memset(&record, 0, sizeof record);
    record.dlgProc = DlgProc;
    record.createFkt = CreateDialogFkt;
}

DlgBase::~DlgBase() = default;

DlgBase::operator int() {
    if (!checkDlgTemplate(record)) return -1;
    return record.createFkt(record);
}

void DlgBase::setValue(void* value) {
    switch (flag) {
    case 1:
        record.templateId = (*this)(value);
        break;
    case 2:
        if (value) record.parent = *static_cast<HWND*>(value);
        break;
    case 3:
        if (value) record.hInstance = *static_cast<HINSTANCE*>(value);
        break;
    case 4:
        record.initParam = reinterpret_cast<LPARAM>(value);
        break;
    default:
        Values::setValue(value);
    }
}

void DlgBase::setDlgProc(DLGPROC proc) {
    record.dlgProc = proc;
}

void DlgBase::setCreateFkt(int (*f)(DlgBaseData&)) {
    record.createFkt = f;
}

int DlgBase::IDOK_FKT(HWND hwnd) {
    EndDialog(hwnd, 1);
    return 1;
}

int DlgBase::IDCANCEL_FKT(HWND hwnd) {
    EndDialog(hwnd, 0);
    return 1;
}

int DlgBase::DlgRetFkt() {
    return 0;
}

void* DlgBase::WM_INITDIALOG_FKT(LPARAM lParam) {
    return reinterpret_cast<void*>(lParam);
}

int DlgBase::checkDlgTemplate(DlgBaseData& d) {
    if (d.templateId) return 1;
    MessageBoxA(nullptr, "Keine Resurcen angegeben", "DlgBase Error", MB_OK);
    return 0;
}

int DlgBase::CreateDialogFkt(DlgBaseData& d) {
    return static_cast<int>(DialogBoxParamA(d.hInstance, MAKEINTRESOURCEA(d.templateId & 0xFFFF),
                                            d.parent, d.dlgProc, d.initParam));
}

INT_PTR CALLBACK DlgBase::DlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND) {
        if (LOWORD(wParam) == IDOK) return IDOK_FKT(hwnd);
        if (LOWORD(wParam) == IDCANCEL) return IDCANCEL_FKT(hwnd);
    }
    return DlgRetFkt();
}
