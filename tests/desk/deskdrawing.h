// Shared by the desk tests: a figure drawn on a desk opened on EPS and PLT at once, read back
// from both files, each of which must also satisfy Ghostscript and hp2xx.
#pragma once

#include "desk/desk.h"

#include <functional>
#include <string>

namespace desk_test {

struct Drawing {
    std::string eps; // the EPS body between prologue and trailer
    std::string plt; // the HPGL lines after the opening pen and width
};

// Opens a desk on `name` with the given devices (EPS | PLT and possibly DOUBLESIZE), lets `figure`
// draw, closes the desk and returns what the files hold.
Drawing drawOn(const char* name, const std::function<void(desk&)>& figure, int devices = EPS | PLT);

} // namespace desk_test
