#pragma once
// Opening and closing the program's three windows, as handlers see it.

enum class WindowId { Main, Preview, About };
// A modal opening disables the other windows until the window is gone.
enum class WindowMode { Modeless, Modal };

class WindowOperations {
public:
    virtual ~WindowOperations() = default;
    // True when the window was opened or was open already. A modal opening
    // returns only once the window is gone.
    virtual bool loadWindow(WindowId window, WindowMode mode) = 0;
    // Deferred: the window goes once the running handler has returned.
    virtual void destroyWindow(WindowId window) = 0;
};
