// Shared by the EPS import tests: small EPS files imported onto a desk opened on EPS, and the
// temporary picture files the import leaves in the working folder.
#pragma once

#include "desk/desk.h"

#include <filesystem>
#include <functional>
#include <string>

namespace import_test {

// The lines a desk opened on EPS writes first; an imported body follows them.
extern const std::string opened;

// Writes `name`.eps holding `file`, imports it onto a desk opened on EPS (file `name`-copy.eps)
// and returns what the import drew: the copy's body after its opening lines. `after` runs on the
// desk once the import has ended.
std::string imported(const std::string& name, const std::string& file,
                     const std::function<void(desk&)>& after = {});

// Works in a folder of its own while it lives: tests run side by side in one working folder, and
// each process numbers its temporary pictures from tmp0.bmp.
class InFolder {
public:
    explicit InFolder(const std::string& name);
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path previous;
};

// The name of the temporary picture the next import will write: the library numbers them over
// the whole process, so the tests count the pictures they had imported.
std::string nextPicture();
// Counts a picture as imported, removing its file; returns its bytes.
std::string takePicture();

} // namespace import_test
