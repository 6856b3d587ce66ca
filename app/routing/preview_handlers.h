#pragma once
#include "app/windowing/window_operations.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

// Opens the preview without blocking, or says that no background is named.
void showPreview(const OemProfile& profile, UserServices& user, WindowOperations& windows);
// Run by the preview's timer.
void closePreview(WindowOperations& windows);
