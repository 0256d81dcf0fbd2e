#include "common/outputfile.h"

#include "common/endprocess.h"

#include <algorithm>
#include <iostream>
#include <mutex>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velora {

namespace {

// The files open in the process, shared by every writer (files are opened on the client's
// thread, but a window thread may save a page while it draws).
std::mutex sharedOpenFilesLock;
std::vector<OutputFile*> sharedOpenFiles;

// Gives `from` the name `to`, replacing a file of that name (not a folder) in one step.
bool replaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

void OutputFile::enlist() {
    std::lock_guard<std::mutex> hold(sharedOpenFilesLock);
    sharedOpenFiles.push_back(this);
}

void OutputFile::delist() {
    std::lock_guard<std::mutex> hold(sharedOpenFilesLock);
    sharedOpenFiles.erase(std::remove(sharedOpenFiles.begin(), sharedOpenFiles.end(), this),
                          sharedOpenFiles.end());
}

void OutputFile::abandonAll() {
    std::lock_guard<std::mutex> hold(sharedOpenFilesLock);
    for (OutputFile* open : sharedOpenFiles) {
        if (!open->file) continue;
        std::fclose(open->file);
        open->file = nullptr;
        open->used = 0;
        std::remove(open->path.c_str());
    }
    sharedOpenFiles.clear();
}

OutputFile::~OutputFile() {
    close();
}

bool OutputFile::open(const char* name) {
    close();
    file = std::fopen(name, "wb");
    if (!file) return false;
    enlist();
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
    delist();
    if (!flushed || !closed) fail();
    // A file that cannot take its final name (a folder has it, or a viewer holds it open on
    // Windows) is complete and stays under its temporary name, but the name asked for is not
    // there.
    if (!finalPath.empty() && !replaceFile(path, finalPath)) fail(false);
}

void OutputFile::fail(bool removeFile) {
    if (file) std::fclose(file);
    file = nullptr;
    delist();
    used = 0;
    // What could not be finished must not be taken for the file.
    if (removeFile) std::remove(path.c_str());
    const std::string& known = finalPath.empty() ? path : finalPath;
    std::cout << failurePrefix << (failureName.empty() ? known : failureName)
              << " nicht geschrieben" << failureLineEnd;
    endProcess();
}

} // namespace velora
