#include "desk/stringstack.h"

#include <cstring>
#include <iostream>

StringStack::StringStack(unsigned n) : capacity(n), count(0), items(new strings[n]) {}

StringStack::~StringStack() {
    delete[] items;
    capacity = 0;
}

StringStack& StringStack::operator<<(const char* s) {
    if (count == capacity) {
        std::cout << "# StringStack::error : overflow ! ( StackSize : " << capacity << " )"
                  << std::endl;
        return *this;
    }
    items[count++] << s;
    return *this;
}

const char* StringStack::takeTop() {
    --count;
    const char* top = items[count];
    return top ? top : "";
}

int StringStack::operator>>(char* out) {
    if (count == 0) return 0;
    const char* top = takeTop();
    std::memcpy(out, top, std::strlen(top) + 1);
    // The slot keeps a blank, as a popped word leaves it.
    items[count] << " ";
    return 1;
}

int StringStack::pop(char* out, std::size_t size) {
    if (count == 0) return 0;
    const char* top = takeTop();
    if (size > 0) {
        std::size_t length = std::strlen(top);
        if (length >= size) length = size - 1;
        std::memcpy(out, top, length);
        out[length] = '\0';
    }
    items[count] << " ";
    return 1;
}

StringStack::operator char*() {
    return count ? static_cast<char*>(items[count - 1]) : nullptr;
}
