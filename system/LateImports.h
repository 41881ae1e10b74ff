// The three system functions the game calls through entries that load their DLLs at the first call.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>

BOOL WINAPI LateChooseColorA(LPCHOOSECOLORA choice);
HINSTANCE WINAPI LateShellExecuteA(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                                   INT showCommand);
MCIERROR WINAPI LateMciSendCommandA(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
