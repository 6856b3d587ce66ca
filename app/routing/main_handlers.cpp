#include "app/routing/main_handlers.h"

#include "profile/preset_handlers.h"

void mainWindowCreated(OemProfile& profile) { applySelectedPreset(profile); }

void exitProgram(WindowOperations& windows) { windows.destroyWindow(WindowId::Main); }

void bannerMousePressed(int, int, int) {}
