// The desk's calls of the C interface.
#include "capi/boundary.h"

#include "common/colour.h"
#include "image/bitmap.h"

#include <cstring>
#include <string>

using velora::capi::anyDesk;
using velora::capi::DeskState;
using velora::capi::guarded;
using velora::capi::openDesk;
using velora::capi::Refusal;
using velora::capi::requireArray;
using velora::capi::requireText;
using velora::capi::stateOf;

namespace {

// Runs a drawing call on an open desk.
template <class Work> int drawing(velora_desk* d, Work&& work) {
    return guarded(stateOf(d), [&] { work(openDesk(d).page); });
}

// Runs a call that a desk takes open or closed.
template <class Work> int setting(velora_desk* d, Work&& work) {
    return guarded(stateOf(d), [&] { work(anyDesk(d).page); });
}

constexpr int fileDevices = EPS | PLT | PDF | SVG;

void closeDesk(DeskState& state) {
    if (!state.open) return;
    state.open = false;
    // A device that fails as it finishes its file ends the call; the devices after it are then
    // finished by the next close, or by the desk's end.
    state.page.close();
    state.pictures.clear();
    if (state.hasFiles && velora::capi::endsSoFar() - state.endsAtOpen != state.ownEnds)
        throw Refusal{VELORA_FAILED,
                      "Velora: the files of this desk were removed when a call on another desk "
                      "ended"};
}

} // namespace

