// Values: the flag/value property protocol. A property is written as
//     object << Values::Flag(n) << value;
// and read by converting object << Values::Flag(n) to a scalar. Each class says in setValue and
// getValue what its flags mean; flags no class handles end here and are ignored (reads give 0).
#pragma once

#include "cast.h"
#include "valuesapi.h"

class VALUES_API Values : public virtual Cast {
public:
    class Flag {
    public:
        explicit Flag(int number) : number(number) {}
        int number;
    };

    Values() = default;
    virtual ~Values() = default;

    Values& operator<<(Flag f);
    // Passes the pointer itself (strings, handles, addresses of records) to setValue.
    Values& operator<<(void* value);
    Values& operator<<(const char* text) {
        return *this << static_cast<void*>(const_cast<char*>(text));
    }
    // Typed senders: note the type, then pass the address of the value.
    Values& operator<<(int value) { return send(&value, Type::Int); }
    Values& operator<<(unsigned int value) { return send(&value, Type::UnsignedInt); }
    Values& operator<<(long value) { return send(&value, Type::Long); }
    Values& operator<<(unsigned long value) { return send(&value, Type::UnsignedLong); }

    // Reading a property: each conversion asks getValue under the stored flag.
    virtual operator char();
    virtual operator short();
    virtual operator int();
    virtual operator long();
    virtual operator unsigned char();
    virtual operator unsigned short();
    virtual operator unsigned int();
    virtual operator unsigned long();
    virtual operator float();
    virtual operator double();
    virtual operator long double();
    virtual operator char*();
    virtual operator short*();
    virtual operator int*();
    virtual operator long*();
    virtual operator unsigned char*();
    virtual operator unsigned short*();
    virtual operator unsigned int*();
    virtual operator unsigned long*();
    virtual operator float*();
    virtual operator double*();
    virtual operator long double*();

protected:
    // The value arrives as a pointer; scalars are read through Cast.
    virtual void setValue(void* value);
    // The address of the property under `flag`, its type noted through Cast; 0 for none.
    virtual void* getValue();

    // The flag of the property being written or read.
    int flag = 0;

private:
    Values& send(void* value, Type type);
    // getValue under the stored flag, converted.
    template <class T> T readProperty();
};
