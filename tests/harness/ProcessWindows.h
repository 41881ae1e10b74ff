// Finding the visible top-level windows of one process by their window class.
#pragma once
#include <windows.h>
#include <vector>

// Topmost first, as EnumWindows lists them.
std::vector<HWND> VisibleWindowsOf(DWORD processId, const char* className);
