// Answers message boxes and dialogs opened on the test's thread, through a CBT hook, and records them.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    std::string caption;
    std::string text;  // the static text of a message box (control 0xFFFF); empty for other dialogs
    HWND window;       // the dialog itself, for answers that click its controls first
};

class MessageBoxAnswerer {
public:
    // `answer` returns the command id to post to the dialog (IDOK, IDYES, ...), or 0 to leave it alone.
    using AnswerFunction = std::function<int(const SeenDialog&)>;

    explicit MessageBoxAnswerer(AnswerFunction answer);
    // Answers every dialog with the same command id.
    explicit MessageBoxAnswerer(int commandId);
    virtual ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    const std::vector<SeenDialog>& Seen() const { return seen; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND window);

    AnswerFunction answer;
    HHOOK hook;
    std::vector<SeenDialog> seen;
};
