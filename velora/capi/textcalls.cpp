// The text renderer's calls of the C interface.
#include "capi/boundary.h"

#include "text/fontclass.h"

using velora::capi::DeskState;
using velora::capi::guarded;
using velora::capi::openDesk;
using velora::capi::Refusal;
using velora::capi::requireArray;
using velora::capi::requireText;
using velora::capi::stateOf;

namespace {

template <class Work> int onText(velora_text* t, Work&& work) {
    DeskState* state = stateOf(t);
    return guarded(state, [&] {
        if (!state || !t->renderer)
            throw Refusal{VELORA_INVALID,
                          "Velora: no renderer (a null handle, or one of another kind)"};
        if (state->freed || !state->open)
            throw Refusal{VELORA_CLOSED, "Velora: the renderer's desk is not open"};
        work(*t->renderer);
    });
}

} // namespace

extern "C" {

velora_text* VELORA_CALL velora_text_new(velora_desk* d) {
    velora_text* made = nullptr;
    guarded(stateOf(d), [&] {
        DeskState& state = openDesk(d);
        auto text = std::make_unique<velora_text>();
        text->state = d->state;
        text->renderer = std::make_unique<fontclass>(state.page);
        made = text.release();
    });
    return made;
}

int VELORA_CALL velora_text_free(velora_text* t) {
    if (!t) return VELORA_OK;
    if (!stateOf(t)) return onText(t, [](fontclass&) {});
    delete t;
    return VELORA_OK;
}

int VELORA_CALL velora_text_hwrite(velora_text* t, float x, float y, const char* text, int colour,
                                   int font, float size, float halign, float valign) {
    return onText(t, [&](fontclass& renderer) {
        requireText(text);
        renderer.hwrite(x, y, text, colour, font, size, halign, valign);
    });
}

int VELORA_CALL velora_text_vwrite(velora_text* t, float x, float y, const char* text, int colour,
                                   int font, float size, float halign, float valign) {
    return onText(t, [&](fontclass& renderer) {
        requireText(text);
        renderer.vwrite(x, y, text, colour, font, size, halign, valign);
    });
}

int VELORA_CALL velora_text_getlength(velora_text* t, const char* text, int font, float size,
                                      float* length) {
    return onText(t, [&](fontclass& renderer) {
        requireText(text);
        requireArray(length, 1);
        *length = renderer.getlength(text, font, size);
    });
}

} // extern "C"
