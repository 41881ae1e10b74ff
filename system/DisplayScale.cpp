// Reads the display's dots per inch and scales lengths to it.
#include "system/DisplayScale.h"
#include <climits>
#include <cmath>
#include "system/WindowDC.h"

namespace {
// GetDpiForSystem and GetDpiForWindow are absent before Windows 10, so they are looked up rather than imported.
template <typename Function>
Function UserEntry(const char* name) {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

UINT DpiForSystem() {
    const auto entry = UserEntry<UINT(WINAPI*)()>("GetDpiForSystem");
    return entry ? entry() : 0;
}

UINT DpiForWindow(HWND window) {
    const auto entry = UserEntry<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    return entry && window ? entry(window) : 0;
}

int ScreenLogPixels() {
    const WindowDC screen(nullptr);
    return screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
}
}  // namespace

DisplayScale::DisplayScale(int dpi) : dpi(dpi > 0 ? dpi : BaseDpi) {}

int DisplayScale::SystemDpi() {
    const UINT system = DpiForSystem();
    if (system > 0) return static_cast<int>(system);
    const int screen = ScreenLogPixels();
    return screen > 0 ? screen : BaseDpi;
}

int DisplayScale::WindowDpi(HWND window) {
    const UINT own = DpiForWindow(window);
    return own > 0 ? static_cast<int>(own) : SystemDpi();
}

int DisplayScale::Scale(int length) const { return ScaleFrom(length, DisplayScale()); }

int DisplayScale::ScaleFrom(int length, const DisplayScale& from) const {
    const double scaled = static_cast<double>(length) * dpi / from.dpi;
    if (scaled >= INT_MAX) return INT_MAX;
    if (scaled <= INT_MIN) return INT_MIN;
    return static_cast<int>(std::lround(scaled));
}
