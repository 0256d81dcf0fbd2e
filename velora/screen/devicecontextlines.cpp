#include "screen/devicecontextlines.h"

#include <cstddef>

static_assert(sizeof(LinePoint) == sizeof(POINT) && offsetof(LinePoint, y) == offsetof(POINT, y),
              "a batch's points go to GDI as they are");
static_assert(sizeof(unsigned long) == sizeof(DWORD), "a batch's counts go to GDI as they are");

void DeviceContextLines::polylines(const LinePoint* points, const unsigned long* counts,
                                   int lines) {
    if (dc && lines > 0)
        PolyPolyline(dc, reinterpret_cast<const POINT*>(points),
                     reinterpret_cast<const DWORD*>(counts), static_cast<DWORD>(lines));
}
