#pragma once
// Messages, the open-file dialog control and image measuring on Win32, one
// file per job: win32_message_box.cpp, win32_file_dialog.cpp and
// win32_image_measure.cpp.
#include <windows.h>

#include <array>
#include <functional>

#include "platform/user_services.h"

class Win32UserServices final : public UserServices {
public:
    static constexpr std::size_t kFileNameBufferSize = 260;

    // `dialogOwner` names the window the open-file dialog is modal over; it is
    // asked at each opening, as that window may not exist yet when this is built.
    explicit Win32UserServices(std::function<HWND()> dialogOwner);

    // No owner; MB_TASKMODAL keeps every window of this thread from taking
    // input until it is closed.
    void showMessage(const Text& text, int style, const Text& title) override;
    // Label and pattern pairs joined by "|".
    void setDialogFilter(const Text& filter) override;
    // On cancel the file name stays as it was.
    bool openFileDialog() override;
    Text dialogFileName() const override;
    // Measured from the bytes by the decoders; a bitmap they cannot read is
    // tried by the system, which loads it from `path` again.
    PictureSize measurePicture(const Bytes& bytes, const Text& path) override;

private:
    std::function<HWND()> dialogOwner_;
    Text dialogFilter_;
    std::array<char, kFileNameBufferSize> dialogFileName_{};
};
