#include "app/routing/about_handlers.h"

void showAbout(WindowOperations& windows) {
    windows.loadWindow(WindowId::About, WindowMode::Modal);
}
