// EXPECT_FATAL(statement, regex): the statement ends the process with status 1, and what it
// printed, to standard output or the error stream, matches regex. On Windows a death test's
// child does not write into the parent's captured error stream, so there only the status is
// checked; the messages come from the same code and are checked by the native build.
#pragma once

#include <gtest/gtest.h>

#include <iostream>

namespace testing_support {
// Death tests read only the error stream; the library's messages go to both.
inline void routeStandardOutputToErrorStream() {
    std::cout.rdbuf(std::cerr.rdbuf());
}
} // namespace testing_support

#ifdef _WIN32
#define VELORA_FATAL_MESSAGE(regex) ""
#else
#define VELORA_FATAL_MESSAGE(regex) regex
#endif

#define EXPECT_FATAL(statement, regex)                                                             \
    EXPECT_EXIT(                                                                                   \
        {                                                                                          \
            testing_support::routeStandardOutputToErrorStream();                                   \
            statement;                                                                             \
        },                                                                                         \
        testing::ExitedWithCode(1), VELORA_FATAL_MESSAGE(regex))
