// ColourMap: the 256 colours a colour map of a 2D array paints its cells with, and the mapping of
// a data value onto them; finiteRange: the range such a map spans by default.
#pragma once

#include "common/api.h"
#include "common/colour.h"

// The published maps. Viridis, magma and cividis grow steadily lighter, so they read in grey too;
// coolwarm diverges from a neutral middle; turbo is a rainbow for telling levels apart.
enum COLORMAPS { MAP_VIRIDIS, MAP_MAGMA, MAP_CIVIDIS, MAP_GREY, MAP_COOLWARM, MAP_TURBO };

namespace velora {

class VELORA_API ColourMap {
public:
    static constexpr int entries = 256;

    // A value outside the enumeration takes viridis, the map a reader expects when none is said.
    explicit ColourMap(COLORMAPS map);
    // A client's table of 256 red, green, blue triples; a null table takes viridis.
    explicit ColourMap(const unsigned char rgb[3 * entries]);

    // The entry of z: zmin and below 0, zmax and above 255, and the 256 equal shares between
    // them in order. A log scale divides the decades instead and puts every value <= 0 at 0; it
    // needs zmin > 0. -1 for a z that is not finite, which paints no cell.
    int index(double z, double zmin, double zmax, bool logScale) const;

    // The entries of z[0 ... count-1] as index() gives them, with 0 for a value that is not
    // finite; true when there was such a value. A map of many cells is worked out in one call.
    bool indices(const float* z, long long count, double zmin, double zmax, bool logScale,
                 unsigned char* entries) const;
    bool indices(const double* z, long long count, double zmin, double zmax, bool logScale,
                 unsigned char* entries) const;

    // The true colour of an entry; an index outside 0 ... 255 is held to the nearer end.
    COLOR colour(int index) const;

    // The 768 bytes red, green, blue of entries 0 ... 255, as a picture's palette wants them.
    const unsigned char* rgbTriples() const { return table; }

private:
    unsigned char table[3 * entries];
};

// The smallest and the largest finite value of z[0 ... count-1]. False, leaving lo and hi as they
// were, when there is none (count <= 0 or a null z included).
VELORA_API bool finiteRange(const float* z, long long count, double& lo, double& hi);
VELORA_API bool finiteRange(const double* z, long long count, double& lo, double& hi);

} // namespace velora
