// How fast text goes to an EPS file: 100,000 characters of mixed text with markup (scripts,
// groups, Greek, umlauts, literals) in all fonts and pens, horizontal and vertical, through the
// desk; beside it the same number of characters measured only, and PLplot's PostScript driver
// stroking the same texts in its Hershey fonts. Prints seconds, bytes and rates.
#include <velora.h>

#include "peers.h"
#include "processfigures.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The same lines in our markup and in PLplot's escapes (#u up, #d down, #g Greek).
struct Line {
    const char* velora;
    const char* plplot;
};
const Line lines[] = {
    {"Temperatur T (K) = 2.5 10^{-3} exp(-E_a//kT)",
     "Temperatur T (K) = 2.5 10#u-3#d exp(-E#da#u/kT)"},
    {"x_i^2 + y_{ij}^{n+1} = $a$ + $b$_0", "x#di#u#u2#d + y#dij#u#un+1#d = #ga + #gb#d0#u"},
    {"\xC4nderung der Gr\xF6\xDF"
     "e \xFC"
     "ber F\xFC\xDF"
     "e [mm]",
     "Anderung der Grosse uber Fusse [mm]"},
    {"Intensit\xE4t I_{$l$} (a.u.), 20\x7F"
     "C",
     "Intensitat I#d#gl#u (a.u.), 20 C"},
    {"Zeit t/[s/] 0.125 0.250 0.375 0.500", "Zeit t[s] 0.125 0.250 0.375 0.500"},
};
const int fonts[] = {FONT_SANS, FONT_ROMAN, FONT_GREEK, FONT_ROMAN | FONT_THIN,
                     FONT_SANS | FONT_BOLD};
constexpr long targetCharacters = 100000;

// Writes lines in turn until the target is reached; returns seconds, including finishing the
// file, and the processor seconds in `cpu` (the rest is waiting for the disk).
double writeText(const char* name, long* characters, double* cpu) {
    const double cpuStart = peers::processorSeconds();
    const auto start = peers::Clock::now();
    desk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(EPS, name);
    fontclass text(page);
    long count = 0;
    for (int i = 0; count < targetCharacters; ++i) {
        const Line& line = lines[i % std::size(lines)];
        const int font = fonts[i % std::size(fonts)];
        const float x = 2.0f + static_cast<float>(i % 7);
        const float y = 3.0f + static_cast<float>((i * 4) % 94);
        if (i % 10 == 9)
            text.vwrite(125.0f, 50.0f, line.velora, i % 16, font, 0.8f, 0, 0);
        else
            text.hwrite(x, y, line.velora, i % 16, font, 1.0f, 1, 1);
        count += static_cast<long>(std::strlen(line.velora));
    }
    page.close();
    *characters = count;
    *cpu = peers::processorSeconds() - cpuStart;
    return peers::secondsSince(start);
}

double measureText(long* characters, float* total) {
    desk page;
    page.setfontpath(VELORA_FONT_DIR);
    fontclass text(page);
    const auto start = peers::Clock::now();
    long count = 0;
    float sum = 0;
    for (int i = 0; count < targetCharacters; ++i) {
        const Line& line = lines[i % std::size(lines)];
        sum += text.getlength(line.velora, fonts[i % std::size(fonts)], 1.0f);
        count += static_cast<long>(std::strlen(line.velora));
    }
    *characters = count;
    *total = sum;
    return peers::secondsSince(start);
}

} // namespace

int main() {
    long written = 0;
    double cpu = 0;
    const double seconds = writeText("bench_text", &written, &cpu);
    const long bytes = peers::fileSize("bench_text.eps");
    std::printf("%-46s %7.3f s %11ld bytes %9.0f characters/s\n", "velora: text with markup to EPS",
                seconds, bytes, written / seconds);
    std::printf("  %ld characters, %.3f s of it on the processor (target: under 0.1 s)\n", written,
                cpu);

    long measured = 0;
    float total = 0;
    const double measuring = measureText(&measured, &total);
    std::printf("%-46s %7.3f s %23s %9.0f characters/s\n", "velora: the same text measured only",
                measuring, "", measured / measuring);

    std::vector<std::string> peerLines;
    long peerCharacters = 0;
    for (int i = 0; peerCharacters < targetCharacters; ++i) {
        peerLines.push_back(lines[i % std::size(lines)].plplot);
        peerCharacters += static_cast<long>(peerLines.back().size());
    }
    const double plplot = peers::plplotText(peerLines, "bench_text_plplot.eps");
    if (plplot >= 0) {
        std::printf("%-46s %7.3f s %11ld bytes %9.0f characters/s\n",
                    "PLplot psc, Hershey strokes: the same lines", plplot,
                    peers::fileSize("bench_text_plplot.eps"), peerCharacters / plplot);
        std::printf("velora is %.1f times as fast as PLplot on the same lines\n", plplot / seconds);
    } else {
        std::printf("PLplot was not found by the build: no comparison\n");
    }
    std::remove("bench_text.eps");
    std::remove("bench_text_plplot.eps");
    return 0;
}
