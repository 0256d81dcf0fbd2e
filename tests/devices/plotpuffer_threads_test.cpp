// One thread appends records and layers while another replays them, as the client and the window
// thread do. Every replay must see whole records only, and never memory that growth freed; run
// under ThreadSanitizer (preset native-tsan) this also checks that the two threads never race.
#include "devices/numberedlist.h"
#include "devices/plotpuffer.h"
#include "devices/plotrecord.h"
#include "devices/plotreplay.h"
#include "devices/replaymapping.h"
#include "devices/replaytarget.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

// Counts what it draws and checks that each line record arrived whole: the writer gives every
// line equal x and y.
class CheckingTarget : public ReplayTarget {
public:
    void moveTo(int, int) override {}
    void lineTo(int x, int y) override {
        ++lines;
        if (x != y) ++tornRecords;
    }
    void selectPen(unsigned, unsigned) override {}
    void drawImage(int, int, int, int, int, int, const void*, const void*) override {}
    void drawFile(const char* name, int, int, int, int) override {
        ++files;
        if (std::strcmp(name, "plot.bmp") != 0) ++tornRecords;
    }
    long lines = 0;
    long files = 0;
    long tornRecords = 0;
};

} // namespace

TEST(PlotPufferThreads, ReplayWhileAppendingAcrossGrowthAndNewLayers) {
    NumberedList<PlotPuffer> layers;
    constexpr long linesPerLayer = 400000; // 1.2 million items: each layer grows once
    constexpr int layerCount = 3;
    std::atomic<bool> done{false};

    std::thread client([&] {
        PlotPuffer* list = &layers.payload();
        for (int layer = 0; layer < layerCount; ++layer) {
            if (layer > 0) list = &layers.append();
            plotrecord::appendPen(*list, layer, 1);
            for (long i = 0; i < linesPerLayer; ++i) {
                const float v = static_cast<float>(i % 2000);
                plotrecord::appendPoint(*list, PI_LINETO, v, v);
                if (i % 50000 == 0) plotrecord::appendShowBmp(*list, v, v, v, v, "plot.bmp");
            }
        }
        done = true;
    });

    const ReplayMapping mapping = ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0);
    long replays = 0;
    long tornRecords = 0;
    while (!done) {
        CheckingTarget target;
        PlotReplay::run(layers, mapping, target);
        tornRecords += target.tornRecords;
        ++replays;
    }
    client.join();

    CheckingTarget last;
    PlotReplay::run(layers, mapping, last);
    EXPECT_EQ(tornRecords, 0);
    EXPECT_EQ(last.tornRecords, 0);
    EXPECT_EQ(last.lines, layerCount * linesPerLayer);
    EXPECT_EQ(last.files, layerCount * (linesPerLayer / 50000));
    EXPECT_EQ(layers.lastIndex(), static_cast<unsigned long>(layerCount - 1));
    EXPECT_GT(replays, 0);
}
