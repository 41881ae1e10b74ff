// Reads the display's dots per inch and scales lengths to it.
#include "system/DisplayScale.h"
#include <cmath>
#include "system/WindowDC.h"

namespace {
using GetDpiForSystemFunction = UINT(WINAPI*)();

// GetDpiForSystem is absent before Windows 10, so it is looked up rather than imported.
UINT DpiForSystem() {
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user) return 0;
    const auto entry =
        reinterpret_cast<GetDpiForSystemFunction>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForSystem")));
    return entry ? entry() : 0;
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

int DisplayScale::Scale(int length) const {
    return static_cast<int>(std::lround(static_cast<double>(length) * dpi / BaseDpi));
}
