// Displays with scaling: the screen's window thread declares itself aware of each monitor's DPI,
// so that the system neither stretches the window into a blur nor lies about its pixels, and the
// window is sized in physical pixels: the sizes a client gives are those of a 96-DPI display.
// The calls that only newer systems have are looked up at run time; older systems run on at
// their system DPI.
#pragma once

#include <windows.h>

namespace displayscaling {

constexpr unsigned baseDpi = 96;

// Per-monitor awareness for the calling thread (and the windows it creates from now on), where
// the system offers it. True when it was declared.
bool declarePerMonitorAware();

// The DPI of the monitor the window is on; before there is a window (or on systems that know
// only one), the system's.
unsigned dpiOf(HWND hwnd);

// A size or position given for a 96-DPI display, at the DPI given.
inline int scaled(int value, unsigned dpi) {
    return MulDiv(value, static_cast<int>(dpi), static_cast<int>(baseDpi));
}

} // namespace displayscaling
