// Three system functions whose DLLs load at their first call instead of before the game starts:
// comdlg32 and shell32 bring a dozen more DLLs with them and winmm starts its drivers, which together
// take longer than the rest of the start-up, while only the colour chooser, the help file and the music
// need them. The game calls these entries instead of the imported functions, so the DLLs are never imported.
#include "system/LateImports.h"
#include <shellapi.h>

namespace {
// The entry point `name` of `dll`, which stays loaded for the rest of the process; null when missing.
template <typename Proc>
Proc LateEntry(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryW(dll);
    return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
}  // namespace

BOOL WINAPI LateChooseColorW(LPCHOOSECOLORW choice) {
    static const auto entry = LateEntry<BOOL(WINAPI*)(LPCHOOSECOLORW)>(L"comdlg32.dll", "ChooseColorW");
    return entry ? entry(choice) : FALSE;
}

HINSTANCE WINAPI LateShellExecuteW(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                                   INT showCommand) {
    static const auto entry =
        LateEntry<HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT)>(L"shell32.dll", "ShellExecuteW");
    if (!entry) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return entry(window, verb, file, parameters, folder, showCommand);
}

MCIERROR WINAPI LateMciSendCommandW(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
    static const auto entry =
        LateEntry<MCIERROR(WINAPI*)(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR)>(L"winmm.dll", "mciSendCommandW");
    return entry ? entry(device, message, flags, parameters) : MCIERR_CANNOT_LOAD_DRIVER;
}
