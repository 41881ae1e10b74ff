// The game's main window seen from outside: its title, size and place, and keys and commands sent to it.
#pragma once
#include <windows.h>
#include <string>

class GameWindow {
public:
    explicit GameWindow(HWND window);
    virtual ~GameWindow();

    HWND Handle() const { return window; }
    std::string Title() const;
    bool WaitForTitle(const std::string& title, DWORD timeoutMs) const;
    RECT ClientRect() const;
    RECT WindowRect() const;
    bool IsMaximized() const;

    // A plain key press as the window procedure sees it (WM_KEYDOWN, then WM_KEYUP).
    void PostKey(WORD virtualKey) const;
    // A key pressed while `modifier` (VK_CONTROL, VK_MENU) is held, typed for real into the foreground
    // window, so that the program's accelerators see the modifier's key state.
    bool TypeChord(WORD modifier, WORD virtualKey) const;
    void PostCommand(int commandId) const;
    void PostSystemCommand(WPARAM command, LPARAM parameter = 0) const;
    // Opens a menu of the menu bar as Alt + its mnemonic does, and ends menu mode again.
    void OpenMenu(char mnemonic) const;
    void CancelMenu() const;
    bool BringToFront() const;
    bool IsForeground() const;

private:
    HWND window;
};
