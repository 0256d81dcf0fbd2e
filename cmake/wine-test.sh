#!/bin/sh
# The emulator of the Windows builds: runs a program under the Wine loader given first, with its
# output going through a file. Background processes that Wine starts for a program (services, the
# desktop window) inherit its output and may outlive it by minutes; a pipe they hold open would
# keep ctest waiting for the end of the output long after the program has ended.
output=$(mktemp) || exit 1
"$@" >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit $status
