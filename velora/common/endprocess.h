// The one way the library ends the process after a fatal message. Tests check the exit status;
// fuzzers install a handler that unwinds instead of exiting.
#pragma once

#include "common/api.h"

namespace velora {

// Called instead of exiting when set; it must not return (it may throw or long-jump).
using EndProcessHandler = void (*)(int status);

// Flushes the standard streams and ends the process with status 1: a failure is never reported
// as success.
[[noreturn]] VELORA_API void endProcess();

// Installs a handler for endProcess, or restores plain exiting with nullptr; returns the old one.
VELORA_API EndProcessHandler setEndProcessHandler(EndProcessHandler handler);

} // namespace velora
