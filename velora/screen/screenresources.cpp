#include "screen/screenresources.h"

#include <atomic>

namespace {

// Library-wide: loaded once, kept for the life of the process.
std::atomic<HMODULE> sharedResourceLibrary{nullptr};
std::atomic<bool> sharedResourceLoadTried{false};

} // namespace

bool ScreenResources::load() {
    if (!sharedResourceLoadTried.exchange(true)) sharedResourceLibrary = LoadLibraryA("velorares");
    return library() != nullptr;
}

HMODULE ScreenResources::library() {
    return sharedResourceLibrary.load();
}

HCURSOR ScreenResources::cursor(const char* name) {
    HCURSOR found = library() ? LoadCursorA(library(), name) : nullptr;
    return found ? found : LoadCursor(nullptr, IDC_ARROW);
}

HICON ScreenResources::icon(const char* name) {
    HICON found = library() ? LoadIconA(library(), name) : nullptr;
    return found ? found : LoadIcon(nullptr, IDI_APPLICATION);
}
