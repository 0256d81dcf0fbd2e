// The demo: one drawing written through the device selector. Lines in every colour and
// several pen widths, and an 8-bit and a 24-bit image placed on the page.
#include <velora.h>

#include <cmath>

namespace {

void drawColourFan(deviceselect& devices) {
    for (int colour = 0; colour < 16; ++colour) {
        const float angle = 3.14159265f * static_cast<float>(colour) / 30.0f;
        devices.sp(colour);
        devices.pw(0.2f + 0.15f * static_cast<float>(colour % 8));
        devices.np();
        devices.pu();
        devices.pa(10.0f, 10.0f);
        devices.pd();
        devices.pa(10.0f + 80.0f * std::cos(angle), 10.0f + 80.0f * std::sin(angle));
        devices.st();
    }
}

void drawWave(deviceselect& devices) {
    devices.sp(3);
    devices.pw(0.6f);
    devices.np();
    devices.pu();
    for (int i = 0; i <= 200; ++i) {
        const float x = 10.0f + 110.0f * static_cast<float>(i) / 200.0f;
        devices.pa(x, 85.0f + 8.0f * std::sin(x / 4.0f));
        devices.pd();
    }
    devices.st();
    devices.pu();
}

void placeImages(deviceselect& devices) {
    bitmap grey(64, 64);
    for (int row = 0; row < 64; ++row)
        for (int x = 0; x < 64; ++x)
            grey[row][x] = static_cast<unsigned char>((x * 4) ^ (row * 4));
    devices.pb(90.0f, 45.0f, 120.0f, 75.0f, grey);

    bitmap24 colour(64, 64);
    for (short row = 0; row < 64; ++row)
        for (short x = 0; x < 64; ++x) {
            unsigned char* pixel = colour(row, x);
            pixel[0] = static_cast<unsigned char>(row * 4); // blue rises upwards
            pixel[1] = 96;
            pixel[2] = static_cast<unsigned char>(x * 4); // red rises to the right
        }
    devices.pb(90.0f, 10.0f, 120.0f, 40.0f, colour);
}

} // namespace

int main(int argc, char** argv) {
    char defaultName[] = "demo";
    char* name = argc > 1 ? argv[1] : defaultName;
    deviceselect devices(nullptr);
    devices.in(EPS | PLT, name, nullptr);
    drawColourFan(devices);
    drawWave(devices);
    placeImages(devices);
    devices.cl();
    return 0;
}
