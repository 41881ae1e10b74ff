// The CBT hook that answers dialogs on the test thread, each window once.
#include "support/MessageBoxAnswerer.h"

namespace {
thread_local MessageBoxAnswerer* current = nullptr;
const char AnsweredProperty[] = "ZarnockTestAnswered";
}

MessageBoxAnswerer::MessageBoxAnswerer(AnswerFunction answer)
    : answer(std::move(answer)),
      hook(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId())) {
    current = this;
}

MessageBoxAnswerer::MessageBoxAnswerer(int commandId)
    : MessageBoxAnswerer([commandId](const SeenDialog&) { return commandId; }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (hook) UnhookWindowsHookEx(hook);
    if (current == this) current = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Wine also sends an activation with no window when a dialog closes.
    if (code == HCBT_ACTIVATE && wParam && current) current->OnActivate(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxAnswerer::OnActivate(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || GetPropA(window, AnsweredProperty)) return;
    SetPropA(window, AnsweredProperty, reinterpret_cast<HANDLE>(1));

    SeenDialog dialog;
    dialog.window = window;
    char buffer[2048] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    dialog.caption = buffer;
    buffer[0] = 0;
    GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);
    dialog.text = buffer;
    seen.push_back(dialog);

    const int command = answer(dialog);
    if (command) PostMessageA(window, WM_COMMAND, command, 0);
}
