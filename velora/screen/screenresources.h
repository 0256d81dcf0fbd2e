// ScreenResources: the outside resource library velorares, loaded once by the first screen
// window: its cursors and its icon, with the system's arrow and application icon standing in
// when the library is missing.
#pragma once

#include <windows.h>

class ScreenResources {
public:
    // Loads the library if that was not tried yet; false when it is missing.
    static bool load();
    static HMODULE library();
    static HCURSOR cursor(const char* name);
    static HICON icon(const char* name);
};
