// The file checks on short texts they must accept and texts they must reject: a check that let
// a fault through would make the drawing harness blind to it. Exits 1 on the first wrong answer.
#include "filechecks.h"

#include <zlib.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void expect(bool accepted, std::string (*check)(std::string_view), const std::string& text) {
    const std::string fault = check(text);
    if (fault.empty() == accepted) return;
    std::printf("%s: %s\n    %s\n", accepted ? "rejected" : "accepted", text.c_str(),
                fault.empty() ? "(no fault)" : fault.c_str());
    ++failures;
}

void numberGrammar() {
    const struct {
        const char* text;
        bool exponent;
        std::size_t length;
    } cases[] = {{"12", false, 2},   {"-.5", false, 3}, {"+4.", false, 3},  {"1e-05", false, 1},
                 {"1e-05", true, 5}, {"1e", true, 1},   {".", true, 0},     {"-", false, 0},
                 {"nan", true, 0},   {"-inf", true, 0}, {"3.5.5", true, 3}, {"1.75E+3x", true, 7}};
    for (const auto& c : cases)
        if (fuzz::numberLength(c.text, c.exponent) != c.length) {
            std::printf("numberLength(%s, %d) is not %zu\n", c.text, c.exponent, c.length);
            ++failures;
        }
}

void eps() {
    const std::string head = "%!PS-Adobe-2.0 EPSF-2.0\r\n%%BoundingBox: 73 468 117 512\n"
                             "%%HiResBoundingBox: 73 468 117.5 512     \r\n/l{lineto}def\r\n";
    expect(true, fuzz::checkEps,
           head + "0.525 slw\r\n75 470 m\r\n1e-05 slw\r\n[1 0 0 1 0 0 ] x\r\n");
    expect(true, fuzz::checkEps,
           head + "gsave\r\n8 2 8\r\n{} image\r\n00ff\r\nab12\r\ngrestore\r\n");
    expect(false, fuzz::checkEps, head + "nan 430 translate\r\n");
    expect(false, fuzz::checkEps, head + "-inf 430 m\r\n");
    expect(false, fuzz::checkEps, head + "1e39 0 m\r\n");
    expect(false, fuzz::checkEps, head + "{} image\r\n00fg\r\ngrestore\r\n");
    expect(false, fuzz::checkEps, "%%BoundingBox: 73 468 117.5 512\n");
    expect(false, fuzz::checkEps, "%%HiResBoundingBox: 73 468 inf 512\n");
}

void hpgl() {
    expect(true, fuzz::checkHpgl, "SP1\r\nPW0.3\r\nPU;\r\nPA720,-720\r\nPD;\r\n\r\n");
    expect(false, fuzz::checkHpgl, "PW1e-05\r\n");
    expect(false, fuzz::checkHpgl, "PAnan,0\r\n");
    expect(false, fuzz::checkHpgl, "PA-2147483648,0\r\n");
    expect(false, fuzz::checkHpgl, "PA1,\r\n");
    expect(false, fuzz::checkHpgl, "pa1,2\r\n");
}

void svg() {
    const std::string root = "<svg width=\"44pt\" height=\"44pt\" viewBox=\"73 -512 44 44\">\n";
    expect(true, fuzz::checkSvg,
           root + "<g stroke-width=\"0.525\"><path d=\"M75-470l40-40.5-.5 1e-3Z\"/>");
    expect(true, fuzz::checkSvg,
           root + "<image width=\"8\" transform=\"matrix(1 0 0 1 3.5 -2)\"/>");
    expect(false, fuzz::checkSvg, root + "<path d=\"M75 nan\"/>");
    expect(false, fuzz::checkSvg, root + "<image transform=\"matrix(inf 0 0 1 0 0)\"/>");
    expect(false, fuzz::checkSvg, root + "<g stroke-width=\"1e39\"/>");
    expect(false, fuzz::checkSvg, "<svg width=\"-nanpt\">");
    expect(false, fuzz::checkSvg, "<svg viewBox=\"0 0 -5 4\">");
}

// A PDF of one content stream around `content`, with the cross-reference table it needs.
std::string pdfAround(const std::string& content) {
    uLongf size = compressBound(content.size());
    std::string deflated(size, '\0');
    compress(reinterpret_cast<Bytef*>(&deflated[0]), &size,
             reinterpret_cast<const Bytef*>(content.data()), content.size());
    deflated.resize(size);
    std::string file = "%PDF-1.4\n";
    std::string table = "xref\n0 3\n0000000000 65535 f\r\n";
    const auto entry = [&] {
        char text[21];
        std::snprintf(text, sizeof text, "%010zu 00000 n\r\n", file.size());
        table += text;
    };
    entry();
    file += "1 0 obj\n<< /Length 2 0 R /Filter /FlateDecode >>\nstream\n" + deflated +
            "\nendstream\nendobj\n";
    entry();
    file += "2 0 obj\n" + std::to_string(deflated.size()) + "\nendobj\n";
    const std::size_t xref = file.size();
    return file + table + "trailer\n<< /Size 3 /Root 3 0 R >>\nstartxref\n" + std::to_string(xref) +
           "\n%%EOF\n";
}

void pdf() {
    expect(true, fuzz::checkPdf, pdfAround("1 J 0.525 w\n75 470 m\n-.5 510 l\nS\nq /F1 Do Q\n"));
    expect(false, fuzz::checkPdf, pdfAround("1.75e-05 w\n"));
    expect(false, fuzz::checkPdf, pdfAround("nan 470 m\n"));
    expect(false, fuzz::checkPdf, pdfAround("-inf 470 m\n"));
    std::string shifted = pdfAround("0 0 m\n");
    shifted.insert(9, " ");
    expect(false, fuzz::checkPdf, shifted);
    std::string box = pdfAround("0 0 m\n");
    box.replace(box.find("/Size 3"), 7, "/Size 3 /MediaBox [0 0 1e+06 5]");
    expect(false, fuzz::checkPdf, box);
}

} // namespace

int main() {
    numberGrammar();
    eps();
    hpgl();
    svg();
    pdf();
    if (failures) std::printf("%d wrong answers of the file checks\n", failures);
    return failures ? 1 : 0;
}
