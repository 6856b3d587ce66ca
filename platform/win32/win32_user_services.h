#pragma once
// Messages, the open-file dialog control and image measuring on Win32.
#include <windows.h>

#include <functional>

#include "platform/user_services.h"
#include "platform/win32/win32_file_dialog.h"

class Win32UserServices final : public UserServices {
public:
    // `dialogOwner` names the window the open-file dialog is modal over; it is
    // asked at each opening, as that window may not exist yet when this is built.
    explicit Win32UserServices(std::function<HWND()> dialogOwner);

    void showMessage(const Text& text, int style, const Text& title) override;
    void setDialogFilter(const Text& filter) override;
    bool openFileDialog() override;
    Text dialogFileName() const override;
    int imageWidth(const Text& path) override;
    int imageHeight(const Text& path) override;

private:
    std::function<HWND()> dialogOwner_;
    OpenFileDialogControl fileDialog_;
};
