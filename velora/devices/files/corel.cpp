#include "devices/files/corel.h"

#include "common/endprocess.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

// HP-GL/2 takes numbers up to 2^30 - 1 in magnitude; a plotter rejects larger ones. Pens beyond
// the palette and points far off the page are written at that limit.
constexpr long long hpglLimit = (1LL << 30) - 1;

long long withinHpglRange(long long value) {
    return std::clamp(value, -hpglLimit, hpglLimit);
}

// The widest pen in millimetres the file writes; exact as a float, unlike 2^30 - 1.
constexpr float widestPen = 1e9f;

} // namespace

corel::corel(char* name) {
    in(name);
}

corel::~corel() {
    cl();
}

void corel::in(char* name) {
    const char* fileName = name ? name : "";
    // Written under a temporary name until finished, as the EPS file is; an older file of the
    // name is replaced only by the finished file.
    const std::string temporary = std::string(fileName) + ".tmp";
    if (!out.openReplacing(temporary.c_str(), fileName)) {
        std::cout << "corel::error : " << fileName
                  << " nicht ge\xf6"
                     "ffnet\r\n";
        velora::endProcess();
    }
    out.describeFailure("corel::error : ", fileName, "\r\n");
    out.put("SP1\r\nPW0.3\r\n");
}

void corel::cl() {
    out.put("\r\n");
    out.close();
}

void corel::sp(int col) {
    out.put("SP");
    out.putInt(withinHpglRange(static_cast<long long>(col) + 1));
    out.put("\r\n");
}

void corel::pw(float w) {
    out.put("PW");
    // HPGL's numbers have no exponent.
    out.putPlain(std::clamp(w, -widestPen, widestPen));
    out.put("\r\n");
}

void corel::pu() {
    out.put("PU;\r\n");
}

void corel::pd() {
    out.put("PD;\r\n");
}

void corel::pa(float x, float y) {
    out.put("PA");
    out.putInt(withinHpglRange(velora::truncateToInt(x)));
    out.put(',');
    out.putInt(withinHpglRange(velora::truncateToInt(y)));
    out.put("\r\n");
}

void corel::frame(float x1, float y1, float x2, float y2) {
    pu();
    pa(x1, y1);
    pd();
    pa(x2, y1);
    pa(x2, y2);
    pa(x1, y2);
    pa(x1, y1);
    pu();
}

void corel::sb(float x1, float y1, float x2, float y2, char*) {
    frame(x1, y1, x2, y2);
}

void corel::pb(float x1, float y1, float x2, float y2, bitmap&) {
    frame(x1, y1, x2, y2);
}

void corel::pb(float x1, float y1, float x2, float y2, bitmap24&) {
    frame(x1, y1, x2, y2);
}
