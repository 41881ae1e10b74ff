// The settings and the window placement: defaults with no key, saving on close, start-up corrections.
#include <gtest/gtest.h>
#include "ClientCapture.h"
#include "GameSession.h"
#include "Waiting.h"

namespace {
struct ExpectedValue {
    const char* name;
    DWORD value;
};

// Everything a close saves after a game that started from no key and was restored to normal size.
const ExpectedValue SavedDefaults[] = {
    {"FirstBoot", 0},      {"Beep", 1},         {"Music", 1},          {"ClearStacks", 0},
    {"GetFaster", 1},      {"SwapMode", 3},     {"OneDeck", 1},        {"EndOnShuffle", 0},
    {"LastStack", 1},      {"UpDown", 1},       {"CollapseRegime", 3}, {"DealerOption", 1},
    {"FreezeOnBust", 1},   {"ShowWelcome", 1},  {"ForegroundColor", 0xFFFF80},
    {"BackgroundColor", 0xA04005},              {"Top", 0},            {"Left", 0},
    {"Width", 460},        {"Height", 480},     {"MinMax", 0},          {"PlacementDpi", 96},
    {"PlacementSize", MAKELONG(460, 480)},
};

struct PlacementCase {
    const char* what;
    int left, top, width, height;                          // stored
    int expectLeft, expectTop, expectWidth, expectHeight;  // the window it starts with
    int storedDpi = 0;                                     // 0: none stored
    DWORD storedDpiSize = 0;                               // the size saved with the density; 0: none stored
};

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
}

class SettingsTest : public ::testing::Test {
protected:
    void ExpectDword(const char* name, DWORD expected) const {
        const StoredValue stored = game.Registry().Read(name);
        EXPECT_TRUE(stored.present) << name;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), stored.type) << name;
        EXPECT_EQ(expected, stored.number) << name;
    }

    void ExpectWindowAt(const GameWindow& window, int left, int top, int width, int height) const {
        const RECT rect = window.WindowRect();
        EXPECT_EQ(left, rect.left);
        EXPECT_EQ(top, rect.top);
        EXPECT_EQ(width, rect.right - rect.left);
        EXPECT_EQ(height, rect.bottom - rect.top);
    }

    void CloseAndExpectExitCodeZero() {
        DWORD exitCode = 1;
        ASSERT_TRUE(game.CloseThroughCloseBox(exitCode));
        EXPECT_EQ(0u, exitCode);
    }

    GameSession game;
};

TEST_F(SettingsTest, WithNoKeyEveryDefaultAppliesAndTheCloseBoxSavesThemAll) {
    game.ClearSettings();
    ASSERT_TRUE(game.Start());
    DialogSeen welcome;
    ASSERT_TRUE(game.Dialogs().WaitFor("Welcome to Zarnock!", 5000, welcome));
    DialogWatcher::Press(welcome, IDOK);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));
    EXPECT_TRUE(game.Window().IsMaximized());

    const RECT maximized = game.Window().WindowRect();
    game.Window().PostSystemCommand(SC_RESTORE);
    // The window leaves the maximized state a moment before it moves.
    ASSERT_TRUE(WaitUntil([&] {
        const RECT now = game.Window().WindowRect();
        return !game.Window().IsMaximized() && !EqualRect(&now, &maximized);
    }, 3000));
    ExpectWindowAt(game.Window(), 0, 0, 460, 480);
    EXPECT_FALSE(game.Registry().Read("FirstBoot").present) << "nothing is written before the close";

    CloseAndExpectExitCodeZero();
    for (const ExpectedValue& expected : SavedDefaults) ExpectDword(expected.name, expected.value);
    for (const char* neverStored : {"DropInterval", "MinCollapse", "UsePlatformBeep"})
        EXPECT_FALSE(game.Registry().Read(neverStored).present) << neverStored;
}

TEST_F(SettingsTest, AClosedMaximizedWindowKeepsItsNormalSizeAndStartsMaximizedAgain) {
    game.ClearSettings();
    game.Registry().SetDword("ShowWelcome", 0);
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.Window().IsMaximized());
    CloseAndExpectExitCodeZero();
    ExpectDword("FirstBoot", 0);
    ExpectDword("MinMax", 2);
    ExpectDword("Width", 460);
    ExpectDword("Height", 480);

    GameSession next;
    ASSERT_TRUE(next.Start());
    EXPECT_TRUE(next.Window().IsMaximized());
}

TEST_F(SettingsTest, AfterTheFirstCloseTheNextStartIsNotMaximized) {
    game.ClearSettings();
    game.Registry().SetDword("ShowWelcome", 0);
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.Window().IsMaximized());
    game.Window().PostSystemCommand(SC_RESTORE);
    ASSERT_TRUE(WaitUntil([&] { return !game.Window().IsMaximized(); }, 3000));
    CloseAndExpectExitCodeZero();
    ExpectDword("FirstBoot", 0);
    ExpectDword("MinMax", 0);

    GameSession next;
    ASSERT_TRUE(next.Start());
    EXPECT_FALSE(next.Window().IsMaximized());
    ExpectWindowAt(next.Window(), 0, 0, 460, 480);
}

