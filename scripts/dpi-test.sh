#!/usr/bin/env bash
# Runs a screen test program on a display at 150 %: in a Wine prefix of its own whose LogPixels
# is 144 (made once from the session's prefix and kept beside it), with a wineserver of its own
# for the run, so that the other tests of the session keep their 96 DPI. The program must pass
# without skipping.
# Usage: dpi-test.sh program.exe (under the session that wine-session.sh started)
set -uo pipefail
program=$1
: "${WINEPREFIX:?run under a Wine session (scripts/wine-session.sh)}"
dpi_prefix="$WINEPREFIX-dpi144"
if [ ! -f "$dpi_prefix/.velora-dpi144" ]; then
    rm -rf "$dpi_prefix"
    cp -a "$WINEPREFIX" "$dpi_prefix" || exit 1
    rm -f "$dpi_prefix/.update-timestamp.lock"
    WINEPREFIX="$dpi_prefix" wine reg add \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 &&
        WINEPREFIX="$dpi_prefix" wine reg add 'HKCU\Control Panel\Desktop' \
            /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 &&
        WINEPREFIX="$dpi_prefix" wine reg add \
            "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")\\X11 Driver" \
            /v Managed /d N /f >/dev/null 2>&1 || exit 1
    touch "$dpi_prefix/.velora-dpi144"
fi
export WINEPREFIX="$dpi_prefix"
output=$(mktemp) || exit 1
(cd "$(dirname "$program")" && wine "$program") >"$output" 2>&1
status=$?
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
cat "$output"
if grep -q "SKIPPED" "$output"; then
    echo "dpi-test: the program skipped: the prefix is not at 144 DPI" >&2
    status=1
fi
rm -f "$output"
exit $status
