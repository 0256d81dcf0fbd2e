#include "screen/pageclipboard.h"

#include "screen/pagepicture.h"

#include <cstring>
#include <vector>

namespace {

HGLOBAL globalCopy(const std::vector<unsigned char>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    return memory;
}

// Another program may hold the clipboard open for a moment.
bool openClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

} // namespace

bool copyPageToClipboard(HWND owner, const PagePicture& page) {
    std::vector<unsigned char> dib;
    if (!page.renderPackedDib(dib)) return false;
    HENHMETAFILE metafile = page.renderMetafile();
    if (!metafile) return false;
    HGLOBAL bitmap = globalCopy(dib);
    if (!bitmap || !openClipboard(owner)) {
        if (bitmap) GlobalFree(bitmap);
        DeleteEnhMetaFile(metafile);
        return false;
    }
    EmptyClipboard();
    // The clipboard owns what it took; what it refused is still ours.
    const bool metafileTaken = SetClipboardData(CF_ENHMETAFILE, metafile) != nullptr;
    const bool bitmapTaken = SetClipboardData(CF_DIB, bitmap) != nullptr;
    CloseClipboard();
    if (!metafileTaken) DeleteEnhMetaFile(metafile);
    if (!bitmapTaken) GlobalFree(bitmap);
    return metafileTaken && bitmapTaken;
}
