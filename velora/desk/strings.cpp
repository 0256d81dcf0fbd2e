#include "desk/strings.h"

#include <cstring>

strings::~strings() {
    delete[] text;
}

strings& strings::operator<<(const char* s) {
    if (!s) s = "";
    // The copy is made first, so that a text given from this object itself survives.
    const std::size_t length = std::strlen(s);
    char* fresh = new char[length + 1];
    std::memcpy(fresh, s, length + 1);
    if (text) {
        std::memset(text, 0, std::strlen(text));
        delete[] text;
    }
    text = fresh;
    return *this;
}
