// The main window's message handlers: focus, paint, menus, keys, the drop timer, the background and the music.
#include "app/App.h"
#include "game/Board.h"
#include "game/FallDirection.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"
#include "system/GdiObject.h"
#include "system/SelectedObject.h"

void App::OnSetFocus(HWND window) {
    if (ResumeAllowed())
        SetPaused(window, false);
}

void App::OnKillFocus(HWND window) {
    if (board != nullptr && !Paused)
        SetPaused(window, true);
}

void App::OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (board != nullptr && dc != nullptr) {
        BoardCall call(*this);
        board->Paint(dc, window);
    }
    EndPaint(window, &paint);
}

void App::OnInitMenu(HWND window) {
    if (board != nullptr && !Paused)
        SetPaused(window, true);
}

int App::OnMenuSelect(HWND window, UINT flags, HMENU menu) {
    if (flags != 0xFFFF || menu != nullptr)
        return 0;
    if (ResumeAllowed())
        SetPaused(window, false);
    return 1;
}

int App::OnKeyDown(HWND window, WPARAM virtualKey) {
    if (board == nullptr || Paused || GameIsOver)
        return 0;
    BoardCall call(*this);
    const bool fallingDown = FallDirection() == 1;
    switch (virtualKey) {
    case VK_SPACE:
    case VK_NUMPAD5:
        board->Swap(window);
        return 1;
    case VK_LEFT:
    case VK_NUMPAD4:
        board->MoveLeft(window);
        return 1;
    case VK_RIGHT:
    case VK_NUMPAD6:
        board->MoveRight(window);
        return 1;
    case VK_UP:
    case VK_NUMPAD8:
        // The key that points the way the card falls drops it; the opposite one swaps it.
        if (fallingDown)
            board->Swap(window);
        else
            board->Drop(window);
        return 1;
    case VK_DOWN:
    case VK_NUMPAD2:
        if (fallingDown)
            board->Drop(window);
        else
            board->Swap(window);
        return 1;
    }
    return 0;
}

int App::OnTimer(HWND window, UINT_PTR timerId) {
    if (timerId != DROP_TIMER)
        return 0;
    if (board != nullptr) {
        BoardCall call(*this);
        board->Tick(window);
    }
    return 1;
}

int App::OnEraseBkgnd(HWND window, HDC dc) {
    Brush brush(CreateSolidBrush(Settings.BackgroundColor));
    if (!brush) {
        ReportEraseFailure();
        return 0;
    }
    SelectedObject selected(dc, brush);
    RECT client;
    if (!GetClientRect(window, &client) || !PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY)) {
        ReportEraseFailure();
        return 0;
    }
    eraseFailureReported = 0;
    return 1;
}

void App::ReportEraseFailure() {
    // The message box makes the window erase itself again: mark first, so that failure is shown only once.
    if (eraseFailureReported)
        return;
    eraseFailureReported = 1;
    ReportLastError();
}

int App::OnEndSession(HWND window, bool ending) {
    SavePlacement(window);
    // The session goes on after all: the card must not hang in a running game.
    if (!ending && !Paused)
        SetTimer(window, DROP_TIMER, Settings.DropInterval, nullptr);
    return 0;
}

void App::OnMusicNotify(HWND window, WPARAM status, LPARAM device) { music.OnNotify(window, status, device); }
