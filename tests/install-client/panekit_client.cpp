// Opens and closes a window through the installed window class library.
#include <panekit.h>

int main() {
    PaneKit window;
    window << Values::Flag(6) << "Installed panekit" << Values::Flag(3) << 320;
    if (!window.open()) return 1;
    return window.close() ? 0 : 1;
}
