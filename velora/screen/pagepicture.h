// PagePicture: the whole page of a screen window drawn afresh from its display lists, as the
// window shows it (its pixel scale, pens and pictures; both halves of a double page), onto a
// bitmap in memory or onto an enhanced metafile. The clipboard and the saved files come from it.
#pragma once

#include "screen/mainframedata.h"

#include <windows.h>

class ReplayTarget;

#include <vector>

class PagePicture {
public:
    PagePicture(HWND window, MainFrameData& data);

    int width() const { return pageWidth; }
    int height() const { return pageHeight; }
    // Bytes per row of the pixels: three per pixel, padded to four.
    int stride() const { return (pageWidth * 3 + 3) & ~3; }

    // The page on white: 24-bit blue-green-red rows from the top. False when there is no page
    // (no client area) or no memory for it.
    bool renderPixels(std::vector<unsigned char>& pixels) const;
    // The same rows as a packed device-independent bitmap (info header, then rows from the
    // bottom), the form of the clipboard.
    bool renderPackedDib(std::vector<unsigned char>& dib) const;
    // The page as an enhanced metafile in memory, the caller's to delete; null on failure. Its
    // coordinates are the window's pixels, its size that of the EPS page (4 points per unit), so
    // it plays back at the window's size exactly and pastes at the size of the printed page.
    HENHMETAFILE renderMetafile() const;

private:
    void replay(ReplayTarget& target) const;

    HWND window;
    MainFrameData& data;
    int pageWidth;
    int pageHeight;
    int scroll; // the replay's vertical offset: the upper half of a double page comes first
};
