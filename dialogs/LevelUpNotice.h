// The notice that announces a new level and closes itself after one second.
#pragma once
#include <windows.h>

// Dialog procedure of template IDD_LEVEL_UP; the caller stops the drop timer around it.
INT_PTR CALLBACK LevelUpNoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
