// The resource library the screen windows load by name: cursors, icon and error texts.
#include "devices/selector/errortexts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
std::string text(HMODULE library, unsigned id) {
    char buffer[81] = {};
    LoadStringA(library, id, buffer, sizeof buffer);
    return buffer;
}
} // namespace

TEST(Velorares, CursorsIconAndErrorTexts) {
    HMODULE library = LoadLibraryA("velorares");
    ASSERT_NE(library, nullptr);
    // Resource names are found whatever their case.
    for (const char* name :
         {"orincursor", "OrinCursor", "OrinCursorLupe2", "OrinCursorLupe4", "OrinCursorLupe8"}) {
        HCURSOR cursor = LoadCursorA(library, name);
        EXPECT_NE(cursor, nullptr) << name;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info)) << name;
        EXPECT_FALSE(info.fIcon);
        // The crosshair points with its centre, the magnifiers with the middle of the glass.
        EXPECT_EQ(info.xHotspot, name[10] == 0 ? 15u : 12u) << name;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    EXPECT_NE(LoadIconA(library, "orinicon"), nullptr);
    EXPECT_NE(LoadIconA(library, "OrinIcon"), nullptr);
    for (unsigned id : {4096u, 4097u, 4098u, 4099u, 8192u, 8193u, 8194u, 8195u})
        EXPECT_GT(text(library, id).size(), 10u) << id;
    EXPECT_EQ(text(library, 8192), "Die Bitmap-Datei wurde nicht ge\xF6"
                                   "ffnet!");
    // The box says what the error stream says without a screen.
    for (unsigned short id = 0x1000; id <= 0x1004; ++id)
        EXPECT_EQ(text(library, id), velora::errorText(id)) << id;
    EXPECT_EQ(text(library, 4101), "");
    FreeLibrary(library);
}
