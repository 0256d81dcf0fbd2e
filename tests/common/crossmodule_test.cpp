// Exceptions cross the library's DLL in both directions: an end handler of the client throws
// through the library (endprocess_test), and an allocation that fails inside the library reaches
// the client as std::bad_alloc.
#include "desk/stringstack.h"

#include <gtest/gtest.h>

#include <limits>
#include <new>

#ifdef _WIN32
// Windows only: natively the sanitizer builds end the process on a failed allocation instead.
TEST(CrossModuleExceptions, AllocationFailureInsideTheLibraryReachesTheClient) {
    bool caught = false;
    try {
        StringStack huge(std::numeric_limits<unsigned>::max());
    } catch (const std::bad_alloc&) {
        caught = true;
    }
    EXPECT_TRUE(caught);
}
#endif
