// One running copy of the game: started with CreateProcess, waited for, and killed on every way out.
#pragma once
#include <windows.h>
#include <string>

class GameProcess {
public:
    GameProcess();
    // Kills the process if it is still running and closes its handles.
    virtual ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Starts `exePath` with `workingDirectory` as its current directory; false when it could not start.
    bool Start(const std::string& exePath, const std::string& workingDirectory);
    // Waits for the visible main window (class "ZARNOCK") and for the program to reach its message loop;
    // null when the process ends or the time runs out first.
    HWND WaitForMainWindow(DWORD timeoutMs) const;
    // True when the process ended within the time; its exit code is then in `exitCode`.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;
    bool IsRunning() const;
    DWORD Id() const { return info.dwProcessId; }
    HANDLE Handle() const { return info.hProcess; }
    void Kill();

private:
    HWND FindMainWindow() const;

    PROCESS_INFORMATION info;
};
