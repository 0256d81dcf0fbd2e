#include "plot/axisticks.h"

#include <cmath>

namespace velora {

namespace {

// Halving or doubling the step more often than this cannot reach 5 to 10 intervals: the range
// spans more than the floats do.
constexpr int maxStepChanges = 300;

double intervals(float min, float max, float step) {
    return std::trunc((static_cast<double>(max) - min) / step);
}

} // namespace

void chooseTickStep(float& min, float& max, float& step) {
    const double e = std::floor(std::log10(static_cast<double>(max) - min) - 0.5);
    step = static_cast<float>(std::pow(10.0, e));
    min = static_cast<float>(std::floor(min / static_cast<double>(step)) * step);
    max = static_cast<float>(std::ceil(max / static_cast<double>(step)) * step);
    double n = intervals(min, max, step);
    // From a power of ten the steps run 10, 5, 2.5, 1, 0.5 ... downwards and 1, 2.5, 5, 10, 25
    // ... upwards; k counts the changes of both loops together.
    int k = 0;
    while (n < 5 && k < maxStepChanges) {
        step = static_cast<float>(step / 2.0);
        ++k;
        if (k % 3 == 0) step = static_cast<float>(step / 1.25);
        n = intervals(min, max, step);
    }
    for (int doublings = 0; n > 10 && doublings < maxStepChanges; ++doublings) {
        step = static_cast<float>(step * 2.0);
        ++k;
        if (k % 3 == 1) step = static_cast<float>(step * 1.25);
        n = intervals(min, max, step);
    }
    if (n * step + min < max) max = static_cast<float>((n + 1) * step + min);
}

int tickCount(float min, float max, float step) {
    int count = 0;
    const double limit = tickLimit(max, step);
    for (float v = min; v <= limit; v = nextTick(v, step)) {
        // A step too small to move v on, or one running away from the end, stops here too.
        if (++count > maxTicks) return -1;
    }
    return count;
}

} // namespace velora
