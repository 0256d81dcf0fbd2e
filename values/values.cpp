// The property protocol: flag storage, the senders and the conversions of Values and Cast.
#include "values.h"

Cast& Cast::operator()(void* value) {
    carried = value;
    return *this;
}

template <class T> T Cast::read() const {
    if (!carried) return T(0);
    switch (tag) {
    case Type::Char:
        return static_cast<T>(*static_cast<char*>(carried));
    case Type::Short:
        return static_cast<T>(*static_cast<short*>(carried));
    case Type::Long:
        return static_cast<T>(*static_cast<long*>(carried));
    case Type::UnsignedChar:
        return static_cast<T>(*static_cast<unsigned char*>(carried));
    case Type::UnsignedShort:
        return static_cast<T>(*static_cast<unsigned short*>(carried));
    case Type::UnsignedInt:
        return static_cast<T>(*static_cast<unsigned int*>(carried));
    case Type::UnsignedLong:
        return static_cast<T>(*static_cast<unsigned long*>(carried));
    case Type::Float:
        return static_cast<T>(*static_cast<float*>(carried));
    case Type::Double:
        return static_cast<T>(*static_cast<double*>(carried));
    case Type::LongDouble:
        return static_cast<T>(*static_cast<long double*>(carried));
    case Type::Int:
    case Type::Pointer:
        break;
    }
    return static_cast<T>(*static_cast<int*>(carried));
}

Cast::operator int() const {
    return read<int>();
}
Cast::operator unsigned int() const {
    return read<unsigned int>();
}
Cast::operator long() const {
    return read<long>();
}
Cast::operator unsigned long() const {
    return read<unsigned long>();
}

void* Cast::operator()(int& member) {
    tag = Type::Int;
    return &member;
}

void* Cast::operator()(unsigned int& member) {
    tag = Type::UnsignedInt;
    return &member;
}

Values& Values::operator<<(Flag f) {
    flag = f.number;
    return *this;
}

Values& Values::operator<<(void* value) {
    return send(value, Type::Pointer);
}

Values& Values::send(void* value, Type type) {
    noteType(type);
    setValue(value);
    return *this;
}

void Values::setValue(void*) {}

void* Values::getValue() {
    return nullptr;
}

template <class T> T Values::readProperty() {
    noteType(Type::Pointer);
    (*this)(getValue());
    return read<T>();
}

Values::operator char() {
    return readProperty<char>();
}
Values::operator short() {
    return readProperty<short>();
}
Values::operator int() {
    return readProperty<int>();
}
Values::operator long() {
    return readProperty<long>();
}
Values::operator unsigned char() {
    return readProperty<unsigned char>();
}
Values::operator unsigned short() {
    return readProperty<unsigned short>();
}
Values::operator unsigned int() {
    return readProperty<unsigned int>();
}
Values::operator unsigned long() {
    return readProperty<unsigned long>();
}
Values::operator float() {
    return readProperty<float>();
}
Values::operator double() {
    return readProperty<double>();
}
Values::operator long double() {
    return readProperty<long double>();
}
Values::operator char*() {
    return static_cast<char*>(getValue());
}
Values::operator short*() {
    return static_cast<short*>(getValue());
}
Values::operator int*() {
    return static_cast<int*>(getValue());
}
Values::operator long*() {
    return static_cast<long*>(getValue());
}
Values::operator unsigned char*() {
    return static_cast<unsigned char*>(getValue());
}
Values::operator unsigned short*() {
    return static_cast<unsigned short*>(getValue());
}
Values::operator unsigned int*() {
    return static_cast<unsigned int*>(getValue());
}
Values::operator unsigned long*() {
    return static_cast<unsigned long*>(getValue());
}
Values::operator float*() {
    return static_cast<float*>(getValue());
}
Values::operator double*() {
    return static_cast<double*>(getValue());
}
Values::operator long double*() {
    return static_cast<long double*>(getValue());
}
