// Centring dialogs over their parents and reading or writing control texts.
#include "dialogs/DialogRoutines.h"
#include "system/NumberText.h"
#include <string>

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

void SetDlgText(HWND dialog, int controlId, const wchar_t* text) {
    HWND control = GetDlgItem(dialog, controlId);
    if (control != nullptr)
        SetWindowTextW(control, text);
}

void GetDlgText(HWND dialog, int controlId, wchar_t* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return;
    buffer[0] = L'\0';
    HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr)
        return;
    GetWindowTextW(control, buffer, size);
    buffer[size - 1] = L'\0';
}

void SetDlgNumber(HWND dialog, int controlId, int value) { SetDlgText(dialog, controlId, NumberText(value).c_str()); }
