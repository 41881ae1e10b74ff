// Loading and saving the settings and the window placement under the program's registry key.
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "support/WideText.h"
#include "app/App.h"
#include "settings/Registry.h"
#include "settings/SettingsRecord.h"
#include "support/GameTestEnvironment.h"

namespace {
class SettingsPersistenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveStoredSettings();
        savedPlacement = {TheApp.Top, TheApp.Left, TheApp.Width, TheApp.Height, TheApp.MinMax};
    }
    void TearDown() override {
        RemoveStoredSettings();
        TheApp.Top = savedPlacement[0];
        TheApp.Left = savedPlacement[1];
        TheApp.Width = savedPlacement[2];
        TheApp.Height = savedPlacement[3];
        TheApp.MinMax = savedPlacement[4];
    }

    static void RemoveStoredSettings() {
        RegDeleteKeyW(HKEY_CURRENT_USER, HighScoresKeyPath);
        RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    }
    static void Store(const wchar_t* name, DWORD value) { RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, value); }
    static int Stored(const wchar_t* name) {
        return static_cast<int>(RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, 0xDEADBEEF));
    }
    static bool IsStored(const wchar_t* name) { return Stored(name) != static_cast<int>(0xDEADBEEF); }

    ScopedSettings restoreSettings;
    std::vector<int> savedPlacement;
};

TEST_F(SettingsPersistenceTest, NoKeyGivesEveryDefault) {
    Settings = SettingsRecord();
    Settings.MinCollapse = 0;
    TheApp.LoadSettings();
    EXPECT_EQ(1, Settings.Beep);
    EXPECT_EQ(1, Settings.Music);
    EXPECT_EQ(0, Settings.ClearStacks);
    EXPECT_EQ(1, Settings.GetFaster);
    EXPECT_EQ(3, Settings.SwapMode);
    EXPECT_EQ(1, Settings.OneDeck);
    EXPECT_EQ(0, Settings.EndOnShuffle);
    EXPECT_EQ(1, Settings.LastStack);
    EXPECT_EQ(1, Settings.UpDown);
    EXPECT_EQ(3, Settings.CollapseRegime);
    EXPECT_EQ(1, Settings.DealerOption);
    EXPECT_EQ(1, Settings.FreezeOnBust);
    EXPECT_EQ(1, Settings.ShowWelcome);
    EXPECT_EQ(0xFFFF80u, Settings.ForegroundColor);
    EXPECT_EQ(0xA04005u, Settings.BackgroundColor);
    EXPECT_EQ(800, Settings.DropInterval);
    EXPECT_EQ(2, Settings.MinCollapse);
    EXPECT_EQ(0, TheApp.Top);
    EXPECT_EQ(0, TheApp.Left);
    EXPECT_EQ(460, TheApp.Width);
    EXPECT_EQ(480, TheApp.Height);
    EXPECT_EQ(0, TheApp.MinMax);
    EXPECT_EQ(1, TheApp.ReadFirstBoot());
}

TEST_F(SettingsPersistenceTest, StoredValuesAreUsedAsTheyAreIncludingNegativeOnes) {
    Store(L"UpDown", static_cast<DWORD>(-1));
    Store(L"DealerOption", 7);
    Store(L"Left", static_cast<DWORD>(-5));
    Store(L"Width", 300);
    Store(L"MinMax", 2);
    Store(L"BackgroundColor", 0x123456);
    TheApp.LoadSettings();
    EXPECT_EQ(-1, Settings.UpDown);
    EXPECT_EQ(7, Settings.DealerOption);
    EXPECT_EQ(0x123456u, Settings.BackgroundColor);
    EXPECT_EQ(-5, TheApp.Left);
    EXPECT_EQ(300, TheApp.Width);
    EXPECT_EQ(2, TheApp.MinMax);
}

