// The main frame's part in live drawing: what waits in the screen device's batch is put on the
// screen by the window's thread at the latest a timer tick after the client's last command, at
// every message, and before every repaint; any thread may ask for it too.
#include "screen/mainframe.h"

#include "devices/raster/livebatch.h"

void MainFrame::flushLive(MainFrameData& d) {
    if (!d.live || !d.live->pending()) return;
    d.live->flush();
    GdiFlush();
}

void MainFrame::flushLive() {
    flushLive(data);
}
