// EXPECT_FATAL(statement, regex): the statement ends the process with status 1, and what it
// printed, to standard output or the error stream, matches regex.
#pragma once

#include <gtest/gtest.h>

#include <iostream>

namespace testing_support {
// Death tests read only the error stream; the library's messages go to both.
inline void routeStandardOutputToErrorStream() {
    std::cout.rdbuf(std::cerr.rdbuf());
}
} // namespace testing_support

#define EXPECT_FATAL(statement, regex)                                                             \
    EXPECT_EXIT(                                                                                   \
        {                                                                                          \
            testing_support::routeStandardOutputToErrorStream();                                   \
            statement;                                                                             \
        },                                                                                         \
        testing::ExitedWithCode(1), regex)
