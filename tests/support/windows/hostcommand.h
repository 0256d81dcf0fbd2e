// runOnHost: a shell command of the machine Wine runs on (Wine starts Linux programs too), for
// the tests that ask outside programs (ImageMagick, pdftoppm) about a file a test wrote.
#pragma once

#include <string>

namespace window_checks {

// Runs `command` with /bin/sh; it must make the file `result` last. Wine does not wait for a
// Linux program, so the file is awaited (up to a minute). True once the file is there.
bool runOnHost(const std::string& command, const char* result);

} // namespace window_checks
