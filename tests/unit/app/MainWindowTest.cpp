// The main window: pause and titles, keys, new games, focus and menus, commands, erasing, closing.
#include <cstring>
#include <string>
#include <vector>
#include "MainWindowFixture.h"
#include "system/GameFiles.h"
#include <shellapi.h>
#include "game/Shoe.h"
#include "game/Stack.h"
#include "game/StackList.h"
#include "settings/Registry.h"
#include "support/WideText.h"
#include "support/MessageBoxAnswerer.h"

namespace {
class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, PauseAndResumeSetTheTitleAndTheDropTimer) {
    StartGame();
    Settings.DropInterval = 20;
    TheApp.SetPaused(window, true);
    EXPECT_EQ("Zarnock - Paused", Title());
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_FALSE(DropTimerTicks(150));

    TheApp.SetPaused(window, false);
    EXPECT_EQ("Zarnock", Title());
    EXPECT_FALSE(TheApp.IsPaused());
    EXPECT_TRUE(DropTimerTicks(1000));
}

TEST_F(MainWindowTest, GameOverPausesWithTheGameOverTitle) {
    StartGame();
    TheApp.GameOver(window, NoRoomForCard);
    EXPECT_EQ("Zarnock - Game Over", Title());
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_TRUE(TheApp.IsGameOver());
}

TEST_F(MainWindowTest, TogglePauseSwitchesARunningGameButNotAFinishedOne) {
    StartGame();
    Settings.DropInterval = 20;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_PAUSE, 0), 0);
    EXPECT_EQ("Zarnock - Paused", Title());
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_PAUSE, 0), 0);
    EXPECT_EQ("Zarnock", Title());
    EXPECT_FALSE(TheApp.IsPaused());

    TheApp.GameOver(window, NoRoomForCard);
    TheApp.TogglePause(window);
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_EQ("Zarnock - Game Over", Title());
    EXPECT_FALSE(DropTimerTicks(150));
}

enum class Action { None, Left, Right, Drop, Swap };

struct BoardSnapshot {
    int column;
    CardCode falling;
    int stackCards;
};

class KeyTest : public MainWindowFixture {
protected:
    BoardSnapshot Snapshot() {
        Board& board = *TheApp.board;
        const int column = board.Column();
        return {column, board.GetShoe().Falling() ? board.GetShoe().Falling()->Code() : -1,
                board.Stacks().At(column)->Count()};
    }

    // What a key did to the falling card, judged from the board before and after.
    Action Observe(WPARAM key) {
        const BoardSnapshot before = Snapshot();
        const LRESULT result = SendMessageA(window, WM_KEYDOWN, key, 0);
        EXPECT_EQ(0, result);
        const int stackCardsAfter = TheApp.board->Stacks().At(before.column)->Count();
        if (stackCardsAfter == before.stackCards + 1)
            return Action::Drop;
        const BoardSnapshot after = Snapshot();
        if (after.column == before.column - 1)
            return Action::Left;
        if (after.column == before.column + 1)
            return Action::Right;
        if (after.falling != before.falling)
            return Action::Swap;
        return Action::None;
    }
};

TEST_F(KeyTest, KeysSteerTheFallingCardInBothOrientations) {
    struct Case {
        WPARAM key;
        int upDown;
        Action expected;
    };
    const Case cases[] = {
        {VK_LEFT, 1, Action::Left},      {VK_NUMPAD4, 1, Action::Left},  {VK_RIGHT, 1, Action::Right},
        {VK_NUMPAD6, 1, Action::Right},  {VK_SPACE, 1, Action::Swap},    {VK_NUMPAD5, 1, Action::Swap},
        {VK_UP, 1, Action::Swap},        {VK_NUMPAD8, 1, Action::Swap},  {VK_DOWN, 1, Action::Drop},
        {VK_NUMPAD2, 1, Action::Drop},   {VK_LEFT, -1, Action::Left},    {VK_NUMPAD4, -1, Action::Left},
        {VK_RIGHT, -1, Action::Right},   {VK_NUMPAD6, -1, Action::Right}, {VK_SPACE, -1, Action::Swap},
        {VK_NUMPAD5, -1, Action::Swap},  {VK_UP, -1, Action::Drop},      {VK_NUMPAD8, -1, Action::Drop},
        {VK_DOWN, -1, Action::Swap},     {VK_NUMPAD2, -1, Action::Swap},
        // Any other stored value falls down, and the keys follow the fall.
        {VK_DOWN, 0, Action::Drop},      {VK_UP, 0, Action::Swap},       {VK_NUMPAD2, 7, Action::Drop},
        {VK_NUMPAD8, -2, Action::Swap},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << ", UpDown " << c.upDown);
        Settings.UpDown = c.upDown;
        TheApp.GameIsOver = 1;  // a fresh game for every key, without the question
        StartGame();
        EXPECT_EQ(static_cast<int>(c.expected), static_cast<int>(Observe(c.key)));
    }
}

