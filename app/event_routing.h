#pragma once
// Which handler each window and control event reaches.
#include <optional>

#include "app/window_operations.h"
#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

enum class RoutedEvent {
    MainWindowCreated,
    BrandSelected,
    LogoBrowseClicked,
    BackgroundBrowseClicked,
    PreviewClicked,
    AboutClicked,
    RestoreClicked,
    ApplyClicked,
    ExitClicked,
    PreviewTimerElapsed,
};

// The click events of MainWindow's buttons, by control ID.
std::optional<RoutedEvent> buttonClickEvent(int controlId);

class EventRouter {
public:
    EventRouter(OemProfile& profile, SystemServices& system, UserServices& user,
                WindowOperations& windows)
        : profile_(profile), system_(system), user_(user), windows_(windows) {}

    void dispatch(RoutedEvent event);
    void bannerPressed(int x, int y, int keys);

private:
    OemProfile& profile_;
    SystemServices& system_;
    UserServices& user_;
    WindowOperations& windows_;
};
