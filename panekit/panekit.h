// The window class library in one header, and PaneKit: a plain threaded window with nothing added,
// for clients that want a window of their own.
//     PaneKit window;                                  // 640 x 480, class "WND_BASE_CLASS"
//     window << Values::Flag(6) << "Title";            // properties before open
//     window.open();                                   // returns once the window is shown
#pragma once

#include "bitmapwnd.h"
#include "button.h"
#include "dlgbase.h"
#include "edit.h"
#include "panekitapi.h"
#include "scrollbar.h"
#include "scrollstep.h"
#include "slider.h"
#include "static.h"
#include "wndbase.h"
#include "wndexclass.h"

class PANEKIT_API PaneKit : public WndBase {
public:
    PaneKit();
    ~PaneKit() override;
};
