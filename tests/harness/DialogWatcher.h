// Finds the message boxes and dialogs ("#32770" windows) of the game's process and answers them.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct DialogSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;  // the message text of a message box (control 0xFFFF); empty for other dialogs
};

class DialogWatcher {
public:
    explicit DialogWatcher(DWORD processId);
    virtual ~DialogWatcher();

    // The visible dialogs of the process as they are now.
    std::vector<DialogSeen> Visible() const;
    // Waits for a visible dialog with this caption; true and the dialog in `found` when one appears.
    bool WaitFor(const std::string& caption, DWORD timeoutMs, DialogSeen& found) const;
    // Waits for any dialog matching `match`.
    bool WaitForMatch(const std::function<bool(const DialogSeen&)>& match, DWORD timeoutMs,
                      DialogSeen& found) const;
    bool WaitUntilNoneVisible(DWORD timeoutMs) const;
    // Presses a button of a dialog as a click does (WM_COMMAND with the button's id).
    static void Press(const DialogSeen& dialog, int buttonId);

private:
    DWORD processId;
};
