#include "ui/main_window_profile.h"

#include <utility>

#include "platform/win32/picture_box.h"
#include "ui/control_ids.h"
#include "ui/main_window.h"

namespace {

int controlIdOf(ProfileField field) {
    switch (field) {
    case ProfileField::Manufacturer: return kIdManufacturerEdit;
    case ProfileField::Model: return kIdModelEdit;
    case ProfileField::SupportPhone: return kIdSupportPhoneEdit;
    case ProfileField::SupportHours: return kIdSupportHoursEdit;
    case ProfileField::SupportUrl: return kIdSupportUrlEdit;
    case ProfileField::LogoPath: return kIdLogoPathEdit;
    case ProfileField::BackgroundPath: return kIdBackgroundPathEdit;
    }
    return 0;
}

}  // namespace

Text MainWindowProfile::text(ProfileField field) const {
    const MainWindow* window = currentWindow_();
    const HWND edit = window ? window->control(controlIdOf(field)) : nullptr;
    if (!edit) return {};
    Text content(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    content.resize(static_cast<size_t>(
        GetWindowTextA(edit, content.data(), static_cast<int>(content.size()))));
    return content;
}

void MainWindowProfile::setText(ProfileField field, const Text& text) {
    const MainWindow* window = currentWindow_();
    if (window) SetWindowTextA(window->control(controlIdOf(field)), text.c_str());
}

const Bytes& MainWindowProfile::logoBytes() const {
    static const Bytes kNoBytes;
    const MainWindow* window = currentWindow_();
    return window ? pictureBoxBytes(window->control(kIdLogoPicture)) : kNoBytes;
}

void MainWindowProfile::setLogoBytes(Bytes bytes) {
    const MainWindow* window = currentWindow_();
    if (window) setPictureBoxBytes(window->control(kIdLogoPicture), std::move(bytes));
}

int MainWindowProfile::selectedBrandIndex() const {
    const MainWindow* window = currentWindow_();
    if (!window) return -1;
    return static_cast<int>(SendMessageA(window->control(kIdBrandList), CB_GETCURSEL, 0, 0));
}
