// The demo: a complete scientific figure on one desk, written as EPS, HPGL, PDF and SVG at once.
// Three plot
// boxes: a damped oscillation (automatic ticks inside, two measured series with error bars and
// their symbols, the model solid, its envelope dashed, a legend and a formula), a spectrum
// (fixed ticks outside, an int histogram with counting errors) and a field map (a BMP picture
// under an arrow field, ticks on both sides, the phase axis labelled modulo 360).
// On Windows the same desk is opened on the screen as well: the window shows the figure as it is
// drawn and can be zoomed, read off and printed until the demo closes it.
// Usage: demo [name [font folder]] [--screenshot=file.bmp] writes name.eps, name.plt, name.pdf,
// name.svg and the picture name_field.bmp; on Windows the screenshot option saves the window as
// drawn, frame and title included, before the window is closed.
#include <velora.h>

#include "../common/fontfolder.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979;

// A small deterministic scatter, so that every run draws the same figure.
double scatter(int i) {
    return std::sin(i * 12.9898) * 0.5 + std::sin(i * 4.1414 + 1.0) * 0.5;
}

double oscillation(double t) {
    return std::exp(-t / 3.5) * std::cos(2 * pi * 0.55 * t);
}

void oscillationBox(desk& page) {
    boxclass box(page);
    box.init(16, 16, 63, 86, 1, 1);
    // Automatic steps: 1 on 0 ... 10, 0.5 on -1.5 ... 1.5.
    box.dim(0, 10, -1.5f, 1.5f, 0, 0, 1, boxclass::TICKS_INSIDE);
    box.label("time t // ms", "amplitude A // A_0", 0.6f, 0, FONT_ROMAN, FONT_SANS);

    // The model, solid, and its envelope, dashed above and below.
    std::vector<double> t(401), model(401);
    std::vector<float> tf(401), upper(401), lower(401);
    for (int i = 0; i <= 400; ++i) {
        t[i] = i / 40.0;
        model[i] = oscillation(t[i]);
        tf[i] = static_cast<float>(t[i]);
        upper[i] = static_cast<float>(std::exp(-t[i] / 3.5));
        lower[i] = -upper[i];
    }
    page.setpenwidth(0.45f);
    box.connectpoints(tf.data(), upper.data(), 401, 10, 0.5f);
    box.connectpoints(tf.data(), lower.data(), 401, 10, 0.5f);
    page.setpenwidth(0.7f);
    box.connectpoints(t.data(), model.data(), 401, 3, 1);

    // Two measured series: circles with vertical error bars, triangles with horizontal ones.
    std::vector<double> x1, y1, e1;
    std::vector<float> x2, y2, e2;
    for (int i = 0; i < 19; ++i) {
        const double ti = 0.3 + 0.5 * i;
        x1.push_back(ti);
        y1.push_back(oscillation(ti) + 0.07 * scatter(i));
        e1.push_back(0.06 + 0.03 * std::fabs(scatter(i + 40)));
    }
    for (int i = 0; i < 9; ++i) {
        const float ti = static_cast<float>(0.55 + 1.05 * i);
        x2.push_back(ti);
        y2.push_back(static_cast<float>(oscillation(ti) + 0.08 * scatter(i + 7)));
        e2.push_back(0.25f);
    }
    page.setpenwidth(0.5f);
    box.showerrorbars(x1.data(), y1.data(), e1.data(), 19, 9, 0, 1);
    box.showpoints(x1.data(), y1.data(), 19, 0, 0x15, 0.9f);
    box.showerrorbars(x2.data(), y2.data(), e2.data(), 9, 8, 1, 1);
    box.showpoints(x2.data(), y2.data(), 9, 1, 0x32, 0.9f);

    // The legend and the formula of the model, in data coordinates.
    box.setsymbol(4.6f, 1.32f, 0, 0x15, 0.9f);
    box.hwrite(4.9f, 1.32f, "series 1, bars of 1$s$", 0, FONT_SANS, 0.45f, 1, 0);
    box.setsymbol(4.6f, 1.12f, 1, 0x32, 0.9f);
    box.hwrite(4.9f, 1.12f, "series 2, bars in t", 0, FONT_SANS, 0.45f, 1, 0);
    page.setpenwidth(0.7f);
    box.line(4.25f, 0.92f, 4.8f, 0.92f, 3, 1);
    box.hwrite(4.9f, 0.92f, "model", 0, FONT_SANS, 0.45f, 1, 0);
    page.setpenwidth(0.45f);
    box.line(4.25f, 0.72f, 4.8f, 0.72f, 10, 0.5f);
    box.hwrite(4.9f, 0.72f, "envelope e^{-t//$t$}", 0, FONT_SANS, 0.45f, 1, 0);
    box.hwrite(5, -1.3f, "A(t) = A_0 e^{-t//$t$} cos($w$t),  $t$ = 3.5 ms", 0, FONT_SANS, 0.45f, 0,
               0);
    page.setpenwidth(0.3f);
}

