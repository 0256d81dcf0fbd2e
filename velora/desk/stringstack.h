// StringStack: a bounded stack of words, the operand stack of the EPS import. A push onto a full
// stack is reported and dropped, so a runaway file cannot grow it.
#pragma once

#include "common/api.h"
#include "desk/strings.h"

#include <cstddef>

class VELORA_API StringStack {
public:
    explicit StringStack(unsigned n = 1000);
    ~StringStack();
    StringStack(const StringStack&) = delete;
    StringStack& operator=(const StringStack&) = delete;

    // Push; on a full stack the word is dropped with an overflow message on standard output.
    StringStack& operator<<(const char* s);
    // Pop into `out`, which must hold the top word: 0 on an empty stack (out unchanged), else 1.
    int operator>>(char* out);
    // Pop into a buffer of `size` bytes; a longer word is cut to fit. 0 on an empty stack.
    int pop(char* out, std::size_t size);
    // The top word, or null on an empty stack.
    operator char*();
    unsigned getnMax() const { return count; }

private:
    // Takes the top word off the stack and gives its text (valid until the next push).
    const char* takeTop();

    unsigned capacity;
    unsigned count;
    strings* items;
};
