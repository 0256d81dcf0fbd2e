// LiveBatch: the screen's live drawing in batches, shared by two threads. The client's thread
// adds lines as it draws; the window's thread sends what waits when the client has paused for a
// frame and whenever it handles a message (a handshake, a repaint). One lock guards the batch and
// what the sink draws on (the screen's page buffer), the only things both threads touch: the
// client holds it for every other drawing there too, and the repaint while it draws the page
// afresh. Uncontended it costs a few nanoseconds a line.
#pragma once

#include "common/api.h"
#include "devices/raster/linebatch.h"

#include <atomic>
#include <mutex>

class VELORA_API LiveBatch {
public:
    explicit LiveBatch(LineSink& sink);
    LiveBatch(const LiveBatch&) = delete;
    LiveBatch& operator=(const LiveBatch&) = delete;

    void moveTo(int x, int y);
    void lineTo(int x, int y);

    // True when something drawn has not been shown; a cheap look without the lock.
    bool pending() const { return waiting.load(std::memory_order_acquire); }
    // Sends what waits and has the sink show everything drawn.
    void flush();

    // Sends what waits and keeps the lock (and with it the sink's device) until the guard goes:
    // for drawing anything else, and for the repaint. Nothing is shown yet.
    std::unique_lock<std::mutex> hold();
    // Under hold(): something besides lines was drawn, for the next flush to show.
    void drawn() { waiting.store(true, std::memory_order_release); }
    // Under hold(): everything drawn so far is on the screen (a repaint put it there).
    void shown() { waiting.store(false, std::memory_order_release); }

private:
    // Under the lock.
    void sendLocked();

    std::mutex lock;
    LineSink& sink;
    LineBatch batch;
    std::atomic<bool> waiting;
};
