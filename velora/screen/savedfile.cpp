#include "screen/savedfile.h"

#include <windows.h>

#include <string>

bool writeWholeFile(const char* name, const std::vector<unsigned char>& bytes) {
    if (!name || !*name) return false;
    const std::string temporary = std::string(name) + ".velora-part";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = true;
    std::size_t done = 0;
    while (written && done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD wrote = 0;
        written = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
        done += wrote;
    }
    written = CloseHandle(file) && written;
    if (written)
        written = MoveFileExA(temporary.c_str(), name,
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!written) DeleteFileA(temporary.c_str());
    return written;
}
