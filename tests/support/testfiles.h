// Helpers the tests share: reading whole files, and asking outside programs (Ghostscript,
// ImageMagick, hp2xx) for their opinion of a file where they are installed.
#pragma once

#include <string>

namespace testing_support {

// The whole file as bytes; empty if it cannot be read.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// A file of the checked-in test data.
std::string dataPath(const std::string& name);
// The folder where the build put the stroke font file Velfont.bin.
std::string fontDirectory();
// A folder named after `name` and this process, made if missing: test cases run as parallel
// processes, and a fixture one of them writes must never be rewritten while another reads it.
std::string processFolder(const std::string& name);

// The little-endian 32-bit number at a byte offset of a file's bytes.
unsigned long readLe32(const std::string& bytes, std::size_t at);

// True when the program can be run here (never under Wine: it has no Linux programs).
bool hasTool(const char* program);
// Runs a shell command and returns its exit status and what it printed.
int runCommand(const std::string& command, std::string* output = nullptr);

// Renders an EPS file with Ghostscript's bbox device; empty on success, else what gs said.
// Without Ghostscript it answers success. With `cropped` the page is the file's bounding box,
// as when the picture is placed in a document.
std::string ghostscriptProblems(const std::string& epsPath, bool cropped = false);

// Converts an HPGL file with hp2xx; empty when hp2xx read it without complaint (exit status 0, no
// command ignored), else what it said. Without hp2xx it answers success.
std::string hp2xxProblems(const std::string& pltPath);

} // namespace testing_support
