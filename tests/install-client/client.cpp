// Draws one line through the installed library.
#include <velora.h>

int main() {
    char name[] = "client";
    deviceselect devices(nullptr);
    devices.in(EPS, name, nullptr);
    devices.pa(10, 10);
    devices.pd();
    devices.pa(20, 20);
    devices.cl();
    return 0;
}