TEST_F(KeyTest, KeysDoNothingWhilePausedOrAfterTheGameIsOverOrWhenNotListed) {
    StartGame();
    EXPECT_EQ(0, TheApp.OnKeyDown(window, 'A'));
    EXPECT_EQ(static_cast<int>(Action::None), static_cast<int>(Observe('A')));
    TheApp.SetPaused(window, true);
    EXPECT_EQ(0, TheApp.OnKeyDown(window, VK_LEFT));
    EXPECT_EQ(static_cast<int>(Action::None), static_cast<int>(Observe(VK_DOWN)));
    TheApp.GameOver(window, NoRoomForCard);
    EXPECT_EQ(0, TheApp.OnKeyDown(window, VK_SPACE));
    EXPECT_EQ(static_cast<int>(Action::None), static_cast<int>(Observe(VK_RIGHT)));
}

TEST_F(MainWindowTest, NewGameAnsweredNoKeepsTheGameAndResumesIt) {
    StartGame();
    Board* running = TheApp.CurrentBoard();
    const int column = running->Column();
    TheApp.SetPaused(window, true);  // paused with F3 before
    MessageBoxAnswerer answerer(IDNO);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_NEW, 0), 0);
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ("New Game", answerer.Seen()[0].caption);
    EXPECT_EQ("Are you sure you want to quit the current game?", answerer.Seen()[0].text);
    EXPECT_EQ(running, TheApp.CurrentBoard());
    EXPECT_EQ(column, TheApp.board->Column());
    EXPECT_FALSE(TheApp.IsPaused());
    EXPECT_FALSE(TheApp.IsGameOver());
    EXPECT_EQ("Zarnock", Title());
}

TEST_F(MainWindowTest, NewGameAnsweredYesAbandonsTheGameAndStartsAnother) {
    StartGame();
    SendMessageA(window, WM_KEYDOWN, VK_LEFT, 0);
    ASSERT_NE(TheApp.board->HomeColumn(), TheApp.board->Column());
    MessageBoxAnswerer answerer(IDYES);
    TheApp.NewGame(window);
    // Only the question: an abandoned game ends without "Do you want to play again?".
    EXPECT_EQ(1u, answerer.Seen().size());
    ASSERT_NE(nullptr, TheApp.CurrentBoard());
    EXPECT_EQ(-1, TheApp.board->Column());  // the new board's card is placed at its first paint
    EXPECT_EQ(0, TheApp.board->GetWinnings());
    EXPECT_FALSE(TheApp.IsGameOver());
    EXPECT_FALSE(TheApp.IsPaused());
    EXPECT_EQ("Zarnock", Title());
}

TEST_F(MainWindowTest, NewGameAfterTheGameIsOverAsksNothing) {
    StartGame();
    TheApp.GameOver(window, NoRoomForCard);
    MessageBoxAnswerer answerer(IDNO);
    TheApp.NewGame(window);
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_FALSE(TheApp.IsGameOver());
    EXPECT_FALSE(TheApp.IsPaused());
    EXPECT_EQ("Zarnock", Title());
}

