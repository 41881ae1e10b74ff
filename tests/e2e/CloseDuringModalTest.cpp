// Closing the window from outside while a board operation waits in a modal loop: the play-again question
// at a no-room ending and the level-up notice. The program ends with exit code 0 and its settings saved.
#include <gtest/gtest.h>
#include <string>
#include "QuietGameTest.h"
#include "RegistryHandle.h"
#include "Waiting.h"

namespace {
const DWORD PlayTimeoutMs = 60000;

class CloseDuringModalTest : public QuietGameTest {
protected:
    void SetUp() override { StartQuietGame(); }

    void BeforeStart() override {
        game.Registry().SetDword("FreezeOnBust", 0);
        game.Registry().SetDword("LastStack", 0);
        game.Registry().SetDword("OneDeck", 0);
        // No ending may make a high score, which would replace the play-again question.
        RegistryHandle scores(HKEY_CURRENT_USER, "Software\\Quillmere\\Zarnock\\HighScores", KEY_SET_VALUE, true);
        const char unbeatable[] = "99999999";
        RegSetValueExA(scores.Handle(), "Score9", 0, REG_SZ, reinterpret_cast<const BYTE*>(unbeatable),
                       sizeof unbeatable);
    }

    // Drops a card every `paceMs` (over `column(n)` for the n-th card) until a dialog that `wanted` accepts
    // is up.
    template <typename Match, typename Column>
    bool PlayUntil(Match wanted, Column column, DWORD paceMs) {
        const double deadline = NowMs() + PlayTimeoutMs;
        for (int landed = 0; NowMs() < deadline; ++landed) {
            for (const DialogSeen& dialog : game.Dialogs().Visible())
                if (wanted(dialog)) return true;
            const int target = column(landed);
            for (int step = 2; step > target; --step) game.Window().PostKey(VK_LEFT);
            for (int step = 2; step < target; ++step) game.Window().PostKey(VK_RIGHT);
            game.Window().PostKey(VK_DOWN);
            PumpFor(paceMs);
        }
        return false;
    }

    void ExpectCleanExitAfterClose() {
        PostMessageA(game.Window().Handle(), WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(game.Process().WaitForExit(10000, exitCode));
        EXPECT_EQ(0u, exitCode);
        // Values that only the save on close writes.
        EXPECT_TRUE(game.Registry().Read("Width").present);
        EXPECT_TRUE(game.Registry().Read("SwapMode").present);
    }
};

TEST_F(CloseDuringModalTest, ClosingWhileThePlayAgainQuestionIsUp) {
    // Every card onto the middle stack: it soon leaves no room for the next one.
    ASSERT_TRUE(PlayUntil([](const DialogSeen& d) { return d.text == "Do you want to play again?"; },
                          [](int) { return 2; }, 50));
    ExpectCleanExitAfterClose();
}

TEST_F(CloseDuringModalTest, ClosingWhileTheLevelUpNoticeIsUp) {
    // The cards in turn over the five stacks: 52 landings fit without an ending. The notice has no caption.
    ASSERT_TRUE(PlayUntil([](const DialogSeen& d) { return d.caption.empty(); },
                          [](int landed) { return landed % 5; }, 150));
    ExpectCleanExitAfterClose();
}
}  // namespace
