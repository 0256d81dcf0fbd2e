"""The demo's first box from Python: a damped oscillation with its envelope and two measured
series with error bars, written from NumPy arrays to oscillation.pdf and oscillation.svg.

    VELORA_LIBRARY=build/native/bin/libvelora.so PYTHONPATH=python \\
        python3 examples/python/oscillation.py build/native/bin
"""

import sys

import numpy as np

import velora

TAU = 3.5


def oscillation(t):
    return np.exp(-t / TAU) * np.cos(2 * np.pi * 0.55 * t)


def scatter(i):
    """A small deterministic scatter, so that every run draws the same figure."""
    return np.sin(i * 12.9898) * 0.5 + np.sin(i * 4.1414 + 1.0) * 0.5


def main(fontpath=None):
    t = np.arange(401) / 40.0
    envelope = np.exp(-t / TAU)
    t1 = 0.3 + 0.5 * np.arange(19)
    y1 = oscillation(t1) + 0.07 * scatter(np.arange(19))
    e1 = 0.06 + 0.03 * np.abs(scatter(np.arange(19) + 40))
    t2 = (0.55 + 1.05 * np.arange(9)).astype(np.float32)
    y2 = (oscillation(t2) + 0.08 * scatter(np.arange(9) + 7)).astype(np.float32)
    e2 = np.full(9, 0.25, np.float32)

    with velora.Desk("oscillation", pdf=True, svg=True, fontpath=fontpath) as page:
        box = page.box(16, 16, 63, 86)
        box.dim(0, 10, -1.5, 1.5)
        box.label("time t // ms", "amplitude A // A_0", size=0.6)
        page.setpenwidth(0.45)
        box.connectpoints(t, envelope, color=10, dash=0.5)
        box.connectpoints(t, -envelope, color=10, dash=0.5)
        page.setpenwidth(0.7)
        box.connectpoints(t, oscillation(t), color=3)
        page.setpenwidth(0.5)
        box.showerrorbars(t1, y1, e1, symbol=9, color=0)
        box.showpoints(t1, y1, color=0, symbol=0x15, scale=0.9)
        box.showerrorbars(t2, y2, e2, symbol=8, color=1)
        box.showpoints(t2, y2, color=1, symbol=0x32, scale=0.9)
        box.legend([velora.LegendEntry.points("series 1, bars of 1$s$", 0, 0x15),
                    velora.LegendEntry.points("series 2, bars in t", 1, 0x32),
                    velora.LegendEntry.line("model", 3),
                    velora.LegendEntry.line("envelope e^{-t//$t$}", 10, 0.5)], size=0.45)
        box.hwrite(5, -1.3, "A(t) = A_0 e^{-t//$t$} cos($w$t),  $t$ = 3.5 ms", size=0.45,
                   halign=0, valign=0)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
