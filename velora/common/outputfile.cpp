#include "common/outputfile.h"

#include "common/endprocess.h"

#include <iostream>

namespace velora {

OutputFile::~OutputFile() {
    close();
}

bool OutputFile::open(const char* name) {
    close();
    file = std::fopen(name, "wb");
    if (!file) return false;
    path = name;
    finalPath.clear();
    used = 0;
    return true;
}

bool OutputFile::openReplacing(const char* temporaryName, const char* finalName) {
    if (!open(temporaryName)) return false;
    finalPath = finalName ? finalName : "";
    return true;
}

void OutputFile::describeFailure(const char* prefix, const char* shownName, const char* lineEnd) {
    failurePrefix = prefix ? prefix : "";
    failureName = shownName ? shownName : "";
    failureLineEnd = lineEnd ? lineEnd : "";
}

void OutputFile::makeRoom(std::size_t) {
    if (used > 0 && file && std::fwrite(buffer, 1, used, file) != used) fail();
    used = 0;
}

void OutputFile::writeThrough(const char* text, std::size_t length) {
    if (file && std::fwrite(text, 1, length, file) != length) fail();
}

void OutputFile::seek(long offset) {
    makeRoom(0);
    if (file && (std::fflush(file) != 0 || std::fseek(file, offset, SEEK_SET) != 0)) fail();
}

void OutputFile::close() {
    if (!file) return;
    makeRoom(0);
    // The last bytes reach the disk only now: a full disk may first show here.
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!flushed || !closed) fail();
    if (!finalPath.empty()) {
        std::remove(finalPath.c_str());
        // The file is complete then and stays under its temporary name (the final name may be
        // held open by a viewer on Windows), but the name asked for is not there.
        if (std::rename(path.c_str(), finalPath.c_str()) != 0) fail(false);
    }
}

void OutputFile::fail(bool removeFile) {
    if (file) std::fclose(file);
    file = nullptr;
    used = 0;
    // What could not be finished must not be taken for the file.
    if (removeFile) std::remove(path.c_str());
    const std::string& known = finalPath.empty() ? path : finalPath;
    std::cout << failurePrefix << (failureName.empty() ? known : failureName)
              << " nicht geschrieben" << failureLineEnd;
    endProcess();
}

} // namespace velora
