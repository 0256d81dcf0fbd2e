// The position a scroll bar request asks for, shared by the windows that scroll themselves.
#pragma once

#include "panekitapi.h"

#include <windows.h>

// Moves `bar.nPos` as `request` (the low word of a WM_HSCROLL/WM_VSCROLL wParam) asks: a line is
// one unit, a page the bar's page, the thumb its track position. Returns false, leaving the
// position, for every other request. The caller writes the position back; the bar clamps it.
PANEKIT_API bool stepScrollPos(SCROLLINFO& bar, UINT request);
