// A small window of the test driver that takes the keyboard focus away from the game while it exists.
#pragma once
#include <windows.h>

class FocusThief {
public:
    FocusThief();
    // Destroys the window.
    virtual ~FocusThief();
    FocusThief(const FocusThief&) = delete;
    FocusThief& operator=(const FocusThief&) = delete;

    // Makes the window the foreground window; true once it is.
    bool TakeFocus() const;

private:
    HWND window;
};
