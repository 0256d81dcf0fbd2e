// copyPageToClipboard: the page on the clipboard in two forms at once, an enhanced metafile
// (lines stay sharp when Word or PowerPoint scale it) and a device-independent bitmap (which
// every program takes). What was on the clipboard before is replaced.
#pragma once

#include <windows.h>

class PagePicture;

// True when both forms are on the clipboard; `owner` becomes the clipboard's owner.
bool copyPageToClipboard(HWND owner, const PagePicture& page);
