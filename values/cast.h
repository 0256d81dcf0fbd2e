// Cast: the value carrier of the property protocol. A sender notes the type of the value it
// passes; a receiver converts the received pointer to the scalar it wants, whatever was sent.
#pragma once

#include "valuesapi.h"

class VALUES_API Cast {
public:
    // Type tags; 3, 4 and 8 are the ones the typed senders of the window classes write.
    enum class Type {
        Pointer = 0, // untyped: read as int when converted
        Char = 1,
        Short = 2,
        Int = 3,
        Long = 4,
        UnsignedChar = 5,
        UnsignedShort = 6,
        UnsignedInt = 7,
        UnsignedLong = 8,
        Float = 9,
        Double = 10,
        LongDouble = 11
    };

    Cast() = default;
    virtual ~Cast() = default;

    // Receiving side: remembers the pointer; the conversions below then read what it points to,
    // as the noted type, converted to the wanted one. A null pointer reads as 0.
    Cast& operator()(void* value);
    operator int() const;
    operator unsigned int() const;
    operator long() const;
    operator unsigned long() const;

    // Answering side: notes the type of the member whose address is handed back.
    void* operator()(int& member);
    void* operator()(unsigned int& member);

protected:
    void noteType(Type type) { tag = type; }
    Type notedType() const { return tag; }

    // Reads the carried value as the noted type and converts it to T.
    template <class T> T read() const;

private:
    void* carried = nullptr;
    Type tag = Type::Pointer;
};
