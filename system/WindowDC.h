// A device context of a window's client area, released when it goes out of scope.
#pragma once
#include <windows.h>

class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(GetDC(window)) {}
    virtual ~WindowDC() { if (dc) ReleaseDC(window, dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc; }

private:
    HWND window;
    HDC dc;
};
