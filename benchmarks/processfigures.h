// What the benchmarks read about their own process: processor seconds and peak memory, on Linux
// and on Windows alike.
#pragma once

namespace peers {

// Processor seconds the process has used so far (user and system).
double processorSeconds();

// The peak resident memory (Windows: peak private bytes) of the process in kB, or -1.
long peakKilobytes();

// Gives freed heap memory back and, where the system allows it (Linux), starts a new peak from
// here. Windows keeps one peak for the whole process: whether that is so here.
void restartPeak();
bool peakRestarts();

} // namespace peers
