// Start-up: the first run, a saved placement brought back onto the screen, and the first game running.
#include "MainWindowFixture.h"
#include "settings/Registry.h"

namespace {
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(PrepareMainClass(instance));
        TheApp.Cleanup(nullptr);      // start-up loads the library and the bitmaps itself
        TheApp.Paused = 1;
        TheApp.GameIsOver = 0;
        TheApp.Started = 0;
        RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
        // No welcome dialog and no music in these runs.
        RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"ShowWelcome", 0);
        RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Music", 0);
    }

    void TearDown() override {
        HWND window = FindWindowW(WindowClassName, nullptr);
        if (window != nullptr)
            DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        TheApp.Started = 0;
        RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    }

    HWND Start() {
        EXPECT_TRUE(TheApp.InitInstance(instance, SW_SHOWNORMAL));
        HWND window = FindWindowW(WindowClassName, nullptr);
        EXPECT_NE(nullptr, window);
        return window;
    }

    HINSTANCE instance = nullptr;
};

TEST_F(StartupTest, FirstRunOpensMaximizedWithTheFirstGameRunning) {
    HWND window = Start();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(IsZoomed(window));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    EXPECT_EQ(0, placement.rcNormalPosition.left);
    EXPECT_EQ(0, placement.rcNormalPosition.top);
    EXPECT_EQ(460, placement.rcNormalPosition.right);
    EXPECT_EQ(480, placement.rcNormalPosition.bottom);

    EXPECT_TRUE(TheApp.cardLibrary.IsLoaded());
    EXPECT_EQ(TheApp.cardLibrary.CardWidth(), TheApp.CardWidth);
    EXPECT_EQ(TheApp.cardLibrary.CardHeight(), TheApp.CardHeight);
    EXPECT_NE(nullptr, TheApp.Markers.Ring());
    EXPECT_NE(nullptr, TheApp.Markers.Outline());
    EXPECT_NE(nullptr, TheApp.CurrentBoard());
    EXPECT_EQ(1, TheApp.Started);
    EXPECT_FALSE(TheApp.IsPaused());
    EXPECT_EQ(1, Settings.UsePlatformBeep);  // the NT platform family
    char title[64];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ("Zarnock", title);
}

TEST_F(StartupTest, SavedPlacementOffTheScreenOrTooSmallIsCorrected) {
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"FirstBoot", 0);
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Left", static_cast<DWORD>(-5));
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Top", 30);
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Width", 300);
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Height", 100);
    HWND window = Start();
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(IsZoomed(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(458, rect.right - rect.left);
    EXPECT_EQ(458, rect.bottom - rect.top);
}

TEST_F(StartupTest, WindowMaximizedAtTheLastCloseOpensMaximized) {
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"FirstBoot", 0);
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"MinMax", 2);
    HWND window = Start();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(IsZoomed(window));
}
}  // namespace
