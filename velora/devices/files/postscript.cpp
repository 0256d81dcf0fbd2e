#include "devices/files/postscript.h"

#include "common/colour.h"
#include "common/endprocess.h"
#include "common/filename.h"
#include "devices/files/vectorpage.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// The first reserved header line starts here; two lines of 49 blanks and CR LF follow.
constexpr long reservedOffset = 25;
constexpr std::size_t reservedBytes = 102;
// A path operator and its line end, as in " l\r\n".
constexpr std::size_t operatorBytes = 4;

const char headerText[] = "%!PS-Adobe-2.0 EPSF-2.0\r\n"
                          "                                                 \r\n"
                          "                                                 \r\n"
                          "%%Creator: Velora\r\n\r\n"
                          "/l{lineto}def\r\n"
                          "/m{moveto}def\r\n"
                          "/g{gsave}def\r\n"
                          "/gr{grestore}def\r\n"
                          "/shsb{sethsbcolor}def\r\n"
                          "/slc{setlinecap}def\r\n"
                          "/slj{setlinejoin}def\r\n"
                          "/slw{setlinewidth}def\r\n"
                          "/sml{setmiterlimit}def\r\n"
                          "/np{newpath}def\r\n"
                          "/cp{closepath}def\r\n"
                          "/st{stroke}def\r\n"
                          "/sp{showpage}def\r\n"
                          "1 slc\r\n"
                          "1 slj\r\n"
                          "1.00 slw\r\n"
                          "10.0 sml\r\n\r\n";

// Coordinates far outside any page are clamped in the box comments, so that both lines always
// fit the reserved bytes.
float clampForBox(double points) {
    return static_cast<float>(std::clamp(points, -9999.0, 99999.0));
}

// The name cut at the first `extension` in its last path component.
std::string withoutExtension(const std::string& name, const char* extension) {
    const std::size_t at = name.find(extension, velora::fileNameStart(name));
    return at == std::string::npos ? name : name.substr(0, at);
}

} // namespace

postscript::postscript(char* name) : filename(nullptr), penwidth(0.3f), hsb(nullptr) {
    in(name);
    hsb = new float[48];
    for (int i = 0; i < 16; ++i) {
        float hue = 0.0f, saturation = 0.0f, brightness = 0.0f;
        switch (i) {
        case 0:
        case 7:
            break;
        case 1:
            saturation = brightness = 1.0f;
            break;
        case 2:
            hue = 1.0f / 3.0f;
            saturation = brightness = 1.0f;
            break;
        case 3:
            hue = 2.0f / 3.0f;
            saturation = brightness = 1.0f;
            break;
        case 4:
            hue = 1.0f / 6.0f;
            saturation = brightness = 1.0f;
            break;
        case 5:
            hue = 0.5f;
            saturation = brightness = 1.0f;
            break;
        case 6:
            hue = 5.0f / 6.0f;
            saturation = brightness = 1.0f;
            break;
        default:
            brightness = static_cast<float>(i - 7) / 8.0f;
            break;
        }
        hsb[3 * i] = hue;
        hsb[3 * i + 1] = saturation;
        hsb[3 * i + 2] = brightness;
        char* p = colourLines[i];
        for (int k = 0; k < 3; ++k) {
            p = velora::formatG(p, hsb[3 * i + k]);
            *p++ = ' ';
        }
        std::memcpy(p, "shsb\r\n", 6);
        colourLineLengths[i] = static_cast<unsigned char>(p + 6 - colourLines[i]);
    }
    yshift = 0.0f;
}

postscript::~postscript() noexcept(false) {
    delete[] hsb;
    cl();
    delete[] filename;
}

void postscript::in(char* name) {
    lastx = lasty = 0.0f;
    hasCurrentPoint = false;
    bbxmin = 640.0f;
    bbxmax = 0.0f;
    bbymin = 480.0f;
    bbymax = 0.0f;
    yorigin = 430.0f;
    // An older file of the name is replaced only by the finished file.
    const std::string given = name ? name : "";
    const std::string temporary = withoutExtension(given, ".eps") + ".tmp";
    delete[] filename;
    filename = new char[temporary.size() + 1];
    std::memcpy(filename, temporary.c_str(), temporary.size() + 1);
    const std::string final = withoutExtension(temporary, ".tmp") + ".eps";
    if (!out.openReplacing(filename, final.c_str())) {
        std::cerr << given
                  << " nicht ge\xf6"
                     "ffnet\r\n";
        // The end may unwind out of the constructor, past the destructor.
        delete[] filename;
        filename = nullptr;
        velora::endProcess();
    }
    out.describeFailure("postscript::error : ", final.c_str(), "\r\n");
    out.write(headerText, sizeof headerText - 1);
}

