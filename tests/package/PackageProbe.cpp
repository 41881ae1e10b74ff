// Checks a packaged or installed game from inside Wine, for tests/package/package-test.sh:
//   shortcut <file.lnk>            prints the shortcut's target and its working folder, one a line
//   play <exe> <folder> <record> [<setup>]
//                                  starts the game there, opens its help page and prints the file that the
//                                  test's viewer recorded in <record>, closes the game; with <setup>, also
//                                  checks that a silent setup refuses to run beside the game
//   opened <record> <file>         the test's viewer of help pages: writes <file> into <record>
//   shown <cards32.dll> <code> [<dpi>]
//                                  waits for the game that someone else started and for its first card, drawn
//                                  at the top of the middle stack at the size and place of that density (96
//                                  by default); then ends it: closes it for code 0, else ends its message loop
//                                  with that exit code
// Exit code 0 when every check passed; each failure is printed.
#include <windows.h>
#include <shlobj.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "BoardView.h"
#include "CardSizeProbe.h"
#include "ClientCapture.h"
#include "DialogWatcher.h"
#include "GameProcess.h"
#include "Waiting.h"

namespace {
const int HelpCommand = 32778;
const DWORD StartTimeoutMs = 30000;
const DWORD HandlerTimeoutMs = 20000;

int Fail(const char* what) {
    std::printf("FAILED: %s\n", what);
    return 1;
}

int PrintShortcut(const char* file) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    bool read = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
        char target[MAX_PATH] = {}, folder[MAX_PATH] = {};
        if (SUCCEEDED(persist->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
            std::printf("%s\n%s\n", target, folder);
            read = true;
        }
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return read ? 0 : Fail("shortcut unreadable");
}

// Runs a program and waits for it; its exit code, or -1 when it did not start or end.
long RunAndWait(const std::string& commandLine) {
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    DWORD code = 0;
    const bool ended = WaitForSingleObject(info.hProcess, StartTimeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(info.hProcess, &code);
    if (!ended) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return ended ? static_cast<long>(code) : -1;
}

int RecordOpened(const char* record, const char* file) {
    FILE* out = std::fopen(record, "w");
    if (out == nullptr) return Fail("record not written");
    std::fputs(file, out);
    std::fclose(out);
    return 0;
}

std::string ReadRecord(const char* record) {
    char text[MAX_PATH] = {};
    FILE* in = std::fopen(record, "r");
    if (in == nullptr) return std::string();
    const size_t length = std::fread(text, 1, sizeof text - 1, in);
    std::fclose(in);
    return std::string(text, length);
}

int Play(const char* exe, const char* folder, const char* record, const char* setup) {
    GameProcess game;
    if (!game.Start(exe, folder)) return Fail("the game did not start");
    HWND window = game.WaitForMainWindow(StartTimeoutMs);
    if (!window) return Fail("no main window");
    int failures = 0;
    // The handler returns once the viewer was started; an error box would hold it.
    DeleteFileA(record);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_COMMAND, HelpCommand, 0, SMTO_NORMAL, HandlerTimeoutMs, &ignored) ||
        !DialogWatcher(game.Id()).Visible().empty() ||
        !WaitUntil([&] { return !ReadRecord(record).empty(); }, StartTimeoutMs))
        failures += Fail("the help page did not open");
    std::printf("help page opened: %s\n", ReadRecord(record).c_str());
    if (setup != nullptr) {
        const long code = RunAndWait(std::string("\"") + setup + "\" /S");
        std::printf("setup beside the running game: exit code %ld\n", code);
        if (code == 0 || code == -1) failures += Fail("a silent setup ran beside the running game");
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    if (!game.WaitForExit(StartTimeoutMs, exitCode)) return Fail("the game did not end");
    std::printf("the game ended with code %lu\n", exitCode);
    if (exitCode != 0) failures += Fail("exit code not 0");
    return failures == 0 ? 0 : 1;
}
// Ends the game of `window`, whose process is `process`, as the player closes it (`code` 0) or by ending its
// message loop with `code`, and prints the exit code it ended with. Ended by another process, Wine would
// report 0 for it.
bool EndGame(HWND window, HANDLE process, DWORD code) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const bool asked = code == 0 ? PostMessageA(window, WM_CLOSE, 0, 0) : PostThreadMessageA(thread, WM_QUIT, code, 0);
    DWORD exitCode = 0;
    if (!asked || WaitForSingleObject(process, StartTimeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process, &exitCode))
        return false;
    std::printf("the game ended with code %lu\n", exitCode);
    return true;
}

