// A hidden main window of the game's own class and procedure, with a running game on it.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>
#include <string>
#include "app/App.h"
#include "game/Board.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"
#include "support/GameTestEnvironment.h"
#include "support/MessageBoxAnswerer.h"

// Loads the title and class name and registers the main window class once for the whole test program.
inline bool PrepareMainClass(HINSTANCE instance) {
    LoadStringW(instance, IDS_APP_TITLE, AppTitle, TextBufferSize);
    LoadStringW(instance, IDS_WINDOW_CLASS, WindowClassName, TextBufferSize);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    return GetClassInfoExW(instance, WindowClassName, &existing) || RegisterMainClass(instance) != 0;
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        HINSTANCE instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(PrepareMainClass(instance));
        TheApp.Paused = 1;
        TheApp.GameIsOver = 0;
        TheApp.Started = 0;
        TheApp.music.MusicSuppress = 0;
        window = CreateWindowExW(WS_EX_CLIENTEDGE, WindowClassName, AppTitle, WS_OVERLAPPEDWINDOW, 0, 0, 460, 480,
                                 nullptr, nullptr, instance, nullptr);
        ASSERT_NE(nullptr, window);
    }

    void TearDown() override {
        if (IsWindow(window))
            DestroyWindow(window);  // WM_DESTROY cleans up and posts the quit message
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // A new game whose first card is placed over its column, as the first paint does.
    void StartGame() {
        TheApp.NewGame(window);
        ASSERT_NE(nullptr, TheApp.CurrentBoard());
        PaintBoard();
    }

    void PaintBoard() {
        WindowDC dc(window);
        TheApp.board->Paint(dc, window);
    }

    std::string Title() const {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    // Whether drop timer 1 sends a tick within the given time (the game sets a short interval first).
    bool DropTimerTicks(DWORD withinMs) {
        const DWORD start = timeGetTime();
        MSG message;
        while (timeGetTime() - start < withinMs) {
            while (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE))
                if (message.wParam == DROP_TIMER)
                    return true;
            Sleep(5);
        }
        return false;
    }

    HWND window = nullptr;
    // An ending game asks whether to play again: No, unless a test answers with its own answerer.
    MessageBoxAnswerer playAgain{IDNO};
};
