// Static: the system "STATIC" control (a text label) as a window of the library.
#pragma once

#include "panekitapi.h"
#include "wndexclass.h"

class PANEKIT_API Static : public WndExClass {
public:
    Static();
    ~Static() override;
};
