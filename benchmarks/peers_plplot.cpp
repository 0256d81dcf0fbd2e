#include "peers.h"

#ifdef VELORA_HAVE_PLPLOT
#include <plplot.h>
#endif

namespace peers {

double plplotPolyline(const std::vector<double>& x, const std::vector<double>& y,
                      const char* file) {
#ifdef VELORA_HAVE_PLPLOT
    const auto start = Clock::now();
    plsdev("psc");
    plsfnam(file);
    plinit();
    plenv(0.0, 133.33, 0.0, 100.0, 0, -2);
    plline(static_cast<PLINT>(x.size()), x.data(), y.data());
    plend();
    return secondsSince(start);
#else
    (void)x;
    (void)y;
    (void)file;
    return -1.0;
#endif
}

} // namespace peers
