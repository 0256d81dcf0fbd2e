// A symbol whose outline buffers cannot be allocated reports error 4097 and ends the process.
// Natively the program's own nothrow array allocation stands in for the library's and can be
// made to fail; a Windows DLL keeps its own, so the case is skipped there.
#include "desk/desk.h"
#include "plot/symbol.h"

#include "support/fatal.h"

#include <gtest/gtest.h>

#include <new>

#ifndef _WIN32
namespace {
bool failNothrowArrays = false;
} // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (failNothrowArrays) return nullptr;
    try {
        return ::operator new[](size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
#endif

TEST(SymbolAllocation, FailureIsReportedAndEndsTheProcess) {
#ifdef _WIN32
    GTEST_SKIP() << "the library's allocation cannot be replaced from outside a DLL";
#else
    desk d;
    EXPECT_FATAL(
        {
            failNothrowArrays = true;
            symbol marker(d);
        },
        "Fehler aufgetreten ! \\(4097\\)");
#endif
}
