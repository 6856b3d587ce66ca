#pragma once
// Which handler each event the windows report reaches.
#include "app/windowing/window_events.h"
#include "app/windowing/window_operations.h"
#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

class EventRouter final : public WindowEvents {
public:
    EventRouter(OemProfile& profile, SystemServices& system, UserServices& user,
                WindowOperations& windows)
        : profile_(profile), system_(system), user_(user), windows_(windows) {}

    void dispatch(WindowEvent event) override;
    void bannerPressed(int x, int y, int keys) override;

private:
    OemProfile& profile_;
    SystemServices& system_;
    UserServices& user_;
    WindowOperations& windows_;
};
