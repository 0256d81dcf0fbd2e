// strings: one owned, zero-terminated text, as the EPS import keeps its words and its
// abbreviations. Empty until the first text is given.
#pragma once

#include "common/api.h"

class VELORA_API strings {
public:
    strings() : text(nullptr) {}
    ~strings();
    strings(const strings&) = delete;
    strings& operator=(const strings&) = delete;

    // Replaces the text by a copy of s (null counts as the empty text); the old text is cleared
    // before its memory is given back.
    strings& operator<<(const char* s);
    // The text, or null before the first one was given.
    operator char*() { return text; }

private:
    char* text;
};