void spectrumBox(desk& page) {
    boxclass box(page);
    box.init(86, 57, 129, 86, 1, 1);
    // Fixed steps, ticks outside the frame.
    box.dim(0, 40, 0, 500, 10, 100, 1, boxclass::TICKS_OUTSIDE);
    box.label("energy E_{$g$} // keV", "counts N", 1.45f, 4, FONT_ROMAN, FONT_SANS);

    std::vector<int> left, counts;
    std::vector<double> centre, n, error;
    for (int e = 2; e < 38; e += 2) {
        const double peak = 400 * std::exp(-std::pow((e + 1 - 22.0) / 3.2, 2) / 2);
        const double background = 60 * std::exp(-(e + 1) / 14.0);
        const int count = static_cast<int>(peak + background + 12 * scatter(e));
        left.push_back(e);
        counts.push_back(count < 0 ? 0 : count);
        centre.push_back(e + 1);
        n.push_back(counts.back());
        error.push_back(std::sqrt(static_cast<double>(counts.back())));
    }
    page.setpenwidth(0.5f);
    box.showhistogram(left.data(), counts.data(), static_cast<int>(left.size()), 3);
    page.setpenwidth(0.4f);
    box.showerrorbars(centre.data(), n.data(), error.data(), static_cast<int>(centre.size()), 9, 1,
                      0.6f);
    box.hwrite(31, 455, "$g$ line at 22 keV", 0, FONT_SANS, 1.1f, 0, 0);
    page.setpenwidth(0.3f);
}

// A field over phase (0 ... 720 degrees) and height (0 ... 1): its strength as a picture, its
// direction as arrows.
void fieldDirection(double phase, double z, double& u, double& v) {
    const double p = phase * pi / 180;
    u = std::cos(p) * std::sin(pi * z);
    v = 0.6 * std::sin(p) * std::cos(pi * z);
}

void writeFieldPicture(const std::string& file) {
    bitmap24 picture(96, 40);
    for (short row = 0; row < 40; ++row)
        for (short col = 0; col < 96; ++col) {
            double u, v;
            fieldDirection(720.0 * (col + 0.5) / 96, (row + 0.5) / 40, u, v);
            const double strength = std::sqrt(u * u + v * v) / 1.0;
            unsigned char* pixel = picture(row, col);
            // Pale blue to pale orange: the arrows stay readable on top.
            pixel[2] = static_cast<unsigned char>(200 + 55 * strength);  // red
            pixel[1] = static_cast<unsigned char>(225 - 15 * strength);  // green
            pixel[0] = static_cast<unsigned char>(255 - 105 * strength); // blue
        }
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    picture.save(name.data());
}

void fieldBox(desk& page, const std::string& pictureName) {
    boxclass box(page);
    box.init(86, 16, 129, 43, 1, 1);
    box.dim(0, 720, 0, 1, 180, 0.2f, 1, boxclass::TICKS_BOTH);
    box.setAxisModulo(boxclass::X_AXIS, 360);
    box.label("phase $f$ // \x7F", "height z // $m$m", 1.55f, 4, FONT_ROMAN, FONT_SANS);
    box.showbmp(0, 0, 720, 1, pictureName.c_str());

    page.setpenwidth(0.35f);
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 5; ++j) {
            const float phase = 30.0f + 60.0f * i;
            const float z = 0.1f + 0.2f * j;
            double u, v;
            fieldDirection(phase, z, u, v);
            box.vector(phase, z, static_cast<float>(phase + 26 * u),
                       static_cast<float>(z + 0.16 * v), 0, 0.55f);
        }
    // One path through the field, as a chain of arrows.
    std::vector<float> px, pz;
    for (int k = 0; k < 6; ++k) {
        px.push_back(400.0f + 50.0f * k);
        pz.push_back(static_cast<float>(0.5 + 0.35 * std::sin(k * 0.9)));
    }
    box.showvectors(px.data(), pz.data(), 6, 1, 0.8f);
    page.setpenwidth(0.3f);
}

#ifdef VELORA_HAS_SCREEN
// The window as the screen shows it, frame and title included, saved as a 24-bit BMP file.
void saveScreenshot(const std::string& file) {
    HWND window = FindWindowA("VeloraMainFrame", nullptr);
    if (!window) return;
    // The window's thread has drawn everything and the display has caught up with it.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(window, WM_NULL, 0, 0);
    GdiFlush();
    Sleep(500);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = (frame.right - frame.left) / 8 * 8, height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP shot = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, previous);
    bitmap24 picture(width, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom row first, as the image keeps its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, shot, 0, static_cast<UINT>(height), picture(0, 0), &info, DIB_RGB_COLORS);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::vector<char> name(file.begin(), file.end());
    name.push_back('\0');
    picture.save(name.data());
}
#endif

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    std::string screenshot;
    const std::string screenshotOption = "--screenshot=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.compare(0, screenshotOption.size(), screenshotOption) == 0)
            screenshot = argument.substr(screenshotOption.size());
        else
            arguments.push_back(argument);
    }
    const std::string name = arguments.size() > 0 ? arguments[0] : "demo";
    const std::string picture = name + "_field";
    writeFieldPicture(picture + ".bmp");

    desk page;
    const std::string fonts =
        arguments.size() > 1 ? arguments[1] : velora_examples::fontFolder(argv[0], VELORA_FONT_DIR);
    page.setfontpath(fonts.c_str());
#ifdef VELORA_HAS_SCREEN
    page.open(SCREEN | EPS | PLT | PDF | SVG, name.c_str(), desk::MakePosSize(0, 0, 1040, 820));
#else
    page.open(EPS | PLT | PDF | SVG, name.c_str());
#endif
    {
        fontclass text(page);
        text.hwrite(66.7f, 95.5f, "Velora: three plot boxes on one desk", 0, FONT_ROMAN | FONT_BOLD,
                    1.3f, 0, 0);
        oscillationBox(page);
        spectrumBox(page);
        fieldBox(page, picture);
        text.hwrite(2, 2.5f, "EPS and HPGL written at once; text in stroke fonts, $a$ to $w$.", 8,
                    FONT_SANS | FONT_THIN, 0.7f, 1, 0);
    }
#ifdef VELORA_HAS_SCREEN
    if (!screenshot.empty()) saveScreenshot(screenshot);
#endif
    page.close();
    return 0;
}
