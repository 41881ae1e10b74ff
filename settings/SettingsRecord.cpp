// The settings record's defaults and derived values.
#include "settings/SettingsRecord.h"
#include "settings/StoredSettings.h"

SettingsRecord Settings;

void SettingsRecord::SetDefaults() {
    for (const StoredSetting& setting : StoredSettings) {
        if (setting.number)
            this->*setting.number = static_cast<int>(setting.defaultValue);
        else
            this->*setting.colour = setting.defaultValue;
    }
}

void SettingsRecord::DeriveMinCollapse() {
    if (CollapseRegime == 1 || CollapseRegime == 2)
        MinCollapse = 3;
    else if (CollapseRegime == 3)
        MinCollapse = 2;
}
