// Starts the game and the yardstick alternately, reads their memory, and drives the game with keys.
#include "GameBench.h"
#include <psapi.h>
#include <vector>
#include "BoardView.h"
#include "ClientCapture.h"
#include "DialogWatcher.h"
#include "GameProcess.h"
#include "GameWindow.h"
#include "ProcessWindows.h"
#include "Samples.h"
#include "Waiting.h"
#include "system/CardSize.h"
#include "system/DisplayScale.h"
#include "system/PixelBitmap.h"
#include "system/MemoryDC.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"

namespace {
const DWORD StartTimeoutMs = 15000;
const DWORD GameTimeoutMs = 60000;
const int CardWidth = 71, CardHeight = 96;
const double Megabyte = 1024.0 * 1024.0;

std::string GamePath() { return GameBench::BinFolder() + "\\zarnock.exe"; }

MemoryFigures MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    MemoryFigures figures;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        // Private bytes are the commit charge, which Wine reports for other processes only as this field.
        figures.privateMb = counters.PagefileUsage / Megabyte;
        figures.workingSetMb = counters.WorkingSetSize / Megabyte;
    }
    return figures;
}

// Starts a program and times it until it waits for input; negative when it did not get there.
double TimedStart(GameProcess& process, const std::string& path) {
    const double start = NowMs();
    if (!process.Start(path, GameBench::BinFolder())) return -1;
    if (WaitForInputIdle(process.Handle(), StartTimeoutMs) != 0) return -1;
    return NowMs() - start;
}

HWND StartGame(GameProcess& process) {
    if (TimedStart(process, GamePath()) < 0) return nullptr;
    const std::vector<HWND> windows = VisibleWindowsOf(process.Id(), "ZARNOCK");
    return windows.empty() ? nullptr : windows.front();
}

// True when most of some row of the rectangle differs from the background: a card is on screen there.
bool CardShowsIn(HWND window, const RECT& area, COLORREF background) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    WindowDC screen(window);
    MemoryDC memory(screen);
    PixelBitmap section(width, height);
    if (!section) return false;
    memory.Select(section.Get());
    if (!BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) return false;
    GdiFlush();
    const DWORD* pixels = section.Pixels();
    const DWORD backgroundValue = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    for (int y = 0; y < height; ++y) {
        int different = 0;
        for (int x = 0; x < width; ++x) different += (pixels[y * width + x] & 0xFFFFFF) != backgroundValue;
        if (different >= width / 2) return true;
    }
    return false;
}

// Answers the end-of-game messages; true when it asked for a new game.
bool AnswerEndOfGame(const std::vector<DialogSeen>& visible) {
    bool newGame = false;
    for (const DialogSeen& dialog : visible) {
        const bool playAgain = dialog.text.rfind("Do you want to play again?", 0) == 0;
        DialogWatcher::Press(dialog, playAgain ? IDYES : IDOK);
        newGame = newGame || playAgain;
    }
    return newGame;
}

// Plays until the current game has ended and a new one has begun, dropping every card at once.
bool PlayOneGame(const GameWindow& window, const DialogWatcher& dialogs) {
    const double deadline = NowMs() + GameTimeoutMs;
    while (NowMs() < deadline) {
        const std::vector<DialogSeen> visible = dialogs.Visible();
        if (!visible.empty()) {
            if (AnswerEndOfGame(visible)) return dialogs.WaitUntilNoneVisible(5000);
            PumpFor(10);
            continue;
        }
        // After a high score nobody asks to play again; the game stays over until a new one is started.
        if (window.Title().find(" - Game Over") != std::string::npos) {
            window.PostCommand(ID_NEW);
            return WaitUntil([&] { return window.Title().find(" - Game Over") == std::string::npos; }, 5000);
        }
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window.Handle(), WM_KEYDOWN, VK_DOWN, 0, SMTO_NORMAL, 100, &result);
    }
    return false;
}
}  // namespace

GameBench::GameBench(int launches, int fewGames, int manyGames)
    : launches(launches), fewGames(fewGames), manyGames(manyGames) {}

std::string GameBench::BinFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/"));
}

// The system folder of the bench's own architecture, so that the yardstick is built for the same machine.
std::string GameBench::YardstickPath() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\winemine.exe";
}

void GameBench::MeasureStartup(BenchTable& table) {
    Samples ours, theirs, ratios, ourPrivate, ourWorkingSet, theirWorkingSet;
    const std::string yardstick = YardstickPath();
    // Launches alternate, so that each pair meets the same load on the machine; the first pair warms the
    // caches and is not counted.
    for (int run = -1; run < launches; ++run) {
        GameProcess game;
        const double ourTime = TimedStart(game, GamePath());
        const MemoryFigures memory = MemoryOf(game.Handle());
        game.Kill();
        GameProcess mine;
        const double theirTime = TimedStart(mine, yardstick);
        const double theirWorkingSetMb = MemoryOf(mine.Handle()).workingSetMb;
        if (run < 0 || ourTime < 0 || theirTime < 0) continue;
        ours.Add(ourTime);
        theirs.Add(theirTime);
        ratios.Add(ourTime / theirTime);
        ourPrivate.Add(memory.privateMb);
        ourWorkingSet.Add(memory.workingSetMb);
        theirWorkingSet.Add(theirWorkingSetMb);
    }
    if (ratios.Empty()) {
        table.Failed("Start-up to an idle main window", "no launch pair reached its message loop", "<= 1.10 x winemine");
        return;
    }
    const std::string counted = " (median of " + std::to_string(ours.Count()) + ")";
    table.Info("Start-up to an idle main window, zarnock.exe" + counted, ours.Median(), "ms", 0);
    table.Info("Start-up to an idle main window, winemine.exe" + counted, theirs.Median(), "ms", 0);
    table.AtMost("Start-up, ratio to winemine (median of the pairs' ratios)", ratios.Median(), 1.1, "x", 2);
    yardstickWorkingSetMb = theirWorkingSet.Median();
    table.AtMost("Private bytes after start-up", ourPrivate.Median(), 8, "MB", 2);
    table.Info("Working set after start-up, winemine.exe", yardstickWorkingSetMb, "MB", 2);
    table.AtMost("Working set after start-up, ratio to winemine", ourWorkingSet.Median() / yardstickWorkingSetMb, 1.2,
                 "x", 2);
}

