// Dashed series through values a hostile caller might pass (NaN, infinities, values beyond a
// float) on a desk opened on every file device: the drawing ends in time, breaks at those
// points and goes on after them, and every file it writes is one its reader accepts. The other
// hostile values of every call are the drawing fuzzer's seeds, replayed with the tests.
#include "desk/desk.h"
#include "plot/boxclass.h"

#include "support/testfiles.h"
#include "support/vectorfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <future>
#include <iostream>
#include <limits>
#include <string>
#include <thread>

using testing_support::readFile;

TEST(HostileSeries, DashedLinesThroughPointsThatAreNoNumbersEndAndBreakThere) {
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    std::packaged_task<void()> drawing([&] {
        desk d;
        d.open(EPS | PLT | PDF | SVG, "hostile_dashes");
        d.setfontpath(testing_support::fontDirectory().c_str());
        boxclass box(d);
        box.init(20, 15, 120, 90, 1, 1);
        box.dim(0, 10, -1, 1, 0, 0, 1, 0);
        for (double bad : {notANumber, HUGE_VAL, -HUGE_VAL, 1e300}) {
            const double x[4] = {1, bad, 3, 9}, y[4] = {0, 0, 0.5, 0.5};
            box.connectpoints(x, y, 4, 1, 0.5f);
            const float xf[4] = {1, static_cast<float>(bad), 3, 9}, yf[4] = {0, 0, -0.5f, -0.5f};
            box.connectpoints(xf, yf, 4, 2, 0.3f);
        }
        box.line(1, 0, static_cast<float>(notANumber), 0, 1, 0.5f);
        // A dash above 1 gave gaps of negative length, walked backwards over the dashes.
        const float far[2] = {0, 1e9f}, level[2] = {0, 0};
        box.connectpoints(far, level, 2, 4, 3.0f);
    });
    std::future<void> done = drawing.get_future();
    std::thread worker(std::move(drawing));
    // A drawing that never returns cannot be stopped, and it fills the disk: the program ends.
    if (done.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        std::cerr << "the drawing did not end within 20 s\n";
        std::_Exit(1);
    }
    worker.join();
    // The pieces from 3 to 9 are drawn: dashes go on after each break (some 12 and 20 dashes
    // for each of the eight dashed lines), and the dash above 1 is one solid line.
    const std::string eps = readFile("hostile_dashes.eps");
    std::size_t lines = 0;
    for (std::size_t at = eps.find(" l\r\n"); at != std::string::npos;
         at = eps.find(" l\r\n", at + 1))
        ++lines;
    EXPECT_GT(lines, 120u);
    EXPECT_LT(lines, 200u);
    EXPECT_EQ(testing_support::ghostscriptProblems("hostile_dashes.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("hostile_dashes.plt"), "");
    if (testing_support::haveVectorTools()) {
        EXPECT_EQ(testing_support::pdfProblems("hostile_dashes.pdf"), "");
        EXPECT_EQ(testing_support::svgProblems("hostile_dashes.svg"), "");
    }
}