TEST_F(SettingsPersistenceTest, BeepStoredAsTextIsIgnored) {
    ASSERT_TRUE(RegSetString(HKEY_CURRENT_USER, SettingsKeyPath, L"Beep", L"0"));
    TheApp.LoadSettings();
    EXPECT_EQ(1, Settings.Beep);
}

TEST_F(SettingsPersistenceTest, MinCollapseFollowsTheCollapseRegime) {
    struct Case {
        int regime;
        int minCollapse;
    };
    // Regimes without a rule of their own leave the value as it was (0 at program start).
    const Case cases[] = {{1, 3}, {2, 3}, {3, 2}, {5, 0}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.regime);
        Store(L"CollapseRegime", static_cast<DWORD>(c.regime));
        Settings.MinCollapse = 0;
        TheApp.LoadSettings();
        EXPECT_EQ(c.regime, Settings.CollapseRegime);
        EXPECT_EQ(c.minCollapse, Settings.MinCollapse);
    }
}

TEST_F(SettingsPersistenceTest, SaveWritesEveryStoredValueAndClearsFirstBoot) {
    Settings.Beep = 0;
    Settings.Music = 0;
    Settings.ClearStacks = 1;
    Settings.GetFaster = 0;
    Settings.SwapMode = 4;
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    Settings.LastStack = 0;
    Settings.UpDown = -1;
    Settings.CollapseRegime = 1;
    Settings.DealerOption = 3;
    Settings.FreezeOnBust = 0;
    Settings.ShowWelcome = 0;
    Settings.ForegroundColor = 0x010203;
    Settings.BackgroundColor = 0x040506;
    Settings.DropInterval = 150;
    TheApp.Top = 11;
    TheApp.Left = -7;
    TheApp.Width = 600;
    TheApp.Height = 500;
    TheApp.MinMax = 2;
    TheApp.SaveSettings();

    struct Expected {
        const char* name;
        int value;
    };
    const Expected expected[] = {{"FirstBoot", 0},      {"Beep", 0},          {"Music", 0},
                                 {"ClearStacks", 1},    {"GetFaster", 0},     {"SwapMode", 4},
                                 {"OneDeck", 2},        {"EndOnShuffle", 1},  {"LastStack", 0},
                                 {"UpDown", -1},        {"CollapseRegime", 1}, {"DealerOption", 3},
                                 {"ShowWelcome", 0},    {"ForegroundColor", 0x010203},
                                 {"BackgroundColor", 0x040506}, {"FreezeOnBust", 0}, {"Top", 11},
                                 {"Left", -7},          {"Width", 600},       {"Height", 500},
                                 {"MinMax", 2},         {"PlacementDpi", 96},
                                 {"PlacementSize", static_cast<int>(MAKELONG(600, 500))}};
    for (const Expected& e : expected)
        EXPECT_EQ(e.value, Stored(Wide(e.name).c_str())) << e.name;
    EXPECT_EQ(0, TheApp.ReadFirstBoot());
    EXPECT_FALSE(IsStored(L"DropInterval"));
    EXPECT_FALSE(IsStored(L"MinCollapse"));
    EXPECT_FALSE(IsStored(L"UsePlatformBeep"));
}

TEST_F(SettingsPersistenceTest, SavedSettingsLoadBackUnchanged) {
    Settings.SetDefaults();
    Settings.DealerOption = 2;
    Settings.ForegroundColor = 0x00FF00;
    TheApp.Top = 40;
    TheApp.Height = 470;
    TheApp.SaveSettings();
    const SettingsRecord saved = Settings;
    Settings = SettingsRecord();
    TheApp.Top = 0;
    TheApp.Height = 0;
    TheApp.LoadSettings();
    EXPECT_EQ(saved.DealerOption, Settings.DealerOption);
    EXPECT_EQ(saved.ForegroundColor, Settings.ForegroundColor);
    EXPECT_EQ(saved.SwapMode, Settings.SwapMode);
    EXPECT_EQ(40, TheApp.Top);
    EXPECT_EQ(470, TheApp.Height);
}
}  // namespace
