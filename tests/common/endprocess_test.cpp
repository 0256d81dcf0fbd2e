// Fatal ends of the library: status 1, and a handler that can take over.
#include "common/endprocess.h"

#include <gtest/gtest.h>

#include <iostream>
#include <stdexcept>

TEST(EndProcess, ExitsWithStatusOne) {
    EXPECT_EXIT(
        {
            std::cout << "message";
            velora::endProcess();
        },
        testing::ExitedWithCode(1), "");
}

TEST(EndProcess, InstalledHandlerTakesOver) {
    struct Ended : std::runtime_error {
        Ended() : std::runtime_error("ended") {}
    };
    auto previous = velora::setEndProcessHandler([](int status) {
        EXPECT_EQ(status, 1);
        throw Ended();
    });
    EXPECT_THROW(velora::endProcess(), Ended);
    velora::setEndProcessHandler(previous);
}
