// One thread appends records and layers while another replays them, as the client and the window
// thread do. Every replay must see whole records only, and never memory that growth freed; run
// under ThreadSanitizer (preset native-tsan) this also checks that the two threads never race.
// The client draws live through its batch at the same time, which the window's thread flushes.
#include "devices/livebatch.h"
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

namespace {

// Counts the segments that reach the screen; only ever called under the batch's lock.
class CountingSink : public LineSink {
public:
    void polylines(const LinePoint*, const unsigned long* counts, int lines) override {
        for (int k = 0; k < lines; ++k)
            segments += static_cast<long>(counts[k]) - 1;
    }
    long segments = 0;
};

} // namespace

TEST(PlotPufferThreads, LiveBatchFlushedAndReplayedWhileTheClientDraws) {
    NumberedList<PlotPuffer> layers;
    CountingSink screen;
    LiveBatch live(screen);
    constexpr long lines = 300000;
    std::atomic<bool> done{false};

    // The client: a record, then the same line into the live batch; a new column at every
    // point, so that the batch reduces nothing and every line must reach the screen once.
    std::thread client([&] {
        PlotPuffer& list = layers.payload();
        plotrecord::appendPoint(list, PI_MOVETO, 0, 0);
        live.moveTo(0, 0);
        for (long i = 1; i <= lines; ++i) {
            const float v = static_cast<float>(i % 2000);
            plotrecord::appendPoint(list, PI_LINETO, v, v);
            live.lineTo(static_cast<int>(i), static_cast<int>(i % 7));
            if (i % 10000 == 0) {
                const auto drawingSomethingElse = live.hold();
                plotrecord::appendPen(list, 1, 1);
            }
        }
        done = true;
    });

    // The window's thread: flushes what waits, as its timer does, and repaints.
    const ReplayMapping mapping = ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0);
    long tornRecords = 0;
    while (!done) {
        live.flush();
        CheckingTarget target;
        PlotReplay::run(layers, mapping, target);
        tornRecords += target.tornRecords;
    }
    client.join();
    live.flush();
    EXPECT_FALSE(live.pending());
    EXPECT_EQ(tornRecords, 0);
    EXPECT_EQ(screen.segments, lines);
}
