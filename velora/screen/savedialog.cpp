#include "screen/savedialog.h"

#include "screen/pagefile.h"

#include <commdlg.h>

namespace {

// The types in the order of the filter; a name without a known extension gets the chosen one's.
const char filter[] = "PNG-Bild (*.png)\0*.png\0Erweiterte Metadatei (*.emf)\0*.emf\0";
const char* const extensions[] = {".png", ".emf"};

} // namespace

bool askPageFileName(HWND owner, std::string& name) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = saveDialogTitle;
    dialog.lpstrDefExt = "png";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return false;
    name = file;
    if (pageFileTypeOf(file) == PageFileType::none) {
        const DWORD chosen = dialog.nFilterIndex == 2 ? 1 : 0;
        name += extensions[chosen];
    }
    return true;
}
