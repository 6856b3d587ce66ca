// The open-file dialog control: it keeps its filter and its file name between
// openings, so the last confirmed path is offered again.
#include <windows.h>

#include <commdlg.h>

#include <utility>

#include "platform/dialog_filter.h"
#include "platform/win32/win32_user_services.h"

Win32UserServices::Win32UserServices(std::function<HWND()> dialogOwner)
    : dialogOwner_(std::move(dialogOwner)) {}

void Win32UserServices::setDialogFilter(const Text& filter) { dialogFilter_ = filter; }

bool Win32UserServices::openFileDialog() {
    const Text filterList = toDialogFilterList(dialogFilter_);
    // The dialog writes into the buffer even when it is cancelled.
    std::array<char, kFileNameBufferSize> chosenName = dialogFileName_;

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = dialogOwner_ ? dialogOwner_() : nullptr;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosenName.data();
    dialog.nMaxFile = static_cast<DWORD>(chosenName.size());
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetOpenFileNameA(&dialog)) return false;

    chosenName.back() = '\0';
    dialogFileName_ = chosenName;
    return true;
}

Text Win32UserServices::dialogFileName() const { return Text(dialogFileName_.data()); }
