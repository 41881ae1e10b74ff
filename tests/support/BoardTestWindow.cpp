// The hidden board test window: its class, its window procedure and its painting.
#include "support/BoardTestWindow.h"
#include "dialogs/LevelUpNotice.h"
#include "game/Board.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"
#include "support/GameTestEnvironment.h"

namespace {
const char ClassName[] = "ZarnockBoardTestWindow";

void RegisterTestClass(WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = ClassName;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);  // fails harmlessly when the class is already there
}
}  // namespace

BoardTestWindow::BoardTestWindow(int clientWidth, int clientHeight)
    : window(nullptr), board(nullptr), levelUps(0) {
    RegisterTestClass(WindowProc);
    window = CreateWindowExA(0, ClassName, "Zarnock board test", WS_POPUP, 0, 0, clientWidth, clientHeight,
                             nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

BoardTestWindow::~BoardTestWindow() {
    Attach(nullptr);
    if (window) DestroyWindow(window);
}

void BoardTestWindow::Attach(Board* attached) { board = attached; }

BoardHost BoardTestWindow::Host() {
    BoardHost host = CardHost();
    host.gameOver = [this](HWND, int reason) {
        gameIsOver = true;
        lastEndReason = reason;
    };
    host.isPaused = [this] { return paused; };
    host.isGameOver = [this] { return gameIsOver; };
    host.showLevelUpNotice = [](HWND owner) {
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LEVEL_UP), owner, LevelUpNoticeProc, 0);
    };
    return host;
}

void BoardTestWindow::Paint() {
    if (!board) return;
    WindowDC dc(window);
    board->Paint(dc, window);
}

void BoardTestWindow::SetClientSize(int clientWidth, int clientHeight) {
    SetWindowPos(window, nullptr, 0, 0, clientWidth, clientHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK BoardTestWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    BoardTestWindow* self = reinterpret_cast<BoardTestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->window == window) return self->HandleMessage(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT BoardTestWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (board) board->Paint(dc, window);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == ID_LEVEL_UP && board) {
        ++levelUps;
        if (beforeLevelUp) beforeLevelUp();
        board->LevelUp(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
