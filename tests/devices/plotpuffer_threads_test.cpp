// One thread appends records and layers while another replays them, as the client and the window
// thread do. Every replay must see whole records only, and never memory that growth freed; run
// under ThreadSanitizer (preset native-tsan) this also checks that the two threads never race.
// The client draws live through its batch at the same time, which the window's thread flushes
// and repaints over.
#include "devices/displaylist/numberedlist.h"
#include "devices/displaylist/plotpuffer.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/displaylist/replaytarget.h"
#include "devices/raster/canvastarget.h"
#include "devices/raster/livebatch.h"
#include "devices/raster/rastercanvas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

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
    void fillPolygon(const LinePoint*, unsigned long, unsigned, unsigned) override {}
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

// The screen's page in memory, as the window keeps it: live drawing's lines go onto its pixels,
// and a repaint draws it afresh from the lists; each under the batch's lock.
class PageSink : public LineSink {
public:
    static constexpr int width = 320, height = 240;
    static constexpr std::uint32_t white = RasterCanvas::rgb(255, 255, 255);

    PageSink() : pixels(width * height, white) {
        canvas.attach(pixels.data(), width, height, width);
    }
    void polylines(const LinePoint* points, const unsigned long* counts, int lines) override {
        canvas.polylines(points, counts, lines);
    }
    void present() override { canvas.takeChanged(); }
    void repaint(NumberedList<PlotPuffer>& layers, const ReplayMapping& mapping) {
        canvas.fill(PixelBounds{0, 0, width, height}, white);
        CanvasTarget target(canvas);
        PlotReplay::run(layers, mapping, target);
    }

    std::vector<std::uint32_t> pixels;
    RasterCanvas canvas;
};

} // namespace

TEST(PlotPufferThreads, LiveDrawingAndRepaintsWhileTheClientDrawsEndOnTheRepaintsPixels) {
    NumberedList<PlotPuffer> layers;
    PageSink screen;
    LiveBatch live(screen);
    constexpr long lines = 60000;
    std::atomic<bool> done{false};
    std::atomic<long> progress{0};
    // One pixel a list unit, as the client below draws.
    const ReplayMapping mapping = ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0);

    // The client: a record, then the same line drawn live at the pixels the repaint gives it;
    // now and then another pen, as the screen device selects one under the lock.
    std::thread client([&] {
        PlotPuffer& list = layers.payload();
        plotrecord::appendPen(list, 0, 0);
        plotrecord::appendPoint(list, PI_MOVETO, 0, 0);
        live.moveTo(0, 0);
        for (long i = 1; i <= lines; ++i) {
            const float x = static_cast<float>(i % 1200) / 16.0f;
            const float y = static_cast<float>((i * 7919) % 900) / 16.0f;
            plotrecord::appendPoint(list, PI_LINETO, x, y);
            live.lineTo(plotrecord::listUnits(x), plotrecord::listUnits(y));
            progress.store(i);
            if (i % 2000 == 0) {
                const auto drawingSomethingElse = live.hold();
                const int colour = static_cast<int>(i / 2000 % 16),
                          step = static_cast<int>(i / 2000 % 3);
                plotrecord::appendPen(list, colour, step);
                CanvasTarget::selectPen(screen.canvas, static_cast<unsigned>(colour),
                                        static_cast<unsigned>(step));
            }
        }
        done = true;
    });

    // The window's thread: shows what waits, as its timer does, and now and then repaints under
    // the lock, as a window does when uncovered.
    long repaints = 0, repaintedAt = 0;
    while (!done) {
        live.flush();
        if (progress.load() >= repaintedAt + 5000) {
            repaintedAt = progress.load();
            const auto repainting = live.hold();
            screen.repaint(layers, mapping);
            live.shown();
            ++repaints;
        }
        std::this_thread::yield();
    }
    client.join();
    live.flush();
    EXPECT_FALSE(live.pending());

    // Whatever the interleaving, the page now shows what a repaint of the lists shows.
    PageSink fresh;
    fresh.repaint(layers, mapping);
    EXPECT_TRUE(screen.pixels == fresh.pixels);
    EXPECT_GT(repaints, 0);
}
