// The stored options: each one's registry value name, its field of the settings record and its default, in one
// table that the defaults, the load and the save all read.
#pragma once
#include <windows.h>
#include "settings/SettingsRecord.h"

struct StoredSetting {
    const wchar_t* name;                    // the registry value, named as the field
    int SettingsRecord::*number;            // the field, when it is a number
    COLORREF SettingsRecord::*colour;       // the field, when it is a colour
    DWORD defaultValue;                     // what a fresh installation gets
};

// In the order the save writes them.
const int StoredSettingCount = 15;
extern const StoredSetting StoredSettings[StoredSettingCount];

// A REG_DWORD value under the settings key, or defaultValue when it is missing, unreadable or of another type.
DWORD ReadSettingsValue(const wchar_t* name, DWORD defaultValue);
int ReadSignedSettingsValue(const wchar_t* name, int defaultValue);
void WriteSettingsValue(const wchar_t* name, int value);

// Every stored option of `record`, from the registry (with the defaults for what is missing) or to it.
void LoadStoredSettings(SettingsRecord& record);
void SaveStoredSettings(const SettingsRecord& record);
