// WndExClass: a window base with an extended window style, and the hook through which every
// control of the library finds its own data from the window handle.
#pragma once

#include "panekitapi.h"
#include "wndbase.h"

struct WndExClassData {
    DWORD exStyle;
    void* classData; // the data of a derived control
};

class PANEKIT_API WndExClass : public WndBase {
public:
    WndExClass();
    ~WndExClass() override;

protected:
    // Flag 13: the extended style; the first write in the process replaces it, later ones add bits.
    void setValue(void* value) override;
    void* getValue() override;

    // The classData of a window of this library, or 0.
    static void* getClassData(HWND hwnd);

    WndExClassData exData;

private:
    static void CreateWindowFkt(WndBaseData& d);
};
