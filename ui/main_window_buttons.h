#pragma once
// The event each of MainWindow's buttons raises when clicked, by control ID.
#include <optional>

#include "app/windowing/window_events.h"

// Nothing for a control that is not one of the buttons.
std::optional<WindowEvent> buttonClickEvent(int controlId);
