// Centring dialogs over their parents and reading or writing control texts.
#include "dialogs/DialogRoutines.h"
#include <cstdio>

void CenterOverParent(HWND window) {
    HWND parent = GetParent(window);
    if (parent == nullptr)
        return;
    RECT own;
    RECT outer;
    if (!GetWindowRect(window, &own) || !GetWindowRect(parent, &outer))
        return;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    // C++ division truncates toward zero, which is the rounding wanted for each half.
    const int left = (outer.left + outer.right) / 2 - width / 2;
    const int top = (outer.top + outer.bottom) / 2 - height / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetDlgText(HWND dialog, int controlId, const char* text) {
    HWND control = GetDlgItem(dialog, controlId);
    if (control != nullptr)
        SetWindowTextA(control, text);
}

void GetDlgText(HWND dialog, int controlId, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return;
    buffer[0] = '\0';
    HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr)
        return;
    GetWindowTextA(control, buffer, size);
    buffer[size - 1] = '\0';
}

void SetDlgNumber(HWND dialog, int controlId, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgText(dialog, controlId, text);
}
