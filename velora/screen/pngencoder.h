// encodePng: 24-bit pixels encoded as a PNG file's bytes by the Windows Imaging Component, the
// encoder Windows itself has. The pixels keep their exact values.
#pragma once

#include <vector>

// `pixels`: rows from the top, blue-green-red, `stride` bytes apart. False when WIC fails.
bool encodePng(const std::vector<unsigned char>& pixels, int width, int height, int stride,
               std::vector<unsigned char>& png);
