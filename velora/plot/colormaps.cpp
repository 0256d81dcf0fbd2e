#include "plot/colormaps.h"

#include "plot/axisscale.h"

#include <cmath>
#include <cstring>

namespace velora {

namespace {

// The entry of a value strictly between lo and hi (lo < v < hi). The halves cannot overflow
// where v - lo would, and give the same bits wherever it does not.
int entryBetween(double v, double lo, double hi) {
    const double share = (v * 0.5 - lo * 0.5) / (hi * 0.5 - lo * 0.5) * ColourMap::entries;
    // NaN (a bound that is not finite, or the log of a value <= 0) counts as the bottom.
    if (!(share >= 0.0)) return 0;
    if (share >= ColourMap::entries - 1) return ColourMap::entries - 1;
    return static_cast<int>(share);
}

int entryOf(double z, double zmin, double zmax, bool logScale) {
    if (!std::isfinite(z)) return -1;
    if (z <= zmin) return 0;
    if (z >= zmax) return ColourMap::entries - 1;
    if (!logScale) return entryBetween(z, zmin, zmax);
    // The library's own logarithm, so that every build puts a value into the same entry; it is
    // NaN for values <= 0, which go to the bottom.
    return entryBetween(decimalLog(z), decimalLog(zmin), decimalLog(zmax));
}

template <typename T>
bool entriesOf(const T* z, long long count, double zmin, double zmax, bool logScale,
               unsigned char* entries) {
    bool anyInvalid = false;
    for (long long k = 0; k < count; ++k) {
        const int entry = entryOf(z[k], zmin, zmax, logScale);
        anyInvalid |= entry < 0;
        entries[k] = static_cast<unsigned char>(entry < 0 ? 0 : entry);
    }
    return anyInvalid;
}

template <typename T> bool finiteRangeOf(const T* z, long long count, double& lo, double& hi) {
    if (!z) return false;
    bool found = false;
    double low = 0.0, high = 0.0;
    for (long long k = 0; k < count; ++k) {
        const double v = z[k];
        if (!std::isfinite(v)) continue;
        if (!found) {
            low = high = v;
            found = true;
        } else if (v < low) {
            low = v;
        } else if (v > high) {
            high = v;
        }
    }
    if (found) {
        lo = low;
        hi = high;
    }
    return found;
}

} // namespace

ColourMap::ColourMap(const unsigned char rgb[3 * entries]) {
    if (rgb)
        std::memcpy(table, rgb, sizeof table);
    else
        *this = ColourMap(MAP_VIRIDIS);
}

int ColourMap::index(double z, double zmin, double zmax, bool logScale) const {
    return entryOf(z, zmin, zmax, logScale);
}

bool ColourMap::indices(const float* z, long long count, double zmin, double zmax, bool logScale,
                        unsigned char* entries) const {
    return entriesOf(z, count, zmin, zmax, logScale, entries);
}

bool ColourMap::indices(const double* z, long long count, double zmin, double zmax, bool logScale,
                        unsigned char* entries) const {
    return entriesOf(z, count, zmin, zmax, logScale, entries);
}

COLOR ColourMap::colour(int index) const {
    const int k = index < 0 ? 0 : index >= entries ? entries - 1 : index;
    return rgb(table[3 * k], table[3 * k + 1], table[3 * k + 2]);
}

bool finiteRange(const float* z, long long count, double& lo, double& hi) {
    return finiteRangeOf(z, count, lo, hi);
}

bool finiteRange(const double* z, long long count, double& lo, double& hi) {
    return finiteRangeOf(z, count, lo, hi);
}

} // namespace velora
