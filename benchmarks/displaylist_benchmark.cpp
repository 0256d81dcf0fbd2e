// The screen's display list without a screen: appending 1,000,000 line records (3,000,000 items)
// to one layer, then one replay of them through the window mapping onto a target that only
// counts. Prints the seconds, the rates and the memory the items took.
#include "devices/displaylist/numberedlist.h"
#include "devices/displaylist/plotpuffer.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/displaylist/replaytarget.h"

#include <chrono>
#include <cstdio>

namespace {

class CountingTarget : public ReplayTarget {
public:
    void moveTo(int x, int y) override { sum += x + y; }
    void lineTo(int x, int y) override { sum += x - y; }
    void selectPen(unsigned, unsigned) override { ++pens; }
    void drawImage(int, int, int, int, int, int, const void*, const void*) override {}
    void drawFile(const char*, int, int, int, int) override {}
    void fillPolygon(const LinePoint*, unsigned long count, unsigned, unsigned) override {
        sum += static_cast<long long>(count);
    }
    long long sum = 0;
    long pens = 0;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    const int records = 1000000;
    NumberedList<PlotPuffer> layers;
    PlotPuffer& list = layers.payload();

    auto start = std::chrono::steady_clock::now();
    plotrecord::appendPen(list, 3, 2);
    plotrecord::appendPoint(list, PI_MOVETO, 0, 0);
    for (int i = 1; i < records; ++i) {
        const float x = static_cast<float>(i % 1280);
        const float y = static_cast<float>((i * 7) % 960);
        plotrecord::appendPoint(list, PI_LINETO, x, y);
    }
    const double append = secondsSince(start);

    CountingTarget target;
    start = std::chrono::steady_clock::now();
    PlotReplay::run(layers, ReplayMapping::window(0.5f, 0.5f, 4.0f, 1, 0), target);
    const double replay = secondsSince(start);

    std::printf("display list, append %d line records (%lu items): %.3f s, %.1f M records/s, "
                "%.1f MB held\n",
                records, list.getCounter(), append, records / append / 1e6,
                list.storageBytes() / 1e6);
    std::printf("display list, replay %d records onto a counting target: %.3f s, %.1f M records/s "
                "(checksum %lld)\n",
                records, replay, records / replay / 1e6, target.sum);
    return 0;
}
