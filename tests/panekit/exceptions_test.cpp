// An exception thrown by the client's own code, called back from inside panekit.dll, reaches the
// client's catch through the library's frames.
#include "windowtesting.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct CreationRefused : std::runtime_error {
    CreationRefused() : std::runtime_error("creation refused") {}
};

// A window made in the caller's thread whose creation step is the client's and throws.
class RefusingWindow : public WndBase {
public:
    RefusingWindow() {
        *this << Flag(10) << 0;
        setCreateWndFkt([](WndBaseData&) { throw CreationRefused(); });
    }
};

} // namespace

TEST(CrossModuleExceptions, ClientCallbackThrowsThroughTheWindowLibrary) {
    RefusingWindow window;
    bool caught = false;
    try {
        window.open();
    } catch (const CreationRefused&) {
        caught = true;
    }
    EXPECT_TRUE(caught);
    EXPECT_EQ(static_cast<HWND>(window), nullptr);
}
