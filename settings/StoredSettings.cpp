// The table of stored options, and their load and save through the registry.
#include "settings/StoredSettings.h"
#include "settings/Registry.h"

#define ZARNOCK_NUMBER(field, value) {L"" #field, &SettingsRecord::field, nullptr, static_cast<DWORD>(value)}
#define ZARNOCK_COLOUR(field, value) {L"" #field, nullptr, &SettingsRecord::field, value}

// Sized by its rows: a row more or less than the header counts does not build.
const StoredSetting StoredSettings[] = {
    ZARNOCK_NUMBER(Beep, 1),
    ZARNOCK_NUMBER(Music, 1),
    ZARNOCK_NUMBER(ClearStacks, 0),
    ZARNOCK_NUMBER(GetFaster, 1),
    ZARNOCK_NUMBER(SwapMode, 3),
    ZARNOCK_NUMBER(OneDeck, 1),
    ZARNOCK_NUMBER(EndOnShuffle, 0),
    ZARNOCK_NUMBER(LastStack, 1),
    ZARNOCK_NUMBER(UpDown, 1),
    ZARNOCK_NUMBER(CollapseRegime, 3),
    ZARNOCK_NUMBER(DealerOption, 1),
    ZARNOCK_NUMBER(ShowWelcome, 1),
    ZARNOCK_COLOUR(ForegroundColor, SettingsDefaults::ForegroundColor),
    ZARNOCK_COLOUR(BackgroundColor, SettingsDefaults::BackgroundColor),
    ZARNOCK_NUMBER(FreezeOnBust, 1),
};

#undef ZARNOCK_NUMBER
#undef ZARNOCK_COLOUR

DWORD ReadSettingsValue(const wchar_t* name, DWORD defaultValue) {
    return RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, defaultValue);
}

int ReadSignedSettingsValue(const wchar_t* name, int defaultValue) {
    return static_cast<int>(ReadSettingsValue(name, static_cast<DWORD>(defaultValue)));
}

void WriteSettingsValue(const wchar_t* name, int value) {
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, static_cast<DWORD>(value));
}

void LoadStoredSettings(SettingsRecord& record) {
    for (const StoredSetting& setting : StoredSettings) {
        const DWORD value = ReadSettingsValue(setting.name, setting.defaultValue);
        if (setting.number)
            record.*setting.number = static_cast<int>(value);
        else
            record.*setting.colour = value;
    }
}

void SaveStoredSettings(const SettingsRecord& record) {
    for (const StoredSetting& setting : StoredSettings)
        WriteSettingsValue(setting.name, setting.number ? record.*setting.number
                                                        : static_cast<int>(record.*setting.colour));
}
