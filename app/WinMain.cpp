// The program's entry point: the window class, start-up and the message loop with the accelerators.
#include <windows.h>
#include "app/App.h"
#include "app/CSEHException.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"

namespace {
WPARAM RunMessageLoop(HACCEL accelerators) {
    MSG message = {};
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0)
            return message.wParam;
        if (result == -1) {
            // A broken queue would return -1 for ever; stop instead of spinning.
            ReportLastError();
            return 0;
        }
        if (accelerators != nullptr && TranslateAcceleratorW(message.hwnd, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    CSEHException::InstallTranslator();
    LoadStringW(instance, IDS_APP_TITLE, AppTitle, TextBufferSize);
    LoadStringW(instance, IDS_WINDOW_CLASS, WindowClassName, TextBufferSize);
    RegisterMainClass(instance);
    // Beep until the version query has said whether the speaker ports may be used.
    Settings.UsePlatformBeep = 1;
    if (!TheApp.InitInstance(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    if (accelerators == nullptr)
        ReportLastError();
    return static_cast<int>(RunMessageLoop(accelerators));
}