void postscript::cl() {
    out.put("0 0 m\r\nst\r\ncp\r\nsp\r\n%%EOF");
    float llx = clampForBox(4.0 * bbxmin + 35.0 - 2.0);
    float lly = clampForBox(4.0 * bbymin + 430.0 - 2.0);
    float urx = clampForBox(4.0 * bbxmax + 35.0 + 2.0);
    float ury = clampForBox(4.0 * bbymax + 430.0 + 2.0);
    // Nothing drawn leaves the start values, left above right, which EPS readers reject; so do
    // they a box without area. An empty file gets one point at the page origin.
    if (bbxmin > bbxmax || bbymin > bbymax) {
        llx = 35.0f;
        lly = 430.0f;
        urx = 36.0f;
        ury = 431.0f;
    }
    if (std::isnan(llx + lly + urx + ury)) {
        out.close();
    } else {
        out.seek(reservedOffset);
        char text[reservedBytes * 2];
        char* p = text;
        std::memcpy(p, "%%BoundingBox: ", 15);
        p += 15;
        const float corners[4] = {llx, lly, urx, ury};
        for (int i = 0; i < 4; ++i) {
            p = velora::formatInt(p, static_cast<int>(corners[i]));
            *p++ = i < 3 ? ' ' : '\n';
        }
        std::memcpy(p, "%%HiResBoundingBox: ", 20);
        p += 20;
        for (int i = 0; i < 4; ++i) {
            p = velora::formatG(p, corners[i]);
            if (i < 3) *p++ = ' ';
        }
        const std::size_t length = static_cast<std::size_t>(p - text);
        // The reserved line end stays in place.
        out.write(text, std::min(length, reservedBytes - 2));
        out.close();
    }
}

void postscript::setdoublesize() {
    // The pen starts at page (0, 0); on a double page that point lies 100 units lower.
    if (yshift == 0.0f && !hasCurrentPoint && lastx == 0.0f && lasty == 0.0f) lasty = -100.0f;
    yshift = -100.0f;
}

inline void postscript::writePoint(float x, float y, const char* op) {
    out.putHundredths(4.0 * x + 35.0);
    out.put(' ');
    out.putHundredths(4.0 * y + static_cast<double>(yorigin));
    // A copy of known size is done in place, with no call to the runtime's memcpy.
    out.write(op, operatorBytes);
    lastx = x;
    lasty = y;
    hasCurrentPoint = true;
}

void postscript::moveto(float x, float y) {
    y = static_cast<float>(static_cast<double>(y) + yshift);
    writePoint(x, y, " m\r\n");
}

void postscript::lineto(float x, float y) {
    y = static_cast<float>(static_cast<double>(y) + yshift);
    if (!hasCurrentPoint) writePoint(lastx, lasty, " m\r\n");
    checkbb(lastx, lasty);
    checkbb(x, y);
    writePoint(x, y, " l\r\n");
}

void postscript::pw(float w) {
    // A width the file's numbers cannot hold keeps the last one.
    if (!std::isfinite(static_cast<float>(static_cast<double>(w) * 1.75))) return;
    penwidth = w;
    std::size_t length = 0;
    const char* text = widthTexts.text(static_cast<float>(static_cast<double>(w) * 1.75), length);
    out.write(text, length);
    out.put(" slw\r\n");
}

void postscript::setColor(int col) {
    if (velora::isTrueColour(col)) {
        putRgbColour(col, 255);
        return;
    }
    if (col < 0 || col > 15) col = 15;
    out.write(colourLines[col], colourLineLengths[col]);
}

void postscript::putRgbColour(int col, unsigned alpha) {
    double rgb[3];
    if (velora::isTrueColour(col)) {
        rgb[0] = velora::redOf(col) / 255.0;
        rgb[1] = velora::greenOf(col) / 255.0;
        rgb[2] = velora::blueOf(col) / 255.0;
    } else {
        for (int k = 0; k < 3; ++k)
            rgb[k] = VectorPage::colourTable[col < 0 || col > 15 ? 15 : col][k];
    }
    const double a = alpha / 255.0;
    for (double component : rgb) {
        out.putG(static_cast<float>(component * a + (1.0 - a)));
        out.put(' ');
    }
    out.put("setrgbcolor\r\n");
}

void postscript::fill(const float* x, const float* y, int n, int col, unsigned alpha) {
    if (n < 3) return;
    if (hasCurrentPoint) st();
    out.put("g\r\n");
    if (alpha >= 255 && !velora::isTrueColour(col))
        out.write(colourLines[col < 0 || col > 15 ? 15 : col],
                  colourLineLengths[col < 0 || col > 15 ? 15 : col]);
    else
        putRgbColour(col, alpha);
    out.put("np\r\n");
    // The next line starts where the last one ended, not at the fill's last vertex.
    const float keptX = lastx, keptY = lasty;
    for (int i = 0; i < n; ++i) {
        const float py = static_cast<float>(static_cast<double>(y[i]) + yshift);
        checkbb(x[i], py);
        writePoint(x[i], py, i == 0 ? " m\r\n" : " l\r\n");
    }
    out.put("cp\r\nfill\r\ngr\r\n");
    lastx = keptX;
    lasty = keptY;
    hasCurrentPoint = false;
}

void postscript::checkbb(float x, float y) {
    if (x < bbxmin) bbxmin = x;
    if (y < bbymin) bbymin = y;
    if (x > bbxmax) bbxmax = x;
    if (y > bbymax) bbymax = y;
}

void postscript::np() {
    out.put("np\r\n");
    hasCurrentPoint = false;
}

void postscript::cp() {
    out.put("cp\r\n");
}

void postscript::st() {
    out.put("st\r\n");
    hasCurrentPoint = false;
}

void postscript::st_cp() {
    out.put("st\r\ncp\r\n");
    hasCurrentPoint = false;
}
