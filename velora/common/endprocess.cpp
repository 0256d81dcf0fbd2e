#include "common/endprocess.h"

#include "common/outputfile.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace velora {

namespace {
EndProcessHandler sharedEndProcessHandler = nullptr;
// Set once the exit has begun: the exit handlers (the destructors of static desks) must not
// start it again.
std::atomic<bool> sharedExitBegun{false};
} // namespace

void endProcess() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // Whatever is still being written is unfinished: no file of it is left, and the writers'
    // destructors find nothing to finish.
    OutputFile::abandonAll();
    if (sharedEndProcessHandler) sharedEndProcessHandler(1);
    if (sharedExitBegun.exchange(true)) std::_Exit(1);
    std::exit(1);
}

EndProcessHandler setEndProcessHandler(EndProcessHandler handler) {
    EndProcessHandler old = sharedEndProcessHandler;
    sharedEndProcessHandler = handler;
    return old;
}

} // namespace velora
