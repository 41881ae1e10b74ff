// The settings record's defaults and derived values.
#include "settings/SettingsRecord.h"

SettingsRecord Settings;

void SettingsRecord::SetDefaults() {
    Beep = 1;
    Music = 1;
    ClearStacks = 0;
    GetFaster = 1;
    SwapMode = 3;
    OneDeck = 1;
    EndOnShuffle = 0;
    LastStack = 1;
    UpDown = 1;
    CollapseRegime = 3;
    DealerOption = 1;
    FreezeOnBust = 1;
    ShowWelcome = 1;
    ForegroundColor = SettingsDefaults::ForegroundColor;
    BackgroundColor = SettingsDefaults::BackgroundColor;
}

void SettingsRecord::DeriveMinCollapse() {
    if (CollapseRegime == 1 || CollapseRegime == 2)
        MinCollapse = 3;
    else if (CollapseRegime == 3)
        MinCollapse = 2;
}