extern "C" {

int VELORA_CALL velora_rgb(int r, int g, int b) {
    return velora::rgb(r, g, b);
}

int VELORA_CALL velora_seriescolor(int i) {
    return velora::seriescolor(i);
}

velora_desk* VELORA_CALL velora_desk_new(void) {
    velora_desk* d = nullptr;
    guarded(nullptr, [&] {
        auto made = std::make_unique<velora_desk>();
        made->state = std::make_shared<DeskState>();
        d = made.release();
    });
    return d;
}

int VELORA_CALL velora_desk_free(velora_desk* d) {
    if (!d) return VELORA_OK;
    DeskState* state = stateOf(d);
    if (!state) return guarded(nullptr, [&] { anyDesk(d); });
    const int status = guarded(state, [&] { closeDesk(*state); });
    // Whatever close left unfinished was removed with the end; the desk itself goes when its
    // last box and renderer go.
    state->open = false;
    state->freed = true;
    delete d;
    return status;
}

int VELORA_CALL velora_desk_open(velora_desk* d, int devices, const char* name) {
    return guarded(stateOf(d), [&] {
        DeskState& state = anyDesk(d);
        requireText(name);
        if (state.open) throw Refusal{VELORA_INVALID, "Velora: the desk is open already"};
        state.endsAtOpen = velora::capi::endsSoFar();
        state.ownEnds = 0;
        state.hasFiles = (devices & fileDevices) != 0;
        state.open = true;
        state.page.open(devices, name);
    });
}

int VELORA_CALL velora_desk_close(velora_desk* d) {
    return guarded(stateOf(d), [&] { closeDesk(anyDesk(d)); });
}

int VELORA_CALL velora_desk_setcolor(velora_desk* d, int colour) {
    return setting(d, [&](desk& page) { page.setcolor(colour); });
}

int VELORA_CALL velora_desk_setpenwidth(velora_desk* d, float width) {
    return setting(d, [&](desk& page) { page.setpenwidth(width); });
}

int VELORA_CALL velora_desk_getpenwidth(velora_desk* d, float* width) {
    return setting(d, [&](desk& page) {
        requireArray(width, 1);
        *width = page.getpenwidth();
    });
}

int VELORA_CALL velora_desk_setfontpath(velora_desk* d, const char* dir) {
    return setting(d, [&](desk& page) {
        requireText(dir);
        page.setfontpath(dir);
    });
}

int VELORA_CALL velora_desk_move(velora_desk* d, float x, float y) {
    return drawing(d, [&](desk& page) { page.move(x, y); });
}

int VELORA_CALL velora_desk_draw(velora_desk* d, float x, float y, int colour) {
    return drawing(d, [&](desk& page) { page.draw(x, y, colour); });
}

int VELORA_CALL velora_desk_pset(velora_desk* d, float x, float y, int colour) {
    return drawing(d, [&](desk& page) { page.pset(x, y, colour); });
}

int VELORA_CALL velora_desk_line(velora_desk* d, float x1, float y1, float x2, float y2,
                                 int colour) {
    return drawing(d, [&](desk& page) { page.line(x1, y1, x2, y2, colour); });
}

int VELORA_CALL velora_desk_rec(velora_desk* d, float x1, float y1, float x2, float y2,
                                int colour) {
    return drawing(d, [&](desk& page) { page.rec(x1, y1, x2, y2, colour); });
}

int VELORA_CALL velora_desk_vector(velora_desk* d, float x1, float y1, float x2, float y2,
                                   int colour, float size) {
    return drawing(d, [&](desk& page) { page.vector(x1, y1, x2, y2, colour, size); });
}

int VELORA_CALL velora_desk_fill(velora_desk* d, const float* x, const float* y, int n,
                                 int colour) {
    return drawing(d, [&](desk& page) {
        requireArray(x, n);
        requireArray(y, n);
        page.fill(x, y, n, colour);
    });
}

int VELORA_CALL velora_desk_setfillopacity(velora_desk* d, float opacity) {
    return setting(d, [&](desk& page) { page.setfillopacity(opacity); });
}

int VELORA_CALL velora_desk_setviewport(velora_desk* d, float x1, float y1, float x2, float y2) {
    return setting(d, [&](desk& page) { page.setviewport(x1, y1, x2, y2); });
}

int VELORA_CALL velora_desk_resetviewport(velora_desk* d) {
    return setting(d, [&](desk& page) { page.resetviewport(); });
}

int VELORA_CALL velora_desk_clearviewport(velora_desk* d, int flag) {
    return drawing(d, [&](desk& page) {
        if (flag < CLEAR_AND_EMPTY || flag > CUT_TO_VIEWPORT)
            throw Refusal{VELORA_INVALID, "Velora: a clear flag is 0, 1 or 2"};
        page.clearviewport(static_cast<ClearFlag>(flag));
    });
}

int VELORA_CALL velora_desk_frameviewport(velora_desk* d, int colour) {
    return drawing(d, [&](desk& page) { page.frameviewport(colour); });
}

int VELORA_CALL velora_desk_showbmp(velora_desk* d, float x1, float y1, float x2, float y2,
                                    const char* file) {
    return drawing(d, [&](desk& page) {
        requireText(file);
        page.showbmp(x1, y1, x2, y2, file);
    });
}

int VELORA_CALL velora_desk_putbmp_8(velora_desk* d, float x1, float y1, float x2, float y2,
                                     const unsigned char* pixels, int width, int height,
                                     const unsigned char* palette) {
    return drawing(d, [&](desk& page) {
        if (width <= 0 || height <= 0 || width % 8 != 0 || !pixels)
            throw Refusal{VELORA_INVALID,
                          "Velora: a picture has pixels, a width of a multiple of 8 and a height"};
        auto picture = std::make_unique<bitmap>(width, height);
        for (int row = 0; row < height; ++row)
            std::memcpy((*picture)[row], pixels + static_cast<long long>(width) * row,
                        static_cast<std::size_t>(width));
        if (palette) {
            // The palette of a BMP file: blue, green, red and a zero byte an entry.
            unsigned char* entries = picture->GetInfoHeader() + 40;
            for (int i = 0; i < 256; ++i) {
                entries[4 * i] = palette[3 * i + 2];
                entries[4 * i + 1] = palette[3 * i + 1];
                entries[4 * i + 2] = palette[3 * i];
                entries[4 * i + 3] = 0;
            }
            picture->setcolourpalette(true);
        }
        page.putbmp(x1, y1, x2, y2, *picture);
        page.keeppicture(std::move(picture));
    });
}

int VELORA_CALL velora_desk_putbmp_24(velora_desk* d, float x1, float y1, float x2, float y2,
                                      const unsigned char* pixels, int width, int height) {
    return drawing(d, [&](desk& page) {
        // Its sides are 16-bit values.
        if (width <= 0 || height <= 0 || width % 8 != 0 || width > 32760 || height > 32767 ||
            !pixels)
            throw Refusal{VELORA_INVALID,
                          "Velora: a picture has pixels, a width of a multiple of 8 and a height"};
        auto picture = std::make_unique<bitmap24>(width, height);
        for (int row = 0; row < height; ++row) {
            const unsigned char* from = pixels + 3LL * width * row;
            unsigned char* to = (*picture)(static_cast<short>(row), 0);
            // A BMP row holds blue, green, red.
            for (int column = 0; column < width; ++column) {
                to[3 * column] = from[3 * column + 2];
                to[3 * column + 1] = from[3 * column + 1];
                to[3 * column + 2] = from[3 * column];
            }
        }
        page.putbmp(x1, y1, x2, y2, *picture);
        openDesk(d).pictures.push_back(std::move(picture));
    });
}

int VELORA_CALL velora_desk_showeps(velora_desk* d, const char* file) {
    return drawing(d, [&](desk& page) {
        requireText(file);
        page.showeps(file);
    });
}

int VELORA_CALL velora_desk_copyscreen(velora_desk* d) {
    return drawing(d, [&](desk& page) {
        if (!page.copyscreen()) throw Refusal{VELORA_FAILED, "Velora: no screen page to copy"};
    });
}

int VELORA_CALL velora_desk_savescreen(velora_desk* d, const char* file) {
    return drawing(d, [&](desk& page) {
        requireText(file);
        if (!page.savescreen(file))
            throw Refusal{VELORA_FAILED,
                          "Velora: the screen's page could not be saved (no screen, or the file "
                          "cannot be written)"};
    });
}

} // extern "C"