TEST_F(MainWindowTest, FocusAndMenusPauseAndResumeARunningGame) {
    StartGame();
    SendMessageA(window, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ("Zarnock - Paused", Title());
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    EXPECT_EQ("Zarnock", Title());

    SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(window)), 0);
    EXPECT_TRUE(TheApp.IsPaused());
    // Moving over an item is not the menu closing.
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(ID_NEW, MF_HILITE), reinterpret_cast<LPARAM>(GetMenu(window)));
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_EQ(0, SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0));
    EXPECT_FALSE(TheApp.IsPaused());

    TheApp.GameOver(window, NoRoomForCard);
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_EQ("Zarnock - Game Over", Title());
}

TEST_F(MainWindowTest, FocusDoesNothingBeforeTheFirstGame) {
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(TheApp.IsPaused());
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_TRUE(TheApp.IsPaused());
}

TEST_F(MainWindowTest, DialogCommandsPauseTheGameWhileTheDialogIsOpen) {
    StartGame();
    struct Case {
        int command;
        const char* caption;
    };
    const Case cases[] = {{ID_ABOUT, "About Zarnock"}, {ID_INTRODUCTION, "Welcome to Zarnock!"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        int pausedDuringDialog = -1;
        std::string titleDuringDialog;
        MessageBoxAnswerer answerer([&](const SeenDialog&) {
            pausedDuringDialog = TheApp.IsPaused();
            titleDuringDialog = Title();
            return IDOK;
        });
        EXPECT_EQ(0, SendMessageA(window, WM_COMMAND, MAKEWPARAM(c.command, 0), 0));
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ(c.caption, answerer.Seen()[0].caption);
        EXPECT_EQ(1, pausedDuringDialog);
        EXPECT_EQ("Zarnock - Paused", titleDuringDialog);
        EXPECT_FALSE(TheApp.IsPaused());
        EXPECT_EQ("Zarnock", Title());
    }
}

TEST_F(MainWindowTest, DialogAfterTheGameIsOverLeavesItOver) {
    StartGame();
    TheApp.GameOver(window, NoRoomForCard);
    MessageBoxAnswerer answerer(IDCANCEL);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_ABOUT, 0), 0);
    EXPECT_EQ(1u, answerer.Seen().size());
    EXPECT_TRUE(TheApp.IsPaused());
    EXPECT_EQ("Zarnock - Game Over", Title());
}

TEST_F(MainWindowTest, LevelUpCommandRunsTheBoardsLevelUp) {
    StartGame();
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(0, SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_LEVEL_UP, 0), 0));
    EXPECT_EQ(1, TheApp.board->Level());
    EXPECT_EQ(600, Settings.DropInterval);
}

TEST_F(MainWindowTest, HelpThatCannotBeOpenedShowsTheSystemsReason) {
    char folder[MAX_PATH];
    ASSERT_NE(0u, GetCurrentDirectoryA(sizeof folder, folder));
    char empty[MAX_PATH];
    GetTempPathA(sizeof empty, empty);
    std::strcat(empty, "zarnock-no-help");
    CreateDirectoryA(empty, nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(empty));
    TheApp.ProgramFolder = Wide(empty) + L"\\";  // not beside the program either
    StartGame();
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(0, SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_HELP_CONTENTS, 0), 0));
    TheApp.ProgramFolder = ProgramFolder();
    SetCurrentDirectoryA(folder);
    RemoveDirectoryA(empty);
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ("Zarnock", answerer.Seen()[0].caption);
    EXPECT_FALSE(answerer.Seen()[0].text.empty());
    EXPECT_FALSE(TheApp.IsPaused());  // opening help does not pause
}

std::vector<INT> shellShowCommands;
std::vector<std::wstring> shellTargets;
HINSTANCE WINAPI RecordShellOpen(HWND, LPCWSTR, LPCWSTR target, LPCWSTR, LPCWSTR, INT showCommand) {
    shellShowCommands.push_back(showCommand);
    shellTargets.push_back(target);
    return reinterpret_cast<HINSTANCE>(33);
}

TEST_F(MainWindowTest, HelpAndTheWebPageOpenInANormalWindow) {
    StartGame();
    shellShowCommands.clear();
    TheApp.shellExecute = RecordShellOpen;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_HELP_CONTENTS, 0), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_WEB_PAGE, 0), 0);
    TheApp.shellExecute = ShellExecuteW;
    EXPECT_EQ((std::vector<INT>{SW_SHOWNORMAL, SW_SHOWNORMAL}), shellShowCommands);
}

