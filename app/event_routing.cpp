#include "app/event_routing.h"

#include "app/shell_handlers.h"
#include "profile/choose_background.h"
#include "profile/choose_logo.h"
#include "profile/preset_handlers.h"
#include "system/apply_oem_settings.h"
#include "system/restore_defaults.h"
#include "ui/about_handlers.h"
#include "ui/control_ids.h"
#include "ui/preview_handlers.h"

std::optional<RoutedEvent> buttonClickEvent(int controlId) {
    switch (controlId) {
    case kIdLogoBrowseButton: return RoutedEvent::LogoBrowseClicked;
    case kIdBackgroundBrowseButton: return RoutedEvent::BackgroundBrowseClicked;
    case kIdPreviewButton: return RoutedEvent::PreviewClicked;
    case kIdAboutButton: return RoutedEvent::AboutClicked;
    case kIdRestoreButton: return RoutedEvent::RestoreClicked;
    case kIdApplyButton: return RoutedEvent::ApplyClicked;
    case kIdExitButton: return RoutedEvent::ExitClicked;
    default: return std::nullopt;
    }
}

void EventRouter::dispatch(RoutedEvent event) {
    switch (event) {
    case RoutedEvent::MainWindowCreated: mainWindowCreated(profile_); break;
    case RoutedEvent::BrandSelected: applySelectedPreset(profile_); break;
    case RoutedEvent::LogoBrowseClicked: chooseLogo(profile_, system_, user_); break;
    case RoutedEvent::BackgroundBrowseClicked: chooseBackground(profile_, system_, user_); break;
    case RoutedEvent::PreviewClicked: showPreview(profile_, user_, windows_); break;
    case RoutedEvent::AboutClicked: showAbout(windows_); break;
    case RoutedEvent::RestoreClicked: restoreDefaults(system_, user_); break;
    case RoutedEvent::ApplyClicked: applyOemSettings(profile_, system_, user_); break;
    case RoutedEvent::ExitClicked: exitProgram(windows_); break;
    case RoutedEvent::PreviewTimerElapsed: closePreview(windows_); break;
    }
}

void EventRouter::bannerPressed(int x, int y, int keys) { bannerMousePressed(x, y, keys); }
