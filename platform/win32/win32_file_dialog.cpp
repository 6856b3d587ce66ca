#include "platform/win32/win32_file_dialog.h"

#include <commdlg.h>

#include "platform/dialog_filter.h"

bool OpenFileDialogControl::open(HWND owner) {
    const Text filterList = toDialogFilterList(filter_);
    // The dialog writes into the buffer even when it is cancelled.
    std::array<char, kFileNameBufferSize> chosenName = fileName_;

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosenName.data();
    dialog.nMaxFile = static_cast<DWORD>(chosenName.size());
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER |
                   OFN_ENABLESIZING;
    if (!GetOpenFileNameA(&dialog)) return false;

    chosenName.back() = '\0';
    fileName_ = chosenName;
    return true;
}
