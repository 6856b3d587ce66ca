#pragma once
// AboutWindow: the product line and the notes for the user; no buttons.
#include <windows.h>

#include "app/windowing/program_window.h"
#include "platform/text.h"

class AboutWindow final : public ProgramWindow {
public:
    static AboutWindow* open(WindowHost& host, HWND owner);

private:
    explicit AboutWindow(WindowHost& host) : ProgramWindow(host, WindowId::About) {}
    bool createControls() override;
};

bool registerAboutWindowClass(HINSTANCE instance);

// The texts, exposed for the tests.
Text aboutProductLine();
extern const char kAboutNotesText[];