TEST_F(SettingsTest, StartUpBringsASavedPlacementBackOntoTheScreen) {
    const int offRight = ScreenWidth() - GetSystemMetrics(SM_CXICON) + 1;
    const int offBottom = ScreenHeight() - GetSystemMetrics(SM_CYICON) + 1;
    const PlacementCase cases[] = {
        {"left of the screen", -5, 7, 500, 470, 0, 7, 500, 470},
        {"above the screen, too small", 30, -3, 300, 100, 30, 0, 458, 458},
        {"past the right and bottom edges", offRight, offBottom, 460, 480, 0, 0, 460, 480},
        {"larger than the screen", 10, 10, ScreenWidth() + 1, ScreenHeight() + 1, 10, 10, 460, 480},
        {"at the smallest size kept", 12, 14, 449, 455, 12, 14, 449, 455},
        {"saved at 192 dpi: the same inches", 50, 60, 940, 1000, 50, 60, 470, 500, 192, MAKELONG(940, 1000)},
        {"resized by a release that knew only 96 dpi", 50, 60, 480, 510, 50, 60, 480, 510, 192, MAKELONG(940, 1000)},
    };
    for (const PlacementCase& placement : cases) {
        SCOPED_TRACE(placement.what);
        GameSession session;
        session.UseQuietSettings();
        session.Registry().SetDword("MinMax", 0);
        session.Registry().SetDword("Left", static_cast<DWORD>(placement.left));
        session.Registry().SetDword("Top", static_cast<DWORD>(placement.top));
        session.Registry().SetDword("Width", static_cast<DWORD>(placement.width));
        session.Registry().SetDword("Height", static_cast<DWORD>(placement.height));
        if (placement.storedDpi) session.Registry().SetDword("PlacementDpi", static_cast<DWORD>(placement.storedDpi));
        if (placement.storedDpiSize) session.Registry().SetDword("PlacementSize", placement.storedDpiSize);
        ASSERT_TRUE(session.Start());
        EXPECT_FALSE(session.Window().IsMaximized());
        ExpectWindowAt(session.Window(), placement.expectLeft, placement.expectTop, placement.expectWidth,
                       placement.expectHeight);
    }
}

TEST_F(SettingsTest, AValueOfTheWrongTypeIsIgnoredAndOverwrittenOnClose) {
    game.UseQuietSettings();
    game.Registry().SetString("Beep", "0");
    game.Registry().SetDword("CollapseRegime", 5);
    ASSERT_TRUE(game.Start());
    CloseAndExpectExitCodeZero();
    ExpectDword("Beep", 1);
    // Stored numbers are used and saved back as they are, even outside the usual range.
    ExpectDword("CollapseRegime", 5);
}

TEST_F(SettingsTest, AWindowClosedPartlyOffTheLeftEdgeComesBackAtTheEdge) {
    game.UseQuietSettings();
    game.Registry().SetDword("MinMax", 0);
    ASSERT_TRUE(game.Start());
    SetWindowPos(game.Window().Handle(), nullptr, -20, 40, 470, 490, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return game.Window().WindowRect().left == -20; }, 2000));
    CloseAndExpectExitCodeZero();
    ExpectDword("Left", static_cast<DWORD>(-20));
    ExpectDword("Top", 40);
    ExpectDword("Width", 470);
    ExpectDword("Height", 490);

    GameSession next;
    ASSERT_TRUE(next.Start());
    ExpectWindowAt(next.Window(), 0, 40, 470, 490);
}

TEST_F(SettingsTest, TheEndOfTheUserSessionSavesAsTheCloseBoxDoes) {
    game.UseQuietSettings();
    game.Registry().SetDword("FirstBoot", 1);
    ASSERT_TRUE(game.Start());
    PostMessageA(game.Window().Handle(), WM_ENDSESSION, FALSE, 0);
    // FirstBoot is written first and SwapMode later: wait for both.
    EXPECT_TRUE(WaitUntil([&] {
        return game.Registry().Read("FirstBoot").number == 0 && game.Registry().Read("SwapMode").present;
    }, 2000));
    ExpectDword("MinMax", 2);
    ExpectDword("SwapMode", 3);
    EXPECT_TRUE(game.Process().IsRunning()) << "the session's end saves, it does not close the window";
}

TEST_F(SettingsTest, ACollapseRegimeWithoutRulesNeverCollapsesALandedCard) {
    game.UseQuietSettings();
    game.Registry().SetDword("CollapseRegime", 5);
    game.Registry().SetDword("FreezeOnBust", 0);
    ASSERT_TRUE(game.Start());
    const BoardView view = game.View(1);
    ASSERT_EQ(2, game.WaitForFallingCard(view, 3000).column);

    const int drops = 6;
    for (int n = 1; n <= drops; ++n) {
        game.Window().PostKey(VK_DOWN);
        // The stack holds one more card each time, and nothing ever leaves it. The next card has entered
        // when the falling card lies less than a drop step below the entry height (a tick may have moved it).
        const bool grown = WaitUntil([&] {
            ClientCapture capture(game.Window().Handle());
            const int belowEntry = view.FindFallingCard(capture).top - view.SpawnY();
            return view.HoldsCard(capture, view.StackStripRect(2, n - 1)) && belowEntry >= 0 &&
                   belowEntry < BoardView::DropPixels;
        }, 2000);
        ASSERT_TRUE(grown) << "drop " << n;
    }
    PumpFor(300);
    ClientCapture capture(game.Window().Handle());
    for (int n = 0; n < drops; ++n) EXPECT_TRUE(view.HoldsCard(capture, view.StackStripRect(2, n))) << "card " << n;
    EXPECT_FALSE(view.HoldsCard(capture, view.StackStripRect(2, drops)));
}