TEST_F(MainWindowTest, HelpMissingFromTheCurrentFolderOpensTheOneBesideTheProgram) {
    char folder[MAX_PATH];
    ASSERT_NE(0u, GetCurrentDirectoryA(sizeof folder, folder));
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    StartGame();
    shellTargets.clear();
    TheApp.shellExecute = RecordShellOpen;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_HELP_CONTENTS, 0), 0);
    TheApp.shellExecute = ShellExecuteW;
    SetCurrentDirectoryA(folder);
    EXPECT_EQ(std::vector<std::wstring>{ProgramFolder() + L"ZarnockHelp.htm"}, shellTargets);
}

TEST_F(MainWindowTest, UnknownCommandsAndOtherTimersAreNotHandled) {
    StartGame();
    EXPECT_EQ(0, TheApp.OnCommand(window, 12345, 0));
    EXPECT_EQ(0, TheApp.OnCommand(window, ID_OPTIONS + 1000, 0));
    EXPECT_EQ(0, TheApp.OnTimer(window, LEVEL_UP_TIMER));
    EXPECT_EQ(1, TheApp.OnTimer(window, DROP_TIMER));
}

TEST_F(MainWindowTest, DropTimerTicksMoveTheFallingCard) {
    StartGame();
    const int y = TheApp.board->GetShoe().FallingY();
    SendMessageA(window, WM_TIMER, DROP_TIMER, 0);
    EXPECT_EQ(y + 12 * Settings.UpDown, TheApp.board->GetShoe().FallingY());
}

TEST_F(MainWindowTest, EraseFillsTheClientAreaWithTheBackgroundColour) {
    Settings.BackgroundColor = RGB(10, 200, 30);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 600);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    EXPECT_EQ(1, SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(memory, 0, 0));
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(memory, client.right - 1, client.bottom - 1));
    EXPECT_NE(RGB(10, 200, 30), GetPixel(memory, client.right + 1, client.bottom + 1));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(MainWindowTest, AFailedEraseIsReportedOnlyOnce) {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(0, TheApp.OnEraseBkgnd(window, nullptr));
    EXPECT_EQ(0, TheApp.OnEraseBkgnd(window, nullptr));
    EXPECT_EQ(0, TheApp.OnEraseBkgnd(window, nullptr));
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ("Zarnock", answerer.Seen()[0].caption);
}

TEST_F(MainWindowTest, ClosingSavesThePlacementAndTheSettings) {
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    StartGame();
    SetWindowPos(window, nullptr, 30, 40, 500, 470, SWP_NOZORDER | SWP_NOACTIVATE);
    Settings.DealerOption = 3;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(0u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"FirstBoot", 1));
    EXPECT_EQ(40u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Top", 0));
    EXPECT_EQ(30u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Left", 0));
    EXPECT_EQ(500u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Width", 0));
    EXPECT_EQ(470u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Height", 0));
    EXPECT_EQ(0u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"MinMax", 9));
    EXPECT_EQ(3u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"DealerOption", 0));
    // Destroying the window cleaned up.
    EXPECT_EQ(nullptr, TheApp.CurrentBoard());
    EXPECT_FALSE(TheApp.cardLibrary.IsLoaded());
    EXPECT_EQ(nullptr, TheApp.Markers.Ring());
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
}

TEST_F(MainWindowTest, ACancelledEndOfSessionSavesAndLetsTheCardFallOn) {
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    StartGame();
    Settings.DropInterval = 20;
    TheApp.SetPaused(window, false);
    SendMessageA(window, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(0u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"FirstBoot", 1));
    EXPECT_EQ("Zarnock", Title());
    EXPECT_TRUE(DropTimerTicks(1000));
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
}

TEST_F(MainWindowTest, ExitDestroysTheWindowWithoutSaving) {
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    StartGame();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_EXIT, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(7u, RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"FirstBoot", 7));
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, message.wParam);
}
}  // namespace
