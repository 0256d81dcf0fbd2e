// How files get their names and how they end: the extension is that of the name's last path
// component, for writing and reading alike; a file takes its name only when complete, replacing
// an older file but never a folder; and a process that ends because one file failed leaves no
// unfinished file and finishes nothing twice, even with a desk that lives until the exit.
#include "desk/desk.h"

#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using testing_support::fileExists;
using testing_support::readFile;

namespace {

constexpr int everyFile = EPS | PLT | PDF | SVG;
const char* const extensions[] = {".eps", ".plt", ".pdf", ".svg"};

} // namespace

TEST(FileEnding, NamesTakeTheirExtensionFromTheLastPathComponent) {
    std::filesystem::create_directories("names.d");
    for (const char* name : {"./names_here", "names.d/fig.old"}) {
        desk d;
        d.open(everyFile, name);
        d.line(10, 10, 20, 20, 1);
        d.close();
    }
    for (const char* extension : extensions) {
        EXPECT_TRUE(fileExists(std::string("names_here") + extension));
        EXPECT_TRUE(fileExists(std::string("names.d/fig") + extension));
        // Not cut at the dot of "./" or of the folder.
        EXPECT_FALSE(fileExists(extension));
        EXPECT_FALSE(fileExists(std::string("names") + extension));
    }
    // The import reads the file the writer wrote under the same name.
    desk copy;
    copy.open(EPS, "names_copy");
    copy.showeps("names.d/fig");
    copy.close();
    EXPECT_NE(readFile("names_copy.eps").find("75 470 m\r\n0 1 1 shsb\r\n0 1 1 shsb\r\n115 510 l"),
              std::string::npos);
}

TEST(FileEnding, AFolderUnderTheFinalNameIsNeverRemoved) {
    struct Case {
        int device;
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {EPS, "held_eps", "^postscript::error : held_eps.eps nicht geschrieben\r\n$"},
        {PLT, "held_plt", "^corel::error : held_plt.plt nicht geschrieben\r\n$"},
        {PDF, "held_pdf", "^pdfwriter::error : held_pdf.pdf nicht geschrieben\r\n$"},
        {SVG, "held_svg", "^svgwriter::error : held_svg.svg nicht geschrieben\r\n$"},
    };
    for (const Case& c : cases) {
        const std::string folder = std::string(c.name) + "." + std::string(c.name).substr(5);
        std::filesystem::create_directories(folder);
        EXPECT_FATAL(
            {
                desk d;
                d.open(c.device, c.name);
                d.line(10, 10, 20, 20, 1);
                d.close();
            },
            c.message);
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    }
}

#ifndef _WIN32
// Writes to /dev/full fail as on a full disk: a temporary name linked there makes one file fail.
// The desk lives until the exit, which must not finish its other files, nor delete a writer again.
TEST(FileEnding, AFailedRunKeepsTheOlderFileLeavesNothingUnfinishedAndEndsOnce) {
    testing_support::writeFile("kept.eps", "an older drawing");
    std::filesystem::remove("kept.plt.tmp");
    std::filesystem::create_symlink("/dev/full", "kept.plt.tmp");
    // The plot file fails while drawing.
    EXPECT_FATAL(
        {
            static desk d;
            d.open(everyFile, "kept");
            for (int i = 0; i < 20000; ++i)
                d.line(static_cast<float>(i % 97), 10, 50, static_cast<float>(i % 89), i % 16);
            d.close();
        },
        "^corel::error : kept.plt nicht geschrieben\r\n$");
    EXPECT_EQ(readFile("kept.eps"), "an older drawing");
    // The EPS file fails while the desk closes: status 1 and its message once.
    std::filesystem::remove("closing.tmp");
    std::filesystem::create_symlink("/dev/full", "closing.tmp");
    EXPECT_FATAL(
        {
            static desk d;
            d.open(everyFile, "closing");
            d.line(10, 10, 20, 20, 1);
            d.close();
        },
        "^postscript::error : closing.eps nicht geschrieben\r\n$");
    EXPECT_FALSE(fileExists("closing.eps"));
    for (const std::string name : {"kept", "closing"})
        for (const char* extension : {".tmp", ".plt", ".pdf", ".pdf.tmp", ".svg", ".svg.tmp"})
            EXPECT_FALSE(fileExists(name + extension)) << name + extension;
}
#endif
