#!/usr/bin/env bash
# Prints for real: sets up CUPS with its PDF printer (starting cupsd when it is not running and
# adding the printer "PDF" when it is missing), runs the printer tests of the 32-bit Windows build
# under Wine, which print through the screen window's system menu and read the PDFs back, and
# takes down what it set up. Where CUPS or 32-bit Wine cannot run it says why and skips.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build/mingw32"

skip() {
    echo "print test skipped: $*"
    exit 0
}

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
wine_can_run_32bit || skip "this machine cannot run 32-bit programs under Wine"
for tool in cupsd lpadmin lpstat pdftoppm; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing (scripts/setup.sh installs cups, printer-driver-cups-pdf, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is missing (package printer-driver-cups-pdf)"
[ -f "$build/bin/printer_tests.exe" ] || skip "build/mingw32 has no printer_tests.exe (build it first)"
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo -n)

started_cupsd=""
added_printer=""
scheduler_runs() { lpstat -r 2>/dev/null | grep -q "is running"; }
cleanup() {
    if [ -n "$added_printer" ]; then "${sudo_cmd[@]}" lpadmin -x PDF >/dev/null 2>&1 || true; fi
    if [ -n "$started_cupsd" ]; then
        "${sudo_cmd[@]}" kill "$started_cupsd" >/dev/null 2>&1 || true
        wait "$started_cupsd" 2>/dev/null || true
    fi
}
trap cleanup EXIT

if ! scheduler_runs; then
    "${sudo_cmd[@]}" cupsd -f >/dev/null 2>&1 &
    started_cupsd=$!
    for _ in $(seq 1 100); do
        scheduler_runs && break
        kill -0 "$started_cupsd" 2>/dev/null || break
        sleep 0.1
    done
    scheduler_runs || skip "cupsd cannot be started here"
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
    "${sudo_cmd[@]}" lpadmin -p PDF -v cups-pdf:/ -m "$ppd" -E >/dev/null 2>&1 ||
        skip "the printer PDF cannot be added to CUPS"
    added_printer=1
fi

# Wine takes the printers from CUPS whenever a program starts, also in an older prefix.
if [ -z "${WINEPREFIX:-}" ]; then
    wine_session_start
    trap 'cleanup; wine_session_stop' EXIT
fi
export VELORA_PDF_DIR="$HOME/PDF"
ctest --test-dir "$build" -R '^printer_' --output-on-failure
