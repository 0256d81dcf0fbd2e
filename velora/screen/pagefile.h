// savePageFile: the page saved as a PNG picture (encoded by Windows) or an enhanced metafile;
// the name's extension, ".png" or ".emf" in any case, picks the form.
#pragma once

class PagePicture;

enum class PageFileType { none, png, emf };

// The form the name's extension asks for; none for any other extension.
PageFileType pageFileTypeOf(const char* name);
// False, with no file left behind, for another extension or when the file cannot be written.
bool savePageFile(const char* name, const PagePicture& page);
