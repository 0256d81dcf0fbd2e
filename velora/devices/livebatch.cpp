#include "devices/livebatch.h"

LiveBatch::LiveBatch(LineSink& sink) : batch(sink), waiting(false) {}

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
    waiting.store(false, std::memory_order_release);
}

void LiveBatch::flush() {
    if (!pending()) return;
    std::lock_guard<std::mutex> guard(lock);
    sendLocked();
}

std::unique_lock<std::mutex> LiveBatch::hold() {
    std::unique_lock<std::mutex> guard(lock);
    sendLocked();
    return guard;
}

void LiveBatch::setPointsPerCall(int points) {
    std::lock_guard<std::mutex> guard(lock);
    batch.setPointsPerCall(points);
    waiting.store(false, std::memory_order_release);
}
