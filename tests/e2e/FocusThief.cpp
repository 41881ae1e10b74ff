// The driver's own window used to move the focus away from the game.
#include "FocusThief.h"
#include "Waiting.h"

namespace {
const char ThiefClass[] = "ZarnockTestFocusThief";

ATOM RegisterThiefClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = ThiefClass;
    return RegisterClassA(&windowClass);
}
}

FocusThief::FocusThief() : window(nullptr) {
    static const ATOM registered = RegisterThiefClass();
    (void)registered;
    window = CreateWindowExA(0, ThiefClass, "Focus thief", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500, 200, 120,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpFor(50);
}

FocusThief::~FocusThief() {
    if (window) DestroyWindow(window);
    PumpFor(20);
}

bool FocusThief::TakeFocus() const {
    if (!window) return false;
    SetForegroundWindow(window);
    SetFocus(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}
