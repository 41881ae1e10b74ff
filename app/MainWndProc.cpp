// The main window's class and procedure: every message is passed to a handler of the application object.
#include <windows.h>
#include <mmsystem.h>
#include "app/App.h"
#include "resources/ResourceIds.h"

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZARNOCK));
    // IDC_ARROW is an integer resource id, spelled for the ANSI function.
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = nullptr;  // the window fills its own background
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = WindowClassName;
    windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SMALL));
    return RegisterClassExW(&windowClass);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        TheApp.Cleanup(window);
        PostQuitMessage(0);
        return 0;
    case WM_SETFOCUS:
        TheApp.OnSetFocus(window);
        return 0;
    case WM_KILLFOCUS:
        TheApp.OnKillFocus(window);
        return 0;
    case WM_PAINT:
        TheApp.OnPaint(window);
        return 0;
    case WM_CLOSE:
        TheApp.SavePlacement(window);
        break;
    case WM_ENDSESSION:
        TheApp.OnEndSession(window, wParam != FALSE);
        break;
    case WM_ERASEBKGND:
        return TheApp.OnEraseBkgnd(window, reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
        if (TheApp.OnKeyDown(window, wParam))
            return 0;
        break;
    case WM_COMMAND:
        if (TheApp.OnCommand(window, LOWORD(wParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_TIMER:
        if (TheApp.OnTimer(window, wParam))
            return 0;
        break;
    case WM_INITMENU:
        TheApp.OnInitMenu(window);
        return 0;
    case WM_MENUSELECT:
        if (TheApp.OnMenuSelect(window, HIWORD(wParam), reinterpret_cast<HMENU>(lParam)))
            return 0;
        break;
    case WM_SIZING:
        TheApp.OnSizing(window, wParam, reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_DPICHANGED:
        return TheApp.OnDpiChanged(window, LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    case MM_MCINOTIFY:
        TheApp.OnMusicNotify(window, wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
