"""A million points from NumPy into a PDF file: through the Python package, through the C++
classes (pdfline_benchmark, the same figure) and through matplotlib's savefig, in one run.

    VELORA_LIBRARY=build/native/bin/libvelora.so PYTHONPATH=python \\
        python3 benchmarks/python_line.py build/native/bin
"""

import os
import subprocess
import sys
import tempfile
import time

import numpy as np

import velora


def main(bin_dir):
    n = 1_000_000
    t = np.linspace(0.0, 10.0, n)
    u = np.exp(-t / 3.5) * np.cos(2 * np.pi * 0.55 * t)
    work = tempfile.mkdtemp(prefix="velora-python-line-")

    def through_python():
        start = time.perf_counter()
        with velora.Desk(os.path.join(work, "python"), pdf=True, fontpath=bin_dir) as page:
            box = page.box(20, 15, 120, 90)
            box.dim(0, 10, -1, 1)
            box.label("t // s", "u // V", size=1.0)
            box.connectpoints(t, u, color=3)
            del box
        return time.perf_counter() - start

    def through_cxx():
        cxx = subprocess.run([os.path.join(bin_dir, "pdfline_benchmark"),
                              os.path.join(work, "cxx"), bin_dir, "1"],
                             check=True, capture_output=True, text=True)
        return float(cxx.stdout.split()[-1])

    # The two take turns, so that whatever else the machine does weighs on both alike.
    python_runs, cxx_runs = [], []
    for _ in range(5):
        python_runs.append(through_python())
        cxx_runs.append(through_cxx())
    python_seconds, cxx_seconds = min(python_runs), min(cxx_runs)
    print("1,000,000 points to PDF: Python package %.3f s, C++ %.3f s: %.2f times the C++ time"
          % (python_seconds, cxx_seconds, python_seconds / cxx_seconds))
    print("  PDF sizes: Python %d bytes, C++ %d bytes"
          % (os.path.getsize(os.path.join(work, "python.pdf")),
             os.path.getsize(os.path.join(work, "cxx.pdf"))))
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        print("matplotlib: not installed here")
        return

    def through_matplotlib():
        start = time.perf_counter()
        figure, axes = plt.subplots(figsize=(6, 4.5))
        axes.plot(t, u, color="blue", linewidth=0.5)
        axes.set_xlabel("t / s")
        axes.set_ylabel("u / V")
        figure.savefig(os.path.join(work, "matplotlib.pdf"))
        plt.close(figure)
        return time.perf_counter() - start

    matplotlib_seconds = min(through_matplotlib() for _ in range(2))
    print("  matplotlib %s savefig: %.3f s (the Python package is %.1f times as fast)"
          % (matplotlib.__version__, matplotlib_seconds, matplotlib_seconds / python_seconds))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "native", "bin"))
