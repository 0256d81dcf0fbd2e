#include "devices/raster/livebatch.h"

LiveBatch::LiveBatch(LineSink& sink) : sink(sink), batch(sink), waiting(false) {}

void LiveBatch::moveTo(int x, int y) {
    std::lock_guard<std::mutex> guard(lock);
    batch.moveTo(x, y);
}

void LiveBatch::lineTo(int x, int y) {
    std::lock_guard<std::mutex> guard(lock);
    batch.lineTo(x, y);
    if (!waiting.load(std::memory_order_relaxed)) waiting.store(true, std::memory_order_release);
}

void LiveBatch::sendLocked() {
    if (!batch.empty()) batch.flush();
}

void LiveBatch::flush() {
    if (!pending()) return;
    std::lock_guard<std::mutex> guard(lock);
    sendLocked();
    sink.present();
    waiting.store(false, std::memory_order_release);
}

std::unique_lock<std::mutex> LiveBatch::hold() {
    std::unique_lock<std::mutex> guard(lock);
    sendLocked();
    return guard;
}
