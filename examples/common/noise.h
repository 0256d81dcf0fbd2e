// The examples' measurement noise: a small linear congruential generator, the same noise in
// every run and every build.
#pragma once

namespace velora_examples {

class Noise {
public:
    explicit Noise(unsigned int seed) : state(seed) {}
    // Uniform in [-1, 1).
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 8388608.0 - 1.0;
    }

private:
    unsigned int state;
};

} // namespace velora_examples
