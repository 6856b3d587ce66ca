#pragma once
// The handlers that belong to the program's shell rather than to a window.
#include "app/windowing/window_operations.h"
#include "profile/oem_profile.h"

// Modifier keys held at a banner press.
enum BannerKeys : int { kBannerKeyCtrl = 1, kBannerKeyShift = 2, kBannerKeyAlt = 4 };

void mainWindowCreated(OemProfile& profile);
void exitProgram(WindowOperations& windows);
void bannerMousePressed(int x, int y, int keys);
