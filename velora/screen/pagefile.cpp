#include "screen/pagefile.h"

#include "screen/pagepicture.h"
#include "screen/pngencoder.h"
#include "screen/savedfile.h"

#include <cstring>
#include <vector>

namespace {

bool endsWith(const char* name, const char* extension) {
    const std::size_t length = std::strlen(name), tail = std::strlen(extension);
    return length > tail && _stricmp(name + length - tail, extension) == 0;
}

bool metafileBytes(const PagePicture& page, std::vector<unsigned char>& bytes) {
    HENHMETAFILE metafile = page.renderMetafile();
    if (!metafile) return false;
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    bytes.resize(size);
    const bool copied = size > 0 && GetEnhMetaFileBits(metafile, size, bytes.data()) == size;
    DeleteEnhMetaFile(metafile);
    return copied;
}

bool pngBytes(const PagePicture& page, std::vector<unsigned char>& bytes) {
    std::vector<unsigned char> pixels;
    return page.renderPixels(pixels) &&
           encodePng(pixels, page.width(), page.height(), page.stride(), bytes);
}

} // namespace

PageFileType pageFileTypeOf(const char* name) {
    if (!name) return PageFileType::none;
    if (endsWith(name, ".png")) return PageFileType::png;
    if (endsWith(name, ".emf")) return PageFileType::emf;
    return PageFileType::none;
}

bool savePageFile(const char* name, const PagePicture& page) {
    std::vector<unsigned char> bytes;
    switch (pageFileTypeOf(name)) {
    case PageFileType::png:
        return pngBytes(page, bytes) && writeWholeFile(name, bytes);
    case PageFileType::emf:
        return metafileBytes(page, bytes) && writeWholeFile(name, bytes);
    case PageFileType::none:
        break;
    }
    return false;
}
