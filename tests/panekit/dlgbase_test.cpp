// Modal dialogs: a dialog resource of this program run to OK and to Cancel, and a dialog without
// a template, which tells the user and gives -1. A helper thread plays the user.
#include "windowtesting.h"

#include <gtest/gtest.h>

using namespace window_testing;

namespace {
const int TEST_DIALOG = 100; // testdialog.rc
const char* TEST_DIALOG_CAPTION = "Panekit test dialog";
} // namespace

TEST(Dialog, OkGivesOneAndCancelGivesZero) {
    DlgBase dialog;
    dialog << Values::Flag(1) << TEST_DIALOG;
    {
        WindowCloser user(MESSAGE_BOX_CLASS, TEST_DIALOG_CAPTION, IDOK);
        int result = dialog;
        user.join();
        EXPECT_TRUE(user.found());
        EXPECT_EQ(result, 1);
    }
    {
        // The same object runs a new dialog each time.
        WindowCloser user(MESSAGE_BOX_CLASS, TEST_DIALOG_CAPTION, IDCANCEL);
        int result = dialog;
        user.join();
        EXPECT_TRUE(user.found());
        EXPECT_EQ(result, 0);
    }
    EXPECT_FALSE(FindWindowA(MESSAGE_BOX_CLASS, TEST_DIALOG_CAPTION));
}

TEST(Dialog, WithoutTemplateTheUserIsToldAndTheResultIsMinusOne) {
    DlgBase dialog;
    WindowCloser user(MESSAGE_BOX_CLASS, "DlgBase Error", IDOK);
    int result = dialog;
    user.join();
    ASSERT_TRUE(user.found());
    EXPECT_EQ(user.text(), "Keine Resurcen angegeben");
    EXPECT_EQ(result, -1);
}

TEST(Dialog, MissingResourceGivesTheSystemsError) {
    DlgBase dialog;
    dialog << Values::Flag(1) << 4321;
    int result = dialog;
    EXPECT_EQ(result, -1);
}
