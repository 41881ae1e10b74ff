// The registry operations behind the settings and the high-score table, and where they keep their values.
#pragma once
#include <windows.h>

// Under HKEY_CURRENT_USER.
const char* const SettingsKeyPath = "Software\\Quillmere\\Zarnock";
const char* const HighScoresKeyPath = "Software\\Quillmere\\Zarnock\\HighScores";

// A REG_DWORD value of exactly 4 bytes, or defaultValue when it is missing, unreadable or of another type.
DWORD RegGetDword(HKEY root, const char* subkey, const char* name, DWORD defaultValue);
// Writes a REG_DWORD value, creating the key when needed.
bool RegSetDword(HKEY root, const char* subkey, const char* name, DWORD value);
// Reads a REG_SZ value into buffer as a terminated string of at most bufferSize - 1 characters.
// False (and an empty buffer when bufferSize > 0) when the value is missing, not REG_SZ or too long.
bool RegGetString(HKEY root, const char* subkey, const char* name, char* buffer, DWORD bufferSize);
// Writes a REG_SZ value with its terminating zero, creating the key when needed.
bool RegSetString(HKEY root, const char* subkey, const char* name, const char* text);
// Deletes a key that has no subkeys of its own.
bool RegDeleteSubkey(HKEY root, const char* subkey);
