// The three system functions the game calls through entries that load their DLLs at the first call.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>

BOOL WINAPI LateChooseColorW(LPCHOOSECOLORW choice);
HINSTANCE WINAPI LateShellExecuteW(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                                   INT showCommand);
MCIERROR WINAPI LateMciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
