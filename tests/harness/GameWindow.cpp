// Reading and driving the game's main window from the test process.
#include "GameWindow.h"
#include "Waiting.h"

GameWindow::GameWindow(HWND window) : window(window) {}

GameWindow::~GameWindow() {}

std::string GameWindow::Title() const {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

bool GameWindow::WaitForTitle(const std::string& title, DWORD timeoutMs) const {
    return WaitUntil([&] { return Title() == title; }, timeoutMs);
}

RECT GameWindow::ClientRect() const {
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

RECT GameWindow::WindowRect() const {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool GameWindow::IsMaximized() const { return IsZoomed(window) != FALSE; }

void GameWindow::PostKey(WORD virtualKey) const {
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, scanCode | 1);
    PostMessageA(window, WM_KEYUP, virtualKey, scanCode | 1 | (1u << 30) | (1u << 31));
}

bool GameWindow::TypeChord(WORD modifier, WORD virtualKey) const {
    if (!BringToFront()) return false;
    INPUT inputs[4] = {};
    const WORD keys[4] = {modifier, virtualKey, virtualKey, modifier};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], 0));
        inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    return SendInput(4, inputs, sizeof(INPUT)) == 4;
}

void GameWindow::PostCommand(int commandId) const {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void GameWindow::PostSystemCommand(WPARAM command, LPARAM parameter) const {
    PostMessageA(window, WM_SYSCOMMAND, command, parameter);
}

void GameWindow::OpenMenu(char mnemonic) const { PostSystemCommand(SC_KEYMENU, mnemonic); }

void GameWindow::CancelMenu() const { PostMessageA(window, WM_CANCELMODE, 0, 0); }

bool GameWindow::BringToFront() const {
    SetForegroundWindow(window);
    return WaitUntil([&] { return IsForeground(); }, 2000);
}

bool GameWindow::IsForeground() const { return GetForegroundWindow() == window; }