void GameBench::MeasureKeyToScreen(BenchTable& table) const {
    const char* name = "Key to screen: a Left or Right key to the moved card on screen, median";
    GameProcess process;
    HWND handle = StartGame(process);
    if (!handle) {
        table.Failed(name, "the game did not start", "<= 16 ms");
        return;
    }
    GameWindow window(handle);
    window.BringToFront();
    RECT client = window.ClientRect();
    const BoardView view(client, CardWidth, CardHeight, 1);
    Samples delays;
    for (int run = 0; run < 4 * launches + 2; ++run) {
        CardSpot spot = {-1, -1};
        COLORREF background = 0;
        WaitUntil([&] {
            ClientCapture capture(handle);
            background = BoardView::Background(capture);
            spot = view.FindFallingCard(capture);
            return spot.column >= 0;
        }, 3000);
        if (spot.column < 0) break;
        const int target = spot.column > 0 ? spot.column - 1 : spot.column + 1;
        const int left = view.ColumnLeft(target);
        // A tick may move the card one step further meanwhile.
        const RECT place = {left, spot.top, left + CardWidth, spot.top + CardHeight + BoardView::TickPixels};
        const double start = NowMs();
        window.PostKey(target < spot.column ? VK_LEFT : VK_RIGHT);
        if (WaitUntil([&] { return CardShowsIn(handle, place, background); }, 1000, 0)) delays.Add(NowMs() - start);
    }
    if (delays.Empty())
        table.Failed(name, "the card was not seen to move", "<= 16 ms");
    else
        table.AtMost(name + std::string(" of ") + std::to_string(delays.Count()), delays.Median(), 16, "ms", 1);
}

void GameBench::MeasureGames(BenchTable& table) const {
    const std::string few = std::to_string(fewGames), many = std::to_string(manyGames);
    GameProcess process;
    HWND handle = StartGame(process);
    if (!handle) {
        table.Failed("Private bytes after " + few + " games", "the game did not start", "<= 8 MB");
        return;
    }
    GameWindow window(handle);
    window.BringToFront();
    DialogWatcher dialogs(process.Id());
    MemoryFigures afterFew, afterMany;
    for (int game = 1; game <= manyGames; ++game) {
        if (!PlayOneGame(window, dialogs)) {
            table.Failed("Games played by the bot", "game " + std::to_string(game) + " did not end", many + " games");
            return;
        }
        if (game == fewGames || game == manyGames) {
            PumpFor(300);  // the new game settles
            (game == fewGames ? afterFew : afterMany) = MemoryOf(process.Handle());
        }
    }
    if (referencePrivateMb > 0) {
        // The started size's corner mask and its 53 images, 32 bits a pixel.
        const CardSize card{DisplayScale(DisplayScale::SystemDpi())};
        const double imagesMb = 54.0 * card.Width() * card.Height() * 4 / Megabyte;
        table.AtMost("Private bytes after " + few + " games, limit: " + FormatNumber(referencePrivateMb, 2, "MB") +
                         " at 96 dpi + " + FormatNumber(imagesMb, 2, "MB") + " of card images + 1 MB",
                     afterFew.privateMb, referencePrivateMb + imagesMb + 1, "MB", 2);
    } else {
        table.AtMost("Private bytes after " + few + " games", afterFew.privateMb, 8, "MB", 2);
    }
    if (manyGames == fewGames) return;  // one point only
    table.AtMost("Private bytes after " + many + " games", afterMany.privateMb, 8, "MB", 2);
    table.AtMost("Growth of private bytes from " + few + " to " + many + " games",
                 (afterMany.privateMb - afterFew.privateMb) * 1024, 256, "KB", 0);
    if (yardstickWorkingSetMb > 0) {
        table.AtMost("Working set after " + few + " games, ratio to winemine's",
                     afterFew.workingSetMb / yardstickWorkingSetMb, 1.2, "x", 2);
        table.AtMost("Working set after " + many + " games, ratio to winemine's",
                     afterMany.workingSetMb / yardstickWorkingSetMb, 1.2, "x", 2);
    }
}

void GameBench::MeasureSizes(BenchTable& table) const {
    auto sizeKb = [](const std::string& path) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1.0;
        return data.nFileSizeLow / 1024.0;
    };
    const double exe = sizeKb(GamePath()), dll = sizeKb(BinFolder() + "\\cards32.dll");
    table.Info("Size of zarnock.exe", exe, "KB", 0);
    table.Info("Size of cards32.dll", dll, "KB", 0);
    table.AtMost("Size of zarnock.exe and cards32.dll together", exe + dll, 400, "KB", 0);
}