// The card at the densities the package is started at.
struct CardSize {
    int dpi, width, height;
};
const CardSize CardSizes[] = {{96, 71, 96}, {120, 89, 120}, {144, 107, 144}};

// The drawn run through (x, y) along a row (dx 1) or a column (dy 1): the first and the last pixel that
// differ from `background`; {0, -1} when (x, y) itself does not.
struct Run {
    int first, last;
    int Length() const { return last - first + 1; }
};
Run RunThrough(const ClientCapture& capture, int x, int y, int dx, int dy, COLORREF background) {
    const auto drawn = [&](int step) {
        const COLORREF pixel = capture.Pixel(x + step * dx, y + step * dy);
        return pixel != background && pixel != CLR_INVALID;
    };
    if (!drawn(0)) return {0, -1};
    int after = 0, before = 0;
    while (drawn(after + 1)) ++after;
    while (drawn(before - 1)) --before;
    const int start = dx != 0 ? x : y;
    return {start + before, start + after};
}

// Waits for the first card of the game in `window`, which has reached its message loop, drawn as at `dpi`.
int CheckFirstCard(HWND window, const char* library, int dpi) {
    const CardSize* expected = nullptr;
    for (const CardSize& size : CardSizes)
        if (size.dpi == dpi) expected = &size;
    const BoardView::Lengths* lengths = BoardView::At(dpi);
    if (expected == nullptr || lengths == nullptr) return Fail("no card size or board lengths known at that density");
    CardSizeProbe cards(library);
    std::printf("the card library's card at %d dpi: %dx%d\n", dpi, cards.Width(), cards.Height());
    if (cards.Width() != expected->width || cards.Height() != expected->height)
        return Fail("the card library gives another card size");
    RECT client = {};
    CardSpot card = {-1, -1};
    int left = 0, width = 0, height = 0;
    const auto firstCardShown = [&] {
        // A first start maximizes the window, which only a window manager carries out on the X display: without
        // one the board is laid out for the whole screen in a window of the first size. Restored, it fits again.
        // The maximizing may come a moment after the window shows, so it is looked for until the card is seen.
        if (IsZoomed(window)) {
            ShowWindowAsync(window, SW_RESTORE);
            return false;
        }
        GetClientRect(window, &client);
        const BoardView view(client, expected->width, expected->height, 1, *lengths);
        ClientCapture capture(window);
        card = view.FindFallingCard(capture);
        if (card.column != 2) return false;
        // The drawn card, measured through the middle of where it belongs.
        const COLORREF background = BoardView::Background(capture);
        const int middleX = view.ColumnLeft(2) + expected->width / 2, middleY = view.SpawnY() + expected->height / 2;
        const Run across = RunThrough(capture, middleX, middleY, 1, 0, background);
        const Run down = RunThrough(capture, middleX, middleY, 0, 1, background);
        left = across.first;
        card.top = down.first;
        width = across.Length();
        height = down.Length();
        return left == view.ColumnLeft(2) && card.top == view.SpawnY() && width == expected->width &&
               height == expected->height;
    };
    const bool shown = WaitUntil(firstCardShown, StartTimeoutMs);
    std::printf("client area %ldx%ld, the first card in column %d at (%d, %d), %dx%d\n", client.right,
                client.bottom, card.column, left, card.top, width, height);
    if (IsZoomed(window)) return Fail("the window stays maximized");
    return shown ? 0 : Fail("no card of the density's size drawn at the top of the middle stack");
}

int Shown(const char* library, DWORD code, int dpi) {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = FindWindowA("ZARNOCK", nullptr)) != nullptr && IsWindowVisible(window); },
                   StartTimeoutMs))
        return Fail("no game window");
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) return Fail("the game's process cannot be opened");
    int failures = WaitForInputIdle(process, StartTimeoutMs) == 0 ? CheckFirstCard(window, library, dpi)
                                                                   : Fail("the game never waited for input");
    if (!EndGame(window, process, code)) failures += Fail("the game did not end");
    CloseHandle(process);
    return failures == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "shortcut") == 0) return PrintShortcut(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "opened") == 0) return RecordOpened(argv[2], argv[3]);
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "play") == 0)
        return Play(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : nullptr);
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "shown") == 0)
        return Shown(argv[2], std::strtoul(argv[3], nullptr, 10), argc == 5 ? std::atoi(argv[4]) : 96);
    std::printf("usage: package_probe shortcut <lnk> | play <exe> <folder> <record> [<setup>]"
                " | opened <record> <file> | shown <cards32.dll> <code> [<dpi>]\n");
    return 2;
}
