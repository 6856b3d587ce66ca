#pragma once
// The handlers of MainWindow's own events: its creation, the exit button
// and a press on the banner.
#include "app/windowing/window_operations.h"
#include "profile/oem_profile.h"

void mainWindowCreated(OemProfile& profile);
void exitProgram(WindowOperations& windows);
// The banner takes presses but does nothing with them.
void bannerMousePressed(int x, int y, int keys);
