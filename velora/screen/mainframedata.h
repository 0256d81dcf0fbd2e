// MainFrameData: what a screen window shares between its own thread (repaints, prints, the zoom
// lens, the mouse) and the client's thread (live drawing through the screen device).
#pragma once

#include "devices/displaylist/numberedlist.h"

#include <windows.h>

class PenStack;
class LiveBatch;
class PageBuffer;
class PlotPuffer;
class PointWnd;
class MessageWnd;

struct MainFrameData {
    PenStack* pens;                    // the window's pen list
    PlotPuffer* currentPuffer;         // the layer that receives new records
    NumberedList<PlotPuffer>* layers;  // all layers
    NumberedList<PointWnd>* pointWnds; // all point windows, the last one a spare
    float xscale;                      // pixels per virtual unit across: client width / 1279
    float yscale;                      // pixels per virtual unit down: client height / 959
    float listScale;                   // display-list units per virtual unit
    int penExtra;                      // pixels added to every pen, at 96 DPI
    float penScale;                    // the monitor's DPI / 96: every pen's pixels times this
    bool smooth;                       // lines antialiased on the page and the lens (SMOOTH)
    SCROLLINFO scrollInfo;             // the vertical scroll bar of a double-height page
    int* penTablePtr;                  // the screen device's pen table
    MessageWnd* deskMsgWnd;            // mouse position in desk units
    MessageWnd* tupelMsgWnd;           // mouse position in a point window's units
    char* titleText;                   // the window title, 1000 bytes
    // Kept for each window, so that two windows never disturb each other's clicks or scrolling.
    int lastScrollPos; // nPos at the last repaint or scroll
    int ignoreClick;   // 1: the next click only activated the window
    // The screen device's live drawing and the page buffer it draws into, handed over by its
    // message: the window's thread shows what waits, and holds the batch's lock while it draws
    // the page afresh. Null on a frame without them.
    LiveBatch* live;
    PageBuffer* page;
};
