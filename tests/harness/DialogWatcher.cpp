// Enumerating the game's dialogs across processes and pressing their buttons.
#include "DialogWatcher.h"
#include "ProcessWindows.h"
#include "Waiting.h"

namespace {
const int MessageTextId = 0xFFFF;

std::string WindowText(HWND window) {
    char buffer[2048] = {};
    if (window) GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}
}

DialogWatcher::DialogWatcher(DWORD processId) : processId(processId) {}

DialogWatcher::~DialogWatcher() {}

std::vector<DialogSeen> DialogWatcher::Visible() const {
    std::vector<DialogSeen> dialogs;
    for (HWND window : VisibleWindowsOf(processId, "#32770"))
        dialogs.push_back({window, WindowText(window), WindowText(GetDlgItem(window, MessageTextId))});
    return dialogs;
}

bool DialogWatcher::WaitFor(const std::string& caption, DWORD timeoutMs, DialogSeen& found) const {
    return WaitForMatch([&](const DialogSeen& dialog) { return dialog.caption == caption; }, timeoutMs, found);
}

bool DialogWatcher::WaitForMatch(const std::function<bool(const DialogSeen&)>& match, DWORD timeoutMs,
                                 DialogSeen& found) const {
    return WaitUntil([&] {
        for (const DialogSeen& dialog : Visible()) {
            if (!match(dialog)) continue;
            found = dialog;
            return true;
        }
        return false;
    }, timeoutMs);
}

bool DialogWatcher::WaitUntilNoneVisible(DWORD timeoutMs) const {
    return WaitUntil([&] { return Visible().empty(); }, timeoutMs);
}

void DialogWatcher::Press(const DialogSeen& dialog, int buttonId) {
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}
