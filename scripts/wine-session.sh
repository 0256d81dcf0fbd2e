# Sourced by the scripts that run Windows programs: one Wine prefix, one persistent wineserver
# and, when no display is set, an Xvfb display of our own for the whole run.
# After sourcing, call wine_session_start; the session ends when the shell exits.

velora_wine_cache="${XDG_CACHE_HOME:-$HOME/.cache}/velora"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

velora_xvfb_pid=""

wine_session_stop() {
    # Waits for the server to be gone: a session started right after must not meet a dying one.
    wineserver -k >/dev/null 2>&1 && wineserver -w >/dev/null 2>&1 || true
    if [ -n "$velora_xvfb_pid" ]; then
        kill "$velora_xvfb_pid" >/dev/null 2>&1 || true
        wait "$velora_xvfb_pid" 2>/dev/null || true
    fi
}

# wine_session_start [win32|win64]: win32 for the 32-bit build, win64 for the 64-bit one.
wine_session_start() {
    export WINEARCH="${1:-win32}"
    export WINEPREFIX="$velora_wine_cache/wineprefix-$WINEARCH"
    if [ -z "${DISPLAY:-}" ]; then
        local n
        for n in $(seq 91 120); do
            if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
                Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
                velora_xvfb_pid=$!
                export DISPLAY=":$n"
                break
            fi
        done
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
            sleep 0.1
        done
    fi
    trap wine_session_stop EXIT
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX (once)..."
        if [ "$WINEARCH" = win64 ]; then
            /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
        else
            wineboot -i >/dev/null 2>&1 || true
        fi
        wineserver -w
    fi
    # One server for every program of the run: each start of Wine then stays cheap.
    wineserver -p >/dev/null 2>&1 || true
    # Start Wine's own services now, away from the test runner: started by a test program they
    # would keep its output pipe open, and the runner would wait for them forever.
    if [ "$WINEARCH" = win64 ]; then
        /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 || true
    else
        wine wineboot </dev/null >/dev/null 2>&1 || true
    fi
}

# True when this machine can run Wine's 32-bit loader. Some hosts run 64-bit user code only
# (the kernel's IA-32 emulation is off); 32-bit Windows programs cannot run there at all.
wine_can_run_32bit() {
    timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1
}
