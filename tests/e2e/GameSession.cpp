// Starting a game for a test from a known registry state, and the waits most tests share.
#include "GameSession.h"
#include "CardSizeProbe.h"
#include "ClientCapture.h"
#include "Waiting.h"

GameSession::GameSession() {}

GameSession::~GameSession() { process.Kill(); }

std::string GameSession::BinFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? "." : folder.substr(0, slash);
}

std::string GameSession::GamePath() { return BinFolder() + "\\zarnock.exe"; }

void GameSession::ClearSettings() const { registry.Clear(); }

void GameSession::UseQuietSettings() const {
    registry.Clear();
    registry.SetDword("ShowWelcome", 0);
    registry.SetDword("Beep", 0);
    registry.SetDword("Music", 0);
    registry.SetDword("FirstBoot", 0);
    registry.SetDword("MinMax", 2);
}

bool GameSession::Start() { return StartFrom(GamePath(), BinFolder()) && WaitForMainWindow(); }

bool GameSession::StartFrom(const std::string& exePath, const std::string& folder) {
    if (!process.Start(exePath, folder)) return false;
    dialogs = std::make_unique<DialogWatcher>(process.Id());
    return true;
}

bool GameSession::WaitForMainWindow() {
    HWND main = process.WaitForMainWindow(StartTimeoutMs);
    if (!main) return false;
    window = std::make_unique<GameWindow>(main);
    return true;
}

BoardView GameSession::View(int upDown) const {
    CardSizeProbe cards(BinFolder() + "\\cards32.dll");
    return BoardView(window->ClientRect(), cards.Width(), cards.Height(), upDown);
}

CardSpot GameSession::WaitForFallingCard(const BoardView& view, DWORD timeoutMs) const {
    CardSpot spot = {-1, -1};
    WaitUntil([&] {
        ClientCapture capture(window->Handle());
        spot = view.FindFallingCard(capture);
        return spot.column >= 0;
    }, timeoutMs);
    return spot;
}

CardSpot GameSession::WaitForCardToLeave(const BoardView& view, const CardSpot& from, DWORD timeoutMs) const {
    CardSpot spot = from;
    WaitUntil([&] {
        ClientCapture capture(window->Handle());
        spot = view.FindFallingCard(capture);
        return spot.column >= 0 && (spot.column != from.column || spot.top != from.top);
    }, timeoutMs, 5);
    return spot;
}

bool GameSession::CloseThroughCloseBox(DWORD& exitCode) {
    window->PostSystemCommand(SC_CLOSE);
    return process.WaitForExit(10000, exitCode);
}

bool GameSession::LandACardOnTheMiddleStack(const BoardView& view) const {
    window->PostKey(VK_DOWN);
    return WaitUntil([&] { return MiddleStackHoldsACard(view); }, 2000);
}

bool GameSession::MiddleStackHoldsACard(const BoardView& view) const {
    ClientCapture capture(window->Handle());
    return view.HoldsCard(capture, view.StackCardRect(2, 0));
}
