// The device selector: pen state, forwarding, file devices ended by clearing, and the screen
// services without a screen.
#include "devices/selector/deviceselect.h"

#include "support/epsfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using eps_test::bodyOf;
using eps_test::name;
using testing_support::fileExists;
using testing_support::readFile;

namespace {
// Opens the protected state for the tests.
struct InspectedSelector : deviceselect {
    InspectedSelector() : deviceselect(nullptr) {}
    float x() const { return devx; }
    float y() const { return devy; }
    int pen() const { return pendown; }
    bool hasEps() const { return psfile != nullptr; }
};
} // namespace

TEST(DeviceSelect, OpeningSendsColourZeroAndDefaultPen) {
    InspectedSelector devices;
    devices.in(EPS, name("opened"), nullptr);
    EXPECT_TRUE(fileExists("opened.tmp"));
    EXPECT_EQ(devices.pen(), 0);
    devices.cl();
    EXPECT_EQ(bodyOf(readFile("opened.eps")), "0 0 0 shsb\r\n0.525 slw\r\n");
}

TEST(DeviceSelect, PenUpMovesOnlyAndPenStateChangesOnce) {
    InspectedSelector devices;
    devices.in(EPS, name("penstate"), nullptr);
    devices.pu(); // already up: nothing
    devices.pa(1, 1);
    devices.pa(2, 2);
    devices.pd();
    devices.pd();
    EXPECT_EQ(devices.pen(), -1);
    devices.pa(4, 4);
    devices.pu();
    devices.pu();
    EXPECT_EQ(devices.pen(), 0);
    devices.cl();
    EXPECT_EQ(bodyOf(readFile("penstate.eps")),
              "0 0 0 shsb\r\n0.525 slw\r\n39 434 m\r\n43 438 m\r\n51 446 l\r\n");
}

TEST(DeviceSelect, ClearingEndsTheEpsFileAndLaterCommandsOnlyMoveThePen) {
    InspectedSelector devices;
    devices.in(EPS, name("cleared"), nullptr);
    devices.cr(0, 0, 10, 10, CLEAR_AND_EMPTY);
    EXPECT_FALSE(devices.hasEps());
    EXPECT_TRUE(fileExists("cleared.eps"));
    const std::string finished = readFile("cleared.eps");
    devices.pa(7, 8);
    EXPECT_FLOAT_EQ(devices.x(), 7);
    EXPECT_FLOAT_EQ(devices.y(), 8);
    devices.cl();
    EXPECT_EQ(readFile("cleared.eps"), finished);
}

TEST(DeviceSelect, OpeningAgainKeepsTheOpenFile) {
    InspectedSelector devices;
    devices.in(EPS, name("again"), nullptr);
    devices.pa(1, 1);
    devices.in(EPS, name("other"), nullptr);
    EXPECT_FALSE(fileExists("other.tmp"));
    devices.cl();
    EXPECT_EQ(bodyOf(readFile("again.eps")),
              "0 0 0 shsb\r\n0.525 slw\r\n39 434 m\r\n0 0 0 shsb\r\n0.525 slw\r\n");
}

TEST(DeviceSelect, ScreenServicesWithoutScreenAnswerNothing) {
    deviceselect devices(nullptr);
    EXPECT_EQ(devices.spp(3), nullptr);
    EXPECT_EQ(devices.gsppe(), 0u);
    devices.svb();
    devices.sdp(10, 10);
    devices.pointBox(0, 0, 1, 1, 0);
    devices.pointBoxDim(0, 0, 1, 1, 0);
}

TEST(DeviceSelect, DoubleSizeReachesTheEpsWriter) {
    deviceselect devices(nullptr);
    devices.in(EPS | DOUBLESIZE, name("doublesel"), nullptr);
    devices.pa(0, 200);
    devices.cl();
    EXPECT_NE(readFile("doublesel.eps").find("35 830 m\r\n"), std::string::npos);
}

#ifndef _WIN32
// The portable build has no screen: it says so in one line and still opens the files.
TEST(DeviceSelect, ScreenWithoutScreenDeviceSaysSoAndOpensTheFiles) {
    deviceselect devices(nullptr);
    testing::internal::CaptureStderr();
    devices.in(SCREEN | EPS, name("noscreen"), nullptr);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("SCREEN"), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_TRUE(fileExists("noscreen.tmp"));
    devices.cl();
}
#endif

TEST(DeviceSelect, PausedFilesMissNothingButThePausedDrawing) {
    const auto draw = [](deviceselect& devices, bool withPause) {
        devices.pa(1, 1);
        devices.pd();
        devices.pa(2, 2); // the pen stays down across the pause
        if (withPause) {
            devices.pauseFiles();
            devices.pu();
            devices.sp(5);
            devices.pw(2);
            devices.pa(9, 9);
            devices.pd();
            devices.pa(8, 8);
            devices.resumeFiles();
        }
        devices.pa(3, 3);
        devices.pu();
        devices.pa(4, 4);
        devices.cl();
    };
    InspectedSelector plain, paused;
    plain.in(EPS | PLT, name("unpaused"), nullptr);
    draw(plain, false);
    paused.in(EPS | PLT, name("paused"), nullptr);
    draw(paused, true);
    EXPECT_EQ(bodyOf(readFile("paused.eps")), bodyOf(readFile("unpaused.eps")));
    EXPECT_EQ(readFile("paused.plt"), readFile("unpaused.plt"));
}
