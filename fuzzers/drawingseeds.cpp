#include "drawingseeds.h"

#include "drawingprogram.h"

#include <fstream>
#include <string>

using namespace drawing;

namespace {

void save(const std::filesystem::path& folder, const char* name, const ProgramWriter& w) {
    const std::vector<std::uint8_t>& bytes = w.program();
    std::ofstream((folder / name).string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A colour byte for colour index c (-2 to 17).
std::uint8_t colour(int c) {
    return static_cast<std::uint8_t>(c + 2);
}

// box.init(20, 15, 120, 90, 1, 1); box.dim(0, 10, -1, 1, 0, 0, 1, 0): a box of the usual kind.
ProgramWriter& standardBox(ProgramWriter& w) {
    w.call(BoxInit).rawFloat(20).rawFloat(15).rawFloat(100).rawFloat(75).rawFloat(1).rawFloat(1);
    return w.call(BoxDim)
        .rawFloat(0)
        .rawFloat(10)
        .rawFloat(-1)
        .rawFloat(2)
        .byte(0)
        .byte(0)
        .rawFloat(1)
        .byte(0);
}

// A dashed polyline of three points across the box, in colour 3.
void threePointPolyline(ProgramWriter& w, std::uint8_t type) {
    w.call(BoxPolyline)
        .byte(type)
        .byte(3)
        .fraction(0.25)
        .fraction(0.5)
        .fraction(0.75)
        .fraction(0.25)
        .fraction(0.75)
        .fraction(0.3)
        .byte(colour(3))
        .fraction(0.5);
}

void writeCallSeeds(const std::filesystem::path& folder) {
    save(folder, "empty", ProgramWriter());
    {
        ProgramWriter w(doubleSizeFlag);
        w.call(Line).fraction(0.1).fraction(0.1).fraction(0.9).fraction(0.9).byte(colour(-1));
        save(folder, "double-size-line", w);
    }
    {
        ProgramWriter w;
        w.call(Move).fraction(0.2).fraction(0.2);
        w.call(Draw).fraction(0.5).fraction(0.6).byte(colour(3));
        w.call(Rec).fraction(0.3).fraction(0.3).fraction(0.6).fraction(0.5).byte(colour(16));
        w.call(Pset).fraction(0.4).fraction(0.4).byte(hostileTag);
        w.call(Vector)
            .fraction(0.2)
            .fraction(0.7)
            .fraction(0.6)
            .fraction(0.4)
            .byte(colour(6))
            .fraction(0.5);
        w.call(SetColor).byte(colour(-2));
        w.call(SetPenWidth).fraction(0.3);
        w.call(Line).fraction(0.1).fraction(0.5).fraction(0.9).fraction(0.5).byte(colour(17));
        save(folder, "primitives", w);
    }
    {
        ProgramWriter w;
        w.call(SetViewport).fraction(0.3).fraction(0.3).fraction(0.6).fraction(0.6);
        w.call(Line).fraction(0).fraction(0).fraction(1).fraction(1).byte(colour(2));
        w.call(ResetViewport);
        w.call(Line).fraction(0).fraction(1).fraction(1).fraction(0).byte(colour(4));
        save(folder, "viewport", w);
    }
    {
        ProgramWriter w;
        w.call(PutGreyPicture)
            .byte(0x05)
            .byte(37)
            .fraction(0.2)
            .fraction(0.2)
            .fraction(0.4)
            .fraction(0.4);
        w.call(PutColourPicture)
            .byte(0x0a)
            .byte(11)
            .fraction(0.5)
            .fraction(0.2)
            .fraction(0.7)
            .fraction(0.3);
        w.call(ShowBmpFile)
            .byte(0)
            .byte(0x04)
            .byte(5)
            .fraction(0.2)
            .fraction(0.5)
            .fraction(0.4)
            .fraction(0.7);
        save(folder, "pictures", w);
    }
    {
        ProgramWriter w;
        standardBox(w);
        w.call(BoxLabel)
            .text("time / s")
            .text("$a$^2")
            .fraction(0.25)
            .byte(colour(3))
            .byte(1)
            .byte(0);
        w.call(BoxAccuracy).fraction(0.01).fraction(0.1);
        w.call(BoxModulo).byte(0).fraction(0.5);
        w.call(BoxPoints)
            .byte(IntArray)
            .byte(3)
            .fraction(0.3)
            .fraction(0.5)
            .fraction(0.7)
            .fraction(0.4)
            .fraction(0.5)
            .fraction(0.6)
            .byte(colour(1))
            .byte(5 + 2 + 32)
            .fraction(0.25);
        w.call(BoxHistogram)
            .byte(DoubleArray)
            .byte(3)
            .fraction(0.3)
            .fraction(0.4)
            .fraction(0.5)
            .fraction(0.6)
            .fraction(0.7)
            .fraction(0.5)
            .byte(colour(2));
        threePointPolyline(w, FloatArray);
        w.call(BoxErrorBars)
            .byte(FloatArray)
            .byte(2)
            .fraction(0.4)
            .fraction(0.6)
            .fraction(0.5)
            .fraction(0.5)
            .fraction(0.2)
            .fraction(0.3)
            .byte(colour(4))
            .byte(8 + 2)
            .fraction(0.25);
        w.call(BoxVectors)
            .byte(3)
            .fraction(0.3)
            .fraction(0.5)
            .fraction(0.7)
            .fraction(0.3)
            .fraction(0.6)
            .fraction(0.3)
            .byte(colour(5))
            .fraction(0.25);
        w.call(BoxLine)
            .fraction(0.25)
            .fraction(0.25)
            .fraction(0.75)
            .fraction(0.75)
            .byte(colour(6))
            .fraction(0.3);
        w.call(BoxVector)
            .fraction(0.75)
            .fraction(0.25)
            .fraction(0.25)
            .fraction(0.75)
            .byte(colour(1))
            .fraction(0.25);
        w.call(BoxText)
            .byte(0)
            .fraction(0.5)
            .fraction(0.5)
            .text("x_{i+1}")
            .byte(colour(0))
            .byte(0)
            .fraction(0.25)
            .fraction(0.5)
            .fraction(0.5);
        w.call(ShowBmpFile)
            .byte(3)
            .byte(0x01)
            .byte(9)
            .fraction(0.3)
            .fraction(0.3)
            .fraction(0.5)
            .fraction(0.5);
        w.call(BoxClear).byte(1);
        save(folder, "box-series", w);
    }
    {
        // Log axes both ways with a log scale on the right, then a time axis.
        ProgramWriter w;
        w.call(BoxScale).byte(0).byte(1);
        w.call(BoxScale).byte(1).byte(1);
        w.call(BoxScale).byte(2).byte(1);
        w.call(BoxInit).rawFloat(20).rawFloat(15).rawFloat(100).rawFloat(75).rawFloat(1).rawFloat(
            1);
        w.call(BoxDim)
            .rawFloat(0.001f)
            .rawFloat(1000)
            .rawFloat(1)
            .rawFloat(99)
            .byte(0)
            .byte(0)
            .rawFloat(1)
            .byte(3);
        w.call(BoxDimRight).rawFloat(1).rawFloat(1e4f).byte(0);
        w.call(BoxLabel).text("f").text("P").fraction(0.25).byte(0).byte(1).byte(0);
        w.call(BoxLabelRight).text("p").fraction(0.25).byte(1).byte(0);
        w.call(BoxUseRight).byte(1);
        threePointPolyline(w, DoubleArray);
        w.call(BoxUseRight).byte(0);
        w.call(BoxScale).byte(0).byte(2);
        w.call(BoxTimeFrame).fraction(0.5).fraction(0.5);
        w.call(BoxRange).byte(1).fraction(0.1).fraction(0.9);
        standardBox(w);
        w.call(BoxLabel).text("t").text("T").fraction(0.25).byte(0).byte(1).byte(0);
        save(folder, "scales", w);
    }
    {
        ProgramWriter w;
        w.call(TextWrite)
            .byte(0)
            .fraction(0.2)
            .fraction(0.5)
            .text("x^2 + $abg$ /$ a^{b_c} ^")
            .byte(colour(0))
            .byte(1 + 32)
            .fraction(0.5)
            .fraction(0.66)
            .fraction(0.5);
        w.call(TextWrite)
            .byte(1)
            .fraction(0.8)
            .fraction(0.2)
            .text("Upwards \xc3\xa4\x84")
            .byte(colour(3))
            .byte(2 + 16)
            .fraction(0.4)
            .fraction(0.5)
            .fraction(0.33);
        w.call(TextLength).text("x_{i}").byte(0).fraction(0.5);
        save(folder, "text", w);
    }
}

// Values the library once drew wrongly, one program each.
void writeHostileSeeds(const std::filesystem::path& folder) {
    // A dashed polyline in a box through a point that is no number, infinite, or whose float is.
    const struct {
        const char* name;
        Hostile x;
    } dashedTo[] = {{"dashed-polyline-nan", NaN},
                    {"dashed-polyline-inf", PlusInf},
                    {"dashed-polyline-1e300", Huge}};
    for (const auto& seed : dashedTo) {
        ProgramWriter w;
        standardBox(w);
        w.call(BoxPolyline)
            .byte(DoubleArray)
            .byte(2)
            .rawDouble(1)
            .hostile(seed.x)
            .hostile(Zero)
            .hostile(Zero)
            .byte(colour(1))
            .rawFloat(0.5f);
        save(folder, seed.name, w);
    }
    {
        ProgramWriter w;
        standardBox(w);
        w.call(BoxLine).rawFloat(1).rawFloat(0).hostile(NaN).rawFloat(0).byte(colour(1)).rawFloat(
            0.5f);
        save(folder, "dashed-line-nan", w);
    }
    {
        ProgramWriter w;
        w.call(SetPenWidth).hostile(NaN);
        w.call(Line).fraction(0.2).fraction(0.2).fraction(0.6).fraction(0.6).byte(colour(1));
        save(folder, "pen-width-nan", w);
    }
    {
        ProgramWriter w;
        w.call(SetPenWidth).rawFloat(1e-5f);
        w.call(Line).fraction(0.2).fraction(0.2).fraction(0.6).fraction(0.6).byte(colour(1));
        save(folder, "pen-width-1e-5", w);
    }
    {
        ProgramWriter w;
        w.call(Line).hostile(NaN).fraction(0.2).fraction(0.6).fraction(0.6).byte(colour(1));
        w.call(PutGreyPicture)
            .byte(0)
            .byte(7)
            .hostile(NaN)
            .fraction(0.2)
            .fraction(0.4)
            .fraction(0.4);
        save(folder, "picture-at-nan", w);
    }
    const struct {
        const char* name;
        Hostile size;
    } textSizes[] = {{"text-size-nan", NaN}, {"text-size-1e-30", Tiny}};
    for (const auto& seed : textSizes) {
        ProgramWriter w;
        w.call(TextWrite)
            .byte(0)
            .fraction(0.2)
            .fraction(0.5)
            .text("Size x^2")
            .byte(colour(0))
            .byte(0)
            .hostile(seed.size)
            .fraction(0.66)
            .fraction(0.5);
        save(folder, seed.name, w);
    }
    {
        ProgramWriter w;
        standardBox(w);
        w.call(BoxErrorBars)
            .byte(DoubleArray)
            .byte(2)
            .fraction(0.4)
            .fraction(0.6)
            .fraction(0.5)
            .fraction(0.5)
            .fraction(0.2)
            .fraction(0.3)
            .byte(colour(4))
            .byte(9 + 2)
            .hostile(NaN);
        save(folder, "error-bars-scale-nan", w);
    }
    {
        std::string raised;
        while (raised.size() + 3 <= 4096)
            raised += "^{a";
        ProgramWriter w;
        w.call(TextWrite)
            .byte(0)
            .fraction(0.2)
            .fraction(0.5)
            .text(raised)
            .byte(colour(0))
            .byte(0)
            .fraction(0.5)
            .fraction(0.66)
            .fraction(0.5);
        save(folder, "unclosed-raises", w);
    }
}

} // namespace

void writeDrawingSeeds(const std::filesystem::path& corpus) {
    const std::filesystem::path folder = corpus / "drawing";
    std::filesystem::create_directories(folder);
    writeCallSeeds(folder);
    writeHostileSeeds(folder);
}
