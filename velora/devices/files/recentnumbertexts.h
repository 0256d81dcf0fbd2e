// RecentNumberTexts: the "%g" texts of the two values formatted last. A writer that alternates
// between a few values (the text's pen width and the plain one, character after character)
// formats each once instead of at every change.
#pragma once

#include "common/numberformat.h"

#include <cstdint>
#include <cstring>

namespace velora {

class RecentNumberTexts {
public:
    // The text of `value` in the "%g" form with 6 significant digits; `length` receives its size.
    // Valid until the next call.
    const char* text(float value, std::size_t& length) {
        // Compared by bits, as 0 and -0 are written differently.
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 2; ++i)
            if (entries[i].length != 0 && entries[i].bits == bits) {
                oldest = i ^ 1;
                length = entries[i].length;
                return entries[i].text;
            }
        Entry& entry = entries[oldest];
        oldest ^= 1;
        entry.bits = bits;
        entry.length = static_cast<unsigned char>(formatG(entry.text, value) - entry.text);
        length = entry.length;
        return entry.text;
    }

private:
    struct Entry {
        std::uint32_t bits = 0;
        unsigned char length = 0;
        char text[numberTextCapacity];
    };
    Entry entries[2];
    int oldest = 0;
};

} // namespace velora
