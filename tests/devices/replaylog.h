// A replay target that writes down what it is asked to draw, one line per call, so that a test
// compares a whole replay with the text it expects.
#pragma once

#include "devices/displaylist/replaytarget.h"

#include <cstdio>
#include <string>

class ReplayLog : public ReplayTarget {
public:
    void moveTo(int x, int y) override { add("M %d %d", x, y); }
    void lineTo(int x, int y) override { add("L %d %d", x, y); }
    void selectPen(unsigned colour, unsigned width) override { add("P %u %u", colour, width); }
    void drawImage(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* info) override {
        add("I %d %d %d %d %d %d", left, top, width, height, columns, rows);
        imagePixels = pixels;
        imageInfo = info;
    }
    void drawFile(const char* name, int left, int top, int width, int height) override {
        text += std::string("F ") + name;
        add(" %d %d %d %d", left, top, width, height);
    }

    void fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                     unsigned alpha) override {
        char line[48];
        std::snprintf(line, sizeof line, "A %x %u", colour, alpha);
        text += line;
        for (unsigned long i = 0; i < count; ++i) {
            std::snprintf(line, sizeof line, " %ld %ld", points[i].x, points[i].y);
            text += line;
        }
        text += '\n';
    }

    std::string text;
    const void* imagePixels = nullptr;
    const void* imageInfo = nullptr;

private:
    template <class... Values> void add(const char* format, Values... values) {
        char line[96];
        std::snprintf(line, sizeof line, format, values...);
        text += line;
        text += '\n';
    }
};
