#pragma once
// What the windows report. A window only says what happened; which handler
// runs is decided above the windows, by whoever implements WindowEvents.

enum class WindowEvent {
    MainWindowCreated,
    BrandSelected,
    LogoBrowseClicked,
    BackgroundBrowseClicked,
    PreviewClicked,
    AboutClicked,
    RestoreClicked,
    ApplyClicked,
    ExitClicked,
    PreviewTimerElapsed,
};

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void dispatch(WindowEvent event) = 0;
    // A left-button press on MainWindow's banner, with the modifier keys held.
    virtual void bannerPressed(int x, int y, int keys) = 0;
};
