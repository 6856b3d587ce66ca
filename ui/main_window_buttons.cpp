#include "ui/main_window_buttons.h"

#include "ui/control_ids.h"

std::optional<WindowEvent> buttonClickEvent(int controlId) {
    switch (controlId) {
    case kIdLogoBrowseButton: return WindowEvent::LogoBrowseClicked;
    case kIdBackgroundBrowseButton: return WindowEvent::BackgroundBrowseClicked;
    case kIdPreviewButton: return WindowEvent::PreviewClicked;
    case kIdAboutButton: return WindowEvent::AboutClicked;
    case kIdRestoreButton: return WindowEvent::RestoreClicked;
    case kIdApplyButton: return WindowEvent::ApplyClicked;
    case kIdExitButton: return WindowEvent::ExitClicked;
    default: return std::nullopt;
    }
}
