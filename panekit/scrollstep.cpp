#include "scrollstep.h"

bool stepScrollPos(SCROLLINFO& bar, UINT request) {
    switch (request) {
    case SB_LINEUP:
        bar.nPos -= 1;
        return true;
    case SB_LINEDOWN:
        bar.nPos += 1;
        return true;
    case SB_PAGEUP:
        bar.nPos -= static_cast<int>(bar.nPage);
        return true;
    case SB_PAGEDOWN:
        bar.nPos += static_cast<int>(bar.nPage);
        return true;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        bar.nPos = bar.nTrackPos;
        return true;
    }
    return false;
}
