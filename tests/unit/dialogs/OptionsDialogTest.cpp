// The Options dialog driven like a player: clicks on its controls, the colour chooser, then OK or Cancel.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "dialogs/OptionsDialog.h"
#include "resources/ResourceIds.h"
#include "support/GameTestEnvironment.h"
#include "support/MessageBoxAnswerer.h"

namespace {
using Action = std::function<void(HWND)>;
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
Action Clicks(std::vector<int> ids) {
    return [ids](HWND dialog) { for (int id : ids) Click(dialog, id); };
}
std::vector<long long> Stored(const SettingsRecord& s) {
    return {s.Beep, s.Music, s.ClearStacks, s.GetFaster, s.SwapMode, s.OneDeck, s.EndOnShuffle, s.LastStack,
            s.UpDown, s.DealerOption, s.FreezeOnBust, s.ShowWelcome, s.ForegroundColor, s.BackgroundColor};
}
// The checks of the boxes and radio buttons in the dialog's order, then whether stuff-back is enabled.
std::vector<UINT> Shown(HWND d) {
    std::vector<UINT> shown;
    for (int id : {IDC_MUSIC, IDC_SOUND_EFFECTS, IDC_UPSIDE_DOWN, IDC_LAST_STACK, IDC_SHOW_WELCOME, IDC_ONE_DECK,
                   IDC_STUFF_BACK, IDC_GET_FASTER, IDC_EASY, IDC_MEDIUM, IDC_HARD, IDC_VICIOUS})
        shown.push_back(IsDlgButtonChecked(d, id));
    shown.push_back(IsWindowEnabled(GetDlgItem(d, IDC_STUFF_BACK)));
    return shown;
}

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { PrepareGameForTests(), Settings.Beep = Settings.Music = 1; }  // a fresh installation
    // Opens the dialog and lets `play` act on it from inside its own message loop.
    INT_PTR Run(Action play) {
        script = play;
        return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, ScriptedProc, 0);
    }
    static INT_PTR CALLBACK ScriptedProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP)
            return script(dialog), TRUE;
        if (message == WM_INITDIALOG)
            PostMessageA(dialog, WM_APP, 0, 0);
        return OptionsDialogProc(dialog, message, wParam, lParam);
    }
    static void CALLBACK AnswerColor(HWND chooser, UINT, UINT_PTR timer, DWORD) {
        KillTimer(chooser, timer);
        answerColor(chooser);
    }
    static inline Action script, answerColor;
    ScopedSettings restore;
};

TEST_F(OptionsDialogTest, FreshInstallationShowsTheDefaultChecksAndEasy) {
    std::vector<UINT> shown;
    EXPECT_EQ(IDCANCEL, Run([&](HWND d) { shown = Shown(d), Click(d, IDCANCEL); }));
    EXPECT_EQ((std::vector<UINT>{1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 0, 1, 1}), shown);
}

TEST_F(OptionsDialogTest, OkCopiesSoundAndMusicAlwaysAndTheRestOnlyWhenItChanged) {
    // The last click closes the dialog.
    const struct { std::vector<int> clicks; INT_PTR result; std::function<void(SettingsRecord&)> change; } cases[] = {
        {{IDC_VICIOUS, IDC_VICIOUS, IDC_HARD, IDC_EASY, IDOK}, IDCANCEL, [](SettingsRecord&) {}},
        {{IDC_MUSIC, IDC_SOUND_EFFECTS, IDOK}, IDCANCEL, [](SettingsRecord& s) { s.Music = s.Beep = 0; }},
        {{IDC_SHOW_WELCOME, IDOK}, IDOK, [](SettingsRecord& s) { s.ShowWelcome = 0; }},
        {{IDC_UPSIDE_DOWN, IDC_MEDIUM, IDC_LAST_STACK, IDC_MUSIC, IDOK}, IDOK,
         [](SettingsRecord& s) { s.UpDown = -1, s.DealerOption = 2, s.LastStack = 0, s.Music = 0; }},
        {{IDC_UPSIDE_DOWN, IDC_MUSIC, IDC_HARD, IDCANCEL}, IDCANCEL, [](SettingsRecord&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks.size());
        SetUp();
        Settings.SwapMode = 2, Settings.ClearStacks = 1, Settings.EndOnShuffle = 1;  // carried through unchanged
        SettingsRecord expected = Settings;
        c.change(expected);
        EXPECT_EQ(c.result, Run(Clicks(c.clicks)));
        EXPECT_EQ(Stored(expected), Stored(Settings));
    }
}

TEST_F(OptionsDialogTest, StuffBackStaysCheckedWhileDisabledAndIsDroppedWithTheEndlessDeck) {
    Settings.OneDeck = 2;
    std::vector<UINT> before, after;
    EXPECT_EQ(IDOK, Run([&](HWND d) { Click(d, IDC_ONE_DECK), before = Shown(d), Click(d, IDOK); }));
    EXPECT_EQ(0, Settings.OneDeck);
    Run([&](HWND d) { after = Shown(d), Click(d, IDCANCEL); });
    EXPECT_EQ((std::vector<UINT>{1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 1, 0}), before);
    EXPECT_EQ((std::vector<UINT>{1, 1, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 0}), after);
}

TEST_F(OptionsDialogTest, ColourChooserStartsAtTheFieldsColourAndOnlyAConfirmedNewColourCounts) {
    // `red` is typed into the chooser's red field (706); null leaves the colour as it is.
    const struct { int button; const char* red; int answer; INT_PTR result; const char* startRed; } cases[] = {
        {IDC_FOREGROUND_COLOR, "7", IDOK, IDOK, "128"}, {IDC_BACKGROUND_COLOR, nullptr, IDOK, IDCANCEL, "5"},
        {IDC_BACKGROUND_COLOR, "9", IDCANCEL, IDCANCEL, "5"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.startRed + std::string(c.red ? c.red : ""));
        SetUp();
        char startRed[8] = {};
        answerColor = [&](HWND chooser) {
            GetDlgItemTextA(chooser, 706, startRed, sizeof startRed);
            if (c.red) SetDlgItemTextA(chooser, 706, c.red);
            SendMessageA(chooser, WM_COMMAND, c.answer, 0);
        };
        // The chooser fills its fields after it activates: answer it from inside its own loop.
        MessageBoxAnswerer chooser([](const SeenDialog& seen) {
            if (seen.caption == "Color") SetTimer(FindWindowA("#32770", "Color"), 1, 1, AnswerColor);
            return 0;
        });
        EXPECT_EQ(c.result, Run([&](HWND d) { Click(d, c.button), Click(d, IDOK); }));
        EXPECT_STREQ(c.startRed, startRed);
        EXPECT_EQ(c.result == IDOK ? 0xFFFF07u : SettingsDefaults::ForegroundColor, Settings.ForegroundColor);
        EXPECT_EQ(SettingsDefaults::BackgroundColor, Settings.BackgroundColor);
    }
}
}  // namespace
