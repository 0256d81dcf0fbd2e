// The text label: the system class under the library's default window procedure.
#include "static.h"

Static::Static() {
    *this << Flag(5) << "STATIC";
}

Static::~Static() {
    wait();
}
