#pragma once
#include "app/windowing/window_operations.h"

// Opens the about window modally; returns once it is closed.
void showAbout(WindowOperations& windows);
