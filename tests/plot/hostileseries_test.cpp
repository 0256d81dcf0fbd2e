// Series of values a hostile caller might pass (NaN, infinities, values beyond a float, tiny and
// negative sizes) on a desk opened on every file device: every drawing ends in time, and every
// file it writes is one its reader accepts, with no number outside the file format's grammar.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "plot/boxclass.h"
#include "text/fontclass.h"

#include "support/testfiles.h"
#include "support/vectorfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <future>
#include <iostream>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

using testing_support::readFile;

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();
const double notANumberD = std::numeric_limits<double>::quiet_NaN();

// Runs `drawing` with a deadline of its own. A drawing that never returns cannot be stopped, and
// it may be filling the disk: the test program then ends at once, failed.
void drawsWithin(int seconds, const std::function<void()>& drawing) {
    std::packaged_task<void()> task(drawing);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    if (done.wait_for(std::chrono::seconds(seconds)) != std::future_status::ready) {
        std::cerr << "the drawing did not end within " << seconds << " s\n";
        std::_Exit(1);
    }
    worker.join();
    done.get();
}

// Each line of the plot file is a command of two capitals with decimal numbers.
void expectHpglGrammar(const std::string& plt) {
    const std::regex command("([A-Z]{2}(-?[0-9]+(\\.[0-9]+)?(,-?[0-9]+(\\.[0-9]+)?)*)?;?)?\r");
    std::istringstream lines(plt);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_TRUE(std::regex_match(line, command)) << "HPGL line: " << line;
}

void expectReadable(const std::string& name) {
    const std::string eps = readFile(name + ".eps");
    for (const char* none : {"nan", "inf", "NAN", "INF"})
        EXPECT_EQ(eps.find(none), std::string::npos) << name << ".eps holds " << none;
    expectHpglGrammar(readFile(name + ".plt"));
    EXPECT_EQ(testing_support::ghostscriptProblems(name + ".eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems(name + ".plt"), "");
    if (testing_support::haveVectorTools()) {
        EXPECT_EQ(testing_support::pdfProblems(name + ".pdf"), "");
        EXPECT_EQ(testing_support::svgProblems(name + ".svg"), "");
    }
}

void openEverywhere(desk& d, const char* name) {
    d.open(EPS | PLT | PDF | SVG, name);
    d.setfontpath(testing_support::fontDirectory().c_str());
}

} // namespace

TEST(HostileSeries, DashedLinesThroughPointsThatAreNoNumbersEndAndBreakThere) {
    drawsWithin(20, [] {
        desk d;
        openEverywhere(d, "hostile_dashes");
        boxclass box(d);
        box.init(20, 15, 120, 90, 1, 1);
        box.dim(0, 10, -1, 1, 0, 0, 1, 0);
        for (double bad : {notANumberD, HUGE_VAL, -HUGE_VAL, 1e300}) {
            const double x[4] = {1, bad, 3, 9}, y[4] = {0, 0, 0.5, 0.5};
            box.connectpoints(x, y, 4, 1, 0.5f);
            const float xf[4] = {1, static_cast<float>(bad), 3, 9}, yf[4] = {0, 0, -0.5f, -0.5f};
            box.connectpoints(xf, yf, 4, 2, 0.3f);
            const long double xl[2] = {1, bad}, yl[2] = {0, 0};
            box.connectpoints(xl, yl, 2, 3, 0.5f);
        }
        box.line(1, 0, notANumber, 0, 1, 0.5f);
        box.line(1, 0, infinity, 0, 1, 0.5f);
        // A dash above 1 gave gaps of negative length, walked backwards over the dashes.
        const float far[2] = {0, 1e9f}, level[2] = {0, 0};
        box.connectpoints(far, level, 2, 4, 3.0f);
    });
    expectReadable("hostile_dashes");
    // The pieces from 3 to 9 are drawn: dashes go on after each break (some 12 and 20 dashes
    // for each of the eight dashed lines), and the dash above 1 is one solid line.
    const std::string eps = readFile("hostile_dashes.eps");
    std::size_t lines = 0;
    for (std::size_t at = eps.find(" l\r\n"); at != std::string::npos;
         at = eps.find(" l\r\n", at + 1))
        ++lines;
    EXPECT_GT(lines, 120u);
    EXPECT_LT(lines, 200u);
}

TEST(HostileSeries, WidthsSizesAndPlacesThatAreNoNumbersNeverReachAFile) {
    drawsWithin(20, [] {
        desk d;
        openEverywhere(d, "hostile_values");
        d.setpenwidth(notANumber);
        d.line(10, 10, 20, 20, 1);
        d.setpenwidth(infinity);
        d.setpenwidth(1e-5f); // a width PDF must write without an exponent
        d.line(10, 20, 20, 10, 2);
        d.setpenwidth(0.3f);
        d.vector(30, 30, 40, 40, 3, -2.0f);
        bitmap picture(8, 8);
        d.putbmp(notANumber, 10, 20, 20, picture);
        d.putbmp(10, 10, 3e38f, 20, picture);
        fontclass text(d);
        for (float size : {notANumber, infinity, 1e-30f, -1.0f})
            text.hwrite(50, 50, "x^{2}_i $ab$", 1, 0, size, 1, 1);
        boxclass tiny(d);
        tiny.init(60, 60, 60.0001f, 60.0001f, 1, 1);
        tiny.dim(0, 1, 0, 1, 0, 0, 1, 0);
        const float x[3] = {0.2f, 0.5f, 0.8f}, e[3] = {0.1f, 0.1f, 0.1f};
        tiny.showpoints(x, x, 3, 1, 1, 1);
        boxclass box(d);
        box.init(20, 15, 120, 90, 1, 1);
        box.dim(0, 1, 0, 1, 0, 0, 1, 0);
        box.showerrorbars(x, x, e, 3, 9, 2, notANumber);
        box.showerrorbars(x, x, e, 3, 8, 2, 1e-30f);
        box.hwrite(0.5f, 0.5f, "label", 1, 0, notANumber, 1, 1);
    });
    expectReadable("hostile_values");
    EXPECT_NE(readFile("hostile_values.eps").find(" l\r\n"), std::string::npos);
}
