// Starting, watching and ending the game's process.
#include "GameProcess.h"
#include <vector>
#include "ProcessWindows.h"
#include "Waiting.h"

namespace {
const char MainWindowClass[] = "ZARNOCK";
}

GameProcess::GameProcess() : info() {}

GameProcess::~GameProcess() {
    Kill();
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
}

bool GameProcess::Start(const std::string& exePath, const std::string& workingDirectory) {
    if (info.hProcess) return false;
    std::string commandLine = "\"" + exePath + "\"";
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(exePath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDirectory.c_str(), &startup, &info) != FALSE;
}

HWND GameProcess::FindMainWindow() const {
    const std::vector<HWND> windows = VisibleWindowsOf(info.dwProcessId, MainWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND GameProcess::WaitForMainWindow(DWORD timeoutMs) const {
    if (!info.hProcess) return nullptr;
    HWND window = nullptr;
    WaitUntil([&] { window = FindMainWindow(); return window != nullptr || !IsRunning(); }, timeoutMs);
    if (!window) return nullptr;
    // The window exists before start-up has finished; the program is ready once it waits for input.
    if (WaitForInputIdle(info.hProcess, timeoutMs) != 0) return nullptr;
    return IsRunning() ? window : nullptr;
}

bool GameProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const {
    if (!info.hProcess) return false;
    bool ended = WaitUntil([&] { return !IsRunning(); }, timeoutMs);
    if (!ended) return false;
    return GetExitCodeProcess(info.hProcess, &exitCode) != FALSE;
}

bool GameProcess::IsRunning() const {
    return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

void GameProcess::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
}
