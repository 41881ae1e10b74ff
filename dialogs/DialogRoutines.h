// Small routines every dialog uses: centring over the parent and reading or writing control texts.
#pragma once
#include <windows.h>

// Moves a window, keeping its size and Z order, so that it is centred over its parent (halves rounded
// toward zero, screen coordinates). Does nothing for a window without a parent.
void CenterOverParent(HWND window);
// Sets a control's text; does nothing when the control is missing.
void SetDlgText(HWND dialog, int controlId, const wchar_t* text);
// Reads a control's text into buffer: empties it first, stores at most size - 1 characters and the
// terminating zero. Does nothing more when the control is missing.
void GetDlgText(HWND dialog, int controlId, wchar_t* buffer, int size);
// Writes a signed 32-bit value as "%d" into a control.
void SetDlgNumber(HWND dialog, int controlId, int value);
