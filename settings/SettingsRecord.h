// The global record of the game's options, colours and the values derived from them.
#pragma once
#include <windows.h>

class SettingsRecord {
public:
    virtual ~SettingsRecord() = default;

    // Fills every stored field with the value a fresh installation gets.
    void SetDefaults();
    // MinCollapse from CollapseRegime: 3 for sets/runs and poker, 2 for twenty-one, else unchanged.
    void DeriveMinCollapse();

    // Stored options, named after their registry values.
    int Beep;
    int Music;
    int ClearStacks;
    int GetFaster;
    int SwapMode;
    int OneDeck;
    int EndOnShuffle;
    int LastStack;
    int UpDown;
    int CollapseRegime;
    int DealerOption;
    int FreezeOnBust;
    int ShowWelcome;
    COLORREF ForegroundColor;
    COLORREF BackgroundColor;

    // Never stored.
    int DropInterval;
    int MinCollapse;
    int UsePlatformBeep;
};

// Zero until the settings are loaded at start-up; read by everything at the moment of use.
extern SettingsRecord Settings;

namespace SettingsDefaults {
const int InitialDropInterval = 800;
const COLORREF ForegroundColor = 0xFFFF80;
const COLORREF BackgroundColor = 0xA04005;
}
