// base.dll: the module under whose handle the window classes of panekit are registered. Only its
// handle is used; the library holds nothing else.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
