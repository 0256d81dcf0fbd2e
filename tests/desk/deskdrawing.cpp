#include "deskdrawing.h"

#include "support/epsfiles.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

namespace desk_test {

Drawing drawOn(const char* name, const std::function<void(desk&)>& figure, int devices) {
    desk d;
    d.open(devices, name);
    figure(d);
    d.close();
    Drawing drawn;
    const std::string base = name;
    if (devices & EPS) {
        drawn.eps = eps_test::bodyOf(testing_support::readFile(base + ".eps"));
        EXPECT_EQ(testing_support::ghostscriptProblems(base + ".eps"), "") << base;
    }
    if (devices & PLT) {
        drawn.plt = hpgl_test::bodyOf(testing_support::readFile(base + ".plt"));
        EXPECT_EQ(testing_support::hp2xxProblems(base + ".plt"), "") << base;
    }
    return drawn;
}

} // namespace desk_test
