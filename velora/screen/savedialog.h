// askPageFileName: the common Save dialog of a screen window, offering the page as a PNG picture
// or an enhanced metafile. The name it answers always ends in the chosen type's extension.
#pragma once

#include <windows.h>

#include <string>

// The dialog's caption, by which it is found.
inline constexpr char saveDialogTitle[] = "Speichern unter";

// False when the user cancels.
bool askPageFileName(HWND owner, std::string& name);
