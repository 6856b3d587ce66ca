#include "app/routing/event_routing.h"

#include "app/routing/about_handlers.h"
#include "app/routing/main_handlers.h"
#include "app/routing/preview_handlers.h"
#include "profile/choose_background.h"
#include "profile/choose_logo.h"
#include "profile/preset_handlers.h"
#include "system/apply_oem_settings.h"
#include "system/restore_defaults.h"

void EventRouter::dispatch(WindowEvent event) {
    switch (event) {
    case WindowEvent::MainWindowCreated: mainWindowCreated(profile_); break;
    case WindowEvent::BrandSelected: applySelectedPreset(profile_); break;
    case WindowEvent::LogoBrowseClicked: chooseLogo(profile_, system_, user_); break;
    case WindowEvent::BackgroundBrowseClicked: chooseBackground(profile_, system_, user_); break;
    case WindowEvent::PreviewClicked: showPreview(profile_, user_, windows_); break;
    case WindowEvent::AboutClicked: showAbout(windows_); break;
    case WindowEvent::RestoreClicked: restoreDefaults(system_, user_); break;
    case WindowEvent::ApplyClicked: applyOemSettings(profile_, system_, user_); break;
    case WindowEvent::ExitClicked: exitProgram(windows_); break;
    case WindowEvent::PreviewTimerElapsed: closePreview(windows_); break;
    }
}

void EventRouter::bannerPressed(int x, int y, int keys) { bannerMousePressed(x, y, keys); }
