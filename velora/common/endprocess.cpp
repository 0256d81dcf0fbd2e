#include "common/endprocess.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace velora {

namespace {
EndProcessHandler sharedEndProcessHandler = nullptr;
}

void endProcess() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    if (sharedEndProcessHandler) sharedEndProcessHandler(1);
    std::exit(1);
}

EndProcessHandler setEndProcessHandler(EndProcessHandler handler) {
    EndProcessHandler old = sharedEndProcessHandler;
    sharedEndProcessHandler = handler;
    return old;
}

} // namespace velora
