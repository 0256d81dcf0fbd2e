// LiveBatch: the screen's live drawing in batches, shared by two threads. The client's thread
// adds lines as it draws; the window's thread sends what waits when the client has paused for a
// frame and whenever it handles a message (a handshake, a repaint). One lock guards the batch and
// the window's device context behind the sink, the only things both threads touch: the client
// holds it for every other drawing on that context too, so the window's thread never sends a
// batch in the middle of one. Uncontended it costs a few nanoseconds a line; the repaint itself
// draws on its own paint context and takes no lock.
#pragma once

#include "common/api.h"
#include "devices/linebatch.h"

#include <atomic>
#include <mutex>

class VELORA_API LiveBatch {
public:
    explicit LiveBatch(LineSink& sink);
    LiveBatch(const LiveBatch&) = delete;
    LiveBatch& operator=(const LiveBatch&) = delete;

    void moveTo(int x, int y);
    void lineTo(int x, int y);

    // Sends what waits, then limits the points of one call (see LineBatch).
    void setPointsPerCall(int points);

    // True when lines wait to be sent; a cheap look without the lock.
    bool pending() const { return waiting.load(std::memory_order_acquire); }
    // Sends what waits.
    void flush();

    // Sends what waits and keeps the lock (and with it the device context) until the guard goes:
    // for drawing anything else, and for the repaint.
    std::unique_lock<std::mutex> hold();

private:
    // Under the lock.
    void sendLocked();

    std::mutex lock;
    LineBatch batch;
    std::atomic<bool> waiting;
};
