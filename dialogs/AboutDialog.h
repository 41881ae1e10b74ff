// The about box with the program's name and version.
#pragma once
#include <windows.h>

// Dialog procedure of template IDD_ABOUT.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
