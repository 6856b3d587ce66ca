#include "platform/win32/win32_user_services.h"

#include <utility>

#include "platform/win32/win32_image_measure.h"
#include "platform/win32/win32_message_box.h"

Win32UserServices::Win32UserServices(std::function<HWND()> dialogOwner)
    : dialogOwner_(std::move(dialogOwner)) {}

void Win32UserServices::showMessage(const Text& text, int style, const Text& title) {
    win32::showMessageBox(text, style, title);
}

void Win32UserServices::setDialogFilter(const Text& filter) { fileDialog_.setFilter(filter); }

bool Win32UserServices::openFileDialog() {
    return fileDialog_.open(dialogOwner_ ? dialogOwner_() : nullptr);
}

Text Win32UserServices::dialogFileName() const { return fileDialog_.fileName(); }

int Win32UserServices::imageWidth(const Text& path) {
    int width = 0;
    int height = 0;
    win32::measureImageFile(path, width, height);
    return width;
}

int Win32UserServices::imageHeight(const Text& path) {
    int width = 0;
    int height = 0;
    win32::measureImageFile(path, width, height);
    return height;
}
